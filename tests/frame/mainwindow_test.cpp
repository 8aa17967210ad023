#include "support/testmain.h"

#include "framefixture.h"

#include "frame/frmdocument.h"
#include "frame/frmsplash.h"
#include "frame/previewbrowser.h"
#include "frame/startup.h"
#include "frame/twips.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>

using namespace ts;
using namespace ts::test;

class MainWindow : public FrameTest {
protected:
    void start(const QString &binding = QStringLiteral("12"))
    {
        settings(0, 0);
        chooseBinding(binding);
        initXMLParser();
        ASSERT_TRUE(frmMainLoaded());
    }
};

TEST_F(MainWindow, MenusInTheirOrderWithTheirEntries)
{
    start();
    const QList<QAction *> tops = frmMain().menuBar()->actions();
    QStringList names, captions;
    for (QAction *a : tops) {
        names << a->menu()->objectName();
        captions << a->text();
    }
    EXPECT_EQ(names, QStringList({"mnufile", "mnuWindow", "mnuPreferences", "mnuTools", "mnuHelp"}));
    EXPECT_EQ(captions, QStringList({"&File", "&Window", "Preferences", "&Tools", "&Help"}));

    auto entries = [](QMenu *menu) {
        QStringList out;
        for (QAction *a : menu->actions())
            out << (a->isSeparator() ? QStringLiteral("-") : a->objectName() + QLatin1Char('=') + a->text());
        return out;
    };
    EXPECT_EQ(entries(frmMain().menu(QStringLiteral("mnufile"))),
              QStringList({"mnuFileNew=&New", "mnuFileOpen=&Open...", "mnuOpenTemplate=Open Template", "-",
                           "mnuFileSave=&Save", "mnuFileSaveAs=Save &As...", "mnuSaveasTemplate=Save as Template", "-",
                           "mnuFilePageSetup=Page Setup...", "mnuFilePrint=&Print...", "-",
                           "mnuExport=&Export Metadata", "-", "mnuFileExit=Exit"}));
    EXPECT_EQ(entries(frmMain().menu(QStringLiteral("mnuPreferences"))),
              QStringList({"mnuDefaults=Set Default Template...", "mnuWebFilesOnly=Only Display Web Files ",
                           "mnuResetDefaults=Reset Program Defaults"}));
    EXPECT_EQ(entries(frmMain().menu(QStringLiteral("mnuTools"))),
              QStringList({"mnuTemplateCreator=Template Creator...", "mnuConvert=Convert SCORM 1.2 to 2004...",
                           "mnuBatch=Batch Generate..."}));
    EXPECT_EQ(entries(frmMain().menu(QStringLiteral("mnuHelp"))),
              QStringList({"mnuHelpContents=Contents...", "mnuFeedback=&Feedback...", "-", "mnuTip=Tip of the Day...",
                           "mnuHelpAbout=About Tagsmith..."}));
    EXPECT_TRUE(frmMain().action(QStringLiteral("mnuWebFilesOnly"))->isCheckable());
    EXPECT_FALSE(frmMain().action(QStringLiteral("mnuWebFilesOnly"))->isChecked());
}

TEST_F(MainWindow, LoadLaysOutTheWindowAndSidePane)
{
    frmMain().action(QStringLiteral("mnuWebFilesOnly"))->setChecked(true);
    start();
    FrmMain &main = frmMain();
    EXPECT_EQ(main.windowTitle(), QStringLiteral("Tagsmith"));
    // At least 13800 twips wide, and wide enough for the side pane and the editor.
    EXPECT_GE(main.width(), twipsToPixels(13800));
    EXPECT_FALSE(main.action(QStringLiteral("mnuWebFilesOnly"))->isChecked());
    for (const char *bar : {"Directory", "Preview", "Params"}) {
        auto *picture = find<QLabel>(&main, QStringLiteral("imgHeaderBar") + QLatin1String(bar));
        auto *label = find<QLabel>(&main, QStringLiteral("lblHeaderBar") + QLatin1String(bar));
        ASSERT_TRUE(picture && label);
        EXPECT_EQ(label->y(), picture->y() + twipsToPixels(2)) << bar;
        EXPECT_EQ(label->x(), twipsToPixels(16)) << bar;
    }
    EXPECT_EQ(find<QLabel>(&main, QStringLiteral("lblHeaderBarDirectory"))->text(), QStringLiteral("Directory List"));
    EXPECT_EQ(find<QLabel>(&main, QStringLiteral("lblHeaderBarPreview"))->text(), QStringLiteral("Preview"));
    EXPECT_EQ(find<QLabel>(&main, QStringLiteral("lblHeaderBarParams"))->text(), QStringLiteral("Parameters"));
    EXPECT_EQ(find<QWidget>(&main, QStringLiteral("Picture1"))->width(), twipsToPixels(3700));
    EXPECT_EQ(find<QWidget>(&main, QStringLiteral("WebBrowser1"))->width(), twipsToPixels(3400));
    EXPECT_EQ(find<QWidget>(&main, QStringLiteral("Frame2"))->width(), twipsToPixels(3400));
    for (const char *name : {"Frame1", "Frame2", "WebBrowser1", "Dir1", "FileList", "DriveList"})
        EXPECT_TRUE(find<QWidget>(&main, QLatin1String(name))->isVisible()) << name;
    EXPECT_EQ(main.webBrowser()->locationURL(), path(QStringLiteral("blank.htm")));
    // The file list stays empty until a folder is chosen.
    EXPECT_EQ(main.fileList()->count(), 0);
    EXPECT_EQ(find<QLabel>(&main, QStringLiteral("lblCurFile"))->text(), QStringLiteral("- new file -"));
    EXPECT_EQ(find<QGroupBox>(&main, QStringLiteral("Frame1"))->title(), QStringLiteral("Enlarge"));
}

TEST_F(MainWindow, Scorm2004EditorCanBeShownHiddenAndCleared)
{
    start(QStringLiteral("2004"));
    FrmOptions2004 &editor = frmOptions2004();
    EXPECT_TRUE(editor.isShownChild());
    editor.hideChild();
    EXPECT_FALSE(editor.isShownChild());
    editor.showChild();
    EXPECT_TRUE(editor.isShownChild());
    find<QLineEdit>(&editor, QStringLiteral("titleText"))->setText(QStringLiteral("x"));
    editor.clearAll();
    EXPECT_TRUE(find<QLineEdit>(&editor, QStringLiteral("titleText"))->text().isEmpty());
    EXPECT_EQ(find<QComboBox>(&editor, QStringLiteral("cboSelectCategory"))->currentText(),
              QStringLiteral("Select Metadata File"));
    // Its activation switches the File menu to the editor's commands.
    EXPECT_TRUE(frmMain().action(QStringLiteral("mnuSaveasTemplate"))->isEnabled());
    EXPECT_TRUE(frmMain().action(QStringLiteral("mnuExport"))->isEnabled());
    EXPECT_FALSE(frmMain().action(QStringLiteral("mnuFileSave"))->isEnabled());
    EXPECT_FALSE(frmMain().action(QStringLiteral("mnuFilePrint"))->isEnabled());
}

TEST_F(MainWindow, SplashLinkOpensTheWebAddressThroughTheShell)
{
    settings(0, 0);
    chooseBinding(QStringLiteral("12"));
    FrmSplash &splash = frmSplash();
    auto *link = find<QLabel>(&splash, QStringLiteral("Label3"));
    ASSERT_TRUE(link);
    emit link->linkActivated(link->text());
    ASSERT_EQ(shell.opened.size(), 1);
    EXPECT_TRUE(shell.opened[0].startsWith(QStringLiteral("https://")));
    EXPECT_TRUE(dialogs.calls().isEmpty());
    delete &splash;
    // The binding dialog queued above is still waiting: run start-up so it is answered.
    initXMLParser();
}

// The Window menu after a file was opened: the editor and the XML text window by their captions, the active one
// ticked; each entry brings its window to the front, restored when it was minimised or hidden by a maximised one.
TEST_F(MainWindow, TheWindowMenuListsTheChildrenAndBringsEachToTheFront)
{
    start();
    ASSERT_TRUE(QFile::copy(testData(QStringLiteral("open/scorm12.xml")), path("scorm12.xml")));
    frmMain().openSelectedFile(false, path("scorm12.xml"), false);
    QMdiSubWindow *editor = frmOptions().subWindow(), *document = frmDocument().subWindow();
    auto entries = [] {
        emit frmMain().menu(QStringLiteral("mnuWindow"))->aboutToShow();
        QStringList out;
        for (QAction *a : frmMain().menu(QStringLiteral("mnuWindow"))->actions())
            out << a->objectName() + QLatin1Char('=') + a->text() + (a->isChecked() ? "*" : "");
        return out.join(QLatin1Char('|'));
    };
    const QString editorActive = "mnuWindowList_frmOptions=SCORM 1.2 Metadata*|mnuWindowList_frmDocument=scorm12.xml";
    const QString documentActive = "mnuWindowList_frmOptions=SCORM 1.2 Metadata|mnuWindowList_frmDocument=scorm12.xml*";
    EXPECT_EQ(entries(), documentActive);
    const struct {
        const char *before; // the active window maximised, or the one chosen minimised
        QMdiSubWindow *chosen;
    } rows[] = {{"", editor}, {"", document}, {"maximised", editor}, {"minimised", document}, {"minimised", editor}};
    for (const auto &row : rows) {
        SCOPED_TRACE(std::string(row.before) + (row.chosen == editor ? " editor" : " document"));
        if (*row.before == 'm' && row.before[1] == 'a')
            frmMain().mdiArea()->activeSubWindow()->showMaximized();
        else if (*row.before)
            row.chosen->showMinimized();
        entries();
        trigger(row.chosen == editor ? "mnuWindowList_frmOptions" : "mnuWindowList_frmDocument");
        EXPECT_EQ(frmMain().mdiArea()->activeSubWindow(), row.chosen);
        EXPECT_FALSE(row.chosen->isMinimized());
        EXPECT_EQ(entries(), row.chosen == editor ? editorActive : documentActive);
    }
}

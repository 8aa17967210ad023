#include "support/testmain.h"

#include "framefixture.h"

#include "frame/folderlist.h"
#include "frame/frmbrowser.h"
#include "frame/frmdocument.h"
#include "frame/globals.h"
#include "frame/previewbrowser.h"
#include "platform/programfolder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

using namespace ts;
using namespace ts::test;

// The side pane of the main window: the folder and file lists, what a click on a file does, the hand-over
// of a resource file to the editor, the drive list, the slider and the "Enlarge" strip.
class FileBrowser : public FrameTest {
protected:
    // A folder below the program folder holding the files named, each holding as many bytes as its name.
    QString folder(const QString &name, const QStringList &files)
    {
        EXPECT_TRUE(QDir().mkpath(path(name)));
        for (const QString &file : files)
            writeFile(name + QLatin1Char('/') + file, file.toUtf8());
        return path(name);
    }
    static QStringList listed()
    {
        QStringList names;
        for (int i = 0; i < frmMain().fileList()->count(); ++i)
            names << frmMain().fileList()->item(i)->text();
        return names;
    }
    static void click(const QString &name)
    {
        QListWidget *list = frmMain().fileList();
        const QList<QListWidgetItem *> items = list->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        list->scrollToItem(items[0]);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items[0]).center());
    }
    static QString field(QWidget *editor, const char *name)
    {
        QWidget *w = editor->findChild<QWidget *>(QLatin1String(name));
        if (auto *line = qobject_cast<QLineEdit *>(w))
            return line->text();
        if (auto *box = qobject_cast<QPlainTextEdit *>(w))
            return box->toPlainText();
        return QStringLiteral("(no field)");
    }
    static QStringList ticked(QWidget *editor)
    {
        QStringList names;
        for (const char *name : {"javascriptCheck", "htmlCheck", "gifCheck", "quicktimeCheck", "wavCheck",
                                 "realMediaCheck", "flashCheck", "powerpointCheck", "pdfCheck", "javaCheck",
                                 "excelCheck", "jpgCheck"})
            if (find<QCheckBox>(editor, QLatin1String(name))->isChecked())
                names << QLatin1String(name);
        return names;
    }
};

TEST_F(FileBrowser, WebFileFilterTakesEffectAtTheNextChangeOfFolder)
{
    startMain();
    EXPECT_TRUE(listed().isEmpty());
    const QStringList all{"a.htm", "b.XML", "c.doc", "d.GIF", "e.csv", "f"};
    const QString content = folder(QStringLiteral("content"), all);
    frmMain().dir1()->setPath(content);
    EXPECT_EQ(listed(), all);
    EXPECT_EQ(frmMain().driveList()->currentData().toString(), driveOf(driveRoots(), content));
    trigger("mnuWebFilesOnly");
    EXPECT_TRUE(frmMain().action(QStringLiteral("mnuWebFilesOnly"))->isChecked());
    EXPECT_EQ(listed(), all);
    frmMain().dir1()->setPath(programFolder());
    frmMain().dir1()->setPath(content);
    EXPECT_EQ(listed(), QStringList({"a.htm", "b.XML", "d.GIF"}));
}

TEST_F(FileBrowser, AClickDispatchesOnTheExtensionInAnyCase)
{
    startMain();
    const QString content = folder(QStringLiteral("content"), {"page.HTM", "notes.doc"});
    for (const char *name : {"lesson.xml", "LESSON.XML"})
        ASSERT_TRUE(QFile::copy(testData(QStringLiteral("open/scorm12.xml")), content + QLatin1Char('/') + name));
    ASSERT_TRUE(QFile::copy(path(QStringLiteral("templates/default.tsm")), content + QStringLiteral("/mine.tsm")));
    frmMain().dir1()->setPath(content);
    const struct {
        const char *name;
        bool previewed; // shown in the preview and named by lblFileName
        std::function<bool()> handled;
    } rows[] = {
        {"lesson.xml", true, [] { return frmDocumentLoaded() && frmDocument().filePath().endsWith("/lesson.xml"); }},
        {"LESSON.XML", true, [] { return !frmDocumentLoaded(); }}, // the opening takes ".xml" only
        {"mine.tsm", false, [] { return globals().templateFileName == QLatin1String("mine.tsm"); }},
        {"page.HTM", true, [] { return field(&frmOptions(), "titleText") == QLatin1String("page.HTM"); }},
        {"notes.doc", false, [] { return field(&frmOptions(), "titleText") == QLatin1String("notes.doc"); }},
    };
    for (const auto &row : rows) {
        if (frmDocumentLoaded())
            frmDocument().unload();
        globals().templateFileName.clear();
        frmMain().lblFileName()->setText(QStringLiteral("before"));
        const QString before = frmMain().webBrowser()->locationURL();
        click(QLatin1String(row.name));
        const QString file = content + QLatin1Char('/') + QLatin1String(row.name);
        EXPECT_EQ(frmMain().fileListFileName, QLatin1String(row.name));
        EXPECT_EQ(frmMain().fileListFilePath, file);
        EXPECT_EQ(frmMain().lblFileName()->text(), row.previewed ? QLatin1String(row.name) : QLatin1String("before"))
            << row.name;
        EXPECT_EQ(frmMain().webBrowser()->locationURL(), row.previewed ? file : before) << row.name;
        EXPECT_TRUE(row.handled()) << row.name;
        EXPECT_FALSE(frmMain().dontValidate);
    }
    EXPECT_TRUE(dialogs.calls().isEmpty());
}

TEST_F(FileBrowser, AResourceFileFillsTheEditorOverTheDefaultTemplate)
{
    startMain();
    const struct {
        const char *name;
        QStringList ticked;
    } rows[] = {
        {"clip.wav", {"wavCheck"}},      {"sheet.csv", {"excelCheck"}}, {"sheet.cvs", {}},
        {"PHOTO.JPG", {"jpgCheck"}},     {"photo.jpeg", {}},            {"movie.mov", {"quicktimeCheck"}},
        {"slides.ppt", {"powerpointCheck"}}, {"README", {}},
    };
    QStringList names;
    for (const auto &row : rows)
        names << QLatin1String(row.name);
    frmMain().dir1()->setPath(folder(QStringLiteral("content"), names));
    for (const auto &row : rows) {
        click(QLatin1String(row.name));
        for (const char *name : {"titleText", "courseDescription", "locationText"})
            EXPECT_EQ(field(&frmOptions(), name), QLatin1String(row.name)) << name;
        EXPECT_EQ(field(&frmOptions(), "txtSize"), QString::number(qstrlen(row.name))) << row.name;
        EXPECT_EQ(ticked(&frmOptions()), row.ticked) << row.name;
    }
    EXPECT_TRUE(dialogs.calls().isEmpty());
}

TEST_F(FileBrowser, TheEditorActiveAfterTheTemplateReceivesTheFile)
{
    startMain(QStringLiteral("2004"));
    frmMain().dir1()->setPath(folder(QStringLiteral("content"), {"clip.wav"}));
    // The default template is a SCORM 1.2 record: the switch is offered, and either editor gets the file.
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        dialogs.answer(answer);
        click(QStringLiteral("clip.wav"));
        QWidget *editor = answer == Answer::Yes ? static_cast<QWidget *>(&frmOptions()) : &frmOptions2004();
        EXPECT_EQ(field(editor, "locationText"), QStringLiteral("clip.wav"));
        EXPECT_EQ(ticked(editor), QStringList{"wavCheck"});
    }
    EXPECT_EQ(dialogs.calls().at(0).title, QStringLiteral("Switch Modes?"));
    EXPECT_EQ(frmMain().scormVersion, QStringLiteral("SCORM 1.2"));
}

TEST_F(FileBrowser, HandOverFailuresAreReported)
{
    startMain();
    frmMain().dir1()->setPath(folder(QStringLiteral("content"), {"a.doc", "b.doc"}));
    // The default template named in cdt.txt is not there.
    writeFile(QStringLiteral("templates/cdt.txt"), "gone.tsm\r\n");
    click(QStringLiteral("a.doc"));
    // The file went away after it was listed.
    writeFile(QStringLiteral("templates/cdt.txt"), "default.tsm\r\n");
    QFile::remove(path(QStringLiteral("content/b.doc")));
    click(QStringLiteral("b.doc"));
    ASSERT_EQ(dialogs.calls().size(), 2);
    EXPECT_EQ(dialogs.calls()[0].text, QStringLiteral("No default template defined"));
    EXPECT_EQ(dialogs.calls()[0].title, QStringLiteral("Tagsmith"));
    EXPECT_EQ(dialogs.calls()[1].text, QStringLiteral("Error in passData of frmMain"));
    EXPECT_EQ(dialogs.calls()[1].title, QStringLiteral("File not found."));
    EXPECT_EQ(dialogs.calls()[1].icon, Icon::Information);
    EXPECT_TRUE(field(&frmOptions(), "titleText").isEmpty());
}

TEST_F(FileBrowser, ADriveThatCannotBeReadIsReportedAndLeft)
{
    startMain();
    QComboBox *drives = frmMain().driveList();
    const QString before = drives->currentText();
    drives->addItem(QStringLiteral("/no-such-drive"), QStringLiteral("/no-such-drive"));
    drives->setCurrentIndex(drives->count() - 1);
    emit drives->activated(drives->count() - 1);
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("No Disk In Drive /no-such-drive")});
    EXPECT_EQ(drives->currentText(), before);
}

TEST_F(FileBrowser, TheSliderFoldsThePaneAndTheStripEnlargesThePreview)
{
    startMain();
    QWidget *pane = find<QWidget>(&frmMain(), QStringLiteral("Picture1"));
    QWidget *slider = find<QWidget>(&frmMain(), QStringLiteral("imgSlider"));
    const QStringList folded{"Frame1", "Frame2", "WebBrowser1", "Dir1", "FileList", "DriveList"};
    QList<int> widths{pane->width()};
    for (const QString &name : folded)
        widths << find<QWidget>(&frmMain(), name)->width();
    QTest::mouseClick(slider, Qt::LeftButton);
    EXPECT_EQ(pane->width(), 1);
    for (const QString &name : folded)
        EXPECT_FALSE(find<QWidget>(&frmMain(), name)->isVisible()) << name.toStdString();
    QTest::mouseClick(slider, Qt::LeftButton);
    QList<int> after{pane->width()};
    for (const QString &name : folded) {
        EXPECT_TRUE(find<QWidget>(&frmMain(), name)->isVisible()) << name.toStdString();
        after << find<QWidget>(&frmMain(), name)->width();
    }
    EXPECT_EQ(after, widths);

    QTest::mouseClick(find<QWidget>(&frmMain(), QStringLiteral("lblEnlarge")), Qt::LeftButton);
    ASSERT_TRUE(frmBrowserLoaded());
    EXPECT_TRUE(frmBrowser().isVisible());
    EXPECT_FALSE(frmBrowser().isModal());
}

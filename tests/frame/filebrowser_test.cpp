#include "support/testmain.h"

#include "framefixture.h"

#include "frame/folderlist.h"
#include "frame/frmdocument.h"
#include "frame/globals.h"
#include "frame/previewbrowser.h"
#include "frame/templates.h"
#include "model12/writer12.h"
#include "platform/programfolder.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

using namespace ts;
using namespace ts::test;

// The side pane of the main window: the file list, what a click on a file does, and the hand-over of a
// resource file to the editor.
class FileBrowser : public FrameTest {
protected:
    // Lists a folder below the program folder holding the files named, each as many bytes long as its name.
    void showFolder(const QStringList &files)
    {
        ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("content"))));
        for (const QString &file : files)
            writeFile(QStringLiteral("content/") + file, file.toUtf8());
        frmMain().dir1()->setPath(programFolder());
        frmMain().dir1()->setPath(path(QStringLiteral("content")));
    }
    static QStringList listed() { return itemTexts(frmMain().fileList()); }
    static void click(const QString &name)
    {
        QListWidget *list = frmMain().fileList();
        const QList<QListWidgetItem *> items = list->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        list->scrollToItem(items[0]);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items[0]).center());
    }
};

TEST_F(FileBrowser, WebFileFilterTakesEffectAtTheNextChangeOfFolder)
{
    startMain();
    EXPECT_TRUE(listed().isEmpty());
    const QStringList all{"a.htm", "b.XML", "c.doc", "d.GIF", "e"};
    showFolder(all);
    EXPECT_EQ(listed(), all);
    trigger("mnuWebFilesOnly");
    EXPECT_EQ(listed(), all);
    showFolder({});
    EXPECT_EQ(listed(), QStringList({"a.htm", "b.XML", "d.GIF"}));
}

TEST_F(FileBrowser, AClickDispatchesOnTheExtensionInAnyCase)
{
    startMain();
    showFolder({"page.HTM", "notes.doc"});
    for (const char *name : {"lesson.xml", "LESSON.XML"})
        ASSERT_TRUE(QFile::copy(testData(QStringLiteral("open/scorm12.xml")), path(QStringLiteral("content/")) + name));
    ASSERT_TRUE(QFile::copy(path(QStringLiteral("templates/default.tsm")), path(QStringLiteral("content/mine.tsm"))));
    showFolder({});
    const struct {
        const char *name;
        bool previewed; // shown in the preview and named by lblFileName
        const char *opened; // the file the text window shows, the template opened, or the editor's title
    } rows[] = {
        {"lesson.xml", true, "document lesson.xml"}, {"LESSON.XML", true, ""}, // the opening takes ".xml" only
        {"mine.tsm", false, "template mine.tsm"},    {"page.HTM", true, "title page.HTM"},
        {"notes.doc", false, "title notes.doc"},
    };
    for (const auto &row : rows) {
        if (frmDocumentLoaded())
            frmDocument().unload();
        globals().templateFileName.clear();
        frmOptions().setFieldText(QStringLiteral("titleText"), QString());
        frmMain().lblFileName()->setText(QString());
        const QString before = frmMain().webBrowser()->locationURL();
        click(QLatin1String(row.name));
        const QString file = path(QStringLiteral("content/")) + QLatin1String(row.name);
        EXPECT_EQ(frmMain().fileListFilePath, file);
        EXPECT_EQ(frmMain().lblFileName()->text(), row.previewed ? QLatin1String(row.name) : QLatin1String(""));
        EXPECT_EQ(frmMain().webBrowser()->locationURL(), row.previewed ? file : before) << row.name;
        const QString title = frmOptions().fieldText(QStringLiteral("titleText"));
        const QString opened = frmDocumentLoaded() ? QStringLiteral("document ") + QFileInfo(frmDocument().filePath()).fileName()
                               : !title.isEmpty()  ? QStringLiteral("title ") + title
                               : globals().templateFileName.isEmpty() ? QString()
                                                                      : QStringLiteral("template ") + globals().templateFileName;
        EXPECT_EQ(opened, QLatin1String(row.opened)) << row.name;
    }
    EXPECT_TRUE(dialogs.calls().isEmpty());
}

TEST_F(FileBrowser, AResourceFileFillsTheEditorOverTheDefaultTemplate)
{
    startMain();
    // A default template saved the day before, with contributors and a language that no field keeps: it is
    // read for every file without a word, and names what it holds when it is opened itself.
    Record12 saved = clearedRecord12();
    saved.lstFiles = {QStringLiteral("Ann,Author")};
    saved.metadataAuthorsText = QStringLiteral("Bo");
    saved.cboCreatorRole = QStringLiteral("Creator");
    WriteContext12 yesterday;
    yesterday.today = QDate::currentDate().addDays(-1);
    yesterday.programDir = programFolder();
    writeFile(QStringLiteral("templates/default.tsm"),
              writeDocument12(Writer12::Aggregation, saved, yesterday)
                  .text.replace(QStringLiteral("<title>\r\n         <langstring xml:lang=\"x-none\">"),
                                QStringLiteral("<title>\r\n         <langstring xml:lang=\"en\">"))
                  .toUtf8());
    openTemplate(path(QStringLiteral("templates/default.tsm")));
    EXPECT_EQ(dialogs.messages(), QStringList({"Every language is written as \"x-none\". Languages of your imported "
                                               "file that are not kept: en"}));
    dialogs.clear();
    const struct {
        const char *name;
        const char *ticked;
    } rows[] = {
        {"clip.wav", "wavCheck"},     {"sheet.csv", "excelCheck"},      {"sheet.cvs", ""},
        {"PHOTO.JPG", "jpgCheck"},    {"photo.jpeg", ""},               {"movie.mov", "quicktimeCheck"},
        {"deck.ppt", "powerpointCheck"}, {"README", ""},
    };
    QStringList names;
    for (const auto &row : rows)
        names << QLatin1String(row.name);
    showFolder(names);
    for (const auto &row : rows) {
        click(QLatin1String(row.name));
        for (const char *field : {"titleText", "courseDescription", "locationText"})
            EXPECT_EQ(frmOptions().fieldText(QLatin1String(field)), QLatin1String(row.name)) << field;
        EXPECT_EQ(frmOptions().fieldText(QStringLiteral("txtSize")), QString::number(qstrlen(row.name)));
        QStringList ticked;
        for (QCheckBox *box : frmOptions().findChildren<QCheckBox *>())
            if (box->isChecked() && box->objectName().endsWith(QLatin1String("Check")))
                ticked << box->objectName();
        EXPECT_EQ(ticked.join(QLatin1Char(',')), QLatin1String(row.ticked)) << row.name;
    }
    // The default template is not there; the file went away after it was listed.
    writeFile(QStringLiteral("templates/cdt.txt"), "gone.tsm\r\n");
    click(QStringLiteral("clip.wav"));
    // A double-click (its second press comes as a double-click) picks the file once, and so does Enter.
    QListWidget *list = frmMain().fileList();
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->currentItem()).center());
    QTest::keyClick(list, Qt::Key_Return);
    writeFile(QStringLiteral("templates/cdt.txt"), "default.tsm\r\n");
    QFile::remove(path(QStringLiteral("content/README")));
    click(QStringLiteral("README"));
    EXPECT_EQ(dialogs.messages(), QStringList({"No default template defined", "No default template defined",
                                               "Error in passData of frmMain"}));
    EXPECT_EQ(dialogs.calls().at(0).title, QStringLiteral("Tagsmith"));
    EXPECT_EQ(dialogs.calls().at(2).title, QStringLiteral("File not found."));
}

TEST_F(FileBrowser, AContentFileGetsARecordOfTheDefaultTemplateAndTheFileAlone)
{
    const QString ask = QStringLiteral("The default template for content files, \"mine.tsm\", is a SCORM 1.2 template, "
                                       "and you are using the SCORM 2004 Editor.\rWould you like to switch to the "
                                       "SCORM 1.2 Editor now?");
    const char *mine12 = "<lom xmlns=\"http://www.imsglobal.org/xsd/imsmd_rootv1p2p1\"><general><keyword><langstring "
                         "xml:lang=\"x-none\">template keyword</langstring></keyword></general></lom>";
    const struct {
        const char *binding; // the editor at start
        const char *mine;    // the default template "mine.tsm"; none: the one installed
        std::optional<Answer> answer;
        QStringList boxes; // a parse notice by its start
        const char *after;
    } rows[] = {
        {"12", nullptr, {}, {}, "SCORM 1.2"},
        {"2004", nullptr, {}, {}, "SCORM 2004"},
        {"2004", mine12, Answer::No, {ask}, "SCORM 2004"},
        {"2004", mine12, Answer::Yes, {ask}, "SCORM 1.2"},
        {"2004", "<lom xmlns=\"http://ltsc.ieee.org/xsd/LOM\"><general>", {}, {"Unsupported XML on line "},
         "SCORM 2004"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(std::string(row.binding) + (row.mine ? row.mine : ""));
        // After a record of each binding was open (the other binding's first), as at a fresh start.
        QString exports[2];
        for (const bool afterRecords : {true, false}) {
            dialogs.clear();
            startMain(QLatin1String(row.binding));
            const bool start12 = QByteArray(row.binding) == "12";
            const char *other = start12 ? "lom2004.xml" : "scorm12.xml", *own = start12 ? "scorm12.xml" : "lom2004.xml";
            for (const char *file : {other, own}) {
                if (!afterRecords)
                    continue;
                QFile::remove(path(file));
                ASSERT_TRUE(QFile::copy(testData(QStringLiteral("open/") + file), path(file)));
                dialogs.answer(Answer::Yes);
                frmMain().openSelectedFile(false, path(QLatin1String(file)), false);
            }
            if (row.mine)
                writeFile(QStringLiteral("templates/mine.tsm"), row.mine);
            QString name = row.mine ? QStringLiteral("mine.tsm") : QStringLiteral("default.tsm");
            setDefaultTemplate(name);
            showFolder({QStringLiteral("lesson2.html")});
            dialogs.clear();
            if (row.answer)
                dialogs.answer(*row.answer);
            click(QStringLiteral("lesson2.html"));
            QStringList boxes = dialogs.messages();
            if (!boxes.isEmpty() && boxes.last().startsWith(row.boxes.value(0)))
                boxes.last() = row.boxes.value(0);
            EXPECT_EQ(boxes, row.boxes);
            EXPECT_EQ(dialogs.calls().value(0).title, row.answer ? "Switch Modes?" : row.mine ? "Notice" : "");
            EXPECT_EQ(frmMain().scormVersion, QLatin1String(row.after));
            EXPECT_EQ(frmMain().lblCurFile()->text(), QStringLiteral("lesson2.html"));
            EXPECT_EQ(frmMain().mdiArea()->currentSubWindow()->widget(), &editorWindow(activeBinding()));
            exports[afterRecords] = editorWindow(activeBinding()).createAggregation(true);
            unloadAll();
        }
        for (const char *earlier : {"Decimals", "Fractions", "subtracting", "discipline"})
            EXPECT_FALSE(exports[1].contains(QLatin1String(earlier))) << earlier;
        EXPECT_EQ(exports[1].contains(QLatin1String("template keyword")), row.answer == Answer::Yes);
        EXPECT_EQ(exports[1], exports[0]);
    }
}

// The list shows its folder as it is once something was written into it, the file picked kept: the program's own
// Save As at once; another program's file (a batch run) when the folder is clicked again, or once its watch tells.
TEST_F(FileBrowser, TheListShowsWhatIsWrittenIntoItsFolder)
{
    startMain();
    showFolder({"a.htm", "c.doc"});
    QListWidget *list = frmMain().fileList();
    list->setCurrentRow(1);
    const struct {
        char how; // S: Save As; f: another program, then the folder clicked; w: another program, watched
        const char *file;
        const char *listed;
    } rows[] = {{'S', "b.xml", "a.htm|b.xml|c.doc"},
                {'f', "d.xml", "a.htm|b.xml|c.doc|d.xml"},
                {'w', "0.xml", "0.xml|a.htm|b.xml|c.doc|d.xml"}};
    for (const auto &row : rows) {
        const QString file = path(QStringLiteral("content/") + QLatin1String(row.file));
        if (row.how == 'S') {
            ASSERT_TRUE(showXML(QStringLiteral("<lom/>")));
            frmDocument().showChild();
            dialogs.answerText(file);
            trigger("mnuFileSaveAs");
        } else {
            QFile other(file);
            ASSERT_TRUE(other.open(QIODevice::WriteOnly));
        }
        FolderList *folders = frmMain().dir1();
        if (row.how == 'f')
            QTest::mouseClick(folders->viewport(), Qt::LeftButton, {},
                              folders->visualItemRect(folders->currentItem()).center());
        if (row.how == 'w')
            waitUntil([&] { return listed().contains(QLatin1String(row.file)); });
        EXPECT_EQ(listed().join(QLatin1Char('|')), QLatin1String(row.listed)) << row.how;
        EXPECT_EQ(list->currentItem()->text(), QStringLiteral("c.doc"));
    }
    EXPECT_EQ(dialogs.messages(), QStringList());
}

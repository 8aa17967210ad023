#include "support/testmain.h"

#include "framefixture.h"

#include "frame/frmdocument.h"
#include "platform/qt/printer.h"
#include "platform/textfile.h"

#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPrinter>

using namespace ts;
using namespace ts::test;

// The File menu of the main window: which entries it offers, saving and printing the XML text window, and
// saving the record as a template.
class Commands : public FrameTest {
protected:
    static void showDocument(const QString &text)
    {
        ASSERT_TRUE(showXML(text));
        frmDocument().showChild();
    }
};

TEST_F(Commands, FileMenuFollowsTheActiveChild)
{
    startMain();
    const QStringList entries{"mnuSaveasTemplate", "mnuExport", "mnuFileSave", "mnuFileSaveAs", "mnuFilePageSetup",
                              "mnuFilePrint"};
    const struct {
        const char *situation;
        std::function<void()> arrange;
        const char *enabled; // of the entries, after the File menu dropped down
    } rows[] = {
        {"editor active", [] {}, "110000"},
        {"text window active", [] { showDocument(QStringLiteral("<lom/>")); }, "001111"},
        {"editor unloaded", [] { frmOptions().unload(); }, "001111"},
        // No child active and no editor: the text window's entries stay as its activation left them.
        {"text window hidden", [] { frmDocument().hideChild(); }, "001111"},
    };
    for (const auto &row : rows) {
        row.arrange();
        emit frmMain().menu(QStringLiteral("mnufile"))->aboutToShow();
        QString on;
        for (const QString &name : entries)
            on += frmMain().action(name)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        EXPECT_EQ(on, QLatin1String(row.enabled)) << row.situation;
    }
}

TEST_F(Commands, SaveAsThenSaveWriteTheTextToTheChosenFile)
{
    startMain();
    showDocument(QString::fromUtf8("<lom>\n   <title>général</title>\n</lom>"));
    // An export has no file yet: Save asks for one, as Save As does.
    dialogs.answerText(path(QStringLiteral("report.xml")));
    trigger("mnuFileSave");
    EXPECT_EQ(readFile(QStringLiteral("report.xml")), QByteArray("<lom>\r\n   <title>g\xC3\xA9n\xC3\xA9ral</title>\r\n</lom>"));
    EXPECT_EQ(frmDocument().caption(), QStringLiteral("report.xml"));
    EXPECT_EQ(frmMain().lblCurFile()->text(), QStringLiteral("report.xml"));
    EXPECT_EQ(dialogs.calls().at(0).title, QStringLiteral("Save As"));
    EXPECT_EQ(dialogs.calls().at(0).file.filter, QStringLiteral("XML Files (*.xml)|*.xml"));
    // Then Save writes to that file without asking; a write that fails leaves it as it was.
    frmDocument().setText(QStringLiteral("<lom/>\n"));
    trigger("mnuFileSave");
    failNextWrite(QStringLiteral("report.xml"), 3);
    frmDocument().setText(QStringLiteral("<other/>"));
    trigger("mnuFileSave");
    EXPECT_EQ(readFile(QStringLiteral("report.xml")), QByteArray("<lom/>\r\n"));
    ASSERT_EQ(dialogs.calls().size(), 2);
    EXPECT_EQ(dialogs.calls()[1].title, QStringLiteral("File Save Interrupted"));
    EXPECT_EQ(dialogs.calls()[1].text, QStringLiteral("Your file may not have been saved.\r%1: No space left on device")
                                           .arg(QDir::toNativeSeparators(path(QStringLiteral("report.xml")))));
    // An opened file is saved where it came from.
    ASSERT_TRUE(QFile::copy(testData(QStringLiteral("open/scorm12.xml")), path(QStringLiteral("opened.xml"))));
    ASSERT_FALSE(frmMain().openSelectedFile(false, path(QStringLiteral("opened.xml")), false));
    frmDocument().setText(QStringLiteral("<lom>edited</lom>"));
    trigger("mnuFileSave");
    EXPECT_EQ(readFile(QStringLiteral("opened.xml")), QByteArray("<lom>edited</lom>"));
    EXPECT_EQ(dialogs.calls().size(), 2);
    // The bytes are UTF-8 whatever the text declares, and so is its declaration, which the window then shows.
    frmDocument().setText(QString::fromUtf8("<?xml version='1.0' encoding='ISO-8859-1'?>\n<lom>caf\u00e9</lom>"));
    trigger("mnuFileSave");
    EXPECT_EQ(readFile(QStringLiteral("opened.xml")),
              QByteArray("<?xml version='1.0' encoding='UTF-8'?>\r\n<lom>caf\xC3\xA9</lom>"));
    EXPECT_EQ(frmDocument().text(), QString::fromUtf8("<?xml version='1.0' encoding='UTF-8'?>\n<lom>caf\u00e9</lom>"));
    EXPECT_EQ(frmDocument().caption(), QStringLiteral("opened.xml"));
    // A Save As that fails leaves the caption and the window's file as they were.
    failNextWrite(QStringLiteral("other.xml"), 3);
    dialogs.answerText(path(QStringLiteral("other.xml")));
    trigger("mnuFileSaveAs");
    EXPECT_EQ(frmDocument().caption(), QStringLiteral("opened.xml"));
    EXPECT_EQ(frmDocument().filePath(), path(QStringLiteral("opened.xml")));
}

TEST_F(Commands, SaveAsTemplateChecksTheNameAndAsksBeforeReplacing)
{
    startMain();
    writeFile(QStringLiteral("templates/kept.tsm"), "old");
    const char *const exists = "The file name you specified already exists.\rDo you want to overwrite?";
    const struct {
        std::optional<QString> typed;
        std::optional<Answer> overwrite;
        const char *message; // the box after the input box, if any
        QByteArray keptTemplate;
        const char *saved; // the editor's status label
        bool failWrite = false;
    } rows[] = {
        {std::nullopt, {}, nullptr, "old", ""},
        {QString(), {}, "The name is empty.", "old", ""},
        {QStringLiteral("../kept"), {}, "The name may not contain \"/\" or \"\\\".", "old", ""},
        {QStringLiteral("kept"), Answer::No, exists, "old", ""},
        {QStringLiteral("kept"), Answer::Yes, exists, "old", "", true},
        {QStringLiteral("fresh"), {}, nullptr, "old", ""}, // a new template leaves the label as it was
        {QStringLiteral("kept"), Answer::Yes, exists, "<?xml", "Saved"},
    };
    for (const auto &row : rows) {
        dialogs.clear();
        dialogs.answerText(row.typed);
        if (row.overwrite)
            dialogs.answer(*row.overwrite);
        if (row.failWrite)
            failNextWrite(QStringLiteral("kept.tsm"), 3);
        trigger("mnuSaveasTemplate");
        EXPECT_EQ(dialogs.calls().at(0).text, QStringLiteral("Template Name: "));
        // A failed write says so after the question, as every failed write does.
        EXPECT_EQ(dialogs.messages().mid(0, row.failWrite ? 1 : -1),
                  row.message ? QStringList{QString::fromLatin1(row.message)} : QStringList());
        EXPECT_TRUE(readFile(QStringLiteral("templates/kept.tsm")).startsWith(row.keptTemplate));
        EXPECT_EQ(find<QLabel>(&frmOptions(), QStringLiteral("lblSaved"))->text(), QLatin1String(row.saved));
    }
    EXPECT_EQ(QDir(path(QStringLiteral("templates"))).entryList({QStringLiteral("*.tsm")}),
              QStringList({"default.tsm", "fresh.tsm", "kept.tsm"}));
}

// The menu entry prints through the program's printer; what is printed (selection, whole, cancel) is the
// text window's own.
TEST_F(Commands, PrintPrintsThroughTheProgramsPrinter)
{
    startMain();
    QPrinter &printer = programPrinter();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path(QStringLiteral("whole.pdf")));
    showDocument(QStringLiteral("<lom>\n   <general/>\n</lom>"));
    dialogs.answerPrint(true);
    trigger("mnuFilePrint");
    EXPECT_TRUE(readFile(QStringLiteral("whole.pdf")).startsWith("%PDF"));
    printer.setOutputFormat(QPrinter::NativeFormat);
}

#include "support/testmain.h"

#include "framefixture.h"

#include "frame/editors.h"
#include "frame/frmdocument.h"
#include "frame/frmgettingstarted.h"
#include "frame/frmmetadatadefaultslist.h"
#include "frame/frmtip.h"
#include "frame/globals.h"
#include "platform/qt/printer.h"
#include "platform/textfile.h"
#include "shared/apperror.h"

#include <QDir>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrinter>

using namespace ts;
using namespace ts::test;

// The File, Preferences and Tools commands of the main window.
class Commands : public FrameTest {
protected:
    static void showDocument(const QString &text)
    {
        ASSERT_TRUE(showXML(text));
        frmDocument().showChild();
    }
    static QStringList enabledFileEntries()
    {
        QStringList on;
        for (const char *name : {"mnuFileSave", "mnuFileSaveAs", "mnuSaveasTemplate", "mnuFilePageSetup", "mnuFilePrint",
                                 "mnuExport"})
            if (frmMain().action(QLatin1String(name))->isEnabled())
                on << QLatin1String(name);
        return on;
    }
};

TEST_F(Commands, FileMenuFollowsTheActiveChild)
{
    startMain();
    const QStringList editorEntries{"mnuSaveasTemplate", "mnuExport"};
    const QStringList documentEntries{"mnuFileSave", "mnuFileSaveAs", "mnuFilePageSetup", "mnuFilePrint"};
    const struct {
        const char *situation;
        std::function<void()> arrange;
        QStringList enabled; // after the File menu dropped down
    } rows[] = {
        {"editor active", [] {}, editorEntries},
        {"text window active", [] { showDocument(QStringLiteral("<lom/>")); }, documentEntries},
        {"editor active again", [] { frmOptions().showChild(); }, editorEntries},
        {"editor unloaded", [] { frmOptions().unload(); }, documentEntries},
        // No child active and no editor: the text window's entries stay as its activation left them.
        {"text window hidden", [] { frmDocument().hideChild(); }, documentEntries},
    };
    for (const auto &row : rows) {
        row.arrange();
        emit frmMain().menu(QStringLiteral("mnufile"))->aboutToShow();
        EXPECT_EQ(enabledFileEntries(), row.enabled) << row.situation;
    }
}

TEST_F(Commands, SaveAsThenSaveWriteTheTextToTheChosenFile)
{
    startMain();
    showDocument(QString::fromUtf8("<lom>\n   <title>général</title>\n</lom>"));
    dialogs.answerText(path(QStringLiteral("report.xml")));
    trigger("mnuFileSaveAs");
    EXPECT_EQ(readFile(QStringLiteral("report.xml")), QByteArray("<lom>\r\n   <title>g\xC3\xA9n\xC3\xA9ral</title>\r\n</lom>"));
    EXPECT_EQ(frmDocument().caption(), QStringLiteral("report.xml"));
    ASSERT_EQ(dialogs.calls().size(), 1);
    EXPECT_EQ(dialogs.calls()[0].kind, DialogCall::Kind::SaveFile);
    EXPECT_EQ(dialogs.calls()[0].title, QStringLiteral("Save As"));
    EXPECT_EQ(dialogs.calls()[0].file.filter, QStringLiteral("XML Files (*.xml)|*.xml"));

    // Save writes the edited text to the same file without asking.
    frmDocument().setText(QStringLiteral("<lom/>\n"));
    trigger("mnuFileSave");
    EXPECT_EQ(readFile(QStringLiteral("report.xml")), QByteArray("<lom/>\r\n"));
    EXPECT_EQ(dialogs.calls().size(), 1);

    // A write that fails halfway leaves the file as it was and says why.
    failNextWrite(QStringLiteral("report.xml"), 3);
    frmDocument().setText(QStringLiteral("<other/>"));
    trigger("mnuFileSave");
    EXPECT_EQ(readFile(QStringLiteral("report.xml")), QByteArray("<lom/>\r\n"));
    ASSERT_EQ(dialogs.calls().size(), 2);
    EXPECT_EQ(dialogs.calls()[1].title, QStringLiteral("File Save Interrupted"));
    EXPECT_EQ(dialogs.calls()[1].text, QStringLiteral("Your file may not have been saved.\r") +
                                           QDir::toNativeSeparators(path(QStringLiteral("report.xml"))) +
                                           QStringLiteral(": No space left on device"));
}

TEST_F(Commands, SaveGoesToTheFileTheTextCameFromOrAsks)
{
    startMain();
    // An exported text has no file yet: Save asks for one (cancelled here: nothing is written).
    showDocument(QStringLiteral("<lom/>"));
    dialogs.answerText(std::nullopt);
    trigger("mnuFileSave");
    ASSERT_EQ(dialogs.calls().size(), 1);
    EXPECT_EQ(dialogs.calls()[0].title, QStringLiteral("Save As"));
    EXPECT_EQ(frmDocument().caption(), QStringLiteral("XML Edit"));

    // An opened file is saved where it came from.
    const QString opened = path(QStringLiteral("opened.xml"));
    ASSERT_TRUE(QFile::copy(testData(QStringLiteral("open/scorm12.xml")), opened));
    ASSERT_FALSE(frmMain().openSelectedFile(false, opened, false));
    frmDocument().setText(QStringLiteral("<lom>edited</lom>"));
    trigger("mnuFileSave");
    EXPECT_EQ(readFile(QStringLiteral("opened.xml")), QByteArray("<lom>edited</lom>"));
    EXPECT_EQ(dialogs.calls().size(), 1);
}

TEST_F(Commands, SaveAsTemplateChecksTheNameAndAsksBeforeReplacing)
{
    startMain();
    writeFile(QStringLiteral("templates/kept.tsm"), "old");
    const struct {
        std::optional<QString> typed;
        std::optional<Answer> overwrite;
        const char *message; // the box after the input box, if any
        const char *file;    // the template that must now hold the record
        const char *saved;   // the editor's status label
    } rows[] = {
        {std::nullopt, {}, nullptr, nullptr, ""},
        {QString(), {}, "The name is empty.", nullptr, ""},
        {QStringLiteral("../x"), {}, "The name may not contain \"/\" or \"\\\".", nullptr, ""},
        {QStringLiteral("kept"), Answer::No, "The file name you specified already exists.\rDo you want to overwrite?",
         nullptr, ""},
        {QStringLiteral("fresh"), {}, nullptr, "templates/fresh.tsm", ""},
        {QStringLiteral("kept"), Answer::Yes, "The file name you specified already exists.\rDo you want to overwrite?",
         "templates/kept.tsm", "Saved"},
    };
    for (const auto &row : rows) {
        dialogs.clear();
        dialogs.answerText(row.typed);
        if (row.overwrite)
            dialogs.answer(*row.overwrite);
        trigger("mnuSaveasTemplate");
        const QString what = row.typed.value_or(QStringLiteral("(cancelled)"));
        ASSERT_EQ(dialogs.calls().size(), row.message ? 2 : 1) << what.toStdString();
        EXPECT_EQ(dialogs.calls()[0].text, QStringLiteral("Template Name: "));
        if (row.message) {
            EXPECT_EQ(dialogs.calls()[1].text, QString::fromLatin1(row.message)) << what.toStdString();
        }
        if (row.file) {
            EXPECT_TRUE(readFile(QLatin1String(row.file)).contains("<lom")) << what.toStdString();
        }
        EXPECT_EQ(find<QLabel>(&frmOptions(), QStringLiteral("lblSaved"))->text(), QLatin1String(row.saved));
    }
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("templates/.tsm"))));
}

TEST_F(Commands, OpenTemplateRefusesOtherExtensions)
{
    startMain();
    for (const char *chosen : {"course.TSM", "course.xml"}) {
        dialogs.clear();
        dialogs.answerText(path(QLatin1String(chosen)));
        trigger("mnuOpenTemplate");
        ASSERT_EQ(dialogs.calls().size(), 2) << chosen;
        EXPECT_EQ(dialogs.calls()[0].title, QStringLiteral("Select Template"));
        EXPECT_EQ(dialogs.calls()[0].file.initialDir, path(QStringLiteral("templates")));
        EXPECT_EQ(dialogs.calls()[1].text, QLatin1String(chosen) + QStringLiteral(" is not a vaild template file."));
        EXPECT_EQ(dialogs.calls()[1].title, QStringLiteral("Invalid File"));
    }
    EXPECT_FALSE(frmMain().dontValidate);
}

TEST_F(Commands, PrintsTheSelectionOrTheWholeTextToPdf)
{
    startMain();
    QPrinter &printer = programPrinter();
    printer.setOutputFormat(QPrinter::PdfFormat);
    for (const bool select : {false, true}) {
        const QString pdf = path(select ? QStringLiteral("selection.pdf") : QStringLiteral("whole.pdf"));
        printer.setOutputFileName(pdf);
        showDocument(QStringLiteral("<lom>\n   <general/>\n</lom>"));
        if (select)
            frmDocument().rtfXMLOutput()->selectAll();
        dialogs.answerPrint(true);
        trigger("mnuFilePrint");
        EXPECT_EQ(printer.printRange(), select ? QPrinter::Selection : QPrinter::AllPages);
        EXPECT_TRUE(readFile(QFileInfo(pdf).fileName()).startsWith("%PDF")) << pdf.toStdString();
    }
    // A cancelled print dialog prints nothing; Page Setup only asks.
    printer.setOutputFileName(path(QStringLiteral("cancelled.pdf")));
    dialogs.answerPrint(false);
    trigger("mnuFilePrint");
    dialogs.answerPrint(true);
    trigger("mnuFilePageSetup");
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("cancelled.pdf"))));
    EXPECT_EQ(dialogs.calls().last().kind, DialogCall::Kind::PageSetup);
    printer.setOutputFormat(QPrinter::NativeFormat);
}

namespace {
// An editor whose export fails inside itself.
class FailingEditor : public MetadataEditor {
public:
    void clearAll() override {}
    QString createAggregation(bool) override { return {}; }
    void enableAllInterface() override {}
    void cmbMakeXML_Click() override { throw AppError(err::ObjectNotSet, QStringLiteral("Object variable not set")); }
};
} // namespace

TEST_F(Commands, ExportRunsTheActiveEditorsExportAndReportsItsFailure)
{
    startMain(QStringLiteral("2004"));
    FailingEditor failing;
    setEditorAccessor(Binding::Scorm2004, [&]() -> MetadataEditor & { return failing; }, [] { return true; });
    trigger("mnuExport");
    ASSERT_EQ(dialogs.calls().size(), 1);
    EXPECT_EQ(dialogs.calls()[0].text, QStringLiteral("Can not generate, no information available"));
    EXPECT_EQ(dialogs.calls()[0].title, QStringLiteral("Notice"));
    EXPECT_EQ(dialogs.calls()[0].icon, Icon::Exclamation);
}

TEST_F(Commands, PreferencesAndToolsOpenTheirWindows)
{
    startMain();
    const struct {
        const char *entry;
        std::function<QWidget *()> window;
        const char *mode; // templateFormMode afterwards
    } rows[] = {
        {"mnuDefaults", [] { return &frmMetadataDefaultsList(); }, "Set_Default_Mode"},
        {"mnuTemplateCreator", [] { return &frmMetadataDefaultsList(); }, "Edit_Mode"},
        {"mnuResetDefaults", [] { return &frmGettingStarted(); }, "Edit_Mode"},
        {"mnuTip", [] { return &frmTip(); }, "Edit_Mode"},
    };
    frmOptions().setChildState(Qt::WindowMinimized);
    for (const auto &row : rows) {
        frmMain().enableMenuButtons();
        trigger(row.entry);
        EXPECT_TRUE(row.window()->isVisible()) << row.entry;
        EXPECT_FALSE(row.window()->isModal()) << row.entry;
        EXPECT_EQ(globals().templateFormMode, QLatin1String(row.mode)) << row.entry;
    }
    // Template Creator shows the list for editing and the editor in its normal state.
    EXPECT_TRUE(find<QWidget>(&frmMetadataDefaultsList(), QStringLiteral("cmdAddNew"))->isVisible());
    EXPECT_FALSE(frmOptions().childState() & (Qt::WindowMinimized | Qt::WindowMaximized));
}

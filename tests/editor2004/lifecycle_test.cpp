#include "support/testmain.h"

#include "editor2004fixture.h"

#include "frame/globals.h"
#include "shared/apperror.h"

#include <QDir>

using namespace ts;
using namespace ts::test;
using namespace std::string_literals;

// Closing offers to keep the record as a template, and the template "Save" button keeps it; a name without
// ".tsm" gets it, an existing template is replaced only after a Yes, and whatever writes nothing (a cancel, an
// empty or refused name, a No, the writer stopped at a check) keeps the record where it is.
TEST_F(Editor2004Test, ClosingAndTemplateSaveKeepTheRecordUnlessItWasWritten)
{
    const QString exists = QStringLiteral("The file name you specified already exists.\rDo you want to overwrite?");
    const QString stopped = QStringLiteral("Description of this relationship must be included");
    const struct {
        bool save;           // the template "Save" button instead of closing
        const char *setting; // showSaveOptions
        const char *press;   // on the save prompt; "close" closes it unanswered
        std::optional<QString> name; // typed, or chosen in the save dialog; none: cancelled or not asked
        std::optional<Answer> replace;
        bool leaves;         // the window closes, or leaves template editing
        const char *written; // the template written, or ""
        QString said = {};   // the first message, or ""
        bool fails = false;  // the question for the template's name fails inside
    } rows[] = {
        {false, "0", "", {}, {}, true, ""},
        {false, nullptr, "", {}, {}, true, ""}, // no showSaveOptions line: 0
        {false, "1", "cmdCancel", {}, {}, false, ""},
        {false, "1", "cmdYes", "viaPrompt", {}, true, "viaPrompt.tsm"},
        {false, "1", "close", "/elsewhere/mine", {}, true, "mine.tsm"},
        {false, "1", "close", {}, {}, false, ""},
        {false, "1", "close", "/elsewhere/old.tsm", Answer::No, false, "", exists},
        {false, "1", "close", "/elsewhere/old.tsm", Answer::Yes, true, "old.tsm", exists},
        {false, "1", "close", "/elsewhere/mine", {}, false, "", stopped},
        {true, "1", "", "", {}, false, ""},
        {true, "1", "", "old.tsm", Answer::Yes, true, "old.tsm", exists},
        {true, "1", "", "../up", {}, false, "", "The name may not contain"},
        {true, "1", "", "mine", {}, false, "", stopped},
        {true, "1", "", {}, {}, false, "", "Error 5 (Invalid procedure call or argument ) frmOptions2004in "
                                          "cmdSetDefaults_Click()", true},
    };
    frmMain().scormVersion = QStringLiteral("SCORM 2004");
    for (const auto &row : rows) {
        SCOPED_TRACE(QStringLiteral("%1 %2 %3").arg(row.save).arg(row.press, row.name.value_or("-")).toStdString());
        writeFile(QStringLiteral("settings.dat"),
                  row.setting ? QByteArray("showSaveOptions.") + row.setting + "\r\n" : "showTipAtStartup.0\r\n");
        writeFile(QStringLiteral("templates/old.tsm"), "old\r\n");
        QPointer<FrmOptions2004> editor = &frmOptions2004();
        editor->show();
        frmMain().dontValidate = true;
        if (row.said == stopped)
            editor->setFieldText("relationshipCombo", "Is Part of Resource Named Below");
        frmMain().dontValidate = false;
        frmMain().cancelExit = false;
        dialogs.clear();
        if (row.name || row.press == QLatin1String("close"))
            dialogs.answerText(row.name);
        if (row.replace)
            dialogs.answer(*row.replace);
        if (*row.press)
            answerSavePrompt({row.press});
        dialogs.setOnCall([&row](const DialogCall &call) {
            if (row.fails && call.kind == DialogCall::Kind::Input)
                throw AppError(5, QStringLiteral("Invalid procedure call or argument"));
        });
        if (row.save) {
            globals().templateFormMode = QStringLiteral("Edit_Mode");
            globals().templateFileName.clear();
            editor->setTemplateEditing(true);
            find<QPushButton>(editor, QStringLiteral("cmdSetDefaults"))->click();
            EXPECT_EQ(!editor->isTemplateEditing(), row.leaves);
        } else {
            frmMain().action(QStringLiteral("mnuSaveasTemplate"))->setEnabled(true);
            editor->close();
            processEvents();
            EXPECT_EQ(editor.isNull(), row.leaves);
            EXPECT_EQ(frmMain().cancelExit, !row.leaves); // the program stays with the record
            // A window that closed without the prompt's own save leaves nothing that acts on the record.
            EXPECT_EQ(frmMain().action(QStringLiteral("mnuSaveasTemplate"))->isEnabled(),
                      !row.leaves || row.press == "cmdYes"s);
        }
        dialogs.setOnCall(nullptr);
        EXPECT_EQ(dialogs.pendingAnswers(), 0u);
        EXPECT_TRUE(dialogs.messages().value(0, QStringLiteral("")).startsWith(row.said));
        EXPECT_EQ(readFile(QStringLiteral("templates/old.tsm")) != "old\r\n", row.written == "old.tsm"s);
        if (row.press == "close"s) {
            EXPECT_EQ(dialogs.calls()[0].file.title + dialogs.calls()[0].file.filter,
                      "Save As TemplateTemplate Files (*.tsm)|*.tsm");
        }
        QStringList expected = QStringList{"default.tsm", "old.tsm", row.written}.filter(".tsm");
        expected.removeDuplicates();
        expected.sort();
        EXPECT_EQ(QDir(path(QStringLiteral("templates"))).entryList({"*.tsm"}), expected);
        EXPECT_TRUE(!*row.written || readFile(QStringLiteral("templates/") + row.written).endsWith("</lom>\r\n"));
        if (row.written != "old.tsm"s)
            QFile::remove(path(QStringLiteral("templates/") + row.written));
        delete editor.data();
    }
    win = nullptr;
}

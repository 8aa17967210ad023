#include "support/testmain.h"

#include "editor2004fixture.h"

#include "frame/globals.h"

#include <QAction>
#include <QDir>

using namespace ts;
using namespace ts::test;

// Closing offers to keep the record as a template, and the template "Save" button keeps it; a name without
// ".tsm" gets it, an existing template is replaced only after a Yes, and whatever writes nothing (a cancel, an
// empty or refused name, a No, the writer stopped at a check) keeps the record where it is.
TEST_F(Editor2004Test, ClosingAndTemplateSaveKeepTheRecordUnlessItWasWritten)
{
    const QString exists = QStringLiteral("The file name you specified already exists.\rDo you want to overwrite?");
    const struct {
        bool save;           // the template "Save" button instead of closing
        const char *setting; // showSaveOptions
        QStringList presses; // on the save prompt; "close" closes it unanswered
        std::optional<QString> name; // typed, or chosen in the save dialog; none: cancelled or not asked
        std::initializer_list<Answer> answers;
        bool leaves;         // the window closes, or leaves template editing
        const char *written; // the template written, or ""
        QString said = {};   // the first message, or ""
        bool stopped = false; // a relation without its description stops the writer
    } rows[] = {
        {false, "0", {}, std::nullopt, {}, true, ""},
        {false, "x", {}, std::nullopt, {}, true, ""},
        {false, "1", {"cmdNo"}, std::nullopt, {}, true, ""},
        {false, "1", {"cmdCancel"}, std::nullopt, {}, false, ""},
        {false, "1", {"cmdYes"}, "viaPrompt", {}, true, "viaPrompt.tsm"},
        {false, "1", {"close"}, "/elsewhere/mine", {}, true, "mine.tsm"},
        {false, "1", {"close"}, "/elsewhere/Mine.tsm", {}, true, "Mine.tsm"},
        {false, "1", {"close"}, std::nullopt, {}, false, ""},
        {false, "1", {"close"}, "/elsewhere/old.tsm", {Answer::No}, false, "", exists},
        {false, "1", {"close"}, "/elsewhere/old.tsm", {Answer::Yes}, true, "old.tsm", exists},
        {false, "1", {"close"}, "/elsewhere/mine", {}, false, "", "Description of this relationship must be included",
         true},
        {true, "1", {}, "fresh", {}, true, "fresh.tsm"},
        {true, "1", {}, "", {}, false, ""},
        {true, "1", {}, "old", {Answer::No}, false, "", exists},
        {true, "1", {}, "old.tsm", {Answer::Yes}, true, "old.tsm", exists},
        {true, "1", {}, "../up", {}, false, "", "The name may not contain"},
        {true, "1", {}, "mine", {}, false, "", "Description of this relationship must be included", true},
    };
    frmMain().scormVersion = QStringLiteral("SCORM 2004");
    for (const auto &row : rows) {
        SCOPED_TRACE(QStringLiteral("%1 %2 %3 %4").arg(row.save).arg(row.setting, row.presses.join(' '),
                                                          row.name.value_or("-")).toStdString());
        writeFile(QStringLiteral("settings.dat"), QByteArray("showSaveOptions.") + row.setting + "\r\n");
        writeFile(QStringLiteral("templates/old.tsm"), "old\r\n");
        const QStringList before = QDir(path(QStringLiteral("templates"))).entryList(QDir::Files);
        QPointer<FrmOptions2004> editor = &frmOptions2004();
        editor->show();
        if (row.stopped) {
            frmMain().dontValidate = true;
            editor->setFieldText(QStringLiteral("relationshipCombo"),
                                 QStringLiteral("Is Part of Resource Named Below"));
            frmMain().dontValidate = false;
        }
        for (const char *command : {"mnuSaveasTemplate", "mnuExport"})
            frmMain().action(QLatin1String(command))->setEnabled(true);
        frmMain().cancelExit = false;
        dialogs.clear();
        if (row.name)
            dialogs.answerText(*row.name);
        else if (row.presses == QStringList{"close"})
            dialogs.answerText(std::nullopt);
        for (Answer a : row.answers)
            dialogs.answer(a);
        if (!row.presses.isEmpty())
            answerSavePrompt(row.presses);
        if (row.save) {
            globals().templateFormMode = QStringLiteral("Edit_Mode");
            globals().templateFileName.clear();
            editor->setTemplateEditing(true);
            find<QPushButton>(editor, QStringLiteral("cmdSetDefaults"))->click();
            EXPECT_EQ(!editor->isTemplateEditing(), row.leaves);
        } else {
            editor->close();
            processEvents();
            EXPECT_EQ(editor.isNull(), row.leaves);
            // A record kept open by an answer keeps the program open too.
            EXPECT_EQ(frmMain().cancelExit, !row.leaves);
            // Closing without the prompt's own answer leaves no command of the record in the File menu.
            EXPECT_EQ(!frmMain().action("mnuSaveasTemplate")->isEnabled(),
                      *row.setting == '0' || (row.leaves && row.presses == QStringList{"close"}));
        }
        EXPECT_EQ(dialogs.pendingAnswers(), 0u);
        EXPECT_TRUE(dialogs.messages().value(0, QStringLiteral("")).startsWith(row.said))
            << dialogs.messages().join('|').toStdString();
        QStringList added = QDir(path(QStringLiteral("templates"))).entryList(QDir::Files);
        for (const QString &file : before)
            added.removeAll(file);
        EXPECT_EQ(added, *row.written && !before.contains(QLatin1String(row.written)) ? QStringList{row.written}
                                                                                      : QStringList());
        EXPECT_EQ(readFile(QStringLiteral("templates/old.tsm")) != "old\r\n", QByteArray(row.written) == "old.tsm");
        EXPECT_TRUE(!*row.written || readFile(QStringLiteral("templates/") + row.written).endsWith("</lom>\r\n"));
        if (row.presses == QStringList{"close"}) {
            EXPECT_EQ(dialogs.calls()[0].file.title + dialogs.calls()[0].file.filter,
                      "Save As TemplateTemplate Files (*.tsm)|*.tsm");
        }
        for (const QString &file : QDir(path(QStringLiteral("templates"))).entryList(QDir::Files))
            if (!before.contains(file))
                QFile::remove(path(QStringLiteral("templates/") + file));
        delete editor.data();
    }
    win = nullptr;
}

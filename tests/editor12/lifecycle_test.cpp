#include "support/testmain.h"

#include "editorfixture.h"

#include "frame/frmdocument.h"

#include <QAction>
#include <QDir>

using namespace ts;
using namespace ts::test;

namespace {
bool enabled(const char *entry) { return frmMain().action(QString::fromLatin1(entry))->isEnabled(); }
} // namespace

// Closing offers to keep the record as a template; what the user answers decides whether it closes, what is
// written and what the File menu keeps.
TEST_F(EditorTest, ClosingOffersToSaveTheRecordAsATemplate)
{
    const struct {
        const char *setting;
        QStringList presses; // on the prompt; "close" closes it unanswered
        std::initializer_list<const char *> names;
        std::initializer_list<Answer> answers;
        bool closes;
        const char *written; // the template written, or ""
        bool cancelExit;
        bool recordCommandsOff;
        bool roleless = false; // a metadata author without a role stops the writer
    } rows[] = {
        {"0", {}, {}, {}, true, "", false, true},
        {"1", {"cmdYes"}, {"viaPrompt"}, {}, true, "viaPrompt", false, false},
        {"1", {"cmdNo"}, {}, {}, true, "", false, false},
        {"1", {"cmdCancel"}, {}, {}, false, "", true, false},
        {"1", {"close"}, {"fresh"}, {}, true, "fresh", false, true},
        {"1", {"close"}, {"old"}, {Answer::No}, true, "", false, true},
        {"1", {"close"}, {"old"}, {Answer::Yes}, true, "old", false, true},
        {"1", {"close"}, {""}, {}, true, "", false, true},
        {"1", {"close"}, {"../up"}, {}, false, "", true, false},
        {"1", {"close"}, {"broken"}, {}, false, "", true, false, true},
        {"x", {}, {}, {}, true, "", false, false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.setting + row.presses.join(' ').toStdString());
        writeFile(QStringLiteral("settings.dat"), QByteArray("showSaveOptions.") + row.setting + "\r\n");
        writeFile(QStringLiteral("templates/old.tsm"), "old\r\n");
        const QStringList before = QDir(path(QStringLiteral("templates"))).entryList(QDir::Files);
        QPointer<FrmOptions> editor = &frmOptions();
        editor->show();
        if (row.roleless) {
            frmMain().dontValidate = true;
            editor->setFieldText(QStringLiteral("metadataAuthorsText"), QStringLiteral("Ann"));
            editor->setFieldText(QStringLiteral("cboCreatorRole"), QString());
            frmMain().dontValidate = false;
        }
        for (const char *entry : {"mnuSaveasTemplate", "mnuExport"})
            frmMain().action(QString::fromLatin1(entry))->setEnabled(true);
        frmMain().cancelExit = false;
        dialogs.clear();
        for (const char *name : row.names)
            dialogs.answerText(QString::fromUtf8(name));
        for (Answer a : row.answers)
            dialogs.answer(a);
        if (!row.presses.isEmpty())
            answerSavePrompt(row.presses);
        editor->close();
        processEvents();
        EXPECT_EQ(editor.isNull(), row.closes);
        EXPECT_EQ(frmMain().cancelExit, row.cancelExit);
        EXPECT_EQ(!enabled("mnuSaveasTemplate") && !enabled("mnuExport"), row.recordCommandsOff);
        EXPECT_EQ(dialogs.pendingAnswers(), 0u);
        QStringList after = QDir(path(QStringLiteral("templates"))).entryList(QDir::Files);
        const QString written = QString::fromUtf8(row.written) + QStringLiteral(".tsm");
        if (*row.written && !before.contains(written))
            after.removeOne(written);
        EXPECT_EQ(after, before);
        EXPECT_EQ(readFile(QStringLiteral("templates/old.tsm")) == "old\r\n", qstrcmp(row.written, "old") != 0);
        if (*row.written) {
            EXPECT_TRUE(readFile(QStringLiteral("templates/") + written).startsWith("<?xml"));
        }
        delete editor.data();
        processEvents();
    }
    win = nullptr;
}

// The File menu follows the active child: the record's commands with an editor, the text's with the text window.
TEST_F(EditorTest, FileMenuFollowsTheActiveChild)
{
    delete win;
    frmMain().show();
    const char *const recordCommands[] = {"mnuSaveasTemplate", "mnuExport"};
    const char *const textCommands[] = {"mnuFileSave", "mnuFileSaveAs", "mnuFilePrint", "mnuFilePageSetup"};
    for (bool editorActive : {true, false, true}) {
        if (editorActive)
            frmOptions().showChild();
        else
            frmDocument().showChild();
        processEvents();
        for (const char *entry : recordCommands)
            EXPECT_EQ(enabled(entry), editorActive) << entry;
        for (const char *entry : textCommands)
            EXPECT_EQ(enabled(entry), !editorActive) << entry;
    }
}

// "Browse..." makes the chosen file's folder the location; a cancelled choice changes nothing.
TEST_F(EditorTest, BrowseTakesTheChosenFilesFolder)
{
    const struct {
        std::optional<QString> chosen;
        QString location;
    } rows[] = {
        {QStringLiteral("/srv/course/page.htm"), QStringLiteral("/srv/course/")},
        {std::nullopt, QStringLiteral("/srv/course/")},
        {QStringLiteral("/index.html"), QStringLiteral("/")},
    };
    for (const auto &row : rows) {
        dialogs.answerText(row.chosen);
        ctl<QPushButton>("cmdBrowse")->setEnabled(true);
        ctl<QPushButton>("cmdBrowse")->click();
        EXPECT_EQ(win->fieldText(QStringLiteral("locationText")), row.location);
    }
    EXPECT_EQ(dialogs.calls()[0].file.title, QStringLiteral("Select File"));
    EXPECT_EQ(dialogs.calls()[0].file.filter, QStringLiteral("All Files (*.*)|*.*"));
}

#include "support/testmain.h"

#include "editorfixture.h"

#include <QAction>
#include <QDir>

using namespace ts;
using namespace ts::test;

namespace {
bool enabled(const char *entry) { return frmMain().action(QString::fromLatin1(entry))->isEnabled(); }
} // namespace

// Closing offers to keep the record as a template; the answers decide whether it closes, what is written and
// whether the File menu keeps its record commands.
TEST_F(EditorTest, ClosingOffersToSaveTheRecordAsATemplate)
{
    const struct {
        const char *setting;
        QStringList presses; // on the prompt; "close" closes it unanswered
        const char *name;    // typed for the template; nullptr: not asked
        std::initializer_list<Answer> answers;
        bool closes;
        const char *written; // the template written, or ""
        bool recordCommandsOff;
        bool roleless = false; // a metadata author without a role stops the writer
    } rows[] = {
        {"0", {}, nullptr, {}, true, "", true},
        {"1", {"cmdYes"}, "viaPrompt", {}, true, "viaPrompt", false},
        {"1", {"cmdNo"}, nullptr, {}, true, "", false},
        {"1", {"cmdCancel"}, nullptr, {}, false, "", false},
        {"1", {"close"}, "fresh", {}, true, "fresh", true},
        {"1", {"close"}, "old", {Answer::No}, true, "", true},
        {"1", {"close"}, "old", {Answer::Yes}, true, "old", true},
        {"1", {"close"}, "", {}, true, "", true},
        {"1", {"close"}, "../up", {}, false, "", false},
        {"1", {"close"}, "broken", {}, false, "", false, true},
        {"x", {}, nullptr, {}, true, "", false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.setting + row.presses.join(' ').toStdString() + (row.name ? row.name : ""));
        writeFile(QStringLiteral("settings.dat"), QByteArray("showSaveOptions.") + row.setting + "\r\n");
        writeFile(QStringLiteral("templates/old.tsm"), "old\r\n");
        const qsizetype templates = QDir(path(QStringLiteral("templates"))).count();
        QPointer<FrmOptions> editor = &frmOptions();
        editor->show();
        if (row.roleless)
            editor->setFieldText(QStringLiteral("metadataAuthorsText"), QStringLiteral("Ann"));
        frmMain().action(QStringLiteral("mnuSaveasTemplate"))->setEnabled(true);
        frmMain().action(QStringLiteral("mnuExport"))->setEnabled(true);
        frmMain().cancelExit = false;
        if (row.name)
            dialogs.answerText(QString::fromUtf8(row.name));
        for (Answer a : row.answers)
            dialogs.answer(a);
        if (!row.presses.isEmpty())
            answerSavePrompt(row.presses);
        editor->close();
        processEvents();
        EXPECT_EQ(editor.isNull(), row.closes);
        // A record kept open by an answer keeps the program open too.
        EXPECT_EQ(frmMain().cancelExit, !row.closes);
        EXPECT_EQ(!enabled("mnuSaveasTemplate") && !enabled("mnuExport"), row.recordCommandsOff);
        EXPECT_EQ(dialogs.pendingAnswers(), 0u);
        const QString written = QStringLiteral("templates/%1.tsm").arg(row.written);
        EXPECT_EQ(QDir(path(QStringLiteral("templates"))).count(), templates + (*row.written && !QByteArray(row.written).startsWith("old")));
        EXPECT_EQ(readFile(written).startsWith("<?xml"), *row.written != 0);
        delete editor.data();
    }
    win = nullptr;
}

// "Browse..." makes the chosen file's folder the location; a cancelled choice changes nothing.
TEST_F(EditorTest, BrowseTakesTheChosenFilesFolder)
{
    ctl<QPushButton>("cmdBrowse")->setEnabled(true);
    for (const auto &chosen : {std::optional<QString>("/srv/course/page.htm"), std::optional<QString>()}) {
        dialogs.answerText(chosen);
        press("cmdBrowse");
        EXPECT_EQ(win->fieldText("locationText"), QStringLiteral("/srv/course/"));
    }
    EXPECT_EQ(dialogs.calls()[1].file.title + dialogs.calls()[1].file.filter, "Select FileAll Files (*.*)|*.*");
}

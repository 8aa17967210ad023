#include "support/testmain.h"

#include "framefixture.h"

#include "frame/frmmessage.h"
#include "frame/frmmetadatadefaultslist.h"
#include "frame/globals.h"
#include "frame/settings.h"
#include "frame/startup.h"
#include "frame/templates.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>

using namespace ts;
using namespace ts::test;

class Templates : public FrameTest {};

TEST_F(Templates, DefaultTemplatePointer)
{
    const std::pair<const char *, const char *> rows[] = {{nullptr, "default.tsm"},   {"", "default.tsm"},
                                                          {"\r\nx.tsm", "default.tsm"}, {"mine.tsm", "mine.tsm"},
                                                          {"a.tsm,b.tsm\r\n", "a.tsm"}};
    for (const auto &[cdt, name] : rows) {
        QFile::remove(path(QStringLiteral("templates/cdt.txt")));
        if (cdt)
            writeFile(QStringLiteral("templates/cdt.txt"), cdt);
        EXPECT_EQ(getDefaultTemplate(), QLatin1String(name)) << (cdt ? cdt : "no file");
    }
    QString empty; // becomes the default's name, also here
    EXPECT_EQ(setDefaultTemplate(empty), QStringLiteral("1"));
    EXPECT_EQ(readFile(QStringLiteral("templates/cdt.txt")), QByteArray("default.tsm\r\n"));
    EXPECT_EQ(empty, frmMain().lblDefTemp()->text());
    QDir(path(QStringLiteral("templates"))).removeRecursively();
    EXPECT_EQ(setDefaultTemplate(empty), QString());
    EXPECT_TRUE(dialogs.messages().value(0).startsWith(
        QStringLiteral("Unable to save ") + path(QStringLiteral("templates/cdt.txt")) + QLatin1Char('\r')));
}

TEST_F(Templates, DeletingKeepsADefaultTemplate)
{
    const struct {
        const char *file, *defaultName;
        bool defaultPresent;
        QList<Answer> answers;
        bool deleted;
        const char *defaultAfter; // in cdt.txt and the label
        const char *defaultFile;  // default.tsm afterwards
    } rows[] = {
        {"a.tsm", "b.tsm", true, {Answer::Yes}, true, "b.tsm", "old\r\n"},
        {"a.tsm", "b.tsm", true, {Answer::No}, false, "b.tsm", "old\r\n"},
        {"a.tsm", "a.tsm", true, {Answer::Yes, Answer::Yes}, true, "default.tsm", "old\r\n"},
        {"a.tsm", "a.tsm", false, {Answer::Yes, Answer::Yes}, true, "default.tsm", "<xml></xml>\r\n"},
        {"a.tsm", "a.tsm", false, {Answer::Yes, Answer::No}, false, "a.tsm", ""},
        {"default.tsm", "default.tsm", true, {Answer::Yes, Answer::Yes}, true, "default.tsm", "<xml></xml>\r\n"},
        {"gone.tsm", "b.tsm", true, {Answer::Yes}, false, "b.tsm", "old\r\n"}, // said so
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(std::string(row.file) + ", default " + row.defaultName);
        dialogs.clear();
        QFile::remove(path(QStringLiteral("templates/default.tsm")));
        if (row.defaultPresent)
            writeFile(QStringLiteral("templates/default.tsm"), "old\r\n");
        if (row.file[0] != 'g')
            writeFile(QStringLiteral("templates/") + QLatin1String(row.file), "template\r\n");
        QString name = QLatin1String(row.defaultName);
        setDefaultTemplate(name);
        for (Answer a : row.answers)
            dialogs.answer(a);
        EXPECT_EQ(deleteTemplate(QLatin1String(row.file)), row.deleted);
        EXPECT_EQ(dialogs.calls().size(), row.answers.size() + (row.file[0] == 'g' ? 1 : 0));
        EXPECT_EQ(QFile::exists(path(QStringLiteral("templates/a.tsm"))), !row.deleted && row.file[0] == 'a');
        EXPECT_EQ(readFile(QStringLiteral("templates/cdt.txt")), QByteArray(row.defaultAfter) + "\r\n");
        EXPECT_EQ(frmMain().lblDefTemp()->text(), QLatin1String(row.defaultAfter));
        EXPECT_EQ(readFile(QStringLiteral("templates/default.tsm")), QByteArray(row.defaultFile));
        QFile::remove(path(QStringLiteral("templates/a.tsm")));
    }
}

class SavePrompt : public FrameTest {};

// (Replacing an existing template is asked as the editors' closing shows.)
TEST_F(SavePrompt, Answers)
{
    frmMain().scormVersion = QStringLiteral("SCORM 1.2");
    frmOptions().setFieldText(QStringLiteral("versionText"), QStringLiteral("9.9"));
    const struct {
        const char *press;           // with "Always Show" unticked; "close" closes the prompt
        bool readOnlySettings;
        std::optional<QString> name; // typed after Yes
        const char *flags;           // "" (the prompt stays open), "dontSave", "cancel" or "none"
        bool saved;                  // mine.tsm holds the record
        QStringList messages;
    } rows[] = {
        {"cmdYes", false, QStringLiteral("mine"), "dontSave", true, {}},
        {"cmdYes", false, QString(), "", false, {}},
        {"cmdYes", false, QStringLiteral(".."), "", false, {"The name may not contain \"..\"."}},
        {"cmdYes", true, std::nullopt, "", false, {}},
        {"cmdNo", false, std::nullopt, "dontSave", false, {}},
        {"cmdCancel", false, std::nullopt, "cancel", false, {}},
        {"close", false, std::nullopt, "none", false, {}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(QStringLiteral("%1 %2").arg(QLatin1String(row.press), row.name.value_or(QString())).toStdString());
        dialogs.clear();
        writeFile(QStringLiteral("settings.dat"), "showSaveOptions.1\r\n");
        QFile::setPermissions(path(QStringLiteral("settings.dat")),
                              QFileDevice::ReadOwner | (row.readOnlySettings ? QFileDevice::ReadOwner : QFileDevice::WriteOwner));
        QFile::remove(path(QStringLiteral("templates/mine.tsm")));
        find<QLabel>(&frmOptions(), QStringLiteral("lblSaved"))->clear();
        if (row.name)
            dialogs.answerText(row.name);
        frmMessage().userSaidDontSave = frmMain().cancelExit = true; // each showing clears them
        bool stayed = false;
        onNextModal([&](QWidget *prompt) {
            find<QCheckBox>(prompt, QStringLiteral("chkMessage"))->setChecked(false);
            answerSavePromptNow(prompt, {QLatin1String(row.press)});
            stayed = prompt->isVisible();
            prompt->close();
        });
        frmMessage().showModal();
        const bool settingWritten = !row.readOnlySettings && (QByteArray(row.press) == "cmdYes" || QByteArray(row.press) == "cmdNo");
        QFile::setPermissions(path(QStringLiteral("settings.dat")), QFileDevice::ReadOwner | QFileDevice::WriteOwner);

        EXPECT_EQ(stayed, !*row.flags);
        EXPECT_EQ(frmMessage().userSaidDontSave, QByteArray(row.flags) == "dontSave");
        EXPECT_EQ(frmMain().cancelExit, QByteArray(row.flags) == "cancel");
        EXPECT_EQ(readFile(QStringLiteral("templates/mine.tsm")).contains(">9.9<"), row.saved);
        EXPECT_EQ(find<QLabel>(&frmOptions(), QStringLiteral("lblSaved"))->text(), row.saved ? QStringLiteral("Saved") : QString());
        if (row.readOnlySettings)
            EXPECT_EQ(dialogs.calls().value(0).title, QStringLiteral("File Error"));
        else
            EXPECT_EQ(dialogs.messages(), row.messages);
        EXPECT_EQ(readSetting(QStringLiteral("showSaveOptions")), settingWritten ? QStringLiteral("0") : QStringLiteral("1"));
    }
}

// The template list "Metadata Templates", in both modes, with both editors.
class TemplateList : public FrameTest {
protected:
    void start(const char *binding, const char *mode)
    {
        unloadAll();
        startMain(QLatin1String(binding));
        for (const auto &[from, to] : {std::pair{"scorm12.xml", "lesson.tsm"}, std::pair{"lom2004.xml", "lom.tsm"}}) {
            QFile::remove(path(QStringLiteral("templates/") + QLatin1String(to)));
            QFile::copy(testData(QStringLiteral("open/") + QLatin1String(from)), path(QStringLiteral("templates/") + QLatin1String(to)));
        }
        dialogs.clear();
        globals().templateFormMode = QLatin1String(mode);
        frmMetadataDefaultsList().show();
    }
    QPushButton *button(const char *name) { return find<QPushButton>(&frmMetadataDefaultsList(), QLatin1String(name)); }
    void choose(const char *name)
    {
        QListWidget *list = frmMetadataDefaultsList().lstTemplates();
        list->setCurrentItem(list->findItems(QLatin1String(name), Qt::MatchExactly).value(0));
        button("cmdUseSelected")->click();
    }
    bool menusOn() const { return frmMain().menu(QStringLiteral("mnufile"))->menuAction()->isEnabled(); }
    MetadataEditor &editor() { return editorWindow(activeBinding()); }
    QLineEdit *title() { return find<QLineEdit>(&editor(), QStringLiteral("titleText")); }
    bool shown(const char *name) { return !find<QWidget>(&editor(), QLatin1String(name))->isHidden(); }
};

TEST_F(TemplateList, ListsEveryFileBelowTheTemplatesFolderAndSetsTheDefault)
{
    for (const char *file : {"CDT.TXT", "notes.txt", "sub/deep.tsm", "sub/cdt.txt"})
        writeFile(QStringLiteral("templates/") + QLatin1String(file), "x\r\n");
    start("12", "Set_Default_Mode");
    EXPECT_EQ(itemTexts(frmMetadataDefaultsList().lstTemplates()), (QStringList{"CDT.TXT", "default.tsm", "lesson.tsm", "lom.tsm", "notes.txt", "deep.tsm"}));
    EXPECT_FALSE(menusOn());
    EXPECT_TRUE(button("cmdAddNew")->isHidden());
    button("cmdUseSelected")->click();
    choose("lom.tsm");
    EXPECT_EQ(dialogs.messages(), (QStringList{"Please select a template for use",
                                               "Template \"lom.tsm\" set as Default Template."}));
    EXPECT_EQ(readFile(QStringLiteral("templates/cdt.txt")), QByteArray("lom.tsm\r\n"));
}

TEST_F(TemplateList, EditEntersTemplateEditingAndSaveLeavesIt)
{
    const struct {
        const char *binding, *file, *title;
    } rows[] = {{"12", "lesson.tsm", "Decimals"}, {"2004", "lom.tsm", "Fractions for Beginners"}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.binding);
        start(row.binding, "Edit_Mode");
        choose(row.file);
        EXPECT_EQ(title()->text(), QLatin1String(row.title));
        EXPECT_EQ(globals().templateFileName, QLatin1String(row.file));
        EXPECT_FALSE(shown("cboSelectCategory") || shown("cmbMakeXML") || button("cmdAddNew")->isEnabled());
        EXPECT_TRUE(shown("cmdSetDefaults"));

        title()->setText(QStringLiteral("Edited"));
        find<QPushButton>(&editor(), QStringLiteral("cmdSetDefaults"))->click();
        // The template is replaced whole, ending with one line end.
        const QByteArray after = readFile(QStringLiteral("templates/") + QLatin1String(row.file));
        EXPECT_TRUE(after.contains(">Edited<") && after.endsWith("</lom>\r\n") && !after.contains(row.title));
        EXPECT_TRUE(shown("cboSelectCategory") && shown("cmbMakeXML") && !shown("cmdSetDefaults"));
        EXPECT_TRUE(title()->text().isEmpty());
        EXPECT_FALSE(frmMetadataDefaultsList().isVisible());
        EXPECT_TRUE(menusOn());
        EXPECT_TRUE(dialogs.calls().isEmpty());
    }
    // A template of the other binding is edited only once the user switched editors.
    start("12", "Edit_Mode");
    dialogs.answer(Answer::No);
    choose("lom.tsm");
    EXPECT_EQ(dialogs.calls().value(0).title, QStringLiteral("Switch Modes?"));
    EXPECT_FALSE(editor().isTemplateEditing());
}

TEST_F(TemplateList, ClosingAnswers)
{
    const struct {
        const char *mode;
        bool edited;                  // lesson.tsm was opened for editing first
        std::optional<Answer> answer; // to "Save Changes?"; none: not asked
        bool closes, saved;
    } rows[] = {{"Set_Default_Mode", false, std::nullopt, true, false},
                {"Edit_Mode", false, std::nullopt, true, false},
                {"Edit_Mode", true, Answer::Yes, true, true},
                {"Edit_Mode", true, Answer::No, true, false},
                {"Edit_Mode", true, Answer::Cancel, false, false}};
    for (const auto &row : rows) {
        SCOPED_TRACE(QStringLiteral("%1 edited %2").arg(QLatin1String(row.mode)).arg(row.edited).toStdString());
        start("12", row.mode);
        if (row.edited)
            choose("lesson.tsm");
        title()->setText(QStringLiteral("Changed"));
        if (row.answer)
            dialogs.answer(*row.answer);
        button("cmdClose")->click();
        EXPECT_EQ(dialogs.messages(), row.answer ? QStringList{QStringLiteral("Save Changes?")} : QStringList());
        EXPECT_EQ(readFile(QStringLiteral("templates/lesson.tsm")).contains(">Changed<"), row.saved);
        EXPECT_EQ(frmMetadataDefaultsList().isVisible(), !row.closes);
        EXPECT_EQ(menusOn(), row.closes);
        EXPECT_EQ(editor().isTemplateEditing(), !row.closes);
        // The record is cleared only when closing ends the editing of a template.
        EXPECT_EQ(title()->text().isEmpty(), row.edited && row.closes);
        EXPECT_EQ(globals().templateFormMode == QLatin1String("Set_Default_Mode"), row.closes);
    }
}

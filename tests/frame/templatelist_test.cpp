#include "support/testmain.h"

#include "framefixture.h"

#include "frame/frmmetadatadefaultslist.h"
#include "frame/globals.h"
#include "frame/startup.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>

using namespace ts;
using namespace ts::test;

// The template list "Metadata Templates", in both modes, with both editors.
class TemplateList : public FrameTest {
protected:
    void start(const QString &binding)
    {
        settings(0, 0);
        chooseBinding(binding);
        initXMLParser();
        ASSERT_TRUE(frmMainLoaded());
        dialogs.clear();
    }
    FrmMetadataDefaultsList &showList(const char *mode)
    {
        globals().templateFormMode = QLatin1String(mode);
        FrmMetadataDefaultsList &list = frmMetadataDefaultsList();
        list.show();
        processEvents();
        return list;
    }
    QPushButton *button(const char *name) { return find<QPushButton>(&frmMetadataDefaultsList(), QLatin1String(name)); }
    QStringList listed()
    {
        QStringList names;
        for (int i = 0; i < frmMetadataDefaultsList().lstTemplates()->count(); ++i)
            names << frmMetadataDefaultsList().lstTemplates()->item(i)->text();
        return names;
    }
    void select(const QString &name)
    {
        QListWidget *list = frmMetadataDefaultsList().lstTemplates();
        const QList<QListWidgetItem *> found = list->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        list->setCurrentItem(found.first());
    }
    bool menusOn() const { return frmMain().menu(QStringLiteral("mnufile"))->menuAction()->isEnabled(); }
    MetadataEditor &editor() { return editorWindow(activeBinding()); }
    QString title()
    {
        return activeBinding() == Binding::Scorm12 ? frmOptions().fieldText(QStringLiteral("titleText"))
                                                   : find<QLineEdit>(&frmOptions2004(), QStringLiteral("titleText"))->text();
    }
    void setTitle(const QString &text)
    {
        if (activeBinding() == Binding::Scorm12)
            frmOptions().setFieldText(QStringLiteral("titleText"), text);
        else
            find<QLineEdit>(&frmOptions2004(), QStringLiteral("titleText"))->setText(text);
    }
    void copyTemplate(const char *from, const QString &as)
    {
        QFile::remove(path(QStringLiteral("templates/") + as));
        ASSERT_TRUE(QFile::copy(testData(QStringLiteral("open/") + QLatin1String(from)), path(QStringLiteral("templates/") + as)));
    }
    // Opens the template for editing through the list, as Tools > Template Creator and Edit do.
    void edit(const QString &name)
    {
        showList("Edit_Mode");
        select(name);
        button("cmdUseSelected")->click();
    }
    bool visible(const char *name) { return !find<QWidget>(&editor(), QLatin1String(name))->isHidden(); }
};

TEST_F(TemplateList, ListsEveryFileBelowTheTemplatesFolderButThePointer)
{
    start(QStringLiteral("12"));
    for (const char *file : {"b.tsm", "CDT.TXT", "notes.txt", "sub/deep.tsm", "sub/cdt.txt"})
        writeFile(QStringLiteral("templates/") + QLatin1String(file), "x\r\n");
    showList("Set_Default_Mode");
    EXPECT_EQ(listed(), (QStringList{"b.tsm", "CDT.TXT", "default.tsm", "notes.txt", "deep.tsm"}));
    EXPECT_FALSE(menusOn());

    // The buttons follow the mode each time the list comes up.
    const struct {
        const char *mode;
        const char *caption;
        bool editButtons;
    } modes[] = {{"Edit_Mode", "Edit", true}, {"Set_Default_Mode", "Use As Default", false}};
    for (const auto &m : modes) {
        button("cmdClose")->click();
        EXPECT_TRUE(menusOn());
        showList(m.mode);
        EXPECT_FALSE(menusOn());
        EXPECT_EQ(button("cmdUseSelected")->text(), QLatin1String(m.caption));
        EXPECT_EQ(!button("cmdAddNew")->isHidden(), m.editButtons);
        EXPECT_EQ(!button("cmdDelete")->isHidden(), m.editButtons);
        EXPECT_FALSE(button("cmdClose")->isHidden());
    }
    EXPECT_TRUE(dialogs.calls().isEmpty());
}

TEST_F(TemplateList, UseAsDefault)
{
    start(QStringLiteral("12"));
    writeFile(QStringLiteral("templates/b.tsm"), "x\r\n");
    showList("Set_Default_Mode");
    button("cmdUseSelected")->click();
    select(QStringLiteral("b.tsm"));
    button("cmdUseSelected")->click();
    EXPECT_EQ(dialogs.messages(), (QStringList{"Please select a template for use",
                                               "Template \"b.tsm\" set as Default Template."}));
    EXPECT_EQ(readFile(QStringLiteral("templates/cdt.txt")), QByteArray("b.tsm\r\n"));
    EXPECT_EQ(frmMain().lblDefTemp()->text(), QStringLiteral("b.tsm"));
}

TEST_F(TemplateList, AddNew)
{
    start(QStringLiteral("12"));
    setTitle(QStringLiteral("First"));
    showList("Edit_Mode");
    const struct {
        std::optional<QString> name;
        QList<Answer> answers;
        const char *message; // nullptr: none
        const char *title;   // the title in fresh.tsm afterwards; nullptr: no file
    } rows[] = {
        {std::nullopt, {}, "Please type a name for your file", nullptr},
        {QStringLiteral("a/b"), {}, "The name may not contain \"/\" or \"\\\".", nullptr},
        {QStringLiteral("fresh"), {}, nullptr, "First"},
        {QStringLiteral("fresh"), {Answer::No}, "File exists. Would you like to add it again?.\r If so, this will "
                                               "overwrite your current template file?", "First"},
        {QStringLiteral("fresh"), {Answer::Yes}, "File exists. Would you like to add it again?.\r If so, this will "
                                                "overwrite your current template file?", "Second"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name.value_or(QStringLiteral("(cancelled)")).toStdString());
        dialogs.clear();
        dialogs.answerText(row.name);
        for (Answer a : row.answers)
            dialogs.answer(a);
        if (row.answers.contains(Answer::Yes))
            setTitle(QStringLiteral("Second"));
        button("cmdAddNew")->click();
        EXPECT_EQ(dialogs.messages(), row.message ? QStringList{QLatin1String(row.message)} : QStringList());
        const QByteArray bytes = readFile(QStringLiteral("templates/fresh.tsm"));
        if (row.title)
            EXPECT_TRUE(bytes.contains(QByteArray(">") + row.title + "</langstring>"));
        else
            EXPECT_TRUE(bytes.isEmpty());
        EXPECT_EQ(listed().count(QStringLiteral("fresh.tsm")), row.title ? 1 : 0);
        EXPECT_FALSE(QFile::exists(path(QStringLiteral("templates/a"))));
        EXPECT_TRUE(button("cmdUseSelected")->isEnabled());
        EXPECT_TRUE(button("cmdDelete")->isEnabled());
    }
}

TEST_F(TemplateList, EditEntersTemplateEditingAndSaveLeavesIt)
{
    const struct {
        const char *binding;
        const char *file;
        const char *title;
        bool saves; // the SCORM 2004 editor cannot write a template yet
    } rows[] = {{"12", "scorm12.xml", "Decimals", true}, {"2004", "lom2004.xml", "Fractions for Beginners", false}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.binding);
        unloadAll();
        start(QLatin1String(row.binding));
        copyTemplate(row.file, QStringLiteral("lesson.tsm"));
        const QByteArray before = readFile(QStringLiteral("templates/lesson.tsm"));
        edit(QStringLiteral("lesson.tsm"));
        EXPECT_EQ(title(), QLatin1String(row.title));
        EXPECT_EQ(globals().templateFileName, QStringLiteral("lesson.tsm"));
        EXPECT_TRUE(editor().isTemplateEditing());
        EXPECT_FALSE(visible("cboSelectCategory"));
        EXPECT_FALSE(visible("cmbMakeXML"));
        EXPECT_TRUE(visible("cmdSetDefaults"));
        EXPECT_FALSE(button("cmdAddNew")->isEnabled());
        EXPECT_FALSE(button("cmdDelete")->isEnabled());
        EXPECT_TRUE(frmMetadataDefaultsList().isVisible());

        setTitle(QStringLiteral("Edited"));
        find<QPushButton>(&editor(), QStringLiteral("cmdSetDefaults"))->click();
        EXPECT_TRUE(dialogs.calls().isEmpty());
        if (!row.saves) {
            // Nothing written, and the record and its editing stay for another try.
            EXPECT_EQ(readFile(QStringLiteral("templates/lesson.tsm")), before);
            EXPECT_TRUE(editor().isTemplateEditing());
            EXPECT_EQ(title(), QStringLiteral("Edited"));
            EXPECT_TRUE(frmMetadataDefaultsList().isVisible());
            continue;
        }
        EXPECT_TRUE(readFile(QStringLiteral("templates/lesson.tsm")).contains(">Edited</langstring>"));
        EXPECT_FALSE(editor().isTemplateEditing());
        EXPECT_TRUE(visible("cboSelectCategory"));
        EXPECT_TRUE(visible("cmbMakeXML"));
        EXPECT_FALSE(visible("cmdSetDefaults"));
        EXPECT_TRUE(title().isEmpty());
        EXPECT_FALSE(frmMetadataDefaultsList().isVisible());
        EXPECT_TRUE(menusOn());
        EXPECT_EQ(globals().templateFormMode, QStringLiteral("Set_Default_Mode"));
    }
}

TEST_F(TemplateList, EditOfTheOtherBindingKeptInItsEditorOnlyAfterTheSwitch)
{
    start(QStringLiteral("12"));
    copyTemplate("lom2004.xml", QStringLiteral("lom.tsm"));
    setTitle(QStringLiteral("Mine"));
    dialogs.answer(Answer::No);
    edit(QStringLiteral("lom.tsm"));
    EXPECT_EQ(dialogs.calls().at(0).title, QStringLiteral("Switch Modes?"));
    EXPECT_EQ(frmMain().scormVersion, QStringLiteral("SCORM 1.2"));
    EXPECT_FALSE(editor().isTemplateEditing());
    EXPECT_EQ(title(), QStringLiteral("Mine"));

    dialogs.answer(Answer::Yes);
    button("cmdUseSelected")->click();
    EXPECT_EQ(frmMain().scormVersion, QStringLiteral("SCORM 2004"));
    EXPECT_TRUE(frmOptions2004().isTemplateEditing());
    EXPECT_FALSE(frmOptions().isTemplateEditing());
}

TEST_F(TemplateList, Closing)
{
    const struct {
        const char *mode;
        bool edited;           // a template was opened for editing first
        std::optional<Answer> answer; // to "Save Changes?"; none: not asked
        bool closes;
        const char *templateTitle; // in lesson.tsm afterwards
    } rows[] = {
        {"Set_Default_Mode", false, std::nullopt, true, "Decimals"},
        {"Edit_Mode", false, std::nullopt, true, "Decimals"},
        {"Edit_Mode", true, Answer::Yes, true, "Changed"},
        {"Edit_Mode", true, Answer::No, true, "Decimals"},
        {"Edit_Mode", true, Answer::Cancel, false, "Decimals"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(QStringLiteral("%1 edited %2").arg(QLatin1String(row.mode)).arg(row.edited).toStdString());
        unloadAll();
        start(QStringLiteral("12"));
        copyTemplate("scorm12.xml", QStringLiteral("lesson.tsm"));
        if (row.edited)
            edit(QStringLiteral("lesson.tsm"));
        else
            showList(row.mode);
        setTitle(QStringLiteral("Changed"));
        if (row.answer)
            dialogs.answer(*row.answer);
        button("cmdClose")->click();

        EXPECT_EQ(dialogs.messages(), row.answer ? QStringList{QStringLiteral("Save Changes?")} : QStringList());
        if (row.answer) {
            EXPECT_EQ(dialogs.calls().last().buttons, Buttons::YesNoCancel);
        }
        EXPECT_TRUE(readFile(QStringLiteral("templates/lesson.tsm")).contains(QByteArray(">") + row.templateTitle + "<"));
        EXPECT_EQ(frmMetadataDefaultsList().isVisible(), !row.closes);
        EXPECT_EQ(menusOn(), row.closes);
        EXPECT_EQ(editor().isTemplateEditing(), !row.closes);
        // The record is cleared only when closing ends the editing of a template.
        EXPECT_EQ(title().isEmpty(), row.edited && row.closes);
        EXPECT_EQ(globals().templateFormMode, row.closes ? QStringLiteral("Set_Default_Mode") : QStringLiteral("Edit_Mode"));
    }
}

TEST_F(TemplateList, SaveButtonByMode)
{
    const struct {
        const char *mode;
        const char *templateFileName;
        std::optional<QString> typed; // the answer to "Template Name"; none: not asked
        const char *written;          // the template file that holds the record; nullptr: none
        const char *message;          // nullptr: none
    } rows[] = {
        {"Edit_Mode", "lesson.tsm", std::nullopt, "lesson.tsm", nullptr},
        {"Edit_Mode", "", QStringLiteral("named"), "named.tsm", nullptr},
        {"Edit_Mode", "", QString(), nullptr, nullptr},
        {"Edit_Mode", "", QStringLiteral("a\\b"), nullptr, "The name may not contain \"/\" or \"\\\"."},
        {"Set_Default_Mode", "lesson.tsm", std::nullopt, "mine.tsm", nullptr},
        {"Other_Mode", "lesson.tsm", std::nullopt, nullptr, nullptr},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(QStringLiteral("%1 %2").arg(QLatin1String(row.mode), row.typed.value_or(QString())).toStdString());
        unloadAll();
        start(QStringLiteral("12"));
        for (const char *file : {"lesson.tsm", "named.tsm", "mine.tsm"})
            QFile::remove(path(QStringLiteral("templates/") + QLatin1String(file)));
        writeFile(QStringLiteral("templates/cdt.txt"), "mine.tsm\r\n");
        editor().setTemplateEditing(true);
        setTitle(QStringLiteral("Saved here"));
        globals().templateFormMode = QLatin1String(row.mode);
        globals().templateFileName = QLatin1String(row.templateFileName);
        if (row.typed)
            dialogs.answerText(row.typed);
        find<QPushButton>(&editor(), QStringLiteral("cmdSetDefaults"))->click();

        EXPECT_EQ(dialogs.pendingAnswers(), 0u);
        EXPECT_EQ(dialogs.messages(), row.message ? QStringList{QLatin1String(row.message)} : QStringList());
        QStringList holding;
        for (const char *file : {"lesson.tsm", "named.tsm", "mine.tsm"})
            if (readFile(QStringLiteral("templates/") + QLatin1String(file)).contains(">Saved here<"))
                holding << QLatin1String(file);
        EXPECT_EQ(holding, row.written ? QStringList{QLatin1String(row.written)} : QStringList());
        // Nothing asked for was left unsaved: the editor leaves template editing. A name not given or
        // refused keeps the record and the state.
        const bool left = row.written || QLatin1String(row.mode) == QLatin1String("Other_Mode");
        EXPECT_EQ(editor().isTemplateEditing(), !left);
        EXPECT_EQ(title().isEmpty(), left);
    }
}

#pragma once
// An editor window of one metadata binding, built from the binding's tables (fieldtable.h): the category
// list and the export button above a tab control whose tabs hold the fields in two columns and in frames.
// Every control carries its element's name as objectName. The window applies what the editors of both
// bindings share: the category profiles, the free-text check when a field is left, the list-only guard and
// the key rule of the drop-down lists, and the help labels. A binding's window adds its own rules through
// the hooks below.

#include "editorkit/fieldtable.h"
#include "editorkit/requiredfields.h"
#include "frame/editors.h"
#include "shared/documentwriter.h"

#include <QHash>
#include <QPointer>
#include <functional>
#include <optional>

class QCloseEvent;
class QComboBox;
class QHBoxLayout;
class QKeyEvent;
class QMdiSubWindow;
class QLabel;
class QTabWidget;
class QVBoxLayout;

namespace ts::kit {

class EditorWindow : public MetadataEditor {
    Q_OBJECT
public:
    // Builds the window from the tables. The binding's window calls connectRules() from its own
    // constructor, so that its hooks take part.
    EditorWindow(const EditorTables &tables, QWidget *parent);

    // Public variables of an editor window.
    bool isValid = false;      // the answer of the last required-field run of an export
    bool optionalOnly = false; // true while a minimum ("(MD-XML1)") category is chosen
    QString metadataCategory;  // the category text chosen last
    QString wrap = QStringLiteral("\r\n");
    QString quoteMark = QStringLiteral("\"");
    QString xmlFile;

    // --- Categories and profiles ---
    // Applies the category the list shows, when it is one of the tables' categories; any other text changes
    // nothing.
    void cboSelectCategory_Click();
    // Writes a category text into the list and applies it exactly as a pick from the list does.
    void setCategoryText(const QString &text);
    // Gives the controls of a profile its looks. A failure is reported under the profile's procedure name.
    void applyProfile(int profile);

    // --- Field rules ---
    // The free-text rule: a "<" (or else a ">") in text is reported, and box gets it selected on tab `tab`.
    void checkStringVal(const QString &text, QWidget *box, int tab);
    // The key rule, for a key released in a combo: a key that edits text empties it (the category list
    // goes back to its no-category text).
    void checkDropDown(QComboBox *combo, const QKeyEvent &key);
    // Sets a combo's text as the program does: a list-only combo refuses it as typed text unless the main
    // window's dontValidate is true.
    void setComboText(QComboBox *combo, const QString &text);
    // Brings a field's tab to front (tab -1: none) and the focus into the field, emptying or enabling it
    // first when asked: where a check sends the user back to.
    void focusField(const QString &name, int tab, bool clear, bool enable);

    // --- Controls ---
    QTabWidget *SSTab1() const { return m_tabs; }
    QComboBox *cboSelectCategory() const { return m_category; }
    // A control, frame, button or field label of the window by its name; nullptr when there is none.
    QWidget *control(const QString &name) const { return m_controls.value(name); }
    // The field of the tables by its control's name; nullptr when there is none.
    const Field *field(const QString &name) const { return m_fields.value(name); }
    // The text of a text box or combo, and setting it as the program does (combos through setComboText).
    QString fieldText(const QString &name) const;
    void setFieldText(const QString &name, const QString &text);
    // Empties a field as clearing the record does: its text, its list or its tick; an option stays.
    void clearField(const Field &field);
    // Chooses an option button of a pair.
    void chooseOption(const QString &name);
    const EditorTables &tables() const { return m_tables; }

    // --- Activation (editoractivation.cpp) ---
    // The window became the main window's active child: the File menu's entries that act on the record go on
    // and those that act on the XML text go off. Another child becoming active switches them back.
    void Form_Activate() override;
    void Form_Deactivate();

    // --- Writers, export and closing (editorexport.cpp) ---
    // What the writers and the classification fragments are written with: the window's optionalOnly, today,
    // the program's language and the program folder.
    WriteContext writeContext() const;
    // One writer run: the processing box, then write(); after a check stopped the run, the field it names is
    // brought to front. The document is answered for a template, otherwise shown in the XML text window (and
    // the answer is empty).
    QString runWriter(const std::function<WriteResult()> &write, bool forTemplate);
    // "Export Metadata": relaxed is none when the category list shows none of the binding's categories ("Select
    // a Metadata Category"); otherwise the required-field checks run (relaxed for assets) and, when they pass,
    // write() does. The window is then minimised and the XML text window brought to front.
    void exportRecord(std::optional<bool> relaxed, std::span<const RequiredCategory> checks,
                      const std::function<void()> &write);
    // The template "Save" button: every line of the template ends with carriage return and line feed.
    void cmdSetDefaults_Click() override;
    // Closing offers to keep the record as a template while the setting showSaveOptions is 1. False holds the
    // window open.
    bool Form_QueryUnload() override;
    // A failure inside one of the window's procedures: the common error text by default.
    virtual void reportFailure(const std::exception &e, const QString &procedure);
    // The setting showSaveOptions as closing takes it, a whole number; a missing or odd value is a type
    // mismatch (err::TypeMismatch) by default.
    virtual int saveOptionsSetting() const;

signals:
    // A field label was clicked; the window shows its help text, when the tables hold one.
    void helpLabelClicked(const QString &labelName);

protected:
    // Connects the shared rules of every field, and hands each field with a rule of its editor's own to
    // connectOwnRule.
    void connectRules();

    // Hooks for the binding's window.
    virtual void connectOwnRule(const Field &field, QWidget *control);
    // The user left a text field that has a rule: the free-text check by default.
    virtual void fieldLeft(const Field &field, QWidget *box);
    // A label of the window was clicked: a help label by default.
    virtual void labelClicked(const QString &labelName);
    // The category list's text changed, typed by the user or not: a change that was not typed applies the
    // category by default, unless setCategoryText is writing it (typing is left to the key rule).
    virtual void categoryTextChanged(bool typed);
    // True while setCategoryText writes the category list.
    bool settingCategory() const { return m_settingCategory; }
    // Closing when the save prompt was closed without an answer: the binding asks for the template and
    // saves it. False keeps the window open (the record was not written where it should have been).
    virtual bool saveTemplateOnClosing() = 0;
    void closeEvent(QCloseEvent *event) override;

    // Shows text in a combo as the program does, picking the list item of that text where there is one.
    static void putComboText(QComboBox *combo, const QString &text);
    // The main window's flag: true while the program itself fills an editor.
    static bool dontValidate();

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Building (editorwindow.cpp).
    void buildWindow();
    QWidget *buildTab(int tab);
    QWidget *buildControl(const Field &spec, QWidget *parent);
    QWidget *fieldLabel(const Field &spec, QWidget *parent);
    QVBoxLayout *fieldBlock(const Field &spec, QWidget *widget, QWidget *parent, QHBoxLayout **row);
    void addTimePart(const Field &spec, QWidget *widget, QHBoxLayout *row, QWidget *parent);
    QLabel *partCaption(const Field &spec, QWidget *parent);
    // The text between a part of a time and the part before it; nullptr when there is none.
    QLabel *partJoin(const Field &spec, QWidget *parent);
    void addBesideButtons(const Field &spec, QHBoxLayout *row, QWidget *parent);
    const FrameSpec *frameSpec(const char *name) const;
    // A part of a time (hours, minutes, seconds), which stands narrow beside the other parts.
    bool isTimePart(const Field &spec) const;
    void registerControl(QWidget *widget);

    // Profiles (editorprofiles.cpp).
    void apply(QWidget *control, Act act);

    // Rules (editorrules.cpp).
    void showHelp(const QString &labelName);
    void comboEdited(QComboBox *combo, const QString &text);
    void categoryEdited();
    void leaveField(QWidget *box);
    void refuseTypedText(QComboBox *combo);

    // Activation (editoractivation.cpp).
    void subWindowActivated(QMdiSubWindow *window);

    const EditorTables &m_tables;
    QTabWidget *m_tabs = nullptr;
    QComboBox *m_category = nullptr;
    QHash<QString, QWidget *> m_controls;
    QHash<QString, const Field *> m_fields;
    bool m_categoryTyped = false;   // the category list's text is changing by typing
    bool m_settingCategory = false; // setCategoryText is writing the list
    bool m_reclaimingFocus = false; // a field rule is taking the focus back to its field
    QPointer<QObject> m_area;       // the main window's area, whose changes of child deactivate this one
    bool m_active = false;
};

} // namespace ts::kit

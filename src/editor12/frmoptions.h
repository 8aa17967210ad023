#pragma once
// The SCORM 1.2 editor window: its controls hold one IMS Meta-Data 1.2 record. The nine tabs and their
// fields are built from the tables of fields12.h; every control carries its element's name as objectName.

#include "frame/editors.h"

#include <QHash>

class QComboBox;
class QHBoxLayout;
class QKeyEvent;
class QTabWidget;
class QVBoxLayout;

namespace ts {

namespace fields12 {
struct FieldSpec;
enum class Act;
enum Profile : int;
} // namespace fields12

class FrmOptions : public MetadataEditor {
    Q_OBJECT
public:
    explicit FrmOptions(QWidget *parent = nullptr);

    // Public variables of the window.
    bool isValid = false;      // the answer of the last required-field run of an export
    bool optionalOnly = false; // true while a minimum ("(MD-XML1)") category is chosen
    QString metadataCategory;  // the category text chosen last
    QString wrap = QStringLiteral("\r\n");
    QString quoteMark = QStringLiteral("\"");
    QString xmlFile;

    // Runs once, from the constructor: tab 0 in front, every field greyed, the minute and second lists filled.
    void Form_Load();

    // --- Categories and profiles ---
    // Applies the category the list shows, when it is one of the six; any other text changes nothing.
    void cboSelectCategory_Click();
    // Writes a category text into the list and applies it exactly as a pick from the list does.
    void setCategoryText(const QString &text);
    void disableAllInterface();
    void enableAllInterface() override;
    void contentAssetMinimumMetadataInterface();
    void contentAggregationMinimumMetadataInterface();
    // Empties every field of the record, the classification id and list included; the profile stays.
    void clearAll() override;

    // --- Field rules ---
    // The free-text rule: a "<" (or else a ">") in text is reported, and box gets it selected on tab `tab`.
    void checkStringVal(const QString &text, QWidget *box, int tab);
    // The key rule, for a key released in a combo: a key that edits text empties it (the category list
    // goes back to "Select Metadata File").
    void checkDropDown(QComboBox *combo, const QKeyEvent &key);
    // A click on a learning-resource-type box: any number of them may be ticked.
    void checkNumberofSelections() {}
    // Sets a combo's text as the program does: a list-only combo refuses it as typed text unless the main
    // window's dontValidate is true.
    void setComboText(QComboBox *combo, const QString &text);
    // Joins the three duration lists into txtDuration.
    void cboDuration_Click();
    // Opens the unit converter.
    void lblConvertToBytes_Click();

    // The writers: the processing box, then the document of a content aggregation, an SCO or an asset from
    // the window's fields, shown in the XML text window (or, for a template, answered).
    QString createAggregation(bool forTemplate) override;
    void createSCO();
    void createAsset();
    // The export, built elsewhere.
    void cmbMakeXML_Click() override;

    // Reading a SCORM 1.2 metadata file into the window (the opening clears it first).
    ReadOutcome readMetadataFile(const QString &path) override;
    XmlDocument &xmlDocument() override;

    // --- Controls ---
    QTabWidget *SSTab1() const { return m_tabs; }
    QComboBox *cboSelectCategory() const { return m_category; }
    // A control, frame, button or field label of the window by its name; nullptr when there is none.
    QWidget *control(const QString &name) const { return m_controls.value(name); }
    // The text of a text box or combo, and setting it as the program does (combos through setComboText).
    QString fieldText(const QString &name) const;
    void setFieldText(const QString &name, const QString &text);

signals:
    // A field label was clicked; the help texts answer it.
    void helpLabelClicked(const QString &labelName);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class WriterKind { Aggregation, SCO, Asset };
    QString runWriter(WriterKind kind, bool forTemplate);

    // Building (frmoptions.cpp).
    void buildWindow();
    QWidget *buildTab(int tab);
    QWidget *buildControl(const fields12::FieldSpec &spec, QWidget *parent);
    QWidget *fieldLabel(const fields12::FieldSpec &spec, QWidget *parent);
    QVBoxLayout *fieldBlock(const fields12::FieldSpec &spec, QWidget *widget, QWidget *parent, QHBoxLayout **row);
    void addTimePart(const fields12::FieldSpec &spec, QWidget *widget, QHBoxLayout *row, QWidget *parent);
    void addBesideButtons(const fields12::FieldSpec &spec, QHBoxLayout *row, QWidget *parent);
    void registerControl(QWidget *widget);

    // Profiles (frmoptionsprofiles.cpp).
    // Shows text in a combo as the program does, picking the list item of that text where there is one.
    static void putComboText(QComboBox *combo, const QString &text);
    void applyProfile(fields12::Profile profile);
    void apply(QWidget *control, fields12::Act act);

    // Rules (frmoptionsrules.cpp).
    void connectRules();
    void comboEdited(QComboBox *combo, const QString &text);
    void categoryTextChanged();
    void fieldLeft(QWidget *box);
    void sizeChanged();
    void refuseTypedText(QComboBox *combo);

    QTabWidget *m_tabs = nullptr;
    QComboBox *m_category = nullptr;
    QHash<QString, QWidget *> m_controls;
    bool m_categoryTyped = false;  // the category list's text is changing by typing
    bool m_settingCategory = false; // setCategoryText is writing the list
    bool m_reclaimingFocus = false; // a field rule is taking the focus back to its field
};

FrmOptions &frmOptions();
bool frmOptionsLoaded();
// Makes the editor reachable from the frame.
void registerEditor12();

} // namespace ts

#pragma once
// The SCORM 2004 editor window: its controls hold one IEEE LOM record. The nine tabs and their fields are
// built from the tables of fields2004.h by the editor kit; this window adds the rules of its own (the
// category list's change rule, the size, the file browse of the location, the unit converter), its durations
// and age range, its list editors, its required-field checks, its writers and export, and its reading of
// metadata files.

#include "editorkit/editorwindow.h"
#include "editorkit/listeditor.h"

#include <functional>

namespace ts {

enum class Writer2004;

class FrmOptions2004 : public kit::EditorWindow {
    Q_OBJECT
public:
    explicit FrmOptions2004(QWidget *parent = nullptr);

    // Runs once, from the constructor: tab 0 in front, every managed field greyed.
    void Form_Load();

    // --- Categories and profiles ---
    void disableAllInterface();
    void enableAllInterface() override;
    void contentAssetMinimumMetadataInterface();
    void contentAggregationMinimumMetadataInterface();
    // The category list's change rule: text the user types (or the program writes) is refused with a message
    // unless the main window's dontValidate is set, and the list goes back to "Select Metadata Category"; the
    // text is applied as a category only once the file-type question has run (isFromSelectMetadata).
    void cboSelectCategory_Change();
    // Writes a text into the category list as the program does, which the change rule judges; a pick from the
    // list is setCategoryText.
    void writeCategoryText(const QString &text);
    // The file-type question's answer is such a program write, so the change rule applies it.
    void putCategoryText(const QString &text) override { writeCategoryText(text); }
    // Template editing also keeps every field in what the template stores.
    void setTemplateEditing(bool editing) override;

    // Empties every field of the record, the classification id and list, the typical learning time and every
    // learning resource type included; copyright "Yes" and fees "No". The category and the profile stay.
    void clearAll() override;

    // --- Rules of its own ---
    // A click on a learning-resource-type box: any number of them may be ticked.
    void checkNumberofSelections() {}
    // Puts the folder of a file the user picks into locationText.
    void cmdBrowse_Click();
    // Opens the unit converter.
    void lblConvertToBytes_Click();

    // --- Durations and age range ---
    // Compose the technical duration into txtDuration and the typical learning time into txtTypicalTime, in
    // the full ISO 8601 form; an empty part becomes "00" in its list too.
    void calculateDuration();
    void calulateTypicalTime();
    // Composes txtTypicalAgeRange from the minimum and maximum lists ("10 - 20", "10 - " for "no max"); runs
    // whenever either list changes. Neither bound given is no range.
    void cboMaxAge_Click();

    // --- Writers and export ---
    // The processing box, then the document of a content aggregation, an SCO or an asset from the window's
    // fields (the durations composed first), shown in the XML text window or, for a template, answered.
    QString createAggregation(bool forTemplate) override;
    void createSCO();
    void createAsset();
    // "Export Metadata": the required-field checks of the category the list shows, then its writer; the
    // window is minimised once the writer has returned.
    void cmbMakeXML_Click() override;
    // The required-field checks, category by category; relaxed for the asset categories. True when the record
    // holds every required element.
    bool checkUserData(bool relaxed);

    // --- List editors (contributors, taxa, classifications) ---
    // Writes the classification being edited to temp: under the id typed (Add) or the selected id (Update).
    // True when the fragment was written.
    bool createClassificationFile(kit::FragmentList::Mode mode) { return m_classifications->createFile(mode); }
    bool isDuplicateEntry(const QString &id) const { return m_classifications->isDuplicateEntry(id); }
    void clearClassification() { m_classifications->clearEntry(); }

    // True when text holds none of the nine characters that Windows file names may not hold ("\", "/", ":",
    // "*", "?", the quotation mark, "<", ">", "|"). Nothing in the program calls it.
    static bool checkInputString(const QString &text);

    // Reading a SCORM 2004 metadata file into the window (the opening clears it first).
    ReadOutcome readMetadataFile(LoadedMetadata &loaded) override;
    XmlDocument &xmlDocument() override;

    // Read by the frame while this window loads: the binding text at that moment.
    QString scormVersionAtLoad() const { return m_scormVersionAtLoad; }

protected:
    void connectOwnRule(const kit::Field &field, QWidget *control) override;
    void labelClicked(const QString &labelName) override;
    void categoryTextChanged(bool typed) override;
    // Procedures whose name ends in "()" report in the window's own form ("in checkStringVal()").
    void reportFailure(const std::exception &e, const QString &procedure) override;
    // The template "Save" button reports in that form too ("in cmdSetDefaults_Click()").
    void reportTemplateSaveFailure(const std::exception &e) override;
    // Closing reads a settings file without a showSaveOptions line as 0.
    int saveOptionsSetting() const override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // The save dialog "Save As Template"; the template is written into the templates folder under the name
    // chosen, with ".tsm" added when it has none. False when nothing was written.
    bool saveTemplateOnClosing() override;

private:
    QString runWriter2004(Writer2004 writer, bool forTemplate);
    // Composes one duration from its six lists into its text box; failures are reported under procedure.
    void composeDurationInto(const char *const (&parts)[6], const char *box, const char *procedure);
    // The classification list's store: the fragment file temp/<id>.xml.
    bool writeClassification(const QString &id);
    void readClassification(const QString &id);

    // The change rule; true when it refused the text.
    bool changeRule();
    // Runs a write of the program into the category list, then the change rule on what the list ends with.
    void programWrites(const std::function<void()> &write);
    void sizeChanged();

    kit::FragmentList *m_classifications = nullptr;
    QString m_scormVersionAtLoad;
    bool m_programWriting = false; // the program (the key rule, the change rule) writes the category list
    bool m_typingRefused = false;  // the change rule refused the text of the key being pressed
};

// "Error n (description ) frmOptions2004in procedure()": the window's own form of the common error text.
QString errorText2004(const std::exception &e, const QString &procedure);

FrmOptions2004 &frmOptions2004();
bool frmOptions2004Loaded();
// Makes the editor reachable from the frame.
void registerEditor2004();

} // namespace ts

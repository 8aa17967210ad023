#pragma once
// The SCORM 1.2 editor window: its controls hold one IMS Meta-Data 1.2 record. The nine tabs and their
// fields are built from the tables of fields12.h by the editor kit; this window adds the rules of its own
// (contributor names without commas, the size, the duration's parts, the unit converter), its list editors,
// its required-field checks, its writers and export, and its reading of metadata files.

#include "editorkit/editorwindow.h"
#include "editorkit/listeditor.h"

namespace ts {

enum class Writer12;

class FrmOptions : public kit::EditorWindow {
    Q_OBJECT
public:
    explicit FrmOptions(QWidget *parent = nullptr);

    // Runs once, from the constructor: tab 0 in front, every field greyed, the minute and second lists filled.
    void Form_Load();

    // --- Categories and profiles ---
    void disableAllInterface();
    void enableAllInterface() override;
    void contentAssetMinimumMetadataInterface();
    void contentAggregationMinimumMetadataInterface();
    // Empties every field of the record, the classification id and list included; the profile stays.
    void clearAll() override;

    // --- Rules of its own ---
    // A click on a learning-resource-type box: any number of them may be ticked.
    void checkNumberofSelections() {}
    // Joins the three duration lists into txtDuration.
    void cboDuration_Click();
    // Opens the unit converter.
    void lblConvertToBytes_Click();

    // The writers: the processing box, then the document of a content aggregation, an SCO or an asset from
    // the window's fields, shown in the XML text window (or, for a template, answered).
    QString createAggregation(bool forTemplate) override;
    void createSCO();
    void createAsset();
    // "Export Metadata": the required-field checks of the category the list shows, then its writer; the
    // window is minimised once the writer has returned.
    void cmbMakeXML_Click() override;
    // The required-field checks, category by category; relaxed for the asset categories. True when the record
    // holds every required element.
    bool checkUserData(bool relaxed);
    // "Browse...": the folder of a chosen file becomes the location.
    void cmdBrowse_Click();
    // Closing unloads the template list first, then offers to keep the record as a template
    // (showSaveOptions). False holds the window open.
    bool Form_QueryUnload() override;

    // --- List editors (contributors, taxa, classifications) ---
    // Writes the classification being edited to temp12: under the id typed (Add) or the selected id
    // (Update). True when the fragment was written.
    bool createClassificationFile(kit::FragmentList::Mode mode) { return m_classifications->createFile(mode); }
    bool isDuplicateEntry(const QString &id) const { return m_classifications->isDuplicateEntry(id); }
    void clearClassification() { m_classifications->clearEntry(); }

    // Reading a SCORM 1.2 metadata file into the window (the opening clears it first).
    ReadOutcome readMetadataFile(LoadedMetadata &loaded) override;
    XmlDocument &xmlDocument() override;

protected:
    // Asks for a template name and saves. False when the record should stay (the name was refused or the
    // save failed).
    bool saveTemplateOnClosing() override;
    void connectOwnRule(const kit::Field &field, QWidget *control) override;
    void fieldLeft(const kit::Field &field, QWidget *box) override;
    void labelClicked(const QString &labelName) override;
    void reportFailure(const std::exception &e, const QString &procedure) override;

private:
    QString runWriter12(Writer12 writer, bool forTemplate);
    void sizeChanged();
    // The classification list's store: the fragment file temp12/<id>.xml.
    bool writeClassification(const QString &id);
    void readClassification(const QString &id);

    kit::FragmentList *m_classifications = nullptr;
};

FrmOptions &frmOptions();
bool frmOptionsLoaded();
// Makes the editor reachable from the frame.
void registerEditor12();

} // namespace ts

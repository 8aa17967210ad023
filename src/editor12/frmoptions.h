#pragma once
// The SCORM 1.2 editor window: its controls hold one IMS Meta-Data 1.2 record. The nine tabs and their
// fields are built from the tables of fields12.h by the editor kit; this window adds the rules of its own
// (contributor names without commas, the size, the duration's parts, the unit converter), its writers and
// its reading of metadata files.

#include "editorkit/editorwindow.h"

namespace ts {

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
    // The export, built elsewhere.
    void cmbMakeXML_Click() override;

    // Reading a SCORM 1.2 metadata file into the window (the opening clears it first).
    ReadOutcome readMetadataFile(const QString &path) override;
    XmlDocument &xmlDocument() override;

protected:
    void connectOwnRule(const kit::Field &field, QWidget *control) override;
    void fieldLeft(const kit::Field &field, QWidget *box) override;
    void labelClicked(const QString &labelName) override;
    void reportFailure(const std::exception &e, const QString &procedure) override;

private:
    enum class WriterKind { Aggregation, SCO, Asset };
    QString runWriter(WriterKind kind, bool forTemplate);
    void sizeChanged();
};

FrmOptions &frmOptions();
bool frmOptionsLoaded();
// Makes the editor reachable from the frame.
void registerEditor12();

} // namespace ts

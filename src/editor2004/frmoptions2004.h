#pragma once
// The SCORM 2004 editor window. For now it is a child window that can be shown, hidden and cleared, with
// the category list, buttons and fields the frame addresses by name; it shows the title, description,
// size and location of a record.

#include "frame/editors.h"
#include "model2004/record2004.h"

class QComboBox;

namespace ts {

class FrmOptions2004 : public MetadataEditor {
    Q_OBJECT
public:
    explicit FrmOptions2004(QWidget *parent = nullptr);
    void clearAll() override;
    QString createAggregation(bool forTemplate) override;
    void enableAllInterface() override;
    void cmbMakeXML_Click() override;
    void Form_Activate() override;
    ReadOutcome readMetadataFile(const QString &path) override;
    XmlDocument &xmlDocument() override;

    // The record as the window holds it, and putting a record into the window.
    Record2004 record() const;
    void showRecord(const Record2004 &record);

    // Read by the frame while this window loads: the binding text at that moment.
    QString scormVersionAtLoad() const { return m_scormVersionAtLoad; }

private:
    QString m_scormVersionAtLoad;
};

FrmOptions2004 &frmOptions2004();
bool frmOptions2004Loaded();
void registerEditor2004();

} // namespace ts

#pragma once
// The SCORM 1.2 editor window: its controls hold one IMS Meta-Data 1.2 record.

#include "frame/editors.h"

namespace ts {

class FrmOptions : public MetadataEditor {
    Q_OBJECT
public:
    explicit FrmOptions(QWidget *parent = nullptr);
    void clearAll() override;
    QString createAggregation(bool forTemplate) override;
    void enableAllInterface() override;
    void cmbMakeXML_Click() override;
};

FrmOptions &frmOptions();
bool frmOptionsLoaded();
// Makes the editor reachable from the frame.
void registerEditor12();

} // namespace ts

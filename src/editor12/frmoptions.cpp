#include "frmoptions.h"

#include "frame/windows.h"

namespace ts {

FrmOptions::FrmOptions(QWidget *parent) : MetadataEditor(parent)
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("SCORM 1.2 Metadata"));
}

void FrmOptions::clearAll() {}
QString FrmOptions::createAggregation(bool) { return {}; }
void FrmOptions::enableAllInterface() {}
void FrmOptions::cmbMakeXML_Click() {}

FrmOptions &frmOptions() { return WindowInstance<FrmOptions>::get(); }
bool frmOptionsLoaded() { return WindowInstance<FrmOptions>::loaded(); }

void registerEditor12()
{
    setEditorAccessor(Binding::Scorm12, []() -> MetadataEditor & { return frmOptions(); }, frmOptionsLoaded);
}

} // namespace ts

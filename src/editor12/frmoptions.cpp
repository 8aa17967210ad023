#include "frmoptions.h"

#include "fields12.h"
#include "lists12.h"

#include "frame/windows.h"
#include "model12/import12.h"
#include "shared/apperror.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTabWidget>

namespace ts {

using namespace fields12;

namespace {
const QString kOwner = QStringLiteral("Form frmOptions");
} // namespace

FrmOptions::FrmOptions(QWidget *parent) : EditorWindow(fields12::tables(), parent)
{
    connectRules();
    for (const kit::Field *spec : tables().fields)
        if (spec->kind == kit::Kind::Check && qstrcmp(spec->frame, "fraLearningTypes") == 0)
            connect(static_cast<QCheckBox *>(control(QString::fromUtf8(spec->name))), &QCheckBox::clicked, this,
                    &FrmOptions::checkNumberofSelections);
    // The list editors belong to the window, which connects their buttons and clicks.
    new kit::TwoPartList(*this, lists12::kContributors);
    new kit::TwoPartList(*this, lists12::kTaxa);
    m_classifications = new kit::FragmentList(
        *this, lists12::kClassifications,
        {[this](const QString &id) { return writeClassification(id); },
         [this](const QString &id) { readClassification(id); }});
    connect(static_cast<QPushButton *>(control(QStringLiteral("cmdBrowse"))), &QPushButton::clicked, this,
            &FrmOptions::cmdBrowse_Click);
    resize(860, 600);
    Form_Load();
}

void FrmOptions::Form_Load()
{
    try {
        SSTab1()->setCurrentIndex(0);
        disableAllInterface();
        for (int i = 0; i < 60; ++i) {
            const QString item = QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
            for (const char *name : kSixtyLists)
                static_cast<QComboBox *>(control(QString::fromUtf8(name)))->addItem(item);
        }
        // Adding to an empty list shows its first item; the lists start unpicked.
        for (const char *name : kSixtyLists)
            static_cast<QComboBox *>(control(QString::fromUtf8(name)))->setCurrentIndex(-1);
    } catch (const std::exception &e) {
        reportError(e, QStringLiteral("Form_Load"), kOwner);
    }
}

void FrmOptions::disableAllInterface() { applyProfile(DisableAll); }

void FrmOptions::enableAllInterface() { applyProfile(EnableAll); }

void FrmOptions::contentAssetMinimumMetadataInterface() { applyProfile(AssetMinimum); }

void FrmOptions::contentAggregationMinimumMetadataInterface() { applyProfile(AggregationMinimum); }

void FrmOptions::clearAll()
{
    try {
        resetRecordLabels();
        // Every field of the record, the classification id and list included: a new record must not carry
        // the classifications of the one before into its export.
        for (const kit::Field *spec : tables().fields)
            clearField(*spec);
        // A cleared record says copyright "Yes" and fees "No".
        chooseOption(QStringLiteral("copyrightYes"));
        chooseOption(QStringLiteral("feesNo"));
    } catch (const std::exception &e) {
        reportError(e, QStringLiteral("clearAll"), kOwner);
    }
}

FrmOptions &frmOptions() { return WindowInstance<FrmOptions>::get(); }
bool frmOptionsLoaded() { return WindowInstance<FrmOptions>::loaded(); }

void registerEditor12()
{
    setEditorAccessor(Binding::Scorm12, []() -> MetadataEditor & { return frmOptions(); }, frmOptionsLoaded);
    setMetadataLoader(Binding::Scorm12, loadMetadataFile12);
}

} // namespace ts

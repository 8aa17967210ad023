#include "frmoptions2004.h"

#include "fields2004.h"
#include "lists2004.h"

#include "frame/frmmain.h"
#include "frame/windows.h"
#include "model2004/reader2004.h"
#include "shared/apperror.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTabWidget>

namespace ts {

using namespace fields2004;

namespace {
const QString kOwner = QStringLiteral("Form frmOptions");
} // namespace

FrmOptions2004::FrmOptions2004(QWidget *parent) : EditorWindow(fields2004::tables(), parent)
{
    m_scormVersionAtLoad = frmMain().scormVersion;
    connectRules();
    for (const kit::Field *spec : tables().fields)
        if (spec->kind == kit::Kind::Check && qstrcmp(spec->frame, "fraLearningTypes") == 0)
            connect(static_cast<QCheckBox *>(control(QString::fromUtf8(spec->name))), &QCheckBox::clicked, this,
                    &FrmOptions2004::checkNumberofSelections);
    // A pick from the category list (the mouse, the arrow keys) applies it; typing goes to the change rule.
    connect(cboSelectCategory(), &QComboBox::activated, this, &FrmOptions2004::cboSelectCategory_Click);
    connect(static_cast<QPushButton *>(control(QStringLiteral("cmdBrowse"))), &QPushButton::clicked, this,
            &FrmOptions2004::cmdBrowse_Click);
    // The composed durations are filled by the program only.
    for (const char *name : {"txtDuration", "txtTypicalTime"})
        control(QString::fromLatin1(name))->setEnabled(false);
    // The list editors belong to the window, which connects their buttons and clicks.
    new kit::TwoPartList(*this, lists2004::kContributors);
    new kit::TwoPartList(*this, lists2004::kMetaContributors);
    new kit::TwoPartList(*this, lists2004::kTaxa);
    m_classifications = new kit::FragmentList(
        *this, lists2004::kClassifications,
        {[this](const QString &id) { return writeClassification(id); },
         [this](const QString &id) { readClassification(id); }});
    // The age range follows both of its lists. Each list is wide enough to show a range as files give it
    // ("Age 7 to 90") whole, not only the two digits of its own items.
    for (const char *name : {"cboMinAge", "cboMaxAge"}) {
        auto *list = static_cast<QComboBox *>(control(QString::fromLatin1(name)));
        list->setMinimumContentsLength(11);
        connect(list, &QComboBox::currentTextChanged, this, &FrmOptions2004::cboMaxAge_Click);
    }
    resize(900, 640);
    Form_Load();
}

void FrmOptions2004::Form_Load()
{
    try {
        SSTab1()->setCurrentIndex(0);
        disableAllInterface();
    } catch (const std::exception &e) {
        reportError(e, QStringLiteral("Form_Load"), kOwner);
    }
}

void FrmOptions2004::disableAllInterface() { applyProfile(DisableAll); }

void FrmOptions2004::enableAllInterface() { applyProfile(EnableAll); }

void FrmOptions2004::contentAssetMinimumMetadataInterface() { applyProfile(AssetMinimum); }

void FrmOptions2004::contentAggregationMinimumMetadataInterface() { applyProfile(AggregationMinimum); }

void FrmOptions2004::setTemplateEditing(bool editing)
{
    EditorWindow::setTemplateEditing(editing);
    // A template is written with every field, whatever category was chosen before.
    if (editing)
        optionalOnly = false;
}

void FrmOptions2004::clearAll()
{
    try {
        resetRecordLabels();
        // Every field of the record: a new record must carry nothing of the one before into its export, so
        // the classification id and list, the typical learning time and every resource type go too.
        for (const kit::Field *spec : tables().fields)
            clearField(*spec);
        // A cleared record says copyright "Yes" and fees "No".
        chooseOption(QStringLiteral("copyrightYes"));
        chooseOption(QStringLiteral("feesNo"));
    } catch (const AppError &e) {
        if (e.number != err::TypeMismatch)
            reportError(e, QStringLiteral("clearAll"), kOwner);
    } catch (const std::exception &e) {
        reportError(e, QStringLiteral("clearAll"), kOwner);
    }
}

FrmOptions2004 &frmOptions2004() { return WindowInstance<FrmOptions2004>::get(); }
bool frmOptions2004Loaded() { return WindowInstance<FrmOptions2004>::loaded(); }

void registerEditor2004()
{
    setEditorAccessor(Binding::Scorm2004, []() -> MetadataEditor & { return frmOptions2004(); },
                      frmOptions2004Loaded);
    setMetadataLoader(Binding::Scorm2004, loadMetadataFile2004);
}

} // namespace ts

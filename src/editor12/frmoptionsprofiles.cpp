// The metadata categories of the SCORM 1.2 editor: which fields each one lets the user edit, and clearing the
// record.

#include "frmoptions.h"

#include "editorkit/appearance12.h"
#include "fields12.h"

#include "shared/apperror.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace ts {

using namespace fields12;
namespace ap = appearance12;

namespace {
const QString kOwner = QStringLiteral("Form frmOptions");
} // namespace

void FrmOptions::cboSelectCategory_Click()
{
    try {
        const QString text = m_category->currentText();
        for (const CategoryProfile &c : kCategoryProfiles) {
            if (text != QString::fromUtf8(c.category))
                continue;
            // A minimum category greys everything first, so that only its own set is left editable.
            if (c.greyFirst)
                disableAllInterface();
            switch (c.profile) {
            case EnableAll:
                enableAllInterface();
                break;
            case AssetMinimum:
                contentAssetMinimumMetadataInterface();
                break;
            case AggregationMinimum:
                contentAggregationMinimumMetadataInterface();
                break;
            default:
                break;
            }
            optionalOnly = c.optionalOnly;
            metadataCategory = m_category->currentText();
            return;
        }
    } catch (const std::exception &e) {
        reportError(e, QStringLiteral("cboSelectCategory_Click"), kOwner);
    }
}

void FrmOptions::setCategoryText(const QString &text)
{
    m_settingCategory = true;
    putComboText(m_category, text);
    m_settingCategory = false;
    cboSelectCategory_Click();
}

void FrmOptions::apply(QWidget *control, Act act)
{
    switch (act) {
    case Act::Skip:
        return;
    case Act::Grey:
        control->setEnabled(false);
        ap::setBackColor(control, ap::kButtonFace);
        return;
    case Act::Edit:
        control->setEnabled(true);
        ap::setBackColor(control, ap::kWhite);
        return;
    case Act::Face:
        control->setEnabled(true);
        ap::setBackColor(control, ap::kButtonFace);
        return;
    case Act::On:
        control->setEnabled(true);
        return;
    case Act::Off:
        control->setEnabled(false);
        return;
    case Act::Browse:
        control->setEnabled(true);
        ap::setBackColor(control, ap::kBrowseFace);
        return;
    }
}

void FrmOptions::applyProfile(Profile profile)
{
    for (const ProfileRow &row : kProfiles) {
        for (const char *name : row.controls) {
            QWidget *c = control(QString::fromUtf8(name));
            if (!c)
                throw AppError(err::ObjectNotSet, QStringLiteral("Object variable or With block variable not set"));
            apply(c, row.acts[profile]);
        }
    }
}

void FrmOptions::disableAllInterface()
{
    try {
        applyProfile(DisableAll);
    } catch (const std::exception &e) {
        reportError(e, QStringLiteral("disableAllInterface"), kOwner);
    }
}

void FrmOptions::enableAllInterface()
{
    try {
        applyProfile(EnableAll);
    } catch (const std::exception &e) {
        reportError(e, QStringLiteral("enableAllInterface"), kOwner);
    }
}

void FrmOptions::contentAssetMinimumMetadataInterface()
{
    try {
        applyProfile(AssetMinimum);
    } catch (const std::exception &e) {
        reportError(e, QStringLiteral("contentAssetMinimumMetadataInterface"), kOwner);
    }
}

void FrmOptions::contentAggregationMinimumMetadataInterface()
{
    try {
        applyProfile(AggregationMinimum);
    } catch (const std::exception &e) {
        reportError(e, QStringLiteral("contentAggregationMinimumMetadataInterface"), kOwner);
    }
}

void FrmOptions::clearAll()
{
    try {
        // Every field of the record, the classification id and list included: a new record must not carry
        // the classifications of the one before into its export.
        for (const FieldSpec &spec : kFields) {
            QWidget *c = control(QString::fromUtf8(spec.name));
            switch (spec.kind) {
            case Kind::Text:
                static_cast<QLineEdit *>(c)->clear();
                break;
            case Kind::MultiLine:
                static_cast<QPlainTextEdit *>(c)->clear();
                break;
            case Kind::Combo:
                putComboText(static_cast<QComboBox *>(c), QString());
                break;
            case Kind::List:
                static_cast<QListWidget *>(c)->clear();
                break;
            case Kind::Check:
                static_cast<QCheckBox *>(c)->setChecked(false);
                break;
            case Kind::Option:
                break;
            }
        }
        // A cleared record says copyright "Yes" and fees "No".
        static_cast<QRadioButton *>(control(QStringLiteral("copyrightYes")))->setChecked(true);
        static_cast<QRadioButton *>(control(QStringLiteral("feesNo")))->setChecked(true);
    } catch (const std::exception &e) {
        reportError(e, QStringLiteral("clearAll"), kOwner);
    }
}

void FrmOptions::putComboText(QComboBox *combo, const QString &text)
{
    const int index = text.isEmpty() ? -1 : combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    combo->setCurrentIndex(index);
    if (combo->currentText() != text)
        combo->setEditText(text);
}

} // namespace ts

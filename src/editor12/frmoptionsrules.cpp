// The field rules of the SCORM 1.2 editor's own, beside those every editor window applies.

#include "frmoptions.h"

#include "fields12.h"

#include "frame/frmconvertunits.h"
#include "platform/dialogs.h"
#include "shared/apperror.h"
#include "shared/textutil.h"

#include <QComboBox>
#include <QLineEdit>

namespace ts {

using namespace fields12;

void FrmOptions::connectOwnRule(const kit::Field &field, QWidget *control)
{
    switch (field.ownRule) {
    case Size:
        connect(static_cast<QLineEdit *>(control), &QLineEdit::textChanged, this, &FrmOptions::sizeChanged);
        break;
    case DurationJoin:
        connect(static_cast<QComboBox *>(control), &QComboBox::activated, this, &FrmOptions::cboDuration_Click);
        break;
    default:
        break;
    }
}

void FrmOptions::fieldLeft(const kit::Field &field, QWidget *box)
{
    if (field.ownRule == NoCommas && fieldText(box->objectName()).contains(QLatin1Char(','))) {
        msgBox(QStringLiteral("No Commas Allowed in this field."));
        setFieldText(box->objectName(), QString());
    }
    EditorWindow::fieldLeft(field, box);
}

void FrmOptions::labelClicked(const QString &labelName)
{
    if (labelName == QLatin1String("lblConvertToBytes"))
        lblConvertToBytes_Click();
    else
        EditorWindow::labelClicked(labelName);
}

void FrmOptions::reportFailure(const std::exception &e, const QString &procedure)
{
    if (procedure == QLatin1String("checkStringVal")) {
        const auto *error = dynamic_cast<const AppError *>(&e);
        msgBox(QStringLiteral("Error %1 in checkStringVal").arg(error ? error->number : 0));
        return;
    }
    EditorWindow::reportFailure(e, procedure);
}

void FrmOptions::sizeChanged()
{
    auto *size = static_cast<QLineEdit *>(control(QStringLiteral("txtSize")));
    const QString text = size->text();
    checkStringVal(text, size, field(QStringLiteral("txtSize"))->tab);
    // The same test as the writers': a size is a plain whole number of bytes.
    if (!text.isEmpty() && !isPlainSize(text)) {
        msgBox(QStringLiteral("Must be a number"), Buttons::Ok, Icon::Exclamation, QStringLiteral("Validation"));
        size->clear();
    }
}

void FrmOptions::cboDuration_Click()
{
    setFieldText(QStringLiteral("txtDuration"), fieldText(QStringLiteral("cboHourDuration")) + QLatin1Char(':') +
                                                    fieldText(QStringLiteral("cboMinDuration")) + QLatin1Char(':') +
                                                    fieldText(QStringLiteral("cboSecDuration")));
}

void FrmOptions::lblConvertToBytes_Click() { frmConvertUnits().exec(); }

} // namespace ts

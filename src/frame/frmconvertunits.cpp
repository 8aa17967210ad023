#include "frmconvertunits.h"
#include "windows.h"

#include "platform/dialogs.h"
#include "platform/qt/windowsize.h"
#include "shared/fileutil.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

namespace ts {

FrmConvertUnits::FrmConvertUnits(QWidget *parent)
    : QDialog(parent), m_txtNum(new QLineEdit(this)), m_cboUnits(new QComboBox(this)), m_txtBytes(new QLineEdit(this))
{
    setObjectName(QStringLiteral("frmConvertUnits"));
    setWindowTitle(QStringLiteral("Convert Units"));
    fitCaption(this);
    markProgramWindow(this);
    openOverMain(this);
    m_txtNum->setObjectName(QStringLiteral("txtNum"));
    m_cboUnits->setObjectName(QStringLiteral("cboUnits"));
    m_cboUnits->addItems({QStringLiteral("kb"), QStringLiteral("mb"), QStringLiteral("gb")});
    m_cboUnits->setCurrentIndex(-1);
    m_txtBytes->setObjectName(QStringLiteral("txtBytes"));
    auto *convert = new QPushButton(QStringLiteral("Convert"), this);
    convert->setObjectName(QStringLiteral("cmdConvert"));
    auto *layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("Number"), m_txtNum);
    layout->addRow(QStringLiteral("Units"), m_cboUnits);
    layout->addRow(QStringLiteral("Bytes"), m_txtBytes);
    layout->addRow(convert);
    connect(convert, &QPushButton::clicked, this, &FrmConvertUnits::cmdConvert_Click);
}

void FrmConvertUnits::cmdConvert_Click()
{
    const QString amount = m_txtNum->text();
    const QString unit = m_cboUnits->currentText();
    if (amount.isEmpty() || unit.isEmpty()) {
        msgBox(QStringLiteral("Missing data."));
        return;
    }
    bool ok = false;
    const double value = amount.trimmed().toDouble(&ok);
    if (!ok) {
        msgBox(QStringLiteral("\"%1\" is not a number.").arg(amount), Buttons::Ok, Icon::Exclamation,
               QStringLiteral("Invalid Entry"));
        return;
    }
    const std::optional<double> bytes = convertToBytes(value, unit);
    m_txtBytes->setText(bytes ? QString::number(*bytes, 'g', 15) : QString());
}

FrmConvertUnits &frmConvertUnits() { return WindowInstance<FrmConvertUnits>::get(); }

} // namespace ts

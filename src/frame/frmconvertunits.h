#pragma once
// The "Convert Units" box: an amount in kb, mb or gb turned into bytes.

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace ts {

class FrmConvertUnits : public QDialog {
    Q_OBJECT
public:
    explicit FrmConvertUnits(QWidget *parent = nullptr);
    void cmdConvert_Click();

private:
    QLineEdit *m_txtNum;
    QComboBox *m_cboUnits;
    QLineEdit *m_txtBytes;
};

FrmConvertUnits &frmConvertUnits();

} // namespace ts

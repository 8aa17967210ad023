#pragma once
// The modal choice of binding at start-up; it answers through frmMain().scormVersion.

#include <QDialog>

class QRadioButton;

namespace ts {

class FrmVersionSelect : public QDialog {
    Q_OBJECT
public:
    explicit FrmVersionSelect(QWidget *parent = nullptr);
    void cmdOk_Click();

private:
    QRadioButton *m_optScorm12;
    QRadioButton *m_optScorm2004;
};

} // namespace ts

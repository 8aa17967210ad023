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

protected:
    // The choice stands in the middle of the screen, not over the main window that is not yet shown.
    void showEvent(QShowEvent *event) override;
    // Once the window system has put its title bar and borders around it, the choice is centred again by
    // their real size, which the first centring could only guess.
    void moveEvent(QMoveEvent *event) override;
    bool event(QEvent *event) override;

private:
    void centreByFrame();
    bool m_centredByFrame = false;
    QRadioButton *m_optScorm12;
    QRadioButton *m_optScorm2004;
};

} // namespace ts

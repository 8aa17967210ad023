#pragma once
// The save-as-template prompt that File > New and the closing editors show: Yes saves the record of the
// active editor as a template, No goes on without saving, Cancel calls the caller's work off. The answer
// comes back through userSaidDontSave (Yes and No) and the main window's cancelExit (Cancel); a prompt
// closed without an answer leaves both false. Each answer only hides the prompt, so "Always Show" keeps the
// user's last choice.

#include <QDialog>

class QCheckBox;
class QLabel;

namespace ts {

class FrmMessage : public QDialog {
    Q_OBJECT
public:
    explicit FrmMessage(QWidget *parent = nullptr);

    bool userSaidDontSave = false;

    // Clears both answers and waits for this showing's answer.
    void showModal();
    void cmdYes_Click();
    void cmdNo_Click();
    void cmdCancel_Click();

private:
    void Form_Load();
    // Writes showSaveOptions from "Always Show"; false when the settings file refused it.
    bool saveAlwaysShow();

    QLabel *m_lblMessage;
    QCheckBox *m_chkMessage;
};

FrmMessage &frmMessage();
bool frmMessageLoaded();

} // namespace ts

#pragma once
// The program-defaults dialog: three Yes/No questions that set the tip, save-prompt and category-dialog
// settings at once. Close only hides it, so its answers stay for the next showing.

#include <QDialog>

class QRadioButton;

namespace ts {

class FrmGettingStarted : public QDialog {
    Q_OBJECT
public:
    explicit FrmGettingStarted(QWidget *parent = nullptr);
    // Writes the setting of every question answered and says whether any setting changed.
    void cmdApply_Click();
    void cmdClose_Click();

private:
    struct Question {
        QString key;
        QRadioButton *yes;
        QRadioButton *no;
    };
    QList<Question> m_questions;
};

FrmGettingStarted &frmGettingStarted();
bool frmGettingStartedLoaded();

} // namespace ts

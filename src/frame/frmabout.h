#pragma once
// The About box "SCORM Tagsmith": the program's picture, the maker's notice and the maker's web address,
// which opens in the desktop's browser when clicked.

#include <QDialog>

namespace ts {

class FrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit FrmAbout(QWidget *parent = nullptr);
    // The web address was clicked.
    void Label3_Click();
};

} // namespace ts

#pragma once
// "Select a metadata file type": after File > Open, asks which metadata category the opened file is, and
// puts the answer into the category lists of both editors. "Ok" hides the dialog, so the next question
// shows the last answer; closing it with its close box unloads it.

#include <QDialog>

class QCheckBox;
class QComboBox;

namespace ts {

class FrmSelectMetadataCategory : public QDialog {
    Q_OBJECT
public:
    explicit FrmSelectMetadataCategory(QWidget *parent = nullptr);

    // Shows the dialog and waits until it is hidden or closed.
    void showModal();

    void cboSelectCategory_Change();
    void cmdOk_Click();
    // The user closes the window: false refuses (an empty answer).
    bool Form_QueryUnload();

    QComboBox *cboSelectCategory() const { return m_cboSelectCategory; }
    QCheckBox *check1() const { return m_check1; }

    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    // Hides the dialog after a handled close, or unloads it after the close box.
    void unloadNow();

    QComboBox *m_cboSelectCategory;
    QCheckBox *m_check1;
};

FrmSelectMetadataCategory &frmSelectMetadataCategory();
bool frmSelectMetadataCategoryLoaded();

} // namespace ts

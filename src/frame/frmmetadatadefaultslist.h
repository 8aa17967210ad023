#pragma once
// The template list "Metadata Templates": in "Set_Default_Mode" the user picks the default template; in
// "Edit_Mode" templates are added, deleted and opened for editing in the editor of the active binding.
// Close only hides the window; closing its window frame unloads it.

#include <QWidget>

class QListWidget;
class QPushButton;

namespace ts {

class FrmMetadataDefaultsList : public QWidget {
    Q_OBJECT
public:
    explicit FrmMetadataDefaultsList(QWidget *parent = nullptr);
    ~FrmMetadataDefaultsList() override;

    // Enables the four buttons.
    void enableAll();
    // Captions and shows the buttons for templateFormMode, then refills the list.
    void setUI();
    // Lists every file below the templates folder by its bare name, but "cdt.txt".
    void populateTemplateList();

    void cmdAddNew_Click();
    void cmdDelete_Click();
    void cmdUseSelected_Click();
    void cmdClose_Click();

    QListWidget *lstTemplates() const { return m_lstTemplates; }

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // Runs a button's work, reporting what fails in it.
    template <class F> void guarded(const char *procedure, F work);

    QListWidget *m_lstTemplates;
    QPushButton *m_cmdAddNew;
    QPushButton *m_cmdDelete;
    QPushButton *m_cmdUseSelected;
    QPushButton *m_cmdClose;
};

FrmMetadataDefaultsList &frmMetadataDefaultsList();
bool frmMetadataDefaultsListLoaded();

} // namespace ts

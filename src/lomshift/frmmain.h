#pragma once
// The conversion wizard: three steps (what kind of SCORM 1.2 file, which files, where the results go), then
// Finish converts every listed file and writes the results.

#include <QString>
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace ts::lomshift {

class FrmMain : public QWidget {
    Q_OBJECT
public:
    explicit FrmMain(QWidget *parent = nullptr);

    // A step of the run failed: the end of the run reports the errors.
    bool g_hadErrorOnGenerate = false;

    void cmdNext_Click();
    void cmdBack_Click();
    void cmdFinish_Click();
    void cmdCancel_Click();
    void cmdAddSingle_Click();
    void cmdAddMulti_Click();
    void cmdRemSingle_Click();
    void cmdRemAll_Click();
    void cmdBrowse_Click();
    void optSaveOrig_Click();
    void optSaveNew_Click();

    // "True" when the page (0 to 2) is complete, else the message to show; records what the page chose.
    QString checkTabContent(int index);
    // "enabled" or "disabled": the folder box and Browse.
    void changeState(const QString &state);
    // Back to the first step with everything cleared, after a run.
    void reloadWizard();

private:
    void buildPages();
    void setPage(int index);
    void markStep(int index);
    void resetSteps();
    void restoreTargetChoice();
    void run();
    template <class F> void trapped(const char *control, F handler);

    QTabWidget *m_tabMainDialog;
    QLabel *m_lblStep[4];
    QPushButton *m_cmdBack;
    QPushButton *m_cmdNext;
    QPushButton *m_cmdFinish;
    QPushButton *m_cmdCancel;
    QRadioButton *m_optMetadata;
    QRadioButton *m_optManifest;
    QListWidget *m_lstFiles;
    QRadioButton *m_optSaveOrig;
    QRadioButton *m_optSaveNew;
    QLineEdit *m_txtNewFileLocation;
    QPushButton *m_cmdBrowse;
    QCheckBox *m_optSaveAsZip;
};

// The program's one wizard window, created on first use; closing it destroys it.
FrmMain &frmMain();
bool frmMainLoaded();

// The program's start: its title for boxes without one, the settings reset, the window shown.
void Main();

} // namespace ts::lomshift

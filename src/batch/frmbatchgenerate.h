#pragma once
// The window of the batch program: the user lists content files, one at a time or a folder's worth,
// chooses a target folder and presses "Finish"; each listed file then gets its metadata file, made from the
// template that the main program handed over.

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace ts::batch {

class FrmBatchGenerate : public QWidget {
    Q_OBJECT
public:
    explicit FrmBatchGenerate(QWidget *parent = nullptr);

private:
    void cmdAddSingle_Click();
    void cmdAddMulti_Click();
    void cmdRemSingle_Click();
    void cmdRemAll_Click();
    void cmdBrowse_Click();
    void cmdGenerate_Click();
    // Generates every listed file that may go ahead; false when any file got no metadata file.
    bool generateAll();

    QListWidget *m_lstFiles;
    QLineEdit *m_txtNewFileLocation;
    QPushButton *m_cmdGenerate;
};

// The window, created on first use; closing it discards it.
FrmBatchGenerate &frmBatchGenerate();
bool frmBatchGenerateLoaded();

} // namespace ts::batch

#pragma once
// The window of the batch program: the user lists content files, one at a time or a folder's worth,
// chooses a target folder and presses "Finish"; each listed file then gets its metadata file, made from the
// template that the main program handed over.

#include "generate.h"

#include <QWidget>

#include <memory>

class QLabel;
class QLineEdit;
class QListWidget;
class QLockFile;
class QPushButton;

namespace ts::batch {

class FrmBatchGenerate : public QWidget {
    Q_OBJECT
public:
    explicit FrmBatchGenerate(QWidget *parent = nullptr);
    ~FrmBatchGenerate() override;

private:
    void cmdAddSingle_Click();
    void cmdAddMulti_Click();
    void cmdRemSingle_Click();
    void cmdRemAll_Click();
    void cmdBrowse_Click();
    void cmdGenerate_Click();
    enum class Run { Generated, SomeFailed, TemplateRefused };
    // Checks the template once, then generates every listed file that may go ahead.
    Run generateAll();
    // Takes the first place no other open batch window holds; its number, 0 for the middle of the screen.
    int claimPlace();
    // Shows the name of the window's template (empty when none was handed over).
    void showTemplateName();

    QListWidget *m_lstFiles;
    QLineEdit *m_txtNewFileLocation;
    QLabel *m_lblTemplateName;
    QPushButton *m_cmdGenerate;
    // The template this window runs on: the copy of the hand-over taken when it opened.
    const Template m_template;
    // The lock of the place this window holds, given up as it closes.
    std::unique_ptr<QLockFile> m_place;
};

// The window, created on first use; closing it discards it.
FrmBatchGenerate &frmBatchGenerate();
bool frmBatchGenerateLoaded();

} // namespace ts::batch

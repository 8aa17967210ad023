#pragma once
// The folder picker of the batch program: a drive list, a folder list and the files of the open folder;
// the user opens folders, highlights one and takes it with OK, and may create, rename and delete folders in
// place. Opening a folder makes it the program's current folder. The window is kept, hidden, between uses
// (so it opens where it was left); its close box discards it.

#include "shared/clsfilefunc.h"

#include <QDialog>
#include <memory>

class QComboBox;
class QListWidget;

namespace ts::batch {

class FolderList;

class FrmOpenFolder : public QDialog {
    Q_OBJECT
public:
    explicit FrmOpenFolder(QWidget *parent = nullptr);
    ~FrmOpenFolder() override;
    // Left by the close box (or Escape): the window is discarded and nothing is chosen.
    void reject() override;

private:
    void Form_Load();
    void lstDrives_Change();
    void lstFolders_Change();
    void cmdOk_Click();
    void imgNewFolder_Click();
    void imgRename_Click();
    void imgDelete_Click();
    void showDriveOf(const QString &folder);
    clsFileFunc &fileFunc();

    QComboBox *m_lstDrives;
    FolderList *m_lstFolders;
    QListWidget *m_lstFiles;
    std::unique_ptr<clsFileFunc> m_fileFunc;
    bool m_changing = false; // guards the folder change against itself
};

// The picker, created on first use.
FrmOpenFolder &frmOpenFolder();
bool frmOpenFolderLoaded();

// The folder the picker's OK took last; empty before.
QString &selectedFolder();

// Shows the picker, modal (waiting until it is left) or not, and answers the chosen folder: returnString 1
// keeps the full path, 2 keeps its last segment. A message that is not empty is shown once the picker is
// left. Left by the close box, the modal picker answers the empty text. setCaption has no effect.
QString openFolder(bool isModal, int returnString, const QString &message, bool setCaption);

} // namespace ts::batch

#pragma once
// The main window: a multiple-document frame with the file browser and preview on its left, the
// parameters panel, and the menus File, Window, Preferences, Tools and Help.

#include <QMainWindow>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QMdiArea;
class QMenu;

namespace ts {

class PreviewBrowser;

class FrmMain : public QMainWindow {
    Q_OBJECT
public:
    FrmMain();
    ~FrmMain() override;

    // Public variables, in their declaration order.
    bool dontValidate = false;
    bool isFromSelectMetadata = false;
    QString fileListFileName;
    QString fileListFilePath;
    QString scormVersion;
    bool cancelExit = false;

    // The load: choice of binding, editor window, layout, side pane, tips.
    void MDIForm_Load();
    // The close request: the exit question and the unloading of the other windows. False cancels.
    bool MDIForm_QueryUnload();
    // The main window's own unloading. False cancels (cancelExit was set on the way).
    bool MDIForm_Unload();

    // Reads a metadata file (or, with isTemplate, a template) into the editor of its binding. openFilePath
    // "0" asks for the file. True when nothing was read that the caller should follow up.
    bool openSelectedFile(bool showValidateMessage, const QString &openFilePath, bool isTemplate);
    void mnuFileOpen_Click();
    void mnuFileNew_Click();

    void disableMenuButtons();
    void enableMenuButtons();
    void loadSideBar();

    QMdiArea *mdiArea() const { return m_mdiArea; }
    QMenu *menu(const QString &objectName) const;
    QAction *action(const QString &objectName) const;
    QLabel *lblScormVersion() const { return m_lblScormVersion; }
    QLabel *lblCurFile() const { return m_lblCurFile; }
    QLabel *lblDefTemp() const { return m_lblDefTemp; }
    PreviewBrowser *webBrowser() const { return m_webBrowser; }
    QListWidget *fileList() const { return m_fileList; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void buildSidePane();
    void onSubWindowActivated();
    QWidget *headerBar(const QString &name, const QString &caption);
    void placeHeaderLabel(const QString &name);

    QMdiArea *m_mdiArea = nullptr;
    QList<QMenu *> m_topMenus; // File, Window, Preferences, Tools, Help
    QWidget *m_picture1 = nullptr;
    QComboBox *m_driveList = nullptr;
    QListWidget *m_dir1 = nullptr;
    QListWidget *m_fileList = nullptr;
    QGroupBox *m_frame1 = nullptr;
    QGroupBox *m_frame2 = nullptr;
    PreviewBrowser *m_webBrowser = nullptr;
    QLabel *m_lblFileName = nullptr;
    QLabel *m_imgSlider = nullptr;
    QLabel *m_lblScormVersion = nullptr;
    QLabel *m_lblCurFile = nullptr;
    QLabel *m_lblDefTemp = nullptr;
    bool m_closing = false;
};

FrmMain &frmMain();
bool frmMainLoaded();
void unloadFrmMain();

} // namespace ts

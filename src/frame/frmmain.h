#pragma once
// The main window: a multiple-document frame with the file browser and preview on its left, the
// parameters panel, and the menus File, Window, Preferences, Tools and Help.

#include <QMainWindow>

class QAction;
class QComboBox;
class QFileSystemWatcher;
class QMdiSubWindow;
class QGroupBox;
class QLabel;
class QListWidget;
class QMdiArea;
class QMenu;
class QTimer;

namespace ts {

class FolderList;
class FrmDocument;
class MetadataEditor;
class PreviewBrowser;
enum class Binding;

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

    // --- The file browser, the preview and the side pane (frmmain_browser.cpp) ---
    void loadSideBar();
    // Hands a resource file to the active editor: the default template, then the file's size, name and
    // content type. fileType is the file's extension with its dot, in lower case.
    void passData(const QString &fileType);
    void FileList_Click();
    void Dir1_Change();
    // Reads the shown folder anew, as a write into it leaves it, keeping the file picked and the list's scroll;
    // the filter stays the one the list was filled with.
    void refreshFileList();
    void DriveList_Change();
    void mnuWebFilesOnly_Click();
    void Frame1_Click();
    void imgSlider_Click();

    // --- The Window menu (frmmain_windows.cpp) ---
    // The Window menu drops down: it lists the children shown in the area, each by its caption, the active one
    // ticked.
    void mnuWindow_Click();
    // Brings a child of the area to the front, restored when it was minimised.
    void showChildWindow(QMdiSubWindow *sub);

    // --- The menu commands (frmmain_commands.cpp, frmmain_launch.cpp) ---
    // The File menu drops down: Save as Template and Export Metadata follow the active child.
    void mnufile_Click();
    void mnuOpenTemplate_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuSaveasTemplate_Click();
    void mnuFilePageSetup_Click();
    void mnuFilePrint_Click();
    void mnuExport_Click();
    void mnuDefaults_Click();
    void mnuResetDefaults_Click();
    void mnuTemplateCreator_Click();
    void mnuConvert_Click();
    void mnuBatch_Click();
    void mnuHelpContents_Click();
    void mnuFeedback_Click();
    void mnuTip_Click();
    void mnuHelpAbout_Click();

    // Grows the window, within its screen, so that the side pane and every child shown in the area are
    // seen whole; a smaller screen leaves the area to scroll.
    void makeRoomForChildren();
    // The room the area gives its children at the window's present size, the side pane shown beside it.
    QSize roomForChildren() const;

    QMdiArea *mdiArea() const { return m_mdiArea; }
    QMenu *menu(const QString &objectName) const;
    QAction *action(const QString &objectName) const;
    QLabel *lblScormVersion() const { return m_lblScormVersion; }
    QLabel *lblCurFile() const { return m_lblCurFile; }
    QLabel *lblDefTemp() const { return m_lblDefTemp; }
    PreviewBrowser *webBrowser() const { return m_webBrowser; }
    QListWidget *fileList() const { return m_fileList; }
    FolderList *dir1() const { return m_dir1; }
    QComboBox *driveList() const { return m_driveList; }
    QLabel *lblFileName() const { return m_lblFileName; }

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();
    void buildSidePane();
    void onSubWindowActivated();
    // The XML text window when it is the active child; nullptr otherwise.
    FrmDocument *activeDocument() const;
    bool hasActiveChild() const;
    // Writes the XML text window's text to the file; false (after saying so) when it could not be written.
    bool saveDocument(FrmDocument &document, const QString &path);
    // Copies the chosen file to the hand-over file of batch and names it beside it; false (after saying why)
    // when it could not, or when the file is larger than the editors open.
    bool writeHandOver(const QString &source);
    // Starts a companion program of the program folder, saying so when its file is missing.
    void startCompanion(const QString &fileName);
    // Puts the drive list on the drive holding the folder list's folder.
    void selectDriveOfFolder();
    // Brings the editor of the binding to the front, hiding the other one, and makes that binding the
    // active one.
    MetadataEditor &showEditorOf(Binding binding);
    // The new record of a content file: the default template at the path, read into the editor the user
    // keeps, which is cleared first whatever follows. Answers that editor.
    MetadataEditor &recordFromDefaultTemplate(const QString &path);
    // The names of the files of the folder list's folder that the list shows, by the filter it was filled with;
    // raises AppError when the folder cannot be read.
    QStringList shownFolderFiles() const;
    // Watches the folder list's folder, so that what other programs write into it is listed too.
    void watchShownFolder();
    // A file the program has written: the list is read anew when the file lies in the shown folder.
    void fileWritten(const QString &path);
    QWidget *headerBar(const QString &name, const QString &caption);
    void placeHeaderLabel(const QString &name);
    // What the window takes around its area: the side pane beside it, the menu bar above, the area's frame.
    QSize areaOverhead() const;

    QMdiArea *m_mdiArea = nullptr;
    QList<QMenu *> m_topMenus; // File, Window, Preferences, Tools, Help
    QWidget *m_picture1 = nullptr;
    QComboBox *m_driveList = nullptr;
    FolderList *m_dir1 = nullptr;
    QListWidget *m_fileList = nullptr;
    QGroupBox *m_frame1 = nullptr;
    QGroupBox *m_frame2 = nullptr;
    PreviewBrowser *m_webBrowser = nullptr;
    QLabel *m_lblFileName = nullptr;
    QLabel *m_imgSlider = nullptr;
    QLabel *m_lblScormVersion = nullptr;
    QLabel *m_lblCurFile = nullptr;
    QLabel *m_lblDefTemp = nullptr;
    // The widths of the side pane's controls before it was folded away, in the order Picture1, Frame1,
    // Frame2, WebBrowser1, Dir1, FileList, DriveList; 0 until it is first folded.
    int m_foldedWidths[7] = {};
    bool m_closing = false;
    // The folder the file list was filled from (none until a folder or drive is first chosen), and whether with
    // web files only (the filter takes effect when the folder changes).
    QString m_listedFolder;
    bool m_listedWebOnly = false;
    QFileSystemWatcher *m_folderWatch = nullptr;
    // Runs the reading of a watched folder once for a burst of changes (a batch run writes many files).
    QTimer *m_folderChanged = nullptr;
};

FrmMain &frmMain();
bool frmMainLoaded();
void unloadFrmMain();

// What the current-file label shows while the record has no file of its own.
inline QString newFileLabel() { return QStringLiteral("- new file -"); }

// Where the Open and Batch Generate dialogs start: the program folder's "data" folder when there is one,
// else the program folder.
QString dataFolder();

} // namespace ts

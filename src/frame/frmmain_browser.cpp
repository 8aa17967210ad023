// The main window's side pane: the drive, folder and file lists, the preview, the "Enlarge" strip and the
// slider that folds the pane away; a picked file is opened, opened as a template or handed to the editor.
#include "frmmain.h"

#include "editors.h"
#include "folderlist.h"
#include "frmbrowser.h"
#include "previewbrowser.h"
#include "templates.h"
#include "twips.h"

#include "platform/dialogs.h"
#include "platform/programfolder.h"
#include "shared/apperror.h"
#include "shared/fileutil.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QStorageInfo>

namespace ts {

namespace {

const QString kOwner = QStringLiteral("Form frmMain");

// The extensions the file list shows while "Only Display Web Files " is ticked.
const char *const kWebFiles[] = {".htm", ".xml", ".html", ".css", ".js", ".gif",
                                 ".xsd", ".png", ".jpg", ".bmp", ".php", ".asp"};

// The extensions a picked file is previewed for before it is handed to the editor.
const char *const kPreviewed[] = {".htm", ".html", ".txt", ".gif", ".jpg", ".bmp",
                                  ".png", ".xsd", ".dat", ".ico", ".js"};

// The content-type check box a handed-over file ticks, by its extension.
const struct {
    const char *checkBox;
    std::initializer_list<const char *> extensions;
} kContentTypes[] = {
    {"wavCheck", {".wav"}},
    {"excelCheck", {".xls", ".xlt", ".csv", ".xlw", ".wk4", ".wk3", ".wk1", ".wk5", ".wq1", ".prn", ".dif", ".xla"}},
    {"gifCheck", {".gif"}},
    {"htmlCheck", {".htm", ".html", ".shtm", ".shtml", ".hta", ".htc", ".xhtml"}},
    {"javaCheck", {".java", ".jar"}},
    {"javascriptCheck", {".js", ".jse"}},
    {"jpgCheck", {".jpg"}},
    {"pdfCheck", {".pdf"}},
    {"realMediaCheck", {".rm"}},
    {"quicktimeCheck",
     {".tga", ".qt", ".mov", ".moov", ".mpg", ".mpeg", ".mp4", ".mid", ".midi", ".m4a", ".avi", ".aiff"}},
    {"flashCheck", {".fla", ".swf", ".as", ".asc", ".jsfl", ".flp"}},
    {"powerpointCheck", {".ppt", ".pos", ".ppa"}},
};

template <class List> bool listed(const List &list, const QString &extension)
{
    return std::any_of(std::begin(list), std::end(list), [&](const char *e) { return extension == QLatin1String(e); });
}

QString contentTypeCheckBox(const QString &extension)
{
    for (const auto &type : kContentTypes)
        if (listed(type.extensions, extension))
            return QString::fromLatin1(type.checkBox);
    return {};
}

} // namespace

void FrmMain::loadSideBar()
{
    constexpr int picture1 = 3700;
    m_picture1->setFixedWidth(twipsToPixels(picture1));
    m_webBrowser->setFixedWidth(twipsToPixels(picture1 - 700));
    m_driveList->setFixedWidth(twipsToPixels(picture1 - 1600));
    for (QWidget *w : {static_cast<QWidget *>(m_frame1), static_cast<QWidget *>(m_frame2),
                       static_cast<QWidget *>(m_webBrowser), static_cast<QWidget *>(m_dir1),
                       static_cast<QWidget *>(m_fileList), static_cast<QWidget *>(m_driveList)})
        w->setVisible(true);
    m_webBrowser->setFixedWidth(twipsToPixels(3400));
    m_frame1->setFixedWidth(twipsToPixels(240) > m_frame1->minimumSizeHint().width()
                                ? twipsToPixels(240)
                                : m_frame1->minimumSizeHint().width());
    m_frame2->setFixedWidth(twipsToPixels(3400));
    m_dir1->setFixedWidth(twipsToPixels(3400) - 24);
    m_fileList->setFixedWidth(twipsToPixels(3400) - 24);
    m_webBrowser->navigate(programPath(QStringLiteral("blank.htm")));
}

QStringList FrmMain::shownFolderFiles() const
{
    const QDir folder(m_listedFolder);
    if (!folder.isReadable())
        throw AppError(err::PermissionDenied, QStringLiteral("Permission denied"));
    QStringList names;
    // Files only, not subfolders, by name.
    for (const QFileInfo &file : folder.entryInfoList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase)) {
        const QString name = file.fileName();
        if (!m_listedWebOnly || listed(kWebFiles, getExtension(name).toLower()))
            names << name;
    }
    return names;
}

void FrmMain::Dir1_Change()
{
    try {
        // The drive list follows the folder (the home folder is one of its drives).
        selectDriveOfFolder();
        m_fileList->clear();
        m_listedWebOnly = action(QStringLiteral("mnuWebFilesOnly"))->isChecked();
        m_listedFolder = m_dir1->path();
        watchShownFolder();
        m_fileList->addItems(shownFolderFiles());
    } catch (const std::exception &e) {
        reportError(e, QStringLiteral("Dir1_Change"), kOwner);
    }
}

void FrmMain::watchShownFolder()
{
    if (!m_folderWatch->directories().isEmpty())
        m_folderWatch->removePaths(m_folderWatch->directories());
    m_folderWatch->addPath(m_listedFolder);
}

void FrmMain::refreshFileList()
{
    if (m_listedFolder.isEmpty())
        return;
    QStringList names;
    try {
        names = shownFolderFiles();
    } catch (const std::exception &) {
        // A folder that can no longer be read keeps the list it had; a click on a file then says what is missing.
        return;
    }
    QStringList shown;
    for (int i = 0; i < m_fileList->count(); ++i)
        shown << m_fileList->item(i)->text();
    if (names == shown)
        return;
    const QString picked = m_fileList->currentItem() ? m_fileList->currentItem()->text() : QString();
    const int scrolled = m_fileList->verticalScrollBar()->value();
    // Refilled without a click: the file picked stays picked (nothing is opened), and the list where it was.
    m_fileList->clear();
    m_fileList->addItems(names);
    const qsizetype row = names.indexOf(picked);
    if (row >= 0)
        m_fileList->setCurrentRow(static_cast<int>(row));
    m_fileList->doItemsLayout();
    m_fileList->verticalScrollBar()->setValue(scrolled);
}

void FrmMain::fileWritten(const QString &path)
{
    if (!m_listedFolder.isEmpty() && QFileInfo(path).absoluteDir() == QDir(m_listedFolder))
        refreshFileList();
}

void FrmMain::DriveList_Change()
{
    const QString drive = m_driveList->currentData().toString();
    try {
        // A drive whose root cannot be reached has no medium in it.
        if (!QFileInfo(drive).isDir() || !QStorageInfo(drive).isReady())
            throw AppError(err::DeviceUnavailable, QStringLiteral("Device unavailable"));
        m_dir1->setPath(drive);
    } catch (const AppError &e) {
        if (e.number == err::DeviceUnavailable)
            msgBox(QStringLiteral("No Disk In Drive ") + m_driveList->currentText());
        selectDriveOfFolder();
    } catch (const std::exception &) {
        selectDriveOfFolder();
    }
}

void FrmMain::selectDriveOfFolder()
{
    QStringList drives;
    for (int i = 0; i < m_driveList->count(); ++i)
        drives << m_driveList->itemData(i).toString();
    m_driveList->setCurrentIndex(static_cast<int>(drives.indexOf(driveOf(drives, m_dir1->path()))));
}

void FrmMain::mnuWebFilesOnly_Click()
{
    // The menu entry ticks and unticks itself; the list follows at the next change of folder.
}

void FrmMain::FileList_Click()
{
    // Every step runs, whatever failed before it.
    auto step = [this](auto &&work) {
        try {
            work();
        } catch (...) {
            dontValidate = false;
        }
    };
    dontValidate = true;
    QString extension;
    step([&] {
        const QListWidgetItem *item = m_fileList->currentItem();
        fileListFileName = item ? item->text() : QString();
        extension = getExtension(fileListFileName).toLower();
    });
    step([&] { fileListFilePath = QDir(m_dir1->path()).filePath(fileListFileName); });
    step([&] {
        if (extension == QLatin1String(".xml")) {
            m_lblFileName->setText(fileListFileName);
            m_webBrowser->navigate(fileListFilePath);
            openSelectedFile(false, fileListFilePath, false);
        } else if (extension == QLatin1String(".tsm")) {
            openTemplate(fileListFilePath);
        } else {
            if (listed(kPreviewed, extension)) {
                m_webBrowser->navigate(fileListFilePath);
                m_lblFileName->setText(fileListFileName);
            }
            passData(extension);
        }
    });
    dontValidate = false;
}

void FrmMain::passData(const QString &fileType)
{
    try {
        const QString name = getDefaultTemplate();
        if (!fileExists(templatePath(name))) {
            msgBox(QStringLiteral("No default template defined"));
            return;
        }
        // The record is the default template's and the file's alone, in whichever editor the user keeps.
        MetadataEditor &editor = recordFromDefaultTemplate(templatePath(name));
        const QFileInfo file(fileListFilePath);
        if (!file.isFile())
            throw AppError(err::PathFileAccess, QStringLiteral("Path/File access error"));
        const QString size = QString::number(file.size());
        const QString checkBox = contentTypeCheckBox(fileType);
        if (!checkBox.isEmpty())
            editor.tickCheckBox(checkBox);
        editor.putFieldText(QStringLiteral("txtSize"), size);
        for (const char *field : {"titleText", "courseDescription", "locationText"})
            editor.putFieldText(QString::fromLatin1(field), fileListFileName);
        m_lblCurFile->setText(fileListFileName);
    } catch (const AppError &e) {
        if (e.number == err::PathFileAccess)
            msgBox(QStringLiteral("Error in passData of frmMain"), Buttons::Ok, Icon::Information,
                   QStringLiteral("File not found."));
    } catch (const std::exception &) {
        // Any other failure ends the hand-over where it happened.
    }
}

void FrmMain::Frame1_Click() { frmBrowser().showWindow(); }

void FrmMain::imgSlider_Click()
{
    QWidget *const controls[] = {m_picture1, m_frame1, m_frame2, m_webBrowser, m_dir1, m_fileList, m_driveList};
    const bool open = m_picture1->width() > twipsToPixels(300);
    if (open) {
        for (int i = 0; i < 7; ++i)
            m_foldedWidths[i] = controls[i]->width();
        m_picture1->setFixedWidth(twipsToPixels(15));
    } else {
        for (int i = 0; i < 7; ++i)
            controls[i]->setFixedWidth(m_foldedWidths[i]);
    }
    for (int i = 1; i < 7; ++i)
        controls[i]->setVisible(!open);
    // The slider stays at the top of the window, pointing the way the pane will move.
    m_imgSlider->setText(open ? QStringLiteral("\u203A") : QStringLiteral("\u2039"));
}

} // namespace ts

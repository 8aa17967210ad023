#include "frmopenfolder.h"
#include "folderlist.h"

#include "platform/dialogs.h"
#include "shared/apperror.h"
#include "shared/fileutil.h"

#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QStorageInfo>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace ts::batch {

namespace {

QPointer<FrmOpenFolder> g_picker;

// A failure of the folder buttons, as the picker reports it: the number, two blanks and the description.
void reportFailure(const AppError &e) { msgBox(QString::number(e.number) + QStringLiteral("  ") + e.description); }

// A name typed for a folder: refused as a bad file name when it may not become one.
void checkFolderName(const QString &name)
{
    QString reason;
    if (!isSafeFileName(name, &reason))
        throw AppError(err::BadFileName, QStringLiteral("Bad file name or number: ") + reason);
}

QToolButton *pictureButton(QWidget *parent, const char *name, const char *themeIcon, QStyle::StandardPixmap icon,
                           const QString &tip)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setIcon(QIcon::fromTheme(QLatin1String(themeIcon), parent->style()->standardIcon(icon)));
    button->setIconSize(QSize(32, 32));
    button->setToolTip(tip);
    button->setAutoRaise(true);
    return button;
}

} // namespace

FrmOpenFolder::FrmOpenFolder(QWidget *parent)
    : QDialog(parent), m_lstDrives(new QComboBox(this)), m_lstFolders(new FolderList(this)),
      m_lstFiles(new QListWidget(this))
{
    setObjectName(QStringLiteral("frmOpenFolder"));
    setWindowTitle(QStringLiteral("Select Course Directory"));
    auto *title = new QLabel(QStringLiteral("Look In:"), this);
    title->setObjectName(QStringLiteral("lblTitle"));
    m_lstDrives->setObjectName(QStringLiteral("lstDrives"));
    m_lstDrives->setMinimumWidth(180);
    m_lstFolders->setObjectName(QStringLiteral("lstFolders"));
    m_lstFiles->setObjectName(QStringLiteral("lstFiles"));
    m_lstFiles->setSelectionMode(QAbstractItemView::NoSelection);
    auto *newFolder = pictureButton(this, "imgNewFolder", "folder-new", QStyle::SP_FileDialogNewFolder,
                                    QStringLiteral("New Folder"));
    auto *rename = pictureButton(this, "imgRename", "edit-rename", QStyle::SP_FileDialogDetailedView,
                                 QStringLiteral("Rename Folder"));
    auto *remove = pictureButton(this, "imgDelete", "edit-delete", QStyle::SP_TrashIcon, QStringLiteral("Delete Folder"));
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOk"));
    ok->setDefault(true);

    auto *top = new QHBoxLayout;
    top->addWidget(title);
    top->addWidget(m_lstDrives, 1);
    top->addWidget(newFolder);
    top->addWidget(rename);
    top->addWidget(remove);
    auto *lists = new QHBoxLayout;
    lists->addWidget(m_lstFolders, 3);
    lists->addWidget(m_lstFiles, 2);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(ok);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(lists, 1);
    layout->addLayout(bottom);
    resize(520, 360);

    Form_Load();
    connect(m_lstDrives, &QComboBox::activated, this, &FrmOpenFolder::lstDrives_Change);
    connect(m_lstFolders, &FolderList::pathChanged, this, &FrmOpenFolder::lstFolders_Change);
    connect(ok, &QPushButton::clicked, this, &FrmOpenFolder::cmdOk_Click);
    connect(newFolder, &QToolButton::clicked, this, &FrmOpenFolder::imgNewFolder_Click);
    connect(rename, &QToolButton::clicked, this, &FrmOpenFolder::imgRename_Click);
    connect(remove, &QToolButton::clicked, this, &FrmOpenFolder::imgDelete_Click);
}

FrmOpenFolder::~FrmOpenFolder() = default;

void FrmOpenFolder::reject()
{
    if (g_picker == this)
        g_picker = nullptr;
    QDialog::reject();
    deleteLater();
}

void FrmOpenFolder::Form_Load()
{
    QStringList roots;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && QFileInfo(volume.rootPath()).isDir())
            roots << volume.rootPath();
    roots << QDir::rootPath();
    roots.removeDuplicates();
    roots.sort();
    m_lstDrives->addItems(roots);
    if (!m_lstFolders->setPath(QDir::currentPath()))
        m_lstFolders->setPath(QDir::rootPath());
    lstFolders_Change();
}

void FrmOpenFolder::showDriveOf(const QString &folder)
{
    const QString root = QStorageInfo(folder).rootPath();
    const QSignalBlocker quiet(m_lstDrives);
    if (m_lstDrives->findText(root) < 0)
        m_lstDrives->addItem(root);
    m_lstDrives->setCurrentText(root);
}

void FrmOpenFolder::lstDrives_Change()
{
    const QString drive = m_lstDrives->currentText();
    if (!m_lstFolders->setPath(drive)) {
        msgBox(QStringLiteral("Media missing. Insert media into drive ") + drive, Buttons::Ok, Icon::None,
               QStringLiteral("Device Unavailable"));
        return;
    }
    lstFolders_Change();
}

void FrmOpenFolder::lstFolders_Change()
{
    if (m_changing)
        return;
    m_changing = true;
    const QString folder = m_lstFolders->path();
    if (QDir::setCurrent(folder)) {
        m_lstFiles->clear();
        m_lstFiles->addItems(QDir(folder).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase));
        showDriveOf(folder);
    }
    m_changing = false;
}

void FrmOpenFolder::cmdOk_Click()
{
    selectedFolder() = m_lstFolders->highlighted();
    accept();
}

void FrmOpenFolder::imgNewFolder_Click()
{
    const QString name = inputBox(QStringLiteral("Select a name for the folder"), QStringLiteral("Folder Name"));
    if (name.isEmpty())
        return;
    const QString parent = m_lstFolders->highlighted();
    if (parent.isEmpty())
        return;
    try {
        checkFolderName(name);
        const QString folder = QDir(parent).filePath(name);
        if (QFileInfo::exists(folder))
            throw AppError(err::PathFileAccess, QStringLiteral("Path/File access error: %1 already exists").arg(folder));
        if (!QDir(parent).mkdir(name))
            throw AppError(err::PathFileAccess,
                           QStringLiteral("Path/File access error: %1 could not be created").arg(folder));
    } catch (const AppError &e) {
        reportFailure(e);
    }
    m_lstFolders->refresh();
}

void FrmOpenFolder::imgRename_Click()
{
    const QString name = inputBox(QStringLiteral("Folder Name:"), QStringLiteral("Folder Name"));
    if (name.isEmpty())
        return;
    try {
        checkFolderName(name);
        const QString source = m_lstFolders->highlighted();
        fileFunc().RenameFile(source, QDir(QFileInfo(source).path()).filePath(name), 0);
    } catch (const AppError &e) {
        reportFailure(e);
    }
    m_lstFolders->refresh();
}

void FrmOpenFolder::imgDelete_Click()
{
    const QString folder = m_lstFolders->highlighted();
    if (!folder.isEmpty())
        fileFunc().DeleteFile(folder, true, 0);
    m_lstFolders->refresh();
}

clsFileFunc &FrmOpenFolder::fileFunc()
{
    if (!m_fileFunc)
        m_fileFunc = std::make_unique<clsFileFunc>();
    return *m_fileFunc;
}

FrmOpenFolder &frmOpenFolder()
{
    if (!g_picker)
        g_picker = new FrmOpenFolder;
    return *g_picker;
}

bool frmOpenFolderLoaded() { return !g_picker.isNull(); }

QString &selectedFolder()
{
    static QString folder;
    return folder;
}

QString openFolder(bool isModal, int returnString, const QString &message, bool)
{
    bool left = false;
    if (isModal)
        left = frmOpenFolder().exec() == QDialog::Rejected;
    else
        frmOpenFolder().show();
    if (returnString == 2)
        selectedFolder() = selectedFolder().section(QLatin1Char('/'), -1);
    else if (returnString != 1)
        msgBox(QStringLiteral("returnString parameter missing in openFolder"));
    if (!message.isEmpty())
        msgBox(message);
    return left ? QString() : selectedFolder();
}

} // namespace ts::batch

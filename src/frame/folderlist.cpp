#include "folderlist.h"

#include "shared/apperror.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <QStyle>

namespace ts {

FolderList::FolderList(QWidget *parent) : QListWidget(parent)
{
    connect(this, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) {
        const QString folder = item->data(Qt::UserRole).toString();
        // A folder removed since the list was filled stays where it was.
        if (!QFileInfo(folder).isDir())
            return;
        const bool again = QDir(folder).absolutePath() == m_path;
        setPath(folder);
        if (again)
            emit reopened();
    });
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        if (item->data(Qt::UserRole).toString() == m_path)
            emit reopened();
    });
}

void FolderList::setPath(const QString &path)
{
    if (!QFileInfo(path).isDir())
        throw AppError(err::PathNotFound, QStringLiteral("Path not found"));
    const QString folder = QDir(path).absolutePath();
    const bool changed = folder != m_path;
    m_path = folder;
    fill();
    if (changed)
        emit pathChanged();
}

void FolderList::startAt(const QString &path)
{
    m_path = QDir(path).absolutePath();
    fill();
}

void FolderList::fill()
{
    clear();
    QStringList chain;
    for (QDir dir(m_path);; ) {
        chain.prepend(dir.absolutePath());
        if (dir.isRoot() || !dir.cdUp())
            break;
    }
    for (int depth = 0; depth < chain.size(); ++depth) {
        const QString &folder = chain.at(depth);
        addFolder(folder, depth == 0 ? folder : QFileInfo(folder).fileName(), depth, true);
    }
    setCurrentRow(static_cast<int>(chain.size()) - 1);
    const QFileInfoList subfolders =
        QDir(m_path).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &sub : subfolders)
        addFolder(sub.absoluteFilePath(), sub.fileName(), static_cast<int>(chain.size()), false);
}

void FolderList::addFolder(const QString &path, const QString &name, int depth, bool open)
{
    auto *item = new QListWidgetItem(
        style()->standardIcon(open ? QStyle::SP_DirOpenIcon : QStyle::SP_DirClosedIcon),
        QString(depth * 2, QLatin1Char(' ')) + name, this);
    item->setData(Qt::UserRole, path);
}

QStringList driveRoots()
{
    QStringList roots{QDir::homePath()};
    static const char *const pseudo[] = {"tmpfs", "devtmpfs", "proc", "sysfs", "devpts", "squashfs"};
    static const char *const system[] = {"/proc", "/sys", "/dev", "/run", "/boot", "/snap"};
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady())
            continue;
        const QString type = QString::fromLatin1(volume.fileSystemType());
        const QString root = volume.rootPath();
        if (std::any_of(std::begin(pseudo), std::end(pseudo), [&](const char *p) { return type == QLatin1String(p); }))
            continue;
        if (std::any_of(std::begin(system), std::end(system), [&](const char *s) {
                return root == QLatin1String(s) || root.startsWith(QLatin1String(s) + QLatin1Char('/'));
            }))
            continue;
        if (!roots.contains(root))
            roots << root;
    }
    return roots;
}

QString driveOf(const QStringList &drives, const QString &path)
{
    QString best;
    for (const QString &drive : drives) {
        const bool holds = path == drive || drive == QLatin1String("/") ||
                           path.startsWith(drive.endsWith(QLatin1Char('/')) ? drive : drive + QLatin1Char('/'));
        if (holds && drive.size() > best.size())
            best = drive;
    }
    return best;
}

} // namespace ts

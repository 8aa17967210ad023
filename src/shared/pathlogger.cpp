#include "pathlogger.h"

#include <QDir>
#include <QFileInfo>

namespace ts {

void PathLogger::dropCollections()
{
    m_pathNames = {};
    m_fileNames = {};
    m_fullFileNames = {};
    m_pathPointers = {};
}

void PathLogger::PathLogInit()
{
    m_ready = true;
    m_fullFileNamesOnly = true;
    dropCollections();
}

void PathLogger::Terminate()
{
    m_ready = false;
    dropCollections();
}

QString PathLogger::addSeparator(const QString &fullPath) const
{
    return fullPath.endsWith(m_options.separator) ? fullPath : fullPath + m_options.separator;
}

void PathLogger::LogPath(const QString &strPARENT)
{
    try {
        walk(strPARENT);
    } catch (const AppError &) {
        if (!m_options.endQuietlyOnError)
            throw;
    }
}

void PathLogger::walk(const QString &strPARENT)
{
    if (!m_ready)
        throw AppError(err::ObjectNotSet, QStringLiteral("Object variable or With block variable not set"));
    if (strPARENT.isEmpty() || !QFileInfo(strPARENT).isDir())
        return;
    qint32 folderCount = 1;
    qint32 current = 1;
    m_fileCounter = 1;
    m_pathNames.add(QStringLiteral("K0"), addSeparator(strPARENT));
    // The platform's path of each folder of pathNames, at the same position.
    QStringList folders{strPARENT};
    while (current <= folderCount) {
        const QString folder = m_pathNames.item(current);
        const QDir dir(folders.at(current - 1));
        QStringList subfolders;
        QStringList files;
        listFolder(dir.path(), subfolders, files);
        for (const QString &name : subfolders) {
            ++folderCount;
            m_pathNames.add(QStringLiteral("K%1").arg(folderCount), folder + name + m_options.separator);
            folders << dir.filePath(name);
        }
        for (const QString &name : files) {
            const QString key = QStringLiteral("K%1").arg(m_fileCounter);
            if (!m_fullFileNamesOnly) {
                m_fileNames.add(key, name);
                m_fullFileNames.add(key, folder + name);
                m_pathPointers.add(key, current);
            } else {
                m_fullFileNames.add(key, folder + name);
            }
            ++m_fileCounter;
        }
        ++current;
    }
}

void PathLogger::listFolder(const QString &folder, QStringList &subfolders, QStringList &files) const
{
    const QFileInfo info(folder);
    if (!info.isDir())
        throw AppError(err::PathNotFound, QStringLiteral("Path not found"));
    if (!info.isReadable() || !info.isExecutable())
        throw AppError(err::PermissionDenied, QStringLiteral("Permission denied"));
    const QDir dir(folder);
    const QDir::SortFlags order = QDir::Name | QDir::IgnoreCase;
    // A linked folder is not followed: a link back up the tree would make the walk endless.
    subfolders = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::NoSymLinks, order);
    files = dir.entryList(QDir::Files | QDir::Hidden, order);
}

} // namespace ts

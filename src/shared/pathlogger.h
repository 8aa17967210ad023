#pragma once
// The folder walker: lists every file below a folder, breadth-first, the folder's own files first, then
// those of its subfolders in the order they were found, then those one level deeper, and so on. One object
// serves one listing: PathLogInit, LogPath once, then Count and the collection wanted.

#include "keyedcollection.h"

#include <QString>
#include <QStringList>

namespace ts {

class PathLogger {
public:
    struct Options {
        // Ends every folder path and joins folder and name in the collected paths. The file system is
        // reached through the platform's own form of each path whatever the separator.
        QChar separator = QLatin1Char('/');
        // An error during the walk ends it quietly, keeping what was collected, instead of reaching the
        // caller (the converter's way).
        bool endQuietlyOnError = false;
    };
    // The converter's form of the walker.
    static Options lomshiftOptions() { return {QLatin1Char('/'), true}; }

    PathLogger() = default;
    explicit PathLogger(Options options) : m_options(options) {}
    virtual ~PathLogger() = default;

    // Prepares one listing: switches fullFileNamesOnly on and drops the collections. Count is kept.
    void PathLogInit();
    // Walks the folder. A folder that does not exist changes nothing. Errors: 91 without PathLogInit
    // (before it, or after Terminate), 457 for a second walk without PathLogInit, and the file system's
    // error for a folder that cannot be read; what was collected before an error stays.
    void LogPath(const QString &strPARENT);
    // The number of files found plus one after a walk of an existing folder; 0 before any.
    qint32 Count() const { return m_fileCounter; }
    // Drops the collections; fullFileNamesOnly and Count keep their values.
    void Terminate();

    // When true only fullFileNames is filled.
    bool fullFileNamesOnly() const { return m_fullFileNamesOnly; }
    void setFullFileNamesOnly(bool on) { m_fullFileNamesOnly = on; }

    // The folders walked, each ending in the separator, the start folder first (keys "K0", "K2", "K3"...).
    KeyedCollection<QString> pathNames() const { return m_pathNames; }
    // Per file, under the keys "K1", "K2"...: its bare name, its folder path and name, and the position in
    // pathNames of its folder.
    KeyedCollection<QString> fileNames() const { return m_fileNames; }
    KeyedCollection<QString> fullFileNames() const { return m_fullFileNames; }
    KeyedCollection<qint32> pathPointers() const { return m_pathPointers; }

protected:
    // The names of the subfolders and of the files of a folder, each sorted by name. Throws the file
    // system's error when the folder cannot be read.
    virtual void listFolder(const QString &folder, QStringList &subfolders, QStringList &files) const;

private:
    void walk(const QString &strPARENT);
    QString addSeparator(const QString &fullPath) const;
    void dropCollections();

    Options m_options;
    bool m_ready = false; // PathLogInit was called since the object was made or terminated
    bool m_fullFileNamesOnly = false;
    qint32 m_fileCounter = 0;
    KeyedCollection<QString> m_pathNames;
    KeyedCollection<QString> m_fileNames;
    KeyedCollection<QString> m_fullFileNames;
    KeyedCollection<qint32> m_pathPointers;
};

} // namespace ts

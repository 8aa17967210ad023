#pragma once
// The facts about one content file that its metadata file is filled with, and where each listed file's
// metadata file goes. No widgets.

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace ts::batch {

struct FileInfo {
    QString baseName;  // the file name up to its last dot, inner dots kept; the whole name without an extension
    QString extension; // from the last dot of the file name, dot included; empty without one
    QString date;      // last modification, local time, YYYY-MM-DD
    QString size;      // bytes, decimal
    QString location;  // the full path as listed
};

// The extension of a file name: from its last dot to the end, dot included. A dot that begins the name (a
// hidden file such as ".profile") starts no extension; a dot in a folder name never counts.
QString getExtension(const QString &path);
// The file name without that extension.
QString getBaseName(const QString &path);
// The facts about a listed file; no value, and the reason, when it cannot be inspected.
std::optional<FileInfo> getFileInfo(const QString &path, QString *reason = nullptr);
// "graphic", "audio" or "text", by the extension without its dot (exact comparison).
QString getMediaType(const QString &extension);

// The values written into a metadata file.
QString titleText(const FileInfo &info);   // "sunset GIF"
QString keywordText(const FileInfo &info); // "sunset.gif"
QString formatText(const FileInfo &info);  // "graphic/gif"
QString outputFileName(const FileInfo &info); // "sunset.xml"

// One listed file and the metadata file it gets, or why it gets none.
struct PlannedFile {
    QString source;
    QString output;  // the metadata file's path; empty when refused
    QString refusal; // a line for the user naming the file and the reason; empty when it goes ahead
};

// Where each listed file's metadata file goes in the target folder. Refused: a file whose metadata file
// would have a name that may not become a file name, every file of a group whose metadata files would
// share one path (a file listed twice is one file), and a file whose metadata file would replace a listed
// file or the protected one (the template the run reads).
QList<PlannedFile> planOutputs(const QStringList &sources, const QString &targetFolder,
                               const QString &protectedFile = {});

} // namespace ts::batch

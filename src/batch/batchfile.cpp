#include "batchfile.h"

#include "shared/fileutil.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>

namespace ts::batch {

namespace {

// The media types by extension, tested in this order; every other extension is "text".
const struct {
    const char *type;
    const char *extensions[11];
} kMediaTypes[] = {
    {"graphic", {"jpeg", "gif", "bmp", "png", "jpg", "tif"}},
    {"audio", {"mpeg", "mpg", "mpeg2", "wav", "au", "mpa", "mp2", "gsm", "vmf", "ra", "vox"}},
};

// The position of the dot that starts the extension of the file name; -1 without one.
qsizetype extensionDot(const QString &fileName)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? dot : -1;
}

QString cleanAbsolute(const QString &path) { return QDir::cleanPath(QFileInfo(path).absoluteFilePath()); }

// Two paths name one file when this is the same for both: the file a path leads to once links are
// followed, or where it would be.
QString identity(const QString &path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? cleanAbsolute(path) : canonical;
}

} // namespace

QString getExtension(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = extensionDot(name);
    return dot < 0 ? QString() : name.mid(dot);
}

QString getBaseName(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = extensionDot(name);
    return dot < 0 ? name : name.left(dot);
}

std::optional<FileInfo> getFileInfo(const QString &path, QString *reason)
{
    const QFileInfo file(path);
    if (!file.isFile()) {
        if (reason)
            *reason = file.exists() ? QStringLiteral("It is not a file.") : QStringLiteral("It does not exist.");
        return std::nullopt;
    }
    FileInfo info;
    info.size = QString::number(file.size());
    info.date = file.lastModified().toLocalTime().date().toString(QStringLiteral("yyyy-MM-dd"));
    info.extension = getExtension(path);
    info.baseName = getBaseName(path);
    info.location = path;
    return info;
}

QString getMediaType(const QString &extension)
{
    for (const auto &group : kMediaTypes)
        for (const char *e : group.extensions)
            if (e && extension == QLatin1String(e))
                return QString::fromLatin1(group.type);
    return QStringLiteral("text");
}

QString titleText(const FileInfo &info)
{
    const QString kind = info.extension.toUpper().remove(QLatin1Char('.'));
    return kind.isEmpty() ? info.baseName : info.baseName + QLatin1Char(' ') + kind;
}

QString keywordText(const FileInfo &info) { return info.baseName + info.extension; }

QString formatText(const FileInfo &info)
{
    const QString bare = QString(info.extension).remove(QLatin1Char('.'));
    return getMediaType(bare) + QLatin1Char('/') + bare;
}

QString outputFileName(const FileInfo &info) { return info.baseName + QStringLiteral(".xml"); }

QList<PlannedFile> planOutputs(const QStringList &sources, const QString &targetFolder, const QString &protectedFile)
{
    QList<PlannedFile> plan;
    QHash<QString, QString> listed; // identity -> a listed path of that file
    for (const QString &source : sources)
        listed.insert(identity(source), source);
    QHash<QString, QStringList> byOutput; // output identity -> the listed files bound for it
    QList<QString> outputIds;
    for (const QString &source : sources) {
        PlannedFile p{source, {}, {}};
        FileInfo info;
        info.baseName = getBaseName(source);
        const QString name = outputFileName(info);
        QString reason;
        if (!isSafeFileName(name, &reason)) {
            p.refusal = QStringLiteral("%1: its metadata file cannot be named \"%2\". %3").arg(source, name, reason);
        } else {
            p.output = cleanAbsolute(QDir(targetFolder).filePath(name));
            const QString id = identity(p.output);
            if (listed.contains(id))
                p.refusal = QStringLiteral("%1: its metadata file would replace %2, which is listed.")
                                .arg(source, listed.value(id));
            else if (!protectedFile.isEmpty() && id == identity(protectedFile))
                p.refusal = QStringLiteral("%1: its metadata file would replace the template %2.")
                                .arg(source, protectedFile);
            QStringList &group = byOutput[id];
            if (!group.contains(listed.value(identity(source))))
                group << listed.value(identity(source));
            outputIds << id;
        }
        if (p.output.isEmpty())
            outputIds << QString();
        plan << p;
    }
    // Files bound for one metadata file: none of them is written.
    for (qsizetype i = 0; i < plan.size(); ++i) {
        PlannedFile &p = plan[i];
        const QStringList &group = byOutput.value(outputIds.at(i));
        if (!p.refusal.isEmpty() || group.size() < 2)
            continue;
        QStringList others = group;
        others.removeAll(listed.value(identity(p.source)));
        p.refusal = QStringLiteral("%1: its metadata file %2 would also be written for %3.")
                        .arg(p.source, p.output, others.join(QStringLiteral(", ")));
    }
    for (PlannedFile &p : plan)
        if (!p.refusal.isEmpty())
            p.output.clear();
    return plan;
}

} // namespace ts::batch

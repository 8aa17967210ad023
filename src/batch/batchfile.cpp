#include "batchfile.h"

#include "shared/fileutil.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>

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
    QHash<QString, QString> listed; // each listed file once, as it was first listed
    for (const QString &source : sources)
        if (!listed.contains(identity(source)))
            listed.insert(identity(source), source);
    QList<PlannedFile> plan;
    QStringList targets;                // per listed file, where its metadata file goes; empty when refused by name
    QHash<QString, QStringList> bound; // per target, the listed files bound for it
    for (const QString &source : sources) {
        PlannedFile p{source, {}, {}};
        QString target;
        FileInfo info;
        info.baseName = getBaseName(source);
        const QString name = outputFileName(info);
        QString reason;
        if (!isSafeFileName(name, &reason)) {
            p.refusal = QStringLiteral("%1: its metadata file cannot be named \"%2\". %3").arg(source, name, reason);
        } else {
            p.output = cleanAbsolute(QDir(targetFolder).filePath(name));
            target = identity(p.output);
            const QString file = listed.value(identity(source));
            if (!bound[target].contains(file))
                bound[target] << file;
            if (listed.contains(target))
                p.refusal = QStringLiteral("%1: its metadata file would replace %2, which is listed.")
                                .arg(source, listed.value(target));
            else if (!protectedFile.isEmpty() && target == identity(protectedFile))
                p.refusal = QStringLiteral("%1: its metadata file would replace the template %2.")
                                .arg(source, protectedFile);
        }
        plan << p;
        targets << target;
    }
    for (qsizetype i = 0; i < plan.size(); ++i) {
        PlannedFile &p = plan[i];
        QStringList others = bound.value(targets.at(i));
        others.removeAll(listed.value(identity(p.source)));
        if (p.refusal.isEmpty() && !others.isEmpty())
            p.refusal = QStringLiteral("%1: its metadata file %2 would also be written for %3.")
                            .arg(p.source, p.output, others.join(QStringLiteral(", ")));
        if (!p.refusal.isEmpty())
            p.output.clear();
    }
    return plan;
}

} // namespace ts::batch

#include "run.h"

#include "platform/textfile.h"
#include "shared/fileutil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace ts::lomshift {

namespace {

QString native(const QString &path) { return QDir::toNativeSeparators(path); }

QString sameFile(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

// Writes over a source: a backup first, then the new text; a failed write leaves the source and takes the
// backup away again.
bool writeOverSource(const QString &source, const QString &text, FileOutcome &outcome)
{
    const QString backup = backupPathFor(source);
    QString reason;
    if (!copyFileChecked(source, backup, &reason)) {
        outcome.failure = QStringLiteral("No backup of it could be made (%1): %2").arg(native(backup), reason);
        return false;
    }
    if (!writeTextFile(source, text, &reason)) {
        QFile::remove(backup);
        outcome.failure = QStringLiteral("It could not be written over: %1").arg(reason);
        return false;
    }
    outcome.written << source;
    return true;
}

} // namespace

bool RunReport::complete() const
{
    for (const FileOutcome &f : files)
        if (!f.failure.isEmpty() || !f.keptDates.isEmpty() || !f.leftOut.isEmpty() || !f.readNotice.isEmpty())
            return false;
    return true;
}

QString RunReport::problemsText() const
{
    bool anyWritten = false;
    QStringList lines;
    for (const FileOutcome &f : files) {
        anyWritten = anyWritten || !f.written.isEmpty();
        if (!f.readNotice.isEmpty())
            lines << f.readNotice;
        QStringList buts;
        if (!f.keptDates.isEmpty())
            buts << QStringLiteral("these values were left as they were, being no date: ") +
                        f.keptDates.join(QStringLiteral(", "));
        if (!f.leftOut.isEmpty())
            buts << QStringLiteral("left out: ") + f.leftOut.join(QStringLiteral(", "));
        if (!f.failure.isEmpty())
            lines << QStringLiteral("%1: not converted. %2").arg(native(f.source), f.failure);
        else if (!buts.isEmpty())
            lines << QStringLiteral("%1: converted, but %2").arg(native(f.source), buts.join(QStringLiteral("; ")));
    }
    const QString head = anyWritten ? QStringLiteral("Metadata Created but process had errors.\r"
                                                     "Your data may not be converted correctly.")
                                    : QStringLiteral("No file was converted.");
    return head + QStringLiteral("\r\r") + lines.join(QLatin1Char('\r'));
}

QString backupPathFor(const QString &source)
{
    QString path = source + QStringLiteral(".bak");
    for (int n = 2; QFileInfo::exists(path) || QFileInfo(path).isSymLink(); ++n)
        path = source + QStringLiteral(".bak%1").arg(n);
    return path;
}

RunReport runConversion(Converter &converter, const QStringList &files, const Target &target)
{
    RunReport report;
    QSet<QString> seen;
    QSet<QString> writtenToFolder;
    for (const QString &file : files) {
        const QString source = sameFile(file);
        if (seen.contains(source))
            continue;
        seen.insert(source);
        FileOutcome outcome;
        outcome.source = file;
        const Conversion conversion = converter.doConversion(file);
        outcome.keptDates = conversion.keptDates;
        outcome.leftOut = conversion.leftOut;
        outcome.readNotice = conversion.readNotice;
        if (!conversion.converted()) {
            outcome.failure = conversion.failure;
            report.files << outcome;
            continue;
        }
        QString text = withCrLf(conversion.text);
        if (!text.endsWith(QLatin1String("\r\n")))
            text += QStringLiteral("\r\n");
        if (target.overwriteOriginals && !writeOverSource(file, text, outcome)) {
            report.files << outcome;
            continue;
        }
        if (target.toFolder) {
            const QString path = QDir(target.folder).filePath(getFileName(file));
            const QString key = sameFile(path);
            QString reason;
            if (writtenToFolder.contains(key)) {
                outcome.failure = QStringLiteral("A file of the same name was already written to %1 in this run; "
                                                 "it was not overwritten.")
                                      .arg(native(target.folder));
            } else if (key == source) {
                // The chosen folder is the source's own: the same as writing over it.
                if (target.overwriteOriginals || writeOverSource(file, text, outcome))
                    writtenToFolder.insert(key);
            } else if (writeTextFile(path, text, &reason)) {
                outcome.written << path;
                writtenToFolder.insert(key);
            } else {
                outcome.failure = QStringLiteral("%1 could not be written: %2").arg(native(path), reason);
            }
        }
        report.files << outcome;
    }
    return report;
}

} // namespace ts::lomshift

#include "fileutil.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFileInfo>

namespace ts {

bool fileExists(const QString &path) { return !path.isEmpty() && QFileInfo(path).isFile(); }

bool createBlankFile(const QString &path) { return writeTextFile(path, QStringLiteral("\r\n")); }

std::optional<QString> tooLargeToOpen(const QString &path, const QString &shownAs)
{
    const qint64 size = QFileInfo(path).size();
    if (size <= kMaxOpenBytes)
        return std::nullopt;
    return QStringLiteral("%1 is too large to open (%2 MB). Files of up to 10 MB are opened.")
        .arg(QDir::toNativeSeparators(shownAs.isEmpty() ? path : shownAs),
             QString::number(size / (1024.0 * 1024.0), 'f', 1));
}

QString getFileName(const QString &path)
{
    const qsizetype slash = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(slash + 1);
}

QString getExtension(const QString &nameOrPath)
{
    // Only the last component of a path: a dot in a folder's name is no extension of the file.
    const QString name = getFileName(nameOrPath);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot);
}

std::optional<double> convertToBytes(double amount, const QString &unit)
{
    if (unit == QLatin1String("kb"))
        return amount * 1024;
    if (unit == QLatin1String("mb"))
        return (amount * 1024) * 1024;
    if (unit == QLatin1String("gb"))
        return amount * 1073741824.0;
    return std::nullopt;
}

bool isSafeFileName(const QString &name, QString *reason)
{
    auto refuse = [reason](const char *why) {
        if (reason)
            *reason = QString::fromLatin1(why);
        return false;
    };
    if (name.trimmed().isEmpty())
        return refuse("The name is empty.");
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return refuse("The name may not contain \"/\" or \"\\\".");
    if (name.contains(QLatin1String("..")))
        return refuse("The name may not contain \"..\".");
    for (const QChar c : name)
        if (c.category() == QChar::Other_Control)
            return refuse("The name may not contain control characters.");
    return true;
}

} // namespace ts

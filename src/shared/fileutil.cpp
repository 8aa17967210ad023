#include "fileutil.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

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

namespace {

// The characters that turn the direction of the text that follows them: the marks, embeddings, overrides
// and isolates of the bidirectional algorithm.
bool turnsDirection(char16_t c)
{
    return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

// Where a cut at pos would fall inside a surrogate pair, the position before the pair.
qsizetype outsidePair(const QString &text, qsizetype pos)
{
    return pos > 0 && pos < text.size() && text.at(pos).isLowSurrogate() ? pos - 1 : pos;
}

} // namespace

bool canBeFilePath(const QString &path)
{
    constexpr qsizetype kMaxPathBytes = 4096;
    constexpr qsizetype kMaxNameBytes = 255;
    if (path.trimmed().isEmpty() || path.toUtf8().size() > kMaxPathBytes)
        return false;
    for (qsizetype i = 0; i < path.size(); ++i) {
        const QChar c = path.at(i);
        if (c.isHighSurrogate() && i + 1 < path.size() && path.at(i + 1).isLowSurrogate()) {
            ++i;
            continue;
        }
        const QChar::Category category = c.category();
        if (category == QChar::Other_Control || category == QChar::Other_Surrogate ||
            category == QChar::Separator_Line || category == QChar::Separator_Paragraph ||
            turnsDirection(c.unicode()) || c == QChar::ReplacementCharacter)
            return false;
    }
    for (const QString &name : path.split(QRegularExpression(QStringLiteral("[/\\\\]"))))
        if (name.toUtf8().size() > kMaxNameBytes)
            return false;
    return true;
}

QString shortenedFileName(const QString &name)
{
    // About one line of a box, most of it for the end, where the file's own name stands.
    constexpr qsizetype kShown = 120;
    constexpr qsizetype kHead = 40;
    if (name.size() <= kShown)
        return name;
    const qsizetype headEnd = outsidePair(name, kHead);
    const qsizetype tailStart = outsidePair(name, name.size() - (kShown - kHead - 1));
    return name.left(headEnd) + QStringLiteral("\u2026") + name.mid(tailStart);
}

} // namespace ts

#include "readerduration.h"

#include <QRegularExpression>

namespace ts::reader12 {

namespace {

QString twoDigits(qint64 n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

} // namespace

std::optional<QStringList> isoDurationParts(const QString &text)
{
    // Up to nine digits a number: the sums below stay in range.
    static const QRegularExpression re(QStringLiteral(
        "^P(?:(\\d{1,9})Y)?(?:(\\d{1,9})M)?(?:(\\d{1,9})W)?(?:(\\d{1,9})D)?"
        "(?:T(?:(\\d{1,9})H)?(?:(\\d{1,9})M)?(?:(\\d{1,9})(?:[.,]\\d+)?S)?)?$"));
    const QString t = text.trimmed();
    const QRegularExpressionMatch m = re.match(t);
    if (!m.hasMatch() || t == QLatin1String("P") || t.endsWith(QLatin1Char('T')))
        return std::nullopt;
    auto number = [&m](int group) { return m.captured(group).isEmpty() ? 0 : m.captured(group).toLongLong(); };
    if (number(1) != 0 || number(2) != 0)
        return std::nullopt;
    const qint64 hours = number(3) * 7 * 24 + number(4) * 24 + number(5);
    const qint64 total = hours * 3600 + number(6) * 60 + number(7);
    return QStringList{twoDigits(total / 3600), twoDigits(total / 60 % 60), twoDigits(total % 60)};
}

std::optional<QStringList> durationParts(const QString &text)
{
    if (text.contains(QLatin1Char(':')))
        return text.split(QLatin1Char(':')).mid(0, 3);
    return isoDurationParts(text);
}

} // namespace ts::reader12

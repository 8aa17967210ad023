#include "duration2004.h"

#include <QRegularExpression>

namespace ts {

std::optional<DurationParts> splitDuration(const QString &text)
{
    // ISO 8601 durations: PnYnMnDTnHnMnS with any part left out (at least one present, a "T" only before a
    // time part), the smallest part may carry a fraction; or PnW.
    static const QRegularExpression full(QStringLiteral(
        "^P(?:(\\d+)Y)?(?:(\\d+)M)?(?:(\\d+)D)?(?:T(?:(\\d+)H)?(?:(\\d+)M)?(?:(\\d+(?:[.,]\\d+)?)S)?)?$"));
    static const QRegularExpression weeks(QStringLiteral("^P(\\d+)W$"));
    const QString t = text.trimmed();
    if (const auto w = weeks.match(t); w.hasMatch()) {
        bool ok = false;
        const qlonglong n = w.captured(1).toLongLong(&ok);
        if (!ok || n > 1000000)
            return std::nullopt;
        DurationParts parts;
        parts.days = QString::number(n * 7);
        return parts;
    }
    const auto m = full.match(t);
    if (m.hasMatch() && t != QLatin1String("P") && !t.endsWith(QLatin1Char('T')))
        return DurationParts{m.captured(1), m.captured(2), m.captured(3), m.captured(4), m.captured(5),
                             m.captured(6)};
    // Older files hold all six parts with the "T" or the final "S" left out ("P01Y02M03D04H05M06").
    static const QRegularExpression sixParts(
        QStringLiteral("^P(\\d+)Y(\\d+)M(\\d+)DT?(\\d+)H(\\d+)M(\\d+(?:[.,]\\d+)?)S?$"));
    if (const auto six = sixParts.match(t); six.hasMatch())
        return DurationParts{six.captured(1), six.captured(2), six.captured(3), six.captured(4), six.captured(5),
                             six.captured(6)};
    return std::nullopt;
}

QString composeDuration(DurationParts &parts)
{
    for (QString *p : {&parts.years, &parts.months, &parts.days, &parts.hours, &parts.minutes, &parts.seconds})
        if (p->isEmpty())
            *p = QStringLiteral("00");
    return QLatin1Char('P') + parts.years + QLatin1Char('Y') + parts.months + QLatin1Char('M') + parts.days +
           QStringLiteral("DT") + parts.hours + QLatin1Char('H') + parts.minutes + QLatin1Char('M') +
           parts.seconds + QLatin1Char('S');
}

bool isPlainDuration(const QString &text)
{
    // ASCII digits only, and nothing after the "S" (not even a line feed), as the LOM binding's pattern has it.
    static const QRegularExpression plain(QRegularExpression::anchoredPattern(
        QStringLiteral("P[0-9]+Y[0-9]+M[0-9]+DT[0-9]+H[0-9]+M[0-9]+(?:\\.[0-9]+)?S")));
    return plain.match(text).hasMatch();
}

QString composeAgeRange(const QString &minAge, const QString &maxAge)
{
    if (maxAge.toLower() == QLatin1String("no max"))
        return minAge + QStringLiteral(" - ");
    return minAge + QStringLiteral(" - ") + maxAge;
}

std::pair<QString, QString> splitAgeRange(const QString &text)
{
    // The writers compose "min - max": the blanks around the "-" are theirs, not part of the ages. The text
    // is split at every "-": what stands after a second one is no part of the maximum.
    const QStringList parts = text.split(QLatin1Char('-'));
    return {parts.at(0).trimmed(), parts.value(1).trimmed()};
}

} // namespace ts

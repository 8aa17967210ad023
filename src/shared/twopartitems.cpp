#include "twopartitems.h"

namespace ts {

std::pair<QString, QString> splitContributorItem(const QString &item)
{
    const qsizetype comma = item.lastIndexOf(QLatin1Char(','));
    if (comma < 0)
        return {item, QString()};
    return {item.left(comma), item.mid(comma + 1)};
}

std::pair<QString, QString> splitTaxonItem(const QString &item)
{
    const qsizetype comma = item.indexOf(QLatin1Char(','));
    if (comma < 0)
        return {item, QString()};
    return {item.left(comma), item.mid(comma + 1)};
}

} // namespace ts

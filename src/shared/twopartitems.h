#pragma once
// Two-part list items: two values joined by a comma in one list entry. A contributor "name,role" splits
// at its last comma, so that a name may hold commas; a taxon "id,entry" at its first, so that an entry
// may. An item without a comma is all first value and an empty second one.

#include <QString>
#include <utility>

namespace ts {

std::pair<QString, QString> splitContributorItem(const QString &item);
std::pair<QString, QString> splitTaxonItem(const QString &item);

} // namespace ts

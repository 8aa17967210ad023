#include "record12.h"

namespace ts {

Record12 designDefaults12()
{
    Record12 r;
    r.catalogText = QStringLiteral("Tagsmith Catalog");
    r.catalogEntryText = QStringLiteral("TBD");
    r.versionText = QStringLiteral("1.0");
    r.lifecycleStatusCombo = QStringLiteral("Final");
    r.cboConRole = QStringLiteral("Publisher");
    r.feesYes = false;
    r.copyrightYes = false;
    return r;
}

Record12 clearedRecord12()
{
    Record12 r;
    r.copyrightYes = true;
    r.feesYes = false;
    return r;
}

} // namespace ts

#include "record12.h"

namespace ts {

// What the SCORM 1.2 editor shows when it is loaded: the design defaults of its fields.
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

// What the editor holds after clearAll: every field and list empty (the classification id and list too),
// copyright "Yes" and fees "No".
Record12 clearedRecord12()
{
    Record12 r;
    r.copyrightYes = true;
    r.feesYes = false;
    return r;
}

} // namespace ts

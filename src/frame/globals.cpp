#include "globals.h"

#include "platform/schemacache.h"
#include "platform/xmldocument.h"

namespace ts {

Globals &globals()
{
    static Globals g;
    return g;
}

QString schemaFileName() { return QStringLiteral("imsmd_v1p2p2.xsd"); }

} // namespace ts

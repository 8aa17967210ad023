#include "import2004.h"

#include "frame/globals.h"
#include "frame/startup.h"
#include "platform/programfolder.h"
#include "platform/schemacache.h"
#include "platform/xmldocument.h"

namespace ts {

Side2004 &side2004()
{
    static Side2004 side;
    return side;
}

bool initXMLParser2004()
{
    globals().languageCode = QStringLiteral("x-none");
    Side2004 &side = side2004();
    side.schemaCache = std::make_shared<SchemaCache>();
    const QString schemaPath = programPath(schemaFileName());
    if (!side.schemaCache->add(QString::fromLatin1(kImsMd12Namespace), schemaPath)) {
        showSchemaMissing(schemaPath);
        return false;
    }
    side.xmlDoc2004 = std::make_shared<XmlDocument>();
    side.xmlDoc2004->setSchemas(side.schemaCache);
    return true;
}

} // namespace ts

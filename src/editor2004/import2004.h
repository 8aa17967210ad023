#pragma once
// The XML services of the SCORM 2004 side: the schema cache, the document of the file opened last and
// the header cut off in front of its record.

#include <QString>
#include <memory>

namespace ts {

class SchemaCache;
class XmlDocument;

struct Side2004 {
    std::shared_ptr<SchemaCache> schemaCache;
    std::shared_ptr<XmlDocument> xmlDoc2004;
    QString metadataHeader2004;
};
Side2004 &side2004();

// A new schema cache (the IMS Meta-Data 1.2 schema, as on the SCORM 1.2 side) and a new document for every
// SCORM 2004 file opened. False, after the "File Missing" box, when the schema cannot be added.
bool initXMLParser2004();

} // namespace ts

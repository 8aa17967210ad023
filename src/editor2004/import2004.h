#pragma once
// Reading a SCORM 2004 metadata file into the SCORM 2004 editor: for now the fields that editor holds
// (title, description, size, location) and the classifications, kept as numbered fragment files in temp.

#include <QString>
#include <memory>

namespace ts {

class SchemaCache;
class XmlDocument;
class FrmOptions2004;

struct Side2004 {
    std::shared_ptr<SchemaCache> schemaCache;
    std::shared_ptr<XmlDocument> xmlDoc2004;
    QString metadataHeader2004;
};
Side2004 &side2004();

// A new schema cache (the IMS Meta-Data 1.2 schema, as on the SCORM 1.2 side) and a new document for every
// SCORM 2004 file opened. False, after the "File Missing" box, when the schema cannot be added.
bool initXMLParser2004();

// Walks the document into the editor and stores each classification as temp/1.xml ... temp/N.xml. False,
// after the "Check Format" box, when the document is not in the expected form.
bool parseMetadata2004(const XmlDocument &doc, FrmOptions2004 &editor);

} // namespace ts

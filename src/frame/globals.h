#pragma once
// Program-wide values of the main program, set at start-up and shared by its windows and modules.

#include <QString>
#include <memory>

namespace ts {

class SchemaCache;
class XmlDocument;

struct Globals {
    QString languageCode;                     // the language of every text written: "x-none"
    std::shared_ptr<SchemaCache> schemaCache; // the IMS Meta-Data 1.2 schema
    std::shared_ptr<XmlDocument> xmlDoc;      // the document SCORM 1.2 files are read into
    QString templateFormMode = QStringLiteral("Set_Default_Mode"); // or "Edit_Mode"
    QString templateFileName;                 // the template being edited; empty: ask for a name
};

Globals &globals();

// The schema file of the IMS Meta-Data 1.2 binding, in the program folder.
QString schemaFileName();

} // namespace ts

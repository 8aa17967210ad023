#pragma once

#include <QString>

namespace ts {

// Prepares the XML services of the SCORM 1.2 side and loads and shows the main window. When the schema
// cannot be loaded it says so ("File Missing") and no main window is left.
void initXMLParser();

// "Unable to validate file.  Metadata schema is missing.  Expected the following schema: " and the path.
QString schemaMissingText(const QString &schemaPath);
// That text in the box start-up shows: exclamation icon, title "File Missing".
void showSchemaMissing(const QString &schemaPath);

} // namespace ts

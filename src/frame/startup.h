#pragma once

namespace ts {

// Prepares the XML services of the SCORM 1.2 side and loads and shows the main window. When the schema
// cannot be loaded it says so ("File Missing") and no main window is left.
void initXMLParser();

} // namespace ts

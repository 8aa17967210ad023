#pragma once
// The default template: its name is kept in templates/cdt.txt below the program folder.

#include <QString>

namespace ts {

// The default template's file name; "default.tsm" when cdt.txt is missing, unreadable or empty.
QString getDefaultTemplate();
// Makes the file name the default (an empty name becomes "default.tsm", also in the caller's variable),
// rewriting cdt.txt and the main window's label. "1" when done, empty when cdt.txt could not be written
// (after saying which file and why).
QString setDefaultTemplate(QString &fileName);

// Saves the active editor's record as the template file of that name (with its extension) in the templates
// folder, replacing it. False, after saying why, when the record or the file could not be written.
bool saveTemplate(const QString &fileName, const QString &scormVersion);

} // namespace ts

#pragma once
// The template store: template files "<name>.tsm" in the templates folder below the program folder, and
// the default template, whose name is kept in templates/cdt.txt.

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

// The path of a template file (name with its extension) in the templates folder.
QString templatePath(const QString &fileName);
// A template name typed by the user: true when it can be a file name; otherwise says why and answers false.
bool checkTemplateName(const QString &name);
// The template file of a name the user gave: the name with ".tsm" added, unless it ends in ".tsm" already.
QString withTemplateExtension(const QString &name);
// True when the template file (name with its extension) may be written: it does not exist, or the user
// answered Yes to replacing it.
bool mayReplaceTemplate(const QString &fileName);
// Saves the active editor's record as "<name>.tsm", asking first when that template exists. True when the
// template was written.
bool newTemplateFile(const QString &name);
// Deletes the template after a confirmation, keeps a default template in place when it was the default,
// and refills the template list. True when the file was deleted.
bool deleteTemplate(const QString &fileName);
// True for a template whose elements hold no text at all, such as the default template installed with the
// program or the one put in place of a deleted default: it gives the empty record of either binding.
bool templateHoldsNoValues(const QString &text);
// Reads the template at the path into the editor of its binding (switching editors after a question), and
// remembers its file name as the template being edited. True when the record is now in the editor of the
// template's own binding.
bool openTemplate(const QString &path);

} // namespace ts

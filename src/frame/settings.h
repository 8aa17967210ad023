#pragma once
// The settings file settings.dat in the program folder: one "key.value" line per setting; an empty line
// ends the settings.

#include <QString>

namespace ts {

// The value of the last line naming the key ("1", "0"), or empty (also when the file is missing or cannot
// be read). A line naming the key without a "." raises error 9.
QString readSetting(const QString &key);
// Sets the key to the value. "error" when the file is read-only or could not be written (after a "File
// Error" box; the old file stays), otherwise empty. A key the file does not hold is not added.
QString tsmSaveSetings(const QString &key, int value);

// The box shown for a file the program may not open because it is read-only or hidden.
void showReadOnlyFileError(const QString &path);
// True when the file exists but is read-only or hidden.
bool isReadOnlyOrHidden(const QString &path);

} // namespace ts

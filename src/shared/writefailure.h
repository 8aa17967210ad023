#pragma once
// The messages of a file the program could not write. A failed write leaves the old file as it was, so
// the message names the file and the reason, and nothing is said to be saved.

#include "notice.h"

#include <QString>

namespace ts {

// "Unable to save <file>" and the reason, title "File Error".
Notice writeFailureNotice(const QString &path, const QString &reason);
void reportWriteFailure(const QString &path, const QString &reason);

// The notice of a fragment that could not be stored in a folder of the program folder (temp12, temp):
// names the folder, the fragment and the reason.
Notice fragmentFailureNotice(const QString &folderName, const QString &path, const QString &reason);

} // namespace ts

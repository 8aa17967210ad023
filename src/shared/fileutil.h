#pragma once
#include <QString>
#include <optional>

namespace ts {

// True when a file (not a folder) of that path exists.
bool fileExists(const QString &path);
// Creates (or replaces) the file holding one blank line (carriage return and line feed). False on failure.
bool createBlankFile(const QString &path);
// The last component of a path, "/" or "\" separated.
QString getFileName(const QString &path);
// The tail of the last path component from its last "." (dot included, case kept); empty when that
// component holds no ".".
QString getExtension(const QString &nameOrPath);
// Bytes in an amount of "kb", "mb" or "gb" (exact, lower case); no value for any other unit.
std::optional<double> convertToBytes(double amount, const QString &unit);

// A name typed by the user that becomes a file name: not empty, no "/" or "\", no "..", no control
// characters. The reason is a sentence for the user.
bool isSafeFileName(const QString &name, QString *reason = nullptr);

} // namespace ts

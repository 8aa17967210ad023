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

// The largest metadata file the programs read. Larger ones are refused before they are read: the editor and
// the text window would take too long to show them, and the XML library would refuse them part way.
inline constexpr qint64 kMaxOpenBytes = 10 * 1024 * 1024;
// The refusal of a file larger than that, naming it ("... is too large to open (50.0 MB). Files of up to
// 10 MB are opened."), or naming it so when the user knows it by another name (the file a copy was made of);
// no value for a file within the limit.
std::optional<QString> tooLargeToOpen(const QString &path, const QString &shownAs = {});

// A name typed by the user that becomes a file name: not empty, no "/" or "\", no "..", no control
// characters. The reason is a sentence for the user.
bool isSafeFileName(const QString &name, QString *reason = nullptr);

// True for a text that can be the path of a file as a box shows it: not empty, one line, no control
// characters, no characters that turn the direction of the text around it (U+202E and the like), no lone
// surrogates, and within the lengths file systems take (4096 bytes in all, 255 for one name).
bool canBeFilePath(const QString &path);

// A file's name as a box or label shows it: a name longer than a line of a box is cut in its middle with
// "…", as the main window shortens the names it shows, keeping its beginning and its file name; never
// inside a character.
QString shortenedFileName(const QString &name);

} // namespace ts

#pragma once
#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

namespace ts {

// The text of a file's bytes and how it was read.
struct DecodedText {
    QString text;
    QString encoding;     // the encoding the file declares (by a byte-order mark or its XML declaration); empty
                          // when it declares none
    int firstBadLine = 0; // 1-based line of the first byte not valid in that encoding (shown as U+FFFD); 0 if none
    // A file that declares no encoding it can be read in and is not UTF-8 is read as Windows-1252: the 1-based
    // line of its first byte that is not UTF-8; 0 when it was read as UTF-8 or as it declares.
    int firstNotUtf8Line = 0;
    // The encoding its XML declaration names when no decoder here knows it, an empty name too (the file is
    // then read as one that declares nothing); no value otherwise.
    std::optional<QString> unknownEncoding = {};
    // The form of bytes no decoder here reads, when the file is in one ("UTF-32", "UTF-16 without a byte-order
    // mark or XML declaration", "EBCDIC"): its text is then empty and nothing else is said of it.
    std::optional<QString> unreadable = {};
};

// Decodes the bytes of a text file: a byte-order mark wins, then UTF-16 told by the first characters of an
// XML declaration or processing instruction ("<?" in either byte order, as XML 1.0 tells encodings without a
// mark), then the encoding named by an XML declaration; a byte not valid in that encoding becomes U+FFFD, and
// so does a UTF-16 surrogate without its partner. A file that declares nothing, or an encoding unknown here
// (an empty name too), is read as UTF-8, or, when it is not UTF-8, as Windows-1252 (the encoding older files
// of this kind were written in), which firstNotUtf8Line tells. Bytes that XML 1.0 tells by their first four as
// UTF-32 (with a byte-order mark or beginning with "<"), as UTF-16 without a mark beginning with "<" and a
// character other than "?", or as EBCDIC are not decoded at all: unreadable names their form.
DecodedText decodeTextFile(const QByteArray &bytes);
QString decodeText(const QByteArray &bytes);

// A carriage return and line feed in the encoding decodeTextFile reads the bytes in, to be appended to them:
// two bytes in UTF-16 of either byte order, one each otherwise. Empty for UTF-16 bytes cut in the middle of a
// character, to which nothing can be appended that reads as a line end.
QByteArray lineEndFor(const QByteArray &bytes);

// Reads a whole text file. False (with a reason) when it cannot be read.
bool readTextFile(const QString &path, DecodedText &decoded, QString *error = nullptr);
bool readTextFile(const QString &path, QString &text, QString *error = nullptr);

enum class WriteKind {
    Durable, // the user's files: on the disk before they replace the old ones
    Scratch, // files the program makes again whenever it needs them (the fragments an opened record is
             // split into), and the files of a run that waits for the disk once at its end: replaced just
             // as atomically, without waiting for the disk
};

// Replaces a file atomically with the text in UTF-8, each step checked: every byte written to a temporary
// file beside the target (of a short name of its own, whatever the target's name), synced to the disk
// (Durable), its size on the disk compared with the bytes, then renamed over the target. A path that is a
// symbolic link replaces the file the link points to; a file that is replaced keeps its permissions. On any
// failure the temporary file is removed, the old file stays as it was and the answer is false, with the
// reason.
bool writeTextFile(const QString &path, const QString &text, QString *error = nullptr,
                   WriteKind kind = WriteKind::Durable);

// Replaces a file atomically with the bytes as they are, like writeTextFile.
bool writeFileBytes(const QString &path, const QByteArray &bytes, QString *error = nullptr,
                    WriteKind kind = WriteKind::Durable);

// Copies a file over the target (or to a new one) in the same checked steps; the copy takes the source's
// permissions. A source that cannot be read to its end is a failure like a write.
bool copyFileChecked(const QString &source, const QString &target, QString *error = nullptr,
                     WriteKind kind = WriteKind::Durable);

// Every line end of the text as carriage return and line feed.
QString withCrLf(const QString &text);

// Test seam: the next write (or copy) to a file whose path ends with pathEnding fails as on a full disk, at
// the step given, once only (afterBytes counts for the Write step alone):
enum class WriteStep {
    Write,     // after afterBytes bytes have gone out, giving the reason; with afterBytes < 0 every byte goes
               // out and the rename fails instead
    Sync,      // the sync of a Durable write answers the reason
    SizeCheck, // the temporary file loses its last byte before its size is checked, which then fails
};
void failNextWrite(const QString &pathEnding, qint64 afterBytes,
                   const QString &reason = QStringLiteral("No space left on device"),
                   WriteStep step = WriteStep::Write);
void clearWriteFault();

// Test seam: while set, every checked write and copy tells the probe each step it takes on the disk, just
// before it takes it ("open" and "rename" with the temporary file's path, "write" with the bytes that call
// asks to write, "sync", "size", "close"), and asks each write call to take at most maxPiece bytes (0: all
// that are left), as a file system that takes a write in short pieces does. An empty probe ends it.
struct WriteProbe {
    std::function<void(const char *step, const QByteArray &detail)> step;
    qint64 maxPiece = 0;
};
void setWriteProbe(WriteProbe probe);

} // namespace ts

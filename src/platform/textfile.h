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
    // The form of bytes no decoder here reads, when the file is in one ("UTF-32", "UCS-4 in the unusual byte
    // order 2143" and "3412", "UTF-16 without a byte-order mark or XML declaration", "EBCDIC"): its text is then
    // empty and nothing else is said of it.
    std::optional<QString> unreadable = {};
    // An encoding its XML declaration names that its bytes show it is not in, and the form they are in ("UTF-8"
    // after its byte-order mark, "UTF-16", "an encoding based on ASCII"): it is read as that form shows.
    struct Contradiction {
        QString declared, form;
        bool operator==(const Contradiction &) const = default;
    };
    std::optional<Contradiction> contradiction = {};
};

// Decodes the bytes of a text file by their form, as XML 1.0 tells it by the first bytes: a byte-order mark
// wins; UTF-16 without one is told by the "<?" of its declaration; other bytes are read in the encoding their
// XML declaration names. A byte not valid in that encoding becomes U+FFFD, and so does a UTF-16 surrogate
// without its partner. A file that declares nothing, or an encoding unknown here (an empty name too), is read
// as UTF-8, or, when it is not UTF-8, as Windows-1252 (the encoding older files of this kind were written in),
// which firstNotUtf8Line tells; so is one whose declaration its bytes contradict (one written in ASCII naming
// UTF-16 or EBCDIC), which contradiction tells. Bytes in UCS-4 of any byte order (with a mark, or beginning
// with "<" after blanks and line ends), in UTF-16 without a mark that begin otherwise than with "<?", or in
// EBCDIC are not decoded at all: unreadable names their form.
DecodedText decodeTextFile(const QByteArray &bytes);
QString decodeText(const QByteArray &bytes);

// A carriage return and line feed in the form of the bytes as decodeTextFile tells it, to be appended to them:
// a unit each in UTF-16 and UCS-4 of their byte order, the EBCDIC ones in EBCDIC, one byte each otherwise.
// Empty for bytes of such units cut in the middle of a character, to which nothing can be appended that
// reads as a line end.
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

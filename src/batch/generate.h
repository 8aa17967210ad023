#pragma once
// One metadata file from the template that the main program hands over: the template's header kept as it
// is, a handful of elements filled with the facts of one content file, everything else carried over.
// No widgets: messages come back as notices for the caller to show.

#include "batchfile.h"

#include "platform/textfile.h"
#include "shared/metadataheader.h"
#include "shared/notice.h"

#include <QString>
#include <optional>

namespace ts::batch {

// The hand-over file of the program folder that every metadata file is made from.
QString templatePath();

// The template of a window: its own copy of the hand-over file, taken when the window opens, so that a later
// File > Batch (another batch, with its own window) handing over another template changes nothing here; and
// the name every message about it gives: the file the user chose in the main program, or the hand-over file
// itself when the hand-over does not tell which that was (or tells it in a name file that is damaged).
struct Template {
    QString path;                    // the hand-over file
    QString name;                    // as messages show it: with the system's separators, a long one shortened
    QString wholeName;               // the same, not shortened
    std::optional<QByteArray> bytes; // the copy; none when the file could not be read or is too large to open
    std::optional<Notice> refusal;   // why there is no copy, naming the template
};
// Takes the copy of the hand-over file as it is now.
Template handedOverTemplate();

// The template read and checked once, before a run writes anything: every file of the run is made from
// these parts, as they were read then.
struct CheckedTemplate {
    std::optional<StrippedMetadata> parts; // no value when the template cannot be used
    std::optional<Notice> readNotice;      // how its bytes were read when not as they should be, as the editor says
    std::optional<Notice> recordNotice;    // how its record is read when its namespace is written wrong, as the
                                           // editor says
    std::optional<Notice> refusal;         // why it cannot be used, naming it: too large, unreadable, damaged,
                                           // in bytes that are not read
};
CheckedTemplate checkTemplate(const Template &used);

// The text of the metadata file for a content file, from the template's text. No value (and the notices
// that say why) when the template cannot be used.
std::optional<QString> metadataText(const QString &templateText, const FileInfo &info, Notices &notices);

// The editors' refusal of a template larger than the files they open, naming it (or naming it so); no value
// for one within the limit. A run over many files says it once, before the first.
std::optional<Notice> templateTooLarge(const QString &templateFile, const QString &shownAs = {});

// Reads the template (refused when templateTooLarge says so, or by its decoding notice when its bytes are in a
// form that is not read) and writes the metadata file for the content file to outputPath, replacing an existing
// file atomically. False (and the notices that say why) when nothing was written; a record whose namespace is
// written wrong is filled, and said as the editor says it. A run over many files writes
// them as Scratch, each replaced atomically without waiting for the disk, and then waits for all of them at once
// with flushToDisk.
bool generateMetadata(const QString &templateFile, const FileInfo &info, const QString &outputPath,
                      Notices &notices, WriteKind kind = WriteKind::Durable);

// Writes the metadata file for a content file from the template's parts, as generateMetadata does once it
// has read the template.
bool writeMetadata(const StrippedMetadata &parts, const FileInfo &info, const QString &outputPath, Notices &notices,
                   WriteKind kind = WriteKind::Durable);

// Waits until everything written to the file system that holds the folder is on the disk. False, with the
// reason, when that fails.
bool flushToDisk(const QString &folder, QString *reason);

// The message that sums up a failure no other message covers: "number::description".
Notice failureNotice(int number, const QString &description);

} // namespace ts::batch

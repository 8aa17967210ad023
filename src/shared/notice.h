#pragma once
// A message the SCORM 1.2 import has for the user. The readers only collect notices; whoever ran them
// shows them in order once the record is in the editor.

#include "platform/dialogs.h"

#include <QList>
#include <QString>
#include <optional>

namespace ts {

struct DecodedText;
struct ParseError;

struct Notice {
    QString text;
    QString title; // empty: the program's title
    Icon icon = Icon::Information;
    Buttons buttons = Buttons::Ok;
    bool operator==(const Notice &) const = default;
};

using Notices = QList<Notice>;

// Shows the notices through msgBox, one after the other.
void showNotices(const Notices &notices);

// The notice for a text that is no XML: prefix + line + ", position " + position, a blank line, the
// faulty line, a blank line and the parser's reason; each line break is the given one.
Notice parseErrorNotice(const QString &prefix, const ParseError &error, const QString &lineBreak, Icon icon,
                        const QString &title);

// The notice of a metadata file that cannot be parsed, as the opening of a file shows it: "Unsupported XML
// on line ...", lines broken by carriage return and line feed, information icon, title "Notice"; with a
// path, a last line "File: " and the file.
Notice xmlFileParseNotice(const ParseError &error, const QString &path = {});

// Why a file in a form of bytes that is not read is refused, said of its subject (its path, or "It" where a
// line has named it): "<subject> cannot be read: its bytes are in <form>, which this program does not read. Save
// it in UTF-8 and try again."; empty for a file that was read.
QString unreadableText(const DecodedText &decoded, const QString &subject);

// What the reading of a text file has to say about its bytes: a form of bytes that is not read at all (the
// file is refused then, nothing of it read), an encoding it declares that its bytes contradict, the bytes not
// valid in the encoding it declares, an encoding it declares that is not known, or a file read as
// Windows-1252 for not being UTF-8; empty when it was read as it should be. The file is named by its path.
QString decodingNoticeText(const DecodedText &decoded, const QString &path);
// The same as the box every program shows for it (title "Notice", exclamation icon); no value when there is
// nothing to say.
std::optional<Notice> decodingNotice(const DecodedText &decoded, const QString &path);

} // namespace ts

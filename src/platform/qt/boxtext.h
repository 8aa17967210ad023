#pragma once
// Text in plain-text boxes, whatever the length of its lines. A box lays each of its blocks out whole,
// and a line of megabytes (a record written on one line) would take it minutes. A line longer than
// kBoxBlockLength is therefore shown in several blocks, broken after a ">" or a blank where one is near;
// those breaks are the box's own, marked on the blocks they start, and not part of the text the box
// gives back. A line end the user types or pastes is part of the text.

#include <QString>

class QPlainTextEdit;
class QTextCursor;

namespace ts {

inline constexpr int kBoxBlockLength = 4096;

// Puts the text into the box (as setPlainText does: cursor at the start, nothing to undo).
void setBoxText(QPlainTextEdit *box, const QString &text);
// The box's text, its own breaks left out; line ends as line feeds.
QString boxText(const QPlainTextEdit *box);
// The selected text of the box, its own breaks left out.
QString boxText(const QTextCursor &selection);
// After an edit of the user that ran from position `from` to position `to` (the cursor before and after):
// the blocks it started are ended by line ends of the text, not by breaks of the box.
void keepTypedBreaks(QPlainTextEdit *box, int from, int to);

} // namespace ts

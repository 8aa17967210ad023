#pragma once
// The hand-over of a template from the main program to batch, in the program folder: the bytes of the file
// the user chose, with one line end more, in common/scorm_template.xml, which batch reads; and beside it, in
// common/scorm_template.name, the name of the file chosen, so that batch can show it. The name file holds the
// SHA-256 sum of the hand-over bytes it was written with, then the chosen file's path (UTF-8), each followed
// by a carriage return and line feed: a hand-over file written without one (by an older main program) is
// never named after a file chosen earlier.

#include <QByteArray>
#include <QString>

namespace ts {

QString handOverPath();     // common/scorm_template.xml
QString handOverNamePath(); // common/scorm_template.name

// The hand-over bytes for the chosen file's bytes: the line end is added in their own encoding, so that they
// read as the editor reads the chosen file.
QByteArray handOverBytes(const QByteArray &chosen);

// The text of the name file for the hand-over bytes and the chosen file's path.
QByteArray handOverNameText(const QByteArray &handOver, const QString &chosenPath);

// The path of the chosen file that the name file tells for these hand-over bytes (those batch took when it
// started); empty when there is no name file, it was written for other bytes, or what it tells cannot be
// the path of a file (canBeFilePath: a damaged name file is never shown as it is).
QString handedOverName(const QByteArray &handOver);
// The same for the hand-over file as it is now, read in pieces (one too large to be taken whole).
QString handedOverNameOfFile();

} // namespace ts

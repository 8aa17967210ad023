#pragma once
#include <QByteArray>
#include <QString>

namespace ts {

// Decodes the bytes of a text file: a byte-order mark wins, then the encoding named by an XML
// declaration, then UTF-8 (bytes that are not UTF-8 are read as Windows-1252, the encoding older
// files of this kind were written in).
QString decodeText(const QByteArray &bytes);

// Reads a whole text file. False (with a reason) when it cannot be read.
bool readTextFile(const QString &path, QString &text, QString *error = nullptr);

// Replaces a file atomically with the text in UTF-8: a failure leaves the old file as it was.
bool writeTextFile(const QString &path, const QString &text, QString *error = nullptr);

// Every line end of the text as carriage return and line feed.
QString withCrLf(const QString &text);

} // namespace ts

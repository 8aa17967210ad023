#pragma once
// Documents that declare entities are not read: an internal entity can be used to blow a small file up
// to gigabytes of text, and an external one would read another file. The parser never substitutes or
// loads entities; this check refuses, with a plain reason, what still declares or refers to one.

#include <QByteArray>

struct _xmlDoc;

namespace ts {

struct ParseError;

// The error code of a document refused for its entities.
inline constexpr int kEntityRefused = -2;

// Fills error and answers true when the parsed document declares an entity (internal or external).
bool refuseEntities(_xmlDoc *doc, const QByteArray &source, ParseError &error);

// For a parse that failed on an undeclared entity: true (and error restated) when the document has an
// external document type, where the entity would come from, which is not read.
bool restateUndeclaredEntity(_xmlDoc *doc, int code, ParseError &error);

} // namespace ts

#pragma once
// Validation of the XML text window's text against the schema of the document's binding, with the
// messages the window shows.

#include <QString>

namespace ts {

struct ParseError;

// Loads the text with the program folder's schemas and tells the user the result: the first error with
// its line and position, "Valid Metadata XML File", or, for a document of a namespace the program has
// no schema for, that it is well-formed but was not validated.
void validateXmlText(const QString &text);

// The position (1-based) in the line that a parse error names: the parser's own, or for a validity error,
// which carries none, where the element it names begins in that line.
int errorPosition(const ParseError &error);

} // namespace ts

#pragma once
// Small helpers for walking a parsed metadata record the way its readers see it.

#include "platform/xmldocument.h"

#include <QList>
#include <QString>
#include <functional>

namespace ts {

// The child nodes a reader walks: elements and text that is more than blanks, in document order. A comment
// is never a value nor an element of the record: comments are left out, as indentation is, and so are
// processing instructions unless asked for.
QList<XmlNode> childNodes(const XmlNode &node, bool withInstructions = false);

// Walks a category's children in document order, comments left out: each element goes to `known`,
// which answers false for one the reader does not hold. Such an element, every processing instruction
// among the children, and every processing instruction at any depth inside an element that was known go
// to `unsupported`.
void walkCategoryChildren(const XmlNode &category, const std::function<bool(const XmlNode &)> &known,
                          const std::function<void(const XmlNode &)> &unsupported);

// True for an element that holds text of its own (more than blanks) beside or instead of its elements.
bool hasOwnText(const XmlNode &node);

// The name of a node as notices give it: an element's name as written (with its prefix), "#text",
// "#cdata-section", or a processing instruction's target.
QString nodeName(const XmlNode &node);

// The text of a node, trimmed: for an element the text of all its descendants, with the blank runs of
// indentation between elements and the comments left out.
QString nodeText(const XmlNode &node);

// The text of the child at that position of childNodes (0 first); empty when there is none.
QString childText(const XmlNode &node, qsizetype index);

// The text of an element on its own (a classification fragment file): the element as it stands, with
// declarations added for the prefixes it uses that are declared above it. The default namespace is left
// out: a fragment carries none, and takes the one of the document it is written into.
QString standaloneXml(const XmlNode &element);

} // namespace ts

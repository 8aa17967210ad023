#pragma once
// What the XML text window's "Add XML Tag" command inserts for the opening tag the user typed.

#include <QString>

namespace ts {

struct XmlTagInsertion {
    QString error; // the message that refuses the tag; empty when it is accepted
    QString text;  // the tag followed by its closing tag, or a self-closing tag alone
};

// The typed text must be one opening tag: "<name attribute="value">", or "<name/>". Its closing tag holds
// the element's name only, so the inserted text is always well-formed XML.
XmlTagInsertion xmlTagInsertion(const QString &answer);

} // namespace ts

#pragma once
// What the SCORM 1.2 category readers share: the frame of their walk over the children of a category.

#include "shared/leftoutstrings.h"
#include "shared/notice.h"
#include "shared/readcheck.h"
#include "shared/xmlwalk.h"
#include "readertables.h"

#include "platform/xmldocument.h"
#include "model12/record12.h"

#include <QList>
#include <QString>
#include <functional>

namespace ts::reader12 {

// One reader's walk over the children of its category element.
class Walk {
public:
    Walk(const XmlNode &root, Category category, Record12 &record, Notices &notices);

    // An element of the record's own namespace with that name (a prefixed element of another namespace,
    // or one of the same name in another namespace, is not).
    bool is(const XmlNode &node, const char *name) const;
    // The first element child of that name; null when there is none.
    XmlNode child(const XmlNode &parent, const char *name) const;
    // The value of a vocabulary element (source first, value second): its second child, or without one
    // its child named "value"; null when neither is there (and the element named when it holds bare text).
    XmlNode vocabularyValue(const XmlNode &element);
    // True for a vocabulary element that gives its value as bare text, without a value element; the
    // category's notice names it ("... <educational>: interactivitytype (no value element)").
    bool bareValue(const XmlNode &vocabulary);

    // The text of a language string: its first langstring; the element's own text when it holds none. The
    // strings after the first are noted as left out.
    QString stringText(const XmlNode &element) const;
    // The first langstring of a language string, or without langstrings the text of the first child.
    QString firstStringText(const XmlNode &element) const;

    // Walks the root's children (comments are none of them): the category's field rules applied, every other
    // child handed to `other`, which answers false for a child it does not know; such a child, and every
    // processing instruction in the category, gets the category's unsupported-element notice.
    void run(const std::function<bool(const XmlNode &)> &other = {});

    void notice(const QString &text);
    // A notice about the node: the check of what the record does not hold passes over it.
    void noticeFor(const XmlNode &node, const QString &text);
    // The category's unsupported-element notice for a node the editor has no place for.
    void unsupported(const XmlNode &node);
    // The category's notice for a value it cannot hold, naming the element and quoting the value; the node
    // is the element that holds the value.
    void unsupportedValue(const XmlNode &node, const QString &element, const QString &value);

    Record12 &record;
    Notices &notices;

private:
    bool applyRule(const XmlNode &child);

    XmlNode m_root;
    Category m_category;
    QByteArray m_namespace; // UTF-8, as the nodes hold it
    QString m_unsupportedText; // the category's unsupported-element notice, without the name
    LeftOutStrings m_leftOut;
};

// Walks the parts of a vocabulary element: "source" passed over, the text of "value" handed to `value`,
// any other child to `other`.
// Bare text that stands for the value is named once, as such, and not handed to `other`.
template <typename Value, typename Other>
void forVocabulary(Walk &walk, const XmlNode &element, Value value, Other other)
{
    const bool bare = walk.bareValue(element);
    for (const XmlNode &part : childNodes(element)) {
        if (walk.is(part, "source") || (bare && part.isText()))
            continue;
        if (walk.is(part, "value"))
            value(nodeText(part));
        else
            other(part);
    }
}

// For the children of a vocabulary element that are passed over.
inline void passOver(const XmlNode &) {}

using NodeReader = void (*)(const XmlNode &, Record12 &, Notices &);

// Parses a category text and runs the reader on its root. A text that is no XML gets the category's parse
// notice, and nothing of it is read.
// `after`, when given, runs on the root once the reader has read it.
bool readText(const QString &text, Category category, NodeReader reader, Record12 &record, Notices &notices,
              const std::function<void(const XmlNode &)> &after = {});

} // namespace ts::reader12

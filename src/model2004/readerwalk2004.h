#pragma once
// What the SCORM 2004 category readers share: the text of an element as they take it, and the frame of
// their walk over the children of a category.

#include "readertables2004.h"

#include "model2004/record2004.h"
#include "platform/xmldocument.h"
#include "shared/leftoutstrings.h"
#include "shared/notice.h"
#include "shared/readcheck.h"
#include "shared/xmlwalk.h"

#include <QList>
#include <QString>
#include <functional>

namespace ts::reader2004 {

// The text of a node as the readers take it: for an element the text of all its descendants, character
// data included, without the indentation between child elements. The line breaks and indentation that a
// file laid out on several lines puts around the text are left out; blanks at either end that belong to
// the text (the age range "7 - ") are kept.
QString valueText(const XmlNode &node);

// The element children of a node in document order: comments and text passed over, so that "the first
// child" of an element is never a comment.
QList<XmlNode> elementChildren(const XmlNode &node);

// One reader's walk over the children of its category element.
class Walk {
public:
    Walk(const XmlNode &root, Category category, Record2004 &record, Notices &notices);

    // An element of the record's namespace with exactly that name, whatever its prefix. Elements of other
    // namespaces (extensions) are none of the record's.
    bool is(const XmlNode &node, const char *name) const;
    // The first child element of that name; null when there is none.
    XmlNode child(const XmlNode &parent, const char *name) const;
    // The value of a vocabulary element: its second child element (the value after the source), or without
    // one its child named "value"; null when neither is there (and the element named when it holds bare
    // text).
    XmlNode value(const XmlNode &vocabulary);
    // True for a vocabulary element that gives its value as bare text, without a value element; the
    // category's notice names it ("... <educational>: interactivityType (no value element)").
    bool bareValue(const XmlNode &vocabulary);
    // The text of the first child element (the string of a language string); the element's own text when
    // it holds no element.
    QString firstChildText(const XmlNode &element) const;
    // The text of a language string: its first string; the element's own text when it holds none. The
    // strings after the first are noted as left out.
    QString stringText(const XmlNode &element) const;
    // The first string of a language string, or without strings the text of the first child element.
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
    void unsupportedValue(const XmlNode &node, const char *element, const QString &value);

    Record2004 &record;
    Notices &notices;

private:
    bool applyRule(const XmlNode &child);

    XmlNode m_root;
    Category m_category;
    QByteArray m_namespace; // UTF-8, as the nodes hold it
    QString m_unsupportedText; // the category's unsupported-element notice, without the name
    LeftOutStrings m_leftOut;
};

// Walks the children of a vocabulary element: "source" passed over, the text of "value" handed to `value`,
// any other child to `other`. Bare text that stands for the value is named once, as such,
// and not handed to `other`.
template <typename Value, typename Other>
void forVocabulary(Walk &walk, const XmlNode &element, Value value, Other other)
{
    const bool bare = walk.bareValue(element);
    for (const XmlNode &part : childNodes(element)) {
        if (walk.is(part, "source") || (bare && part.isText()))
            continue;
        if (walk.is(part, "value"))
            value(valueText(part));
        else
            other(part);
    }
}

inline void passOver(const XmlNode &) {}


} // namespace ts::reader2004

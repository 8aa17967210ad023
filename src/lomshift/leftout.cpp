#include "leftout.h"

#include "platform/xmldocument.h"

#include <QHash>
#include <QStringTokenizer>
#include <libxml/tree.h>

namespace ts::lomshift {

namespace {

// One element of the source, in document order, with what its subtree holds.
struct Element {
    xmlNodePtr node;
    qsizetype end = 0;     // one past the last element of its subtree
    bool ownText = false;  // text of its own, not only of the elements inside it
    bool anyText = false;  // text anywhere in its subtree
    bool anyMark = false;  // a mark on it or on an element inside it
    bool marked = false;
};

bool isTextNode(const xmlNode *node) { return node->type == XML_TEXT_NODE || node->type == XML_CDATA_SECTION_NODE; }

// Whether a text node's content holds more than blanks (white space as QChar counts it). Most texts tell by
// their first byte that is no ASCII blank; only one of blanks and other characters is decoded.
bool holdsText(const xmlChar *content)
{
    if (!content)
        return false;
    bool other = false;
    for (const xmlChar *c = content; *c; ++c) {
        if (*c >= 0x80)
            other = true;
        else if (*c != ' ' && (*c < '\t' || *c > '\r'))
            return true;
    }
    return other && !QString::fromUtf8(reinterpret_cast<const char *>(content)).trimmed().isEmpty();
}

// Whether the string value of an element holds more than XML white space, as normalize-space() tells.
bool holdsXmlText(const xmlNode *element)
{
    for (const xmlNode *c = element->children; c; c = c->next) {
        if (isTextNode(c) && c->content) {
            for (const xmlChar *p = c->content; *p; ++p)
                if (*p != ' ' && *p != '\t' && *p != '\n' && *p != '\r')
                    return true;
        } else if (c->type == XML_ELEMENT_NODE && holdsXmlText(c)) {
            return true;
        }
    }
    return false;
}

bool named(const xmlNode *node, const char *lowerCaseName)
{
    return node->type == XML_ELEMENT_NODE && xmlStrcasecmp(node->name, BAD_CAST lowerCaseName) == 0;
}

// A vocabulary of the record whose value is empty (it has a value or a vocabulary element, any case, and
// none of its values, nor of the values inside its vocabulary elements, holds text): a source without a
// value holds nothing to carry over. The namespaces read as the record's are listed as "|ns1|ns2|", "||"
// standing for no namespace.
bool isVocabularyWithoutValue(const xmlNode *element, const QByteArray &namespaces)
{
    if (namespaces.isEmpty())
        return false;
    bool vocabulary = false;
    for (const xmlNode *c = element->children; c; c = c->next) {
        if (named(c, "value")) {
            vocabulary = true;
            if (holdsXmlText(c))
                return false;
        } else if (named(c, "vocabulary")) {
            vocabulary = true;
            for (const xmlNode *v = c->children; v; v = v->next)
                if (named(v, "value") && holdsXmlText(v))
                    return false;
        }
    }
    if (!vocabulary)
        return false;
    const QByteArray ns = element->ns && element->ns->href ? reinterpret_cast<const char *>(element->ns->href) : "";
    return namespaces.contains('|' + ns + '|');
}

// Lists the element and the elements inside it in document order.
void list(xmlNodePtr node, const QByteArray &vocabularyNamespaces, QList<Element> &out)
{
    const qsizetype at = out.size();
    out.append({node});
    bool ownText = false;
    bool anyText = false;
    for (xmlNodePtr child = node->children; child; child = child->next) {
        if (child->type == XML_ELEMENT_NODE) {
            const qsizetype childAt = out.size();
            list(child, vocabularyNamespaces, out);
            anyText = anyText || out[childAt].anyText;
        } else if (!ownText && isTextNode(child)) {
            ownText = holdsText(child->content);
        }
    }
    Element &e = out[at];
    e.end = out.size();
    e.ownText = ownText;
    e.anyText = anyText || ownText;
    e.marked = isVocabularyWithoutValue(node, vocabularyNamespaces);
}

// The element's name as the source writes it, with its prefix.
QString nameOf(const xmlNode *node)
{
    const QString local = QString::fromUtf8(reinterpret_cast<const char *>(node->name));
    if (node->ns && node->ns->prefix)
        return QString::fromUtf8(reinterpret_cast<const char *>(node->ns->prefix)) + QLatin1Char(':') + local;
    return local;
}

bool mayBeNamed(const Element &e) { return !e.marked && e.anyText; }

// Names the element at `path` or the elements inside it that are left out.
void name(const QList<Element> &elements, qsizetype at, QString &path, QStringList &named)
{
    const Element &e = elements.at(at);
    if (!e.anyMark || e.ownText) {
        if (!named.contains(path))
            named << path;
        if (!e.anyMark)
            return;
    }
    for (qsizetype child = at + 1; child < e.end; child = elements.at(child).end) {
        if (!mayBeNamed(elements.at(child)))
            continue;
        const qsizetype length = path.size();
        path += QLatin1Char('/') + nameOf(elements.at(child).node);
        name(elements, child, path, named);
        path.truncate(length);
    }
}

} // namespace

QStringList takeLeftOut(XmlDocument &converted, const XmlDocument &source)
{
    const QList<QStringList> taken = converted.takeInstructions(
        {QStringLiteral("lomshift-ids"), QStringLiteral("lomshift-from"), QStringLiteral("lomshift-vocabularies")});
    const XmlNode root = source.documentElement();
    if (root.isNull())
        return {};
    QList<Element> elements;
    list(root.raw(), taken.at(2).value(0).toUtf8(), elements);
    // The ids, in the order of the elements, name them.
    QHash<QStringView, qsizetype> index;
    index.reserve(elements.size());
    qsizetype count = 0;
    for (const QString &ids : taken.at(0))
        for (const QStringView id : QStringTokenizer(ids, QLatin1Char(' '), Qt::SkipEmptyParts))
            index.insert(id, count++);
    if (count != elements.size())
        return {};
    for (const QString &marks : taken.at(1)) {
        for (const QStringView mark : QStringTokenizer(marks, QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const auto found = index.constFind(mark);
            if (found != index.constEnd())
                elements[*found].marked = true;
        }
    }
    // A mark counts for every element around the one it names.
    for (qsizetype i = elements.size() - 1; i >= 0; --i) {
        Element &e = elements[i];
        e.anyMark = e.marked;
        for (qsizetype child = i + 1; child < e.end && !e.anyMark; child = elements.at(child).end)
            e.anyMark = elements.at(child).anyMark;
    }
    QStringList named;
    for (qsizetype child = 1; child < elements.size(); child = elements.at(child).end) {
        if (!mayBeNamed(elements.at(child)))
            continue;
        QString path = nameOf(elements.at(child).node);
        name(elements, child, path, named);
    }
    return named;
}

} // namespace ts::lomshift

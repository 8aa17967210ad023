#include "readerwalk2004.h"

#include <libxml/tree.h>

namespace ts::reader2004 {

namespace {

QString fromXml(const xmlChar *s) { return s ? QString::fromUtf8(reinterpret_cast<const char *>(s)) : QString(); }

void collectText(xmlNodePtr node, QString &out)
{
    bool holdsElements = false;
    for (xmlNodePtr c = node->children; c && !holdsElements; c = c->next)
        holdsElements = c->type == XML_ELEMENT_NODE;
    for (xmlNodePtr c = node->children; c; c = c->next) {
        switch (c->type) {
        case XML_TEXT_NODE:
            // Blank text between child elements is indentation; blank text alone is the value itself.
            if (!holdsElements || !xmlIsBlankNode(c))
                out += fromXml(c->content);
            break;
        case XML_CDATA_SECTION_NODE: out += fromXml(c->content); break;
        case XML_ENTITY_REF_NODE: {
            xmlChar *content = xmlNodeGetContent(c);
            out += fromXml(content);
            xmlFree(content);
            break;
        }
        case XML_ELEMENT_NODE: collectText(c, out); break;
        default: break;
        }
    }
}

bool isWhite(QChar c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

// Takes off the white space at the start and at the end when it holds a line break: the layout of the file.
QString withoutLayout(const QString &text)
{
    qsizetype begin = 0;
    while (begin < text.size() && isWhite(text.at(begin)))
        ++begin;
    qsizetype end = text.size();
    while (end > begin && isWhite(text.at(end - 1)))
        --end;
    auto breaks = [&text](qsizetype from, qsizetype to) {
        for (qsizetype i = from; i < to; ++i)
            if (text.at(i) == u'\n' || text.at(i) == u'\r')
                return true;
        return false;
    };
    const qsizetype from = breaks(0, begin) ? begin : 0;
    const qsizetype to = breaks(end, text.size()) ? end : text.size();
    return text.mid(from, to - from);
}

} // namespace

QString valueText(const XmlNode &node)
{
    if (node.isNull())
        return {};
    if (!node.isElement())
        return withoutLayout(node.text());
    QString out;
    collectText(node.raw(), out);
    return withoutLayout(out);
}

QList<XmlNode> elementChildren(const XmlNode &node)
{
    QList<XmlNode> out;
    for (const XmlNode &c : childNodes(node))
        if (c.isElement())
            out.append(c);
    return out;
}

Walk::Walk(const XmlNode &root, Category category, Record2004 &record, Notices &notices)
    : record(record), notices(notices), m_root(root), m_category(category), m_namespace(root.namespaceUri().toUtf8()),
      m_unsupportedText(unsupportedElementText(category)), m_leftOut(notices)
{
}

bool Walk::is(const XmlNode &node, const char *name) const
{
    return node.is(QLatin1StringView(name), QLatin1StringView(m_namespace));
}

XmlNode Walk::child(const XmlNode &parent, const char *name) const
{
    for (const XmlNode &c : elementChildren(parent))
        if (is(c, name))
            return c;
    return {};
}

XmlNode Walk::value(const XmlNode &vocabulary)
{
    const QList<XmlNode> children = elementChildren(vocabulary);
    if (children.size() >= 2)
        return children.at(1);
    const XmlNode value = child(vocabulary, "value");
    if (value.isNull())
        bareValue(vocabulary);
    return value;
}

bool Walk::bareValue(const XmlNode &vocabulary)
{
    if (!child(vocabulary, "value").isNull())
        return false;
    if (!hasOwnText(vocabulary))
        return false;
    ReadCheck::noValueElement(vocabulary, m_category, notices);
    return true;
}

QString Walk::firstChildText(const XmlNode &element) const
{
    const QList<XmlNode> children = elementChildren(element);
    return valueText(children.isEmpty() ? element : children.first());
}

QString Walk::stringText(const XmlNode &element) const
{
    QList<XmlNode> strings;
    for (const XmlNode &c : elementChildren(element))
        if (is(c, "string"))
            strings.append(c);
    if (strings.isEmpty())
        return valueText(element);
    return LeftOutStrings::firstString(sectionName(m_category) + QLatin1Char(' ') + element.localName(), strings,
                                       QStringLiteral("language"), &valueText);
}

QString Walk::firstStringText(const XmlNode &element) const
{
    return child(element, "string").isNull() ? firstChildText(element) : stringText(element);
}

void Walk::run(const std::function<bool(const XmlNode &)> &other)
{
    walkCategoryChildren(
        m_root, [&](const XmlNode &c) { return applyRule(c) || (other && other(c)); },
        [this](const XmlNode &c) { unsupported(c); });
}

bool Walk::applyRule(const XmlNode &c)
{
    for (const FieldRule &rule : fieldRules(m_category)) {
        if (!is(c, rule.element))
            continue;
        switch (rule.take) {
        case Take::Skip: break;
        case Take::Text: record.*rule.field = stringText(c); break;
        case Take::FirstChild: record.*rule.field = firstStringText(c); break;
        case Take::Value:
            if (const XmlNode v = value(c); !v.isNull())
                record.*rule.field = valueText(v);
            break;
        }
        return true;
    }
    return false;
}

void Walk::notice(const QString &text) { ReadCheck::notice(notices, text); }

void Walk::noticeFor(const XmlNode &node, const QString &text)
{
    notice(text);
    ReadCheck::named(node);
}

void Walk::unsupported(const XmlNode &node)
{
    noticeFor(node, m_unsupportedText + nodeName(node));
}

void Walk::unsupportedValue(const XmlNode &node, const char *element, const QString &value)
{
    ReadCheck::unsupportedValue(node, m_category, QLatin1String(element), value, notices);
}

} // namespace ts::reader2004

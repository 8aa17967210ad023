#include "xmlwalk.h"

#include <libxml/tree.h>

namespace ts {

namespace {

QString fromXml(const xmlChar *s) { return s ? QString::fromUtf8(reinterpret_cast<const char *>(s)) : QString(); }

void collectText(xmlNodePtr node, QString &out)
{
    for (xmlNodePtr c = node->children; c; c = c->next) {
        switch (c->type) {
        case XML_TEXT_NODE:
            if (!xmlIsBlankNode(c))
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

} // namespace

QList<XmlNode> childNodes(const XmlNode &node)
{
    QList<XmlNode> out;
    if (node.isNull())
        return out;
    for (xmlNodePtr c = node.raw()->children; c; c = c->next) {
        switch (c->type) {
        case XML_ELEMENT_NODE:
        case XML_COMMENT_NODE:
        case XML_CDATA_SECTION_NODE:
        case XML_ENTITY_REF_NODE: out.append(XmlNode(c)); break;
        case XML_TEXT_NODE:
            if (!xmlIsBlankNode(c))
                out.append(XmlNode(c));
            break;
        default: break;
        }
    }
    return out;
}

QString nodeName(const XmlNode &node)
{
    if (node.isNull())
        return {};
    switch (node.raw()->type) {
    case XML_COMMENT_NODE: return QStringLiteral("#comment");
    case XML_TEXT_NODE: return QStringLiteral("#text");
    case XML_CDATA_SECTION_NODE: return QStringLiteral("#cdata-section");
    default: return node.name();
    }
}

QString nodeText(const XmlNode &node)
{
    if (node.isNull())
        return {};
    xmlNodePtr raw = node.raw();
    if (raw->type != XML_ELEMENT_NODE)
        return node.text().trimmed();
    QString out;
    collectText(raw, out);
    return out.trimmed();
}

QString childText(const XmlNode &node, qsizetype index)
{
    const QList<XmlNode> children = childNodes(node);
    return index < children.size() ? nodeText(children.at(index)) : QString();
}

} // namespace ts

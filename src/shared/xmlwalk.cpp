#include "xmlwalk.h"

#include "textutil.h"

#include <QSet>
#include <algorithm>
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

void collectNamespaces(xmlNodePtr node, QSet<xmlNsPtr> &declared, QList<xmlNsPtr> &used)
{
    for (xmlNsPtr ns = node->nsDef; ns; ns = ns->next)
        declared.insert(ns);
    if (node->ns && !used.contains(node->ns))
        used.append(node->ns);
    for (xmlAttrPtr a = node->properties; a; a = a->next)
        if (a->ns && !used.contains(a->ns))
            used.append(a->ns);
    for (xmlNodePtr c = node->children; c; c = c->next)
        if (c->type == XML_ELEMENT_NODE)
            collectNamespaces(c, declared, used);
}

} // namespace

QList<XmlNode> childNodes(const XmlNode &node, bool withInstructions)
{
    QList<XmlNode> out;
    if (node.isNull())
        return out;
    for (xmlNodePtr c = node.raw()->children; c; c = c->next) {
        switch (c->type) {
        case XML_ELEMENT_NODE:
        case XML_CDATA_SECTION_NODE:
        case XML_ENTITY_REF_NODE: out.append(XmlNode(c)); break;
        case XML_TEXT_NODE:
            if (!xmlIsBlankNode(c))
                out.append(XmlNode(c));
            break;
        case XML_PI_NODE:
            if (withInstructions)
                out.append(XmlNode(c));
            break;
        default: break;
        }
    }
    return out;
}

namespace {

bool isInstruction(const XmlNode &node) { return node.raw()->type == XML_PI_NODE; }

// The processing instructions at any depth below a node, in document order.
void instructionsBelow(const XmlNode &node, QList<XmlNode> &out)
{
    for (xmlNodePtr c = node.raw()->children; c; c = c->next) {
        if (c->type == XML_PI_NODE)
            out.append(XmlNode(c));
        else if (c->type == XML_ELEMENT_NODE)
            instructionsBelow(XmlNode(c), out);
    }
}

} // namespace

void walkCategoryChildren(const XmlNode &category, const std::function<bool(const XmlNode &)> &known,
                          const std::function<void(const XmlNode &)> &unsupported)
{
    for (const XmlNode &c : childNodes(category, true)) {
        if (!isInstruction(c) && known(c)) {
            // What the editor cannot hold inside a known element is reported too.
            QList<XmlNode> instructions;
            instructionsBelow(c, instructions);
            for (const XmlNode &instruction : instructions)
                unsupported(instruction);
            continue;
        }
        unsupported(c);
    }
}

bool hasOwnText(const XmlNode &node)
{
    return std::ranges::any_of(childNodes(node), &XmlNode::isText);
}

QString nodeName(const XmlNode &node)
{
    if (node.isNull())
        return {};
    switch (node.raw()->type) {
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

QString standaloneXml(const XmlNode &element)
{
    QSet<xmlNsPtr> declared;
    QList<xmlNsPtr> used;
    collectNamespaces(element.raw(), declared, used);
    QString declarations;
    for (xmlNsPtr ns : used) {
        if (declared.contains(ns) || !ns->prefix || qstrcmp(reinterpret_cast<const char *>(ns->prefix), "xml") == 0)
            continue;
        declarations += QStringLiteral(" xmlns:") + fromXml(ns->prefix) + QStringLiteral("=\"") +
                        escapeXMLAttribute(fromXml(ns->href)) + QLatin1Char('"');
    }
    QString text = element.xml();
    if (!declarations.isEmpty())
        text.insert(1 + element.name().size(), declarations);
    return text;
}

} // namespace ts

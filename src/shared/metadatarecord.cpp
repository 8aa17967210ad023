#include "metadatarecord.h"

#include <libxml/tree.h>

namespace ts {

namespace {

// The namespaces of the metadata bindings, by the start of their names: the IMS Meta-Data versions and
// IEEE LOM with its profiles.
constexpr const char *kMetadataNamespaces[] = {
    "http://www.imsglobal.org/xsd/imsmd",
    "http://www.imsproject.org/xsd/imsmd",
    "http://ltsc.ieee.org/xsd/",
};

QByteArrayView nsOf(const xmlNode *node) {
    return node->ns && node->ns->href ? QByteArrayView(reinterpret_cast<const char *>(node->ns->href))
                                      : QByteArrayView("");
}

QByteArrayView nameOf(const xmlNode *node) { return QByteArrayView(reinterpret_cast<const char *>(node->name)); }

bool isElement(const xmlNode *node) { return node && node->type == XML_ELEMENT_NODE; }

// A lom element that can be a record, whether or not it holds a general element.
bool isLom(const xmlNode *node) { return nameOf(node) == "lom" && isMetadataNamespace(nsOf(node)); }

// The element's own general element: a child named general in a metadata namespace.
xmlNode *ownGeneral(const xmlNode *element) {
    for (xmlNode *c = element->children; c; c = c->next)
        if (isElement(c) && nameOf(c) == "general" && isMetadataNamespace(nsOf(c)))
            return c;
    return nullptr;
}

// The next element after node in document order, its own children passed over when `into` is false; null
// after the last one below `top`.
xmlNode *nextElement(xmlNode *node, const xmlNode *top, bool into) {
    if (into)
        for (xmlNode *c = node->children; c; c = c->next)
            if (isElement(c))
                return c;
    for (; node && node != top; node = node->parent)
        for (xmlNode *s = node->next; s; s = s->next)
            if (isElement(s))
                return s;
    return nullptr;
}

QString attributeOf(const xmlNode *node, const char *name) {
    xmlChar *value = xmlGetProp(node, reinterpret_cast<const xmlChar *>(name));
    const QString out = value ? QString::fromUtf8(reinterpret_cast<const char *>(value)).simplified() : QString();
    xmlFree(value);
    return out;
}

// Where a record stands: the nearest element around it that has an identifier (a file by its address), or
// the element that holds it.
QString placeOf(const xmlNode *record) {
    for (const xmlNode *a = record->parent; isElement(a); a = a->parent) {
        const QString name = QString::fromUtf8(nameOf(a));
        if (const QString href = attributeOf(a, "href"); nameOf(a) == "file" && !href.isEmpty())
            return name + QStringLiteral(" \"") + href + QLatin1Char('"');
        if (const QString id = attributeOf(a, "identifier"); !id.isEmpty())
            return name + QStringLiteral(" \"") + id + QLatin1Char('"');
    }
    return isElement(record->parent) ? QString::fromUtf8(nameOf(record->parent)) : QStringLiteral("lom");
}

} // namespace

QByteArray MetadataRecord::ns() const { return isNull() ? QByteArray() : nsOf(general.raw()).toByteArray(); }

bool isMetadataNamespace(QByteArrayView ns) {
    if (ns.isEmpty())
        return true;
    for (const char *start : kMetadataNamespaces)
        if (ns.startsWith(QByteArrayView(start)))
            return true;
    return false;
}

MetadataRecord findRecord(_xmlNode *within) {
    if (!within || !within->doc)
        return {};
    xmlNode *root = xmlDocGetRootElement(within->doc);
    if (!root)
        return {};
    if (nameOf(root) == "general")
        return {XmlNode(root), XmlNode(root)};
    for (xmlNode *e = root; e; e = nextElement(e, root, true))
        if (e == root || isLom(e))
            if (xmlNode *general = ownGeneral(e))
                return {XmlNode(e), XmlNode(general)};
    return {};
}

MetadataRecord findRecord(const XmlDocument &document) {
    return document.isEmpty() ? MetadataRecord() : findRecord(reinterpret_cast<xmlNode *>(document.raw()));
}

QList<XmlNode> recordCategories(const MetadataRecord &record, const QList<QByteArrayView> &names) {
    QList<XmlNode> found(names.size());
    if (record.isNull() || record.element.raw() == record.general.raw())
        return found;
    const QByteArrayView ns = nsOf(record.general.raw());
    for (xmlNode *c = record.element.raw()->children; c; c = c->next) {
        if (!isElement(c) || nsOf(c) != ns)
            continue;
        for (qsizetype i = 0; i < names.size(); ++i)
            if (found[i].isNull() && names[i] == nameOf(c))
                found[i] = XmlNode(c);
    }
    return found;
}

QList<XmlNode> recordElementsNamed(const MetadataRecord &record, QByteArrayView name) {
    QList<XmlNode> out;
    if (record.isNull())
        return out;
    xmlNode *top = record.element.raw();
    const QByteArrayView ns = nsOf(record.general.raw());
    for (xmlNode *e = nextElement(top, top, true); e;) {
        if (isLom(e)) {
            e = nextElement(e, top, false);
            continue;
        }
        if (nameOf(e) == name && nsOf(e) == ns)
            out.append(XmlNode(e));
        e = nextElement(e, top, true);
    }
    return out;
}

QStringList otherRecordPlaces(const MetadataRecord &record) {
    QStringList out;
    if (record.isNull())
        return out;
    xmlNode *root = xmlDocGetRootElement(record.element.raw()->doc);
    for (xmlNode *e = root; e;) {
        if (e == record.element.raw()) {
            e = nextElement(e, root, false);
        } else if (e != root && isLom(e)) {
            out << placeOf(e);
            e = nextElement(e, root, false);
        } else {
            e = nextElement(e, root, true);
        }
    }
    return out;
}

} // namespace ts

#include "metadatarecord.h"

#include "metadataheader.h"
#include "noticelines.h"
#include "readertables.h"

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

bool isNamedGeneral(const xmlNode *node) { return isElement(node) && nameOf(node) == "general"; }

// A lom element that can be a record, whether or not it holds a general element: of a metadata namespace, or of
// the namespace of the record's general element (`recordNs`) when that is written wrong.
bool isLom(const xmlNode *node, QByteArrayView recordNs = {})
{
    return nameOf(node) == "lom" && (isMetadataNamespace(nsOf(node)) || nsOf(node) == recordNs);
}

// The element's own general element: its child named general in its own namespace, when that is a metadata
// one; where it holds none, its first child named general in another metadata namespace.
xmlNode *ownGeneral(const xmlNode *element) {
    xmlNode *other = nullptr;
    for (xmlNode *c = element->children; c; c = c->next) {
        if (!isNamedGeneral(c) || !isMetadataNamespace(nsOf(c)))
            continue;
        if (nsOf(c) == nsOf(element))
            return c;
        if (!other)
            other = c;
    }
    return other;
}

// The element's child named general in the element's own namespace, whatever that is.
xmlNode *generalOfItsNamespace(const xmlNode *element) {
    for (xmlNode *c = element->children; c; c = c->next)
        if (isNamedGeneral(c) && nsOf(c) == nsOf(element))
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

bool MetadataRecord::knownNamespace() const { return !isNull() && isMetadataNamespace(nsOf(general.raw())); }

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
    // No record of a metadata namespace: one whose namespace is written wrong.
    for (xmlNode *e = root; e; e = nextElement(e, root, true))
        if (e == root || nameOf(e) == "lom")
            if (xmlNode *general = generalOfItsNamespace(e))
                return {XmlNode(e), XmlNode(general)};
    return {};
}

MetadataRecord findRecord(const XmlDocument &document) {
    return document.isEmpty() ? MetadataRecord() : findRecord(reinterpret_cast<xmlNode *>(document.raw()));
}

bool isScorm2004Record(const MetadataRecord &record) {
    if (record.isNull())
        return false;
    if (record.knownNamespace())
        return record.ns() == kLomNamespace;
    for (const char *name : {"lifeCycle", "metaMetadata", "string"})
        if (!recordElementsNamed(record, name).isEmpty())
            return true;
    return false;
}

bool isScorm2004File(const QString &text, const MetadataRecord &record) {
    if (text.contains(QLatin1String("SCORM_CAM_v1.3")))
        return true;
    return record.isNull() ? isScorm2004Document(text) : isScorm2004Record(record);
}

QString unknownNamespaceLine(const MetadataRecord &record) {
    if (record.isNull() || record.knownNamespace())
        return {};
    const QString binding = isScorm2004Record(record) ? QStringLiteral("SCORM 2004") : QStringLiteral("SCORM 1.2");
    return QString::fromLatin1(readers::kUnknownNamespace).arg(binding) + u'"' +
           beginningOf(QString::fromUtf8(record.ns()), 100) + u'"';
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
        if (isLom(e, ns)) {
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
    const QByteArrayView ns = nsOf(record.general.raw());
    for (xmlNode *e = root; e;) {
        if (e == record.element.raw()) {
            e = nextElement(e, root, false);
        } else if (e != root && isLom(e, ns)) {
            out << placeOf(e);
            e = nextElement(e, root, false);
        } else {
            e = nextElement(e, root, true);
        }
    }
    return out;
}

} // namespace ts

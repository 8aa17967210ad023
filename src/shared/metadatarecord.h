#pragma once
// The metadata record of a file. A file may hold several records: a content package's manifest may give
// its item, its resource and one of its files a lom element each, or each of its resources a record of its
// own. The editors and batch read one: the first lom element in document order, of a metadata namespace,
// that holds a general element of its own, or the document's root when that holds one (a root that is a
// general element is a record of its own). Its own general element is its child in its own namespace; only
// where it holds none there is one of another metadata namespace taken. Its categories are its own child
// elements in the namespace of that general element; nothing of another record, and no general element of
// an extension or nested in a category, is taken for the record's.
//
// A file without such a record may hold one whose namespace is written wrong: then the record is the first
// lom element, or the root, that holds a general element in its own namespace, whatever that namespace is.

#include "notice.h"

#include "platform/xmldocument.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <span>

namespace ts {

struct MetadataRecord {
    XmlNode element; // the lom element, the root, or the general element that is the root
    XmlNode general; // its own general element
    bool isNull() const { return general.isNull(); }
    // The record's namespace: its general element's, in UTF-8, empty for none.
    QByteArray ns() const;
    // Whether that is a metadata namespace; false for a record whose namespace is written wrong.
    bool knownNamespace() const;
};

// Whether elements of the namespace (UTF-8, empty for none) can make a metadata record: no namespace, an IMS
// Meta-Data one or an IEEE LOM one.
bool isMetadataNamespace(QByteArrayView ns);

// The record of the document that holds the node (the document itself, or any node of it); null when the
// document holds none.
MetadataRecord findRecord(_xmlNode *within);
MetadataRecord findRecord(const XmlDocument &document);

// Whether the record is read as SCORM 2004: its general element is in the IEEE LOM namespace, or, in a
// namespace no binding defines, its elements have the IEEE LOM names (lifeCycle, metaMetadata, string).
bool isScorm2004Record(const MetadataRecord &record);

// Whether a metadata file is SCORM 2004, as every program tells it: its text mentions "SCORM_CAM_v1.3", or the
// record its document is read for (`record`, from findRecord) is a SCORM 2004 one. Where no document holds a
// record (the text does not parse), its text tells it by its root and first general element.
bool isScorm2004File(const QString &text, const MetadataRecord &record);

// The line that names the namespace of a record whose namespace is written wrong, and the binding it is read
// for; empty for a record of a metadata namespace.
QString unknownNamespaceLine(const MetadataRecord &record);

// The first child of the record of each of the names, in the record's namespace; a null node for a name
// that no child has.
QList<XmlNode> recordCategories(const MetadataRecord &record, const QList<QByteArrayView> &names);

// A category and the reader of a binding that reads it into a record.
template <class Record>
struct CategoryStep {
    const char *name;
    void (*reader)(const XmlNode &, Record &, Notices &);
};

// Hands the record's first child of each category to its reader, in the order of the steps.
template <class Record>
void readCategories(const MetadataRecord &found, std::span<const CategoryStep<Record>> steps, Record &record,
                    Notices &notices)
{
    QList<QByteArrayView> names;
    for (const CategoryStep<Record> &step : steps)
        names << QByteArrayView(step.name);
    const QList<XmlNode> categories = recordCategories(found, names);
    for (qsizetype i = 0; i < categories.size(); ++i)
        if (!categories[i].isNull())
            steps[i].reader(categories[i], record, notices);
}

// Every element of that local name in the record's namespace inside the record, at any depth, in document
// order, but none inside another record held in it.
QList<XmlNode> recordElementsNamed(const MetadataRecord &record, QByteArrayView name);

// Where each of the document's other records stands, in document order: the item, resource or file that
// holds it, by its identifier or address ("resource "RES-2"", "file "pages/a.html""), or the element around
// it without one. A record inside another is counted with the one around it.
QStringList otherRecordPlaces(const MetadataRecord &record);

} // namespace ts

#include "import12.h"

#include "readerwalk.h"

#include "platform/programfolder.h"
#include "platform/textfile.h"
#include "shared/leftoutstrings.h"
#include "shared/readcheck.h"
#include "shared/textutil.h"
#include "shared/xmlwalk.h"
#include "shared/writefailure.h"

#include <libxml/tree.h>

namespace ts {

namespace {

using CategoryReader = void (*)(const XmlNode &, Record12 &, Notices &);

struct CategoryStep {
    const char *name;
    CategoryReader reader;
};

// The categories after <general>, in the order they are read.
const CategoryStep kCategories[] = {
    {"lifecycle", &parseLifecycle},   {"metametadata", &parseMetametadata}, {"technical", &parseTechnical},
    {"educational", &parseEducational}, {"rights", &parseRights},         {"relation", &parseRelation},
    {"annotation", &parseAnnotation},
};

bool isNamed(xmlNodePtr node, const QByteArray &name, const QByteArray &ns)
{
    return XmlNode(node).is(QLatin1StringView(name), QLatin1StringView(ns));
}

// Every element of that name and namespace, at any depth, in document order.
void collect(xmlNodePtr node, const QByteArray &name, const QByteArray &ns, QList<XmlNode> &out, bool firstOnly)
{
    for (xmlNodePtr c = node->children; c; c = c->next) {
        if (firstOnly && !out.isEmpty())
            return;
        if (c->type != XML_ELEMENT_NODE)
            continue;
        if (isNamed(c, name, ns))
            out.append(XmlNode(c));
        collect(c, name, ns, out, firstOnly);
    }
}

QList<XmlNode> elementsNamed(const XmlDocument &document, const char *name, const QString &ns, bool firstOnly)
{
    QList<XmlNode> out;
    collect(reinterpret_cast<xmlNodePtr>(document.raw()), QByteArray(name), ns.toUtf8(), out, firstOnly);
    return out;
}

// The record's <general>: the first element named so, with any prefix and attributes.
XmlNode findGeneral(xmlNodePtr node)
{
    for (xmlNodePtr c = node->children; c; c = c->next) {
        if (c->type != XML_ELEMENT_NODE)
            continue;
        if (qstrcmp(reinterpret_cast<const char *>(c->name), "general") == 0)
            return XmlNode(c);
        const XmlNode inner = findGeneral(c);
        if (!inner.isNull())
            return inner;
    }
    return {};
}

bool isCategory(const XmlNode &node, const QString &ns)
{
    static const char *const kNames[] = {"general",   "lifecycle", "metametadata", "technical",     "educational",
                                         "rights",    "relation",  "annotation",   "classification"};
    if (!node.isElement() || node.namespaceUri() != ns)
        return false;
    for (const char *name : kNames)
        if (node.localName() == QLatin1String(name))
            return true;
    return false;
}

// The elements directly below the record's root that the editor has no place for.
void reportUnknownCategories(const XmlNode &root, const QString &ns, Notices &notices)
{
    const QString prefix = readers::unsupportedElementText(root.name());
    for (const XmlNode &c : childNodes(root, true))
        if (!c.isComment() && !isCategory(c, ns)) {
            ReadCheck::notice(notices, prefix + nodeName(c));
            ReadCheck::named(c);
        }
}

} // namespace

bool parseMetadata(const XmlDocument &document, Record12 &record, Notices &notices)
{
    if (document.isEmpty())
        return false;
    const XmlNode general = findGeneral(reinterpret_cast<xmlNodePtr>(document.raw()));
    if (general.isNull())
        return false;
    // What the readers name is gathered for the check of what the record does not hold.
    ReadCheck check;
    const QString ns = general.namespaceUri();
    {
        // One notice for the file names the strings in further languages that its fields leave out.
        LeftOutStrings leftOut(notices);
        parseGeneral(general, record, notices);
        QList<QByteArrayView> names;
        for (const CategoryStep &step : kCategories)
            names << QByteArrayView(step.name);
        const QList<XmlNode> found =
            firstElementsNamed(XmlNode(reinterpret_cast<xmlNodePtr>(document.raw())), names, ns.toUtf8());
        for (qsizetype i = 0; i < found.size(); ++i)
            if (!found[i].isNull())
                kCategories[i].reader(found[i], record, notices);
        if (!general.parent().isNull())
            reportUnknownCategories(general.parent(), ns, notices);
    }
    const XmlNode recordElement = general.parent().isNull() ? general : general.parent();
    check.report(ReadCheck::fileCategories(recordElement, general), heldTexts12(record), checkTables12(), notices);

    record.lstClassification.clear();
    const QList<XmlNode> classifications = elementsNamed(document, "classification", ns, false);
    for (qsizetype i = 0; i < classifications.size(); ++i) {
        const QString number = QString::number(i + 1);
        const QString text = withCrLf(standaloneXml(classifications.at(i))) + QStringLiteral("\r\n");
        const QString path = programPath(QStringLiteral("temp12/") + number + QStringLiteral(".xml"));
        QString error;
        if (!writeTextFile(path, text, &error, WriteKind::Scratch)) {
            notices.append(fragmentFailureNotice(QStringLiteral("temp12"), path, error));
            return false;
        }
        record.lstClassification.append(number);
    }
    return true;
}

LoadedMetadata loadMetadataFile12(const QString &path)
{
    // The document is walked as it stands: with the header cut off and its open elements reopened, or
    // whole when only that parses.
    static constexpr MetadataForm kForm{GeneralTag::AnyForm, false, [](const XmlDocument &document) {
                                            return document.isEmpty()
                                                       ? XmlNode()
                                                       : findGeneral(reinterpret_cast<xmlNodePtr>(document.raw()));
                                        }};
    return loadMetadataFile(path, kForm);
}

ImportResult importLoadedMetadata(LoadedMetadata &loaded, const Record12 &start)
{
    ImportResult result;
    result.record = start;
    result.notices = loaded.notices;
    result.headerCut = loaded.headerCut;
    result.header = loaded.header;
    result.parseError = loaded.parseError;
    if (!loaded.document)
        return result;
    result.loaded = true;
    result.ok = parseMetadata(*loaded.document, result.record, result.notices);
    return result;
}

ImportResult importMetadataFile(const QString &path, const Record12 &start)
{
    LoadedMetadata loaded = loadMetadataFile12(path);
    return importLoadedMetadata(loaded, start);
}

} // namespace ts

#include "import12.h"

#include "readerwalk.h"

#include "platform/programfolder.h"
#include "platform/textfile.h"
#include "shared/leftoutstrings.h"
#include "shared/metadatarecord.h"
#include "shared/readcheck.h"
#include "shared/textutil.h"
#include "shared/xmlwalk.h"
#include "shared/writefailure.h"

#include <libxml/tree.h>

namespace ts {

namespace {

// The categories after <general>, in the order they are read.
const CategoryStep<Record12> kCategories[] = {
    {"lifecycle", &parseLifecycle},   {"metametadata", &parseMetametadata}, {"technical", &parseTechnical},
    {"educational", &parseEducational}, {"rights", &parseRights},         {"relation", &parseRelation},
    {"annotation", &parseAnnotation},
};

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
        if (!isCategory(c, ns)) {
            ReadCheck::notice(notices, prefix + nodeName(c));
            ReadCheck::named(c);
        }
}

} // namespace

bool parseMetadata(const XmlDocument &document, Record12 &record, Notices &notices)
{
    const MetadataRecord found = findRecord(document);
    if (found.isNull())
        return false;
    const XmlNode &general = found.general;
    // What the readers name is gathered for the check of what the record does not hold.
    ReadCheck check;
    const QString ns = general.namespaceUri();
    // A record whose namespace is written wrong is read all the same, and the one notice says so.
    if (const QString line = unknownNamespaceLine(found); !line.isEmpty())
        ReadCheck::addLine(line);
    const QList<XmlNode> classifications = recordElementsNamed(found, "classification");
    {
        // One notice for the file names the strings in further languages that its fields leave out.
        LeftOutStrings leftOut(notices);
        parseGeneral(general, record, notices);
        readCategories<Record12>(found, kCategories, record, notices);
        if (found.element.raw() != general.raw())
            reportUnknownCategories(found.element, ns, notices);
    }
    check.report(ReadCheck::fileCategories(found.element, general), heldTexts12(record), checkTables12(), notices,
                 {classifications, otherRecordPlaces(found)});

    record.lstClassification.clear();
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
    // The document as it stands, so that what stands before the general element (another record, a
    // category) is seen too; with the header cut off and its open elements reopened when only that parses.
    static constexpr MetadataForm kForm{GeneralTag::AnyForm, true,
                                        [](const XmlDocument &document) { return findRecord(document).general; }};
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

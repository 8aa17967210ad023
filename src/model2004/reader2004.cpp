// The walk over a SCORM 2004 document and the reading of a file into it.

#include "reader2004.h"

#include "platform/programfolder.h"
#include "platform/textfile.h"
#include "shared/leftoutstrings.h"
#include "shared/metadatarecord.h"
#include "shared/readertables.h"
#include "shared/writefailure.h"
#include "shared/xmlwalk.h"


namespace ts {

namespace {

// The categories after <general>, in the order they are read.
const CategoryStep<Record2004> kCategories[] = {
    {"lifeCycle", &parseLifecycle2004},     {"metaMetadata", &parseMetametadata2004},
    {"technical", &parseTechnical2004},     {"educational", &parseEducational2004},
    {"rights", &parseRights2004},           {"relation", &parseRelation2004},
    {"annotation", &parseAnnotation2004},
};

bool isNamed(const XmlNode &node, const char *name, const QString &ns)
{
    return node.is(QLatin1StringView(name), QLatin1StringView(ns.toUtf8()));
}

bool isCategory(const XmlNode &node, const QString &ns)
{
    if (isNamed(node, "general", ns) || isNamed(node, "classification", ns))
        return true;
    for (const CategoryStep<Record2004> &step : kCategories)
        if (isNamed(node, step.name, ns))
            return true;
    return false;
}

// The elements directly below the record that the editor has no place for.
void reportUnknownCategories(const XmlNode &record, const QString &ns, Notices &notices)
{
    const QString prefix = readers::unsupportedElementText(record.name());
    for (const XmlNode &c : childNodes(record, true))
        if (!isCategory(c, ns)) {
            ReadCheck::notice(notices, prefix + nodeName(c));
            ReadCheck::named(c);
        }
}

} // namespace

bool parseMetadata2004(const XmlDocument &document, Record2004 &record, Notices &notices)
{
    const MetadataRecord found = findRecord(document);
    if (found.isNull()) {
        notices.append({QStringLiteral("Metadata XML File not in expected format. Unable to validate file."),
                        QStringLiteral("Check Format"), Icon::Exclamation});
        return false;
    }
    // What the readers name is gathered for the check of what the record does not hold.
    ReadCheck check;
    const XmlNode &general = found.general;
    // A record whose namespace is written wrong is read all the same, and the one notice says so.
    if (const QString line = unknownNamespaceLine(found); !line.isEmpty())
        ReadCheck::addLine(line);
    const QString ns = general.namespaceUri();
    const QList<XmlNode> classifications = recordElementsNamed(found, "classification");
    {
        // One notice for the file names the strings in further languages that its fields leave out.
        LeftOutStrings leftOut(notices);
        parseGeneral2004(general, record, notices);
        readCategories<Record2004>(found, kCategories, record, notices);
        if (found.element.raw() != general.raw())
            reportUnknownCategories(found.element, ns, notices);
    }
    check.report(ReadCheck::fileCategories(found.element, general), heldTexts2004(record), checkTables2004(),
                 notices, {classifications, otherRecordPlaces(found)});

    record.lstClassification.clear();
    for (qsizetype i = 0; i < classifications.size(); ++i) {
        const QString number = QString::number(i + 1);
        const QString text = withCrLf(standaloneXml(classifications.at(i))) + QStringLiteral("\r\n");
        const QString path = programPath(QStringLiteral("temp/") + number + QStringLiteral(".xml"));
        QString error;
        if (!writeTextFile(path, text, &error, WriteKind::Scratch)) {
            notices.append(fragmentFailureNotice(QStringLiteral("temp"), path, error));
            return false;
        }
        record.lstClassification.append(number);
    }
    return true;
}

LoadedMetadata loadMetadataFile2004(const QString &path)
{
    // The document as it stands, so that categories written before <general> are read too; with the
    // header cut off when only that parses.
    static constexpr MetadataForm kForm{GeneralTag::AnyForm, true,
                                        [](const XmlDocument &document) { return findRecord(document).general; }};
    return loadMetadataFile(path, kForm);
}

ImportResult2004 importMetadataFile2004(const QString &path, const Record2004 &start)
{
    ImportResult2004 result;
    result.record = start;
    LoadedMetadata loaded = loadMetadataFile2004(path);
    result.notices = loaded.notices;
    if (!loaded.document)
        return result;
    result.loaded = true;
    result.ok = parseMetadata2004(*loaded.document, result.record, result.notices);
    return result;
}

} // namespace ts

// The readers of the rights, relation, annotation and classification categories.

#include "reader2004.h"
#include "readerwalk2004.h"

#include "model2004/vocab2004.h"
#include "shared/textutil.h"

namespace ts {

using namespace reader2004;

void parseRights2004(const XmlNode &rights, Record2004 &record, Notices &notices)
{
    Walk walk(rights, Category::Rights, record, notices);
    walk.run([&](const XmlNode &c) {
        bool Record2004::*yes = nullptr;
        if (walk.is(c, "cost"))
            yes = &Record2004::feesYes;
        else if (walk.is(c, "copyrightAndOtherRestrictions"))
            yes = &Record2004::copyrightYes;
        else
            return false;
        // Only "yes" chooses the "Yes" option; any other value chooses "No".
        forVocabulary(
            walk, c, [&](const QString &v) { record.*yes = v == QLatin1String("yes"); },
            [&](const XmlNode &part) { walk.unsupported(part); });
        return true;
    });
}

void parseRelation2004(const XmlNode &relation, Record2004 &record, Notices &notices)
{
    Walk walk(relation, Category::Relation, record, notices);
    walk.run([&](const XmlNode &c) {
        if (walk.is(c, "kind")) {
            forVocabulary(
                walk, c,
                [&](const QString &kind) {
                    const QString text = relationPhrase2004(kind);
                    if (!text.isEmpty())
                        record.relationshipCombo = text;
                    else if (!kind.isEmpty())
                        walk.unsupportedValue(c, "kind", kind);
                },
                [&](const XmlNode &part) { walk.unsupported(part); });
        } else if (walk.is(c, "resource")) {
            // The identifier of the resource is the writers' own.
            for (const XmlNode &part : childNodes(c)) {
                if (walk.is(part, "description"))
                    record.otherResourceText = walk.stringText(part);
                else if (!walk.is(part, "identifier"))
                    walk.unsupported(part);
            }
        } else {
            return false;
        }
        return true;
    });
}

void parseAnnotation2004(const XmlNode &annotation, Record2004 &record, Notices &notices)
{
    Walk walk(annotation, Category::Annotation, record, notices);
    walk.run([&](const XmlNode &c) {
        if (!walk.is(c, "entity"))
            return false;
        const QString vcard = valueText(c);
        if (vcard.contains(QLatin1String("vcard"), Qt::CaseInsensitive))
            record.authorText = getVCardName(vcard);
        else
            walk.unsupported(c);
        return true;
    });
}

namespace {

// Each id goes with the entry of its own taxon; a taxon that lacks one is listed with the part it has.
void readTaxon(Walk &walk, const XmlNode &taxon)
{
    QString id;
    QString entry;
    bool haveId = false;
    bool haveEntry = false;
    for (const XmlNode &part : childNodes(taxon)) {
        if (walk.is(part, "id") && !haveId) {
            id = valueText(part);
            haveId = true;
        } else if (walk.is(part, "entry") && !haveEntry) {
            entry = walk.stringText(part);
            haveEntry = true;
        } else {
            walk.unsupported(part);
        }
    }
    if (!id.isEmpty() || !entry.isEmpty())
        walk.record.lstTaxon.append(id + QLatin1Char(',') + entry);
}

} // namespace

void parseClassification2004(const XmlNode &classification, Record2004 &record, Notices &notices)
{
    record.lstTaxon.clear();
    Walk walk(classification, Category::Classification, record, notices);
    JoinedText keywords(record.classificationKeywordsText, QStringLiteral(","), JoinedText::Separator::AfterText);
    walk.run([&](const XmlNode &c) {
        if (walk.is(c, "purpose")) {
            forVocabulary(
                walk, c, [&](const QString &v) { record.classificationCombo = v; },
                [&](const XmlNode &part) { walk.unsupported(part); });
        } else if (walk.is(c, "keyword")) {
            keywords.add(walk.stringText(c));
        } else if (walk.is(c, "taxonPath")) {
            for (const XmlNode &part : childNodes(c)) {
                if (walk.is(part, "source"))
                    record.txtTaxonSource = walk.stringText(part);
                else if (walk.is(part, "taxon"))
                    readTaxon(walk, part);
                else
                    walk.unsupported(part);
            }
        } else {
            return false;
        }
        return true;
    });
}

bool parseClassification2004(const QString &fragmentXml, Record2004 &record, Notices &notices)
{
    XmlDocument document;
    if (!document.loadXML(fragmentXml)) {
        record.lstTaxon.clear();
        notices.append(parseErrorNotice(QLatin1String(readers::kClassificationParsePrefix), document.parseError(),
                                        QStringLiteral("\r"), Icon::Information, QLatin1String(kNoticeTitle)));
        return false;
    }
    // A fragment read back shows its classification in the entry fields: what they do not hold is named.
    ReadCheck check;
    parseClassification2004(document.documentElement(), record, notices);
    check.report({document.documentElement()}, heldTexts2004(record), checkTables2004(), notices);
    return true;
}

} // namespace ts

// The readers of the rights, relation, annotation and classification categories.

#include "reader12.h"
#include "readerwalk.h"
#include "vocab12.h"

#include "shared/textutil.h"

namespace ts {

using namespace reader12;

void parseRights(const XmlNode &rights, Record12 &record, Notices &notices)
{
    Walk walk(rights, Category::Rights, record, notices);
    walk.run([&](const XmlNode &c) {
        bool Record12::*yes = nullptr;
        if (walk.is(c, "cost"))
            yes = &Record12::feesYes;
        else if (walk.is(c, "copyrightandotherrestrictions"))
            yes = &Record12::copyrightYes;
        else
            return false;
        forVocabulary(
            walk, c, [&](const QString &v) { record.*yes = v == QLatin1String("yes"); },
            [&](const XmlNode &part) { walk.unsupported(part); });
        return true;
    });
}

void parseRelation(const XmlNode &relation, Record12 &record, Notices &notices)
{
    Walk walk(relation, Category::Relation, record, notices);
    QString relationText;
    walk.run([&](const XmlNode &c) {
        if (walk.is(c, "kind")) {
            forVocabulary(
                walk, c,
                [&](const QString &kind) {
                    if (const char *text = relationPhrase12(kind))
                        relationText = QLatin1String(text);
                    else if (!kind.isEmpty())
                        walk.unsupportedValue(c, QStringLiteral("kind"), kind);
                    record.relationshipCombo = relationText;
                },
                [&](const XmlNode &part) { walk.unsupported(part); });
        } else if (walk.is(c, "resource")) {
            for (const XmlNode &part : childNodes(c)) {
                if (walk.is(part, "description"))
                    record.otherResourceText = walk.stringText(part);
                else
                    walk.unsupported(part);
            }
        } else {
            return false;
        }
        return true;
    });
}

void parseAnnotation(const XmlNode &annotation, Record12 &record, Notices &notices)
{
    Walk walk(annotation, Category::Annotation, record, notices);
    walk.run([&](const XmlNode &c) {
        if (!walk.is(c, "person"))
            return false;
        const QList<XmlNode> children = childNodes(c);
        if (children.isEmpty() || !walk.is(children.first(), "vcard")) {
            walk.unsupported(c);
            return true;
        }
        // The name is the value of the FN: line, or without one of the ORG: line; a vCard with neither
        // names nobody.
        const QString vcard = nodeText(children.first());
        const QString lower = vcard.toLower();
        if (lower.contains(QLatin1String("fn:")) || lower.contains(QLatin1String("org:")))
            record.authorText = getVCardName(vcard);
        return true;
    });
}

void parseClassification(const XmlNode &classification, Record12 &record, Notices &notices)
{
    Walk walk(classification, Category::Classification, record, notices);
    JoinedText keywords(record.classificationKeywordsText, QStringLiteral(","));
    walk.run([&](const XmlNode &c) {
        if (walk.is(c, "purpose")) {
            forVocabulary(
                walk, c, [&](const QString &v) { record.classificationCombo = v; },
                [&](const XmlNode &part) { walk.unsupported(part); });
        } else if (walk.is(c, "keyword")) {
            keywords.add(walk.stringText(c));
        } else if (walk.is(c, "taxonpath")) {
            for (const XmlNode &part : childNodes(c)) {
                if (walk.is(part, "source")) {
                    record.txtTaxonSource = walk.stringText(part);
                } else if (walk.is(part, "taxon")) {
                    // Each id goes with the entry of its own taxon; a taxon that lacks one is listed with
                    // the part it has. Taxa nested in a taxon are not read: they are reported.
                    QString id;
                    QString entry;
                    for (const XmlNode &value : childNodes(part)) {
                        if (walk.is(value, "id"))
                            id = childText(value, 0);
                        else if (walk.is(value, "entry"))
                            entry = walk.firstStringText(value);
                        else
                            walk.unsupported(value);
                    }
                    if (!id.isEmpty() || !entry.isEmpty())
                        record.lstTaxon.append(id + QLatin1Char(',') + entry);
                } else {
                    walk.unsupported(part);
                }
            }
        } else {
            return false;
        }
        return true;
    });
}

} // namespace ts

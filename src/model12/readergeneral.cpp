// The readers of the general, lifecycle and meta-metadata categories.

#include "reader12.h"
#include "readerwalk.h"
#include "vocab12.h"

#include "shared/textutil.h"

namespace ts {

using namespace reader12;

namespace {

// The vCard of a contributor: its first child when that is a vcard, else its last child when that is one.
XmlNode vcardOf(const Walk &walk, const XmlNode &centity)
{
    const QList<XmlNode> children = childNodes(centity);
    if (children.isEmpty())
        return {};
    if (walk.is(children.first(), "vcard"))
        return children.first();
    if (walk.is(children.last(), "vcard"))
        return children.last();
    return {};
}

// A vCard names an organisation when its name comes from its ORG: line, that is when it has no FN: line.
bool namesOrganisation(const QString &vcard)
{
    const QString lower = vcard.toLower();
    return lower.contains(QLatin1String("org:")) && !lower.contains(QLatin1String("fn:"));
}

void appendName(QString &list, const QString &name)
{
    if (!list.isEmpty())
        list += QStringLiteral("; ");
    list += name;
}

} // namespace

void parseGeneral(const XmlNode &general, Record12 &record, Notices &notices)
{
    Walk walk(general, Category::General, record, notices);
    const QString invalid = QLatin1String(kInvalidCatalogGeneral);
    JoinedText keywords(record.keywordsText, QStringLiteral(","));
    walk.run([&](const XmlNode &c) {
        if (walk.is(c, "catalogentry")) {
            for (const XmlNode &part : childNodes(c)) {
                if (walk.is(part, "catalog"))
                    record.catalogText = nodeText(part);
                else if (walk.is(part, "entry"))
                    record.catalogEntryText = nodeText(part);
                else
                    walk.noticeFor(part, invalid + nodeName(part));
            }
        } else if (walk.is(c, "keyword")) {
            keywords.add(walk.stringText(c));
        } else if (walk.is(c, "structure")) {
            forVocabulary(
                walk, c, [&](const QString &v) { record.cboStructure = v; },
                [&](const XmlNode &part) { walk.noticeFor(part, invalid + nodeName(part)); });
        } else if (walk.is(c, "aggregationlevel")) {
            forVocabulary(
                walk, c, [&](const QString &v) { record.cboAggregationLevel = v; },
                [&](const XmlNode &part) { walk.unsupported(part); });
        } else {
            return false;
        }
        return true;
    });
}

void parseLifecycle(const XmlNode &lifecycle, Record12 &record, Notices &notices)
{
    Walk walk(lifecycle, Category::Lifecycle, record, notices);
    QString role; // stays in force for the contributors that follow, also in later <contribute> elements
    walk.run([&](const XmlNode &c) {
        if (walk.is(c, "status")) {
            const QList<XmlNode> children = childNodes(c);
            XmlNode value;
            if (!children.isEmpty() && walk.is(children.last(), "value"))
                value = children.last();
            else if (!children.isEmpty() && walk.is(children.first(), "value"))
                value = children.first();
            if (value.isNull()) {
                walk.bareValue(c);
                return true;
            }
            const QString status = nodeText(value);
            if (!status.isEmpty() && !isRecommendedStatus12(status))
                walk.noticeFor(c, QLatin1String(kStatusNotRecommended));
            record.lifecycleStatusCombo = status;
        } else if (walk.is(c, "contribute")) {
            for (const XmlNode &part : childNodes(c)) {
                if (walk.is(part, "role")) {
                    const XmlNode value = walk.vocabularyValue(part);
                    if (walk.is(value, "value"))
                        role = nodeText(value);
                } else if (walk.is(part, "centity")) {
                    const XmlNode vcard = vcardOf(walk, part);
                    if (!vcard.isNull())
                        record.lstFiles.append(getVCardName(nodeText(vcard)) + QLatin1Char(',') + role);
                    else
                        walk.unsupported(part);
                } else if (walk.is(part, "date")) {
                    record.txtLifecycleDate = childText(part, 0);
                } else {
                    walk.noticeFor(part, QLatin1String(kInvalidCatalogLifecycle) + nodeName(part));
                }
            }
        } else {
            return false;
        }
        return true;
    });
}

void parseMetametadata(const XmlNode &metametadata, Record12 &record, Notices &notices)
{
    Walk walk(metametadata, Category::Metametadata, record, notices);
    // The names are appended to the fields themselves: the first vCard replaces what both held.
    bool named = false;
    walk.run([&](const XmlNode &c) {
        if (!walk.is(c, "contribute"))
            return false;
        for (const XmlNode &part : childNodes(c)) {
            if (walk.is(part, "role")) {
                const XmlNode value = walk.vocabularyValue(part);
                if (!value.isNull())
                    record.cboCreatorRole = nodeText(value);
            } else if (walk.is(part, "centity")) {
                const XmlNode vcard = vcardOf(walk, part);
                if (vcard.isNull()) {
                    walk.unsupported(part);
                    continue;
                }
                const QString text = nodeText(vcard);
                if (!named) {
                    record.metadataAuthorsText.clear();
                    record.metadataOrganizations.clear();
                    named = true;
                }
                appendName(namesOrganisation(text) ? record.metadataOrganizations : record.metadataAuthorsText,
                           getVCardName(text));
            } else if (!walk.is(part, "date")) {
                walk.noticeFor(part, QLatin1String(kInvalidCatalogMetametadata) + nodeName(part));
            }
        }
        return true;
    });
}

} // namespace ts

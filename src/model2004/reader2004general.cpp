// The readers of the general, lifeCycle and metaMetadata categories.

#include "reader2004.h"
#include "readerwalk2004.h"

#include "shared/textutil.h"

namespace ts {

using namespace reader2004;

namespace {

// The contributions of a lifeCycle or metaMetadata category. The role read last stays in force for the
// entities that follow, also in later contributions, until another role is read.
class Contributions {
public:
    Contributions(Walk &walk, QStringList &list, const char *invalid) : m_walk(walk), m_list(list), m_invalid(invalid)
    {
        m_list.clear();
    }

    void read(const XmlNode &contribute)
    {
        for (const XmlNode &part : childNodes(contribute)) {
            if (m_walk.is(part, "role")) {
                const XmlNode value = m_walk.value(part);
                if (m_walk.is(value, "value"))
                    m_role = valueText(value);
            } else if (m_walk.is(part, "entity")) {
                // An entity lists a contributor only when it holds a vCard.
                const QString vcard = valueText(part);
                if (vcard.contains(QLatin1String("vcard"), Qt::CaseInsensitive))
                    m_list.append(getVCardName(vcard) + QLatin1Char(',') + m_role);
                else
                    m_walk.unsupported(part);
            } else if (!m_walk.is(part, "date")) {
                m_walk.noticeFor(part, QLatin1String(m_invalid) + nodeName(part));
            }
        }
    }

private:
    Walk &m_walk;
    QStringList &m_list;
    const char *m_invalid;
    QString m_role;
};

// The lifecycle status: the value written last (after its source, as the editor writes it) is taken as a
// value of the editor's lower-case list; a value written first is taken as a capitalised one.
void readStatus(Walk &walk, const XmlNode &status)
{
    if (walk.bareValue(status))
        return;
    const QList<XmlNode> children = elementChildren(status);
    if (children.isEmpty())
        return;
    bool capitalised = false;
    XmlNode value = children.last();
    if (!walk.is(value, "value")) {
        value = children.first();
        capitalised = true;
        if (!walk.is(value, "value"))
            return;
    }
    const QString text = valueText(value);
    if (!text.isEmpty() && !isStatusValue(text, capitalised))
        walk.noticeFor(status, QLatin1String(kStatusNotRecommended));
    walk.record.lifecycleStatusCombo = text;
}

} // namespace

void parseGeneral2004(const XmlNode &general, Record2004 &record, Notices &notices)
{
    Walk walk(general, Category::General, record, notices);
    const QString invalid = QLatin1String(kInvalidCatalogGeneral);
    // The keywords, after a "," when a text was joined before.
    JoinedText keywords(record.keywordsText, QStringLiteral(","), JoinedText::Separator::AfterText);
    walk.run([&](const XmlNode &c) {
        if (walk.is(c, "identifier")) {
            for (const XmlNode &part : childNodes(c)) {
                if (walk.is(part, "catalog"))
                    record.catalogText = valueText(part);
                else if (walk.is(part, "entry"))
                    record.catalogEntryText = valueText(part);
                else
                    walk.noticeFor(part, invalid + nodeName(part));
            }
        } else if (walk.is(c, "keyword")) {
            keywords.add(walk.stringText(c));
        } else if (walk.is(c, "structure")) {
            forVocabulary(
                walk, c, [&](const QString &v) { record.cboStructure = v; },
                [&](const XmlNode &part) { walk.noticeFor(part, invalid + nodeName(part)); });
        } else if (walk.is(c, "aggregationLevel")) {
            forVocabulary(
                walk, c, [&](const QString &v) { record.cboAggregationLevel = v; },
                [&](const XmlNode &part) { walk.unsupported(part); });
        } else {
            return false;
        }
        return true;
    });
}

void parseLifecycle2004(const XmlNode &lifeCycle, Record2004 &record, Notices &notices)
{
    Walk walk(lifeCycle, Category::Lifecycle, record, notices);
    Contributions contributions(walk, record.lstFiles, kInvalidCatalogLifecycle);
    walk.run([&](const XmlNode &c) {
        if (walk.is(c, "contribute"))
            contributions.read(c);
        else if (walk.is(c, "status"))
            readStatus(walk, c);
        else
            return false;
        return true;
    });
}

void parseMetametadata2004(const XmlNode &metaMetadata, Record2004 &record, Notices &notices)
{
    Walk walk(metaMetadata, Category::Metametadata, record, notices);
    Contributions contributions(walk, record.lstMetaContrib, kInvalidCatalogMetametadata);
    walk.run([&](const XmlNode &c) {
        if (!walk.is(c, "contribute"))
            return false;
        contributions.read(c);
        return true;
    });
}

} // namespace ts

// The readers of the technical and educational categories.

#include "reader2004.h"
#include "readerwalk2004.h"

#include "model2004/duration2004.h"
#include "model2004/vocab2004.h"
#include "shared/textutil.h"

#include <array>
#include <tuple>

namespace ts {

using namespace reader2004;

namespace {

// The requirements of a technical category. The type and the names read carry over from one orComposite
// to the next, as they stand when it ends.
class Requirements {
public:
    explicit Requirements(Walk &walk) : m_walk(walk) {}

    void read(const XmlNode &requirement)
    {
        // The editor holds what an orComposite says; anything else under a requirement is reported.
        for (const XmlNode &composite : childNodes(requirement)) {
            if (m_walk.is(composite, "orComposite"))
                readComposite(composite);
            else
                m_walk.unsupported(composite);
        }
    }

private:
    void readComposite(const XmlNode &composite)
    {
        m_composite = composite;
        for (const XmlNode &part : childNodes(composite)) {
            if (m_walk.is(part, "type")) {
                if (const XmlNode value = m_walk.child(part, "value"); !value.isNull())
                    m_type = valueText(value);
                else
                    m_walk.bareValue(part);
            } else if (m_walk.is(part, "name")) {
                readName(part);
            } else if (m_walk.is(part, "minimumVersion")) {
                if (m_browserPending)
                    showBrowser(valueText(part));
            } else {
                // A maximum version among them: the editor has no place for it.
                m_walk.unsupported(part);
            }
        }
        if (m_browserPending)
            showBrowser(QString());
    }

    void readName(const XmlNode &name)
    {
        const XmlNode value = m_walk.value(name);
        if (value.isNull())
            return;
        if (m_type == QLatin1String("browser")) {
            m_browser = valueText(value);
            m_browserPending = true;
        } else if (m_type == QLatin1String("operating system")) {
            // The operating system list shows the name as it is, with a minimum version or without one.
            m_walk.record.osCombo = valueText(value);
        } else {
            // A requirement of a type the editor has no list for.
            m_walk.unsupportedValue(name, "requirement", (m_type + QLatin1Char(' ') + valueText(value)).trimmed());
        }
    }

    // The browser list's entry of the browser named last, with that minimum version; a browser the list
    // has no entry for is reported.
    void showBrowser(const QString &minimumVersion)
    {
        m_browserPending = false;
        const QString text = browserText2004(m_browser, minimumVersion);
        if (!text.isEmpty())
            m_walk.record.browserCombo = text;
        else
            m_walk.unsupportedValue(m_composite, "requirement",
                                    (m_browser + QLatin1Char(' ') + minimumVersion).trimmed());
    }

    Walk &m_walk;
    QString m_type;
    QString m_browser;
    bool m_browserPending = false;
    XmlNode m_composite; // the one being read
};

// The six parts of the duration held by an element's inner <duration> (the last one, when there are more),
// and its text. A duration that is no ISO 8601 duration is reported and leaves the parts as they were.
void readDuration(Walk &walk, const XmlNode &element, const char *name, std::array<QString Record2004::*, 6> parts,
                  QString Record2004::*composed)
{
    for (const XmlNode &inner : childNodes(element)) {
        if (walk.is(inner, "description"))
            continue; // the writers write their own
        if (!walk.is(inner, "duration")) {
            walk.unsupported(inner);
            continue;
        }
        const QString text = valueText(inner);
        if (text.isEmpty())
            continue;
        const std::optional<DurationParts> split = splitDuration(text);
        if (!split) {
            walk.unsupportedValue(inner, name, text);
            continue;
        }
        const QString values[] = {split->years, split->months,  split->days,
                                  split->hours, split->minutes, split->seconds};
        for (std::size_t i = 0; i < parts.size(); ++i)
            walk.record.*parts[i] = values[i];
        walk.record.*composed = text;
    }
}

} // namespace

void parseTechnical2004(const XmlNode &technical, Record2004 &record, Notices &notices)
{
    Walk walk(technical, Category::Technical, record, notices);
    JoinedText otherFormats(record.otherContentTypeText, QStringLiteral(","));
    Requirements requirements(walk);
    walk.run([&](const XmlNode &c) {
        if (walk.is(c, "format")) {
            const QString format = valueText(c);
            if (bool Record2004::*check = checkFor2004(kFormatChecks2004, format)) {
                record.*check = true;
            } else {
                otherFormats.add(format);
            }
        } else if (walk.is(c, "requirement")) {
            requirements.read(c);
        } else if (walk.is(c, "duration")) {
            readDuration(walk, c, "duration",
                         {&Record2004::cboYrDuration, &Record2004::cboMoDuration, &Record2004::cboDayDuration,
                          &Record2004::cboHourDuration, &Record2004::cboMinDuration, &Record2004::cboSecDuration},
                         &Record2004::txtDuration);
        } else {
            return false;
        }
        return true;
    });
}

void parseEducational2004(const XmlNode &educational, Record2004 &record, Notices &notices)
{
    Walk walk(educational, Category::Educational, record, notices);
    walk.run([&](const XmlNode &c) {
        if (walk.is(c, "learningResourceType")) {
            const QString type = valueText(walk.value(c));
            if (bool Record2004::*check = checkFor2004(kResourceTypeChecks2004, type))
                record.*check = true;
            else if (!type.isEmpty())
                walk.unsupportedValue(c, "learningResourceType", type);
        } else if (walk.is(c, "typicalAgeRange")) {
            record.txtTypicalAgeRange = walk.firstStringText(c);
            std::tie(record.cboMinAge, record.cboMaxAge) = splitAgeRange(record.txtTypicalAgeRange);
        } else if (walk.is(c, "typicalLearningTime")) {
            readDuration(walk, c, "typicalLearningTime",
                         {&Record2004::cboYear, &Record2004::cboMonth, &Record2004::cboDay, &Record2004::cboHour,
                          &Record2004::cboMin, &Record2004::cboSec},
                         &Record2004::txtTypicalTime);
        } else {
            return false;
        }
        return true;
    });
}

} // namespace ts

// The readers of the technical and educational categories.

#include "reader12.h"
#include "readerduration.h"
#include "readerwalk.h"
#include "vocab12.h"

#include "shared/textutil.h"

namespace ts {

using namespace reader12;

namespace {

void fillDuration(const QStringList &parts, QString &hours, QString &minutes, QString &seconds)
{
    hours = parts.value(0);
    if (parts.size() > 1)
        minutes = parts.at(1);
    if (parts.size() > 2)
        seconds = parts.at(2);
}

// The type, name and minimum version carry over from one requirement to the next within the category.
struct Requirements {
    QString type;
    QString name;
    QString minimumVersion;
    QString browserText;
    QString osText;

    bool isBrowser() const { return type.toLower() == QLatin1String("browser"); }
    bool isOperatingSystem() const { return type.toLower() == QLatin1String("operating system"); }

    void read(Walk &walk, const XmlNode &requirement, Record12 &record)
    {
        for (const XmlNode &part : childNodes(requirement)) {
            if (walk.is(part, "type"))
                forVocabulary(walk, part, [this](const QString &v) { type = v; }, passOver);
            else if (walk.is(part, "name"))
                forVocabulary(walk, part, [this](const QString &v) { name = v; }, passOver);
            else if (walk.is(part, "minimumversion"))
                minimumVersion = nodeText(part);
            else
                walk.unsupported(part); // a maximum version among them: the editor has no place for it
            if (isBrowser()) {
                if (const char *text = browserText12(name, minimumVersion))
                    browserText = QLatin1String(text);
                record.browserCombo = browserText;
            } else if (isOperatingSystem() && isOperatingSystem12(name)) {
                osText = name;
                record.osCombo = osText;
            }
        }
    }

    // What the editor cannot show of the requirement just read.
    QString unsupported() const
    {
        if (isBrowser())
            return browserText12(name, minimumVersion) ? QString()
                                                       : (name + QLatin1Char(' ') + minimumVersion).trimmed();
        if (isOperatingSystem())
            return isOperatingSystem12(name) ? QString() : name;
        return (type + QLatin1Char(' ') + name).trimmed();
    }
};

} // namespace

void parseTechnical(const XmlNode &technical, Record12 &record, Notices &notices)
{
    Walk walk(technical, Category::Technical, record, notices);
    JoinedText otherFormats(record.otherContentTypeText, QStringLiteral(","));
    Requirements requirements;
    walk.run([&](const XmlNode &c) {
        if (walk.is(c, "format")) {
            const QString format = nodeText(c);
            if (bool Record12::*check = checkFor12(kFormatChecks12, format)) {
                record.*check = true;
            } else if (!format.isEmpty()) {
                otherFormats.add(format);
            }
        } else if (walk.is(c, "requirement")) {
            requirements.read(walk, c, record);
            const QString lost = requirements.unsupported();
            if (!lost.isEmpty())
                walk.unsupportedValue(c, QStringLiteral("requirement"), lost);
        } else if (walk.is(c, "duration")) {
            // The editor's writers keep the duration as hours:minutes:seconds in the description; other
            // programs give it as an ISO 8601 duration in <datetime>, where the editor's own files carry a date.
            for (const XmlNode &part : childNodes(c)) {
                std::optional<QStringList> parts;
                if (walk.is(part, "datetime")) {
                    parts = isoDurationParts(nodeText(part));
                } else if (walk.is(part, "description")) {
                    const QString text = walk.stringText(part);
                    if (text.isEmpty())
                        continue;
                    parts = durationParts(text);
                    if (!parts)
                        walk.unsupportedValue(part, QStringLiteral("duration"), text);
                } else {
                    walk.unsupported(part);
                }
                if (!parts)
                    continue;
                fillDuration(*parts, record.cboHourDuration, record.cboMinDuration, record.cboSecDuration);
                // As picking the three lists does, so that the duration is written again on export.
                record.txtDuration = record.cboHourDuration + QLatin1Char(':') + record.cboMinDuration +
                                     QLatin1Char(':') + record.cboSecDuration;
            }
        } else {
            return false;
        }
        return true;
    });
}

void parseEducational(const XmlNode &educational, Record12 &record, Notices &notices)
{
    Walk walk(educational, Category::Educational, record, notices);
    walk.run([&](const XmlNode &c) {
        if (walk.is(c, "learningresourcetype")) {
            const QString type = nodeText(walk.vocabularyValue(c));
            if (bool Record12::*check = checkFor12(kResourceTypeChecks12, type))
                record.*check = true;
            else if (!type.isEmpty())
                walk.unsupportedValue(c, QStringLiteral("learningresourcetype"), type);
        } else if (walk.is(c, "typicallearningtime")) {
            const QString text = childText(c, 0);
            if (text.isEmpty())
                return true;
            if (const std::optional<QStringList> parts = durationParts(text))
                fillDuration(*parts, record.cboHour, record.cboMin, record.cboSec);
            else
                walk.unsupportedValue(c, QStringLiteral("typicallearningtime"), text);
        } else {
            return false;
        }
        return true;
    });
}

} // namespace ts

#pragma once
// The ISO 8601 duration texts and the typical age range of the SCORM 2004 record. The editor shows a
// duration as six parts (years, months, days, hours, minutes, seconds) and writes it in the full form with
// all six designators ("P00Y00M01DT02H30M00S"); files may hold any valid ISO 8601 duration ("PT1H30M",
// "P1D", "P2W"), which is split into the same six parts.

#include <QString>
#include <QStringList>
#include <optional>

namespace ts {

struct DurationParts {
    QString years, months, days, hours, minutes, seconds;
    bool operator==(const DurationParts &) const = default;
};

// The six parts of an ISO 8601 duration, as written in the text (no leading zeros added or taken away);
// a designator that the text leaves out gives the empty part. Weeks ("P2W") count as seven days each.
// Nothing when the text is not an ISO 8601 duration.
std::optional<DurationParts> splitDuration(const QString &text);

// Fills every empty part with "00" (the caller's parts change too) and composes the full form: "P", years,
// "Y", months, "M", days, "D", "T", hours, "H", minutes, "M", seconds, "S"; the parts are taken as they are.
QString composeDuration(DurationParts &parts);

// True for a duration in that full form whose parts are all whole numbers (the seconds may carry a decimal
// fraction, as ISO 8601 allows the smallest part): what the writers may write into a <duration>.
bool isPlainDuration(const QString &text);

// The typical age range composed from its two lists: "10 - 20"; "10 - " when the maximum reads "no max" in
// any case.
QString composeAgeRange(const QString &minAge, const QString &maxAge);

// The two lists' texts of an age range read from a file: split at every "-", the first part the minimum
// and the second the maximum, each trimmed of the blanks around it; a text without "-" is the minimum
// alone.
std::pair<QString, QString> splitAgeRange(const QString &text);

} // namespace ts

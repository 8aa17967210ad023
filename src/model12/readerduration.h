#pragma once
#include <QString>
#include <QStringList>
#include <optional>

namespace ts::reader12 {

// The hours, minutes and seconds that a duration text of a SCORM 1.2 record holds, one to three parts:
// - "hours:minutes:seconds", split at ":" with the parts as written; "hours:minutes" gives two parts;
// - an ISO 8601 duration ("PT1H30M", "P1DT2H", "PT90M"), counted out in hours (days and weeks included),
//   minutes and seconds, each written with two digits at least ("01", "30", "00").
// No value when the text is neither (also an ISO duration of years or months, which has no length in hours).
std::optional<QStringList> durationParts(const QString &text);

// The ISO 8601 form alone.
std::optional<QStringList> isoDurationParts(const QString &text);

} // namespace ts::reader12

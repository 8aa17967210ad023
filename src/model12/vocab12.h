#pragma once
// The fixed tables of the SCORM 1.2 writers: the content-type and learning-resource-type check boxes,
// the browser and operating-system requirements and the relation phrases.

#include "model12/record12.h"

#include <QString>
#include <array>
#include <optional>

namespace ts {

// A check box and the text written when it is ticked.
struct CheckValue12 {
    bool Record12::*check;
    const char *control; // objectName of the check box
    const char *written;
};

// The twelve content-type boxes in writing order, with their <format> lines.
extern const std::array<CheckValue12, 12> kFormatChecks12;
// The fourteen learning-resource-type boxes in writing order, with their values.
extern const std::array<CheckValue12, 14> kResourceTypeChecks12;

// A requirement row: the combo text, the name written and the minimum-version line (empty: the line
// holds only its indentation).
struct RequirementRow12 {
    const char *text;
    const char *name;
    const char *minimumVersionLine;
};

extern const std::array<RequirementRow12, 7> kBrowsers12;
extern const std::array<RequirementRow12, 7> kOperatingSystems12;
// What a text outside its table is written as after the user chose to continue.
extern const RequirementRow12 kUnknownBrowser12;
extern const RequirementRow12 kUnknownOperatingSystem12;

// The row of a combo text (exact, case-sensitive); none when the text is not in the table.
template <std::size_t N>
std::optional<RequirementRow12> findRequirement12(const std::array<RequirementRow12, N> &table, const QString &text)
{
    for (const RequirementRow12 &row : table)
        if (text == QLatin1String(row.text))
            return row;
    return std::nullopt;
}

struct RelationPhrase12 {
    const char *phrase;
    const char *kind;
};

extern const std::array<RelationPhrase12, 12> kRelationPhrases12;
// The kind of a relationship phrase (exact, case-sensitive); empty when it is none of the twelve.
QString relationKind12(const QString &phrase);

} // namespace ts

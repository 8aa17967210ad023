#pragma once
// The fixed vocabularies of the SCORM 1.2 binding, one table each, as the readers read them and the writers
// write them: the content-type and learning-resource-type check boxes, the browser and operating-system
// requirements, the relation phrases and the recommended lifecycle status values.

#include "model12/record12.h"

#include <QString>
#include <array>
#include <initializer_list>
#include <optional>
#include <span>

namespace ts {

// A check box of the record and the value it stands for in a document.
struct CheckValue12 {
    bool Record12::*check;
    const char *value;
};

// The twelve content-type boxes in writing order, with their <format> texts.
extern const std::array<CheckValue12, 12> kFormatChecks12;
// The fourteen learning-resource-type boxes in writing order, with their values.
extern const std::array<CheckValue12, 14> kResourceTypeChecks12;
// The box of a value (exact, case-sensitive); nullptr when no box stands for it.
bool Record12::*checkFor12(std::span<const CheckValue12> table, const QString &value);

// A requirement row: the combo text, the name in the document and its minimum version (nullptr: the
// document holds no minimum version, and its line holds only its indentation).
struct RequirementRow12 {
    const char *text;
    const char *name;
    const char *minimumVersion;
};

extern const std::array<RequirementRow12, 7> kBrowsers12;
extern const std::array<RequirementRow12, 7> kOperatingSystems12;
// What a text outside its table is written as after the user chose to continue.
extern const RequirementRow12 kUnknownBrowser12;
extern const RequirementRow12 kUnknownOperatingSystem12;

// The minimum-version line of a row as written (empty when it has none).
QString minimumVersionLine12(const RequirementRow12 &row);

// The row of a combo text (exact, case-sensitive); none when the text is not in the table.
template <std::size_t N>
std::optional<RequirementRow12> findRequirement12(const std::array<RequirementRow12, N> &table, const QString &text)
{
    for (const RequirementRow12 &row : table)
        if (text == QLatin1String(row.text))
            return row;
    return std::nullopt;
}

// The browser combo text of a name and minimum version read from a document (a row without a minimum
// version matches the empty text); nullptr when no row has both.
const char *browserText12(const QString &name, const QString &minimumVersion);
// True when the name read is one of the operating systems, which the combo shows as they are.
bool isOperatingSystem12(const QString &name);

struct RelationPhrase12 {
    const char *phrase;
    const char *kind;
};

extern const std::array<RelationPhrase12, 12> kRelationPhrases12;
// The kind of a relationship phrase (exact, case-sensitive); empty when it is none of the twelve.
QString relationKind12(const QString &phrase);
// The phrase of a relation kind read from a document (exact, case-sensitive); nullptr when it has none.
const char *relationPhrase12(const QString &kind);

// The lifecycle status values the binding recommends.
extern const std::array<const char *, 4> kLifecycleStatus12;
bool isRecommendedStatus12(const QString &status);

// The values of the vocabularies that the editor offers in its lists, as the documents write them; a file's
// value outside its list is named when the file is read.
using VocabularyValues = std::initializer_list<const char *>;
inline constexpr VocabularyValues kStructures12 = {
    "Collection", "Mixed", "Linear", "Hierarchical", "Networked", "Branched", "Parceled", "Atomic"};
inline constexpr VocabularyValues kAggregationLevels12 = {"1", "2", "3", "4"};
inline constexpr VocabularyValues kContributorRoles12 = {
    "Author", "Publisher", "Unknown", "Initiator", "Terminator", "Validator", "Editor", "Graphical Designer",
    "Technical Implementer", "Content Provider", "Technical Validator", "Educational Validator", "Script Writer",
    "Instructional Designer"};
inline constexpr VocabularyValues kMetadataRoles12 = {"Creator", "Validator"};
inline constexpr VocabularyValues kInteractivityTypes12 = {"Active", "Expositive", "Mixed", "Undefined"};
inline constexpr VocabularyValues kInteractivityLevels12 = {"very low", "low", "medium", "high", "very high"};
inline constexpr VocabularyValues kDifficulties12 = {"very easy", "easy", "medium", "difficult", "very difficult"};
inline constexpr VocabularyValues kEndUserRoles12 = {"Teacher", "Author", "Learner", "Manager"};
inline constexpr VocabularyValues kContexts12 = {
    "Primary Education", "Secondary Education", "Higher Education", "University First Cycle",
    "University Second Cycle", "University Postgrade", "Technical School First Cycle", "Technical School Second Cycle",
    "Professional Formation", "Continuous Formation", "Vocational Training"};
inline constexpr VocabularyValues kSemanticDensities12 = {"very low", "low", "medium", "high", "very high"};
inline constexpr VocabularyValues kPurposes12 = {
    "Discipline", "Idea", "Prerequisite", "Educational Objective", "Accessibility Restrictions", "Educational Level",
    "Skill Level", "Security Level"};

} // namespace ts

#pragma once
// The fixed vocabularies of the SCORM 2004 binding, one table each, as the readers read them and the writers
// write them: the content-type and learning-resource-type check boxes, the browser requirements and the
// relation kinds.

#include "model2004/record2004.h"

#include <QString>
#include <array>
#include <initializer_list>
#include <optional>
#include <span>

namespace ts {

// A check box of the record and the value it stands for in a document.
struct CheckValue2004 {
    bool Record2004::*check;
    const char *value;
};

// The twelve content-type boxes in writing order, with their <format> texts.
extern const std::array<CheckValue2004, 12> kFormatChecks2004;
// The fifteen learning-resource-type boxes in the order the content aggregation writes them, lecture right
// after graph (the SCO and asset writers write lecture before graph).
extern const std::array<CheckValue2004, 15> kResourceTypeChecks2004;
// The box of a value (exact, case-sensitive); nullptr when no box stands for it.
bool Record2004::*checkFor2004(std::span<const CheckValue2004> table, const QString &value);

// A browser of the browser list: the combo text, the name in the document and its minimum version
// (nullptr: the document holds no minimum version, and its line holds only its indentation); read back
// whatever minimum version it has, also none, when anyVersion is set.
struct BrowserRow2004 {
    const char *text;
    const char *name;
    const char *minimumVersion;
    bool anyVersion;
};

extern const std::array<BrowserRow2004, 8> kBrowsers2004;
// What a text outside the list is written as after the user chose to continue.
extern const BrowserRow2004 kUnknownBrowser2004;
// The row of a combo text (exact, case-sensitive); none when the text is not in the list.
std::optional<BrowserRow2004> findBrowser2004(const QString &text);
// The combo text of a browser name and minimum version read from a document (exact, case-sensitive);
// empty when no row matches.
QString browserText2004(const QString &name, const QString &minimumVersion);

// The relation phrases of the editor's list and the IEEE LOM relation kinds they stand for.
struct RelationKind2004 {
    const char *phrase;
    const char *kind;
};

extern const std::array<RelationKind2004, 12> kRelationKinds2004;
// The kind of a phrase (exact, case-sensitive, first match); empty when it is none of the twelve.
QString relationKind2004(const QString &phrase);
// The phrase of an IEEE LOM relation kind read from a document (exact, case-sensitive); empty when it has none.
QString relationPhrase2004(const QString &kind);

// The values of the vocabularies that the editor offers in its lists, as the documents write them; a file's
// value outside its list is named when the file is read.
using VocabularyValues = std::initializer_list<const char *>;
inline constexpr VocabularyValues kStructures2004 = {"atomic", "collection", "networked", "hierarchical", "linear"};
inline constexpr VocabularyValues kAggregationLevels2004 = {"1", "2", "3", "4"};
inline constexpr VocabularyValues kContributorRoles2004 = {
    "author", "publisher", "unknown", "initiator", "terminator", "validator", "editor", "graphical designer",
    "technical implementer", "content provider", "technical validator", "educational validator", "script writer",
    "instructional designer", "subject matter expert"};
inline constexpr VocabularyValues kMetadataRoles2004 = {"creator", "validator"};
inline constexpr VocabularyValues kInteractivityTypes2004 = {"active", "expositive", "mixed"};
inline constexpr VocabularyValues kInteractivityLevels2004 = {"very low", "low", "medium", "high", "very high"};
inline constexpr VocabularyValues kDifficulties2004 = {"very easy", "easy", "medium", "difficult", "very difficult"};
inline constexpr VocabularyValues kEndUserRoles2004 = {"teacher", "author", "learner", "manager"};
inline constexpr VocabularyValues kContexts2004 = {"school", "higher education", "training", "other"};
inline constexpr VocabularyValues kSemanticDensities2004 = {"very low", "low", "medium", "high", "very high"};
inline constexpr VocabularyValues kPurposes2004 = {
    "discipline", "idea", "prerequisite", "educational objective", "accessibility restrictions", "educational level",
    "skill level", "security level", "competency"};

} // namespace ts

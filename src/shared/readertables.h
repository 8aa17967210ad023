#pragma once
// What the category readers of both bindings share: the categories, how a simple element reaches its
// field, the field rules that both bindings read alike, and the texts of the notices that both give.

#include <QString>
#include <initializer_list>

namespace ts::readers {

enum class Category { General, Lifecycle, Metametadata, Technical, Educational, Rights, Relation, Annotation,
                      Classification };

// How a simple element reaches its field.
enum class Take {
    Skip,       // passed over
    Text,       // the text of the element
    FirstChild, // the text of its first child (the string of a language string)
    Value,      // the value of a vocabulary element, the child after its source
};

template <typename Record>
struct FieldRule {
    const char *element;
    Take take;
    QString Record::*field; // nullptr for Take::Skip
};

// The rules that read alike in both bindings: both records hold these fields by these names.
template <typename R>
inline constexpr FieldRule<R> kGeneralRules[] = {
    {"title", Take::Text, &R::titleText},
    {"description", Take::Text, &R::courseDescription},
    {"coverage", Take::Text, &R::txtCoverage},
    {"language", Take::Skip, nullptr},
    {"x-none", Take::Skip, nullptr},
};
template <typename R>
inline constexpr FieldRule<R> kLifecycleRules[] = {{"version", Take::Text, &R::versionText}};
template <typename R>
inline constexpr FieldRule<R> kRightsRules[] = {{"description", Take::Text, &R::usageConditionsText}};
template <typename R>
inline constexpr FieldRule<R> kAnnotationRules[] = {
    {"date", Take::Skip, nullptr},
    {"datetime", Take::Skip, nullptr},
    {"description", Take::Text, &R::annotationText},
};
template <typename R>
inline constexpr FieldRule<R> kClassificationRules[] = {{"description", Take::Text, &R::classificationText}};

// "Unsupported element found in your imported file <section>: ", followed by the element's name; the
// section is the category's, or the name of the element that holds the record's categories.
QString unsupportedElementText(Category category);
QString unsupportedElementText(const QString &section);
// The category as notices about its values name it: "<technical>", "<educational>", "<relation>".
QString sectionName(Category category);
// The notice of a vocabulary element that gives its value as bare text, without the value element the
// editors read it from: "Unsupported value found in your imported file <educational>: interactivityType
// (no value element)". The field is left as it was.
QString noValueElementText(Category category, const QString &element);

// The values of the yes-or-no vocabularies (cost, copyright and other restrictions).
inline constexpr std::initializer_list<const char *> kYesNo = {"yes", "no"};

// Notices with a fixed text.
inline constexpr const char *kNoticeTitle = "Notice";
inline constexpr const char *kInvalidCatalogGeneral = "Catalog entry in <general> section is invalid: ";
inline constexpr const char *kInvalidCatalogMetametadata =
    "Catalog entry in <contribute> section of <metametadata> is invalid: ";
inline constexpr const char *kStatusNotRecommended =
    "Lifecycle status is not one of the recommended type:  Draft, Final, Revised or Unavailable.";
// The notice of a classification text that is no XML begins so.
inline constexpr const char *kClassificationParsePrefix = "XML Error on line ";
// A value that the editor cannot hold or read: section + ": " + element, and the value in quotes.
inline constexpr const char *kUnsupportedValue = "Unsupported value found in your imported file ";
// The strings a file gives beside the first one of a field, once per file (shared/leftoutstrings.h): when
// every one is in another language than the first, so; otherwise the second form, which names the language
// and the beginning of each.
inline constexpr const char *kLeftOutStrings =
    "Only the first string of each field was read. Strings in other languages left out of your imported file: ";
inline constexpr const char *kLeftOutStringsAnyLanguage =
    "Only the first string of each field was read. Strings left out of your imported file: ";
// The lines of the one notice that names, when a file has been read, what its record does not hold and no
// other notice has named (shared/readcheck.h); each is followed by what it names.
inline constexpr const char *kLeftOutRepeats =
    "Each of these fields holds one value. Repeated elements left out of your imported file: ";
inline constexpr const char *kLeftOutIdentifiers =
    "These identifiers are written as the general identifier. Identifiers left out of your imported file: ";
inline constexpr const char *kLeftOutValues = "Values left out of your imported file: ";
inline constexpr const char *kLeftOutLanguages =
    "Every language is written as \"x-none\". Languages of your imported file that are not kept: ";
// The same where the classifications, written as they stand, keep languages of their own.
inline constexpr const char *kLeftOutLanguagesBesideClassifications =
    "Every language but those of the classifications is written as \"x-none\". Languages of your imported file "
    "that are not kept: ";
inline constexpr const char *kLeftOutDates =
    "The export writes its own dates and date descriptions. Dates of your imported file that are not kept: ";
// The texts of a file in place of which the writers write their own.
inline constexpr const char *kLeftOutDescriptions =
    "The export writes its own descriptions of durations and learning times. Descriptions of your imported file "
    "that are not kept: ";
inline constexpr const char *kLeftOutSchemas =
    "The export writes its own metadata schemas. Metadata schemas of your imported file that are not kept: ";
inline constexpr const char *kLeftOutVCardLines =
    "The export writes each person by name alone. Lines of their vCards left out of your imported file: ";
// Followed by each source and how many values carried it: ""LOM-ESv1.0" (9 values)".
inline constexpr const char *kLeftOutSources = "The export writes every vocabulary with the source \"LOMv1.0\". "
                                               "Sources of your imported file that are not kept: ";
// A record whose namespace is written wrong: the binding it is read as, then its namespace, quoted.
inline constexpr const char *kUnknownNamespace = "The metadata record's namespace is not one this program knows; "
                                                 "it is read as %1. Namespace of your imported file: ";
// Followed by how many more records the file holds and where each one stands.
inline constexpr const char *kLeftOutRecords = "Only the first metadata record of a file is read. Left out of your "
                                               "imported file: ";
inline constexpr const char *kLeftOutContributions =
    "Each contribution is kept with its person. Contributions without a person left out of your imported file: ";
// The notice after the first ones of each kind that an opening shows, followed by how many more of each
// kind there were.
inline constexpr const char *kNotShown = "Only the first twenty notices of each kind are shown. Not shown: ";

} // namespace ts::readers

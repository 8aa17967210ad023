#pragma once
// The data of the SCORM 2004 category readers: which element fills which field, the vocabularies they map
// to the editor's check boxes and lists, and the texts of their notices.

#include "model2004/record2004.h"

#include <QString>
#include <span>

namespace ts::reader2004 {

enum class Category { General, Lifecycle, Metametadata, Technical, Educational, Rights, Relation, Annotation,
                      Classification };

// How a simple element reaches its field.
enum class Take {
    Skip,       // passed over
    Text,       // the text of the element
    FirstChild, // the text of its first child element (the string of a language string)
    Value,      // the text of its value (the second child element, after the source)
};

struct FieldRule {
    const char *element;
    Take take;
    QString Record2004::*field; // nullptr for Take::Skip
};

// The elements of a category that need nothing but their text moved into a field, or are passed over.
std::span<const FieldRule> fieldRules(Category category);

// "Unsupported element found in your imported file <section>: " for the elements a category cannot hold.
QString unsupportedElementText(Category category);
// The category as notices about its values name it: "<technical>", "<educational>", "<relation>".
QString sectionName(Category category);

// A check box of the record and the value it stands for in a document.
struct CheckValue {
    const char *value;
    bool Record2004::*check;
};
// The twelve content types (<format>) and the fifteen learning resource types.
extern const std::span<const CheckValue> kFormatChecks;
extern const std::span<const CheckValue> kResourceTypeChecks;
// The box of a value (exact, case-sensitive); nullptr when no box stands for it.
bool Record2004::*checkFor(std::span<const CheckValue> table, const QString &value);

// The browser list's text of a browser name and minimum version read from a document (exact,
// case-sensitive); "amaya" and "any" match whatever their version, also without one. Empty when no entry
// matches.
QString browserText(const QString &name, const QString &minimumVersion);

// The relation list's text of an IEEE LOM relation kind (exact, case-sensitive); empty when it has none.
QString relationText(const QString &kind);

// The recommended lifecycle status values: in lower case as the editor's list holds them, or capitalised.
bool isStatusValue(const QString &status, bool capitalised);

// Notices with a fixed text.
inline constexpr const char *kNoticeTitle = "Notice";
inline constexpr const char *kInvalidCatalogGeneral = "Catalog entry in <general> section is invalid: ";
inline constexpr const char *kInvalidCatalogLifecycle = "Catalog entry in <lifeCycle> section is invalid: ";
inline constexpr const char *kInvalidCatalogMetametadata =
    "Catalog entry in <contribute> section of <metametadata> is invalid: ";
inline constexpr const char *kStatusNotRecommended =
    "Lifecycle status is not one of the recommended type:  Draft, Final, Revised or Unavailable.";
// A value that the editor cannot hold or read: section + ": " + element, and the value in quotes.
inline constexpr const char *kUnsupportedValue = "Unsupported value found in your imported file ";

} // namespace ts::reader2004

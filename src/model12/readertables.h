#pragma once
// The data of the SCORM 1.2 category readers: which element fills which field and the texts of their
// notices. The vocabularies they map are the binding's own (vocab12.h).

#include "platform/dialogs.h"
#include "model12/record12.h"

#include <QString>
#include <span>

namespace ts::reader12 {

enum class Category { General, Lifecycle, Metametadata, Technical, Educational, Rights, Relation, Annotation,
                      Classification };

// How a simple element reaches its field.
enum class Take {
    Skip,        // passed over
    Text,        // the text of the element
    FirstChild,  // the text of its first child
    SecondChild, // the text of its second child (the value of a vocabulary element)
};

struct FieldRule {
    const char *element;
    Take take;
    QString Record12::*field; // nullptr for Take::Skip
};

// The elements of a category that need nothing but their text moved into a field, or are passed over.
std::span<const FieldRule> fieldRules(Category category);

struct CategoryTexts {
    const char *unsupportedElement; // followed by the element's name
    const char *parsePrefix;        // notice of a category text that is no XML
    Icon parseIcon;
    const char *parseTitle; // empty: the program's title
    const char *section;    // the category as notices about values name it
};
const CategoryTexts &categoryTexts(Category category);

// Notices with a fixed text.
inline constexpr const char *kNoticeTitle = "Notice";
inline constexpr const char *kInvalidCatalogGeneral = "Catalog entry in <general> section is invalid: ";
inline constexpr const char *kInvalidCatalogLifecycle = "Catalog entry in <lifecycle> section is invalid: ";
inline constexpr const char *kInvalidCatalogMetametadata =
    "Catalog entry in <contribute> section of <metametadata> is invalid: ";
inline constexpr const char *kStatusNotRecommended =
    "Lifecycle status is not one of the recommended type:  Draft, Final, Revised or Unavailable.";
// A value that the editor cannot hold or read: section + ": " + element, and the value in quotes.
inline constexpr const char *kUnsupportedValue = "Unsupported value found in your imported file ";

} // namespace ts::reader12

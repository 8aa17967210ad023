#pragma once
// The data of the SCORM 1.2 category readers: which element fills which field and the texts of their
// notices, beside what both bindings' readers share (shared/readertables.h). The vocabularies they map are
// the binding's own (vocab12.h).

#include "platform/dialogs.h"
#include "model12/record12.h"
#include "shared/readertables.h"

#include <QString>
#include <span>

namespace ts::reader12 {

using readers::Category;
using readers::kInvalidCatalogGeneral;
using readers::kInvalidCatalogMetametadata;
using readers::kNoticeTitle;
using readers::kStatusNotRecommended;
using readers::kUnsupportedValue;
using readers::noValueElementText;
using readers::sectionName;
using readers::Take;
using readers::unsupportedElementText;
using FieldRule = readers::FieldRule<Record12>;

// The elements of a category that need nothing but their text moved into a field, or are passed over.
std::span<const FieldRule> fieldRules(Category category);

// The notice of a category text that is no XML.
struct ParseTexts {
    const char *prefix;
    Icon icon;
    const char *title; // empty: the program's title
};
const ParseTexts &parseTexts(Category category);

inline constexpr const char *kInvalidCatalogLifecycle = "Catalog entry in <lifecycle> section is invalid: ";

} // namespace ts::reader12

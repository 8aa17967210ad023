#pragma once
// The data of the SCORM 2004 category readers: which element fills which field and the texts of their
// notices, beside what both bindings' readers share (shared/readertables.h). The vocabularies they map to
// the editor's check boxes and lists are the binding's own (vocab2004.h).

#include "model2004/record2004.h"
#include "shared/readertables.h"

#include <QString>
#include <span>

namespace ts::reader2004 {

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
using FieldRule = readers::FieldRule<Record2004>;

// The elements of a category that need nothing but their text moved into a field, or are passed over.
std::span<const FieldRule> fieldRules(Category category);

// The recommended lifecycle status values: in lower case as the editor's list holds them, or capitalised.
bool isStatusValue(const QString &status, bool capitalised);

inline constexpr const char *kInvalidCatalogLifecycle = "Catalog entry in <lifeCycle> section is invalid: ";

} // namespace ts::reader2004

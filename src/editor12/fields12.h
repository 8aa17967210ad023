#pragma once
// The SCORM 1.2 editor window described as data: its tabs, frames, fields, buttons, the category texts and
// the interface profiles. The window builds itself from these tables, and the record binding, the profiles
// and the field rules walk them by control name.

#include "editorkit/fieldtable.h"
#include "model12/record12.h"

#include <initializer_list>

namespace ts::fields12 {

inline constexpr int kTabCount = 9;

extern const kit::TabSpec kTabs[kTabCount];
extern const std::initializer_list<kit::FrameSpec> kFrames;

// The rules of the SCORM 1.2 editor's own, beside the shared ones.
enum OwnRule : int {
    NoCommas = kit::kNoOwnRule + 1, // a contributor name: a comma is refused when the field is left
    Size,                           // the size: free text, then a plain whole number, on every change
    DurationJoin,                   // a part of the duration: a pick joins the three parts into txtDuration
};

using FieldSpec = kit::FieldSpec<Record12>;
extern const std::initializer_list<FieldSpec> kFields;

extern const std::initializer_list<kit::ButtonSpec> kButtons;

// The category list.
inline constexpr const char *kCategoryList = "cboSelectCategory";
inline constexpr const char *kNoCategoryText = "Select Metadata File";
extern const std::initializer_list<const char *> kCategories;

// The interface profiles: what each procedure does to a group of controls.
enum Profile : int { DisableAll, EnableAll, AssetMinimum, AggregationMinimum, ProfileCount };
extern const std::initializer_list<kit::ProfileRow> kProfiles;

// What choosing each of the six category texts does.
extern const std::initializer_list<kit::CategoryProfile> kCategoryProfiles;

// The time-part lists filled at load with "00" to "59", in this order.
extern const std::initializer_list<const char *> kSixtyLists;

// All of it, as the window is built from it.
const kit::EditorTables &tables();

} // namespace ts::fields12

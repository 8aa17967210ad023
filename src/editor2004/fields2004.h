#pragma once
// The SCORM 2004 editor window described as data: its tabs, frames, fields, buttons, the ten category texts
// and the interface profiles. The window builds itself from these tables, and the record binding, the
// profiles and the field rules walk them by control name.

#include "editorkit/fieldtable.h"
#include "model2004/record2004.h"

#include <initializer_list>

namespace ts::fields2004 {

inline constexpr int kTabCount = 9;

extern const kit::TabSpec kTabs[kTabCount];
extern const std::initializer_list<kit::FrameSpec> kFrames;

// The rules of the SCORM 2004 editor's own, beside the shared ones.
enum OwnRule : int {
    Size = kit::kNoOwnRule + 1, // the size: free text, then a plain whole number, on every change
};

using FieldSpec = kit::FieldSpec<Record2004>;
extern const std::initializer_list<FieldSpec> kFields;

extern const std::initializer_list<kit::ButtonSpec> kButtons;

// The category list: its text at load and after the key rule, and the text its change rule rests on.
inline constexpr const char *kCategoryList = "cboSelectCategory";
inline constexpr const char *kNoCategoryText = "Select Metadata File";
inline constexpr const char *kNeutralCategoryText = "Select Metadata Category";
extern const std::initializer_list<const char *> kCategories;

// The interface profiles: what each procedure does to a group of controls.
enum Profile : int { DisableAll, EnableAll, AssetMinimum, AggregationMinimum, ProfileCount };
extern const std::initializer_list<kit::ProfileRow> kProfiles;

// What choosing each of the ten category texts does.
extern const std::initializer_list<kit::CategoryProfile> kCategoryProfiles;

// All of it, as the window is built from it.
const kit::EditorTables &tables();

} // namespace ts::fields2004

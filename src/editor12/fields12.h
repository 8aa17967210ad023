#pragma once
// The SCORM 1.2 editor window described as data: its tabs, frames, fields, buttons, the category texts and
// the interface profiles. The window builds itself from these tables, and the record binding, the profiles
// and the field rules walk them by control name.

#include <initializer_list>

namespace ts::fields12 {

inline constexpr int kTabCount = 9;

struct TabSpec {
    const char *caption;      // the tab's caption
    const char *frameName;    // objectName of the frame filling the tab; empty: controls sit on the page
    const char *frameCaption; // caption of that frame
};
extern const TabSpec kTabs[kTabCount];

// A frame inside a tab that groups some fields (check boxes, option pairs, the taxon path).
struct FrameSpec {
    const char *name;      // objectName of the frame
    const char *caption;   // its caption
    int tab;
    int column;            // 0 left, 1 right
    const char *labelName; // a blue help label drawn as the frame's caption; empty for a plain caption
};
extern const std::initializer_list<FrameSpec> kFrames;

enum class Kind {
    Text,      // one-line text box
    MultiLine, // text box with several lines
    Combo,     // editable drop-down list
    List,      // list box
    Check,     // check box; its caption is the label
    Option,    // option button of a pair; its caption is the label
};

enum class ScrollBars { None, Vertical, Both };

enum class LabelLook {
    None,  // no label of its own
    Help,  // blue, with the hand cursor; clicking it asks for the element's help text
    Plain, // default text colour, clicking it asks for help all the same
};

// What the window checks while the user edits the field.
enum class Rule {
    None,
    FreeText,        // no "<" or ">", tested when the field is left
    ContributorName, // no comma, then free text, when the field is left
    Size,            // free text, then numeric, on every change
    ListOnly,        // typed text refused at once; editing keys empty the field
    ListOnlyJoined,  // typed text refused at once; a pick joins the three duration lists
};

inline constexpr int kNoLimit = 0;

struct FieldSpec {
    const char *name; // objectName of the control
    Kind kind;
    int tab;
    const char *frame; // objectName of the FrameSpec holding it; empty: the tab's own frame
    int column;        // 0 left, 1 right: within the tab, or within its frame when it has one
    const char *labelName;
    const char *label; // the label's caption, or the caption of a check box or option button
    LabelLook look;
    const char *hint; // dark-red input hint, with its blanks
    std::initializer_list<const char *> items;
    const char *defaultText; // design default: text, picked item, or "1" for a ticked box / chosen option
    int maxLength;           // kNoLimit: any length
    ScrollBars scrollBars;
    Rule rule;
    bool joinPrevious = false; // stands on the same line as the field before it (the parts of a time)
    const char *partCaption = "";  // caption above a part of a time ("Hours")
    bool hidden = false;
};
extern const std::initializer_list<FieldSpec> kFields;

// Looks a field up by its control name; nullptr when there is none.
const FieldSpec *field(const char *name);

// A command button or a clickable label that stands beside a field.
struct ButtonSpec {
    const char *name;
    const char *caption;
    const char *beside; // the field it belongs to
    bool isLabel = false;
};
extern const std::initializer_list<ButtonSpec> kButtons;

// The category list.
inline constexpr const char *kCategoryList = "cboSelectCategory";
inline constexpr const char *kNoCategoryText = "Select Metadata File";
extern const std::initializer_list<const char *> kCategories;

// The interface profiles: what each procedure does to a group of controls.
enum class Act {
    Skip,   // not touched
    Grey,   // disabled, button-face background
    Edit,   // enabled, white background
    Face,   // enabled, button-face background (check boxes, option buttons)
    On,     // enabled, colour unchanged
    Off,    // disabled, colour unchanged
    Browse, // enabled, the browse button's own background
};
enum Profile : int { DisableAll, EnableAll, AssetMinimum, AggregationMinimum, ProfileCount };

struct ProfileRow {
    std::initializer_list<const char *> controls;
    Act acts[ProfileCount];
};
extern const std::initializer_list<ProfileRow> kProfiles;

// What choosing each of the six category texts does.
struct CategoryProfile {
    const char *category;
    bool greyFirst; // disableAllInterface before the profile
    Profile profile;
    bool optionalOnly;
};
extern const std::initializer_list<CategoryProfile> kCategoryProfiles;

// The time-part lists filled at load with "00" to "59", in this order.
extern const std::initializer_list<const char *> kSixtyLists;

} // namespace ts::fields12

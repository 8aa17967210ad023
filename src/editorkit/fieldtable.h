#pragma once
// An editor window described as data: its tabs, frames, fields, buttons, metadata categories, interface
// profiles and help texts. Each binding's window builds itself from its own tables (EditorWindow), and one row of its
// field table describes one field whole: the control, its label and hint, its rules and the member of the
// binding's record that it holds.

#include "editorkit/helptext.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <span>
#include <variant>

namespace ts::kit {

struct TabSpec {
    const char *caption;      // the tab's caption
    const char *frameName;    // objectName of the frame filling the tab; empty: controls sit on the page
    const char *frameCaption; // caption of that frame
};

// A frame inside a tab that groups some fields (check boxes, option pairs, a list and its entry fields).
struct FrameSpec {
    const char *name;      // objectName of the frame
    const char *caption;   // its caption
    int tab;
    int column;            // 0 left, 1 right
    const char *labelName; // a blue help label drawn as the frame's caption; empty for a plain caption
};

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

// The checks that every editor window runs while the user edits a field.
enum class Rule {
    None,
    FreeText,       // no "<" or ">", tested when the field is left; the field's tab comes to front
    ListOnly,       // typed text refused at once; keys that edit text empty the field
    ListOnlyNoKeys, // typed text refused at once; keys are not watched
};

inline constexpr int kNoLimit = 0;
// A field without a rule of its editor's own.
inline constexpr int kNoOwnRule = 0;

struct Field {
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
    int ownRule = kNoOwnRule;     // a rule of the editor's own, which its window applies (connectOwnRule)
    bool joinPrevious = false;    // stands on the same line as the field before it (the parts of a time)
    const char *partCaption = ""; // caption above a part of a time ("Hours")
    bool hidden = false;
    const char *joinText = ":"; // what stands between this part and the one before it; empty: nothing
    const char *joinLabel = "";  // objectName of that text when it is a help label of its own
};

// The member of a binding's record that a field holds: text boxes and drop-down lists a text, check boxes
// and the "Yes" of an option pair a flag, list boxes their items.
template <class Record>
using RecordMember = std::variant<std::monostate, QString Record::*, bool Record::*, QStringList Record::*>;

// A field and its member; the "No" of an option pair holds none (its "Yes" holds the pair).
template <class Record> struct FieldSpec : Field {
    RecordMember<Record> member = {};
};

// The fields of a table, in its order.
template <class Record> QList<const Field *> fieldList(std::span<const FieldSpec<Record>> specs)
{
    QList<const Field *> out;
    for (const FieldSpec<Record> &spec : specs)
        out.append(&spec);
    return out;
}

// A command button or a clickable label that stands beside a field.
struct ButtonSpec {
    const char *name;
    const char *caption;
    const char *beside;  // the field it belongs to
    bool isLabel = false;
    bool browse = false; // the browse button, with a background of its own
};

// What an interface profile does to a control.
enum class Act {
    Skip,   // not touched
    Grey,   // disabled, button-face background
    Edit,   // enabled, white background
    Face,   // enabled, button-face background (check boxes, option buttons)
    On,     // enabled, colour unchanged
    Off,    // disabled, colour unchanged
    Browse, // enabled, the browse button's own background
};

// A group of controls and what each profile (by its number) does to them.
struct ProfileRow {
    std::initializer_list<const char *> controls;
    std::initializer_list<Act> acts;
};

// What choosing a category text does.
struct CategoryProfile {
    const char *category;
    bool greyFirst; // the window's disabling profile before the category's own
    int profile;
    bool optionalOnly;
};

// Everything an editor window is built from. The tables must live as long as the window.
struct EditorTables {
    const char *objectName;
    const char *title;
    const char *owner; // the window as the common error text names it ("Form frmOptions")
    std::span<const TabSpec> tabs;
    std::span<const FrameSpec> frames;
    QList<const Field *> fields; // in the order of the tabs
    std::span<const ButtonSpec> buttons;
    const char *categoryList;   // objectName of the category list
    const char *noCategoryText; // its text while no category is chosen, and after the key rule
    std::span<const char *const> categories;
    std::span<const ProfileRow> profiles;
    std::span<const char *const> profileProcedures; // each profile's procedure, as error texts name it
    int disablingProfile;                           // the profile that greys every managed control
    std::span<const CategoryProfile> categoryProfiles;
    const char *categoryProcedure; // the procedure of a category pick, as error texts name it
    std::span<const HelpText> helpTexts; // what the help labels show; a label without a row shows nothing
};

// A table kept in a list of static storage (a namespace-scope std::initializer_list), seen as a span.
template <class T> std::span<const T> rows(std::initializer_list<T> list) { return {list.begin(), list.size()}; }

} // namespace ts::kit

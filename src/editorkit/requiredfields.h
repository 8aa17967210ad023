#pragma once
// The required-field checks an export runs before its writer: one table of rows per metadata category, each
// row a test of some fields. The categories run in order and stop at the first row that misses: its message
// is shown, its tab brought to front and its field given the focus.

#include <QString>
#include <initializer_list>
#include <span>

namespace ts::kit {

class EditorWindow;

enum class Need {
    Filled, // one of the fields is filled: a text that is not empty, a ticked box, a list with an item
    Date,   // the field holds a real date "YYYY-MM-DD" and nothing else
};

struct RequiredRow {
    Need need;
    std::initializer_list<const char *> fields;
    bool strictOnly; // tested only when the check is not relaxed
    const char *message;
    const char *title;
    int tab;
    const char *focus; // empty: the focus stays where it is
};

struct RequiredCategory {
    const char *procedure; // the category's check, as its error report names it
    std::initializer_list<RequiredRow> rows;
};

// True when the text is a real date written "YYYY-MM-DD": four, two and two digits, nothing else.
bool isRequiredDate(const QString &text);

// Runs the rows of one category on the window. True when every row is met; false after the first miss has
// been shown. A failure inside the check is reported and counts as a miss.
bool checkCategory(EditorWindow &window, const RequiredCategory &category, bool relaxed);
// Runs the categories in order, stopping at the first that misses. True when all are met.
bool checkUserData(EditorWindow &window, std::span<const RequiredCategory> categories, bool relaxed);

} // namespace ts::kit

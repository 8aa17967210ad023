#pragma once
// Help labels: a field label that answers a click with a message box describing the element of its field.
// Each editor keeps its texts in one table of these rows.

#include "platform/dialogs.h"

#include <QString>
#include <initializer_list>

namespace ts {

struct HelpText {
    const char *label; // objectName of the label that shows it
    const char *title; // the box title; empty: the program's title
    Icon icon;
    const char *text; // UTF-8; a lone carriage return is a line break
};

// The row of a label in a table; nullptr when the label has none.
const HelpText *findHelpText(std::initializer_list<HelpText> table, const QString &label);

// Shows the row's text in a message box with an OK button, its icon and its title.
void showHelpText(const HelpText &row);

} // namespace ts

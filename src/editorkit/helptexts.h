#pragma once
// The help texts of the editors' field labels, word for word as the boxes show them, tab by tab. Both
// editors explain the same elements in the same words, so both windows show this one table.

#include "editorkit/helptext.h"

#include <initializer_list>

namespace ts {

extern const std::initializer_list<HelpText> kHelpTexts;

} // namespace ts

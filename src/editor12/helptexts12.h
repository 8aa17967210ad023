#pragma once
// The help texts of the SCORM 1.2 editor's field labels, word for word as the boxes show them.

#include "helptext.h"

namespace ts {

extern const std::initializer_list<HelpText> kHelpTexts12;

} // namespace ts

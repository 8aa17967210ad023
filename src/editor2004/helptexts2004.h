#pragma once
// The help texts of the SCORM 2004 editor's field labels, word for word as the boxes show them.

#include "editor12/helptext.h"

namespace ts {

extern const std::initializer_list<HelpText> kHelpTexts2004;

} // namespace ts

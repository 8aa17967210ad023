#pragma once
// The help texts of the SCORM 1.2 editor's field labels: the editor kit's table, whole.

#include "editorkit/helptexts.h"

namespace ts {

inline const std::initializer_list<HelpText> &kHelpTexts12 = kHelpTexts;

} // namespace ts

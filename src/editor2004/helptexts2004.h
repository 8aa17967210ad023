#pragma once
// The help texts of the SCORM 2004 editor's field labels: the editor kit's table, which its window shows whole.

#include "editorkit/helptexts.h"

#include <vector>

namespace ts {

// The rows of its element labels but the version label, in the kit's order: what the two editors' element
// texts are compared by.
extern const std::vector<HelpText> kHelpTexts2004;

} // namespace ts

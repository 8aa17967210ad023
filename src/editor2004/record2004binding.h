#pragma once
// Moves a SCORM 2004 record between the editor's controls and a Record2004, member by member, each member
// going to the control whose row of the field table names it. The reading of a file fills the editor with
// putRecord; the writers and the template store read it with readRecord.

#include "model2004/record2004.h"

namespace ts {

class FrmOptions2004;

Record2004 readRecord(const FrmOptions2004 &window);

// Fills every field of the window from the record, replacing what it held; the category, the profile,
// optionalOnly and metadataCategory stay as they are. The controls react as to any text the program puts in
// them: set frmMain().dontValidate true first, as the program does whenever it fills the editor, or the
// drop-down fields refuse their values as typed text. The size is checked for a number whatever
// dontValidate says.
void putRecord(FrmOptions2004 &window, const Record2004 &record);

} // namespace ts

#include "record12binding.h"

#include "fields12.h"
#include "frmoptions.h"

#include "editorkit/recordbinding.h"

namespace ts {

Record12 readRecord(const FrmOptions &window) { return kit::readRecord(window, kit::rows(fields12::kFields)); }

void putRecord(FrmOptions &window, const Record12 &record)
{
    kit::putRecord(window, kit::rows(fields12::kFields), record);
}

} // namespace ts

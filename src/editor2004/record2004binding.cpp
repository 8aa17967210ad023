#include "record2004binding.h"

#include "fields2004.h"
#include "frmoptions2004.h"

#include "editorkit/recordbinding.h"

namespace ts {

Record2004 readRecord(const FrmOptions2004 &window)
{
    return kit::readRecord(window, kit::rows(fields2004::kFields));
}

void putRecord(FrmOptions2004 &window, const Record2004 &record)
{
    kit::putRecord(window, kit::rows(fields2004::kFields), record);
}

} // namespace ts

#include "helptexts2004.h"

#include <cstring>

namespace ts {

const std::vector<HelpText> kHelpTexts2004 = [] {
    std::vector<HelpText> rows;
    for (const HelpText &row : kHelpTexts)
        if (std::strcmp(row.label, "Version") != 0)
            rows.push_back(row);
    return rows;
}();

} // namespace ts

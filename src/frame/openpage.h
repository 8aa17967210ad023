#pragma once
// Pages the program hands to the desktop's browser: the help pages, the maker's pages, web addresses that
// the preview does not show itself.

#include <QString>

namespace ts {

// Opens the page (a file of this computer or a web address) with the desktop's program for it. When it
// cannot be handed over, a message says so and names the page. True when it was handed over.
bool openPage(const QString &pathOrAddress);

} // namespace ts

#include "desktop.h"
#include "desktopshell.h"
#include "qtdialogs.h"

namespace ts {

void useDesktopServices()
{
    static QtDialogs dialogs;
    static DesktopShell shell;
    setProgramDialogs(&dialogs);
    setProgramShell(&shell);
}

} // namespace ts

#pragma once
// The widget side of the platform layer as a whole.

namespace ts {

// Makes the Qt dialogs and the desktop's shell the program's own. Every program's main calls it once,
// after creating its QApplication and before it shows anything.
void useDesktopServices();

} // namespace ts

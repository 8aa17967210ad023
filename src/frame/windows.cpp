#include "windows.h"
#include "frmmain.h"

#include "platform/qt/windowsize.h"

namespace ts {

void markProgramWindow(QWidget *window) { window->setProperty("tagsmithWindow", true); }
bool isProgramWindow(const QWidget *window) { return window->property("tagsmithWindow").toBool(); }

void openOverMain(QWidget *window) { openCentred(window, frmMainLoaded() ? &frmMain() : nullptr); }

} // namespace ts

#include "windows.h"

namespace ts {

void markProgramWindow(QWidget *window) { window->setProperty("tagsmithWindow", true); }
bool isProgramWindow(const QWidget *window) { return window->property("tagsmithWindow").toBool(); }

} // namespace ts

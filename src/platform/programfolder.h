#pragma once
#include <QString>

namespace ts {

// The folder of the running executable, where the program's data files live and where it writes its
// settings, templates and fragments. Tests point it at a temporary copy.
QString programFolder();
void setProgramFolder(const QString &folder); // empty restores the executable's folder
// programFolder() + "/" + relative ("templates/cdt.txt", "temp12/1.xml", ...).
QString programPath(const QString &relative);

} // namespace ts

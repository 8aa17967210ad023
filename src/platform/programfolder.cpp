#include "programfolder.h"

#include <QCoreApplication>
#include <QDir>

namespace ts {

namespace {
QString g_folder;
}

QString programFolder()
{
    if (!g_folder.isEmpty())
        return g_folder;
    return QDir::cleanPath(QCoreApplication::applicationDirPath());
}

void setProgramFolder(const QString &folder) { g_folder = folder.isEmpty() ? QString() : QDir::cleanPath(folder); }

QString programPath(const QString &relative) { return programFolder() + QLatin1Char('/') + relative; }

} // namespace ts

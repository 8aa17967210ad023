#include "shell.h"

#include "programfolder.h"

#include <QFileInfo>
#include <QtGlobal>

namespace ts {

namespace {
Shell *g_replacement = nullptr;
Shell *g_own = nullptr;
} // namespace

Shell &shell()
{
    if (g_replacement)
        return *g_replacement;
    if (!g_own)
        qFatal("The shell was used before the program installed one");
    return *g_own;
}

void setShell(Shell *replacement) { g_replacement = replacement; }

void setProgramShell(Shell *own) { g_own = own; }

Shell::Result Shell::startProgram(const QString &fileName)
{
    const QString path = programPath(fileName);
    if (!QFileInfo(path).isFile())
        return Result::FileNotFound;
    return run(path, {}, programFolder());
}

Shell::Result RecordingShell::open(const QString &pathOrUrl)
{
    opened << pathOrUrl;
    return nextResult;
}

Shell::Result RecordingShell::run(const QString &program, const QStringList &arguments, const QString &workingFolder)
{
    ran.append({program, arguments, workingFolder});
    return nextResult;
}

} // namespace ts

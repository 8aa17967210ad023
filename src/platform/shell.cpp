#include "shell.h"
#include "programfolder.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QUrl>

namespace ts {

namespace {

class DesktopShell : public Shell {
public:
    Result open(const QString &pathOrUrl) override
    {
        QUrl url = QUrl::fromUserInput(pathOrUrl);
        if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile()))
            return Result::FileNotFound;
        return QDesktopServices::openUrl(url) ? Result::Ok : Result::Failed;
    }

    Result startProgram(const QString &fileName) override
    {
        const QString path = programPath(fileName);
        if (!QFileInfo(path).isFile())
            return Result::FileNotFound;
        return QProcess::startDetached(path, {}, programFolder()) ? Result::Ok : Result::Failed;
    }

    Result run(const QString &program, const QStringList &arguments, const QString &workingFolder) override
    {
        if (!QFileInfo(program).isFile())
            return Result::FileNotFound;
        return QProcess::startDetached(program, arguments, workingFolder) ? Result::Ok : Result::Failed;
    }
};

Shell *g_replacement = nullptr;

} // namespace

Shell &shell()
{
    if (g_replacement)
        return *g_replacement;
    static DesktopShell real;
    return real;
}

void setShell(Shell *replacement) { g_replacement = replacement; }

Shell::Result RecordingShell::open(const QString &pathOrUrl)
{
    opened << pathOrUrl;
    return nextResult;
}

Shell::Result RecordingShell::startProgram(const QString &fileName)
{
    started << fileName;
    return nextResult;
}

Shell::Result RecordingShell::run(const QString &program, const QStringList &arguments, const QString &workingFolder)
{
    ran.append({program, arguments, workingFolder});
    return nextResult;
}

} // namespace ts

#include "desktopshell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace ts {

Shell::Result DesktopShell::open(const QString &pathOrUrl)
{
    QUrl url = QUrl::fromUserInput(pathOrUrl);
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile()))
        return Result::FileNotFound;
    return QDesktopServices::openUrl(url) ? Result::Ok : Result::Failed;
}

Shell::Result DesktopShell::run(const QString &program, const QStringList &arguments, const QString &workingFolder)
{
    if (!QFileInfo(program).isFile())
        return Result::FileNotFound;
    return QProcess::startDetached(program, arguments, workingFolder) ? Result::Ok : Result::Failed;
}

} // namespace ts

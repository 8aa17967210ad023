#include "desktopshell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

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
    // The program runs as a child of this one, in a session of its own, with this program's standard
    // channels, and is reaped as soon as it ends. A program started twice removed would be handed to the
    // system's first process, which does not reap it everywhere: it would stay behind as a defunct process.
    // The process object has no parent, so that quitting this program does not end the started one; it
    // goes once the program has ended.
    auto *process = new QProcess;
    process->setProgram(program);
    process->setArguments(arguments);
    process->setWorkingDirectory(workingFolder);
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setInputChannelMode(QProcess::ForwardedInputChannel);
#if defined(Q_OS_UNIX)
    process->setChildProcessModifier([] { ::setsid(); });
#endif
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    process->start();
    if (!process->waitForStarted()) {
        delete process;
        return Result::Failed;
    }
    return Result::Ok;
}

} // namespace ts

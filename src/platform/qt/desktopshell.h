#pragma once
#include "platform/shell.h"

namespace ts {

// The desktop's shell: documents and addresses open with the desktop's program for them, programs start
// detached (not waited for, in a session of their own) and are reaped when they end.
class DesktopShell : public Shell {
public:
    Result open(const QString &pathOrUrl) override;
    Result run(const QString &program, const QStringList &arguments, const QString &workingFolder) override;
};

} // namespace ts

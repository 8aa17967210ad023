#pragma once
#include "platform/shell.h"

namespace ts {

// The desktop's shell: documents and addresses open with the desktop's program for them, companion
// programs start detached from the program folder.
class DesktopShell : public Shell {
public:
    Result open(const QString &pathOrUrl) override;
    Result startProgram(const QString &fileName) override;
};

} // namespace ts

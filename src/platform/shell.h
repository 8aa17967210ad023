#pragma once
#include <QString>
#include <QStringList>

namespace ts {

// The desktop's services: open a document or address with its program, start a companion program.
class Shell {
public:
    enum class Result { Ok, FileNotFound, Failed };
    virtual ~Shell() = default;
    // Opens a file or an address with the desktop's program for it ("Open").
    virtual Result open(const QString &pathOrUrl) = 0;
    // Starts a program of the program folder by its file name, detached, with the program folder as
    // working folder and no arguments, through run(). FileNotFound when the program folder has no such file.
    Result startProgram(const QString &fileName);
    // Starts a program file with arguments, detached, in the working folder given (empty: the current one).
    // FileNotFound when there is no such program file.
    virtual Result run(const QString &program, const QStringList &arguments, const QString &workingFolder) = 0;
};

// The program-wide shell: the one a test installed, else the program's own (the desktop's, installed at
// start by useDesktopServices() of platform/qt). Not owned.
Shell &shell();
void setShell(Shell *replacement); // nullptr restores the program's own shell
// Installs the program's own shell. Asking for the shell before one is installed ends the program.
void setProgramShell(Shell *own);

// Records what was asked and opens nothing; for tests.
class RecordingShell : public Shell {
public:
    Result open(const QString &pathOrUrl) override;
    Result run(const QString &program, const QStringList &arguments, const QString &workingFolder) override;
    struct Run {
        QString program;
        QStringList arguments;
        QString workingFolder;
        bool operator==(const Run &) const = default;
    };
    QStringList opened;
    QList<Run> ran;
    Result nextResult = Result::Ok;
};

} // namespace ts

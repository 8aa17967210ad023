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
    // working folder and no arguments. FileNotFound when the program folder has no such file.
    virtual Result startProgram(const QString &fileName) = 0;
    // Starts a program file with arguments, detached, in the working folder given (empty: the current one).
    // FileNotFound when there is no such program file.
    virtual Result run(const QString &program, const QStringList &arguments, const QString &workingFolder) = 0;
};

Shell &shell();
void setShell(Shell *replacement); // nullptr restores the desktop shell

// Records what was asked and opens nothing; for tests.
class RecordingShell : public Shell {
public:
    Result open(const QString &pathOrUrl) override;
    Result startProgram(const QString &fileName) override;
    Result run(const QString &program, const QStringList &arguments, const QString &workingFolder) override;
    struct Run {
        QString program;
        QStringList arguments;
        QString workingFolder;
    };
    QStringList opened;
    QStringList started;
    QList<Run> ran;
    Result nextResult = Result::Ok;
};

} // namespace ts

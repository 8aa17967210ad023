#pragma once
// The one interface through which the programs ask the user anything: message boxes, input boxes,
// file and folder choices, print and page setup. The real implementation uses Qt (platform/qt), which
// every program installs at start; the tests install a scripted one. No code outside this layer
// constructs a QMessageBox or a QFileDialog.

#include <QString>
#include <optional>

class QPrinter;
class QWidget;

namespace ts {

enum class Icon { None, Information, Exclamation, Critical, Question };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
enum class Answer { Ok, Cancel, Yes, No, Retry, Abort, Ignore };

struct FileDialogOptions {
    QString title;
    QString filter;      // "Description (*.ext)|*.ext|..." as the programs write them, or a Qt filter
    QString initialDir;
    QString fileName;
    QString defaultExt;
    bool mustExist = false; // only an existing file may be chosen; a save dialog then asks no overwrite question
    bool confirmOverwrite = true; // a save dialog asks before an existing file is chosen (the caller may ask itself)
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // An empty title means the program's title (appTitle()).
    virtual Answer message(const QString &text, Buttons buttons, Icon icon, const QString &title) = 0;
    // The typed text; std::nullopt when the user cancelled.
    virtual std::optional<QString> input(const QString &prompt, const QString &title, const QString &defaultText) = 0;
    virtual std::optional<QString> openFile(const FileDialogOptions &options) = 0;
    virtual std::optional<QString> saveFile(const FileDialogOptions &options) = 0;
    virtual std::optional<QString> chooseFolder(const QString &title, const QString &startFolder) = 0;
    // The print dialog: false when the user cancelled. The printer is set up by the user's choices.
    virtual bool print(QPrinter &printer) = 0;
    virtual bool pageSetup(QPrinter &printer) = 0;
};

// The program-wide dialogs: those a test installed, else the program's own. Not owned.
Dialogs &dialogs();
void setDialogs(Dialogs *replacement); // nullptr restores the program's own dialogs
// The program's own dialogs, installed once at start (useDesktopServices() of platform/qt). Asking a
// question before any dialogs are installed is a fault of the program and ends it.
void setProgramDialogs(Dialogs *own);

// The title of message and input boxes that have none of their own.
QString appTitle();
void setAppTitle(const QString &title);

// Convenience: a message box through dialogs(), with the program's title when title is empty.
Answer msgBox(const QString &text, Buttons buttons = Buttons::Ok, Icon icon = Icon::None, const QString &title = {});
// An input box; the empty text when cancelled (as the programs' callers treat both alike).
QString inputBox(const QString &prompt, const QString &title = {}, const QString &defaultText = {});

// Turns the programs' filter form "Text (*.txt)|*.txt|All (*.*)|*.*" into Qt's "Text (*.txt);;All (*.*)".
QString toQtFilter(const QString &filter);

} // namespace ts

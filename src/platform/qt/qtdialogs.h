#pragma once
#include "platform/dialogs.h"

namespace ts {

// The real dialogs, on Qt widgets.
class QtDialogs : public Dialogs {
public:
    Answer message(const QString &text, Buttons buttons, Icon icon, const QString &title) override;
    std::optional<QString> input(const QString &prompt, const QString &title, const QString &defaultText) override;
    std::optional<QString> openFile(const FileDialogOptions &options) override;
    std::optional<QString> saveFile(const FileDialogOptions &options) override;
    std::optional<QString> chooseFolder(const QString &title, const QString &startFolder) override;
    bool print(QPrinter &printer) override;
    bool pageSetup(QPrinter &printer) override;
};

} // namespace ts

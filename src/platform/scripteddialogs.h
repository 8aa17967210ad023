#pragma once
// Dialogs that never wait for a person: every question is recorded, and answered from a queue that the
// test filled beforehand. A message box with only an OK button needs no scripted answer.

#include "dialogs.h"

#include <QList>
#include <QString>
#include <deque>
#include <functional>
#include <variant>

namespace ts {

struct DialogCall {
    enum class Kind { Message, Input, OpenFile, SaveFile, Folder, Print, PageSetup };
    Kind kind = Kind::Message;
    QString text;  // message text or input prompt
    QString title; // as shown (the program's title when the caller gave none)
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    FileDialogOptions file; // for file dialogs
};

class ScriptedDialogs : public Dialogs {
public:
    // Answers are taken in order by the calls that need one; std::nullopt answers a file, folder or input
    // box with Cancel.
    void answer(Answer a) { m_answers.emplace_back(a); }
    void answerText(const std::optional<QString> &text) { m_answers.emplace_back(text); }
    void answerPrint(bool accepted) { m_answers.emplace_back(accepted); }
    // Runs when a call needs an answer and none is queued (tests make this a failure).
    void setOnUnanswered(std::function<void(const DialogCall &)> f) { m_onUnanswered = std::move(f); }
    // Runs for every call, before it is answered (a test can look at the program's state then).
    void setOnCall(std::function<void(const DialogCall &)> f) { m_onCall = std::move(f); }

    const QList<DialogCall> &calls() const { return m_calls; }
    QStringList messages() const; // the texts of every message box, in order
    void clear();
    std::size_t pendingAnswers() const { return m_answers.size(); }

    Answer message(const QString &text, Buttons buttons, Icon icon, const QString &title) override;
    std::optional<QString> input(const QString &prompt, const QString &title, const QString &defaultText) override;
    std::optional<QString> openFile(const FileDialogOptions &options) override;
    std::optional<QString> saveFile(const FileDialogOptions &options) override;
    std::optional<QString> chooseFolder(const QString &title, const QString &startFolder) override;
    bool print(QPrinter &printer) override;
    bool pageSetup(QPrinter &printer) override;

private:
    using Scripted = std::variant<Answer, std::optional<QString>, bool>;
    void record(DialogCall call);
    bool take(Scripted &out, const DialogCall &call);

    std::deque<Scripted> m_answers;
    QList<DialogCall> m_calls;
    std::function<void(const DialogCall &)> m_onUnanswered;
    std::function<void(const DialogCall &)> m_onCall;
};

} // namespace ts

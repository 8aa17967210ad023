#include "scripteddialogs.h"

#include <QStringList>

namespace ts {

QStringList ScriptedDialogs::messages() const
{
    QStringList out;
    for (const DialogCall &c : m_calls)
        if (c.kind == DialogCall::Kind::Message)
            out << c.text;
    return out;
}

void ScriptedDialogs::clear()
{
    m_answers.clear();
    m_calls.clear();
}

void ScriptedDialogs::record(DialogCall call)
{
    if (call.title.isEmpty() && (call.kind == DialogCall::Kind::Message || call.kind == DialogCall::Kind::Input))
        call.title = appTitle();
    m_calls.append(call);
    if (m_onCall)
        m_onCall(m_calls.constLast());
}

bool ScriptedDialogs::take(Scripted &out, const DialogCall &call)
{
    if (m_answers.empty()) {
        if (m_onUnanswered)
            m_onUnanswered(call);
        return false;
    }
    out = m_answers.front();
    m_answers.pop_front();
    return true;
}

Answer ScriptedDialogs::message(const QString &text, Buttons buttons, Icon icon, const QString &title)
{
    DialogCall call{DialogCall::Kind::Message, text, title, buttons, icon, {}};
    record(call);
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    Scripted s;
    if (!take(s, m_calls.constLast()))
        return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    if (const Answer *a = std::get_if<Answer>(&s))
        return *a;
    if (m_onUnanswered)
        m_onUnanswered(m_calls.constLast());
    return Answer::Cancel;
}

std::optional<QString> ScriptedDialogs::input(const QString &prompt, const QString &title, const QString &defaultText)
{
    DialogCall call{DialogCall::Kind::Input, prompt, title, Buttons::OkCancel, Icon::None, {}};
    call.file.fileName = defaultText;
    record(call);
    Scripted s;
    if (!take(s, m_calls.constLast()))
        return std::nullopt;
    if (auto *t = std::get_if<std::optional<QString>>(&s))
        return *t;
    return std::nullopt;
}

std::optional<QString> ScriptedDialogs::openFile(const FileDialogOptions &options)
{
    record({DialogCall::Kind::OpenFile, {}, options.title, Buttons::OkCancel, Icon::None, options});
    Scripted s;
    if (!take(s, m_calls.constLast()))
        return std::nullopt;
    if (auto *t = std::get_if<std::optional<QString>>(&s))
        return *t;
    return std::nullopt;
}

std::optional<QString> ScriptedDialogs::saveFile(const FileDialogOptions &options)
{
    record({DialogCall::Kind::SaveFile, {}, options.title, Buttons::OkCancel, Icon::None, options});
    Scripted s;
    if (!take(s, m_calls.constLast()))
        return std::nullopt;
    if (auto *t = std::get_if<std::optional<QString>>(&s))
        return *t;
    return std::nullopt;
}

std::optional<QString> ScriptedDialogs::chooseFolder(const QString &title, const QString &startFolder)
{
    FileDialogOptions o;
    o.title = title;
    o.initialDir = startFolder;
    record({DialogCall::Kind::Folder, {}, title, Buttons::OkCancel, Icon::None, o});
    Scripted s;
    if (!take(s, m_calls.constLast()))
        return std::nullopt;
    if (auto *t = std::get_if<std::optional<QString>>(&s))
        return *t;
    return std::nullopt;
}

bool ScriptedDialogs::print(QPrinter &)
{
    record({DialogCall::Kind::Print, {}, {}, Buttons::OkCancel, Icon::None, {}});
    Scripted s;
    if (!take(s, m_calls.constLast()))
        return false;
    if (auto *b = std::get_if<bool>(&s))
        return *b;
    return false;
}

bool ScriptedDialogs::pageSetup(QPrinter &)
{
    record({DialogCall::Kind::PageSetup, {}, {}, Buttons::OkCancel, Icon::None, {}});
    Scripted s;
    if (!take(s, m_calls.constLast()))
        return false;
    if (auto *b = std::get_if<bool>(&s))
        return *b;
    return false;
}

} // namespace ts

#include "dialogs.h"

#include <QStringList>
#include <QtGlobal>

namespace ts {

namespace {
Dialogs *g_replacement = nullptr;
Dialogs *g_own = nullptr;
QString g_title = QStringLiteral("Tagsmith");
} // namespace

Dialogs &dialogs()
{
    if (g_replacement)
        return *g_replacement;
    if (!g_own)
        qFatal("A question was asked before the program installed its dialogs");
    return *g_own;
}

void setDialogs(Dialogs *replacement) { g_replacement = replacement; }

void setProgramDialogs(Dialogs *own) { g_own = own; }

QString appTitle() { return g_title; }
void setAppTitle(const QString &title) { g_title = title; }

Answer msgBox(const QString &text, Buttons buttons, Icon icon, const QString &title)
{
    return dialogs().message(text, buttons, icon, title.isEmpty() ? appTitle() : title);
}

QString inputBox(const QString &prompt, const QString &title, const QString &defaultText)
{
    return dialogs().input(prompt, title.isEmpty() ? appTitle() : title, defaultText).value_or(QString());
}

QString toQtFilter(const QString &filter)
{
    if (!filter.contains(QLatin1Char('|')))
        return filter;
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        if (!description.contains(QLatin1Char('(')))
            description += QStringLiteral(" (") + patterns + QLatin1Char(')');
        out << description;
    }
    return out.join(QStringLiteral(";;"));
}

} // namespace ts

#include "leftoutstrings.h"

#include "readertables.h"

#include "platform/xmldocument.h"

namespace ts {

namespace {
thread_local LeftOutStrings *t_open = nullptr;
} // namespace

LeftOutStrings::LeftOutStrings(Notices &notices) : m_notices(notices), m_outer(t_open) { t_open = this; }

LeftOutStrings::~LeftOutStrings()
{
    t_open = m_outer;
    if (m_outer || m_fields.isEmpty())
        return;
    QStringList named;
    for (const Field &field : m_fields)
        named << field.element + QStringLiteral(" (") + field.languages.join(QStringLiteral(", ")) +
                     QLatin1Char(')');
    m_notices.append({QLatin1String(readers::kLeftOutStrings) + named.join(QStringLiteral("; ")),
                      QLatin1String(readers::kNoticeTitle)});
}

void LeftOutStrings::note(const QString &element, const QStringList &languages)
{
    LeftOutStrings *outermost = this;
    while (outermost->m_outer)
        outermost = outermost->m_outer;
    for (Field &field : outermost->m_fields) {
        if (field.element != element)
            continue;
        for (const QString &language : languages)
            if (!field.languages.contains(language))
                field.languages << language;
        return;
    }
    outermost->m_fields.append({element, languages});
}

QString LeftOutStrings::firstString(const QString &element, const QList<XmlNode> &strings,
                                    const QString &languageAttribute, QString (*textOf)(const XmlNode &))
{
    if (strings.size() > 1 && t_open) {
        QStringList languages;
        for (qsizetype i = 1; i < strings.size(); ++i) {
            const QString language = strings.at(i).attribute(languageAttribute);
            const QString named = language.isEmpty() ? QStringLiteral("no language") : language;
            if (!languages.contains(named))
                languages << named;
        }
        t_open->note(element, languages);
    }
    return strings.isEmpty() ? QString() : textOf(strings.first());
}

} // namespace ts

#include "leftoutstrings.h"

#include "readcheck.h"
#include "readertables.h"

#include "platform/xmldocument.h"

#include <algorithm>

namespace ts {

namespace {

thread_local LeftOutStrings *t_open = nullptr;

// How much of a string left out the notice shows.
constexpr qsizetype kBeginningLength = 30;

QString languageName(const QString &language)
{
    return language.isEmpty() ? QStringLiteral("no language") : language;
}

QString quoted(const QString &text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

} // namespace

QString beginningOf(const QString &text)
{
    const QString line = text.simplified();
    if (line.size() <= kBeginningLength)
        return line;
    qsizetype cut = kBeginningLength;
    if (line.at(cut).isLowSurrogate())
        --cut;
    return line.left(cut).trimmed() + QStringLiteral("\u2026");
}

LeftOutStrings::LeftOutStrings(Notices &notices) : m_notices(notices), m_outer(t_open) { t_open = this; }

LeftOutStrings::~LeftOutStrings()
{
    t_open = m_outer;
    if (m_outer || m_fields.isEmpty())
        return;
    m_notices.append({noticeText(m_fields), QLatin1String(readers::kNoticeTitle)});
}

QString LeftOutStrings::noticeText(const QList<Field> &fields)
{
    bool allInOtherLanguages = true;
    for (const Field &field : fields)
        for (const LeftOut &string : field.strings)
            allInOtherLanguages = allInOtherLanguages && !string.asTheFirst;

    QStringList named;
    for (const Field &field : fields) {
        if (allInOtherLanguages) {
            QStringList languages;
            for (const LeftOut &string : field.strings)
                if (!languages.contains(string.language))
                    languages << string.language;
            named << field.element + QStringLiteral(" (") + languages.join(QStringLiteral(", ")) + QLatin1Char(')');
            continue;
        }
        // One group for each language, and whether it is the first string's, in the order they are met.
        struct Group {
            const LeftOut *first;
            QStringList beginnings;
        };
        QList<Group> groups;
        for (const LeftOut &string : field.strings) {
            auto group = std::find_if(groups.begin(), groups.end(), [&string](const Group &g) {
                return g.first->language == string.language && g.first->asTheFirst == string.asTheFirst;
            });
            if (group == groups.end()) {
                groups.append(Group{&string, {}});
                group = groups.end() - 1;
            }
            group->beginnings << quoted(string.beginning);
        }
        for (const Group &group : groups)
            named << field.element + QStringLiteral(" (") + group.first->language +
                         (group.first->asTheFirst ? QStringLiteral(", as the first string): ")
                                                  : QStringLiteral(", unlike the first string): ")) +
                         group.beginnings.join(QStringLiteral(", "));
    }
    return QLatin1String(allInOtherLanguages ? readers::kLeftOutStrings : readers::kLeftOutStringsAnyLanguage) +
           named.join(QStringLiteral("; "));
}

void LeftOutStrings::note(const QString &element, const QList<LeftOut> &strings)
{
    LeftOutStrings *outermost = this;
    while (outermost->m_outer)
        outermost = outermost->m_outer;
    for (Field &field : outermost->m_fields) {
        if (field.element == element) {
            field.strings << strings;
            return;
        }
    }
    outermost->m_fields.append({element, strings});
}

QString LeftOutStrings::firstString(const QString &element, const QList<XmlNode> &strings,
                                    const QString &languageAttribute, QString (*textOf)(const XmlNode &))
{
    if (strings.size() > 1 && t_open) {
        // Language codes are compared without regard to case ("en-GB" and "en-gb" are one language).
        const QString first = strings.first().attribute(languageAttribute);
        QList<LeftOut> leftOut;
        for (qsizetype i = 1; i < strings.size(); ++i) {
            const QString language = strings.at(i).attribute(languageAttribute);
            ReadCheck::named(strings.at(i));
            leftOut.append({languageName(language), beginningOf(textOf(strings.at(i))),
                            language.compare(first, Qt::CaseInsensitive) == 0});
        }
        t_open->note(element, leftOut);
    }
    return strings.isEmpty() ? QString() : textOf(strings.first());
}

} // namespace ts

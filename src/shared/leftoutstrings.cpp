#include "leftoutstrings.h"

#include "noticelines.h"
#include "readcheck.h"
#include "readertables.h"

#include "platform/xmldocument.h"

#include <QHash>
#include <QSet>

namespace ts {

namespace {

thread_local LeftOutStrings *t_open = nullptr;

// How much of a string left out the notice shows, and at most when it begins as the first string does.
constexpr qsizetype kBeginningLength = 30;
constexpr qsizetype kDistinctLength = 100;

QString languageName(const QString &language)
{
    return language.isEmpty() ? QStringLiteral("no language") : language;
}

QString quoted(const QString &text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

} // namespace

QString beginningOf(const QString &text) { return beginningOf(text, kBeginningLength); }

LeftOutStrings::LeftOutStrings(Notices &notices) : m_notices(notices), m_outer(t_open) { t_open = this; }

LeftOutStrings::~LeftOutStrings()
{
    t_open = m_outer;
    if (m_outer || m_fields.isEmpty())
        return;
    // While a file's check is open, the strings are a line of its one notice.
    const QString text = noticeText(m_fields);
    if (!ReadCheck::addLine(text))
        m_notices.append({text, QLatin1String(readers::kNoticeTitle)});
}

QString LeftOutStrings::noticeText(const QList<Field> &fields)
{
    bool allInOtherLanguages = true;
    for (const Field &field : fields)
        for (const LeftOut &string : field.strings)
            allInOtherLanguages = allInOtherLanguages && !string.asTheFirst;

    // At most kShownTexts languages or beginnings are shown in all, then how many there were.
    qsizetype all = 0;
    const auto shown = [&all](QStringList &items, auto item) {
        if (all++ < kShownTexts)
            items << item();
    };
    QStringList named;
    for (const Field &field : fields) {
        if (allInOtherLanguages) {
            QStringList languages;
            QSet<QString> seen;
            for (const LeftOut &string : field.strings)
                if (!seen.contains(string.language)) {
                    seen.insert(string.language);
                    shown(languages, [&string] { return beginningOf(string.language); });
                }
            if (!languages.isEmpty())
                named << field.element + QStringLiteral(" (") + languages.join(QStringLiteral(", ")) +
                             QLatin1Char(')');
            continue;
        }
        // One group for each language, and whether it is the first string's, in the order they are met.
        struct Group {
            const LeftOut *first;
            QStringList beginnings;
        };
        QList<Group> groups;
        QHash<QString, qsizetype> index;
        for (const LeftOut &string : field.strings) {
            const QString key = (string.asTheFirst ? QLatin1Char('1') : QLatin1Char('0')) + string.language;
            auto found = index.constFind(key);
            if (found == index.constEnd()) {
                found = index.insert(key, groups.size());
                groups.append(Group{&string, {}});
            }
            shown(groups[*found].beginnings, [&string] {
                return quoted(distinctQuote(string.text, {string.first}, kBeginningLength, kDistinctLength));
            });
        }
        for (const Group &group : groups)
            if (!group.beginnings.isEmpty())
                named << field.element + QStringLiteral(" (") + beginningOf(group.first->language) +
                             (group.first->asTheFirst ? QStringLiteral(", as the first string): ")
                                                      : QStringLiteral(", unlike the first string): ")) +
                             group.beginnings.join(QStringLiteral(", "));
    }
    QString text = QLatin1String(allInOtherLanguages ? readers::kLeftOutStrings : readers::kLeftOutStringsAnyLanguage) +
                   named.join(QStringLiteral("; "));
    if (all > kShownTexts)
        text += QStringLiteral(", ") + inAll(all);
    return text;
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
        const QString firstText = textOf(strings.first()).simplified();
        QList<LeftOut> leftOut;
        for (qsizetype i = 1; i < strings.size(); ++i) {
            // A string that says what the first one says loses nothing.
            const QString text = textOf(strings.at(i));
            if (text.simplified() == firstText)
                continue;
            const QString language = strings.at(i).attribute(languageAttribute);
            ReadCheck::named(strings.at(i));
            leftOut.append({languageName(language), text, language.compare(first, Qt::CaseInsensitive) == 0,
                            firstText});
        }
        if (!leftOut.isEmpty())
            t_open->note(element, leftOut);
    }
    return strings.isEmpty() ? QString() : textOf(strings.first());
}

} // namespace ts

#include "noticelines.h"

#include "readertables.h"

#include <algorithm>

namespace ts {

namespace {

// How much of a notice not shown the counting notice quotes.
constexpr qsizetype kExampleLength = 100;

// The fixed beginning of a notice's text, which its kind shares: before its first ":" or digit. The notices
// of one reader about one category are one kind ("Unsupported element found in your imported file
// <general>").
QString kindOf(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text.at(i) == QLatin1Char(':') || text.at(i).isDigit())
            return text.left(i);
    return text;
}

} // namespace

QString beginningOf(const QString &text, qsizetype length)
{
    const QString line = text.simplified();
    if (line.size() <= length)
        return line;
    qsizetype cut = length;
    if (line.at(cut).isLowSurrogate())
        --cut;
    return line.left(cut).trimmed() + QStringLiteral("\u2026");
}

namespace {

// How many characters the texts (on one line each) begin with alike.
qsizetype sameLength(const QString &line, const QString &other)
{
    qsizetype same = 0;
    while (same < line.size() && same < other.size() && line.at(same) == other.at(same))
        ++same;
    return same;
}

// The length of a beginning that reaches the end of the word in which a text differs from another after
// `same` characters alike.
qsizetype lengthToWordEnd(const QString &line, qsizetype same, qsizetype shortest, qsizetype longest)
{
    // A quote of the shortest length already tells them apart.
    if (same < shortest)
        return shortest;
    qsizetype end = same >= line.size() ? line.size() : line.indexOf(QLatin1Char(' '), same);
    if (end < 0)
        end = line.size();
    return std::clamp(end, shortest, longest);
}

} // namespace

qsizetype distinctLength(const QString &text, const QString &kept, qsizetype shortest, qsizetype longest)
{
    const QString line = text.simplified();
    return lengthToWordEnd(line, sameLength(line, kept.simplified()), shortest, longest);
}

QString distinctQuote(const QString &text, const QStringList &others, qsizetype shortest, qsizetype longest)
{
    const QString line = text.simplified();
    qsizetype same = 0;
    for (const QString &other : others)
        if (const QString otherLine = other.simplified(); otherLine != line)
            same = std::max(same, sameLength(line, otherLine));
    if (same < longest || line.size() <= longest)
        return beginningOf(line, lengthToWordEnd(line, same, shortest, longest));
    // The part where they first differ, from the start of that word.
    qsizetype start = std::max(line.lastIndexOf(QLatin1Char(' '), same - 1) + 1, same - shortest);
    if (line.at(start).isLowSurrogate())
        --start;
    return QStringLiteral("\u2026 ") + beginningOf(line.mid(start), longest - 2);
}

QString inAll(qsizetype count) { return QStringLiteral("\u2026 (%1 in all)").arg(count); }

QStringList boundedList(QStringList texts)
{
    if (texts.size() <= kShownTexts)
        return texts;
    const qsizetype all = texts.size();
    texts.resize(kShownTexts);
    return texts << inAll(all);
}

void NamedLine::add(const QString &name, const void *unit, const QString &text, bool quote)
{
    add(name, unit, text, quote, true);
}

void NamedLine::addWithUnit(const QString &name, const void *unit, const QString &text)
{
    add(name, unit, text, true, false);
}

void NamedLine::add(const QString &name, const void *unit, const QString &text, bool quote, bool shown)
{
    if (const auto found = m_index.constFind(unit); found != m_index.constEnd()) {
        Unit &u = m_units[*found];
        u.texts << text;
        if (shown && !u.shown)
            ++m_shown;
        u.shown = u.shown || shown;
        return;
    }
    m_index.insert(unit, m_units.size());
    m_units.append({name, {text}, quote, shown});
    m_shown += shown ? 1 : 0;
}

void NamedLine::addUnit(const QString &name, const QString &text, bool quote)
{
    m_units.append({name, {text}, quote, true});
    ++m_shown;
}

QString NamedLine::text(const QString &lead, const QString &separator, qsizetype quoted, const Quote &quote) const
{
    // The entries in the order their names were met, each with the units shown of it.
    QStringList names;
    QHash<QString, QStringList> shown;
    qsizetype count = 0;
    for (qsizetype i = 0; i < m_units.size() && count < kShownTexts; ++i) {
        const Unit &u = m_units.at(i);
        if (!u.shown)
            continue;
        ++count;
        auto entry = shown.find(u.name);
        if (entry == shown.end()) {
            names << u.name;
            entry = shown.insert(u.name, {});
        }
        if (!u.quote)
            *entry << u.texts.join(QLatin1Char(' '));
        else
            *entry << QLatin1Char('"') + (quote ? quote(u.texts) : beginningOf(u.texts.join(QLatin1Char(' ')), quoted)) +
                          QLatin1Char('"');
    }
    // A file that repeats one element thousands of times is named by its first ones and their number.
    if (m_shown > kShownTexts)
        shown[names.last()] << inAll(m_shown);
    QStringList entries;
    for (const QString &name : names) {
        QStringList texts = shown.value(name);
        texts.removeAll(QString());
        entries << beginningOf(name, kExampleLength) +
                       (texts.isEmpty() ? QString() : separator + texts.join(QStringLiteral(", ")));
    }
    return lead + entries.join(QStringLiteral("; "));
}

bool NoticeCounter::admit(const QString &text)
{
    const QString kind = kindOf(text);
    qsizetype &shown = m_shown[kind];
    if (shown < kShownTexts) {
        ++shown;
        return true;
    }
    const auto found = m_hiddenIndex.constFind(kind);
    if (found != m_hiddenIndex.constEnd()) {
        ++m_hidden[*found].count;
        return false;
    }
    m_hiddenIndex.insert(kind, m_hidden.size());
    m_hidden.append({1, text.section(QLatin1Char('\r'), 0, 0)});
    return false;
}

std::optional<Notice> NoticeCounter::notShown() const
{
    if (m_hidden.isEmpty())
        return std::nullopt;
    QStringList counted;
    for (const Hidden &hidden : m_hidden)
        counted << QStringLiteral("%1 more like \"%2\"")
                       .arg(hidden.count)
                       .arg(beginningOf(hidden.example, kExampleLength));
    return Notice{QLatin1String(readers::kNotShown) + counted.join(QStringLiteral("; ")),
                  QLatin1String(readers::kNoticeTitle)};
}

} // namespace ts

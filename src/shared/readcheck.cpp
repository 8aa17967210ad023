#include "readcheck.h"

#include "leftoutstrings.h"
#include "textutil.h"
#include "xmlwalk.h"

#include "platform/xmldocument.h"

#include <QHash>
#include <QRegularExpression>
#include <algorithm>
#include <libxml/tree.h>

namespace ts {

namespace {

thread_local ReadCheck *t_open = nullptr;

QString fromXml(const xmlChar *s) { return s ? QString::fromUtf8(reinterpret_cast<const char *>(s)) : QString(); }

// The text an element holds itself, beside the elements inside it, on one line: as the readers take it,
// with comments and processing instructions left out of it.
QString ownText(const XmlNode &element)
{
    QString out;
    for (xmlNodePtr c = element.raw()->children; c; c = c->next) {
        if (c->type == XML_TEXT_NODE || c->type == XML_CDATA_SECTION_NODE) {
            out += fromXml(c->content);
        } else if (c->type == XML_ENTITY_REF_NODE) {
            xmlChar *content = xmlNodeGetContent(c);
            out += fromXml(content);
            xmlFree(content);
        } else if (c->type == XML_ELEMENT_NODE) {
            out += QLatin1Char(' ');
        }
    }
    return out.simplified();
}

bool looksLikeDate(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("^\\d{4}(-\\d{1,2}){0,2}([T ].*)?$"));
    return re.match(text).hasMatch();
}

bool pathEndsWith(const QString &path, const char *rule)
{
    const QLatin1String tail(rule);
    return path == tail || (path.endsWith(tail) && path.at(path.size() - tail.size() - 1) == QLatin1Char('/'));
}

QString quoted(const QString &text) { return QLatin1Char('"') + beginningOf(text) + QLatin1Char('"'); }

// How many texts the notice quotes for one element at most.
constexpr qsizetype kShownTexts = 20;

// Entries of one line of the notice, each an element named once with the texts it leaves out, in the order
// they were met: "<general> description: "First", "Second"".
class Line {
public:
    // One text of an element (the unit) under its name; the texts of one unit are quoted together.
    void add(const QString &name, const void *unit, const QString &text)
    {
        if (const auto found = m_index.constFind(unit); found != m_index.constEnd()) {
            m_units[*found].texts << text;
            return;
        }
        m_index.insert(unit, m_units.size());
        m_units.append({name, unit, {text}});
    }
    bool isEmpty() const { return m_units.isEmpty(); }
    QString text(const char *lead) const
    {
        QStringList names;
        QHash<QString, QStringList> quotes;
        for (const Unit &u : m_units) {
            if (!quotes.contains(u.name))
                names << u.name;
            quotes[u.name] << quoted(u.texts.join(QLatin1Char(' ')));
        }
        QStringList entries;
        for (const QString &name : names) {
            QStringList shown = quotes.value(name);
            // A file that repeats one element thousands of times is named by its first ones and their number.
            if (shown.size() > kShownTexts)
                shown = shown.mid(0, kShownTexts)
                        << QStringLiteral("\u2026 (%1 in all)").arg(quotes.value(name).size());
            entries << name + QStringLiteral(": ") + shown.join(QStringLiteral(", "));
        }
        return QLatin1String(lead) + entries.join(QStringLiteral("; "));
    }

private:
    struct Unit {
        QString name;
        const void *node;
        QStringList texts;
    };
    QList<Unit> m_units;
    QHash<const void *, qsizetype> m_index;
};

// A date of the file that the record does not keep whole: its text, or its description when only that is
// not kept.
struct DateUnit {
    const void *node;
    QString date;
    QString description;
    bool dateLost = false;
    bool descriptionLost = false;
};

class Walker {
public:
    Walker(const HeldTexts &held, const CheckTables &tables, const QSet<const void *> &named)
        : m_held(held), m_tables(tables), m_named(named)
    {
    }

    void category(const XmlNode &element, readers::Category category, bool read)
    {
        m_category = category;
        m_categoryElement = element;
        m_read = read;
        m_repeated = {};
        walk(element, element.localName(), QString(), Held::Text, XmlNode());
    }

    // An element beside the categories that a notice names: left out whole, in its languages too.
    void named(const XmlNode &element) { noteLanguages(element, element.localName()); }

    void appendNotices(Notices &notices) const
    {
        notices << m_vocabularies;
        QStringList lines;
        if (!m_repeats.isEmpty())
            lines << m_repeats.text(readers::kLeftOutRepeats);
        if (!m_identifiers.isEmpty())
            lines << m_identifiers.text(readers::kLeftOutIdentifiers);
        if (!m_values.isEmpty())
            lines << m_values.text(readers::kLeftOutValues);
        if (!m_languages.isEmpty())
            lines << QLatin1String(readers::kLeftOutLanguages) + m_languages.join(QStringLiteral(", "));
        QStringList dates;
        QSet<QString> seen;
        for (const DateUnit &d : m_dates) {
            QString shown;
            if (d.dateLost || (d.date.isEmpty() && d.descriptionLost))
                shown = d.date.isEmpty() ? quoted(d.description) : d.date;
            else if (d.descriptionLost)
                shown = quoted(d.description);
            if (!shown.isEmpty() && !seen.contains(shown)) {
                seen.insert(shown);
                dates << shown;
            }
        }
        if (dates.size() > kShownTexts)
            dates = dates.mid(0, kShownTexts) << QStringLiteral("\u2026 (%1 in all)").arg(dates.size());
        if (!dates.isEmpty())
            lines << QLatin1String(readers::kLeftOutDates) + dates.join(QStringLiteral(", "));
        if (!lines.isEmpty())
            notices.append({lines.join(QStringLiteral("\r\r")), QLatin1String(readers::kNoticeTitle)});
    }

private:
    // `path` holds local names from the category on, for the tables; `shown` the names as written from the
    // category's child on, for the notices.
    void walk(const XmlNode &element, const QString &path, const QString &shown, Held inherited,
              const XmlNode &ruleElement)
    {
        noteLanguage(element.attribute(QLatin1String(m_tables.languageAttribute)));
        if (m_named.contains(element.raw())) {
            noteLanguages(element, path); // what a notice names is left out whole, in its languages too
            return;
        }
        if (const VocabularyRule *vocabulary = vocabularyRule(path); vocabulary && outsideList(element, *vocabulary))
            return;
        Held held = inherited;
        XmlNode unit = ruleElement;
        if (const HeldRule *rule = heldRule(path)) {
            held = rule->held;
            unit = element;
        }
        if (held == Held::Ignore)
            return;
        if (held == Held::Language) {
            noteLanguage(nodeText(element));
            return;
        }
        if (const QString text = ownText(element); !text.isEmpty())
            take(element, text, held, unit, shown);
        const QList<XmlNode> children = element.elements();
        QHash<QString, int> names; // how often each name stands among the children
        for (const XmlNode &child : children)
            ++names[child.namespaceUri() + QLatin1Char(' ') + child.localName()];
        const XmlNode repeatedAbove = m_repeated;
        for (const XmlNode &child : children) {
            const QString childPath = path + QLatin1Char('/') + child.localName();
            // The outermost element of several of one name that stand for a field of one value.
            if (m_repeated.isNull() && names.value(child.namespaceUri() + QLatin1Char(' ') + child.localName()) > 1 &&
                !isList(childPath))
                m_repeated = child;
            const QString childShown = shown.isEmpty() ? child.name() : shown + QLatin1Char('/') + child.name();
            walk(child, childPath, childShown, held, unit);
            m_repeated = repeatedAbove;
        }
    }

    // The text is on one line already, as the record's texts are held.
    void take(const XmlNode &element, const QString &text, Held held, const XmlNode &unit, const QString &shown)
    {
        switch (held) {
        case Held::VCard: {
            const QString name = getVCardName(text).simplified();
            if (!name.isEmpty() && !m_held.holds(name))
                lost(element, name, shown);
            return;
        }
        case Held::Duration: {
            const QString key = m_tables.durationKey(text);
            if (!key.isEmpty() && m_held.durations.contains(key))
                return;
            if (key.isEmpty() && looksLikeDate(text))
                date(unit, text, false, text == m_held.exportDay);
            else
                lost(element, text, shown);
            return;
        }
        case Held::Date:
        case Held::ExportDay:
            date(unit.parent().localName() == QLatin1String("date") ? unit.parent() : unit, text, false,
                 text == m_held.exportDay || (held == Held::Date && m_held.texts.contains(text)));
            return;
        case Held::DateDescription:
            date(unit.parent(), text, true, m_held.texts.contains(text));
            return;
        case Held::Identifier:
            if (!m_held.texts.contains(text))
                m_identifiers.add(section() + QLatin1Char(' ') + shownUpTo(unit), unit.raw(), text);
            return;
        case Held::Parts: {
            const QStringList parts = text.split(QLatin1Char(','));
            if (!std::all_of(parts.begin(), parts.end(), [this](const QString &p) { return m_held.holds(p); }))
                lost(element, text, shown);
            return;
        }
        case Held::Text:
        case Held::Ignore:
        case Held::Language:
            if (!m_held.texts.contains(text))
                lost(element, text, shown);
            return;
        }
    }

    // A text the record does not hold: a repeat of an element whose field holds one, or another value.
    void lost(const XmlNode &element, const QString &text, const QString &shown)
    {
        if (!m_read) {
            m_repeats.add(section(), m_categoryElement.raw(), text);
            return;
        }
        if (!m_repeated.isNull())
            m_repeats.add(section() + QLatin1Char(' ') + shownUpTo(m_repeated), m_repeated.raw(), text);
        else if (const XmlNode vocabulary = vocabularyAround(element); !vocabulary.isNull())
            unsupportedValue(vocabulary, text);
        else
            m_values.add(section() + QLatin1Char(' ') + shown, element.raw(), text);
    }

    // The vocabulary whose value holds the element: the notice names a value it cannot keep as the readers
    // name the values they cannot hold.
    XmlNode vocabularyAround(const XmlNode &element) const
    {
        for (XmlNode e = element; !e.isNull() && e.raw() != m_categoryElement.raw(); e = e.parent())
            if (e.localName() == QLatin1String("value") && e.parent().raw() != m_categoryElement.raw())
                return e.parent();
        return {};
    }

    void unsupportedValue(const XmlNode &vocabulary, const QString &value)
    {
        if (m_valuesNamed.contains(vocabulary.raw()))
            return;
        m_valuesNamed.insert(vocabulary.raw());
        m_vocabularies.append({QLatin1String(readers::kUnsupportedValue) + section() + QStringLiteral(": ") +
                                   vocabulary.localName() + QStringLiteral(" \"") + value + QLatin1Char('"'),
                               QLatin1String(readers::kNoticeTitle)});
    }

    void date(const XmlNode &unit, const QString &text, bool description, bool kept)
    {
        qsizetype at = m_dateIndex.value(unit.raw(), -1);
        if (at < 0) {
            at = m_dates.size();
            m_dateIndex.insert(unit.raw(), at);
            m_dates.append({unit.raw(), {}, {}});
        }
        DateUnit *found = &m_dates[at];
        if (description) {
            found->description = text;
            found->descriptionLost = !kept;
        } else {
            found->date = text;
            found->dateLost = !kept;
        }
    }

    bool outsideList(const XmlNode &vocabulary, const VocabularyRule &rule)
    {
        const XmlNode value = vocabulary.firstElement(QStringLiteral("value"));
        const QString text = nodeText(value).simplified();
        if (value.isNull() || text.isEmpty())
            return false;
        for (const char *listed : rule.values)
            if (text == QLatin1String(listed))
                return false;
        unsupportedValue(vocabulary, text);
        return true;
    }

    void noteLanguages(const XmlNode &element, const QString &path)
    {
        if (const HeldRule *rule = heldRule(path); rule && rule->held == Held::Language)
            noteLanguage(nodeText(element));
        for (const XmlNode &child : element.elements()) {
            noteLanguage(child.attribute(QLatin1String(m_tables.languageAttribute)));
            noteLanguages(child, path + QLatin1Char('/') + child.localName());
        }
    }

    void noteLanguage(const QString &language)
    {
        const QString code = language.trimmed();
        if (code.isEmpty() || code.compare(QLatin1String("x-none"), Qt::CaseInsensitive) == 0)
            return;
        for (const QString &known : m_languages)
            if (known.compare(code, Qt::CaseInsensitive) == 0)
                return;
        m_languages << code;
    }

    const HeldRule *heldRule(const QString &path) const
    {
        for (const HeldRule &rule : m_tables.rules)
            if (pathEndsWith(path, rule.path))
                return &rule;
        return nullptr;
    }

    bool isList(const QString &path) const
    {
        return std::any_of(m_tables.lists.begin(), m_tables.lists.end(),
                           [&path](const char *list) { return pathEndsWith(path, list); });
    }

    const VocabularyRule *vocabularyRule(const QString &path) const
    {
        for (const VocabularyRule &rule : m_tables.vocabularies)
            if (pathEndsWith(path, rule.path))
                return &rule;
        return nullptr;
    }

    QString section() const { return readers::sectionName(m_category); }

    // The names as written from the category's child down to the element.
    QString shownUpTo(const XmlNode &element) const
    {
        QStringList names;
        for (XmlNode e = element; !e.isNull() && e.raw() != m_categoryElement.raw(); e = e.parent())
            names.prepend(e.name());
        return names.join(QLatin1Char('/'));
    }

    const HeldTexts &m_held;
    const CheckTables &m_tables;
    const QSet<const void *> &m_named;
    readers::Category m_category = readers::Category::General;
    XmlNode m_categoryElement;
    bool m_read = true;
    XmlNode m_repeated; // around the element being walked: the outermost repeat of a field of one value
    Notices m_vocabularies;
    QSet<const void *> m_valuesNamed;
    Line m_repeats;
    Line m_identifiers;
    Line m_values;
    QStringList m_languages;
    QList<DateUnit> m_dates;
    QHash<const void *, qsizetype> m_dateIndex;
};

} // namespace

void HeldTexts::add(const QString &text)
{
    const QString line = text.simplified();
    if (!line.isEmpty())
        texts.insert(line);
}

void HeldTexts::addAll(const QStringList &list)
{
    for (const QString &text : list)
        add(text);
}

void HeldTexts::addParts(const QString &text, QChar separator)
{
    add(text);
    addAll(text.split(separator));
}

bool HeldTexts::holds(const QString &text) const { return texts.contains(text.simplified()); }

QString HeldTexts::durationKey(const QStringList &parts)
{
    QStringList numbers;
    for (const QString &part : parts) {
        const QString trimmed = part.trimmed();
        bool ok = false;
        const double value = trimmed.isEmpty() ? 0 : trimmed.toDouble(&ok);
        numbers << (trimmed.isEmpty() || ok ? QString::number(value) : trimmed);
    }
    return numbers.join(QLatin1Char(':'));
}

ReadCheck::ReadCheck() : m_outer(t_open) { t_open = this; }

ReadCheck::~ReadCheck() { t_open = m_outer; }

QList<XmlNode> ReadCheck::fileCategories(const XmlNode &record, const XmlNode &general)
{
    if (record.raw() == general.raw())
        return {general};
    QList<XmlNode> out;
    for (const XmlNode &c : record.elements())
        if (c.localName() != QLatin1String("classification"))
            out << c;
    return out;
}

void ReadCheck::named(const XmlNode &node)
{
    ReadCheck *outermost = t_open;
    if (!outermost || node.isNull())
        return;
    while (outermost->m_outer)
        outermost = outermost->m_outer;
    outermost->m_named.insert(node.raw());
}

void ReadCheck::report(const QList<XmlNode> &categories, const HeldTexts &held, const CheckTables &tables,
                       Notices &notices) const
{
    const ReadCheck *outermost = this;
    while (outermost->m_outer)
        outermost = outermost->m_outer;
    Walker walker(held, tables, outermost->m_named);
    QSet<QString> seen; // the categories met: a later one of a name is not read
    for (const XmlNode &element : categories) {
        if (outermost->m_named.contains(element.raw()))
            walker.named(element);
        for (const CategoryName &name : tables.categories) {
            if (element.localName() != QLatin1String(name.name))
                continue;
            const QString key = element.namespaceUri() + QLatin1Char(' ') + element.localName();
            walker.category(element, name.category, !seen.contains(key));
            seen.insert(key);
        }
    }
    walker.appendNotices(notices);
}

} // namespace ts

#include "readcheck.h"

#include "leftoutstrings.h"
#include "textutil.h"
#include "xmlwalk.h"

#include "platform/xmldocument.h"

#include <QHash>
#include <QRegularExpression>
#include <algorithm>
#include <deque>
#include <libxml/tree.h>

namespace ts {

namespace {

thread_local ReadCheck *t_open = nullptr;

// How many characters of a text left out a line quotes, and at most to tell it from a kept one.
constexpr qsizetype kQuoted = 30;
constexpr qsizetype kQuotedAtMost = 100;

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

// The text of an element as it stands, its own line ends kept: a vCard's lines.
QString rawText(const XmlNode &element)
{
    QString out;
    for (xmlNodePtr c = element.raw()->children; c; c = c->next)
        if (c->type == XML_TEXT_NODE || c->type == XML_CDATA_SECTION_NODE)
            out += fromXml(c->content);
    return out;
}

// A date of the file that the record does not keep whole: its text, or its description when only that is
// not kept.
struct DateUnit {
    const void *node;
    const OwnDate *own; // where the writers write a date of their own, null elsewhere
    QString name;       // the date element, as the notice names it
    QString date;
    QString description;
    bool dateLost = false;
    bool descriptionLost = false;
};

// The source of some of the vocabularies of a file, and how many of them carried it.
struct Source {
    QString text;
    qsizetype values;
};

// An element's namespace and local name, as the document holds them.
using NameKey = std::pair<QByteArrayView, QByteArrayView>;
NameKey nameKey(const XmlNode &element)
{
    const xmlNodePtr node = element.raw();
    return {QByteArrayView(node->ns && node->ns->href ? reinterpret_cast<const char *>(node->ns->href) : ""),
            QByteArrayView(reinterpret_cast<const char *>(node->name))};
}

class Walker {
public:
    Walker(const HeldTexts &held, const CheckTables &tables, const QSet<const void *> &named, NamedLine unsupported,
           QSet<const void *> unsupportedNodes)
        : m_held(held), m_tables(tables), m_named(named), m_languageAttribute(tables.languageAttribute),
          m_unsupported(std::move(unsupported)), m_valuesNamed(std::move(unsupportedNodes))
    {
    }

    // Elements the export keeps as they stand: their languages are kept.
    void keptWhole(const QList<XmlNode> &elements)
    {
        for (const XmlNode &element : elements)
            keepLanguages(element);
    }

    void category(const XmlNode &element, readers::Category category, bool read)
    {
        m_category = category;
        m_categoryElement = element;
        m_read = read;
        m_repeated = {};
        m_contribution = {};
        walk(element, categoryPath(element), Held::Text, XmlNode());
    }

    // An element beside the categories that a notice names: left out whole, in its languages too.
    void named(const XmlNode &element) { noteLanguages(element, categoryPath(element)); }

    // The lines of the one notice, in the order the notice gives them; `given` come after the values.
    QStringList lines(const QStringList &given, const QStringList &otherRecords) const
    {
        QStringList out;
        if (!otherRecords.isEmpty()) {
            const qsizetype count = otherRecords.size();
            out << QLatin1String(readers::kLeftOutRecords) +
                       QStringLiteral("%1 more record%2, in ").arg(count).arg(count == 1 ? "" : "s") +
                       boundedList(otherRecords).join(QStringLiteral(", "));
        }
        if (!m_unsupported.isEmpty())
            out << m_unsupported.text(QLatin1String(readers::kUnsupportedValue), QStringLiteral(" "), kQuotedAtMost);
        out << given;
        // A quote that tells the text from a kept one that begins alike.
        const NamedLine::Quote distinct = [this](const QStringList &texts) { return quote(texts); };
        const auto add = [&](const NamedLine &line, const char *lead) {
            if (!line.isEmpty())
                out << line.text(QLatin1String(lead), QStringLiteral(": "), kQuoted, distinct);
        };
        add(m_repeats, readers::kLeftOutRepeats);
        add(m_withoutPersons, readers::kLeftOutContributions);
        // A vCard line is quoted long enough to be told from the other lines it is shown with as well.
        const NamedLine::Quote apart = [this](const QStringList &texts) { return quote(texts, m_vCardTexts); };
        if (!m_vCardLines.isEmpty())
            out << m_vCardLines.text(QLatin1String(readers::kLeftOutVCardLines), QStringLiteral(": "), 30, apart);
        add(m_identifiers, readers::kLeftOutIdentifiers);
        add(m_values, readers::kLeftOutValues);
        if (!m_sources.isEmpty()) {
            QStringList sources;
            for (const Source &source : m_sources)
                sources << QStringLiteral("\"%1\" (%2 value%3)")
                               .arg(beginningOf(source.text), QString::number(source.values),
                                    source.values == 1 ? QString() : QStringLiteral("s"));
            out << QLatin1String(readers::kLeftOutSources) + boundedList(sources).join(QStringLiteral(", "));
        }
        if (!m_languages.isEmpty()) {
            QStringList languages = m_languages.mid(0, kShownTexts);
            if (m_languagesSeen.size() > kShownTexts)
                languages << inAll(m_languagesSeen.size());
            const bool othersKept = std::any_of(m_keptLanguages.begin(), m_keptLanguages.end(),
                                                [](const QString &l) { return l != QLatin1String("x-none"); });
            out << QLatin1String(othersKept ? readers::kLeftOutLanguagesBesideClassifications
                                            : readers::kLeftOutLanguages) +
                       languages.join(QStringLiteral(", "));
        }
        NamedLine dates;
        QSet<QString> seen;
        for (const DateUnit &d : m_dates) {
            if (isOwn(d))
                continue;
            QString shown;
            if (d.dateLost || (d.date.isEmpty() && d.descriptionLost))
                shown = d.date.isEmpty() ? quotedDistinct(d.description) : beginningOf(d.date);
            else if (d.descriptionLost)
                shown = quotedDistinct(d.description);
            if (const QString key = d.name + QLatin1Char('\n') + shown; !shown.isEmpty() && !seen.contains(key)) {
                seen.insert(key);
                dates.addUnit(d.name, shown, false);
            }
        }
        if (!dates.isEmpty())
            out << dates.text(QLatin1String(readers::kLeftOutDates));
        // The texts in place of which the writers write their own, a line for each lead of the tables.
        QList<const char *> leads;
        for (const OwnText &own : m_tables.ownTexts)
            if (!leads.contains(own.lead)) {
                leads << own.lead;
                if (const auto line = m_ownTexts.constFind(own.lead); line != m_ownTexts.constEnd())
                    add(*line, own.lead);
            }
        return out;
    }

private:
    // What the tables say of the elements of one path: the local names from the category on, matched at the
    // end. Each path of a file is looked up once, and its children are found by their names.
    struct Path {
        QString path;
        const HeldRule *held = nullptr;
        const VocabularyRule *vocabulary = nullptr;
        bool list = false;
        bool contribution = false;
        QHash<NameKey, Path *> children;
    };

    Path *pathOf(const QString &path)
    {
        m_paths.push_back({path});
        Path &p = m_paths.back();
        for (const HeldRule &rule : m_tables.rules)
            if (!p.held && pathEndsWith(path, rule.path))
                p.held = &rule;
        for (const VocabularyRule &rule : m_tables.vocabularies)
            if (!p.vocabulary && pathEndsWith(path, rule.path))
                p.vocabulary = &rule;
        p.list = std::any_of(m_tables.lists.begin(), m_tables.lists.end(),
                             [&path](const char *list) { return pathEndsWith(path, list); });
        p.contribution = pathEndsWith(path, m_tables.contribution);
        return &p;
    }

    Path *categoryPath(const XmlNode &element)
    {
        Path *&found = m_categoryPaths[element.localName()];
        if (!found)
            found = pathOf(element.localName());
        return found;
    }

    Path *child(Path *parent, const XmlNode &element)
    {
        Path *&found = parent->children[nameKey(element)];
        if (!found)
            found = pathOf(parent->path + QLatin1Char('/') + element.localName());
        return found;
    }

    void walk(const XmlNode &element, Path *path, Held inherited, const XmlNode &ruleElement)
    {
        noteLanguageOf(element);
        if (m_named.contains(element.raw())) {
            noteLanguages(element, path); // what a notice names is left out whole, in its languages too
            return;
        }
        if (path->vocabulary) {
            if (valueLost(element, path, *path->vocabulary))
                return;
            m_keptVocabulary = element.raw();
        }
        Held held = inherited;
        XmlNode unit = ruleElement;
        if (path->held) {
            held = path->held->held;
            unit = element;
        }
        if (held == Held::Source) {
            source(element);
            return;
        }
        if (held == Held::Language) {
            noteLanguage(nodeText(element));
            return;
        }
        if (const QString text = ownText(element); !text.isEmpty())
            take(element, text, held, unit);
        const QList<XmlNode> children = element.elements();
        QHash<NameKey, int> names; // how often each name stands among the children, when there are several
        if (children.size() > 1)
            for (const XmlNode &c : children)
                ++names[nameKey(c)];
        const XmlNode repeatedAbove = m_repeated;
        const XmlNode contributionAbove = m_contribution;
        for (const XmlNode &c : children) {
            Path *childPath = child(path, c);
            if (m_named.contains(c.raw())) {
                walk(c, childPath, held, unit);
                continue;
            }
            // The outermost element of several of one name that stand for a field of one value.
            if (m_repeated.isNull() && !childPath->list && names.value(nameKey(c)) > 1)
                m_repeated = c;
            if (m_contribution.isNull() && childPath->contribution)
                m_contribution = c;
            walk(c, childPath, held, unit);
            m_repeated = repeatedAbove;
            m_contribution = contributionAbove;
        }
    }

    // The text is on one line already, as the record's texts are held.
    void take(const XmlNode &element, const QString &text, Held held, const XmlNode &unit)
    {
        switch (held) {
        case Held::VCard: {
            // Read from its lines as they stand, as the readers read it: a folded line continues the one before.
            const QString name = getVCardName(nodeText(element)).simplified();
            if (!name.isEmpty() && !m_held.holds(name))
                lost(element, name);
            else if (!name.isEmpty())
                vCardDetails(element);
            return;
        }
        case Held::Duration: {
            const QString key = m_tables.durationKey(text);
            if (!key.isEmpty() && m_held.durations.contains(key))
                return;
            if (key.isEmpty() && looksLikeDate(text))
                date(unit, text, false, text == m_held.exportDay);
            else
                lost(element, text);
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
            if (!keepsIdentifierPart(element, unit, text))
                m_identifiers.add(section() + QLatin1Char(' ') + shownUpTo(unit), unit.raw(), text);
            return;
        case Held::OwnText:
            if (const OwnText *own = ownRowOf(m_tables.ownTexts, unit); own && !isOwnText(*own, text)) {
                // In a later category of its name it is left out with the rest of that.
                if (m_read)
                    m_ownTexts[own->lead].add(section() + QLatin1Char(' ') + shownUpTo(unit), unit.raw(), text);
                else
                    lostWith(text);
            }
            return;
        case Held::Parts: {
            const QStringList parts = text.split(QLatin1Char(','));
            if (!std::all_of(parts.begin(), parts.end(), [this](const QString &p) { return m_held.holds(p); }))
                lost(element, text);
            return;
        }
        case Held::Text:
        case Held::Source:
        case Held::Language:
            if (!m_held.texts.contains(text))
                lost(element, text);
            else
                heldInRepeat(text);
            return;
        }
    }

    // A text the record holds in another place, in a repeat of a field of one value: when the repeat is left
    // out, the text is named with the rest of it (a catalog entry is named with its entry, though a location
    // holds the same address).
    void heldInRepeat(const QString &text)
    {
        if (m_read && !m_repeated.isNull() && !withoutPerson())
            m_repeats.addWithUnit(section() + QLatin1Char(' ') + shownUpTo(m_repeated), m_repeated.raw(), text);
    }

    // Whether the record keeps a text of an identifier that the writers write as the general one: as the same
    // part of the general identifier.
    bool keepsIdentifierPart(const XmlNode &element, const XmlNode &unit, const QString &text) const
    {
        XmlNode part = element;
        while (!part.isNull() && part.raw() != unit.raw() && part.parent().raw() != unit.raw())
            part = part.parent();
        if (part.isNull() || part.raw() == unit.raw())
            return m_held.texts.contains(text);
        if (part.localName() == QLatin1String("catalog"))
            return m_held.keeps("identifier/catalog", text);
        if (part.localName() == QLatin1String("entry"))
            return m_held.keeps("identifier/entry", text);
        return m_held.texts.contains(text);
    }

    // The row of a table of the writers' own (texts, dates) whose place the unit stands in, if any.
    template <typename Row>
    const Row *ownRowOf(std::span<const Row> rows, const XmlNode &unit) const
    {
        const QString path = pathFromCategory(unit);
        for (const Row &own : rows)
            if (pathEndsWith(path, own.path))
                return &own;
        return nullptr;
    }

    static bool isOwnText(const OwnText &own, const QString &text)
    {
        return std::any_of(own.texts.begin(), own.texts.end(),
                           [&text](const char *t) { return text == QString::fromUtf8(t); });
    }

    // A text the record does not hold: a repeat of an element whose field holds one, or another value.
    void lost(const XmlNode &element, const QString &text)
    {
        if (lostWith(text))
            return;
        if (const XmlNode vocabulary = vocabularyAround(element); !vocabulary.isNull())
            unsupportedValue(vocabulary, text);
        else
            m_values.add(section() + QLatin1Char(' ') + shownUpTo(element), element.raw(), text);
    }

    // A text left out with the element around it: a later category of a name, a contribution without a
    // person, a repeat of a field of one value.
    bool lostWith(const QString &text)
    {
        if (!m_read)
            m_repeats.add(section(), m_categoryElement.raw(), text);
        else if (withoutPerson())
            m_withoutPersons.add(section() + QLatin1Char(' ') + shownUpTo(m_contribution), m_contribution.raw(),
                                 text);
        else if (!m_repeated.isNull())
            m_repeats.add(section() + QLatin1Char(' ') + shownUpTo(m_repeated), m_repeated.raw(), text);
        else
            return false;
        return true;
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
        m_unsupported.add(section() + QStringLiteral(": ") + vocabulary.localName(), vocabulary.raw(), value);
    }

    // A vocabulary whose value the record does not keep in its field is named whole, for the reason it is
    // not kept: left out with the element around it, outside the editor's list, or, a value of the list,
    // a field of one value that holds another.
    bool valueLost(const XmlNode &vocabulary, Path *path, const VocabularyRule &rule)
    {
        const XmlNode value = vocabulary.firstElement(QStringLiteral("value"));
        const QString text = nodeText(value).simplified();
        if (value.isNull() || text.isEmpty() || m_held.keeps(rule.path, text))
            return false;
        noteLanguages(vocabulary, path);
        if (lostWith(text))
            return true;
        const bool listed = std::any_of(rule.values.begin(), rule.values.end(),
                                        [&text](const char *v) { return text == QLatin1String(v); });
        if (listed)
            m_repeats.add(section() + QLatin1Char(' ') + shownUpTo(vocabulary), vocabulary.raw(), text);
        else
            unsupportedValue(vocabulary, text);
        return true;
    }

    // The lines of a vCard whose name is kept that the writers do not write: named with the contribution or
    // the element that holds the vCard, or with what they are left out with.
    void vCardDetails(const XmlNode &vcard)
    {
        const QStringList details = getVCardDetails(rawText(vcard));
        if (details.isEmpty())
            return;
        if (!m_read || !m_repeated.isNull()) {
            for (const QString &line : details)
                lostWith(line);
            return;
        }
        const QString place = shownUpTo(m_contribution.isNull() ? vcard.parent() : m_contribution);
        const QString name = place.isEmpty() ? section() : section() + QLatin1Char(' ') + place;
        // A line that several contributions give alike is named once for its category.
        for (const QString &line : details)
            if (const QString key = name + QLatin1Char('\n') + line; !m_vCardSeen.contains(key)) {
                m_vCardSeen.insert(key);
                m_vCardLines.addUnit(name, line);
                if (m_vCardTexts.size() < kShownTexts)
                    m_vCardTexts << line.simplified();
            }
    }

    // A vocabulary's source that the writers do not write, counted with a value the record keeps, not with one
    // left out with what holds it.
    void source(const XmlNode &element)
    {
        const QString text = nodeText(element).simplified();
        if (text.isEmpty() || text == QLatin1String(m_tables.vocabularySource) ||
            (!valueKept(element.parent()) && (!m_read || !m_repeated.isNull() || withoutPerson())))
            return;
        const auto found = m_sourceIndex.constFind(text);
        if (found != m_sourceIndex.constEnd()) {
            ++m_sources[*found].values;
            return;
        }
        m_sourceIndex.insert(text, m_sources.size());
        m_sources.append({text, 1});
    }

    // A vocabulary the tables give no field for (a status, a relation's kind) keeps its value as a text; among
    // its repeats, the one the record keeps is the one whose value it holds.
    bool valueKept(const XmlNode &vocabulary) const
    {
        if (vocabulary.raw() == m_keptVocabulary)
            return true;
        const XmlNode value = vocabulary.firstElement(QStringLiteral("value"));
        return !value.isNull() && m_held.holds(nodeText(value));
    }

    // The quote of a unit's texts left out: one that tells them from the kept texts that begin as they do,
    // and from the `others` they are shown with, within the cut of values. A text of several that the record
    // holds in another place is shown whole, so that it is not taken for the one kept.
    QString quote(const QStringList &texts, const QStringList &others = {}) const
    {
        if (m_keptByBeginning.isEmpty())
            for (const QString &kept : m_held.texts)
                m_keptByBeginning[beginningOf(kept)] << kept;
        const QString line = texts.join(QLatin1Char(' ')).simplified();
        qsizetype shortest = kQuoted;
        qsizetype at = 0;
        for (const QString &text : texts) {
            const QString part = text.simplified();
            if (texts.size() > 1 && m_held.texts.contains(part))
                shortest = std::max(shortest, at + part.size());
            at += part.size() + 1;
        }
        QStringList apart = m_keptByBeginning.value(beginningOf(line));
        for (const QString &other : others)
            if (other != line)
                apart << other;
        return distinctQuote(line, apart, std::min(shortest, kQuotedAtMost), kQuotedAtMost);
    }

    QString quotedDistinct(const QString &text) const { return QLatin1Char('"') + quote({text}) + QLatin1Char('"'); }

    // The languages of an element kept as it stands, and of everything in it.
    void keepLanguages(const XmlNode &element)
    {
        if (element.localName() == QLatin1String("language"))
            if (const QString text = nodeText(element).trimmed().toLower(); !text.isEmpty())
                m_keptLanguages.insert(text);
        if (const QString language = element.attribute(QLatin1String(m_tables.languageAttribute)).trimmed();
            !language.isEmpty())
            m_keptLanguages.insert(language.toLower());
        for (const XmlNode &c : element.elements())
            keepLanguages(c);
    }

    // Whether the element being walked is in a contribution without a person; told once for each contribution.
    bool withoutPerson()
    {
        if (m_contribution.isNull())
            return false;
        if (m_personOf != m_contribution.raw()) {
            m_personOf = m_contribution.raw();
            m_hasPerson = hasPerson(m_contribution);
        }
        return !m_hasPerson;
    }

    bool hasPerson(const XmlNode &contribution) const
    {
        for (const XmlNode &c : contribution.elements())
            if (c.localName() == QLatin1String(m_tables.person) && !getVCardName(nodeText(c)).simplified().isEmpty())
                return true;
        return false;
    }

    void date(const XmlNode &unit, const QString &text, bool description, bool kept)
    {
        qsizetype at = m_dateIndex.value(unit.raw(), -1);
        if (at < 0) {
            at = m_dates.size();
            m_dateIndex.insert(unit.raw(), at);
            const QString place = shownUpTo(unit);
            m_dates.append({unit.raw(), ownRowOf(m_tables.ownDates, unit),
                            place.isEmpty() ? section() : section() + QLatin1Char(' ') + place, {}, {}});
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

    // The local names from the category down to the element: its path as the tables give paths.
    QString pathFromCategory(const XmlNode &element) const
    {
        QStringList names;
        for (XmlNode e = element; !e.isNull() && e.raw() != m_categoryElement.raw(); e = e.parent())
            names.prepend(e.localName());
        return m_categoryElement.localName() + QLatin1Char('/') + names.join(QLatin1Char('/'));
    }

    // A date the writers wrote: the day as they write it, with their description or without one, as they
    // write it there.
    bool isOwn(const DateUnit &d) const
    {
        if (!d.own || d.description != QLatin1String(d.own->description ? d.own->description : ""))
            return false;
        const QStringList parts = d.date.split(QLatin1Char('-'));
        if (parts.size() != 3)
            return false;
        const QDate day(parts[0].toInt(), parts[1].toInt(), parts[2].toInt());
        return day.isValid() && m_tables.dayText(day) == d.date;
    }

    void noteLanguages(const XmlNode &element, Path *path)
    {
        if (path->held && path->held->held == Held::Language)
            noteLanguage(nodeText(element));
        for (const XmlNode &c : element.elements()) {
            noteLanguageOf(c);
            noteLanguages(c, child(path, c));
        }
    }

    // The language an element's attribute gives; one written as the last one was is passed over at once.
    void noteLanguageOf(const XmlNode &element)
    {
        for (xmlAttrPtr a = element.raw()->properties; a; a = a->next) {
            const QByteArrayView name(reinterpret_cast<const char *>(a->name));
            const QByteArrayView prefix(a->ns && a->ns->prefix ? reinterpret_cast<const char *>(a->ns->prefix) : "");
            const bool language = prefix.isEmpty() ? name == m_languageAttribute
                                                   : m_languageAttribute.size() == prefix.size() + 1 + name.size() &&
                                                         m_languageAttribute.startsWith(prefix) &&
                                                         m_languageAttribute.at(prefix.size()) == ':' &&
                                                         m_languageAttribute.endsWith(name);
            if (!language)
                continue;
            const QByteArrayView value(a->children && a->children->content
                                           ? reinterpret_cast<const char *>(a->children->content)
                                           : "");
            if (value == m_lastLanguage)
                return;
            m_lastLanguage = value.toByteArray();
            // An attribute of one text, as nearly all are, is taken as it stands.
            noteLanguage(a->children && a->children->next
                             ? element.attribute(QLatin1String(m_tables.languageAttribute))
                             : QString::fromUtf8(value));
            return;
        }
    }

    void noteLanguage(const QString &language)
    {
        const QString code = language.trimmed();
        if (code.isEmpty() || code.compare(QLatin1String("x-none"), Qt::CaseInsensitive) == 0)
            return;
        // Codes are one language in any capitals; the first ones are shown, the others counted.
        const QString key = code.toLower();
        if (m_languagesSeen.contains(key) || m_keptLanguages.contains(key))
            return;
        m_languagesSeen.insert(key);
        if (m_languages.size() <= kShownTexts)
            m_languages << beginningOf(code);
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
    const QByteArrayView m_languageAttribute;
    readers::Category m_category = readers::Category::General;
    XmlNode m_categoryElement;
    bool m_read = true;
    XmlNode m_repeated;      // around the element being walked: the outermost repeat of a field of one value
    // Around the element being walked: the contribution, whose person is looked for when a text of it is lost.
    XmlNode m_contribution;
    const void *m_keptVocabulary = nullptr; // the vocabulary last met whose value the record keeps in its field
    const void *m_personOf = nullptr; // the contribution last looked at for its person, and whether it has one
    bool m_hasPerson = false;
    NamedLine m_unsupported;
    QSet<const void *> m_valuesNamed;
    NamedLine m_repeats;
    NamedLine m_withoutPersons;
    NamedLine m_vCardLines;
    QSet<QString> m_vCardSeen;
    QStringList m_vCardTexts; // the vCard lines the notice shows
    NamedLine m_identifiers;
    NamedLine m_values;
    QHash<const char *, NamedLine> m_ownTexts; // by the lead of their line
    QList<Source> m_sources;
    QHash<QString, qsizetype> m_sourceIndex;
    QSet<QString> m_keptLanguages; // of the elements kept as they stand
    mutable QHash<QString, QStringList> m_keptByBeginning; // the record's texts by their beginnings, once needed
    QStringList m_languages;
    QSet<QString> m_languagesSeen;
    QList<DateUnit> m_dates;
    QHash<const void *, qsizetype> m_dateIndex;
    std::deque<Path> m_paths;
    QHash<QString, Path *> m_categoryPaths;
    QByteArray m_lastLanguage; // the bytes of the language attribute last noted
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

void HeldTexts::keep(const char *vocabulary, const QString &value) { keepAll(vocabulary, {value}); }

void HeldTexts::keepAll(const char *vocabulary, const QStringList &values)
{
    QSet<QString> &kept = vocabularies[QLatin1String(vocabulary)];
    for (const QString &value : values)
        if (const QString line = value.simplified(); !line.isEmpty())
            kept.insert(line);
}

void HeldTexts::keepRoles(const char *vocabulary, const QStringList &contributors)
{
    QStringList roles;
    for (const QString &item : contributors)
        roles << item.section(QLatin1Char(','), -1);
    keepAll(vocabulary, roles);
}

bool HeldTexts::keeps(const char *vocabulary, const QString &value) const
{
    const auto found = vocabularies.constFind(QLatin1String(vocabulary));
    return found == vocabularies.constEnd() ? holds(value) : found->contains(value.simplified());
}

ReadCheck::ReadCheck() : m_outer(t_open) { t_open = this; }

ReadCheck::~ReadCheck() { t_open = m_outer; }

ReadCheck *ReadCheck::outermost()
{
    ReadCheck *out = t_open;
    while (out && out->m_outer)
        out = out->m_outer;
    return out;
}

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
    if (ReadCheck *check = outermost(); check && !node.isNull())
        check->m_named.insert(node.raw());
}

void ReadCheck::unsupportedValue(const XmlNode &node, readers::Category category, const QString &element,
                                 const QString &value, Notices &notices)
{
    const QString name = readers::sectionName(category) + QStringLiteral(": ") + element;
    ReadCheck *check = outermost();
    if (!check) {
        notices.append({QLatin1String(readers::kUnsupportedValue) + name +
                            (value.isEmpty() ? QString() : QStringLiteral(" \"") + value + QLatin1Char('"')),
                        QLatin1String(readers::kNoticeTitle)});
        return;
    }
    check->m_named.insert(node.raw());
    // A vocabulary is named once, by the first value of it that cannot be held.
    if (check->m_unsupportedNodes.contains(node.raw()))
        return;
    check->m_unsupportedNodes.insert(node.raw());
    if (value.isEmpty())
        check->m_unsupported.add(name, node.raw(), QString(), false);
    else
        check->m_unsupported.add(name, node.raw(), value);
}

void ReadCheck::noValueElement(const XmlNode &node, readers::Category category, Notices &notices)
{
    ReadCheck *check = outermost();
    if (!check) {
        notices.append({readers::noValueElementText(category, node.localName()), QLatin1String(readers::kNoticeTitle)});
        return;
    }
    check->m_named.insert(node.raw());
    check->m_unsupported.add(readers::sectionName(category) + QStringLiteral(": ") + node.localName(), node.raw(),
                             QStringLiteral("(no value element)"), false);
}

void ReadCheck::notice(Notices &notices, const QString &text)
{
    static const QString title = QLatin1String(readers::kNoticeTitle);
    if (ReadCheck *check = outermost(); !check || check->m_counter.admit(text))
        notices.append({text, title});
}

bool ReadCheck::addLine(const QString &line)
{
    ReadCheck *check = outermost();
    if (!check)
        return false;
    check->m_lines << line;
    return true;
}

namespace {
thread_local int t_quiet = 0;
}

ReadCheck::Quiet::Quiet() { ++t_quiet; }

ReadCheck::Quiet::~Quiet() { --t_quiet; }

void ReadCheck::report(const QList<XmlNode> &categories, const HeldTexts &held, const CheckTables &tables,
                       Notices &notices, const AroundRecord &around) const
{
    const ReadCheck *check = this;
    while (check->m_outer)
        check = check->m_outer;
    Walker walker(held, tables, check->m_named, check->m_unsupported, check->m_unsupportedNodes);
    walker.keptWhole(around.keptWhole);
    QSet<QString> seen; // the categories met: a later one of a name is not read
    for (const XmlNode &element : categories) {
        if (check->m_named.contains(element.raw()))
            walker.named(element);
        for (const CategoryName &name : tables.categories) {
            if (element.localName() != QLatin1String(name.name))
                continue;
            const QString key = element.namespaceUri() + QLatin1Char(' ') + element.localName();
            walker.category(element, name.category, !seen.contains(key));
            seen.insert(key);
        }
    }
    if (const std::optional<Notice> notShown = check->m_counter.notShown())
        notices.append(*notShown);
    const QStringList lines = walker.lines(check->m_lines, around.otherRecords);
    if (!lines.isEmpty() && t_quiet == 0)
        notices.append({lines.join(QStringLiteral("\r\r")), QLatin1String(readers::kNoticeTitle)});
}

} // namespace ts

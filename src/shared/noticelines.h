#pragma once
// How the opening of a file keeps its notices few and short. What the program itself names of an opened
// file (values it cannot keep, strings, repeats, languages, dates) goes into one notice, a line per kind,
// each line quoting a bounded number of texts; the readers' own notices (unsupported elements, invalid
// entries, parse errors) are shown up to a bound of each kind, and the rest are counted in one notice.

#include "notice.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace ts {

// How many texts one line of a notice quotes, and how many notices of one kind an opening shows.
inline constexpr qsizetype kShownTexts = 20;

// The start of a text on one line, cut after `length` characters (and the blank at the cut) with "…",
// never inside a character.
QString beginningOf(const QString &text, qsizetype length);

// How long a quote of a text left out must be to be told from a kept text that begins alike: to the end of the
// word in which they first differ (the whole text when the kept one begins with all of it), at least
// `shortest` and at most `longest` characters of the text on one line.
qsizetype distinctLength(const QString &text, const QString &kept, qsizetype shortest, qsizetype longest);

// The quote of a text left out that tells it from the others it could be taken for (the kept texts), on one
// line and without its quotation marks: its beginning, up to the end of the word in which it first differs
// from the one most alike, at least `shortest` and at most `longest` characters. Where it agrees with one over
// `longest` characters and goes on beyond them, such a beginning would read as the other's: the quote is then
// "… " and the part where they first differ, from the start of that word (or `shortest` characters before
// the difference, in a longer word), within the same length.
QString distinctQuote(const QString &text, const QStringList &others, qsizetype shortest = 30,
                      qsizetype longest = 100);

// What follows the texts shown of a longer list: "… (N in all)".
QString inAll(qsizetype count);

// The first kShownTexts of the texts, then "… (N in all)" when there are more.
QStringList boundedList(QStringList texts);

// One line of a notice: entries, each a name with the texts of the elements it names, in the order they
// were met: "<general> description: "First", "Second"; <educational> context: "school"".
class NamedLine {
public:
    // One text of an element (the unit) under the name of its entry. The texts of one unit are shown
    // together, in quotes, or as they are when `quote` is false ("(no value element)").
    void add(const QString &name, const void *unit, const QString &text, bool quote = true);
    // A text of a unit that is left out only with the rest of it (a text the record holds in another place,
    // in an element left out whole): shown with the unit's other texts, and a unit that holds no other is
    // not shown.
    void addWithUnit(const QString &name, const void *unit, const QString &text);
    // A text that is a unit of its own.
    void addUnit(const QString &name, const QString &text, bool quote = true);
    bool isEmpty() const { return m_shown == 0; }
    // The quote of a unit's texts (joined by blanks), without its quotation marks, when that is not the
    // line's own.
    using Quote = std::function<QString(const QStringList &texts)>;
    // The lead, then each entry as its name, the separator and its units, each quoted by its beginning of
    // `quoted` characters (or as `quote` quotes it, when given); at most kShownTexts units in all, then "… (N
    // in all)".
    QString text(const QString &lead, const QString &separator = QStringLiteral(": "), qsizetype quoted = 30,
                 const Quote &quote = {}) const;

private:
    struct Unit {
        QString name;
        QStringList texts;
        bool quote;
        bool shown;
    };
    void add(const QString &name, const void *unit, const QString &text, bool quote, bool shown);

    QList<Unit> m_units;
    QHash<const void *, qsizetype> m_index;
    qsizetype m_shown = 0; // the units shown
};

// Counts the notices of one opening by kind (the fixed beginning of a notice's text, before its first ":"
// or digit: "Unsupported element found in your imported file <general>"): the first kShownTexts of each
// kind are shown, the others only counted.
class NoticeCounter {
public:
    // Whether the notice is one to show.
    bool admit(const QString &text);
    // The notice that counts those not shown, by kind; none when every one was shown.
    std::optional<Notice> notShown() const;

private:
    struct Hidden {
        qsizetype count;
        QString example; // the first one of the kind not shown
    };
    QHash<QString, qsizetype> m_shown;
    QList<Hidden> m_hidden;
    QHash<QString, qsizetype> m_hiddenIndex;
};

} // namespace ts

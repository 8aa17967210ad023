#pragma once
// What an opened file holds that its record does not. The readers put what they can into a record and name
// in their notices what they cannot hold; after they have run, this check walks the file once more and
// compares every text it holds with what the record holds, in the forms the writers write them. What the
// record does not hold and no notice has named yet is named here, so that nothing of a file is left out of
// a Save or an Export without a word. Both bindings' readers share it: each gives its record's texts and
// the table of the elements it takes in a form of their own (vCards, durations, dates, languages).

#include "notice.h"
#include "noticelines.h"
#include "readertables.h"
#include "xmlsaferecord.h"

#include <QDate>
#include <QHash>
#include <QSet>
#include <QString>
#include <initializer_list>
#include <span>

namespace ts {

class XmlNode;

// How the check takes an element of the file and what it holds.
enum class Held {
    Text,            // its text is kept when the record holds it
    Parts,           // kept when the record holds each of its parts between commas: the writers write a
                     // keyword or format holding commas as one for each part
    OwnText,         // the writers write their own text in its place (CheckTables::ownTexts): kept when it is one
                     // of theirs, named on a line of its kind otherwise
    Source,          // the source of a vocabulary: the writers write their own, and name another one
    VCard,           // kept when the record holds the vCard's name; the writers write no other line of it
    Duration,        // kept when the record holds a duration of the same length; a date in its place is
                     // the export day of the writer that wrote it
    Date,            // a date that a field holds: kept when the record holds it
    ExportDay,       // a date that the writers write as the day of the export: kept when it is today
    DateDescription, // the description of a date: kept when the record holds it
    Language,        // a language: every one is written as the program's language code
    Identifier,      // an identifier that the writers write as the general one: each part kept when the
                     // record keeps it as that part of the general identifier ("identifier/catalog")
};

// The elements a binding takes in a form of their own, by their path ("date/dateTime"): the names from
// the category down, matched at the end of the element's path, so "language" is any language element. The
// first rule that matches holds.
struct HeldRule {
    const char *path;
    Held held;
};

// A vocabulary and the values the editor's list holds: a value outside the list is named.
struct VocabularyRule {
    const char *path;
    std::initializer_list<const char *> values;
};

// A date that the writers write themselves, by the path of its element ("annotation/date"): the export
// day, written as `CheckTables::dayText` writes it, with the writers' own description beside it, or with
// none where they write none. Such a date is the program's own, whatever the day, and is not named.
struct OwnDate {
    const char *path;
    const char *description; // null: none
};

// The texts the writers write of their own in an element, by its path ("duration/description"): a file's
// other text there is named on the line of that lead, with the others of that lead.
struct OwnText {
    const char *path;
    std::initializer_list<const char *> texts;
    const char *lead;
};

// The category elements of a binding, by their names.
struct CategoryName {
    const char *name;
    readers::Category category;
};

struct CheckTables {
    std::span<const CategoryName> categories;
    std::span<const HeldRule> rules;
    std::span<const VocabularyRule> vocabularies;
    // The elements a record holds several of (keywords, contributions, requirements): one of them that
    // is not kept is no repeat of a field that holds one value.
    std::span<const char *const> lists;
    std::span<const OwnDate> ownDates;
    std::span<const OwnText> ownTexts;
    const char *languageAttribute; // "xml:lang" or "language"
    const char *vocabularySource;  // the source the writers give every vocabulary
    // A contribution, and the element in it that names its person: what a contribution without a person
    // holds is left out with it.
    const char *contribution;
    const char *person;
    // The day as the writers write it.
    QString (*dayText)(const QDate &day);
    // The length a duration text stands for, as a text that compares equal for equal lengths; empty when
    // the text is no duration.
    QString (*durationKey)(const QString &text);
};

// What a record holds, in the forms the writers write it.
struct HeldTexts {
    QSet<QString> texts;     // on one line, blank runs as one blank
    QSet<QString> durations; // by durationKey
    // The values the record keeps of each vocabulary of the tables, by the vocabulary's path, and of each part
    // of the identifiers written as the general one ("identifier/catalog"): a value kept in another field is
    // not kept in this one.
    QHash<QString, QSet<QString>> vocabularies;
    QString exportDay;       // today, as the writers write the day of an export
    void add(const QString &text);
    void addAll(const QStringList &texts);
    // The parts of a text at every occurrence of the separator, each trimmed, and the text itself.
    void addParts(const QString &text, QChar separator);
    bool holds(const QString &text) const;
    void keep(const char *vocabulary, const QString &value);
    void keepAll(const char *vocabulary, const QStringList &values);
    // The role of each contributor of a list of "name,role" items.
    void keepRoles(const char *vocabulary, const QStringList &contributors);
    // Whether the record keeps the value in the field of that vocabulary; for a vocabulary given no values,
    // whether it holds the text anywhere.
    bool keeps(const char *vocabulary, const QString &value) const;
    // The parts of a duration as numbers, whatever their digits ("1:30:0" for "01", "30", "00"); a part that
    // is no number stays as it is.
    static QString durationKey(const QStringList &parts);
};

// Every text of a record's table, and each part of a two-part list item ("name,role", "id,entry") too.
template <class Record>
void addRecordTexts(HeldTexts &held, const Record &record, std::span<const RecordTextField<Record>> table)
{
    for (const RecordTextField<Record> &field : table) {
        if (auto text = std::get_if<QString Record::*>(&field.member)) {
            held.add(record.**text);
            continue;
        }
        for (const QString &item : record.*std::get<QStringList Record::*>(field.member)) {
            held.add(item);
            // Each part, split at the first comma and at the last.
            const qsizetype first = item.indexOf(QLatin1Char(','));
            if (first < 0)
                continue;
            const qsizetype last = item.lastIndexOf(QLatin1Char(','));
            held.add(item.left(first));
            held.add(item.mid(first + 1));
            if (last != first) {
                held.add(item.left(last));
                held.add(item.mid(last + 1));
            }
        }
    }
}

// What a file holds around the categories its check walks: the elements the export keeps as they stand (the
// classifications, in their fragments), whose languages are kept too, and where the file's other records
// stand, which are not read.
struct AroundRecord {
    QList<XmlNode> keptWhole;
    QStringList otherRecords;
};

class ReadCheck {
public:
    // Gathers what the readers on this thread name until it closes. Opened inside another one, it leaves
    // the gathering to the outer one.
    ReadCheck();
    ~ReadCheck();
    ReadCheck(const ReadCheck &) = delete;
    ReadCheck &operator=(const ReadCheck &) = delete;

    // The elements of a file's record that its check walks (a record that is its general element alone is
    // that element): the classifications travel whole in their fragments, and are checked when one is read
    // back.
    static QList<XmlNode> fileCategories(const XmlNode &record, const XmlNode &general);

    // A reader named this node in a notice: the check passes over it and everything inside it.
    static void named(const XmlNode &node);

    // A value that a reader cannot hold, in the element named ("requirement", "kind"), quoted; with an
    // empty value, a vocabulary that gives no value element. While a check is open it is named on the line
    // of such values of the check's one notice, otherwise in a notice of its own; the check passes over
    // the node either way.
    static void unsupportedValue(const XmlNode &node, readers::Category category, const QString &element,
                                 const QString &value, Notices &notices);
    static void noValueElement(const XmlNode &node, readers::Category category, Notices &notices);
    // A line for the check's one notice, put before its own lines; false when no check is open.
    static bool addLine(const QString &line);
    // A reader's own notice ("Unsupported element found in your imported file <general>: rating"). While a
    // check is open, the first twenty of each kind are kept and the others counted, in one notice that the
    // report puts after them.
    static void notice(Notices &notices, const QString &text);

    // While one is open, the checks on this thread name nothing in a notice of their own: the program is
    // reading a file of its own for its values, and the file itself is checked when it is opened.
    class Quiet {
    public:
        Quiet();
        ~Quiet();
        Quiet(const Quiet &) = delete;
        Quiet &operator=(const Quiet &) = delete;
    };

    // Walks the categories given (the elements among them named in the tables; a later one of a name was
    // not read, and all it holds is a repeat). Then it appends the notice that counts the readers' notices
    // not shown, and one notice naming, a line each, the file's other records, the values that the readers
    // or the record cannot keep, the lines given, and the repeats, contributions without a person, lines of
    // vCards, identifiers, other values, vocabulary sources, languages, dates and the texts in place of which
    // the writers write their own that the record does not hold.
    void report(const QList<XmlNode> &categories, const HeldTexts &held, const CheckTables &tables,
                Notices &notices, const AroundRecord &around = {}) const;

private:
    static ReadCheck *outermost();

    ReadCheck *m_outer;
    QSet<const void *> m_named;
    NamedLine m_unsupported; // the readers' values that cannot be held
    QSet<const void *> m_unsupportedNodes;
    QStringList m_lines;
    NoticeCounter m_counter;
};

} // namespace ts

#pragma once
// Characters that XML 1.0 cannot hold (most control characters, U+FFFE, U+FFFF, lone surrogates) would
// make a document that cannot be read again. The writers of both bindings leave them out of every document
// and fragment and tell the user once which fields held them; each binding lists its record's texts in a
// table of fields.

#include "textutil.h"

#include <QString>
#include <QStringList>
#include <span>
#include <variant>

namespace ts {

// A text (or list of texts) of a record and the field it is shown in, as the editor names it
// ("GENERAL: Title").
template <class Record>
struct RecordTextField {
    std::variant<QString Record::*, QStringList Record::*> member;
    const char *name;
};

namespace detail {
// Cleans the text in place; true when something was left out.
inline bool cleanXmlText(QString &text)
{
    QString safe = withoutNonXmlChars(text);
    if (safe.size() == text.size())
        return false;
    text = std::move(safe);
    return true;
}

inline bool cleanXmlText(QStringList &list)
{
    bool changed = false;
    for (QString &item : list)
        changed |= cleanXmlText(item);
    return changed;
}
} // namespace detail

// The record with every text of the table cleaned of such characters; fields gets the names of the fields
// that held some, in table order, each once.
template <class Record>
Record xmlSafeRecord(const Record &record, std::span<const RecordTextField<Record>> table, QStringList &fields)
{
    Record safe = record;
    for (const RecordTextField<Record> &field : table) {
        const bool changed =
            std::visit([&safe](auto member) { return detail::cleanXmlText(safe.*member); }, field.member);
        const QString name = QString::fromLatin1(field.name);
        if (changed && !fields.contains(name))
            fields.append(name);
    }
    return safe;
}

// The message naming those fields: nothing when there are none.
void reportLeftOutCharacters(const QStringList &fields);

} // namespace ts

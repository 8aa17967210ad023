#pragma once
// What the reader and import tests share: the fields of a record that differ from a base record, as
// "name=value" lines, and readable notices in failure messages.

#include "shared/notice.h"
#include "model12/record12.h"

#include <QByteArray>
#include <QStringList>
#include <functional>
#include <ostream>

namespace ts {

void PrintTo(const Notice &notice, std::ostream *out);

namespace test {

// "field=value" for every field of the record that differs from base, in the record's order; lists as
// their items joined by " | ", check boxes and options as true or false.
QStringList changedFields(const Record12 &record, const Record12 &base = clearedRecord12());

// The record with every text that is not empty (each list item too) changed by the function.
Record12 withEveryText(Record12 record, const std::function<QString(const QString &)> &change);

// A notice with the information icon and the title "Notice", as most of the readers' notices are.
Notice info(const QString &text);

// A record with a value in every field the writers write, in the forms the readers give back (keywords
// joined without blanks, one metadata author, the duration in all four of its fields): fullRecord() with
// those forms, other values and the classification entry of classificationRecord().
Record12 writtenRecord();
// The record with the classification entry fields cleared, which reading a document leaves to the
// classification list.
Record12 withoutClassificationEntry(Record12 r);

QString readerData(const QString &name); // a file of tests/data/reader12

} // namespace test
} // namespace ts

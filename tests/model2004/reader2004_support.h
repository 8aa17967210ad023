#pragma once
// What the SCORM 2004 reader tests share: the fields of a record that differ from a base record, as
// "name=value" lines, the record of a cleared editor, and readable notices in failure messages.

#include "model2004/record2004.h"
#include "shared/notice.h"

#include <QStringList>
#include <ostream>

namespace ts {

void PrintTo(const Notice &notice, std::ostream *out);

namespace test {

// What the editor holds after it was cleared: every field and list empty, copyright "Yes" and fees "No".
Record2004 clearedRecord2004();

// "field=value" for every field of the record that differs from base, in the record's order; lists as
// their items joined by " | ", check boxes and options as true or false.
QStringList changedFields(const Record2004 &record, const Record2004 &base = clearedRecord2004());

// A notice with the information icon and the title "Notice", as most of the readers' notices are.
Notice info(const QString &text);

QString reader2004Data(const QString &name); // a file of tests/data/reader2004

} // namespace test
} // namespace ts

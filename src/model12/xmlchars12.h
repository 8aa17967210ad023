#pragma once
// Characters that XML 1.0 cannot hold (most control characters, U+FFFE, U+FFFF, lone surrogates) would
// make a document that cannot be read again. The writers leave them out of every document and fragment
// and tell the user once which fields held them.

#include "model12/record12.h"
#include "shared/xmlsaferecord.h"

#include <QStringList>

namespace ts {

// The record with every text the writers write cleaned of such characters; fields gets the fields that
// held some, as the editor names them ("GENERAL: Title"), in the order of its tabs, each once.
Record12 xmlSafeRecord12(const Record12 &record, QStringList &fields);

// Every text of the record that a writer puts into a document, with the field the editor shows it in.
std::span<const RecordTextField<Record12>> recordTexts12();

// The message naming those fields: nothing when there are none.
void reportLeftOutCharacters12(const QStringList &fields);

// The field that the stored classifications stand for in that message.
QString classificationListField12();

} // namespace ts

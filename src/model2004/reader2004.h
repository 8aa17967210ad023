#pragma once
// Reading a SCORM 2004 metadata document into a record: for now its title, description, size and
// location, and its classifications, kept as numbered fragment files temp/1.xml ... temp/N.xml below the
// program folder.

#include "model2004/record2004.h"

#include "platform/xmldocument.h"
#include "shared/notice.h"

namespace ts {

// Walks the document into the record, setting the fields it finds values for, and stores each
// classification as a fragment file. False, with the "Check Format" notice, when the document is not in
// the expected form or a fragment cannot be written.
bool parseMetadata2004(const XmlDocument &doc, Record2004 &record, Notices &notices);

} // namespace ts

#pragma once
// The import of a SCORM 1.2 metadata file into a record of the SCORM 1.2 editor: the header is cut off in
// memory, the document is walked category by category through the category readers, and every
// classification is stored as a numbered fragment file temp12/1.xml ... temp12/N.xml below the program
// folder, listed as "1" ... "N" in lstClassification. The file itself is only read.

#include "shared/loadedmetadata.h"
#include "reader12.h"

#include "platform/xmldocument.h"
#include "model12/record12.h"

namespace ts {

struct ImportResult {
    // True when the document was read whole; false when the file could not be read, holds no "<general>",
    // could not be parsed, or a fragment could not be stored (the notices say which, except for a parse
    // failure, which the caller reports from its own parse check of the file).
    bool ok = false;
    Record12 record;       // the starting record with what the file holds
    Notices notices;       // to be shown in this order
    bool headerCut = false; // the file was read and its header cut: false means nothing could be read
    bool loaded = false;    // the document was parsed and walked: record holds what it says
    QString header;        // the text cut off in front of the first "<general>"
    ParseError parseError; // why the file could not be parsed, when it could not
};

// Reads the file and parses it as it stands, or, when only that parses, with its header cut off and the
// elements the header leaves open reopened. Nothing reaches a record yet.
LoadedMetadata loadMetadataFile12(const QString &path);

// Walks a loaded file into a copy of `start` (the record of the cleared editor).
ImportResult importLoadedMetadata(LoadedMetadata &loaded, const Record12 &start);

// Both: reads the file at path into a copy of `start`.
ImportResult importMetadataFile(const QString &path, const Record12 &start);

// The walk over a loaded document's record (shared/metadatarecord.h): the record's first child of each
// category goes to its reader (further ones are passed over), its other children are reported, and its
// classifications, found at any depth inside it, are stored as fragments and listed; the file's other
// records are named. False when the document is empty or holds no record (nothing is read, nothing is
// said) or when a fragment cannot be written (a notice names temp12 and the reason; the classifications
// stored before it stay listed).
bool parseMetadata(const XmlDocument &document, Record12 &record, Notices &notices);

} // namespace ts

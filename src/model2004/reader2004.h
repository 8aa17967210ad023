#pragma once
// Reading a SCORM 2004 (IEEE LOM) metadata file into a record of the SCORM 2004 editor. The header is cut
// off in memory, the document is walked category by category through the category readers, and every
// classification is stored as a numbered fragment file temp/1.xml ... temp/N.xml below the program folder,
// listed as "1" ... "N" in lstClassification. The file itself is only read.
//
// Each category reader reads one category element into the fields of a record: it sets the fields it finds
// values for (the caller starts from the record of a cleared editor), and adds to `notices`, in order,
// what the user is to be told about elements and values the editor cannot hold. No reader shows anything
// itself, and no value stops a reader: a value that cannot be read loses that field only, with a notice.
// Elements are matched by name in the namespace of the record, with any prefix or none; comments are
// never values.

#include "model2004/record2004.h"
#include "platform/xmldocument.h"
#include "shared/loadedmetadata.h"
#include "shared/notice.h"
#include "shared/readcheck.h"

#include <QString>

namespace ts {

void parseGeneral2004(const XmlNode &general, Record2004 &record, Notices &notices);
// Empties lstFiles, then lists the contributors.
void parseLifecycle2004(const XmlNode &lifeCycle, Record2004 &record, Notices &notices);
// Empties lstMetaContrib, then lists the contributors.
void parseMetametadata2004(const XmlNode &metaMetadata, Record2004 &record, Notices &notices);
void parseTechnical2004(const XmlNode &technical, Record2004 &record, Notices &notices);
void parseEducational2004(const XmlNode &educational, Record2004 &record, Notices &notices);
void parseRights2004(const XmlNode &rights, Record2004 &record, Notices &notices);
void parseRelation2004(const XmlNode &relation, Record2004 &record, Notices &notices);
void parseAnnotation2004(const XmlNode &annotation, Record2004 &record, Notices &notices);
// Empties lstTaxon, then fills the classification fields it finds values for (classificationCombo,
// classificationText, classificationKeywordsText, txtTaxonSource) and lists the taxa.
void parseClassification2004(const XmlNode &classification, Record2004 &record, Notices &notices);
// The same for the text of a classification fragment file. False, with lstTaxon emptied and the "XML Error
// on line ..." notice, when the text is no XML.
bool parseClassification2004(const QString &fragmentXml, Record2004 &record, Notices &notices);

// The walk over a loaded document's record (shared/metadatarecord.h): its first child of each category
// goes to the category's reader (further ones are passed over), its children that are no category are
// reported, its classifications, at any depth inside it, are stored as fragments and listed, and the file's
// other records are named. False, with the "Check Format" notice, when the document holds no record; false
// when a fragment cannot be written (a notice names temp and the reason; the classifications stored before
// it stay listed).
bool parseMetadata2004(const XmlDocument &document, Record2004 &record, Notices &notices);

// Reads the file and parses it: as it stands, or, when only that parses, with its header cut off and the
// elements the header leaves open reopened. Nothing reaches a record yet.
LoadedMetadata loadMetadataFile2004(const QString &path);

struct ImportResult2004 {
    bool ok = false;     // read whole (see parseMetadata2004); false too when nothing could be read
    bool loaded = false; // the document was parsed and walked: record holds what it says
    Record2004 record;   // the starting record with what the file holds
    Notices notices;     // to be shown in this order
};

// What the record holds, in the forms the writers write it, and this binding's tables, for the check of
// what an opened file holds beside it (shared/readcheck.h).
HeldTexts heldTexts2004(const Record2004 &record);
const CheckTables &checkTables2004();

// Reads the file at path into a copy of `start` (the record of the cleared editor).
ImportResult2004 importMetadataFile2004(const QString &path, const Record2004 &start);

} // namespace ts

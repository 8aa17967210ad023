#pragma once
// The category readers of the SCORM 1.2 import. Each reads one category element of an IMS Meta-Data 1.2
// record into the fields of a record: it sets the fields it finds values for and never empties one (the
// caller starts from the record of a cleared editor), and adds to `notices`, in order, what the user is to
// be told about elements and values the editor cannot hold. No reader shows anything itself, and no value
// stops a reader: a value that cannot be read loses that field only, with a notice.
//
// Elements are matched by name in the namespace of the category element, so extension elements of other
// namespaces are reported like any other element the editor cannot hold.

#include "shared/notice.h"
#include "shared/readcheck.h"

#include "platform/xmldocument.h"
#include "model12/record12.h"

#include <QString>

namespace ts {

void parseGeneral(const XmlNode &general, Record12 &record, Notices &notices);
void parseLifecycle(const XmlNode &lifecycle, Record12 &record, Notices &notices);
void parseMetametadata(const XmlNode &metametadata, Record12 &record, Notices &notices);
void parseTechnical(const XmlNode &technical, Record12 &record, Notices &notices);
void parseEducational(const XmlNode &educational, Record12 &record, Notices &notices);
void parseRights(const XmlNode &rights, Record12 &record, Notices &notices);
void parseRelation(const XmlNode &relation, Record12 &record, Notices &notices);
void parseAnnotation(const XmlNode &annotation, Record12 &record, Notices &notices);
// Fills the classification entry fields (classificationCombo, classificationText,
// classificationKeywordsText, txtTaxonSource) and adds the taxa to lstTaxon (the caller empties it first).
void parseClassification(const XmlNode &classification, Record12 &record, Notices &notices);

// The same from the XML text of the category, its element the root: false, with the category's parse
// notice and nothing read, when the text is no XML. parseClassification(text) reads a classification
// fragment file's text.
bool parseGeneral(const QString &xmlText, Record12 &record, Notices &notices);
bool parseLifecycle(const QString &xmlText, Record12 &record, Notices &notices);
bool parseMetametadata(const QString &xmlText, Record12 &record, Notices &notices);
bool parseTechnical(const QString &xmlText, Record12 &record, Notices &notices);
bool parseEducational(const QString &xmlText, Record12 &record, Notices &notices);
bool parseRights(const QString &xmlText, Record12 &record, Notices &notices);
bool parseRelation(const QString &xmlText, Record12 &record, Notices &notices);
bool parseAnnotation(const QString &xmlText, Record12 &record, Notices &notices);
bool parseClassification(const QString &xmlText, Record12 &record, Notices &notices);

// What the record holds, in the forms the writers write it, and this binding's tables, for the check of
// what an opened file holds beside it (shared/readcheck.h).
HeldTexts heldTexts12(const Record12 &record);
const CheckTables &checkTables12();

} // namespace ts

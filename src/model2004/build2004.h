#pragma once
// Text constants of the IEEE LOM binding and the fragment builders that the SCORM 2004 writers and the
// classification fragment share: the document header, the vocabulary lines, the contributor and vCard
// blocks, the taxon paths and the classification element, which is kept in a fragment file temp/<id>.xml
// below the program folder until a writer pastes it into a document. Each builder returns whole lines
// ending in carriage return and line feed; every value is escaped before it is written.

#include "model2004/record2004.h"
#include "shared/documentwriter.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace ts {

inline constexpr const char *kXsiNamespace = "http://www.w3.org/2001/XMLSchema-instance";

struct XmlConstants2004 {
    QString xmlDate;       // the export day: four-digit year, two-digit month and day ("2026-12-08")
    QString xmlNewLine;    // carriage return and line feed
    QString stringTag;     // <string language="<languageCode>">
    QString stringTagNone; // the same tag with the fixed language "x-none" (taxon paths)
};

XmlConstants2004 initXMLConstants2004(const QString &languageCode, const QDate &today);

// The export day as the documents write it: 2026-12-08.
QString documentDate2004(const QDate &date);

// The declaration and the root's start tag, over three lines.
QString buildHeaderXML2004();
// One line of (indentLevel + 1) units: <source> (or <value>), the escaped value, the closing tag.
QString buildSourceXML2004(const QString &value, int indentLevel);
QString buildValueXML2004(const QString &value, int indentLevel);

// One <contribute> block per "name,role" item, each dated with the export day.
QString buildContributeXML2004(const QStringList &items, const XmlConstants2004 &constants);
// The <entity> block holding the vCard of a name (trimmed of blanks).
QString buildEntityXML2004(const QString &name);
// One <taxonPath> per "id,entry" item, each with the same source.
QString buildTaxonPathXML2004(const QString &txtTaxonSource, const QStringList &lstTaxon,
                              const XmlConstants2004 &constants);

// The <classification> element of the record's classification fields, ending with an empty line; taxon
// paths only while optionalOnly is false.
QString classificationXML2004(const Record2004 &record, bool optionalOnly, const QString &languageCode);

// The fragment file of a classification id.
QString fragmentPath2004(const QString &programDir, const QString &classificationId);

// Writes the classification of the record's classification fields to temp/<id>.xml (UTF-8), replacing the
// file. An id that cannot be a file name is refused with a message and nothing is written; a file that
// cannot be written is reported with its path. True only when the file was written.
bool buildClassificationXML2004(const QString &classificationId, const Record2004 &record,
                                const WriteContext &context);

} // namespace ts

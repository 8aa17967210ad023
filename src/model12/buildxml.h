#pragma once
// Text constants of the IMS Meta-Data 1.2 binding and the fragment builders that more than one place of
// the SCORM 1.2 side needs: the lifecycle contributor blocks and the classification element, which is
// kept in a fragment file temp12/<id>.xml below the program folder until a writer pastes it into a
// document. Every value is escaped before it is written.

#include "model12/record12.h"
#include "model12/writer12.h"

#include <QString>
#include <QStringList>

namespace ts {

struct XmlConstants12 {
    QString xmlNewLine;        // carriage return and line feed
    QString langStringTag;     // <langstring xml:lang="<languageCode>">
    QString langStringTagNone; // the same tag with the fixed language "x-none" (taxon paths)
};

XmlConstants12 initXMLConstants(const QString &languageCode);

// N units of three blanks.
QString indent12(int level);
// One line: indentLevel + 1 units, <source> (or <value>), the language-tagged text, the closing tag.
QString buildSourceXML(const QString &text, int indentLevel, const XmlConstants12 &constants);
QString buildValueXML(const QString &text, int indentLevel, const XmlConstants12 &constants);

// The <contribute> blocks of the lifecycle contributors, every one dated with the lifecycle date.
QString buildContributeXML(const QStringList &lstFiles, const QString &txtLifecycleDate,
                           const XmlConstants12 &constants);
// One <taxonpath> per taxon, each with the same source.
QString buildTaxonPathXML(const QString &txtTaxonSource, const QStringList &lstTaxon, const XmlConstants12 &constants);

// The <classification> element of the record's classification fields, ending with two empty lines;
// taxon paths only while optionalOnly is false.
QString classificationXML12(const Record12 &record, bool optionalOnly, const QString &languageCode);

// The fragment file of a classification id.
QString fragmentPath12(const QString &programDir, const QString &classificationId);

// Writes the classification of the record's classification fields to temp12/<id>.xml (UTF-8), replacing
// the file. An id that cannot be a file name is refused with a message and nothing is written; a file
// that cannot be written is reported with its path. True only when the file was written.
bool buildClassificationXML(const QString &classificationId, const Record12 &record, const WriteContext12 &context);

} // namespace ts

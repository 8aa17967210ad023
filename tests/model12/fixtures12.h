#pragma once
// Records, contexts and checks shared by the SCORM 1.2 writer tests.

#include "../platform/schema_support.h"
#include "support/testenv.h"
#include "model12/record12.h"
#include "model12/writer12.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

namespace ts::test {

// The export day of every test run: 8 December 2026, written 2026-12-8.
QDate fixedDate();

// Every field of every category filled; classifications "1" and "topics".
Record12 fullRecord();
// A cleared editor with only a title.
Record12 sparseRecord();
// The classification fields of fullRecord(), with two taxa.
Record12 classificationRecord();

WriteContext12 context(bool optionalOnly);

// The lines joined, each ended with carriage return and line feed.
QString crlf(const QStringList &lines);
// The text from the line holding the start tag to the line holding the end tag, both included
// (with their indentation and line ends); empty when either is missing.
QString section(const QString &document, const QString &startTag, const QString &endTag);

using schema::readBytes;
// A file of tests/data/writer12: a document or fragment as the writers must give it byte for byte.
inline QByteArray golden(const char *name) { return readBytes(testData(QStringLiteral("writer12/") + name)); }

// Well-formed and valid against the schema (schema::programCache() or schema::referenceJudge()); the failure
// reason otherwise.
::testing::AssertionResult validAgainst(const std::shared_ptr<SchemaCache> &schema, const QString &document);

// A program folder whose temp12 holds the fragments of fullRecord()'s classifications.
class Writer12Test : public ProgramFolderTest {
protected:
    void SetUp() override;
    void putFragments();
    WriteResult12 run(Writer12 writer, const Record12 &record, bool optionalOnly);
    // The messages shown, in order.
    QStringList messages() const { return dialogs.messages(); }
};

} // namespace ts::test

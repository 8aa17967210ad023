#pragma once
// Records, contexts and checks shared by the SCORM 2004 writer tests (and by any test that wants a
// written document of known content: the goldens of tests/data/writer2004 are these records written).

#include "support/testenv.h"
#include "model2004/record2004.h"
#include "model2004/writer2004.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

namespace ts::test {

// Every field of every category filled with values of the IEEE LOM vocabularies; classifications "1" and
// "topics".
Record2004 fullRecord2004();
// A cleared editor with only a title.
Record2004 sparseRecord2004();
// A fresh editor as its fields are laid out (what a template saved at once holds).
Record2004 designDefaults2004();
// The classification fields of a classification with two taxa.
Record2004 classificationRecord2004();

// Every free text and list value holds its own text with markup characters, both quotes and letters
// outside ASCII; the durations, size, browser and relation keep values their elements can hold. One
// classification, "ü1", holds the classification fields.
Record2004 hostileRecord2004();

// The context of an export on 8 December 2026 (written 2026-12-08), the day of every test run.
WriteContext context2004(bool optionalOnly);

// The record that a document written from this one opens back into. The durations are composed; the
// comma lists, the location and the names in vCards lose the blanks around their items; the age lists are
// read from the range text (the lists themselves are not written); the entry fields being typed (a
// contributor, the classification and taxon being edited) are not written, a classification travels only
// in its fragment; the classifications come back listed "1" .. "N". A minimum document (optionalOnly)
// holds only the elements that every category writes; the asset writer's keywords and the SCO writer's
// lifecycle contributors are optional too.
Record2004 asReadBack2004(const Record2004 &record, Writer2004 writer, bool optionalOnly);
// What a stored classification fragment gives the classification fields (no notice).
Record2004 classificationOf2004(const QByteArray &fragment);

// A file of tests/data/writer2004.
QByteArray golden2004(const QString &name);

// Well-formed and valid against the IEEE LOM schema of the shared folder named ("lomLoose.xsd",
// "lomStrict.xsd"), reached offline through the shared catalog; the failure reason otherwise.
::testing::AssertionResult validLom(const QString &schemaName, const QString &document);

// A program folder whose temp holds the fragments of fullRecord2004()'s classifications.
class Writer2004Test : public ProgramFolderTest {
protected:
    void SetUp() override;
    void putFragments();
    WriteResult run(Writer2004 writer, const Record2004 &record, bool optionalOnly);
};

} // namespace ts::test

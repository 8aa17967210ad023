#include "support/testmain.h"

#include "fixtures2004.h"

#include "reader2004_support.h"

#include "model2004/build2004.h"
#include "model2004/reader2004.h"

using namespace ts;
using namespace ts::test;

namespace {

struct GoldenCase {
    Writer2004 writer;
    bool optionalOnly;
    Record2004 (*record)();
    const char *golden;
    bool strict; // valid against lomStrict.xsd too
};

// The sparse documents of the content aggregation and SCO writers hold an empty lifecycle status, which the
// strict schema's status vocabulary does not allow. The last row is the template of a fresh editor.
const GoldenCase kGoldenCases[] = {
    {Writer2004::Aggregation, true, fullRecord2004, "aggregation_minimum_full.xml", true},
    {Writer2004::Aggregation, true, sparseRecord2004, "aggregation_minimum_sparse.xml", false},
    {Writer2004::Aggregation, false, fullRecord2004, "aggregation_optional_full.xml", true},
    {Writer2004::Aggregation, false, sparseRecord2004, "aggregation_optional_sparse.xml", false},
    {Writer2004::SCO, true, fullRecord2004, "sco_minimum_full.xml", true},
    {Writer2004::SCO, true, sparseRecord2004, "sco_minimum_sparse.xml", false},
    {Writer2004::SCO, false, fullRecord2004, "sco_optional_full.xml", true},
    {Writer2004::SCO, false, sparseRecord2004, "sco_optional_sparse.xml", false},
    {Writer2004::Asset, true, fullRecord2004, "asset_minimum_full.xml", true},
    {Writer2004::Asset, true, sparseRecord2004, "asset_minimum_sparse.xml", true},
    {Writer2004::Asset, false, fullRecord2004, "asset_optional_full.xml", true},
    {Writer2004::Asset, false, sparseRecord2004, "asset_optional_sparse.xml", true},
    {Writer2004::Aggregation, false, designDefaults2004, "template_defaults.xml", true},
};

} // namespace

class Writer2004Golden : public Writer2004Test {
protected:
    // The document, opened again, gives back the record it was written from as asReadBack2004 says, with
    // these notices (the export days it holds are its own, and not named); its classifications, stored anew
    // as fragments, fill the classification fields as given.
    void expectOpensBack(const QString &document, const Record2004 &written, Writer2004 writer, bool optionalOnly,
                         const Notices &notices, const QList<Record2004> &classifications)
    {
        writeFile(QStringLiteral("back.xml"), document.toUtf8());
        const ImportResult2004 back = importMetadataFile2004(path(QStringLiteral("back.xml")), clearedRecord2004());
        EXPECT_TRUE(back.ok);
        EXPECT_EQ(back.notices, notices);
        EXPECT_EQ(changedFields(back.record, asReadBack2004(written, writer, optionalOnly)), QStringList());
        ASSERT_EQ(back.record.lstClassification.size(), classifications.size());
        for (qsizetype i = 0; i < classifications.size(); ++i)
            EXPECT_EQ(changedFields(classificationOf2004(readFile(QStringLiteral("temp/%1.xml").arg(i + 1))),
                                    classifications[i]),
                      QStringList());
    }
};

// Each category's document is written byte for byte as its golden file, is a valid IEEE LOM document, and
// opens back into the record it was written from, saying only that the export day is not kept; its
// classifications come back as the
// fragments they were written from.
TEST_F(Writer2004Golden, EveryCategoryWritesItsGoldenDocumentThatIsValidAndOpensBack)
{
    const QList<Record2004> fragments{classificationOf2004(golden2004(QStringLiteral("fragments/optional.xml"))),
                                      classificationOf2004(golden2004(QStringLiteral("fragments/topics.xml")))};
    for (const GoldenCase &c : kGoldenCases) {
        SCOPED_TRACE(c.golden);
        const QByteArray expected = golden2004(QLatin1String(c.golden));
        ASSERT_FALSE(expected.isEmpty());
        putFragments(); // as opening a document replaces them
        const WriteResult result = run(c.writer, c.record(), c.optionalOnly);
        ASSERT_EQ(result.status, WriteStatus::Done);
        EXPECT_EQ(result.text.toUtf8(), expected);
        if (!sharedDir().isEmpty()) {
            EXPECT_TRUE(validLom(QStringLiteral("lomLoose.xsd"), result.text));
            EXPECT_EQ(bool(validLom(QStringLiteral("lomStrict.xsd"), result.text)), c.strict);
        }
        expectOpensBack(result.text, c.record(), c.writer, c.optionalOnly, {},
                        fragments.mid(0, c.record().lstClassification.size()));
    }
    // Nothing in these records asks the user anything.
    EXPECT_TRUE(dialogs.calls().isEmpty());
}

// Markup and letters outside ASCII in every field: each writer writes a valid document that reads back
// unchanged, less a character XML cannot hold, which is left out with the field that held it named; only
// the status is no recommended one.
TEST_F(Writer2004Golden, HostileTextInEveryFieldReadsBackUnchanged)
{
    using R = Record2004;
    Record2004 r = hostileRecord2004();
    r.titleText += QChar(0x01);
    ASSERT_TRUE(buildClassificationXML2004(QStringLiteral("ü1"), r, context2004(false)));
    Record2004 classification;
    for (QString R::*field : {&R::classificationCombo, &R::classificationText, &R::classificationKeywordsText,
                              &R::txtTaxonSource})
        classification.*field = r.*field;
    classification.lstTaxon = r.lstTaxon;
    for (const Writer2004 writer : {Writer2004::Aggregation, Writer2004::SCO, Writer2004::Asset}) {
        SCOPED_TRACE(writerProcedure2004(writer).toStdString());
        dialogs.clear();
        const WriteResult result = run(writer, r, false);
        ASSERT_TRUE(result.done());
        EXPECT_EQ(dialogs.messages(),
                  QStringList{"Characters that XML cannot hold were left out of the document. These fields held "
                              "them:\rGENERAL: Title"});
        if (!sharedDir().isEmpty()) {
            EXPECT_TRUE(validLom(QStringLiteral("lomLoose.xsd"), result.text));
        }
        // The values outside the editor's lists are kept and written back: only the status is told again.
        expectOpensBack(result.text, hostileRecord2004(), writer, false,
                        {info("Lifecycle status is not one of the recommended type:  Draft, Final, Revised or "
                              "Unavailable.")},
                        {classification});
    }
}

TEST_F(Writer2004Golden, FragmentsAreWrittenByteForByte)
{
    for (const bool optionalOnly : {false, true}) {
        const QString name = optionalOnly ? QStringLiteral("minimum.xml") : QStringLiteral("optional.xml");
        ASSERT_TRUE(
            buildClassificationXML2004(QStringLiteral("new"), classificationRecord2004(), context2004(optionalOnly)));
        EXPECT_EQ(readFile(QStringLiteral("temp/new.xml")), golden2004(QStringLiteral("fragments/") + name))
            << name.toStdString();
    }
}

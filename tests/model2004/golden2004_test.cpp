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

class Writer2004Golden : public Writer2004Test {};

// Each category's document is written byte for byte as its golden file, is a valid IEEE LOM document, and
// opens back with no notice into the record it was written from, as asReadBack2004 says; its classifications
// come back as fragments that fill the same fields.
TEST_F(Writer2004Golden, EveryCategoryWritesItsGoldenDocumentThatIsValidAndOpensBack)
{
    const QByteArray fragments[] = {golden2004(QStringLiteral("fragments/optional.xml")),
                                    golden2004(QStringLiteral("fragments/topics.xml"))};
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
        const ImportResult2004 back = importMetadataFile2004(
            testData(QStringLiteral("writer2004/") + QLatin1String(c.golden)), clearedRecord2004());
        EXPECT_TRUE(back.ok);
        EXPECT_EQ(back.notices, Notices());
        EXPECT_EQ(changedFields(back.record, asReadBack2004(c.record(), c.writer, c.optionalOnly)), QStringList());
        for (qsizetype i = 0; i < back.record.lstClassification.size(); ++i)
            EXPECT_EQ(changedFields(classificationOf2004(readFile(QStringLiteral("temp/%1.xml").arg(i + 1))),
                                    classificationOf2004(fragments[i])),
                      QStringList());
    }
    // Nothing in these records asks the user anything.
    EXPECT_TRUE(dialogs.calls().isEmpty());
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

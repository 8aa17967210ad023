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
    bool full;
    const char *golden;
    bool strict; // valid against lomStrict.xsd too
};

// The sparse documents of the content aggregation and SCO writers hold an empty lifecycle status, which the
// strict schema's status vocabulary does not allow.
const GoldenCase kGoldenCases[] = {
    {Writer2004::Aggregation, true, true, "aggregation_minimum_full.xml", true},
    {Writer2004::Aggregation, true, false, "aggregation_minimum_sparse.xml", false},
    {Writer2004::Aggregation, false, true, "aggregation_optional_full.xml", true},
    {Writer2004::Aggregation, false, false, "aggregation_optional_sparse.xml", false},
    {Writer2004::SCO, true, true, "sco_minimum_full.xml", true},
    {Writer2004::SCO, true, false, "sco_minimum_sparse.xml", false},
    {Writer2004::SCO, false, true, "sco_optional_full.xml", true},
    {Writer2004::SCO, false, false, "sco_optional_sparse.xml", false},
    {Writer2004::Asset, true, true, "asset_minimum_full.xml", true},
    {Writer2004::Asset, true, false, "asset_minimum_sparse.xml", true},
    {Writer2004::Asset, false, true, "asset_optional_full.xml", true},
    {Writer2004::Asset, false, false, "asset_optional_sparse.xml", true},
};

} // namespace

class Writer2004Golden : public Writer2004Test {};

TEST_F(Writer2004Golden, EveryCategoryWritesItsDocumentByteForByte)
{
    for (const GoldenCase &c : kGoldenCases) {
        SCOPED_TRACE(c.golden);
        const QByteArray expected = golden2004(QLatin1String(c.golden));
        ASSERT_FALSE(expected.isEmpty());
        const WriteResult result = run(c.writer, c.full ? fullRecord2004() : sparseRecord2004(), c.optionalOnly);
        ASSERT_EQ(result.status, WriteStatus::Done);
        EXPECT_EQ(result.text.toUtf8(), expected);
        // A second run gives the same document.
        EXPECT_EQ(run(c.writer, c.full ? fullRecord2004() : sparseRecord2004(), c.optionalOnly).text, result.text);
    }
    // Nothing in these records asks the user anything.
    EXPECT_TRUE(dialogs.calls().isEmpty());
}

TEST_F(Writer2004Golden, TemplateOfAFreshEditorAndTheFragmentsAreWrittenByteForByte)
{
    EXPECT_EQ(writeAggregation2004(designDefaults2004(), context2004(false)).text.toUtf8(),
              golden2004(QStringLiteral("template_defaults.xml")));
    for (const bool optionalOnly : {false, true}) {
        const QString name = optionalOnly ? QStringLiteral("minimum.xml") : QStringLiteral("optional.xml");
        ASSERT_TRUE(
            buildClassificationXML2004(QStringLiteral("new"), classificationRecord2004(), context2004(optionalOnly)));
        EXPECT_EQ(readFile(QStringLiteral("temp/new.xml")), golden2004(QStringLiteral("fragments/") + name))
            << name.toStdString();
    }
}

TEST_F(Writer2004Golden, GoldenDocumentsAreValidIeeeLomDocuments)
{
    if (sharedDir().isEmpty())
        GTEST_SKIP() << "The shared folder with the reference schemas is absent; conformance not checked.";
    for (const GoldenCase &c : kGoldenCases) {
        SCOPED_TRACE(c.golden);
        const QString document = QString::fromUtf8(golden2004(QLatin1String(c.golden)));
        EXPECT_TRUE(validLom(QStringLiteral("lomLoose.xsd"), document));
        EXPECT_EQ(bool(validLom(QStringLiteral("lomStrict.xsd"), document)), c.strict);
    }
    const QString templateText = QString::fromUtf8(golden2004(QStringLiteral("template_defaults.xml")));
    EXPECT_TRUE(validLom(QStringLiteral("lomLoose.xsd"), templateText));
    EXPECT_TRUE(validLom(QStringLiteral("lomStrict.xsd"), templateText));
}

// Each golden document, template included, opens back with no notice into the record it was written from,
// as asReadBack2004 says; its classifications come back as fragments that fill the same fields.
TEST_F(Writer2004Golden, GoldenDocumentsOpenBackIntoTheirRecords)
{
    std::vector<std::tuple<const char *, Record2004, Writer2004, bool>> documents;
    for (const GoldenCase &c : kGoldenCases)
        documents.emplace_back(c.golden, c.full ? fullRecord2004() : sparseRecord2004(), c.writer, c.optionalOnly);
    documents.emplace_back("template_defaults.xml", designDefaults2004(), Writer2004::Aggregation, false);
    const QByteArray fragments[] = {golden2004(QStringLiteral("fragments/optional.xml")),
                                    golden2004(QStringLiteral("fragments/topics.xml"))};
    for (const auto &[golden, written, writer, optionalOnly] : documents) {
        SCOPED_TRACE(golden);
        const ImportResult2004 result =
            importMetadataFile2004(testData(QStringLiteral("writer2004/") + QLatin1String(golden)), clearedRecord2004());
        EXPECT_TRUE(result.ok);
        EXPECT_EQ(result.notices, Notices());
        EXPECT_EQ(changedFields(result.record, asReadBack2004(written, writer, optionalOnly)), QStringList());
        for (qsizetype i = 0; i < result.record.lstClassification.size(); ++i)
            EXPECT_EQ(changedFields(classificationOf2004(readFile(QStringLiteral("temp/%1.xml").arg(i + 1))),
                                    classificationOf2004(fragments[i])),
                      QStringList());
    }
}

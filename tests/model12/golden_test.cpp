#include "support/testmain.h"

#include "fixtures12.h"

#include "model12/writer12.h"

using namespace ts;
using namespace ts::test;

namespace {

struct GoldenCase {
    Writer12 writer;
    bool optionalOnly;
    bool full;
    const char *golden;
};

const GoldenCase kGoldenCases[] = {
    {Writer12::Aggregation, true, true, "aggregation_minimum_full.xml"},
    {Writer12::Aggregation, true, false, "aggregation_minimum_sparse.xml"},
    {Writer12::Aggregation, false, true, "aggregation_optional_full.xml"},
    {Writer12::Aggregation, false, false, "aggregation_optional_sparse.xml"},
    {Writer12::SCO, true, true, "sco_minimum_full.xml"},
    {Writer12::SCO, true, false, "sco_minimum_sparse.xml"},
    {Writer12::SCO, false, true, "sco_optional_full.xml"},
    {Writer12::SCO, false, false, "sco_optional_sparse.xml"},
    {Writer12::Asset, true, true, "asset_minimum_full.xml"},
    {Writer12::Asset, true, false, "asset_minimum_sparse.xml"},
    {Writer12::Asset, false, true, "asset_optional_full.xml"},
    {Writer12::Asset, false, false, "asset_optional_sparse.xml"},
};

} // namespace

class Writer12Golden : public Writer12Test {};

TEST_F(Writer12Golden, EveryCategoryWritesItsDocumentByteForByte)
{
    for (const GoldenCase &c : kGoldenCases) {
        SCOPED_TRACE(c.golden);
        const QByteArray expected = golden(c.golden);
        ASSERT_FALSE(expected.isEmpty());
        const WriteResult12 result = run(c.writer, c.full ? fullRecord() : sparseRecord(), c.optionalOnly);
        ASSERT_EQ(result.status, WriteStatus12::Done);
        EXPECT_EQ(result.text.toUtf8(), expected);
        EXPECT_FALSE(result.focus.isSet());
    }
    // Nothing in these records asks the user anything.
    EXPECT_TRUE(dialogs.calls().isEmpty());
}

TEST_F(Writer12Golden, TemplateOfAFreshEditorIsTheAggregationDocument)
{
    const WriteResult12 result = writeAggregation12(designDefaults12(), context(false));
    ASSERT_TRUE(result.done());
    EXPECT_EQ(result.text.toUtf8(), golden("template_defaults.xml"));
}

TEST_F(Writer12Golden, GoldenDocumentsAreValidAgainstTheReferenceSchema)
{
    const auto reference = schema::referenceJudge();
    if (!reference)
        GTEST_SKIP() << "The shared folder with the reference schemas is absent; conformance not checked.";
    for (const GoldenCase &c : kGoldenCases) {
        SCOPED_TRACE(c.golden);
        EXPECT_TRUE(validAgainst(reference, QString::fromUtf8(golden(c.golden))));
    }
    EXPECT_TRUE(validAgainst(reference, QString::fromUtf8(golden("template_defaults.xml"))));
}

TEST_F(Writer12Golden, GoldenDocumentsAreValidAgainstTheProgramSchema)
{
    const auto own = schema::programCache();
    for (const GoldenCase &c : kGoldenCases) {
        SCOPED_TRACE(c.golden);
        EXPECT_TRUE(validAgainst(own, QString::fromUtf8(golden(c.golden))));
    }
    EXPECT_TRUE(validAgainst(own, QString::fromUtf8(golden("template_defaults.xml"))));
}

TEST_F(Writer12Golden, WritersDifferOnlyWhereTheirCategoriesSaySo)
{
    // The SCO writer leaves out the empty line after </rights>; the asset writer differs only for an
    // empty catalog or an empty lifecycle, which the full record does not have.
    const QString aggregation = run(Writer12::Aggregation, fullRecord(), false).text;
    QString sco = run(Writer12::SCO, fullRecord(), false).text;
    EXPECT_EQ(run(Writer12::Asset, fullRecord(), false).text, aggregation);
    EXPECT_TRUE(sco.contains(QStringLiteral("   </rights>\r\n   <relation>\r\n")));
    sco.replace(QStringLiteral("</rights>\r\n"), QStringLiteral("</rights>\r\n\r\n"));
    EXPECT_EQ(sco, aggregation);
}

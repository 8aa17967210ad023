#include "support/testmain.h"

#include "reader_support.h"

#include "model12/import12.h"

#include "platform/textfile.h"
#include "model12/buildxml.h"
#include "model12/writer12.h"

using namespace ts;
using ts::test::changedFields;
using ts::test::withoutClassificationEntry;
using ts::test::writtenRecord;

namespace {

class WrittenRecord : public ts::test::ProgramFolderTest {};

TEST_F(WrittenRecord, ReadsBackIntoTheSameRecordFromEveryWriter)
{
    WriteContext12 context;
    context.today = QDate(2026, 12, 8);
    Record12 written = writtenRecord();
    ASSERT_TRUE(buildClassificationXML(QStringLiteral("life"), written, context));
    written.lstClassification = {QStringLiteral("life")};

    const std::pair<const char *, WriteResult12 (*)(const Record12 &, const WriteContext12 &)> writers[] = {
        {"aggregation", &writeAggregation12}, {"SCO", &writeSCO12}, {"asset", &writeAsset12}};
    for (const auto &[name, write] : writers) {
        SCOPED_TRACE(name);
        const WriteResult12 out = write(written, context);
        ASSERT_TRUE(out.done());
        ASSERT_TRUE(writeTextFile(path(QStringLiteral("written.xml")), out.text));

        const ImportResult in = importMetadataFile(path(QStringLiteral("written.xml")), clearedRecord12());

        EXPECT_TRUE(in.ok);
        EXPECT_TRUE(in.notices.isEmpty()) << in.notices.first().text.toStdString();
        Record12 expected = withoutClassificationEntry(written);
        expected.lstClassification = {QStringLiteral("1")};
        EXPECT_EQ(changedFields(in.record, expected), QStringList());

        // The stored fragment gives the classification entry back.
        QString fragment;
        ASSERT_TRUE(readTextFile(path(QStringLiteral("temp12/1.xml")), fragment));
        Record12 entry = clearedRecord12();
        Notices notices;
        EXPECT_TRUE(parseClassification(fragment, entry, notices));
        EXPECT_TRUE(notices.isEmpty());
        EXPECT_EQ(changedFields(entry), changedFields(written, withoutClassificationEntry(written)));
    }
}

} // namespace

#include "support/testmain.h"

#include "reader_support.h"

#include "platform/schema_support.h"

#include "model12/import12.h"

#include "model12/buildxml.h"
#include "model12/writer12.h"
#include "platform/textfile.h"

using namespace ts;
using ts::test::changedFields;
using ts::test::withEveryText;
using ts::test::withoutClassificationEntry;
using ts::test::writtenRecord;

namespace {

class WrittenRecord : public ts::test::ProgramFolderTest {};

// Every writer's document reads back into the record it was written from; characters that XML cannot hold
// (control characters, the two non-characters and a lone surrogate, put inside every value) are left out,
// named once, and the document stays valid.
TEST_F(WrittenRecord, ReadsBackIntoTheSameRecordFromEveryWriter)
{
    const auto reference = test::schema::referenceJudge();
    WriteContext12 context;
    context.today = QDate(2026, 12, 8);
    const QString hostile = QStringLiteral("\x0B\x01") + QChar(0xFFFE) + QChar(0xFFFF) + QChar(0xD800);
    const Record12 clean = writtenRecord();
    Record12 expected = withoutClassificationEntry(clean);
    expected.lstClassification = {QStringLiteral("1")};

    const std::pair<const char *, WriteResult12 (*)(const Record12 &, const WriteContext12 &)> writers[] = {
        {"aggregation", &writeAggregation12}, {"SCO", &writeSCO12}, {"asset", &writeAsset12}};
    for (const bool spoiled : {false, true}) {
        Record12 written =
            spoiled ? withEveryText(clean, [&](const QString &text) { return text.left(1) + hostile + text.mid(1); })
                    : clean;
        ASSERT_TRUE(buildClassificationXML(QStringLiteral("life"), written, context));
        written.lstClassification = {QStringLiteral("life")};
        for (const auto &[name, write] : writers) {
            SCOPED_TRACE(std::string(name) + (spoiled ? " spoiled" : ""));
            dialogs.clear();
            const WriteResult12 out = write(written, context);
            ASSERT_TRUE(out.done());
            // Told once, each field named once (the parts of a duration as one), in the order of the tabs.
            ASSERT_EQ(dialogs.calls().size(), spoiled ? 1 : 0);
            if (spoiled) {
                EXPECT_EQ(dialogs.calls()[0].title, QStringLiteral("Characters Left Out"));
                const QStringList named = dialogs.calls()[0].text.split(u'\r');
                EXPECT_EQ(named.size(), 43);
                EXPECT_EQ(named.first() + u'|' + named[1] + u'|' + named.last(),
                          QStringLiteral("Characters that XML cannot hold were left out of the document. These "
                                         "fields held them:|GENERAL: Title|CLASSIFICATION: Taxon Path"));
            }
            ASSERT_TRUE(writeTextFile(path(QStringLiteral("written.xml")), out.text));
            if (reference) {
                const test::schema::Verdict verdict =
                    test::schema::judge(*reference, path(QStringLiteral("written.xml")));
                EXPECT_TRUE(verdict.valid) << verdict.error.reason.toStdString();
            }

            const ImportResult in = importMetadataFile(path(QStringLiteral("written.xml")), clearedRecord12());

            EXPECT_TRUE(in.ok);
            // The export days it holds, written on an earlier day, are its own: nothing is named.
            EXPECT_EQ(in.notices, Notices());
            EXPECT_EQ(changedFields(in.record, expected), QStringList());

            // The stored fragment gives the classification entry back.
            QString fragment;
            ASSERT_TRUE(readTextFile(path(QStringLiteral("temp12/1.xml")), fragment));
            Record12 entry = clearedRecord12();
            Notices notices;
            EXPECT_TRUE(parseClassification(fragment, entry, notices));
            EXPECT_TRUE(notices.isEmpty());
            EXPECT_EQ(changedFields(entry), changedFields(clean, withoutClassificationEntry(clean)));
        }
    }
}

} // namespace

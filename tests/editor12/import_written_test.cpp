#include "support/testmain.h"

#include "reader_support.h"

#include "platform/schema_support.h"

#include "editor12/import12.h"

#include "platform/textfile.h"
#include "writer12/buildxml.h"
#include "writer12/writer12.h"

using namespace ts;
using ts::test::changedFields;
using ts::test::withEveryText;

namespace {

// A record with a value in every field the writers write, in the forms the readers give back (keywords
// joined without blanks, one metadata author, the duration in all four of its fields).
Record12 writtenRecord()
{
    Record12 r = clearedRecord12();
    r.titleText = QStringLiteral("Cells & <Tissues>");
    r.catalogText = QStringLiteral("Tagsmith Catalog");
    r.catalogEntryText = QStringLiteral("BIO-101");
    r.courseDescription = QStringLiteral("An introduction to the cell.");
    r.keywordsText = QStringLiteral("cell,tissue");
    r.txtCoverage = QStringLiteral("Grades 9-12");
    r.cboStructure = QStringLiteral("Hierarchical");
    r.cboAggregationLevel = QStringLiteral("2");
    r.versionText = QStringLiteral("1.0");
    r.lifecycleStatusCombo = QStringLiteral("Revised");
    r.lstFiles = {QStringLiteral("Hopper, Grace,Author"), QStringLiteral("Bob Jones,Publisher")};
    r.txtLifecycleDate = QStringLiteral("2026-11-30");
    r.metadataAuthorsText = QStringLiteral("Carol White");
    r.metadataOrganizations = QStringLiteral("Acme & Sons");
    r.cboCreatorRole = QStringLiteral("Creator");
    r.gifCheck = true;
    r.htmlCheck = true;
    r.pdfCheck = true;
    r.realMediaCheck = true;
    r.otherContentTypeText = QStringLiteral("image/png,text/css");
    r.txtSize = QStringLiteral("20480");
    r.locationText = QStringLiteral("lessons/cell.html");
    r.browserCombo = QStringLiteral("Netscape 6.x or Higher");
    r.osCombo = QStringLiteral("MacOS");
    r.installationRemarks = QStringLiteral("Unzip & open index.html");
    r.otherRequirements = QStringLiteral("Sound card");
    r.cboHourDuration = QStringLiteral("00");
    r.cboMinDuration = QStringLiteral("45");
    r.cboSecDuration = QStringLiteral("10");
    r.txtDuration = QStringLiteral("00:45:10");
    r.interactivityTypeCombo = QStringLiteral("Expositive");
    r.narrativeTextCheck = true;
    r.selfAssessmentCheck = true;
    r.examCheck = true;
    r.interactivityLevelCombo = QStringLiteral("medium");
    r.cboSemanticDensity = QStringLiteral("high");
    r.endUserCombo = QStringLiteral("Learner");
    r.cboContext = QStringLiteral("Higher Education");
    r.txtTypicalAgeRange = QStringLiteral("16-18");
    r.cboEduDifficulty = QStringLiteral("easy");
    r.cboHour = QStringLiteral("01");
    r.cboMin = QStringLiteral("30");
    r.cboSec = QStringLiteral("00");
    r.usageDescription = QStringLiteral("Read before the lab.");
    r.feesYes = true;
    r.copyrightYes = false;
    r.usageConditionsText = QStringLiteral("Free for classroom use");
    r.relationshipCombo = QStringLiteral("Is Required by Resource Named Below");
    r.otherResourceText = QStringLiteral("Biology course");
    r.authorText = QStringLiteral("Eve Adams");
    r.annotationText = QStringLiteral("Checked by the department.");
    r.classificationCombo = QStringLiteral("Discipline");
    r.classificationText = QStringLiteral("Life sciences & health");
    r.classificationKeywordsText = QStringLiteral("biology,cells");
    r.txtTaxonSource = QStringLiteral("Dewey");
    r.lstTaxon = {QStringLiteral("570,Life sciences"), QStringLiteral("571.6,Cell biology, general")};
    return r;
}

// The classification entry fields, which the import leaves to the classification list.
Record12 withoutClassificationEntry(Record12 r)
{
    const Record12 cleared = clearedRecord12();
    r.classificationCombo = cleared.classificationCombo;
    r.classificationText = cleared.classificationText;
    r.classificationKeywordsText = cleared.classificationKeywordsText;
    r.txtTaxonSource = cleared.txtTaxonSource;
    r.lstTaxon = cleared.lstTaxon;
    return r;
}

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

TEST_F(WrittenRecord, CharactersXmlCannotHoldAreLeftOutOfEveryFieldAndNamedOnce)
{
    const auto reference = test::schema::referenceJudge();
    if (!reference)
        GTEST_SKIP() << "The shared folder is absent; the documents were not checked against the reference schema.";
    WriteContext12 context;
    context.today = QDate(2026, 12, 8);
    // Control characters, the two non-characters and a lone surrogate, inside every value.
    const QString hostile = QStringLiteral("\x0B\x01") + QChar(0xFFFE) + QChar(0xFFFF) + QChar(0xD800);
    const Record12 clean = writtenRecord();
    Record12 written = withEveryText(clean, [&](const QString &text) { return text.left(1) + hostile + text.mid(1); });
    ASSERT_TRUE(buildClassificationXML(QStringLiteral("life"), written, context));
    written.lstClassification = {QStringLiteral("life")};
    Record12 expected = withoutClassificationEntry(clean);
    expected.lstClassification = {QStringLiteral("1")};

    for (auto write : {&writeAggregation12, &writeSCO12, &writeAsset12}) {
        dialogs.clear();
        const WriteResult12 out = write(written, context);
        ASSERT_TRUE(out.done());
        // Told once, each field named once (the parts of a duration as one), in the order of the tabs.
        ASSERT_EQ(dialogs.calls().size(), 1);
        EXPECT_EQ(dialogs.calls()[0].title, QStringLiteral("Characters Left Out"));
        const QStringList named = dialogs.calls()[0].text.split(u'\r');
        EXPECT_EQ(named.size(), 43);
        EXPECT_EQ(named.first() + u'|' + named[1] + u'|' + named.last(),
                  QStringLiteral("Characters that XML cannot hold were left out of the document. These fields held "
                                 "them:|GENERAL: Title|CLASSIFICATION: Taxon Path"));
        // Well-formed, valid, and read back whole less those characters.
        ASSERT_TRUE(writeTextFile(path(QStringLiteral("written.xml")), out.text));
        const test::schema::Verdict verdict = test::schema::judge(*reference, path(QStringLiteral("written.xml")));
        EXPECT_TRUE(verdict.valid) << verdict.error.reason.toStdString();
        const ImportResult in = importMetadataFile(path(QStringLiteral("written.xml")), clearedRecord12());
        EXPECT_TRUE(in.ok);
        EXPECT_EQ(changedFields(in.record, expected), QStringList());
    }
}

} // namespace

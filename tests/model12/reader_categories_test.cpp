#include "support/testmain.h"

#include "reader_support.h"

#include "model12/import12.h"

using namespace ts;
using ts::test::changedFields;
using ts::test::info;
using ts::test::readerData;

namespace {

// One fixture file per category: what the record holds afterwards (the fields that changed, in the
// record's order) and the notices, in order.
struct CategoryCase {
    const char *file;
    QStringList fields;
    Notices notices;
};

Notice unsupportedValue(const QString &rest)
{
    return info(QStringLiteral("Unsupported value found in your imported file ") + rest);
}

const QString kEmptiedList = QStringLiteral("lstClassification=");
// The lines of the notice that names what the record does not hold.
const QString kRepeats = QLatin1String(readers::kLeftOutRepeats);
const QString kLanguages = QLatin1String(readers::kLeftOutLanguages);
const QString kDates = QLatin1String(readers::kLeftOutDates);

Notice languagesLine(const QString &languages) { return info(kLanguages + languages); }
// The one notice of what the program names beside the readers' own, a line each.
Notice lines(const QStringList &lines) { return info(lines.join(QStringLiteral("\r\r"))); }
const QString kUnsupported = QLatin1String(readers::kUnsupportedValue);

class CategoryReaders : public ts::test::ProgramFolderTest, public ::testing::WithParamInterface<CategoryCase> {};

TEST_P(CategoryReaders, FillTheRecordAndSayWhatTheyCannotHold)
{
    const CategoryCase &c = GetParam();
    // Fields keep what they held unless the file has a value for them; the classification list is emptied.
    Record12 start = clearedRecord12();
    start.keywordsText = QStringLiteral("left from before");
    start.lstClassification = {QStringLiteral("9")};

    const ImportResult result = importMetadataFile(readerData(QLatin1String(c.file)), start);

    EXPECT_TRUE(result.ok);
    EXPECT_EQ(changedFields(result.record, start), c.fields);
    EXPECT_EQ(result.notices, c.notices);
}

std::vector<CategoryCase> categoryCases()
{
    return {
        CategoryCase{"general.xml",
                     {"titleText=Fractions & Decimals <Part 1>", "keywordsText=fractions,decimals", "catalogText=ISBN",
                      "catalogEntryText=0-123-45678-9", "txtCoverage=Grade 5", "cboStructure=Hierarchical",
                      "cboAggregationLevel=2", "courseDescription=Numbers\non two lines", kEmptiedList},
                     {info("Catalog entry in <general> section is invalid: identifier"),
                      info("Catalog entry in <general> section is invalid: extra"),
                      info("Unsupported element found in your imported file <general>: note"),
                      info("Unsupported element found in your imported file <general>: identifier"),
                      languagesLine("en")}},
        CategoryCase{"lifecycle.xml",
                     {"titleText=Lifecycle", "versionText=2.1", "lifecycleStatusCombo=draft",
                      "txtLifecycleDate=2024-02-29",
                      "lstFiles=Ada Lovelace,Author | Hopper, Grace,Author | Example & Sons,Author | Last Child,Author "
                      "| Press,Publisher | Ed,Editor",
                      kEmptiedList},
                     {info("Lifecycle status is not one of the recommended type:  Draft, Final, Revised or Unavailable."),
                      info("Unsupported element found in your imported file <lifecycle>: centity"),
                      info("Catalog entry in <lifecycle> section is invalid: rolex"),
                      info("Unsupported element found in your imported file <lifecycle>: ext"),
                      info(QLatin1String(readers::kLeftOutVCardLines) +
                           "<lifecycle> contribute: \"EMAIL:grace@example.org\"")}},
        CategoryCase{"metametadata.xml",
                     {"titleText=Meta", "metadataAuthorsText=Jane Roe; John Doe",
                      "metadataOrganizations=ACME Learning; Standards Board", "cboCreatorRole=Validator", kEmptiedList},
                     {info("Unsupported element found in your imported file <metametadata>: identifier"),
                      lines({kRepeats + "<metametadata> contribute/role: \"Creator\"", kLanguages + "en",
                             kDates + "<metametadata> contribute/date: 2024-01-01",
                             "The export writes its own metadata schemas. Metadata schemas of your imported file that "
                             "are not kept: <metametadata> metadatascheme: \"ADL SCORM 1.2\""})}},
        CategoryCase{"technical.xml",
                     {"titleText=Fixture", "txtSize=2048", "cboHourDuration=01", "cboMinDuration=30",
                      "cboSecDuration=15", "txtDuration=01:30:15", "browserCombo=MS Explorer 5.x or Higher",
                      "osCombo=MS-Windows", "htmlCheck=true", "gifCheck=true",
                      "otherContentTypeText=image/png,application/x-custom", "locationText=index.html",
                      "installationRemarks=Unzip first", "otherRequirements=Sound card", kEmptiedList},
                     {info("Unsupported element found in your imported file <technical>: metadata"),
                      lines({kUnsupported + "<technical>: requirement \"Netscape Communicator 7.0\", \"BeOS\"",
                             kDates + "<technical> duration/datetime: 2024-03-01"})}},
        CategoryCase{"educational.xml",
                     {"titleText=Fixture", "interactivityTypeCombo=Active", "interactivityLevelCombo=medium",
                      "cboEduDifficulty=easy", "endUserCombo=Learner", "cboContext=Higher Education",
                      "cboSemanticDensity=high", "exerciseCheck=true", "selfAssessmentCheck=true",
                      "narrativeTextCheck=true", "usageDescription=Use in class", "txtTypicalAgeRange=18-",
                      "cboHour=00", "cboMin=45", "cboSec=00", kEmptiedList},
                     {info("Unsupported element found in your imported file <education>: learningcontext"),
                      lines({kUnsupported + "<educational>: learningresourcetype \"Lecture\"", kLanguages + "en"})}},
        CategoryCase{"rights.xml",
                     {"titleText=Fixture", "feesYes=true", "copyrightYes=false",
                      "usageConditionsText=Free for schools", kEmptiedList},
                     {info("Unsupported element found in your imported file <rights>: licence"),
                      unsupportedValue("<rights>: copyrightandotherrestrictions \"No\"")}},
        CategoryCase{"relation.xml",
                     {"titleText=Fixture", "relationshipCombo=Is Based on Resource Named Below",
                      "otherResourceText=The first edition", kEmptiedList},
                     {info("Unsupported element found in your imported file <relation>: identifier"),
                      info("Unsupported element found in your imported file <relation>: note"),
                      info(kRepeats + "<relation>: \"HasPart A second relation is n\u2026\"")}},
        CategoryCase{"annotation.xml",
                     {"titleText=Fixture", "authorText=Ann Notator", "annotationText=Checked twice", kEmptiedList},
                     {info("Unsupported element found in your imported file <annotation>: rating"),
                      info(kDates + "<annotation> date: 2024-01-01")}},
        // Processing instructions two levels inside a category, directly inside it and beside the categories.
        CategoryCase{"instructions.xml",
                     {"titleText=Instructions", "usageConditionsText=Free", kEmptiedList},
                     {info("Unsupported element found in your imported file <general>: deep"),
                      info("Unsupported element found in your imported file <general>: direct"),
                      info("Unsupported element found in your imported file <lom>: root")}},
        // Strings in further languages (read from xml:lang) in two categories: one notice for the file.
        CategoryCase{"languages.xml",
                     {"titleText=Decimals", "usageDescription=Use in class", kEmptiedList},
                     {lines({"Only the first string of each field was read. Strings in other languages left out of "
                             "your imported file: <general> title (fr, no language); <educational> description (de)",
                             kLanguages + "en, fr, de"})}},
        // Vocabularies written as bare text: named, and their fields left as they were.
        CategoryCase{"bare.xml",
                     {"titleText=Bare values", kEmptiedList},
                     {unsupportedValue("<general>: structure (no value element); <lifecycle>: status (no value "
                                       "element); <educational>: interactivitytype (no value element)")}},
        CategoryCase{"classification.xml",
                     {QString::fromUtf8("titleText=Caf\u00e9 & Co"), "lstClassification=1 | 2 | 3"},
                     {info("Unsupported element found in your imported file <lom>: ext:wrapper")}},
    };
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, CategoryReaders, ::testing::ValuesIn(categoryCases()),
    [](const ::testing::TestParamInfo<CategoryCase> &param) {
        return QString::fromLatin1(param.param.file).section(QLatin1Char('.'), 0, 0).toStdString();
    });

} // namespace

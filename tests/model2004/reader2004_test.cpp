#include "support/testmain.h"

#include "reader2004_support.h"

#include "model2004/reader2004.h"

#include <QDir>

using namespace ts;
using ts::test::changedFields;
using ts::test::info;
using ts::test::reader2004Data;

namespace {

// One fixture file per category and per form of record: whether it was read whole, what the record
// holds afterwards (the fields that changed, in the record's order) and the notices, in order.
struct FileCase {
    const char *file;
    bool ok;
    QStringList fields;
    Notices notices;
};

Notice unsupportedValue(const QString &rest)
{
    return info(QStringLiteral("Unsupported value found in your imported file ") + rest);
}

// The one notice of what the program names beside the readers' own, a line each.
Notice lines(const QStringList &lines) { return info(lines.join(QStringLiteral("\r\r"))); }

const QString kEmptiedList = QStringLiteral("lstClassification=");

class Reader2004Files : public ts::test::ProgramFolderTest, public ::testing::WithParamInterface<FileCase> {};

TEST_P(Reader2004Files, FillTheRecordAndSayWhatTheyCannotHold)
{
    const FileCase &c = GetParam();
    // Fields keep what they held unless the file has a value for them; the classification list is emptied.
    Record2004 start = ts::test::clearedRecord2004();
    start.lstClassification = {QStringLiteral("9")};

    const ImportResult2004 result = importMetadataFile2004(reader2004Data(QLatin1String(c.file)), start);

    EXPECT_EQ(result.ok, c.ok);
    EXPECT_EQ(changedFields(result.record, start), c.fields);
    EXPECT_EQ(result.notices, c.notices);
}

std::vector<FileCase> fileCases()
{
    return {
        FileCase{"general.xml", true,
                 {"titleText=Fractions & Decimals <Unit 1>", "courseDescription=Numbers\non two lines",
                  "keywordsText=fractions,decimals, percentages", "catalogText=ISBN", "catalogEntryText=0-123-45678-9",
                  "txtCoverage= ", "cboStructure=Hierarchical", "cboAggregationLevel=2", kEmptiedList},
                 {info("Catalog entry in <general> section is invalid: extra"),
                  info("Unsupported element found in your imported file <general>: other"),
                  info("Unsupported element found in your imported file <general>: rating"),
                  info("Each of these fields holds one value. Repeated elements left out of your imported file: <general> identifier: \"URI first\"\r\r"
                       "Every language is written as \"x-none\". Languages of your imported file that are not kept: en")}},
        FileCase{"lifecycle.xml", true,
                 {"titleText=Lifecycle", "versionText=2.1", "lifecycleStatusCombo=Final",
                  "lstFiles=Before Any Role, | Hopper, Grace,author | Role Carried Over,author | Example & "
                  "Sons,publisher",
                  kEmptiedList},
                 {info("Lifecycle status is not one of the recommended type:  Draft, Final, Revised or Unavailable."),
                  info("Unsupported element found in your imported file <lifecycle>: entity"),
                  info("Unsupported element found in your imported file <lifecycle>: entity"),
                  info("Catalog entry in <lifeCycle> section is invalid: rolex"),
                  info("Unsupported element found in your imported file <lifecycle>: ext"),
                  info("The export writes each person by name alone. Lines of their vCards left out of your imported "
                       "file: <lifecycle> contribute: \"EMAIL:grace@example.org\"\r\r"
                       "The export writes its own dates and date descriptions. Dates of your imported file that are not "
                       "kept: <lifecycle> contribute/date: 2024-02-29")}},
        FileCase{"metametadata.xml", true,
                 {"titleText=Meta", "lstMetaContrib=Jane Roe,creator | ACME Learning,creator", kEmptiedList},
                 {info("Unsupported element found in your imported file <metametadata>: extra"),
                  info("These identifiers are written as the general identifier. Identifiers left out of your imported file: <metametadata> identifier: \"URI meta-1\"\r\r"
                       "The export writes its own dates and date descriptions. Dates of your imported file that are not "
                       "kept: <metametadata> contribute/date: 2024-01-01")}},
        FileCase{"technical.xml", true,
                 {"titleText=Technical", "txtSize=2048", "cboHourDuration=1", "cboMinDuration=30",
                  "txtDuration=PT1H30M", "browserCombo=opera", "osCombo=ms-windows", "locationText=lessons/index.html",
                  "installationRemarks=Unzip & open", "otherRequirements=Sound card", "htmlCheck=true", "gifCheck=true",
                  "otherContentTypeText=image/png,Text/HTML,video/x-msvideo", kEmptiedList},
                 {info("Unsupported element found in your imported file <technical>: maximumVersion"),
                  info("Unsupported element found in your imported file <technical>: type"),
                  info("Unsupported element found in your imported file <technical>: name"),
                  info("Unsupported element found in your imported file <technical>: ext:player"),
                  unsupportedValue("<technical>: requirement \"opera 8.0\"")}},
        FileCase{"educational.xml", true,
                 {"titleText=Educational", "interactivityTypeCombo=active", "interactivityLevelCombo=medium",
                  "cboEduDifficulty=easy", "endUserCombo=learner", "cboContext=Higher Education",
                  "cboSemanticDensity=very high", "simulationCheck=true", "examCheck=true", "chkLecture=true",
                  "usageDescription=Use in class", "cboMinAge=18", "txtTypicalAgeRange=18", kEmptiedList},
                 {info("Unsupported element found in your imported file <education>: learningContext"),
                  lines({"Unsupported value found in your imported file <educational>: learningResourceType \"Exam\"; "
                         "<educational>: typicalLearningTime \"about an hour\"",
                         "Only the first string of each field was read. Strings in other languages left out of your "
                         "imported file: <educational> description (fr)",
                         "Each of these fields holds one value. Repeated elements left out of your imported file: "
                         "<educational> intendedEndUserRole: \"teacher\"",
                         "Every language is written as \"x-none\". Languages of your imported file that are not kept: fr"})}},
        FileCase{"rights.xml", true,
                 {"titleText=Rights", "feesYes=true", "copyrightYes=false",
                  "usageConditionsText=Free for schools & libraries", kEmptiedList},
                 {info("Unsupported element found in your imported file <rights>: licence"),
                  unsupportedValue("<rights>: copyrightAndOtherRestrictions \"Yes\"")}},
        FileCase{"relation.xml", true,
                 {"titleText=Relation", "relationshipCombo=Is a Basis for Resource Named Below",
                  "otherResourceText=The first edition", kEmptiedList},
                 {info("Unsupported element found in your imported file <relation>: note"),
                  info("Unsupported value found in your imported file <relation>: kind \"IsPartOf\"\r\r"
                       "Each of these fields holds one value. Repeated elements left out of your imported file: <relation>: \"requires\"\r\r"
                       "These identifiers are written as the general identifier. Identifiers left out of your imported file: <relation> resource/identifier: \"URI first-edition\"")}},
        FileCase{"annotation.xml", true,
                 {"titleText=Annotation", "authorText=Ann Notator", "annotationText=Checked twice", kEmptiedList},
                 {info("Unsupported element found in your imported file <annotation>: dateTime")}},
        FileCase{"classification.xml", true,
                 {QString::fromUtf8("titleText=Caf\u00e9 & Co"), "lstClassification=1 | 2 | 3"},
                 {info("Unsupported element found in your imported file <lom>: lifecycle"),
                  info("Unsupported element found in your imported file <lom>: ext:wrapper")}},
        FileCase{"prefixed.xml", true,
                 {"titleText=Prefixed", "cboStructure=linear", "browserCombo=any", "cboMinAge=10",
                  "txtTypicalAgeRange=10 - ", "cboYear=0", "cboMonth=0", "cboDay=0", "cboHour=0", "cboMin=45",
                  "cboSec=0", "txtTypicalTime=P0Y0M0DT0H45M0S", "lstClassification=1"},
                 {info("Every language is written as \"x-none\". Languages of your imported file that are not kept: en")}},
        // The lom element of the manifest is the record; the resource's record is named.
        FileCase{"wrapped.xml", true, {"titleText=Wrapped", "versionText=3.0", kEmptiedList},
                 {info("Only the first metadata record of a file is read. Left out of your imported file: 1 more "
                       "record, in resource \"r1\"")}},
        // Strings left out in the language of their field's first string, or without a language.
        FileCase{"strings.xml", true,
                 {"titleText=Variables y estructuras de control", "keywordsText=variabili,programmazione",
                  "usageDescription=Work through the examples", kEmptiedList},
                 {lines({QString::fromUtf8(
                             "Only the first string of each field was read. Strings left out of your imported file: "
                             "<general> keyword (it, as the first string): \"strutture di controllo\", \"JavaScript\", "
                             "\"learning object\", \"programmare\"; <general> keyword (en, unlike the first string): "
                             "\"programming\"; "
                             "<educational> description (no language, unlike the first string): "
                             "\"Then try the exercises at the\u2026\""),
                         "Every language is written as \"x-none\". Languages of your imported file that are not kept: es, it, en"})}},
        // Vocabularies written as bare text, without source and value: named, and their fields left empty.
        FileCase{"bare.xml", true, {"titleText=Bare values", kEmptiedList},
                 {lines({"Unsupported value found in your imported file <general>: structure (no value element); "
                         "<general>: aggregationLevel (no value element); <lifecycle>: status (no value element); "
                         "<educational>: interactivityType (no value element); <educational>: learningResourceType "
                         "(no value element); <educational>: difficulty (no value element); <educational>: "
                         "intendedEndUserRole (no value element); <educational>: context (no value element); "
                         "<educational>: semanticDensity (no value element); <rights>: cost (no value element)",
                         "Every language is written as \"x-none\". Languages of your imported file that are not kept: en"})}},
        FileCase{"general-in-comment.xml", false, {},
                 {{"Problem encountered while opening XML file. This may affect your XML file",
                   "Invalid Metadata File", Icon::Exclamation}}},
        FileCase{"no-general.xml", false, {},
                 {{"Problem encountered while opening XML file. This may affect your XML file",
                   "Invalid Metadata File", Icon::Exclamation}}},
    };
}

INSTANTIATE_TEST_SUITE_P(Fixtures, Reader2004Files, ::testing::ValuesIn(fileCases()),
                         [](const ::testing::TestParamInfo<FileCase> &param) {
                             return QString::fromLatin1(param.param.file)
                                 .section(QLatin1Char('.'), 0, 0)
                                 .remove(QLatin1Char('-'))
                                 .toStdString();
                         });

class Reader2004Fragments : public ts::test::ProgramFolderTest {
protected:
    // A classification being edited when a fragment is read: only lstTaxon is emptied first.
    static Record2004 editing()
    {
        Record2004 r = ts::test::clearedRecord2004();
        r.classificationCombo = QStringLiteral("competency");
        r.classificationText = QStringLiteral("Earlier");
        r.lstTaxon = {QStringLiteral("x,earlier")};
        return r;
    }
};

TEST_F(Reader2004Fragments, StoredClassificationsReadBackIntoTheClassificationFields)
{
    for (const char *file : {"classification.xml", "prefixed.xml"})
        ASSERT_TRUE(importMetadataFile2004(reader2004Data(QLatin1String(file)), {}).ok) << file;
    // The fragments as stored: one element each, carriage return and line feed at every line end, and a
    // declaration for a prefix declared above it.
    const QByteArray first = readFile(QStringLiteral("temp/2.xml"));
    EXPECT_TRUE(first.startsWith("<classification>\r\n         <purpose>")) << first.constData();
    EXPECT_TRUE(first.endsWith("</classification>\r\n")) << first.constData();
    EXPECT_TRUE(readFile(QStringLiteral("temp/1.xml"))
                    .startsWith("<lom:classification xmlns:lom=\"http://ltsc.ieee.org/xsd/LOM\">"));

    const struct {
        QString text;
        bool parsed;
        QStringList fields;
        Notices notices;
    } rows[] = {
        {QString::fromUtf8(readFile(QStringLiteral("temp/1.xml"))), true,
         {"classificationCombo=skill level", "lstTaxon="}, {}},
        {QString::fromUtf8(readFile(QStringLiteral("temp/3.xml"))), true,
         {"classificationText=Third", "lstTaxon="}, {}},
        {QStringLiteral("<classification><purpose><source>LOMv1.0</source><value>discipline</value></purpose>"
                        "<taxonPath><source><string>Subjects</string></source>"
                        "<taxon><id>001</id><entry><string>Algebra, linear</string></entry></taxon>"
                        "<taxon><entry><string>No id</string></entry></taxon>"
                        "<taxon><id>003</id><entry><string>Geometry</string></entry></taxon></taxonPath>"
                        "<taxonPath><source><string>Levels</string></source>"
                        "<taxon><id>L1</id><entry><string>One</string></entry></taxon><note/></taxonPath>"
                        "<keyword><string/></keyword><keyword><string>algebra</string></keyword>"
                        "<keyword><string>geometry</string></keyword>"
                        "<!-- x --><rating/></classification>"),
         true,
         {"classificationCombo=discipline", "classificationKeywordsText=algebra,geometry", "txtTaxonSource=Levels",
          "lstTaxon=001,Algebra, linear | ,No id | 003,Geometry | L1,One"},
         {info("Unsupported element found in your imported file <classification>: note"),
          info("Unsupported element found in your imported file <classification>: rating"),
          info("Values left out of your imported file: <classification> taxonPath/source/string: \"Subjects\"")}},
        // A second id of a taxon: the first one is kept.
        {QStringLiteral("<classification><taxonPath><taxon><id>001</id><id>002</id>"
                        "<entry><string>Algebra</string></entry></taxon></taxonPath></classification>"),
         true,
         {"lstTaxon=001,Algebra"},
         {info("Unsupported element found in your imported file <classification>: id")}},
        {QStringLiteral("<classification>\r\n<purpose>"), false, {"lstTaxon="},
         {info("XML Error on line 2, position 10\r\r<purpose>\r\rPremature end of data in tag purpose line 2")}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.text.toStdString());
        Record2004 record = editing();
        Notices notices;
        EXPECT_EQ(parseClassification2004(row.text, record, notices), row.parsed);
        EXPECT_EQ(changedFields(record, editing()), row.fields);
        EXPECT_EQ(notices, row.notices);
    }
}

class Reader2004Samples : public ts::test::ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        if (ts::test::sharedDir().isEmpty())
            GTEST_SKIP() << "The shared folder with the sample metadata files is absent.";
    }
};

TEST_F(Reader2004Samples, RecordsOfOtherToolsReachTheRecord)
{
    const QString golfCard = QStringLiteral("Mike Rustici");
    // The lines of the golf records' vCards beside the name, quoted where each one stands.
    const QString golfLines = QStringLiteral("%1: \"ORG:Rustici Software\", \"TEL;WORK;VOICE:(866) 49-SCORM\", "
                                             "\"ADR;WORK:;;3326 Aspen Grove Dr\u2026\", \"EMAIL;PREF;INTERNET:info@scorm\u2026\"");
    struct Expected {
        const char *file;
        QString title;
        QString description;
        QString keywords;
        QStringList contributors;
        QStringList metadataContributors;
        QStringList classifications;
        Notices notices;
    };
    const Expected samples[] = {
        {"b01_golf2004_metadata_course.xml",
         "Golf Explained",
         "A high level overview of the sport of golf. This course describes how\n        to play golf, how to use a "
         "golf handicap, the etiquette of golfing and how to have fun while\n        playing.",
         "golf,golf etiquette,golf handicap",
         {golfCard + ",publisher", "Wikipedia,content provider"},
         {golfCard + ",creator"},
         {"1"},
         {info("Unsupported element found in your imported file <technical>: maximumVersion"),
          info(QStringLiteral(
              "Only the first string of each field was read. Strings in other languages left out of your imported "
              "file: <general> title (es)\r\rThe export writes each person by name alone. Lines of their vCards left "
              "out of your imported file: %1; %2; %3\r\rThese identifiers are written as the general identifier. "
              "Identifiers left out of your imported file: <metametadata> identifier: "
              "\"com.scorm.golfsamples.contentpackaging.metadata.20043rd.courselevelmetadata\"; <relation> "
              "resource/identifier: \"com.scorm.golfsamples.contentpackaging.singlesco.20043rd\"\r\rEvery language but "
              "those of the classifications is written as \"x-none\". Languages of your imported file that are not "
              "kept: es, en\r\rThe export writes its own dates and date descriptions. Dates of your imported file that "
              "are not kept: <lifecycle> contribute/date: 2009-01-23, 2009-01-12; <metametadata> contribute/date: "
              "2009-01-23; <annotation> date: 2009-01-23\r\rThe export writes its own descriptions of durations and "
              "learning times. Descriptions of your imported file that are not kept: <technical> duration/description: "
              "\"This field isn't really applic\u2026\"; <educational> typicalLearningTime/description: \"This course can "
              "usually be com\u2026\"")
                   .arg(golfLines.arg("<lifecycle> contribute"), golfLines.arg("<metametadata> contribute"),
                        golfLines.arg("<annotation>")))}},
        {"b02_golf2004_metadata_organization.xml",
         "",
         "A description of the default organization in the golf metadata couse. If more than one organization was "
         "defined in this manifest, this metadata would be useful in allowing someone to distinguish among them.",
         "",
         {},
         {},
         {},
         {info("Every language is written as \"x-none\". Languages of your imported file that are not kept: en-US")}},
        {"b04_lom-in-scorm12-package_wrong-case.xml",
         "MCtesting",
         "A test of the course packaging module",
         "scorm,test,course",
         {"Firstname Lastname,", "Firstname Lastname,Author", "Firstname Lastname,Publisher",
          "Firstname Lastname,Technical Implementer"},
         {},
         {},
         {info("Unsupported element found in your imported file <technical>: pkgprop:ScormEnginePackageProperties"),
          info("Unsupported element found in your imported file <lom>: metametadata"),
          info("The export writes each person by name alone. Lines of their vCards left out of your imported file: "
               "<lifecycle> contribute: \"ORG:My Amazing Company\", \"TEL;WORK;VOICE:(000) 000-0000\", \"ADR;WORK:;;my "
               "address\", \"EMAIL;PREF;INTERNET:my@email.c\u2026\", \"URL:https://mydomain.com\", \"NOTE:version 0.1.0\"\r\r"
               "Every language is written as \"x-none\". Languages of your imported file that are not kept: en-US\r\r"
               "The export writes its own dates and date descriptions. Dates of your imported file that are not kept: "
               "<lifecycle> contribute/date: 2020-07-27\r\rThe export writes its own descriptions of durations and "
               "learning times. Descriptions of your imported file that are not kept: <technical> duration/description: "
               "\"The time it will take to watch\u2026\"; <educational> typicalLearningTime/description: \"The average "
               "time for a learner\u2026\"")}},
    };
    const QString folder = ts::test::sharedDir() + QStringLiteral("/samples/lom/");
    ASSERT_EQ(QDir(folder).entryList({QStringLiteral("*.xml")}, QDir::Files).size(), std::size(samples))
        << "a sample without expectations";
    for (const Expected &e : samples) {
        SCOPED_TRACE(e.file);
        const ImportResult2004 result =
            importMetadataFile2004(folder + QLatin1String(e.file), ts::test::clearedRecord2004());
        EXPECT_TRUE(result.ok);
        EXPECT_EQ(result.record.titleText, e.title);
        EXPECT_EQ(result.record.courseDescription, e.description);
        EXPECT_EQ(result.record.keywordsText, e.keywords);
        EXPECT_EQ(result.record.lstFiles, e.contributors);
        EXPECT_EQ(result.record.lstMetaContrib, e.metadataContributors);
        EXPECT_EQ(result.record.lstClassification, e.classifications);
        EXPECT_EQ(result.notices, e.notices);
    }
}

} // namespace

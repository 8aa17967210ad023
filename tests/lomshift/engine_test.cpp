#include "support/testmain.h"

#include "lomshift/chkerror.h"
#include "lomshift/common.h"
#include "lomshift/run.h"
#include "model2004/reader2004.h"
#include "model2004/fixtures2004.h"
#include "model2004/reader2004_support.h"
#include "platform/programfolder.h"
#include "platform/schema_support.h"
#include "platform/textfile.h"
#include "shared/fileutil.h"
#include "shared/metadataheader.h"

#include <QDir>
#include <QRegularExpression>

using namespace ts;
using namespace ts::lomshift;
using namespace Qt::StringLiterals;
using ts::test::asReadBack2004;
using ts::test::changedFields;
using ts::test::clearedRecord2004;
using ts::test::fullRecord2004;
using ts::test::sharedDir;
using ts::test::testData;
using ts::test::schema::readBytes;

namespace {

const QByteArray kRecord12 = "<lom xmlns='http://www.imsglobal.org/xsd/imsmd_rootv1p2p1'><general/></lom>";

class Engine : public ts::test::ProgramFolderTest {
protected:
    QString p(const char *relative) const { return path(QString::fromLatin1(relative)); }
    Converter converter(const QString &type = u"Metadata"_s, const QString &sheet = {})
    {
        return Converter(type, sheet.isEmpty() ? programPath(stylesheetFor(type)) : sheet,
                         [] { return QTime(15, 4, 5); });
    }
    RunReport run(const QStringList &files, const Target &target, const QString &sheet = {})
    {
        Converter c = converter(u"Metadata"_s, sheet);
        return runConversion(c, files, target);
    }
    // A stylesheet of the program folder whose one template writes the body.
    QString sheet(const QByteArray &body)
    {
        writeFile(u"xsl/test.xsl"_s, "<xsl:stylesheet version='1.0' xmlns:xsl='http://www.w3.org/1999/XSL/Transform'>"
                                     "<xsl:template match='/'>" +
                                         body + "</xsl:template></xsl:stylesheet>");
        return p("xsl/test.xsl");
    }
};

// The schema's verdict on the file: "valid" or why not.
std::string verdict(const SchemaCache &schema, const QString &file)
{
    const ts::test::schema::Verdict v = ts::test::schema::judge(schema, file);
    return v.valid ? "valid" : v.error.reason.toStdString();
}

QStringList xmlFiles(const QString &folder)
{
    QStringList out;
    for (const QString &name : QDir(folder).entryList({u"*.xml"_s}, QDir::Files, QDir::Name))
        out << folder + u'/' + name;
    return out;
}

} // namespace

// Opened as tagsmith opens a SCORM 2004 file, each converted record gives the reader its title, description,
// keywords and contributors (of the lifecycle, then of the meta-metadata); the records with every field
// filled give their size and location too. The content aggregation's full record reads as the full record
// of our own SCORM 2004 writers, but for what the SCORM 1.2 fixture holds otherwise.
TEST_F(Engine, EveryRecordOfOursAndOfTheSamplesConvertsToValidLomThatTheReaderOpens)
{
    const QMap<QString, QStringList> expected{
        {u"a03_corporate-course_imsmetadata.xml"_s, {u"SOX"_s, u"SOX"_s, u"SOX"_s, u",author"_s, {}}},
        {u"a04_template_imsmetadata.xml"_s, {u"CPC BD EN"_s, {}, {}, u",author"_s, {}}},
        {u"a06_cancore-pool-example_CR-line-endings.xml"_s,
         {u"{{ site.title }}"_s,
          u"This course deals with personnel functions, including concepts, principles and practices; techniques of "
          "personnel administration (roles, staffing, human resources, employee development and incentives for "
          "effective performance); and management's responsibility in personnel administration."_s,
          {}, u"Algonquin College,publisher"_s, u"Sue Fisher,creator | POOL Project,validator"_s}},
        {u"template_defaults.xml"_s, {{}, {}, {}, {}, {}}}};
    Record2004 fullRecord = asReadBack2004(fullRecord2004(), Writer2004::Aggregation, false);
    fullRecord.catalogText = u"Tagsmith Catalog"_s;
    fullRecord.catalogEntryText = u"BIO-101"_s;
    fullRecord.keywordsText = u"cell,tissue,,organ,"_s;
    fullRecord.lstMetaContrib = QStringList{u"Carol White,creator"_s, u"Dan Brown,creator"_s, u"Acme Learning,creator"_s};
    fullRecord.graphCheck = fullRecord.chkLecture = false;
    fullRecord.figureCheck = true;
    fullRecord.txtTypicalAgeRange = u"16-18"_s;
    std::tie(fullRecord.cboMinAge, fullRecord.cboMaxAge) = std::pair(u"16"_s, u"18"_s);

    const auto lomLoose = ts::test::schema::referenceJudge(u"schemas/scorm2004_4ed/lomLoose.xsd"_s);
    QStringList files = xmlFiles(testData(u"writer12"_s));
    if (lomLoose)
        files << xmlFiles(sharedDir() + u"/samples/imsmd12"_s);
    QDir().mkpath(p("out"));
    const RunReport report = run(files, {false, true, p("out")});
    // All is carried over but a classification purpose "PedagogicType", which LOM has no word for.
    EXPECT_EQ(report.complete() ? QString() : report.problemsText(),
              lomLoose ? u"Metadata Created but process had errors.\rYour data may not be converted correctly.\r\r"
                         "%1/samples/imsmd12/a06_cancore-pool-example_CR-line-endings.xml: converted, but left out: "
                         "classification/purpose"_s.arg(sharedDir())
                       : QString());
    for (const QString &file : files) {
        SCOPED_TRACE(file.toStdString());
        const QString name = QFileInfo(file).fileName(), converted = path(u"out/"_s + name);
        const bool full = name.endsWith(u"_full.xml"_s);
        ASSERT_TRUE(isScorm2004Document(QString::fromUtf8(readFile(u"out/"_s + name))));
        if (lomLoose) {
            EXPECT_EQ(verdict(*lomLoose, converted), "valid");
        }
        const ImportResult2004 opened = importMetadataFile2004(converted, clearedRecord2004());
        // Nothing the editor's readers cannot hold; what its writers write their own way (the export day, the
        // language code, an operating system's version) is said in one notice.
        EXPECT_TRUE(opened.ok);
        EXPECT_LE(opened.notices.size(), 1);
        for (const Notice &n : opened.notices)
            EXPECT_TRUE(n.text.contains(QLatin1String(readers::kLeftOutDates))) << n.text.toStdString();
        const Record2004 &record = opened.record;
        const QStringList own = full ? QStringList{fullRecord.titleText, fullRecord.courseDescription,
                                                   fullRecord.keywordsText, fullRecord.lstFiles.join(u" | "_s),
                                                   name.contains(u"optional"_s) ? fullRecord.lstMetaContrib.join(u" | "_s)
                                                                                : QString()}
                                     : QStringList{u"Cell Walls"_s, {}, {}, {}, {}};
        EXPECT_EQ(QStringList({record.titleText, record.courseDescription, record.keywordsText,
                               record.lstFiles.join(u" | "_s), record.lstMetaContrib.join(u" | "_s)}),
                  expected.value(name, own));
        if (full) {
            EXPECT_EQ(record.txtSize + record.locationText, u"20480lessons/cell.html"_s);
        }
        // This one is also written byte for byte as the golden file: UTF-8, every line ending in CR LF, the
        // LOM head and the dates as LOM dates.
        if (name == u"aggregation_optional_full.xml"_s) {
            EXPECT_EQ(changedFields(record, fullRecord), QStringList());
            EXPECT_EQ(readFile(u"out/"_s + name), readBytes(testData(u"lomshift/"_s + name)));
        }
    }
    EXPECT_TRUE(dialogs.calls().isEmpty());
}

TEST_F(Engine, BothSampleManifestsConvertToValidScorm2004Manifests)
{
    if (!ts::test::schema::referenceJudge()) // which loads the shared catalog
        GTEST_SKIP() << "The shared folder with the reference schemas is absent.";
    SchemaCache driver;
    ASSERT_TRUE(driver.add(u"http://www.imsglobal.org/xsd/imscp_v1p1"_s,
                           sharedDir() + u"/schemas/drivers/scorm2004_manifest_driver.xsd"_s));
    const QStringList files = xmlFiles(sharedDir() + u"/samples/manifests"_s);
    ASSERT_EQ(files.size(), 2);
    for (const QString &file : files) {
        const Conversion result = converter(u"Manifest"_s).doConversion(file);
        writeFile(u"converted.xml"_s, result.text.toUtf8());
        EXPECT_EQ(verdict(driver, p("converted.xml")), "valid") << file.toStdString() << result.failure.toStdString();
        EXPECT_TRUE(result.text.startsWith(u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<manifest "_s));
    }
}

TEST_F(Engine, TheHeadReplacesEverythingBeforeTheFirstMarker)
{
    const QString head = u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<lom xmlns=\"http://ltsc.ieee.org/xsd/LOM\">"_s;
    const struct {
        const char *output, *kept; // kept: nullptr when the result is empty
        int boxes;
    } rows[] = {
        {"<?xml version=\"1.0\"?>\n<lom xmlns=\"a\" xmlns:b=\"b\">\n  <!--Generated x--><general/></lom>",
         "<!--Generated x--><general/></lom>", 0},
        {"<lom><!--Generated 1--><!--Generated 2--></lom>", "<!--Generated 1--><!--Generated 2--></lom>", 0},
        {"<lom><general/></lom>", nullptr, 1},
        {"", nullptr, 0},
    };
    for (const auto &row : rows) {
        dialogs.clear();
        EXPECT_EQ(replaceHeader(QString::fromUtf8(row.output)),
                  row.kept ? head + QString::fromUtf8(row.kept) : QString());
        EXPECT_EQ(dialogs.messages(), QStringList(row.boxes, u"Invalid procedure call or argument in replaceHeader"_s));
    }
}

TEST(Dates, CalendarDatesBecomeLomDatesWithTheTimeOfDay)
{
    const struct {
        const char *value;
        QTime time;
        const char *result;
    } rows[] = {
        {"2004-03-07", QTime(15, 4, 5), "2004-03-07T15:04:05.000Z"},
        {"7/3/2004", QTime(15, 4, 5), "2004-03-07T15:04:05.000Z"},
        {"12-11-2004", QTime(0, 5, 9), "2004-11-12T00:05:09.000Z"},
        {"2004/3/7", QTime(12, 30), "2004-03-07T12:30:00.000Z"},
        {"2026-12-8", QTime(21, 7), "2026-12-08T21:07:00.000Z"},
        {"29/2/2005", QTime(), ""},
        {"7.3.2004", QTime(), ""},
        {"2004\\3\\7", QTime(), ""},
        {"07/03/04", QTime(), ""},
    };
    for (const auto &row : rows)
        EXPECT_EQ(convertDate(QString::fromLatin1(row.value), row.time), QString::fromLatin1(row.result)) << row.value;

    // Only values inside a LOM <date> are rewritten, each at the clock's time when it is.
    const QString lom =
        u"<lom xmlns=\"http://ltsc.ieee.org/xsd/LOM\"><date><dateTime>%1</dateTime></date><other><dateTime>"
        "7/3/2004</dateTime></other><date><dateTime>2004-03-07T10:00:00.5Z</dateTime></date><date><dateTime>"
        "2004</dateTime></date><date><dateTime>7.3.2004</dateTime></date><date xmlns=\"urn:x\"><dateTime>"
        "7/3/2004</dateTime></date><date><dateTime>%2</dateTime></date></lom>"_s;
    XmlDocument doc;
    ASSERT_TRUE(doc.loadXML(lom.arg(u"7/3/2004"_s, u"2026-12-8"_s)));
    int second = 0;
    EXPECT_EQ(rewriteDates(doc, [&second] { return QTime(8, 0, second++); }), QStringList{u"7.3.2004"_s});
    EXPECT_EQ(doc.documentElement().xml(), lom.arg(u"2004-03-07T08:00:00.000Z"_s, u"2026-12-08T08:00:01.000Z"_s));
}

// Files that are not converted, with the reason given and the titles of the boxes shown on the way.
TEST_F(Engine, WhatCannotBeConvertedIsRefusedWithItsReason)
{
    const struct {
        const char *type;
        QByteArray file, body; // an empty file is missing; an empty body keeps the program's stylesheet
        const char *failure, *titles;
    } rows[] = {
        {"Metadata", "", "", "It could not be read as XML: ", ""},
        {"Metadata", "<lom>", "", "It could not be read as XML: line 1, position 6: ", ""},
        {"Metadata", "<lom xmlns='http://ltsc.ieee.org/xsd/LOM'/>", "", "It is not a SCORM 1.2 metadata record.", ""},
        {"Manifest", kRecord12, "", "It is not a SCORM 1.2 content package manifest.", ""},
        {"Metadata", kRecord12, "<lom/>", "The stylesheet's output lacks the comment that marks it.", "Error5"},
        {"Manifest", kRecord12, "<manifest/>", "The stylesheet's output lacks the comment", "Error5"},
        {"Metadata", kRecord12, "<manifest><xsl:comment>Generated</xsl:comment></manifest>",
         "The converted document is not well-formed: line 2, ", ""},
        {"Manifest", kRecord12, "<lom><xsl:comment>Generated</xsl:comment></lom>",
         "The converted document's root is <lom> in the namespace \"\", not <manifest> in \"http", ""},
        // A source larger than the editor opens is refused before it is read ("@" stands for its path).
        {"Metadata", kRecord12 + QByteArray(kMaxOpenBytes, ' '), "",
         "@ is too large to open (10.0 MB). Files of up to 10 MB are opened.", ""},
        // The result's root must be the type's own root in the type's own namespace.
        {"Manifest", kRecord12, "<manifest xmlns='urn:x'><xsl:comment>Generated</xsl:comment></manifest>",
         "The converted document's root is <manifest> in the namespace \"urn:x\", not <manifest> in \"http", ""},
        {"Manifest", kRecord12,
         "<organization xmlns='http://www.imsglobal.org/xsd/imscp_v1p1'><xsl:comment>Generated</xsl:comment>"
         "</organization>",
         "The converted document's root is <organization> in the namespace \"http://www.imsglobal.org/xsd/imscp_v1p1"
         "\", not <manifest>", ""},
        {"Metadata", kRecord12, "<xsl:message terminate='yes'>broken</xsl:message>",
         "The stylesheet failed on it: ", "Tagsmith Tagsmith"},
    };
    for (const auto &row : rows) {
        dialogs.clear();
        dialogs.answer(Answer::Retry);
        dialogs.answer(Answer::Cancel);
        QFile::remove(p("source.xml"));
        if (!row.file.isEmpty())
            writeFile(u"source.xml"_s, row.file);
        const Conversion c = converter(QString::fromLatin1(row.type), row.body.isEmpty() ? QString() : sheet(row.body))
                                 .doConversion(p("source.xml"));
        EXPECT_TRUE(!c.converted() && c.failure.startsWith(QString::fromUtf8(row.failure).replace(u'@', p("source.xml"))))
            << c.failure.toStdString();
        QStringList titles;
        for (const DialogCall &call : dialogs.calls())
            titles << call.title;
        EXPECT_EQ(titles.join(u' '), QString::fromLatin1(row.titles));
    }
    // The stylesheet's failure asks whether to try it again.
    EXPECT_EQ(dialogs.calls().at(0).buttons, Buttons::RetryCancel);
    EXPECT_TRUE(dialogs.calls().at(0).text.startsWith(u"Run-time error in transformXML "_s));
    EXPECT_TRUE(dialogs.calls().at(0).text.contains(u"broken\r\nOccurred in "_s + p("xsl/test.xsl")));
    // A missing stylesheet is reported once for the run, and every file fails.
    dialogs.clear();
    writeFile(u"in/a.xml"_s, kRecord12);
    writeFile(u"in/b.xml"_s, kRecord12);
    for (const FileOutcome &f : run({p("in/a.xml"), p("in/b.xml")}, {true, false, {}}, p("xsl/none.xsl")).files)
        EXPECT_TRUE(f.failure.startsWith(u"The stylesheet "_s));
    EXPECT_EQ(dialogs.calls().size(), 1);
    EXPECT_EQ(dialogs.calls().at(0).title, u"Error75"_s);
}

TEST_F(Engine, TheErrorReporterNamesTheErrorAndTheProcedure)
{
    const struct {
        int number;
        const char *text;
    } rows[] = {
        {5, "Invalid procedure call or argument in p"},
        {1036, "Unknown Error in p"},
        {55, "Unknown error in p"},
        {1001, "Out of memory in p"},
        {1042, " Must be first statement on the line in p"},
        {-1, "Unknown Error in p"},
        {75, "Path/File access error in p\rTry reinstalling the program.\rReasons:\rFile renamed\r"
             "File deleted / moved form install directory\rFile not installed\rFile Read Only"},
    };
    for (const auto &row : rows) {
        chkError(row.number, u"p"_s);
        EXPECT_EQ(dialogs.calls().last().text, QString::fromLatin1(row.text));
        EXPECT_EQ(dialogs.calls().last().title, u"Error%1"_s.arg(row.number));
        EXPECT_EQ(dialogs.calls().last().icon, Icon::None);
    }
    chkError(0, u"p"_s);
    EXPECT_EQ(dialogs.calls().size(), std::size(rows));
}

TEST_F(Engine, OverwritingKeepsABackupAndAFailedWriteKeepsTheOriginal)
{
    writeFile(u"in/r.xml"_s, kRecord12);
    writeFile(u"in/r.xml.bak"_s, "older backup");
    writeFile(u"in/s.xml"_s, kRecord12);
    failNextWrite(u"in/s.xml"_s, 10);
    // A file listed twice is converted once.
    RunReport report = run({p("in/r.xml"), p("in/s.xml"), p("in/r.xml")}, {true, false, {}});
    ASSERT_EQ(report.files.size(), 2);
    EXPECT_EQ(report.files.at(0).written, QStringList{p("in/r.xml")});
    EXPECT_EQ(readFile(u"in/r.xml.bak"_s) + readFile(u"in/r.xml.bak2"_s), "older backup" + kRecord12);
    EXPECT_EQ(report.files.at(1).failure, u"It could not be written over: No space left on device"_s);
    EXPECT_EQ(readFile(u"in/s.xml"_s), kRecord12);
    EXPECT_FALSE(QFile::exists(p("in/s.xml.bak")));
    // A folder that is the source's own keeps a backup too; a value that reads as no date is kept and named.
    report = run({p("in/s.xml")}, {false, true, p("in")},
                 sheet("<lom xmlns='http://ltsc.ieee.org/xsd/LOM'><xsl:comment>Generated</xsl:comment><date><dateTime>"
                       "7.3.2004</dateTime></date></lom>"));
    EXPECT_EQ(readFile(u"in/s.xml.bak"_s), kRecord12);
    EXPECT_EQ(
        report.problemsText(),
        u"Metadata Created but process had errors.\rYour data may not be converted correctly."
        "\r\r%1: converted, but these values were left as they were, being no date: 7.3.2004"_s.arg(p("in/s.xml")));
    // A file that declares no encoding and is not UTF-8 is converted as Windows-1252, and the run says so.
    writeFile(u"in/w.xml"_s, QByteArray(kRecord12).replace("<general/>", "<general><title><langstring>Gar\xE7on"
                                                                           "</langstring></title></general>"));
    QDir().mkpath(p("out"));
    report = run({p("in/w.xml")}, {false, true, p("out")});
    EXPECT_EQ(report.problemsText(),
              u"Metadata Created but process had errors.\rYour data may not be converted correctly.\r\rSome bytes of "
              "%1 are not valid UTF-8; it is read as Windows-1252. The first is on line 1."_s.arg(p("in/w.xml")));
    EXPECT_TRUE(readFile(u"out/w.xml"_s).contains("Gar\xC3\xA7on"));
    report = run({p("in/none.xml")}, {true, false, {}});
    EXPECT_TRUE(
        report.problemsText().startsWith(u"No file was converted.\r\r%1: not converted. "_s.arg(p("in/none.xml"))));
}

// Every value of the IMS Meta-Data 1.2 vocabularies (as 1.2 records write them) and its IEEE LOM value, by where
// it stands in the record: "@" stands for a 1.2 vocabulary pair holding the value, "%1" for the value alone.
// Values that LOM has no word for take the nearest one: contexts by the stage of education they name (school,
// higher education, training), structures by their shape; an "Undefined" interactivity is left out (empty).
// Weeks in a duration are seven days each.
TEST_F(Engine, EverySCORM12VocabularyValueConvertsToItsLomValue)
{
    const struct {
        const char *record12, *lomPath, *pairs; // pairs: "1.2 value=LOM value;..."
    } rows[] = {
        {"<general><structure>@</structure></general>", "general/structure/value",
         "Atomic=atomic;Collection=collection;Networked=networked;Hierarchical=hierarchical;Linear=linear;"
         "Mixed=networked;Branched=hierarchical;Parceled=collection"},
        {"<general><aggregationlevel>@</aggregationlevel></general>", "general/aggregationLevel/value", "1=1;2=2;3=3;4=4"},
        {"<lifecycle><status>@</status></lifecycle>", "lifeCycle/status/value",
         "Draft=draft;Final=final;Revised=revised;Unavailable=unavailable"},
        {"<lifecycle><contribute><role>@</role></contribute></lifecycle>", "lifeCycle/contribute/role/value",
         "Author=author;Publisher=publisher;Unknown=unknown;Initiator=initiator;Terminator=terminator;"
         "Validator=validator;Editor=editor;Graphical Designer=graphical designer;Technical Implementer=technical "
         "implementer;Content Provider=content provider;Technical Validator=technical validator;Educational "
         "Validator=educational validator;Script Writer=script writer;Instructional Designer=instructional designer;"
         "Subject Matter Expert=subject matter expert"},
        {"<metametadata><contribute><role>@</role></contribute></metametadata>", "metaMetadata/contribute/role/value",
         "Creator=creator;Validator=validator"},
        {"<technical><requirement><type>@</type></requirement></technical>",
         "technical/requirement/orComposite/type/value", "Operating System=operating system;Browser=browser"},
        {"<technical><requirement><type><source><langstring>LOMv1.0</langstring></source><value><langstring>Operating "
         "System</langstring></value></type><name>@</name></requirement></technical>",
         "technical/requirement/orComposite/name/value",
         "PC-DOS=pc-dos;MS-Windows=ms-windows;MacOS=macos;Unix=unix;Multi-OS=multi-os;None=none"},
        {"<technical><requirement><type><source><langstring>LOMv1.0</langstring></source><value><langstring>Browser"
         "</langstring></value></type><name>@</name></requirement></technical>",
         "technical/requirement/orComposite/name/value",
         "Any=any;Netscape Communicator=netscape communicator;Microsoft Internet Explorer=ms-internet explorer;"
         "Opera=opera;Amaya=amaya"},
        {"<educational><interactivitytype>@</interactivitytype></educational>", "educational/interactivityType/value",
         "Active=active;Expositive=expositive;Mixed=mixed;Undefined="},
        {"<educational><learningresourcetype>@</learningresourcetype></educational>",
         "educational/learningResourceType/value",
         "Exercise=exercise;Simulation=simulation;Questionnaire=questionnaire;Diagram=diagram;Figure=figure;"
         "Graph=graph;Index=index;Slide=slide;Table=table;Narrative Text=narrative text;Exam=exam;"
         "Experiment=experiment;ProblemStatement=problem statement;SelfAssesment=self assessment;Lecture=lecture"},
        {"<educational><interactivitylevel>@</interactivitylevel></educational>", "educational/interactivityLevel/value",
         "very low=very low;low=low;medium=medium;high=high;very high=very high"},
        {"<educational><semanticdensity>@</semanticdensity></educational>", "educational/semanticDensity/value",
         "very low=very low;low=low;medium=medium;high=high;very high=very high"},
        {"<educational><intendedenduserrole>@</intendedenduserrole></educational>",
         "educational/intendedEndUserRole/value", "Teacher=teacher;Author=author;Learner=learner;Manager=manager"},
        {"<educational><context>@</context></educational>", "educational/context/value",
         "Primary Education=school;Secondary Education=school;Higher Education=higher education;University First "
         "Cycle=higher education;University Second Cycle=higher education;University Postgrade=higher education;"
         "Technical School First Cycle=training;Technical School Second Cycle=training;Professional Formation="
         "training;Continuous Formation=training;Vocational Training=training;Training=training;Other=other"},
        {"<educational><difficulty>@</difficulty></educational>", "educational/difficulty/value",
         "very easy=very easy;easy=easy;medium=medium;difficult=difficult;very difficult=very difficult"},
        {"<educational><typicallearningtime><datetime>%1</datetime></typicallearningtime></educational>",
         "educational/typicalLearningTime/duration", "P2W=P00Y00M14DT00H00M00S;P1W2DT3H=P00Y00M09DT03H00M00S"},
        {"<rights><cost>@</cost></rights>", "rights/cost/value", "yes=yes;no=no"},
        {"<rights><copyrightandotherrestrictions>@</copyrightandotherrestrictions></rights>",
         "rights/copyrightAndOtherRestrictions/value", "yes=yes;no=no"},
        {"<relation><kind>@</kind></relation>", "relation/kind/value",
         "IsPartOf=ispartof;HasPart=haspart;IsVersionOf=isversionof;HasVersion=hasversion;IsFormatOf=isformatof;"
         "HasFormat=hasformat;References=references;IsReferencedBy=isreferencedby;IsBasedOn=isbasedon;"
         "IsBasisFor=isbasisfor;Requires=requires;IsRequiredBy=isrequiredby"},
        {"<classification><purpose>@</purpose></classification>", "classification/purpose/value",
         "Discipline=discipline;Idea=idea;Prerequisite=prerequisite;Educational Objective=educational objective;"
         "Accessibility Restrictions=accessibility restrictions;Educational Level=educational level;Skill "
         "Level=skill level;Security Level=security level;Competency=competency"},
    };
    Converter c = converter();
    const QString pair = u"<source><langstring>LOMv1.0</langstring></source><value><langstring>%1</langstring></value>"_s;
    for (const auto &row : rows) {
        for (const QString &mapping : QString::fromUtf8(row.pairs).split(u';')) {
            const QString from = mapping.section(u'=', 0, 0), to = mapping.section(u'=', 1);
            SCOPED_TRACE(from.toStdString());
            writeFile(u"v.xml"_s, u"<lom xmlns='%1'>%2</lom>"_s.arg(QLatin1String(kImsMd12Namespace),
                                                                 QString::fromUtf8(row.record12).replace(u'@', pair).arg(from))
                                      .toUtf8());
            XmlDocument doc;
            ASSERT_TRUE(doc.loadXML(c.doConversion(p("v.xml")).text));
            XmlNode node = doc.documentElement();
            for (const QString &step : QString::fromLatin1(row.lomPath).split(u'/'))
                node = node.isNull() ? node : node.firstElement(step);
            EXPECT_EQ((node.isNull() ? QString() : node.text()).toStdString(), to.toStdString());
        }
    }
}

// Records as other tools write them: each converted alone, what its converted document holds (blanks between
// elements left out), that it is valid LOM, and the run's report for it (empty when the run was complete).
TEST_F(Engine, RecordsOfOtherToolsAreCarriedOverAndWhatIsLeftOutIsNamed)
{
    const QString vocab = u"<%1><vocabulary><source><langstring xml:lang='x-none'>LOMv1.0</langstring></source>"
                          "<value><langstring xml:lang='x-none'>%2</langstring></value></vocabulary></%1>"_s;
    const QString lomVocab = u"<%1><source>LOMv1.0</source><value>%2</value></%1>"_s;
    const QString head = u"<?xml version=\"1.0\" encoding=\"UTF-8\"?><lom xmlns=\"http://ltsc.ieee.org/xsd/LOM\">"
                         "<!--Generated by lomshift from a SCORM 1.2 metadata record-->"_s;
    const QString marks = u"<metaMetadata><metadataSchema>LOMv1.0</metadataSchema><metadataSchema>SCORM_CAM_v1.3"
                          "</metadataSchema>"_s;
    const QString problems = u"Metadata Created but process had errors.\rYour data may not be converted correctly."
                             "\r\r@: "_s;
    const struct {
        const char *type;
        QString source, converted, report; // "@" in the report stands for the source's path
    } rows[] = {
        // Every vocabulary wrapped in <vocabulary>, as an older authoring tool writes them.
        {"Metadata",
         u"<lom xmlns='http://www.imsglobal.org/xsd/imsmd_rootv1p2p1'><general><title><langstring xml:lang='en'>"
         "Fractions</langstring></title>%1%2</general><lifecycle>%3<contribute>%4<centity><vcard>BEGIN:VCARD FN:Ann "
         "Lee END:VCARD</vcard></centity></contribute></lifecycle><educational>%5%6</educational></lom>"_s
             .arg(vocab.arg(u"structure"_s, u"Hierarchical"_s), vocab.arg(u"aggregationlevel"_s, u"3"_s),
                  vocab.arg(u"status"_s, u"Final"_s), vocab.arg(u"role"_s, u"Author"_s),
                  vocab.arg(u"interactivitytype"_s, u"Active"_s), vocab.arg(u"learningresourcetype"_s, u"Exercise"_s)),
         head + u"<general><title><string language=\"en\">Fractions</string></title>%1%2</general><lifeCycle>%3"
                "<contribute>%4<entity>BEGIN:VCARD\nFN:Ann Lee\nEND:VCARD</entity></contribute></lifeCycle>"_s
                    .arg(lomVocab.arg(u"structure"_s, u"hierarchical"_s), lomVocab.arg(u"aggregationLevel"_s, u"3"_s),
                         lomVocab.arg(u"status"_s, u"final"_s), lomVocab.arg(u"role"_s, u"author"_s)) +
             marks + u"</metaMetadata><educational>%1%2</educational></lom>"_s.arg(
                         lomVocab.arg(u"interactivityType"_s, u"active"_s),
                         lomVocab.arg(u"learningResourceType"_s, u"exercise"_s)),
         {}},
        // The element forms of IEEE LOM in the IMS Meta-Data 1.2 namespace, as a newer version writes them.
        {"Metadata",
         u"<lom xmlns='http://www.imsglobal.org/xsd/imsmd_v1p2'><general uniqueElementName='general'><identifier>"
         "<catalog>none</catalog><entry>ODE-4f1c</entry></identifier><title><string language='es'>Las fracciones"
         "</string></title></general><lifeCycle><contribute><role><source>LOM-ESv1.0</source><value>author</value>"
         "</role><entity>BEGIN:VCARD VERSION:3.0 FN:Marta Ruiz EMAIL;TYPE=INTERNET:marta@example.org END:VCARD"
         "</entity></contribute></lifeCycle><metaMetadata><metadataSchema>LOM-ESv1.0</metadataSchema></metaMetadata>"
         "<technical><requirement><orComposite><type><source>LOMv1.0</source><value>browser</value></type>"
         "</orComposite></requirement></technical><educational><learningResourceType><source>LOM-ESv1.0</source>"
         "<value>guided reading</value></learningResourceType></educational><rights><cost><source>LOM-ESv1.0</source><value>no</value></cost><copyrightAndOtherRestrictions><source>"
         "LOM-ESv1.0</source><value>yes</value></copyrightAndOtherRestrictions><description><string language='es'>"
         "creative commons: attribution - share alike 4.0</string></description></rights></lom>"_s,
         head + u"<general><title><string language=\"es\">Las fracciones</string></title><identifier><catalog>none"
                "</catalog><entry>ODE-4f1c</entry></identifier></general><lifeCycle><contribute>%1<entity>"
                "BEGIN:VCARD\nVERSION:3.0\nFN:Marta Ruiz\nEMAIL;TYPE=INTERNET:marta@example.org\nEND:VCARD</entity>"
                "</contribute></lifeCycle>"_s.arg(lomVocab.arg(u"role"_s, u"author"_s)) +
             marks + u"<metadataSchema>LOM-ESv1.0</metadataSchema></metaMetadata><technical><requirement>"
                     "<orComposite>%3</orComposite></requirement></technical><educational><learningResourceType><source>"
                     "LOM-ESv1.0</source><value>guided reading</value></learningResourceType></educational><rights>%1%2"
                     "<description><string "
                     "language=\"es\">creative commons: attribution - share alike 4.0</string></description></rights>"
                     "</lom>"_s.arg(lomVocab.arg(u"cost"_s, u"no"_s),
                                    lomVocab.arg(u"copyrightAndOtherRestrictions"_s, u"yes"_s),
                                    lomVocab.arg(u"type"_s, u"browser"_s)),
         {}},
        // What has no place in LOM, a second size, a day where a duration belongs, a vocabulary value LOM has
        // no word for: named, the highest element that lost all its text whole.
        {"Metadata",
         u"<lom xmlns='http://www.imsglobal.org/xsd/imsmd_rootv1p2p1'><general><title><langstring>Cells</langstring>"
         "</title><foo>kept nowhere</foo></general><technical><size>20</size><size>30</size><duration><datetime>"
         "2004-03-07</datetime></duration></technical><educational><interactivitytype><source><langstring>LOMv1.0"
         "</langstring></source><value><langstring>Undefined</langstring></value></interactivitytype></educational>"
         "</lom>"_s,
         head + u"<general><title><string>Cells</string></title></general>"_s + marks +
             u"</metaMetadata><technical><size>20</size></technical></lom>"_s,
         problems + u"converted, but left out: general/foo, technical/size, technical/duration, educational"_s},
        // A SCORM 2004 record in no namespace, as a slide-authoring tool exports it, is no record to convert.
        {"Metadata",
         u"<lom><general><identifier><catalog>Catalog</catalog><entry>1</entry></identifier></general><metaMetadata>"
         "<metadataSchema>SCORM_CAM_v1.3</metadataSchema></metaMetadata><educational><typicalLearningTime><duration>"
         "PT0H10M</duration></typicalLearningTime></educational></lom>"_s,
         {},
         u"No file was converted.\r\r@: not converted. It is not a SCORM 1.2 metadata record."_s},
        // The record read tells whether a file is taken as a SCORM 1.2 record, as the editor tells it: one whose
        // namespace is written wrong is converted as the editor reads it, and said so.
        {"Metadata",
         u"<lom xmlns='http://www.imsglp1'><general><title><langstring>Cells</langstring></title><keyword><langstring>"
         "cell</langstring></keyword></general></lom>"_s,
         head + u"<general><title><string>Cells</string></title><keyword><string>cell</string></keyword></general>"_s +
             marks + u"</metaMetadata></lom>"_s,
         problems + u"The metadata record's namespace is not one this program knows; it is read as SCORM 1.2. "
                    "Namespace of your imported file: \"http://www.imsglp1\""_s},
        {"Metadata",
         u"<lom xmlns='http://ltsc.ieee.orsd/LOM'><general><title><string>Cells</string></title></general></lom>"_s,
         {},
         u"No file was converted.\r\r@: not converted. It is not a SCORM 1.2 metadata record."_s},
        {"Metadata",
         u"<lom xmlns='http://www.imsglobal.org/xsd/imsmd_rootv1p2p1' xmlns:o='urn:o'><o:ext><general xmlns="
         "'http://ltsc.ieee.org/xsd/LOM'/></o:ext><general><title><langstring>Cells</langstring></title></general>"
         "</lom>"_s,
         head + u"<general><title><string>Cells</string></title></general>"_s + marks +
             u"</metaMetadata><o:ext xmlns:o=\"urn:o\"><general/></o:ext></lom>"_s,
         {}},
        {"Metadata",
         u"<lom xmlns='http://www.imsglobal.org/xsd/imsmd_rootv1p2p1'><general xmlns='http://ltsc.ieee.org/xsd/LOM'>"
         "<title><string>Other</string></title></general><general><title><langstring>Cells</langstring></title>"
         "</general></lom>"_s,
         head + u"<general><title><string>Cells</string></title></general>"_s + marks + u"</metaMetadata></lom>"_s,
         problems + u"converted, but left out: general"_s},
        {"Metadata",
         u"<metadata><lom xmlns='urn:foreign'><general/></lom><lom xmlns='http://ltsc.ieee.org/xsd/LOM'><general><title>"
         "<string>Cells</string></title></general></lom></metadata>"_s,
         {},
         u"No file was converted.\r\r@: not converted. It is not a SCORM 1.2 metadata record."_s},
        // A manifest's prerequisites have no SCORM 2004 form; its records keep no extension.
        {"Manifest",
         u"<manifest identifier='M' xmlns='http://www.imsproject.org/xsd/imscp_rootv1p1p2' xmlns:adlcp="
         "'http://www.adlnet.org/xsd/adlcp_rootv1p2' xmlns:md='http://www.imsglobal.org/xsd/imsmd_rootv1p2p1'><metadata>"
         "<md:lom><md:general><md:title><md:langstring>Course</md:langstring></md:title></md:general><md:technical>"
         "<pkg:packageProperties xmlns:pkg='urn:x-pkg'><pkg:size>3</pkg:size></pkg:packageProperties></md:technical>"
         "</md:lom></metadata><organizations><organization identifier='O'><item identifier='I'><title>Two</title>"
         "<adlcp:prerequisites type='aicc_script'>I1</adlcp:prerequisites></item></organization></organizations>"
         "</manifest>"_s,
         {},
         problems + u"converted, but left out: metadata/md:lom/md:technical, "
                    "organizations/organization/item/adlcp:prerequisites"_s},
        // An element's own text beside strings that are carried over; a blank CDATA section, which holds no text.
        {"Metadata",
         u"<lom xmlns='http://www.imsglobal.org/xsd/imsmd_rootv1p2p1'><general><title>stray words<langstring "
         "xml:lang='en'>Cells</langstring></title><foo><![CDATA[   ]]></foo></general></lom>"_s,
         head + u"<general><title><string language=\"en\">Cells</string></title></general>"_s + marks +
             u"</metaMetadata></lom>"_s,
         problems + u"converted, but left out: general/title"_s},
        // A no-break space holds no text; own text before an empty element stays its own past the blanks after
        // it; a vocabulary in capitals with an empty value holds nothing to carry over.
        {"Metadata",
         u"<lom xmlns='http://www.imsglobal.org/xsd/imsmd_rootv1p2p1'><general><title><langstring>Cells</langstring>"
         "</title><foo>&#160;</foo><baz>Text\n  <bar/>\n</baz><Structure><Source>LOMv1.0</Source><Value/></Structure>"
         "</general></lom>"_s,
         {},
         problems + u"converted, but left out: general/baz"_s},
        // A duration in the LOM form; a requirement's highest version.
        {"Metadata",
         u"<lom xmlns='http://www.imsglobal.org/xsd/imsmd_rootv1p2p1'><general><title><langstring>Cells</langstring>"
         "</title></general><technical><requirement><type><source><langstring>LOMv1.0</langstring></source><value>"
         "<langstring>Browser</langstring></value></type><name><source><langstring>LOMv1.0</langstring></source>"
         "<value><langstring>Any</langstring></value></name><maximumversion>6.0</maximumversion></requirement>"
         "<duration><duration>PT1H30M</duration></duration></technical></lom>"_s,
         head + u"<general><title><string>Cells</string></title></general>"_s + marks +
             u"</metaMetadata><technical><requirement><orComposite>%1%2<maximumVersion>6.0</maximumVersion>"
             "</orComposite></requirement><duration><duration>P00Y00M00DT01H30M00S</duration></duration></technical>"
             "</lom>"_s.arg(lomVocab.arg(u"type"_s, u"browser"_s), lomVocab.arg(u"name"_s, u"any"_s)),
         {}},
        // A first language that is no language tag, or empty, beside a valid second one: the second is written.
        {"Metadata",
         u"<lom xmlns='http://www.imsglobal.org/xsd/imsmd_rootv1p2p1'><general><title><langstring>Cells</langstring>"
         "</title></general><metametadata><language>English (US)</language><language>en</language></metametadata>"
         "</lom>"_s,
         head + u"<general><title><string>Cells</string></title></general>"_s + marks +
             u"<language>en</language></metaMetadata></lom>"_s,
         problems + u"converted, but left out: metametadata/language"_s},
        {"Metadata",
         u"<lom xmlns='http://www.imsglobal.org/xsd/imsmd_rootv1p2p1'><general><title><langstring>Cells</langstring>"
         "</title></general><metametadata><language/><language>en</language></metametadata></lom>"_s,
         head + u"<general><title><string>Cells</string></title></general>"_s + marks +
             u"<language>en</language></metaMetadata></lom>"_s,
         {}},
        // A manifest item's highest time becomes its time limit.
        {"Manifest",
         u"<manifest identifier='M' xmlns='http://www.imsproject.org/xsd/imscp_rootv1p1p2' xmlns:adlcp="
         "'http://www.adlnet.org/xsd/adlcp_rootv1p2'><organizations><organization identifier='O'><item "
         "identifier='I'><title>Two</title><adlcp:maxtimeallowed>00:30:00</adlcp:maxtimeallowed></item>"
         "</organization></organizations></manifest>"_s,
         u"<?xml version=\"1.0\" encoding=\"UTF-8\"?><manifest xmlns:adlcp=\"http://www.adlnet.org/xsd/adlcp_v1p3\" "
         "xmlns:imsss=\"http://www.imsglobal.org/xsd/imsss\" xmlns=\"http://www.imsglobal.org/xsd/imscp_v1p1\" "
         "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" identifier=\"M\" xsi:schemaLocation=\""
         "http://www.imsglobal.org/xsd/imscp_v1p1 imscp_v1p1.xsd http://www.adlnet.org/xsd/adlcp_v1p3 adlcp_v1p3.xsd "
         "http://www.imsglobal.org/xsd/imsss imsss_v1p0.xsd\"><!--Generated by lomshift from a SCORM 1.2 content "
         "package manifest--><metadata><schema>ADL SCORM</schema><schemaversion>2004 4th Edition</schemaversion>"
         "</metadata><organizations><organization identifier=\"O\"><item identifier=\"I\"><title>Two</title>"
         "<imsss:sequencing><imsss:limitConditions attemptAbsoluteDurationLimit=\"PT0H30M0S\"/></imsss:sequencing>"
         "</item></organization></organizations><resources/></manifest>"_s,
         {}},
    };
    const auto lomLoose = ts::test::schema::referenceJudge(u"schemas/scorm2004_4ed/lomLoose.xsd"_s);
    QDir().mkpath(p("out"));
    for (const auto &row : rows) {
        SCOPED_TRACE(row.source.toStdString());
        writeFile(u"in/r.xml"_s, row.source.toUtf8());
        Converter c = converter(QString::fromLatin1(row.type));
        const RunReport report = runConversion(c, {p("in/r.xml")}, {false, true, p("out")});
        EXPECT_EQ((report.complete() ? QString() : report.problemsText()).toStdString(),
                  QString(row.report).replace(u'@', p("in/r.xml")).toStdString());
        if (row.converted.isEmpty())
            continue;
        const QString written = QString::fromUtf8(readFile(u"out/r.xml"_s));
        EXPECT_EQ(QString(written).replace(QRegularExpression(u">\\s+<"_s), u"><"_s).remove(u'\r').toStdString(),
                  (row.converted + u'\n').toStdString());
        if (lomLoose && QLatin1String(row.type) == "Metadata"_L1) {
            EXPECT_EQ(verdict(*lomLoose, p("out/r.xml")), "valid");
        }
    }
}

// A source written over keeps its mode, and its backup takes that mode.
TEST_F(Engine, ABackupTakesItsSourcesMode)
{
    using P = QFileDevice;
    const P::Permissions notUser = ~P::Permissions(P::ReadUser | P::WriteUser | P::ExeUser);
    for (const P::Permissions mode : {P::ReadOwner | P::WriteOwner | P::ExeOwner, P::ReadOwner | P::WriteOwner}) {
        writeFile(u"in/m.xml"_s, kRecord12);
        QFile::remove(p("in/m.xml.bak"));
        ASSERT_TRUE(QFile::setPermissions(p("in/m.xml"), mode));
        EXPECT_EQ(run({p("in/m.xml")}, {true, false, {}}).files.at(0).failure, QString());
        for (const char *file : {"in/m.xml", "in/m.xml.bak"})
            EXPECT_EQ(QFile::permissions(p(file)) & notUser, mode) << file;
    }
}

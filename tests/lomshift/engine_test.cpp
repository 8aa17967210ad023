#include "support/testmain.h"

#include "lomshift/chkerror.h"
#include "lomshift/common.h"
#include "lomshift/engine.h"
#include "model2004/reader2004.h"
#include "platform/programfolder.h"
#include "platform/schema_support.h"
#include "shared/metadataheader.h"

#include <QDir>

using namespace ts;
using namespace ts::lomshift;
using ts::test::sharedDir;
using ts::test::testData;

namespace {

QTime fixedClock() { return QTime(15, 4, 5); }

class Engine : public ts::test::ProgramFolderTest {
protected:
    Conversion convert(const QString &file, const QString &type = QStringLiteral("Metadata"))
    {
        Converter converter(type, programPath(stylesheetFor(type)), fixedClock);
        return converter.doConversion(file);
    }
};

// The IEEE LOM or manifest schema of the shared folder, under the namespace of the converted root.
std::shared_ptr<SchemaCache> referenceSchema(const QString &ns, const QString &relative)
{
    if (!ts::test::schema::referenceJudge())
        return nullptr;
    auto cache = std::make_shared<SchemaCache>();
    QString reason;
    xmlSetStructuredErrorFunc(nullptr, [](void *, xmlErrorPtr) {});
    EXPECT_TRUE(cache->add(ns, sharedDir() + QLatin1Char('/') + relative, &reason)) << reason.toStdString();
    xmlSetStructuredErrorFunc(nullptr, nullptr);
    return cache;
}

QString verdict(const SchemaCache &cache, const QString &text)
{
    XmlDocument doc;
    if (!doc.loadXML(text))
        return QStringLiteral("not parsed: ") + doc.parseError().reason;
    ParseError error;
    return cache.validate(doc.raw(), error) ? QStringLiteral("valid")
                                            : QStringLiteral("line %1: %2").arg(error.line).arg(error.reason);
}

QStringList xmlFiles(const QString &folder)
{
    QStringList out;
    for (const QString &name : QDir(folder).entryList({QStringLiteral("*.xml")}, QDir::Files, QDir::Name))
        out << folder + QLatin1Char('/') + name;
    return out;
}

} // namespace

// What tagsmith's SCORM 2004 reader finds in each converted record: the title, the start of the description,
// the size and the location.
TEST_F(Engine, EveryRecordOfOursAndOfTheSamplesConvertsToValidLomThatTheReaderOpens)
{
    const struct {
        const char *file;
        const char *title, *description, *size, *location;
    } full = {"*_full.xml", "Cells & Tissues", "An introduction to the cell.", "20480", "lessons/cell.html"},
      sparse = {"*_sparse.xml", "Cell Walls", "", "", ""}, expected[] = {
                                                             {"template_defaults.xml", "", "", "", ""},
                                                             {"a03_corporate-course_imsmetadata.xml", "SOX", "SOX", "", "."},
                                                             {"a04_template_imsmetadata.xml", "CPC BD EN", "", "", "."},
                                                             {"a06_cancore-pool-example_CR-line-endings.xml",
                                                              "{{ site.title }}", "This course deals with personnel", "",
                                                              "http://www.algonquincollege.com/distance/certfs.html"},
                                                         };
    const auto lomLoose = referenceSchema(QString::fromLatin1(kLomNamespace), QStringLiteral("schemas/scorm2004_4ed/lomLoose.xsd"));
    QStringList files = xmlFiles(testData(QStringLiteral("writer12")));
    if (lomLoose)
        files << xmlFiles(sharedDir() + QStringLiteral("/samples/imsmd12"));
    for (const QString &file : files) {
        SCOPED_TRACE(file.toStdString());
        const QString name = QFileInfo(file).fileName();
        const auto *row = name.endsWith(QLatin1String("_full.xml")) ? &full : name.endsWith(QLatin1String("_sparse.xml")) ? &sparse : nullptr;
        for (const auto &e : expected)
            row = name == QLatin1String(e.file) ? &e : row;
        ASSERT_TRUE(row);
        const Conversion c = convert(file);
        ASSERT_TRUE(c.converted()) << c.failure.toStdString();
        EXPECT_TRUE(c.keptDates.isEmpty());
        if (lomLoose) {
            EXPECT_EQ(verdict(*lomLoose, c.text), QStringLiteral("valid"));
        }
        // Opened as tagsmith opens a SCORM 2004 file.
        Notices notices;
        const auto stripped = stripHeader(c.text, notices);
        ASSERT_TRUE(stripped && isScorm2004Document(c.text));
        XmlDocument doc;
        ASSERT_TRUE(doc.loadXML(stripped->text));
        Record2004 record;
        EXPECT_TRUE(parseMetadata2004(doc, record, notices));
        EXPECT_TRUE(notices.isEmpty());
        EXPECT_EQ(record.titleText, QString::fromUtf8(row->title));
        EXPECT_EQ(record.courseDescription.left(qstrlen(row->description)), QString::fromUtf8(row->description));
        EXPECT_EQ(record.courseDescription.isEmpty(), !*row->description);
        EXPECT_EQ(record.txtSize, QString::fromUtf8(row->size));
        EXPECT_EQ(record.locationText, QString::fromUtf8(row->location));
    }
    EXPECT_TRUE(dialogs.calls().isEmpty());
}

TEST_F(Engine, BothSampleManifestsConvertToValidScorm2004Manifests)
{
    const auto driver = referenceSchema(QStringLiteral("http://www.imsglobal.org/xsd/imscp_v1p1"),
                                        QStringLiteral("schemas/drivers/scorm2004_manifest_driver.xsd"));
    if (!driver)
        GTEST_SKIP() << "The shared folder with the reference schemas is absent.";
    const QStringList files = xmlFiles(sharedDir() + QStringLiteral("/samples/manifests"));
    ASSERT_EQ(files.size(), 2);
    for (const QString &file : files) {
        SCOPED_TRACE(file.toStdString());
        const Conversion c = convert(file, QStringLiteral("Manifest"));
        ASSERT_TRUE(c.converted()) << c.failure.toStdString();
        EXPECT_EQ(verdict(*driver, c.text), QStringLiteral("valid"));
        EXPECT_TRUE(c.text.startsWith(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<manifest ")));
    }
}

TEST_F(Engine, TheHeadReplacesEverythingBeforeTheFirstMarker)
{
    const QString head = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<lom xmlns=\"http://ltsc.ieee.org/xsd/LOM\">");
    const struct {
        const char *output, *result;
        bool box;
    } rows[] = {
        {"<?xml version=\"1.0\"?>\n<lom xmlns=\"a\" xmlns:b=\"b\" xmlns:c=\"c\">\n  <!--Generated x--><general/></lom>",
         "<!--Generated x--><general/></lom>", false},
        {"<lom><!--Generated 1--><!--Generated 2--></lom>", "<!--Generated 1--><!--Generated 2--></lom>", false},
        {"<lom><general/></lom>", nullptr, true},
        {"", nullptr, false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.output);
        dialogs.clear();
        EXPECT_EQ(replaceHeader(QString::fromUtf8(row.output)), row.result ? head + QString::fromUtf8(row.result) : QString());
        ASSERT_EQ(dialogs.calls().size(), row.box ? 1 : 0);
        if (row.box) {
            EXPECT_EQ(dialogs.calls().at(0).text, QStringLiteral("Invalid procedure call or argument in replaceHeader"));
            EXPECT_EQ(dialogs.calls().at(0).title, QStringLiteral("Error5"));
        }
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
        {"29/2/2004", QTime(1, 2, 3), "2004-02-29T01:02:03.000Z"},
        {"29/2/2005", QTime(1, 2, 3), ""},
        {"7.3.2004", QTime(1, 2, 3), ""},
        {"2004\\3\\7", QTime(1, 2, 3), ""},
        {"2004-3/7", QTime(1, 2, 3), ""},
        {"07/03/04", QTime(1, 2, 3), ""},
        {"2004-03-07T10:00:00", QTime(1, 2, 3), ""},
    };
    for (const auto &row : rows)
        EXPECT_EQ(convertDate(QString::fromLatin1(row.value), row.time), QString::fromLatin1(row.result)) << row.value;
}

TEST(Dates, OnlyDateValuesAreRewrittenEachAtItsOwnTime)
{
    XmlDocument doc;
    ASSERT_TRUE(doc.loadXML(QStringLiteral(
        "<lom xmlns='http://ltsc.ieee.org/xsd/LOM'><date><dateTime>7/3/2004</dateTime></date>"
        "<other><dateTime>7/3/2004</dateTime></other><date><dateTime>2004-03-07T10:00:00.5Z</dateTime></date>"
        "<date><dateTime>2004</dateTime></date><date><dateTime>7.3.2004</dateTime></date>"
        "<date xmlns='urn:x'><dateTime>7/3/2004</dateTime></date><date><dateTime>2026-12-8</dateTime></date></lom>")));
    int seconds = 0;
    EXPECT_EQ(rewriteDates(doc, [&seconds] { return QTime(8, 0, seconds++); }), QStringList{QStringLiteral("7.3.2004")});
    EXPECT_EQ(doc.documentElement().xml().toStdString(),
              std::string("<lom xmlns=\"http://ltsc.ieee.org/xsd/LOM\"><date><dateTime>2004-03-07T08:00:00.000Z</dateTime></date>"
                             "<other><dateTime>7/3/2004</dateTime></other><date><dateTime>2004-03-07T10:00:00.5Z</dateTime></date>"
                             "<date><dateTime>2004</dateTime></date><date><dateTime>7.3.2004</dateTime></date>"
                             "<date xmlns=\"urn:x\"><dateTime>7/3/2004</dateTime></date>"
                             "<date><dateTime>2026-12-08T08:00:01.000Z</dateTime></date></lom>"));
}

// Files that are not converted, each with the reason given and the boxes shown on the way.
TEST_F(Engine, WhatCannotBeConvertedIsRefusedWithItsReason)
{
    const QByteArray record12 = "<lom xmlns='http://www.imsglobal.org/xsd/imsmd_rootv1p2p1'><general/></lom>";
    const QByteArray sheet = "<xsl:stylesheet version='1.0' xmlns:xsl='http://www.w3.org/1999/XSL/Transform'>"
                             "<xsl:template match='/'>%1</xsl:template></xsl:stylesheet>";
    const struct {
        const char *type;
        QByteArray file;       // empty: no such file
        QByteArray stylesheet; // the template's body; empty: the program's stylesheet
        const char *failure;
        QStringList boxes;
    } rows[] = {
        {"Metadata", "", "", "It could not be read as XML: ", {}},
        {"Metadata", "<lom>", "", "It could not be read as XML: line 1, position 6: ", {}},
        {"Metadata", "<lom xmlns='http://ltsc.ieee.org/xsd/LOM'><general/></lom>", "", "It is not a SCORM 1.2 metadata record.", {}},
        {"Manifest", record12, "", "It is not a SCORM 1.2 content package manifest.", {}},
        {"Metadata", record12, "<lom><general/></lom>", "The stylesheet's output lacks the comment that marks it.",
         {QStringLiteral("Error5")}},
        {"Manifest", record12, "<manifest><general/></manifest>", "The stylesheet's output lacks the comment that marks it.",
         {QStringLiteral("Error5")}},
        {"Metadata", record12, "<manifest><xsl:comment>Generated</xsl:comment></manifest>",
         "The converted document is not well-formed: line 2, ", {}},
        {"Manifest", record12, "<lom><xsl:comment>Generated</xsl:comment></lom>",
         "The converted document's root is <lom> in the namespace \"\", not <manifest> in "
         "\"http://www.imsglobal.org/xsd/imscp_v1p1\".",
         {}},
        {"Metadata", record12, "<xsl:message terminate='yes'>broken</xsl:message>", "The stylesheet failed on it: ",
         {QString(), QString()}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.failure);
        dialogs.clear();
        const QString stylesheet = path(QStringLiteral("xsl/test.xsl"));
        if (!row.stylesheet.isEmpty())
            writeFile(QStringLiteral("xsl/test.xsl"), QString::fromUtf8(sheet).arg(QString::fromUtf8(row.stylesheet)).toUtf8());
        if (!row.file.isEmpty())
            writeFile(QStringLiteral("source.xml"), row.file);
        dialogs.answer(Answer::Retry);
        dialogs.answer(Answer::Cancel);
        Converter converter(QString::fromLatin1(row.type), row.stylesheet.isEmpty() ? programPath(stylesheetFor(QString::fromLatin1(row.type))) : stylesheet);
        const Conversion c = converter.doConversion(path(row.file.isEmpty() ? QStringLiteral("missing.xml") : QStringLiteral("source.xml")));
        EXPECT_FALSE(c.converted());
        EXPECT_TRUE(c.failure.startsWith(QString::fromUtf8(row.failure))) << c.failure.toStdString();
        QStringList titles;
        for (const DialogCall &call : dialogs.calls())
            titles << (call.title == appTitle() ? QString() : call.title);
        EXPECT_EQ(titles, row.boxes);
        QFile::remove(path(QStringLiteral("source.xml")));
    }
    // A stylesheet's failure asks to retry it, in a box that names it.
    EXPECT_EQ(dialogs.calls().at(0).buttons, Buttons::RetryCancel);
    EXPECT_TRUE(dialogs.calls().at(0).text.startsWith(QStringLiteral("Run-time error in transformXML ")));
    EXPECT_TRUE(dialogs.calls().at(0).text.contains(QStringLiteral("\r\nbroken\r\nOccurred in ")));
    dialogs.clear();
    // A missing stylesheet is reported once for the run; every file then fails.
    Converter converter(QStringLiteral("Metadata"), path(QStringLiteral("xsl/none.xsl")));
    writeFile(QStringLiteral("source.xml"), record12);
    for (int i = 0; i < 2; ++i)
        EXPECT_TRUE(converter.doConversion(path(QStringLiteral("source.xml"))).failure.startsWith(QStringLiteral("The stylesheet ")));
    ASSERT_EQ(dialogs.calls().size(), 1);
    EXPECT_EQ(dialogs.calls().at(0).title, QStringLiteral("Error75"));
}

TEST(ErrorReporter, NamesTheErrorAndTheProcedure)
{
    const struct {
        int number;
        const char *procedure, *text;
    } rows[] = {
        {5, "replaceHeader", "Invalid procedure call or argument in replaceHeader"},
        {6, "doConversion", "Overflow in doConversion"},
        {1036, "initVars", "Unknown Error in initVars"},
        {55, "doCleanup", "Unknown error in doCleanup"},
        {1001, "changeState", "Out of memory in changeState"},
        {1042, "reloadWizard", " Must be first statement on the line in reloadWizard"},
        {-1, "checkTabContent", "Unknown Error in checkTabContent"},
        {75, "openXMLDoc", "Path/File access error in openXMLDoc\rTry reinstalling the program.\rReasons:\rFile renamed\r"
                           "File deleted / moved form install directory\rFile not installed\rFile Read Only"},
    };
    ScriptedDialogs dialogs;
    setDialogs(&dialogs);
    for (const auto &row : rows) {
        chkError(row.number, QString::fromLatin1(row.procedure));
        ASSERT_FALSE(dialogs.calls().isEmpty());
        EXPECT_EQ(dialogs.calls().last().text, QString::fromLatin1(row.text));
        EXPECT_EQ(dialogs.calls().last().title, QStringLiteral("Error%1").arg(row.number));
        EXPECT_EQ(dialogs.calls().last().icon, Icon::None);
    }
    chkError(0, QStringLiteral("doConversion"));
    EXPECT_EQ(dialogs.calls().size(), std::size(rows));
    setDialogs(nullptr);
}

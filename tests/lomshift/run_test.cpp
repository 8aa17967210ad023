#include "support/testmain.h"

#include "lomshift/common.h"
#include "lomshift/run.h"
#include "platform/programfolder.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFile>

using namespace ts;
using namespace ts::lomshift;

namespace {

const QByteArray kRecord12 = "<lom xmlns='http://www.imsglobal.org/xsd/imsmd_rootv1p2p1'><general/></lom>";

class Run : public ts::test::ProgramFolderTest {
protected:
    RunReport run(const QStringList &relatives, const Target &target, const QString &stylesheet = {})
    {
        Converter converter(QStringLiteral("Metadata"),
                            stylesheet.isEmpty() ? programPath(stylesheetFor(QStringLiteral("Metadata"))) : stylesheet,
                            [] { return QTime(15, 4, 5); });
        QStringList files;
        for (const QString &relative : relatives)
            files << (QDir::isAbsolutePath(relative) ? relative : path(relative));
        return runConversion(converter, files, target);
    }
};

} // namespace

// The file written, byte for byte: UTF-8, every line ending in carriage return and line feed, the LOM head
// and the dates as LOM dates.
TEST_F(Run, WritesTheConvertedRecordAsTheGoldenFile)
{
    QDir().mkpath(path(QStringLiteral("out")));
    const RunReport report =
        run({ts::test::testData(QStringLiteral("writer12/aggregation_optional_full.xml"))}, {false, true, path(QStringLiteral("out"))});
    EXPECT_TRUE(report.complete());
    QFile golden(ts::test::testData(QStringLiteral("lomshift/aggregation_optional_full.xml")));
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
    EXPECT_EQ(readFile(QStringLiteral("out/aggregation_optional_full.xml")), golden.readAll());
}

TEST_F(Run, OverwritingKeepsABackupAndAFailedWriteKeepsTheOriginal)
{
    writeFile(QStringLiteral("in/r.xml"), kRecord12);
    writeFile(QStringLiteral("in/r.xml.bak"), "older backup");
    writeFile(QStringLiteral("in/s.xml"), kRecord12);
    failNextWrite(QStringLiteral("in/s.xml"), 10);
    // A file listed twice is converted once; a folder that is the source's own keeps its backup too.
    RunReport report = run({QStringLiteral("in/r.xml"), QStringLiteral("in/s.xml"), QStringLiteral("in/r.xml")},
                           {true, false, {}});
    ASSERT_EQ(report.files.size(), 2);
    EXPECT_EQ(report.files.at(0).written, QStringList{path(QStringLiteral("in/r.xml"))});
    EXPECT_EQ(readFile(QStringLiteral("in/r.xml.bak")), "older backup");
    EXPECT_EQ(readFile(QStringLiteral("in/r.xml.bak2")), kRecord12);
    EXPECT_TRUE(readFile(QStringLiteral("in/r.xml")).contains("<lom xmlns=\"http://ltsc.ieee.org/xsd/LOM\">"));
    EXPECT_EQ(report.files.at(1).failure, QStringLiteral("It could not be written over: No space left on device"));
    EXPECT_EQ(readFile(QStringLiteral("in/s.xml")), kRecord12);
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("in/s.xml.bak"))));

    report = run({QStringLiteral("in/s.xml")}, {false, true, path(QStringLiteral("in"))});
    EXPECT_TRUE(report.complete());
    EXPECT_EQ(readFile(QStringLiteral("in/s.xml.bak")), kRecord12);
}

TEST_F(Run, DatesThatReadAsNoDateAreKeptAndNamed)
{
    writeFile(QStringLiteral("xsl/dates.xsl"),
              "<xsl:stylesheet version='1.0' xmlns:xsl='http://www.w3.org/1999/XSL/Transform' "
              "xmlns='http://ltsc.ieee.org/xsd/LOM'><xsl:template match='/'><lom><xsl:comment>Generated</xsl:comment>"
              "<date><dateTime>7.3.2004</dateTime></date></lom></xsl:template></xsl:stylesheet>");
    writeFile(QStringLiteral("in/d.xml"), kRecord12);
    RunReport report = run({QStringLiteral("in/d.xml")}, {true, false, {}}, path(QStringLiteral("xsl/dates.xsl")));
    EXPECT_FALSE(report.complete());
    EXPECT_EQ(report.problemsText(),
              QStringLiteral("Metadata Created but process had errors.\rYour data may not be converted correctly.\r\r%1: "
                             "converted, but these values were left as they were, being no date: 7.3.2004")
                  .arg(path(QStringLiteral("in/d.xml"))));
    EXPECT_TRUE(readFile(QStringLiteral("in/d.xml")).contains("<dateTime>7.3.2004</dateTime>"));

    report = run({QStringLiteral("in/missing.xml")}, {true, false, {}});
    EXPECT_TRUE(report.problemsText().startsWith(QStringLiteral("No file was converted.\r\r%1: not converted. ")
                                                     .arg(path(QStringLiteral("in/missing.xml")))));
}

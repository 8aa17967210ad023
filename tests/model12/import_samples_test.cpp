#include "support/testmain.h"

#include "fixtures12.h"
#include "reader_support.h"

#include "model12/import12.h"

#include <QDir>

using namespace ts;

namespace {

class ImportSamples : public ts::test::ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        if (ts::test::sharedDir().isEmpty())
            GTEST_SKIP() << "The shared folder with the sample metadata files is absent.";
    }
    QString sample(const QString &relative) const
    {
        return ts::test::sharedDir() + QStringLiteral("/samples/") + relative;
    }
};

TEST_F(ImportSamples, RecordsOfOtherToolsReachTheRecord)
{
    struct Expected {
        const char *file;
        QString title;
        QString description;
        QString keywords;
        QStringList contributors;
        QString metadataAuthors;
        QString metadataOrganizations;
        QStringList classifications;
        QStringList notices; // what each opening names that the record does not hold (the classifications keep
                             // their languages)
    };
    const Expected samples[] = {
        {"a03_corporate-course_imsmetadata.xml", "SOX", "SOX", "SOX", {",Author"}, "", "", {"1"},
         {"The export writes its own metadata schemas. Metadata schemas of your imported file that are not kept: "
          "<metametadata> metadatascheme: \"ADL SCORM 1.2\""}},
        {"a04_template_imsmetadata.xml", "CPC BD EN", "", "", {",Author"}, "", "", {"1"},
         {"The export writes its own metadata schemas. Metadata schemas of your imported file that are not kept: "
          "<metametadata> metadatascheme: \"ADL SCORM 1.2\""}},
        {"a06_cancore-pool-example_CR-line-endings.xml",
         "{{ site.title }}",
         "This course deals with personnel functions, including concepts, principles and practices; techniques of "
         "personnel administration (roles, staffing, human resources, employee development and incentives for "
         "effective performance); and management's responsibility in personnel administration.",
         "",
         {"Algonquin College,Publisher"},
         "Fisher;Sue",
         "POOL Project",
         {"1", "2"},
         {"Each of these fields holds one value. Repeated elements left out of your imported file: <general> "
          "catalogentry: \"URI http://www.algonquincollege.com/distance/certfs.html\"; <metametadata> contribute/role: "
          "\"Creator\"\r\rThe export writes its own dates and date descriptions. Dates of your imported file that are "
          "not kept: <metametadata> contribute/date: 2001-02-01\r\rThe export writes its own metadata schemas. "
          "Metadata schemas of your imported file that are not kept: <metametadata> metadatascheme: \"CanCore 1.0\", "
          "\"IEEELOM:1.0\""}},
    };
    const QStringList files = QDir(sample(QStringLiteral("imsmd12"))).entryList({QStringLiteral("*.xml")}, QDir::Files);
    ASSERT_EQ(files.size(), std::size(samples)) << "a sample without expectations";
    for (const Expected &e : samples) {
        SCOPED_TRACE(e.file);
        const ImportResult result =
            importMetadataFile(sample(QStringLiteral("imsmd12/") + QLatin1String(e.file)), clearedRecord12());
        EXPECT_TRUE(result.ok);
        QStringList notices;
        for (const Notice &n : result.notices)
            notices << n.text;
        EXPECT_EQ(notices.join("\n").toStdString(), e.notices.join("\n").toStdString());
        EXPECT_EQ(result.record.titleText, e.title);
        EXPECT_EQ(result.record.courseDescription, e.description);
        EXPECT_EQ(result.record.keywordsText, e.keywords);
        EXPECT_EQ(result.record.lstFiles, e.contributors);
        EXPECT_EQ(result.record.metadataAuthorsText, e.metadataAuthors);
        EXPECT_EQ(result.record.metadataOrganizations, e.metadataOrganizations);
        EXPECT_EQ(result.record.lstClassification, e.classifications);
    }
}

TEST_F(ImportSamples, CarriageReturnLineEndsBecomeCarriageReturnLineFeedInTheFragments)
{
    const ImportResult result = importMetadataFile(
        sample(QStringLiteral("imsmd12/a06_cancore-pool-example_CR-line-endings.xml")), clearedRecord12());
    ASSERT_EQ(result.record.lstClassification.size(), 2);
    const QByteArray second = readFile(QStringLiteral("temp12/2.xml"));
    EXPECT_TRUE(second.startsWith("<classification>\r\n\r\n\t\t<purpose>\r\n"));
    EXPECT_TRUE(second.endsWith("</taxonpath>\r\n\r\n\t</classification>\r\n"));
    EXPECT_FALSE(QByteArray(second).replace("\r\n", "").contains('\r'));
}

TEST_F(ImportSamples, EveryOtherSampleIsReadWithoutHarm)
{
    for (const QString &folder : {QStringLiteral("lom"), QStringLiteral("manifests")}) {
        const QDir dir(sample(folder));
        for (const QString &file : dir.entryList({QStringLiteral("*.xml")}, QDir::Files)) {
            SCOPED_TRACE(file.toStdString());
            const QByteArray before = ts::test::readBytes(dir.filePath(file));
            const ImportResult result = importMetadataFile(dir.filePath(file), clearedRecord12());
            EXPECT_EQ(ts::test::readBytes(dir.filePath(file)), before);
            for (const Notice &notice : result.notices)
                EXPECT_FALSE(notice.text.isEmpty());
        }
    }
}

} // namespace

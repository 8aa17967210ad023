#include "support/testmain.h"

#include "reader2004_support.h"

#include "model2004/reader2004.h"

#include <QDir>

using namespace ts;
using ts::test::info;

namespace {

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
         QString::fromUtf8("Golf ExplainedExplic\u00f3 Golf"),
         "A high level overview of the sport of golf. This course describes how\n        to play golf, how to use a "
         "golf handicap, the etiquette of golfing and how to have fun while\n        playing.",
         "golf,golf etiquette,golf handicap",
         {golfCard + ",publisher", "Wikipedia,content provider"},
         {golfCard + ",creator"},
         {"1"},
         {}},
        {"b02_golf2004_metadata_organization.xml",
         "",
         "A description of the default organization in the golf metadata couse. If more than one organization was "
         "defined in this manifest, this metadata would be useful in allowing someone to distinguish among them.",
         "",
         {},
         {},
         {},
         {}},
        {"b04_lom-in-scorm12-package_wrong-case.xml",
         "MCtesting",
         "A test of the course packaging module",
         "scorm,test,course",
         {"Firstname Lastname,", "Firstname Lastname,Author", "Firstname Lastname,Publisher",
          "Firstname Lastname,Technical Implementer"},
         {},
         {},
         {info("Unsupported element found in your imported file <technical>: pkgprop:ScormEnginePackageProperties"),
          info("Unsupported element found in your imported file <lom>: metametadata")}},
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

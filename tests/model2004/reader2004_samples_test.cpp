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

// The complete sample record: every category the editor holds, in the forms other tools write them (a
// duration without all its designators, an age range in words, a browser with a maximum version).
TEST_F(Reader2004Samples, CompleteRecordFillsEveryCategory)
{
    const ImportResult2004 result = importMetadataFile2004(
        ts::test::sharedDir() + QStringLiteral("/samples/lom/b01_golf2004_metadata_course.xml"),
        ts::test::clearedRecord2004());
    // The general texts and the lists are the other test's.
    QStringList fields = ts::test::changedFields(result.record);
    fields.removeIf([](const QString &line) {
        for (const char *shown : {"titleText=", "courseDescription=", "keywordsText=", "lst"})
            if (line.startsWith(QLatin1String(shown)))
                return true;
        return false;
    });
    const QStringList expected = {
        "catalogText=URI",
        "catalogEntryText=com.scorm.golfsamples.contentpackaging.metadata.20043rd",
        "txtCoverage=Current time. Applicable to the entire world, but focused on the US\n        and UK.",
        "cboStructure=hierarchical",
        "cboAggregationLevel=1",
        "versionText=1.0",
        "lifecycleStatusCombo=final",
        "txtSize=516096",
        "cboMinDuration=10",
        "txtDuration=PT10M",
        "browserCombo=ms explorer 5.x or Higher",
        "locationText=http://www.scorm.com",
        "installationRemarks=Nothing to it, just put the file out there.",
        "otherRequirements=This course has been tested in Firefox and IE and also on Windows and\n        on a Mac.",
        "htmlCheck=true",
        "javascriptCheck=true",
        "otherContentTypeText=image/jpeg,image/png,text/css",
        "interactivityTypeCombo=expositive",
        "interactivityLevelCombo=very low",
        "cboEduDifficulty=very easy",
        "endUserCombo=learner",
        "cboContext=training",
        "cboSemanticDensity=medium",
        "selfAssessmentCheck=true",
        "narrativeTextCheck=true",
        "usageDescription=This course should be used to provide people with a new interest in golf an overview\n"
        "        of the game. It does not provide instruction on how to swing a club or any other athletic\n"
        "        advice. It is purely an overview of the concepts of the game.",
        "cboMinAge=Age 7 to 90",
        "txtTypicalAgeRange=Age 7 to 90",
        "cboMin=10",
        "txtTypicalTime=PT10M",
        "usageConditionsText=This content may be freely distributed subject to the Creative Commons Attribution "
        "3.0\n        United States License.",
        "relationshipCombo=Is Based on Resource Named Below",
        "otherResourceText=This course was derived from the Single SCO golf example from\n          Rustici "
        "Software.",
        "authorText=Mike Rustici",
        "annotationText=Learners will need to understand that golf is a sport.",
    };
    EXPECT_EQ(fields, expected);
}

} // namespace

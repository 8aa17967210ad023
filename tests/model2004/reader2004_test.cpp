#include "support/testmain.h"

#include "model2004/reader2004.h"

#include <QFile>

using namespace ts;

namespace {
class Reader2004 : public ts::test::ProgramFolderTest {};
} // namespace

TEST_F(Reader2004, FillsTheRecordAndStoresTheClassifications)
{
    QFile file(ts::test::testData(QStringLiteral("open/lom2004.xml")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    XmlDocument doc;
    ASSERT_TRUE(doc.loadXML(QString::fromUtf8(file.readAll())));
    Record2004 record;
    Notices notices;
    EXPECT_TRUE(parseMetadata2004(doc, record, notices));

    Record2004 expected;
    expected.titleText = QStringLiteral("Fractions for Beginners");
    expected.courseDescription = QStringLiteral("Adding & subtracting fractions.");
    expected.txtSize = QStringLiteral("2048");
    expected.locationText = QStringLiteral("lesson1.html");
    expected.lstClassification = {QStringLiteral("1")};
    EXPECT_TRUE(record == expected);
    EXPECT_TRUE(notices.isEmpty());
    EXPECT_TRUE(readFile(QStringLiteral("temp/1.xml")).startsWith("<classification"));
}

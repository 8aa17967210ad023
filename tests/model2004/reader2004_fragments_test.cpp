#include "support/testmain.h"

#include "reader2004_support.h"

#include "model2004/reader2004.h"

using namespace ts;
using ts::test::changedFields;
using ts::test::info;
using ts::test::reader2004Data;

namespace {

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
                        "<keyword><string>algebra</string></keyword><keyword><string>geometry</string></keyword>"
                        "<!-- x --><rating/></classification>"),
         true,
         {"classificationCombo=discipline", "classificationKeywordsText=algebra,geometry", "txtTaxonSource=Levels",
          "lstTaxon=001,Algebra, linear | ,No id | 003,Geometry | L1,One"},
         {info("Unsupported element found in your imported file <classification>: rating")}},
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

} // namespace

#include "support/testmain.h"

#include "fixtures12.h"

#include "model12/buildxml.h"

#include <QDir>

using namespace ts;
using namespace ts::test;

namespace {
const XmlConstants12 kC = initXMLConstants(QStringLiteral("x-none"));
}

TEST(BuildXml12, ConstantsAndOneLineBuilders)
{
    EXPECT_EQ(kC.xmlNewLine, QStringLiteral("\r\n"));
    EXPECT_EQ(kC.langStringTag, QStringLiteral("<langstring xml:lang=\"x-none\">"));
    EXPECT_EQ(kC.langStringTagNone, QStringLiteral("<langstring xml:lang=\"x-none\">"));
    // The taxon tag keeps "x-none" whatever the language code; the others follow it, escaped as an attribute.
    const XmlConstants12 en = initXMLConstants(QStringLiteral("en\"x"));
    EXPECT_EQ(en.langStringTag, QStringLiteral("<langstring xml:lang=\"en&quot;x\">"));
    EXPECT_EQ(en.langStringTagNone, QStringLiteral("<langstring xml:lang=\"x-none\">"));

    // One unit more than the level says: level 4 begins with 15 blanks.
    EXPECT_EQ(buildSourceXML(QStringLiteral("LOMv1.0"), 4, kC),
              QStringLiteral("               <source><langstring xml:lang=\"x-none\">LOMv1.0</langstring>"
                             "</source>\r\n"));
    EXPECT_EQ(buildValueXML(QStringLiteral("R&D"), 0, kC),
              QStringLiteral("   <value><langstring xml:lang=\"x-none\">R&amp;D</langstring></value>\r\n"));
    EXPECT_EQ(indent12(0), QString());
    EXPECT_EQ(indent12(3), QStringLiteral("         "));
}

TEST(BuildXml12, ContributeBlocksOnePerContributorWithTheLifecycleDate)
{
    EXPECT_EQ(buildContributeXML({}, QStringLiteral("2026-11-30"), kC), QString());
    const QString one =
        buildContributeXML({QStringLiteral("  Smith & Co ,Publisher")}, QStringLiteral("2026-11-30"), kC);
    EXPECT_EQ(one, crlf({
                       "      <contribute>",
                       "            <role>",
                       "               <source>",
                       "                  <langstring xml:lang=\"x-none\">LOMv1.0</langstring>",
                       "               </source>",
                       "               <value>",
                       "                  <langstring xml:lang=\"x-none\">Publisher</langstring>",
                       "               </value>",
                       "            </role>",
                       "            <centity>",
                       "               <vcard>",
                       "                  begin:vcard",
                       "                  fn: Smith &amp; Co",
                       "                  end:vcard",
                       "               </vcard>",
                       "            </centity>",
                       "            <date>",
                       "               <datetime>2026-11-30</datetime>",
                       "               <description>",
                       "                  <langstring xml:lang=\"x-none\">Date Description</langstring>",
                       "               </description>",
                       "            </date>",
                       "      </contribute>",
                   }));
    const QString two = buildContributeXML({QStringLiteral("A,Author"), QStringLiteral("B,Editor")}, QString(), kC);
    EXPECT_EQ(two.count(QStringLiteral("<contribute>")), 2);
    EXPECT_LT(two.indexOf(QStringLiteral("fn: A\r\n")), two.indexOf(QStringLiteral("fn: B\r\n")));
    EXPECT_EQ(two.count(QStringLiteral("<datetime></datetime>")), 2);
    // Role and date are escaped like every value.
    EXPECT_TRUE(buildContributeXML({QStringLiteral("A,R<1>")}, QStringLiteral("a&b"), kC)
                    .contains(QStringLiteral(">R&lt;1&gt;</langstring>")));
    EXPECT_TRUE(buildContributeXML({QStringLiteral("A,R")}, QStringLiteral("a&b"), kC)
                    .contains(QStringLiteral("<datetime>a&amp;b</datetime>")));
}

TEST(BuildXml12, TaxonPathsAreWholePathsOnePerTaxon)
{
    EXPECT_EQ(buildTaxonPathXML(QStringLiteral("Dewey"), {}, kC), QString());
    const QString two =
        buildTaxonPathXML(QStringLiteral("Dewey"), {QStringLiteral("1,Math"), QStringLiteral("2,Algebra")}, kC);
    const QString block = crlf({
        "      <taxonpath>",
        "         <source>",
        "            <langstring xml:lang=\"x-none\">Dewey</langstring>",
        "         </source>",
        "         <taxon>",
        "            <id>%1</id>",
        "            <entry>",
        "               <langstring xml:lang=\"x-none\">%2</langstring>",
        "            </entry>",
        "         </taxon>",
        "      </taxonpath>",
    });
    EXPECT_EQ(two, block.arg(QStringLiteral("1"), QStringLiteral("Math")) +
                       block.arg(QStringLiteral("2"), QStringLiteral("Algebra")));
    EXPECT_TRUE(buildTaxonPathXML(QStringLiteral("A&B"), {QStringLiteral("<1>,x&y")}, kC)
                    .contains(QStringLiteral("A&amp;B</langstring>")));
    EXPECT_TRUE(buildTaxonPathXML(QStringLiteral("s"), {QStringLiteral("<1>,x&y")}, kC)
                    .contains(QStringLiteral("<id>&lt;1&gt;</id>")));
}

TEST(BuildXml12, ClassificationKeywordsAndTaxonPaths)
{
    Record12 r = classificationRecord();
    r.classificationKeywordsText = QStringLiteral(" a ,,b ,");
    const QString text = classificationXML12(r, false, QStringLiteral("x-none"));
    EXPECT_EQ(text.count(QStringLiteral("<keyword>")), 4);
    EXPECT_TRUE(text.contains(crlf({"      <keyword>", "         <langstring xml:lang=\"x-none\">a</langstring>",
                                    "      </keyword>", "      <keyword>",
                                    "         <langstring xml:lang=\"x-none\"></langstring>", "      </keyword>",
                                    "      <keyword>", "         <langstring xml:lang=\"x-none\">b</langstring>"})));
    r.classificationKeywordsText.clear();
    EXPECT_FALSE(classificationXML12(r, false, QStringLiteral("x-none")).contains(QStringLiteral("<keyword>")));
    // The minimum categories leave taxon paths out even when taxa are listed.
    EXPECT_FALSE(classificationXML12(r, true, QStringLiteral("x-none")).contains(QStringLiteral("taxonpath")));
    EXPECT_EQ(classificationXML12(r, false, QStringLiteral("x-none")).count(QStringLiteral("<taxonpath>")), 2);
    r.classificationCombo = QStringLiteral("Idea & Skill");
    EXPECT_TRUE(classificationXML12(r, true, QStringLiteral("x-none")).contains(QStringLiteral(">Idea &amp; Skill<")));
}

class ClassificationFile12 : public ProgramFolderTest {
protected:
    QStringList temp12Files() const { return QDir(path(QStringLiteral("temp12"))).entryList(QDir::Files); }
};

TEST_F(ClassificationFile12, FragmentFileHoldsTheElementAndTwoEmptyLines)
{
    WriteContext12 optional = context(false);
    ASSERT_TRUE(buildClassificationXML(QStringLiteral("7"), classificationRecord(), optional));
    EXPECT_EQ(readFile(QStringLiteral("temp12/7.xml")), golden("fragments/optional.xml"));

    ASSERT_TRUE(buildClassificationXML(QStringLiteral("min"), classificationRecord(), context(true)));
    EXPECT_EQ(readFile(QStringLiteral("temp12/min.xml")), golden("fragments/minimum.xml"));
    EXPECT_TRUE(dialogs.calls().isEmpty());
}

TEST_F(ClassificationFile12, WritingAnIdAgainReplacesItsFile)
{
    Record12 r = classificationRecord();
    ASSERT_TRUE(buildClassificationXML(QStringLiteral("7"), r, context(true)));
    r.classificationText = QStringLiteral("Second");
    ASSERT_TRUE(buildClassificationXML(QStringLiteral("7"), r, context(true)));
    const QByteArray bytes = readFile(QStringLiteral("temp12/7.xml"));
    EXPECT_EQ(bytes.count("<classification>"), 1);
    EXPECT_TRUE(bytes.contains(">Second<"));
    EXPECT_TRUE(bytes.startsWith("   <classification>\r\n"));
    EXPECT_TRUE(bytes.endsWith("   </classification>\r\n\r\n\r\n"));
}

TEST_F(ClassificationFile12, NonAsciiTextIsWrittenAsUtf8)
{
    Record12 r = classificationRecord();
    r.classificationText = QStringLiteral("Zoë’s Übersicht");
    ASSERT_TRUE(buildClassificationXML(QStringLiteral("u"), r, context(true)));
    EXPECT_TRUE(readFile(QStringLiteral("temp12/u.xml")).contains(QStringLiteral("Zoë’s Übersicht").toUtf8()));
}

TEST_F(ClassificationFile12, UnsafeIdsAreRefusedAndNothingIsWritten)
{
    const QStringList before = temp12Files();
    const QString ids[] = {QString(), QStringLiteral("   "), QStringLiteral("../evil"), QStringLiteral("a/b"),
                           QStringLiteral("a\\b"), QStringLiteral(".."), QStringLiteral("tab\there")};
    for (const QString &id : ids) {
        SCOPED_TRACE(id.toStdString());
        dialogs.clear();
        EXPECT_FALSE(buildClassificationXML(id, classificationRecord(), context(false)));
        ASSERT_EQ(dialogs.calls().size(), 1);
        const DialogCall &call = dialogs.calls().first();
        EXPECT_TRUE(call.text.startsWith(QStringLiteral("The classification id \"") + id +
                                         QStringLiteral("\" cannot be used as a file name.\r")));
        EXPECT_EQ(call.title, QStringLiteral("Invalid Entry"));
        EXPECT_EQ(call.icon, Icon::Exclamation);
    }
    EXPECT_EQ(temp12Files(), before);
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("evil.xml"))));
}

TEST_F(ClassificationFile12, AFragmentThatCannotBeWrittenIsReportedWithItsPath)
{
    ASSERT_TRUE(QDir(path(QStringLiteral("temp12"))).removeRecursively());
    EXPECT_FALSE(buildClassificationXML(QStringLiteral("5"), classificationRecord(), context(false)));
    ASSERT_EQ(dialogs.calls().size(), 1);
    const DialogCall &call = dialogs.calls().first();
    const QString fragment = QDir::toNativeSeparators(path(QStringLiteral("temp12/5.xml")));
    EXPECT_TRUE(call.text.startsWith(QStringLiteral("Unable to save the classification to ") + fragment +
                                     QLatin1Char('\r')))
        << call.text.toStdString();
    EXPECT_EQ(call.title, QStringLiteral("File Error"));
    EXPECT_EQ(call.icon, Icon::Exclamation);
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("temp12"))));
}

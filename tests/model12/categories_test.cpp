#include "support/testmain.h"

#include "fixtures12.h"

using namespace ts;
using namespace ts::test;

namespace {
QString lang(const QString &indent, const QString &text)
{
    return indent + QStringLiteral("<langstring xml:lang=\"x-none\">") + text + QStringLiteral("</langstring>");
}
} // namespace

class Categories12 : public Writer12Test {
protected:
    QString write(Writer12 writer, const Record12 &r, bool optionalOnly = false)
    {
        const WriteResult12 result = run(writer, r, optionalOnly);
        EXPECT_TRUE(result.done());
        return result.text;
    }
};

TEST_F(Categories12, MinimumGeneralLeavesOutEveryOptionalElement)
{
    const QString general = section(write(Writer12::SCO, fullRecord(), true), QStringLiteral("<general>"),
                                    QStringLiteral("</general>"));
    for (const char *absent : {"<language>", "<coverage>", "<structure>", "<aggregationlevel>"})
        EXPECT_FALSE(general.contains(QLatin1String(absent))) << absent;
    EXPECT_TRUE(general.contains(QStringLiteral("<keyword>")));
}

TEST_F(Categories12, KeywordsAreTrimmedPartsEmptyOnesKept)
{
    Record12 r = sparseRecord();
    r.keywordsText = QStringLiteral(" cell , tissue , organ ");
    QString text = write(Writer12::Aggregation, r, true);
    EXPECT_EQ(text.count(QStringLiteral("<keyword>")), 3);
    EXPECT_TRUE(text.contains(crlf({lang("         ", "cell"), "      </keyword>", "      <keyword>",
                                    lang("         ", "tissue"), "      </keyword>", "      <keyword>",
                                    lang("         ", "organ")})));
    r.keywordsText = QStringLiteral("a,,b,");
    text = write(Writer12::Aggregation, r, true);
    EXPECT_EQ(text.count(QStringLiteral("<keyword>")), 4);
    EXPECT_EQ(text.count(crlf({"      <keyword>", lang("         ", "")})), 2);
}

TEST_F(Categories12, BlankOptionalGeneralFieldsCountAsFilled)
{
    Record12 r = sparseRecord();
    r.txtCoverage = QStringLiteral("  ");
    r.cboAggregationLevel = QStringLiteral("4");
    const QString general = section(write(Writer12::Aggregation, r), QStringLiteral("<general>"),
                                    QStringLiteral("</general>"));
    EXPECT_TRUE(general.contains(crlf({"      <coverage>", lang("         ", "  "), "      </coverage>"})));
    EXPECT_FALSE(general.contains(QStringLiteral("<structure>")));
    EXPECT_TRUE(general.contains(QStringLiteral("<aggregationlevel>")));
}

TEST_F(Categories12, AssetCatalogEntryFallsBackOnlyWithoutCatalog)
{
    Record12 r = sparseRecord();
    r.catalogEntryText = QStringLiteral("ignored");
    QString text = write(Writer12::Asset, r, true);
    EXPECT_TRUE(text.contains(crlf({"         <catalog>Tagsmith Catalog</catalog>", "         <entry>",
                                    lang("            ", "TBD")})));
    // The other writers write the empty catalog and the entry as typed.
    text = write(Writer12::SCO, r, true);
    EXPECT_TRUE(
        text.contains(crlf({"         <catalog></catalog>", "         <entry>", lang("            ", "ignored")})));
    // A catalog name and no entry: an empty entry.
    r.catalogText = QStringLiteral("My & Co");
    r.catalogEntryText.clear();
    text = write(Writer12::Asset, r, true);
    EXPECT_TRUE(text.contains(
        crlf({"         <catalog>My &amp; Co</catalog>", "         <entry>", lang("            ", "")})));
}

TEST_F(Categories12, AssetLifecycleWritesOnlyFilledPartsAndVanishesWhenEmpty)
{
    Record12 r = sparseRecord();
    r.lifecycleStatusCombo = QStringLiteral("Draft");
    QString text = write(Writer12::Asset, r);
    EXPECT_TRUE(text.contains(crlf({"   <lifecycle>", "      <status>"})));
    // A contributor alone keeps the category.
    r.lifecycleStatusCombo.clear();
    r.lstFiles = {QStringLiteral("Ann,Author")};
    text = write(Writer12::Asset, r);
    EXPECT_TRUE(text.contains(crlf({"   <lifecycle>", "      <contribute>"})));
    EXPECT_TRUE(text.contains(crlf({"      </contribute>", "   </lifecycle>", ""})));
    // Nothing at all: three blanks and an empty line stand between general and meta-metadata.
    r.lstFiles.clear();
    text = write(Writer12::Asset, r);
    EXPECT_FALSE(text.contains(QStringLiteral("lifecycle")));
    EXPECT_TRUE(text.contains(crlf({"   </general>", "", "   ", "", "   <metametadata>"})));
}

TEST_F(Categories12, MetametadataNamesAndOrganisations)
{
    const auto fnLines = [this](const QString &names, const QString &organizations) {
        Record12 r = sparseRecord();
        r.metadataAuthorsText = names;
        r.metadataOrganizations = organizations;
        r.cboCreatorRole = QStringLiteral("Validator");
        const QString text = write(Writer12::Aggregation, r);
        QStringList lines;
        for (const QString &line : text.split(QStringLiteral("\r\n")))
            if (line.startsWith(QStringLiteral("                  fn: ")) ||
                line.startsWith(QStringLiteral("                  org: ")))
                lines << line.trimmed();
        return lines;
    };
    EXPECT_EQ(fnLines(QStringLiteral("Ann, Bob,"), QString()), QStringList({"fn: Ann", "fn: Bob"}));
    EXPECT_EQ(fnLines(QStringLiteral("Ann,,Bob"), QString()), QStringList({"fn: Ann", "fn:", "fn: Bob"}));
    EXPECT_EQ(fnLines(QStringLiteral(","), QString()), QStringList({"fn:"}));
    EXPECT_EQ(fnLines(QStringLiteral(" Ann "), QStringLiteral("Acme, R&D Lab")),
              QStringList({"fn: Ann", "org: Acme", "org: R&amp;D Lab"}));
    // The empty name keeps its blank after "fn:" on its line.
    Record12 r = sparseRecord();
    r.metadataAuthorsText = QStringLiteral(",");
    r.cboCreatorRole = QStringLiteral("Creator");
    EXPECT_TRUE(write(Writer12::Aggregation, r).contains(QStringLiteral("\r\n                  fn: \r\n")));
}

TEST_F(Categories12, AggregationWritesEmptyVersionAndStatus)
{
    const QString lifecycle = section(write(Writer12::Aggregation, sparseRecord(), true), QStringLiteral("<lifecycle>"),
                                      QStringLiteral("</lifecycle>"));
    EXPECT_EQ(lifecycle, crlf({"   <lifecycle>", "      <version>", lang("         ", ""), "      </version>",
                               "      <status>", "            <source>", lang("               ", "LOMv1.0"),
                               "            </source>", "            <value>", lang("               ", ""),
                               "            </value>", "      </status>", "   </lifecycle>"}));
}

TEST_F(Categories12, EducationalResourceTypesInBoxOrder)
{
    Record12 r = sparseRecord();
    r.narrativeTextCheck = r.examCheck = r.selfAssessmentCheck = r.figureCheck = r.graphCheck = true;
    r.diagramCheck = r.exerciseCheck = r.simulationCheck = r.indexCheck = r.problemStatementCheck = true;
    r.questionnaireCheck = r.slideCheck = r.tableCheck = r.experimentCheck = true;
    r.interactivityTypeCombo = QStringLiteral("Active");
    const QString text = write(Writer12::Aggregation, r);
    QStringList values;
    const QString marker = QStringLiteral("<learningresourcetype>");
    for (qsizetype at = text.indexOf(marker); at >= 0; at = text.indexOf(marker, at + 1)) {
        const qsizetype value = text.indexOf(QStringLiteral("<value>"), at);
        const qsizetype start = text.indexOf(QLatin1Char('>'), text.indexOf(QStringLiteral("<langstring"), value)) + 1;
        values << text.mid(start, text.indexOf(QLatin1Char('<'), start) - start);
    }
    EXPECT_EQ(values, QStringList({"Narrative Text", "Exam", "Self Assesment", "Figure", "Graph", "Diagram", "Exercise",
                                   "Simulation", "Index", "Problem Statement", "Questionnaire", "Slide", "Table",
                                   "Experiment"}));
    EXPECT_LT(text.indexOf(QStringLiteral("</interactivitytype>")), text.indexOf(marker));
}

TEST_F(Categories12, EducationalWithOnlyADescription)
{
    Record12 r = sparseRecord();
    r.usageDescription = QStringLiteral("Use <after> class");
    EXPECT_EQ(section(write(Writer12::Asset, r), QStringLiteral("<educational>"), QStringLiteral("</educational>")),
              crlf({"   <educational>", "      <description>", lang("         ", "Use &lt;after&gt; class"),
                    "      </description>", "      <language>x-none</language>", "   </educational>"}));
}

TEST_F(Categories12, EducationalLearningTimeAndAgeRange)
{
    Record12 r = sparseRecord();
    r.cboMin = QStringLiteral("15");
    r.txtTypicalAgeRange = QStringLiteral("  ");
    QString text = write(Writer12::Aggregation, r);
    EXPECT_TRUE(text.contains(crlf({"            <typicalagerange>", lang("               ", "  "),
                                    "            </typicalagerange>", "               <typicallearningtime>",
                                    "                  <datetime>:15:</datetime>",
                                    "               </typicallearningtime>", "   </educational>"})));
    r = sparseRecord();
    r.cboHour = QStringLiteral("01");
    EXPECT_TRUE(write(Writer12::Aggregation, r).contains(QStringLiteral("<datetime>01::</datetime>")));
}

TEST_F(Categories12, EmptyOrMinimumEducationalLeavesItsTraces)
{
    // "+ Optional" with nothing filled: a line of three blanks and an empty line before <rights>.
    EXPECT_TRUE(write(Writer12::SCO, sparseRecord()).contains(crlf({"   </technical>", "", "   ", "", "   <rights>"})));
    // Minimum: nothing at all.
    EXPECT_TRUE(write(Writer12::SCO, sparseRecord(), true).contains(crlf({"   </technical>", "", "   <rights>"})));
}

TEST_F(Categories12, RightsValuesAndDescription)
{
    Record12 r = sparseRecord();
    r.feesYes = true;
    r.copyrightYes = false;
    r.usageConditionsText = QStringLiteral(" ");
    const QString rights = section(write(Writer12::Aggregation, r, true), QStringLiteral("<rights>"),
                                   QStringLiteral("</rights>"));
    EXPECT_TRUE(rights.contains(crlf({"      <cost>", "            <source>", lang("               ", "LOMv1.0"),
                                      "            </source>", "            <value>",
                                      lang("               ", "yes")})));
    EXPECT_TRUE(rights.contains(crlf({"      <copyrightandotherrestrictions>", "            <source>",
                                      lang("               ", "LOMv1.0"), "            </source>",
                                      "            <value>", lang("               ", "no")})));
    EXPECT_TRUE(rights.contains(crlf({"      <description>", lang("         ", " "), "      </description>"})));
}

TEST_F(Categories12, AnnotationNeedsAnAuthor)
{
    Record12 r = sparseRecord();
    r.annotationText = QStringLiteral("No author");
    EXPECT_FALSE(write(Writer12::Aggregation, r).contains(QStringLiteral("annotation")));
    r.authorText = QStringLiteral("  ");
    r.annotationText.clear();
    const QString annotation = section(write(Writer12::Aggregation, r), QStringLiteral("<annotation>"),
                                       QStringLiteral("</annotation>"));
    EXPECT_EQ(annotation, crlf({"   <annotation>", "      <person>", "         <vcard>", "            begin:vcard",
                                "            fn: ", "            end:vcard", "         </vcard>", "      </person>",
                                "      <date>", "         <datetime>2026-12-8</datetime>", "      </date>",
                                "      <description>", lang("         ", ""), "      </description>",
                                "   </annotation>"}));
    EXPECT_FALSE(write(Writer12::Aggregation, r, true).contains(QStringLiteral("annotation")));
}

TEST_F(Categories12, InvalidDateFallsBackToTheSystemClock)
{
    WriteContext12 c = context(false);
    c.today = QDate();
    Record12 r = sparseRecord();
    r.authorText = QStringLiteral("Eve");
    const WriteResult12 result = writeAggregation12(r, c);
    EXPECT_TRUE(result.text.contains(QStringLiteral("<datetime>") + documentDate12(QDate::currentDate()) +
                                     QStringLiteral("</datetime>")));
}

#include "support/testmain.h"

#include "reader2004_support.h"
#include "support/exportcheck.h"

#include "model2004/reader2004.h"
#include "model2004/build2004.h"
#include "model2004/writer2004.h"

using namespace ts;
using namespace ts::test;

namespace {

class OpenedLosses2004 : public ProgramFolderTest {};

TEST_F(OpenedLosses2004, EveryTextOfAFileIsExportedOrNamed)
{
    failOnUnanswered = false;
    expectEveryLossNamed({&loadMetadataFile2004,
                          [this](const XmlDocument &document, Notices &notices, const QDate &day) {
                              Record2004 record = clearedRecord2004();
                              parseMetadata2004(document, record, notices);
                              WriteContext context;
                              context.programDir = path(QString());
                              context.today = day;
                              return writeDocument2004(Writer2004::Aggregation, record, context).text;
                          },
                          checkTables2004()},
                         dialogs, path(QString()),
                         {{readers::kStatusNotRecommended, "the editor takes a status outside its list only from a "
                                                           "file, and says so each time"}});
}

// What each shape of a real record that the editor cannot hold is named as, on a record of its own; the last
// row is a classification fragment read back.
TEST_F(OpenedLosses2004, EachLossIsNamedInItsOwnWords)
{
    const auto vocabulary = [](const char *element, const char *source, const char *value) {
        return QStringLiteral("<%1><source>%2</source><value>%3</value></%1>")
            .arg(QLatin1String(element), QLatin1String(source), QLatin1String(value));
    };
    const auto contribution = [&](const char *role, const char *name, const QString &date) {
        return "<contribute>" + vocabulary("role", "LOMv1.0", role) + "<entity>BEGIN:VCARD\nFN:" + QLatin1String(name) +
               "\nEND:VCARD</entity>" + date + "</contribute>";
    };
    const struct {
        const char *what;
        QString categories; // after the title in the general element
        QStringList notices;
    } rows[] = {
        {"repeats of a field of one value",
         "<identifier><catalog>URI</catalog><entry>A-1</entry></identifier><identifier><catalog>ISBN</catalog>"
         "<entry>B-2</entry></identifier><description><string>First</string></description><description><string>"
         "Second</string></description><description><string>Third</string></description></general><educational>" +
             vocabulary("context", "LOMv1.0", "school") + vocabulary("context", "LOMv1.0", "training") +
             "</educational>",
         {"Each of these fields holds one value. Repeated elements left out of your imported file: <general> "
          "identifier: \"URI A-1\"; <general> description: \"First\", \"Second\"; <educational> context: "
          "\"school\""}},
        {"a yes-or-no vocabulary with another value",
         "</general><rights>" +
             vocabulary("copyrightAndOtherRestrictions", "LOM-ESv1.0", "creative commons: attribution - share alike") +
             "</rights>",
         {"Unsupported value found in your imported file <rights>: copyrightAndOtherRestrictions \"creative commons: "
          "attribution - share alike\""}},
        {"values outside the lists that the record keeps and writes back",
         vocabulary("structure", "LOMv1.0", "Hierarchical") + "</general><lifeCycle>" +
             contribution("Creator", "Ann", {}) + contribution("Technical Implementer", "Bo", {}) +
             "</lifeCycle><metaMetadata>" + contribution("provider", "Cy", {}) +
             contribution("subject matter expert", "Di", {}) + "</metaMetadata><educational>" +
             vocabulary("context", "LOMv1.0", "classroom") + "</educational>",
         {}},
        {"a contribution without a person",
         "</general><lifeCycle>" + contribution("author", "Ann", {}) +
             "<contribute>" + vocabulary("role", "LOMv1.0", "editor") + "</contribute></lifeCycle>",
         {"Each contribution is kept with its person. Contributions without a person left out of your imported "
          "file: <lifecycle> contribute: \"editor\""}},
        {"nine vocabularies without a value element and two unsupported elements: three boxes",
         "<structure>linear</structure><aggregationLevel>2</aggregationLevel><rating>5</rating><stamp/></general>"
         "<educational><interactivityType>active</interactivityType><interactivityLevel>low</interactivityLevel>"
         "<semanticDensity>low</semanticDensity><intendedEndUserRole>learner</intendedEndUserRole><context>school"
         "</context><difficulty>easy</difficulty><learningResourceType>exercise</learningResourceType></educational>",
         {"Unsupported element found in your imported file <general>: rating",
          "Unsupported element found in your imported file <general>: stamp",
          "Unsupported value found in your imported file <general>: structure (no value element); <general>: "
          "aggregationLevel (no value element); <educational>: interactivityType (no value element); <educational>: "
          "interactivityLevel (no value element); <educational>: semanticDensity (no value element); <educational>: "
          "intendedEndUserRole (no value element); <educational>: context (no value element); <educational>: "
          "difficulty (no value element); <educational>: learningResourceType (no value element)"}},
        {"unsupported elements of one kind beyond twenty: counted in one box",
         [] {
             QString many;
             for (int i = 1; i <= 25; ++i)
                 many += QStringLiteral("<x%1/>").arg(i);
             return many + "</general>";
         }(),
         [] {
             QStringList shown;
             for (int i = 1; i <= 20; ++i)
                 shown << QStringLiteral("Unsupported element found in your imported file <general>: x%1").arg(i);
             return shown << "Only the first twenty notices of each kind are shown. Not shown: 5 more like "
                             "\"Unsupported element found in your imported file <general>: x21\"";
         }()},
        {"strings that say what the first one says, and the writers' own dates of an earlier day",
         "</general><technical><otherPlatformRequirements><string>editor: Authoring Tool 2.1</string><string>"
         "editor: Authoring Tool 2.1</string><string>editor: Authoring Tool 2.1</string></otherPlatformRequirements>"
         "</technical><lifeCycle>" +
             contribution("author", "Ann",
                          "<date><dateTime>" + documentDate2004(QDate::currentDate().addDays(-3)) +
                              "</dateTime><description><string>Date Description</string></description></date>") +
             "</lifeCycle>",
         {}},
        {"languages and dates",
         "<language>es</language><keyword><string language=\"it\">celle</string></keyword></general><lifeCycle>" +
             contribution("author", "Ann",
                          "<date><dateTime>2006-01-01</dateTime><description><string>created</string>"
                          "</description></date>") +
             contribution("author", "Bo", "<date><dateTime>2021-09-01</dateTime></date>") + "</lifeCycle>",
         {"Every language is written as \"x-none\". Languages of your imported file that are not kept: es, it\r\rThe "
          "export writes its own dates and date descriptions. Dates of your imported file that are not kept: "
          "2006-01-01, 2021-09-01"}},
        {"dates beyond twenty: the first ones and their number",
         "</general><lifeCycle>" +
             [&] {
                 QString dated;
                 for (int i = 1; i <= 25; ++i)
                     dated += contribution("author", "Ann",
                                           QStringLiteral("<date><dateTime>2001-01-%1</dateTime></date>")
                                               .arg(i, 2, 10, QLatin1Char('0')));
                 return dated;
             }() +
             "</lifeCycle>",
         {"The export writes its own dates and date descriptions. Dates of your imported file that are not kept: "
          "2001-01-01, 2001-01-02, 2001-01-03, 2001-01-04, 2001-01-05, 2001-01-06, 2001-01-07, 2001-01-08, "
          "2001-01-09, 2001-01-10, 2001-01-11, 2001-01-12, 2001-01-13, 2001-01-14, 2001-01-15, 2001-01-16, "
          "2001-01-17, 2001-01-18, 2001-01-19, 2001-01-20, \u2026 (25 in all)"}},
        {"identifiers written as the general one",
         "<identifier><catalog>URI</catalog><entry>G-1</entry></identifier></general><metaMetadata><identifier>"
         "<catalog>URI</catalog><entry>MM-9</entry></identifier></metaMetadata><relation>" +
             vocabulary("kind", "LOMv1.0", "ispartof") +
             "<resource><identifier><catalog>URI</catalog><entry>R-7</entry></identifier><description><string>Parent"
             "</string></description></resource></relation>",
         {"These identifiers are written as the general identifier. Identifiers left out of your imported file: "
          "<metametadata> identifier: \"MM-9\"; <relation> resource/identifier: \"R-7\""}},
        {"a value the editor has no place for",
         "</general><technical><requirement><orComposite>" + vocabulary("type", "LOMv1.0", "operating system") +
             vocabulary("name", "LOMv1.0", "ms-windows") +
             "<minimumVersion>95</minimumVersion></orComposite></requirement></technical>",
         {"Values left out of your imported file: <technical> requirement/orComposite/minimumVersion: \"95\""}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        writeFile(QStringLiteral("shape.xml"), ("<lom xmlns=\"http://ltsc.ieee.org/xsd/LOM\"><general><title><string>"
                                                "Shape</string></title>" +
                                                row.categories + "</lom>")
                                                   .toUtf8());
        const ImportResult2004 opened = importMetadataFile2004(path(QStringLiteral("shape.xml")), clearedRecord2004());
        EXPECT_TRUE(opened.ok);
        QStringList notices;
        for (const Notice &n : opened.notices)
            notices << n.text;
        EXPECT_EQ(notices.join(u'\n').toStdString(), row.notices.join(u'\n').toStdString());
    }
    // A classification read back shows one description and one purpose.
    Record2004 entry = clearedRecord2004();
    Notices notices;
    ASSERT_TRUE(parseClassification2004(
        "<classification>" + vocabulary("purpose", "LOMv1.0", "discipline") + vocabulary("purpose", "LOMv1.0", "idea") +
            "<description><string>One</string></description><description><string>Two</string></description>"
            "</classification>",
        entry, notices));
    ASSERT_EQ(notices.size(), 1);
    EXPECT_EQ(notices[0].text.toStdString(),
              "Each of these fields holds one value. Repeated elements left out of your imported file: "
              "<classification> purpose: \"discipline\"; <classification> description: \"One\"");
}

} // namespace

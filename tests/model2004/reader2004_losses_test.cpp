#include "support/testmain.h"

#include "reader2004_support.h"
#include "support/exportcheck.h"

#include "model2004/reader2004.h"
#include "model2004/writer2004.h"

using namespace ts;
using namespace ts::test;

namespace {

class OpenedLosses2004 : public ProgramFolderTest {};

TEST_F(OpenedLosses2004, EveryTextOfAFileIsExportedOrNamed)
{
    failOnUnanswered = false;
    expectEveryLossNamed({&loadMetadataFile2004,
                          [this](const XmlDocument &document, Notices &notices) {
                              Record2004 record = clearedRecord2004();
                              parseMetadata2004(document, record, notices);
                              WriteContext context;
                              context.programDir = path(QString());
                              return writeDocument2004(Writer2004::Aggregation, record, context).text;
                          },
                          checkTables2004()},
                         dialogs);
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
        {"a role of the other binding",
         "</general><lifeCycle>" + contribution("Creator", "Ann", {}) + "</lifeCycle>",
         {"Unsupported value found in your imported file <lifecycle>: role \"Creator\""}},
        {"languages and dates",
         "<language>es</language><keyword><string language=\"it\">celle</string></keyword></general><lifeCycle>" +
             contribution("author", "Ann",
                          "<date><dateTime>2006-01-01</dateTime><description><string>created</string>"
                          "</description></date>") +
             contribution("author", "Bo", "<date><dateTime>2021-09-01</dateTime></date>") + "</lifeCycle>",
         {"Every language is written as \"x-none\". Languages of your imported file that are not kept: es, it\r\rThe "
          "export writes its own dates and date descriptions. Dates of your imported file that are not kept: "
          "2006-01-01, 2021-09-01"}},
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

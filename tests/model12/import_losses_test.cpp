#include "support/testmain.h"

#include "reader_support.h"
#include "support/exportcheck.h"

#include "model12/import12.h"
#include "model12/writer12.h"

using namespace ts;
using namespace ts::test;

namespace {

class OpenedLosses : public ProgramFolderTest {};

TEST_F(OpenedLosses, EveryTextOfAFileIsExportedOrNamed)
{
    failOnUnanswered = false;
    expectEveryLossNamed({&loadMetadataFile12,
                          [this](const XmlDocument &document, Notices &notices, const QDate &day) {
                              Record12 record = clearedRecord12();
                              parseMetadata(document, record, notices);
                              WriteContext12 context;
                              context.programDir = path(QString());
                              context.today = day;
                              return writeDocument12(Writer12::Aggregation, record, context).text;
                          },
                          checkTables12()},
                         dialogs, path(QString()),
                         {{readers::kStatusNotRecommended, "the editor takes a status outside its list only from a "
                                                           "file, and says so each time"},
                          {"Unsupported element found in your imported file <lom>: lom:classification",
                           "a SCORM 2004 record read as SCORM 1.2 keeps its classification, in its own namespace, "
                           "as it stands"}});
}

// What each shape of a real record that the editor cannot hold is named as, on a record of its own.
TEST_F(OpenedLosses, EachLossIsNamedInItsOwnWords)
{
    const auto lang = [](const char *language, const char *text) {
        return QStringLiteral("<langstring xml:lang=\"%1\">%2</langstring>")
            .arg(QLatin1String(language), QLatin1String(text));
    };
    const auto vocabulary = [&](const char *element, const char *source, const char *value) {
        return QStringLiteral("<%1><source>%2</source><value>%3</value></%1>")
            .arg(QLatin1String(element), lang("x-none", source), lang("x-none", value));
    };
    // A general element's coverage given `count` times, and the first of those texts quoted.
    const auto coverages = [&](int count) {
        QString repeats;
        for (int i = 1; i <= count; ++i)
            repeats += "<coverage>" + lang("x-none", QByteArray::number(i).constData()) + "</coverage>";
        return repeats;
    };
    const auto quotes = [](int count) {
        QStringList quoted;
        for (int i = 1; i <= count; ++i)
            quoted << QStringLiteral("\"%1\"").arg(i);
        return quoted.join(QStringLiteral(", "));
    };
    const struct {
        const char *what;
        QString general;    // in the general element, after its title
        QString categories; // after the general element
        QStringList notices;
    } rows[] = {
        {"repeats of a field of one value",
         "<description>" + lang("x-none", "First description") + "</description><description>" +
             lang("x-none", "Second") + "</description>",
         "<educational>" + vocabulary("context", "LOMv1.0", "Higher Education") +
             vocabulary("context", "LOMv1.0", "Vocational Training") + "</educational>",
         {"Each of these fields holds one value. Repeated elements left out of your imported file: <general> "
          "description: \"First description\"; <educational> context: \"Higher Education\""}},
        {"a yes-or-no vocabulary with another value",
         {},
         "<rights>" + vocabulary("cost", "LOM-ESv1.0", "no") +
             vocabulary("copyrightandotherrestrictions", "LOM-ESv1.0", "creative commons: attribution - share alike") +
             "</rights>",
         {"Unsupported value found in your imported file <rights>: copyrightandotherrestrictions \"creative commons: "
          "attribution - share alike\""}},
        {"values outside the lists that the record keeps and writes back",
         {},
         "<lifecycle><contribute>" + vocabulary("role", "LOMv1.0", "Creator") +
             "<centity><vcard>BEGIN:VCARD\nFN:Ann Smith\nEMAIL:ann@example.org\nEND:VCARD</vcard></centity>"
             "</contribute></lifecycle><educational>" +
             vocabulary("context", "LOMv1.0", "University Undergraduate") + "</educational>",
         {}},
        {"a role of the list kept in another contribution, and a contribution without a person",
         {},
         "<lifecycle><contribute>" + vocabulary("role", "LOMv1.0", "Creator") +
             "<centity><vcard>BEGIN:VCARD\nFN:Ann\nEND:VCARD</vcard></centity></contribute><contribute>" +
             vocabulary("role", "LOMv1.0", "Validator") + "</contribute></lifecycle><metametadata><contribute>" +
             vocabulary("role", "LOMv1.0", "Creator") +
             "<centity><vcard>BEGIN:VCARD\nFN:Cy\nEND:VCARD</vcard></centity></contribute><contribute>" +
             vocabulary("role", "LOMv1.0", "Validator") +
             "<centity><vcard>BEGIN:VCARD\nFN:Di\nEND:VCARD</vcard></centity></contribute></metametadata>",
         {"Each of these fields holds one value. Repeated elements left out of your imported file: <metametadata> "
          "contribute/role: \"Creator\"\r\rEach contribution is kept with its person. Contributions without a "
          "person left out of your imported file: <lifecycle> contribute: \"Validator\""}},
        {"strings that say what the first one says, and the writers' own date of an earlier day",
         "<description>" + lang("x-none", "Same") + lang("x-none", "Same") + "</description>",
         "<metametadata><contribute>" + vocabulary("role", "LOMv1.0", "Creator") +
             "<centity><vcard>BEGIN:VCARD\nFN:Cy\nEND:VCARD</vcard></centity><date><datetime>" +
             documentDate12(QDate::currentDate().addDays(-3)) + "</datetime><description>" +
             lang("x-none", "Date Description") + "</description></date></contribute></metametadata>",
         {}},
        {"languages and dates",
         "<language>es</language><keyword>" + lang("it", "celle") + "</keyword>",
         "<lifecycle><contribute>" + vocabulary("role", "LOMv1.0", "Author") +
             "<centity><vcard>BEGIN:VCARD\nFN:Ann\nEND:VCARD</vcard>"
             "</centity><date><datetime>2006-01-01</datetime><description>" +
             lang("es", "creado") + "</description></date></contribute><contribute>" +
             vocabulary("role", "LOMv1.0", "Author") +
             "<centity><vcard>BEGIN:VCARD\nFN:Bo\nEND:VCARD</vcard></centity><date><datetime>2021-09-01</datetime>"
             "</date></contribute></lifecycle><metametadata><contribute>" +
             vocabulary("role", "LOMv1.0", "Creator") +
             "<centity><vcard>BEGIN:VCARD\nFN:Cy\nEND:VCARD</vcard></centity><date><datetime>2021-09-01</datetime>"
             "</date></contribute></metametadata>",
         {"Every language is written as \"x-none\". Languages of your imported file that are not kept: es, it\r\rThe "
          "export writes its own dates and date descriptions. Dates of your imported file that are not kept: "
          "2006-01-01, 2021-09-01"}},
        {"a field repeated many times: the first twenty texts left out and their number", coverages(25), {},
         {"Each of these fields holds one value. Repeated elements left out of your imported file: <general> "
          "coverage: " + quotes(20) + ", \u2026 (24 in all)"}},
        {"a field repeated 21 times: its twenty texts left out, all quoted", coverages(21), {},
         {"Each of these fields holds one value. Repeated elements left out of your imported file: <general> "
          "coverage: " + quotes(20)}},
        {"a field repeated 22 times", coverages(22), {},
         {"Each of these fields holds one value. Repeated elements left out of your imported file: <general> "
          "coverage: " + quotes(20) + ", \u2026 (21 in all)"}},
        {"a value holding a string and a further element: one notice for the role",
         {},
         "<lifecycle><contribute>" + vocabulary("role", "LOMv1.0", "Author") +
             "<centity><vcard>BEGIN:VCARD\nFN:Ann\nEND:VCARD</vcard></centity></contribute><contribute><role><source>" +
             lang("x-none", "LOMv1.0") + "</source><value>" + lang("x-none", "Editor") +
             "<extra>more</extra></value></role><centity><vcard>BEGIN:VCARD\nFN:Bo\nEND:VCARD</vcard></centity>"
             "</contribute></lifecycle>",
         {"Unsupported value found in your imported file <lifecycle>: role \"Editor\""}},
        {"a date kept with a description of its own",
         {},
         "<lifecycle><contribute>" + vocabulary("role", "LOMv1.0", "Author") +
             "<centity><vcard>BEGIN:VCARD\nFN:Ann\nEND:VCARD</vcard></centity><date><datetime>2006-01-01</datetime>"
             "<description>" + lang("x-none", "creado") + "</description></date></contribute></lifecycle>",
         {"The export writes its own dates and date descriptions. Dates of your imported file that are not kept: "
          "\"creado\""}},
        {"a duration's date that holds no date",
         {},
         "<technical><duration><datetime>00:30:00</datetime></duration></technical>",
         {"Values left out of your imported file: <technical> duration/datetime: \"00:30:00\""}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        writeFile(
            QStringLiteral("shape.xml"),
            ("<lom xmlns=\"http://www.imsglobal.org/xsd/imsmd_rootv1p2p1\"><general uniqueElementName=\"general\">"
             "<title>" +
             lang("x-none", "Shape") + "</title>" + row.general + "</general>" + row.categories + "</lom>")
                .toUtf8());
        const ImportResult opened = importMetadataFile(path(QStringLiteral("shape.xml")), clearedRecord12());
        EXPECT_TRUE(opened.ok); // a general element with attributes is found
        QStringList notices;
        for (const Notice &n : opened.notices)
            notices << n.text;
        EXPECT_EQ(notices.join(u'\n').toStdString(), row.notices.join(u'\n').toStdString());
    }
    // A classification read back with taxon paths of two sources keeps the last source and names the other.
    Record12 entry = clearedRecord12();
    Notices notices;
    ASSERT_TRUE(parseClassification("<classification><taxonpath><source>" + lang("x-none", "Bloom") +
                                        "</source><taxon><id>1</id><entry>" + lang("x-none", "Knowledge") +
                                        "</entry></taxon></taxonpath><taxonpath><source>" + lang("x-none", "ACM") +
                                        "</source><taxon><id>2</id><entry>" + lang("x-none", "Computing") +
                                        "</entry></taxon></taxonpath></classification>",
                                    entry, notices));
    ASSERT_EQ(notices.size(), 1);
    EXPECT_EQ(notices[0].text.toStdString(),
              "Values left out of your imported file: <classification> taxonpath/source/langstring: \"Bloom\"");
}

} // namespace

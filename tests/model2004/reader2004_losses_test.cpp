#include "support/testmain.h"

#include "reader2004_support.h"
#include "support/exportcheck.h"

#include "model2004/reader2004.h"
#include "model2004/build2004.h"
#include "model2004/writer2004.h"

using namespace ts;
using namespace ts::test;

namespace {

class OpenedLosses2004 : public ProgramFolderTest {
protected:
    // How the editor opens a file of this binding and exports its record, on the day given.
    OpeningBinding binding()
    {
        return {&loadMetadataFile2004,
                [this](const XmlDocument &document, Notices &notices, const QDate &day) {
                    Record2004 record = clearedRecord2004();
                    parseMetadata2004(document, record, notices);
                    WriteContext context;
                    context.programDir = path(QString());
                    context.today = day;
                    return writeDocument2004(Writer2004::Aggregation, record, context).text;
                },
                checkTables2004()};
    }
};

TEST_F(OpenedLosses2004, EveryTextOfAFileIsExportedOrNamed)
{
    failOnUnanswered = false;
    expectEveryLossNamed(binding(), dialogs, path(QString()),
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
        return "<contribute>" + vocabulary("role", "LOMv1.0", role) + "<entity>BEGIN:VCARD\nFN:" + QString::fromUtf8(name) +
               "\nEND:VCARD</entity>" + date + "</contribute>";
    };
    const auto lom = [](const QString &body) { return "<lom xmlns=\"http://ltsc.ieee.org/xsd/LOM\">" + body + "</lom>"; };
    const auto titled = [&](const QString &title, const QString &categories = {}) {
        return lom("<general><title><string>" + title + "</string></title></general>" + categories);
    };
    // A record of the Spanish profile whose difficulty is given by MACE.
    const auto sources = [&] {
        const char *source = "LOM-ESv1.0";
        return "<structure><source>" + QLatin1String(source) + "</source><value>hierarchical</value></structure>" +
               "</general><lifeCycle><contribute>" + vocabulary("role", source, "author") +
               "<entity>BEGIN:VCARD\nFN:Ann\nEND:VCARD</entity></contribute></lifeCycle><educational>" +
               vocabulary("context", source, "school") + vocabulary("difficulty", "MACEv1.0", "easy") + "</educational>";
    };
    // A package of `count` resources, each with a record, and the line that names the records after the first.
    const auto package = [&](int count) {
        QString resources;
        for (int i = 1; i <= count; ++i)
            resources += QStringLiteral("<resource identifier=\"RES-%1\"><metadata>").arg(i) +
                         titled(i == 1 ? "Resource 1" : "Another",
                                i == 8 ? "<lifeCycle><status><value>Approved</value></status></lifeCycle>" : "") +
                         "</metadata></resource>";
        return "<manifest xmlns=\"http://www.imsglobal.org/xsd/imscp_v1p1\"><resources>" + resources +
               "</resources></manifest>";
    };
    const auto recordsLine = [](int count) {
        QStringList places;
        for (int i = 2; i <= std::min(count, 21); ++i)
            places << QStringLiteral("resource \"RES-%1\"").arg(i);
        return QStringLiteral("Only the first metadata record of a file is read. Left out of your imported file: %1 more "
                              "records, in ")
                   .arg(count - 1) +
               places.join(QStringLiteral(", ")) + (count > 21 ? QStringLiteral(", \u2026 (%1 in all)").arg(count - 1) : "");
    };
    const QString description = QStringLiteral("The learners will each make a business card ");
    // The 150 characters that two descriptions of one series begin with.
    const QString series = QStringLiteral("Recurso educativo abierto ").repeated(5) + QStringLiteral("para el alumnado de ");
    // Contributions dated on `count` days, and the line that names them.
    const auto dated = [&](int count) {
        QString dates;
        for (int i = 1; i <= count; ++i)
            dates += contribution("author", "Ann", QStringLiteral("<date><dateTime>2001-01-%1</dateTime></date>")
                                                       .arg(i, 2, 10, QLatin1Char('0')));
        return "</general><lifeCycle>" + dates + "</lifeCycle>";
    };
    const auto datesLine = [](int count) {
        QStringList days;
        for (int i = 1; i <= std::min(count, 20); ++i)
            days << QStringLiteral("2001-01-%1").arg(i, 2, 10, QLatin1Char('0'));
        return "The export writes its own dates and date descriptions. Dates of your imported file that are not "
               "kept: <lifecycle> contribute/date: " +
               days.join(QStringLiteral(", ")) + (count > 20 ? QStringLiteral(", \u2026 (%1 in all)").arg(count) : "");
    };
    const struct {
        const char *what;
        QString categories; // after the title in the general element
        QStringList notices;
        QString file = {}; // the whole record, in place of the categories
        QString title = QStringLiteral("Shape");
    } rows[] = {
        {"a vCard of many lines, and one with an empty ORG",
         "</general><lifeCycle>" +
             contribution("author", "Ana Ortiz\nN:Ortiz;Ana\nORG:Cellworks\nEMAIL;INTERNET:ana@cellworks.example\n"
                                    "TEL:+34 600 000 000\nADR:;;Calle Mayor 1;Madrid\nURL:https://cellworks.example\n"
                                    "NOTE:Lead author",
                          {}) +
             contribution("publisher", "Cellworks Press\nORG:", {}) + "</lifeCycle>",
         {"The export writes each person by name alone. Lines of their vCards left out of your imported file: "
          "<lifecycle> contribute: \"ORG:Cellworks\", \"EMAIL;INTERNET:ana@cellworks.e\u2026\", \"TEL:+34 600 000 000\", "
          "\"ADR:;;Calle Mayor 1;Madrid\", \"URL:https://cellworks.example\", \"NOTE:Lead author\""}},
        {"vCards whose FN, N and other lines are folded, in version 2.1 and 3.0: the names are kept whole",
         "</general><lifeCycle>" +
             contribution("author", "Ann\n Author\nN:Author;\n Ann\nNOTE:\n Room: 4B, second floor", {}) +
             contribution("publisher",
                          "Cell\n works Press\nVERSION:3.0\nN:Press;Cell\n works\nEMAIL:press@cell\n works.example", {}) +
             "</lifeCycle>",
         {"The export writes each person by name alone. Lines of their vCards left out of your imported file: "
          "<lifecycle> contribute: \"NOTE: Room: 4B, second floor\", \"EMAIL:press@cellworks.example\""}},
        {"three URL lines of a vCard that begin alike",
         "</general><lifeCycle>" +
             contribution("author", "Ann\nURL;TYPE=work:http://www.canal.example/people/ann\n"
                                    "URL;TYPE=work:http://www.canal.example/courses/cells\n"
                                    "URL;TYPE=work:http://www.canal.example/courses/cells-and-tissues-of-the-body-in-depth"
                                    "-for-learners-of-every-age",
                          {}) +
             "</lifeCycle>",
         {"The export writes each person by name alone. Lines of their vCards left out of your imported file: "
          "<lifecycle> contribute: \"URL;TYPE=work:http://www.canal.example/people/ann\", "
          "\"URL;TYPE=work:http://www.canal.example/courses/cells\", "
          "\"URL;TYPE=work:http://www.canal.example/courses/cells-and-tissues-of-the-body-in-depth-for-learners-o\u2026\""}},
        {"a manifest whose item, resource and file each hold a record",
         {},
         {"Only the first metadata record of a file is read. Left out of your imported file: 2 more records, in "
          "resource \"RES-1\", file \"cells.html\""},
         "<manifest xmlns=\"http://www.imsglobal.org/xsd/imscp_v1p1\" identifier=\"M-1\"><organizations><organization "
         "identifier=\"ORG-1\"><item identifier=\"ITEM-1\" identifierref=\"RES-1\"><title>Cells</title><metadata>" +
             titled("Shape") +
             "</metadata></item></organization></organizations><resources><resource identifier=\"RES-1\" "
             "type=\"webcontent\" href=\"cells.html\"><metadata>" +
             titled("The resource") + "</metadata><file href=\"cells.html\"><metadata>" + titled("The page") +
             "</metadata></file></resource></resources></manifest>"},
        {"a package of 21 resource-level records: the first is read, and the others named",
         {},
         {recordsLine(21)},
         package(21),
         "Resource 1"},
        {"a package of 22 resource-level records: the first is read, and twenty of the others named",
         {},
         {recordsLine(22)},
         package(22),
         "Resource 1"},
        {"an extension's general element before the record's own",
         {},
         {"Unsupported element found in your imported file <lom>: o:ext"},
         "<lom xmlns=\"http://ltsc.ieee.org/xsd/LOM\" xmlns:o=\"urn:example:other\"><o:ext><o:general>OTHER</o:general>"
         "</o:ext><general><title><string>Own title</string></title><keyword><string>own</string></keyword></general>"
         "</lom>",
         "Own title"},
        {"a record whose namespace is written wrong",
         {},
         {"The metadata record's namespace is not one this program knows; it is read as SCORM 2004. Namespace of your "
          "imported file: \"http://ltsc.ieee.orsd/LOM\""},
         "<lom xmlns=\"http://ltsc.ieee.orsd/LOM\"><general><title><string>Shape</string></title><keyword><string>own"
         "</string></keyword></general><lifeCycle><version><string>1.0</string></version></lifeCycle></lom>"},
        {"a file whose first lom element is of a foreign namespace",
         {},
         {},
         "<metadata><lom xmlns=\"urn:example:foreign\"><general><title>OTHER</title></general></lom>" +
             titled("Shape", "<lifeCycle><version><string>1.0</string></version></lifeCycle>") + "</metadata>"},
        {"a record whose lom holds a general element of another metadata namespace before its own",
         {},
         {"Unsupported element found in your imported file <lom>: imsmd:general"},
         "<lom xmlns=\"http://ltsc.ieee.org/xsd/LOM\" xmlns:imsmd=\"http://www.imsglobal.org/xsd/imsmd_rootv1p2p1\">"
         "<imsmd:general><imsmd:title><imsmd:langstring>OTHER</imsmd:langstring></imsmd:title></imsmd:general><general>"
         "<title><string>Shape</string></title><keyword><string>own</string></keyword></general></lom>"},
        {"a general element nested in the educational category before the record's own",
         {},
         {"Unsupported element found in your imported file <education>: general"},
         lom("<educational><general><title><string>Nested</string></title></general></educational><general><title>"
             "<string>Own title</string></title></general>"),
         "Own title"},
        {"a record of the Spanish profile, with a MACE vocabulary",
         sources(),
         {"The export writes every vocabulary with the source \"LOMv1.0\". Sources of your imported file that are not "
          "kept: \"LOM-ESv1.0\" (3 values), \"MACEv1.0\" (1 value)"}},
        {"a classification in en-US beside general strings in Spanish",
         "<description><string language=\"es\">C\u00e9lulas</string></description></general><classification>" +
             vocabulary("purpose", "LOMv1.0", "discipline") +
             "<description><string language=\"en-US\">Biology</string></description></classification>",
         {"Every language but those of the classifications is written as \"x-none\". Languages of your imported file "
          "that are not kept: es"}},
        {"two strings of a description that begin with the same 40 characters",
         "<description><string language=\"en\">" + description + "with their name</string><string language=\"en\">" +
             description + "for the group</string></description></general>",
         {"Only the first string of each field was read. Strings left out of your imported file: <general> description "
          "(en, as the first string): \"The learners will each make a business card for\u2026\"\r\rEvery language is "
          "written as \"x-none\". Languages of your imported file that are not kept: en"}},
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
        {"person elements that name no one, and contributions without a person holding repeats",
         "</general><lifeCycle>" + contribution("author", "Ann", {}) + "<contribute>" +
             vocabulary("role", "LOMv1.0", "editor") + "<entity></entity></contribute><contribute>" +
             vocabulary("role", "LOMv1.0", "publisher") + vocabulary("role", "LOMv1.0", "validator") +
             "<entity>BEGIN:VCARD\nEND:VCARD</entity></contribute><contribute>" +
             vocabulary("role", "LOMv1.0", "initiator") + vocabulary("role", "LOMv1.0", "terminator") +
             "</contribute></lifeCycle>",
         {"Unsupported element found in your imported file <lifecycle>: entity",
          "Each contribution is kept with its person. Contributions without a person left out of your imported "
          "file: <lifecycle> contribute: \"editor\", \"publisher\", \"initiator terminator\""}},
        {"strings that say what the first one says once blanks are simplified",
         "</general>", {}, lom("<general><title><string>Cells\n   of life</string><string language=\"x-none\">Cells of "
                               "life</string></title></general>"),
         "Cells\n   of life"},
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
          "<lifecycle> contribute/date: 2006-01-01, 2021-09-01"}},
        {"twenty dates: all of them", dated(20), {datesLine(20)}},
        {"dates beyond twenty: the first ones and their number", dated(21), {datesLine(21)}},
        {"many dates", dated(25), {datesLine(25)}},
        {"identifiers written as the general one",
         "<identifier><catalog>URI</catalog><entry>G-1</entry></identifier></general><metaMetadata><identifier>"
         "<catalog>URI</catalog><entry>MM-9</entry></identifier></metaMetadata><relation>" +
             vocabulary("kind", "LOMv1.0", "ispartof") +
             "<resource><identifier><catalog>URI</catalog><entry>R-7</entry></identifier><description><string>Parent"
             "</string></description></resource></relation>",
         {"These identifiers are written as the general identifier. Identifiers left out of your imported file: "
          "<metametadata> identifier: \"MM-9\"; <relation> resource/identifier: \"R-7\""}},
        {"descriptions of a duration and a typical learning time of the file's own",
         "</general><technical><duration><duration>PT10M</duration><description><string>This field isn't really "
         "applicable to the course as a whole</string></description></duration></technical><educational>"
         "<typicalLearningTime><duration>PT1H</duration><description><string>Academic Training Hours (Distance "
         "Learning)</string></description></typicalLearningTime></educational>",
         {"The export writes its own descriptions of durations and learning times. Descriptions of your imported "
          "file that are not kept: <technical> duration/description: \"This field isn't really applic\u2026\"; "
          "<educational> typicalLearningTime/description: \"Academic Training Hours (Dista\u2026\""}},
        {"three metadata schemas, two of them the writers' own",
         "</general><metaMetadata><metadataSchema>LOMv1.0</metadataSchema><metadataSchema>ADLv1.0</metadataSchema>"
         "<metadataSchema>SCORM_CAM_v1.3</metadataSchema></metaMetadata>",
         {"The export writes its own metadata schemas. Metadata schemas of your imported file that are not kept: "
          "<metametadata> metadataSchema: \"ADLv1.0\""}},
        {"a meta-metadata identifier whose catalog is the general entry",
         "<identifier><catalog>URI</catalog><entry>TBD</entry></identifier></general><metaMetadata><identifier>"
         "<catalog>TBD</catalog><entry>TBD</entry></identifier></metaMetadata>",
         {"These identifiers are written as the general identifier. Identifiers left out of your imported file: "
          "<metametadata> identifier: \"TBD\""}},
        {"comments inside the structure and a vocabulary",
         "<structure><!-- from the catalogue --><source>LOMv1.0</source><value>hierarchical</value></structure>"
         "</general><educational><context><!-- as taught --><source>LOMv1.0</source><value>school</value></context>"
         "</educational>",
         {}},
        {"two descriptions that agree over their first 150 characters",
         "<description><string>" + series + "Lengua primer ciclo de Primaria. REA Andalucia.</string></description>"
         "<description><string>" + series + "Matematicas segundo ciclo de Primaria. REA Andalucia.</string>"
         "</description></general>",
         {"Each of these fields holds one value. Repeated elements left out of your imported file: <general> "
          "description: \"\u2026 Lengua primer ciclo de Primaria. REA Andalucia.\""}},
        {"an identifier left out whose entry is the location",
         "<identifier><catalog>URI</catalog><entry>http://www.algonquincollege.com/distance/certfs.html</entry>"
         "</identifier><identifier><catalog>POOL</catalog><entry>000SamplePoolRefernece#</entry></identifier>"
         "</general><technical><location>http://www.algonquincollege.com/distance/certfs.html</location></technical>",
         {"Each of these fields holds one value. Repeated elements left out of your imported file: <general> "
          "identifier: \"URI http://www.algonquincollege.com/distance/certfs.html\""}},
        {"a value the editor has no place for",
         "</general><technical><requirement><orComposite>" + vocabulary("type", "LOMv1.0", "operating system") +
             vocabulary("name", "LOMv1.0", "ms-windows") +
             "<minimumVersion>95</minimumVersion></orComposite></requirement></technical>",
         {"Values left out of your imported file: <technical> requirement/orComposite/minimumVersion: \"95\""}},
    };
    failOnUnanswered = false;
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        writeFile(QStringLiteral("shape.xml"),
                  (!row.file.isEmpty() ? row.file
                                       : "<lom xmlns=\"http://ltsc.ieee.org/xsd/LOM\"><general><title><string>Shape"
                                         "</string></title>" +
                                             row.categories + "</lom>")
                      .toUtf8());
        const ImportResult2004 opened = importMetadataFile2004(path(QStringLiteral("shape.xml")), clearedRecord2004());
        EXPECT_TRUE(opened.ok);
        EXPECT_EQ(opened.record.titleText, row.title);
        QStringList notices;
        for (const Notice &n : opened.notices)
            notices << n.text;
        EXPECT_EQ(notices.join(u'\n').toStdString(), row.notices.join(u'\n').toStdString());
        // Exported, it keeps what the notices do not name.
        EXPECT_EQ(unnamedLossesOfExport(binding(), dialogs, path(QStringLiteral("shape.xml")), opened.notices),
                  QStringList());
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

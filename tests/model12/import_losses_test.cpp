#include "support/testmain.h"

#include "reader_support.h"
#include "support/exportcheck.h"

#include "model12/import12.h"
#include "model12/writer12.h"

using namespace ts;
using namespace ts::test;

namespace {

class OpenedLosses : public ProgramFolderTest {
protected:
    // How the editor opens a file of this binding and exports its record, on the day given.
    OpeningBinding binding()
    {
        return {&loadMetadataFile12,
                [this](const XmlDocument &document, Notices &notices, const QDate &day) {
                    Record12 record = clearedRecord12();
                    parseMetadata(document, record, notices);
                    WriteContext12 context;
                    context.programDir = path(QString());
                    context.today = day;
                    return writeDocument12(Writer12::Aggregation, record, context).text;
                },
                checkTables12()};
    }
};

TEST_F(OpenedLosses, EveryTextOfAFileIsExportedOrNamed)
{
    failOnUnanswered = false;
    expectEveryLossNamed(binding(), dialogs, path(QString()),
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
    // A record of the IMS Meta-Data namespace, with the prefix given.
    const auto lom = [](const QString &prefix, const QString &body) {
        const QString declared = prefix.isEmpty() ? QString() : QLatin1Char(':') + prefix.chopped(1);
        return QStringLiteral("<%1lom xmlns%2=\"http://www.imsglobal.org/xsd/imsmd_rootv1p2p1\">%3</%1lom>")
            .arg(prefix, declared, body);
    };
    const auto titled = [&](const char *title) {
        return "<imsmd:general><imsmd:title>" +
               QStringLiteral("<imsmd:langstring xml:lang=\"x-none\">%1</imsmd:langstring>").arg(QLatin1String(title)) +
               "</imsmd:title></imsmd:general>";
    };
    const auto manifest = [](const QString &body) {
        return "<manifest xmlns=\"http://www.imsproject.org/xsd/imscp_rootv1p1p2\" xmlns:imsmd=\"http://www.imsglobal.org/"
               "xsd/imsmd_rootv1p2p1\" identifier=\"M-1\">" + body + "</manifest>";
    };
    const auto contribute = [&](const char *role, const char *vcard) {
        return "<contribute>" + vocabulary("role", "LOMv1.0", role) + "<centity><vcard>" + QLatin1String(vcard) +
               "</vcard></centity></contribute>";
    };
    // A record of the Spanish profile whose difficulty is given by MACE.
    const auto sources = [&] {
        const char *source = "LOM-ESv1.0";
        return "<general><title>" + lang("x-none", "Shape") + "</title>" + vocabulary("structure", source, "Hierarchical") +
               vocabulary("aggregationlevel", source, "2") + "</general><educational>" +
               vocabulary("context", source, "School") + vocabulary("difficulty", "MACEv1.0", "easy") + "</educational>";
    };
    const QString description = QStringLiteral("The learners will each make a business card ");
    // The 150 characters that two descriptions of one series begin with.
    const QString series = QStringLiteral("Recurso educativo abierto ").repeated(5) + QStringLiteral("para el alumnado de ");
    const QString address = QStringLiteral("http://www.algonquincollege.com/distance/certfs.html");
    const struct {
        const char *what;
        QString general;    // in the general element, after its title
        QString categories; // after the general element
        QStringList notices;
        QString file = {};  // the whole record, in place of the two above
        QString title = QStringLiteral("Shape");
        qsizetype classifications = -1; // how many the record lists, where the row holds it
    } rows[] = {
        {"a vCard of many lines, and one with an empty ORG",
         {},
         "<lifecycle>" +
             contribute("Author", "BEGIN:VCARD\nVERSION:3.0\nFN:Ana Ortiz\nN:Ortiz;Ana\nORG:Cellworks\n"
                                  "EMAIL;INTERNET:ana@cellworks.example\nTEL:+34 600 000 000\nADR:;;Calle Mayor 1;Madrid\n"
                                  "URL:https://cellworks.example\nNOTE:Lead author\nEND:VCARD") +
             contribute("Publisher", "BEGIN:VCARD\nFN:Cellworks Press\nORG:\nEND:VCARD") + "</lifecycle>",
         {"The export writes each person by name alone. Lines of their vCards left out of your imported file: "
          "<lifecycle> contribute: \"ORG:Cellworks\", \"EMAIL;INTERNET:ana@cellworks.e\u2026\", \"TEL:+34 600 000 000\", "
          "\"ADR:;;Calle Mayor 1;Madrid\", \"URL:https://cellworks.example\", \"NOTE:Lead author\""}},
        {"vCards whose FN, N and other lines are folded, in version 2.1 and 3.0: the names are kept whole",
         {},
         "<lifecycle>" +
             contribute("Author", "BEGIN:VCARD\nFN:Ann\n Author\nN:Author;\n Ann\nNOTE:\n Room: 4B, second floor\n"
                                  "END:VCARD") +
             contribute("Publisher", "BEGIN:VCARD\nVERSION:3.0\nFN:Cell\n works Press\nN:Press;Cell\n works\n"
                                     "EMAIL:press@cell\n works.example\nEND:VCARD") +
             "</lifecycle>",
         {"The export writes each person by name alone. Lines of their vCards left out of your imported file: "
          "<lifecycle> contribute: \"NOTE: Room: 4B, second floor\", \"EMAIL:press@cellworks.example\""}},
        {"three URL lines of a vCard that begin alike",
         {},
         "<lifecycle>" +
             contribute("Author", "BEGIN:VCARD\nFN:Ann\nURL;TYPE=work:http://www.canal.example/people/ann\n"
                                  "URL;TYPE=work:http://www.canal.example/courses/cells\n"
                                  "URL;TYPE=work:http://www.canal.example/courses/cells-and-tissues-of-the-body-in-depth"
                                  "-for-learners-of-every-age\nEND:VCARD") +
             "</lifecycle>",
         {"The export writes each person by name alone. Lines of their vCards left out of your imported file: "
          "<lifecycle> contribute: \"URL;TYPE=work:http://www.canal.example/people/ann\", "
          "\"URL;TYPE=work:http://www.canal.example/courses/cells\", "
          "\"URL;TYPE=work:http://www.canal.example/courses/cells-and-tissues-of-the-body-in-depth-for-learners-o\u2026\""}},
        {"a manifest whose item, resource and file each hold a record",
         {},
         {},
         {"Only the first metadata record of a file is read. Left out of your imported file: 2 more records, in "
          "resource \"RES-1\", file \"cells.html\""},
         manifest("<organizations><organization identifier=\"ORG-1\"><item identifier=\"ITEM-1\" identifierref=\"RES-1\">"
                  "<title>Cells</title><metadata>" +
                  lom("imsmd:", titled("Shape")) +
                  "</metadata></item></organization></organizations><resources><resource identifier=\"RES-1\" "
                  "type=\"webcontent\" href=\"cells.html\"><metadata>" +
                  lom("imsmd:", titled("The resource")) + "</metadata><file href=\"cells.html\"><metadata>" +
                  lom("imsmd:", titled("The page")) + "</metadata></file></resource></resources>")},
        {"a package of twenty resource-level records: the first is read, and nothing of the others",
         {},
         {},
         {[] {
             QStringList places;
             for (int i = 2; i <= 20; ++i)
                 places << QStringLiteral("resource \"RES-%1\"").arg(i);
             return "Only the first metadata record of a file is read. Left out of your imported file: 19 more records, "
                    "in " + places.join(QStringLiteral(", "));
         }()},
         [&] {
             QString resources;
             for (int i = 1; i <= 20; ++i)
                 resources += QStringLiteral("<resource identifier=\"RES-%1\" type=\"webcontent\"><metadata>").arg(i) +
                              lom("imsmd:", titled(i == 1 ? "Resource 1" : "Another") +
                                                (i == 8 ? QStringLiteral("<imsmd:lifecycle><imsmd:status><imsmd:value>"
                                                                         "<imsmd:langstring>Approved</imsmd:langstring>"
                                                                         "</imsmd:value></imsmd:status></imsmd:lifecycle>")
                                                        : QString())) +
                              "</metadata></resource>";
             return manifest("<organizations/><resources>" + resources + "</resources>");
         }(),
         "Resource 1"},
        {"an extension's general element before the record's own",
         {},
         {},
         {"Unsupported element found in your imported file <lom>: o:ext"},
         "<lom xmlns=\"http://www.imsglobal.org/xsd/imsmd_rootv1p2p1\" xmlns:o=\"urn:example:other\"><o:ext><o:general>OTHER"
         "</o:general></o:ext><general><title>" +
             lang("x-none", "Own title") + "</title><keyword>" + lang("x-none", "own") + "</keyword></general></lom>",
         "Own title"},
        {"a record whose namespace is written wrong",
         {},
         {},
         {"The metadata record's namespace is not one this program knows; it is read as SCORM 1.2. Namespace of your "
          "imported file: \"http://www.imsglp1\""},
         "<lom xmlns=\"http://www.imsglp1\"><general><title>" + lang("x-none", "Shape") + "</title><keyword>" +
             lang("x-none", "own") + "</keyword></general><lifecycle><version>" + lang("x-none", "1.0") +
             "</version></lifecycle></lom>"},
        {"a manifest whose inline record has a namespace that only looks like an IMS one",
         {},
         {},
         {"The metadata record's namespace is not one this program knows; it is read as SCORM 1.2. Namespace of your "
          "imported file: \"http://www.imsglobal.org/xsd/ims_metadata_v1p2\""},
         "<manifest xmlns=\"http://www.imsproject.org/xsd/imscp_rootv1p1p2\" identifier=\"M-1\"><metadata><md:lom "
         "xmlns:md=\"http://www.imsglobal.org/xsd/ims_metadata_v1p2\"><md:general><md:title><md:langstring>Shape"
         "</md:langstring></md:title><md:description><md:langstring>Cells</md:langstring></md:description><md:keyword>"
         "<md:langstring>cell</md:langstring></md:keyword></md:general></md:lom></metadata></manifest>"},
        {"a record whose extension holds a SCORM 2004 general element before the record's own",
         {},
         {},
         {"Unsupported element found in your imported file <lom>: o:ext"},
         "<lom xmlns=\"http://www.imsglobal.org/xsd/imsmd_rootv1p2p1\" xmlns:o=\"urn:example:other\"><o:ext><general "
         "xmlns=\"http://ltsc.ieee.org/xsd/LOM\"><title><string>OTHER</string></title></general></o:ext><general><title>" +
             lang("x-none", "Shape") + "</title></general><lifecycle><version>" + lang("x-none", "1.0") +
             "</version></lifecycle></lom>"},
        {"a record whose lom holds a general element of another metadata namespace before its own",
         {},
         {},
         {"Unsupported element found in your imported file <lom>: general"},
         lom({}, "<general xmlns=\"http://ltsc.ieee.org/xsd/LOM\"><title><string>OTHER</string></title></general>"
                 "<general><title>" + lang("x-none", "Shape") + "</title><keyword>" + lang("x-none", "own") +
                 "</keyword></general>")},
        {"a record of a foreign namespace before the metadata record: not counted as a further record",
         {},
         {},
         {},
         "<metadata><lom xmlns=\"urn:example:foreign\"><general><title>OTHER</title></general></lom>" +
             lom({}, "<general><title>" + lang("x-none", "Shape") + "</title></general>") + "</metadata>"},
        {"a root of another name holding its own general element",
         {},
         {},
         {},
         "<record xmlns=\"http://www.imsglobal.org/xsd/imsmd_rootv1p2p1\"><general><title>" + lang("x-none", "Shape") +
             "</title></general></record>"},
        {"a general element of a foreign namespace before the record's own in its lom",
         {},
         {},
         {"Unsupported element found in your imported file <lom>: o:general"},
         "<lom xmlns=\"http://www.imsglobal.org/xsd/imsmd_rootv1p2p1\" xmlns:o=\"urn:example:other\"><o:general><o:title>"
         "OTHER</o:title></o:general><general><title>" +
             lang("x-none", "Shape") + "</title></general></lom>"},
        {"elements named like a category in an extension and in a foreign namespace before the category",
         {},
         {},
         {"Unsupported element found in your imported file <lom>: o:ext",
          "Unsupported element found in your imported file <lom>: o:technical"},
         "<lom xmlns=\"http://www.imsglobal.org/xsd/imsmd_rootv1p2p1\" xmlns:o=\"urn:example:other\"><general><title>" +
             lang("x-none", "Shape") + "</title></general><o:ext><technical><location>inside</location></technical>"
             "</o:ext><o:technical><o:location>elsewhere</o:location></o:technical><technical><location>here"
             "</location></technical></lom>"},
        {"a classification after the record, outside it",
         {},
         {},
         {},
         "<metadata>" + lom({}, "<general><title>" + lang("x-none", "Shape") + "</title></general>") +
             "<classification xmlns=\"http://www.imsglobal.org/xsd/imsmd_rootv1p2p1\">" +
             vocabulary("purpose", "LOMv1.0", "Discipline") + "</classification></metadata>",
         QStringLiteral("Shape"),
         0},
        {"the classifications of a record nested inside the record",
         {},
         {},
         {"Unsupported element found in your imported file <lom>: o:ext"},
         "<lom xmlns=\"http://www.imsglobal.org/xsd/imsmd_rootv1p2p1\" xmlns:o=\"urn:example:other\"><general><title>" +
             lang("x-none", "Shape") + "</title></general><o:ext><lom><general><title>" + lang("x-none", "Nested") +
             "</title></general><classification>" + vocabulary("purpose", "LOMv1.0", "Idea") +
             "</classification></lom></o:ext><classification>" + vocabulary("purpose", "LOMv1.0", "Discipline") +
             "</classification></lom>",
         QStringLiteral("Shape"),
         1},
        {"a record nested inside a further record: counted with it",
         {},
         {},
         {"Only the first metadata record of a file is read. Left out of your imported file: 1 more record, in "
          "resource \"RES-2\""},
         manifest("<organizations><organization identifier=\"ORG-1\"><item identifier=\"ITEM-1\"><metadata>" +
                  lom("imsmd:", titled("Shape")) +
                  "</metadata></item></organization></organizations><resources><resource identifier=\"RES-2\" "
                  "type=\"webcontent\"><metadata>" +
                  lom("imsmd:", titled("The resource") + "<imsmd:relation><imsmd:lom>" + titled("Inside") +
                                    "</imsmd:lom></imsmd:relation>") +
                  "</metadata></resource></resources>")},
        {"a general element nested in the educational category before the record's own",
         {},
         {},
         {"Unsupported element found in your imported file <education>: general"},
         lom({}, "<educational><general><title>" + lang("x-none", "Nested") + "</title></general></educational>"
                 "<general><title>" + lang("x-none", "Own title") + "</title></general>"),
         "Own title"},
        {"a record of the Spanish profile, with a MACE vocabulary",
         {},
         {},
         {"The export writes every vocabulary with the source \"LOMv1.0\". Sources of your imported file that are not "
          "kept: \"LOM-ESv1.0\" (3 values), \"MACEv1.0\" (1 value)"},
         lom({}, sources())},
        {"a classification in en-US beside general strings in Spanish",
         "<description>" + lang("es", "C\u00e9lulas") + "</description>",
         "<classification>" + vocabulary("purpose", "LOMv1.0", "Discipline") + "<description>" +
             lang("en-US", "Biology") + "</description></classification>",
         {"Every language but those of the classifications is written as \"x-none\". Languages of your imported file "
          "that are not kept: es"}},
        {"two descriptions that begin with the same 40 characters",
         "<description>" + lang("x-none", (description + "with their name").toUtf8()) + "</description><description>" +
             lang("x-none", (description + "for the group").toUtf8()) + "</description>",
         {},
         {"Each of these fields holds one value. Repeated elements left out of your imported file: <general> "
          "description: \"The learners will each make a business card with\u2026\""}},
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
          "attribution - share alike\"\r\rThe export writes every vocabulary with the source \"LOMv1.0\". Sources of your "
          "imported file that are not kept: \"LOM-ESv1.0\" (1 value)"}},
        {"values outside the lists that the record keeps and writes back",
         {},
         "<lifecycle><contribute>" + vocabulary("role", "LOMv1.0", "Creator") +
             "<centity><vcard>BEGIN:VCARD\nFN:Ann Smith\nEMAIL:ann@example.org\nEND:VCARD</vcard></centity>"
             "</contribute></lifecycle><educational>" +
             vocabulary("context", "LOMv1.0", "University Undergraduate") + "</educational>",
         {"The export writes each person by name alone. Lines of their vCards left out of your imported file: "
          "<lifecycle> contribute: \"EMAIL:ann@example.org\""}},
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
        {"person elements that name no one, and contributions without a person holding repeats",
         {},
         "<lifecycle>" + contribute("Author", "BEGIN:VCARD\nFN:Ann\nEND:VCARD") + "<contribute>" +
             vocabulary("role", "LOMv1.0", "Editor") + "<centity></centity></contribute><contribute>" +
             vocabulary("role", "LOMv1.0", "Publisher") + vocabulary("role", "LOMv1.0", "Validator") +
             "<centity><vcard>BEGIN:VCARD\nEND:VCARD</vcard></centity></contribute><contribute>" +
             vocabulary("role", "LOMv1.0", "Initiator") + vocabulary("role", "LOMv1.0", "Terminator") +
             "</contribute></lifecycle>",
         {"Unsupported element found in your imported file <lifecycle>: centity",
          "Each contribution is kept with its person. Contributions without a person left out of your imported "
          "file: <lifecycle> contribute: \"Editor\", \"Publisher\", \"Initiator Terminator\""}},
        {"strings that say what the first one says once blanks are simplified",
         {}, {}, {},
         lom({}, "<general><title><langstring>Cells\n   of life</langstring><langstring xml:lang=\"x-none\">Cells of "
                 "life</langstring></title></general>"),
         "Cells\n   of life"},
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
          "<lifecycle> contribute/date: 2006-01-01; <metametadata> contribute/date: 2021-09-01"}},
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
          "<lifecycle> contribute/date: \"creado\""}},
        {"descriptions of a duration and a typical learning time: the duration is written in its description",
         {},
         "<technical><duration><datetime>PT10M</datetime><description>" +
             lang("x-none", "This field isn't really applicable to the course as a whole") +
             "</description></duration></technical><educational><typicallearningtime><datetime>PT1H</datetime>"
             "<description>" +
             lang("x-none", "Academic Training Hours (Distance Learning)") + "</description></typicallearningtime>"
             "</educational>",
         {"Unsupported value found in your imported file <technical>: duration \"This field isn't really applicable "
          "to the course as a whole\"\r\rValues left out of your imported file: <educational> "
          "typicallearningtime/description/langstring: \"Academic Training Hours (Dista\u2026\""}},
        {"three metadata schemas, one of them the writers' own",
         {},
         "<metametadata><metadatascheme>IMS Metadata 1.2</metadatascheme><metadatascheme>SCORM v1.2</metadatascheme>"
         "<metadatascheme>ADLv1.0</metadatascheme></metametadata>",
         {"The export writes its own metadata schemas. Metadata schemas of your imported file that are not kept: "
          "<metametadata> metadatascheme: \"IMS Metadata 1.2\", \"ADLv1.0\""}},
        {"a catalog entry of the meta-metadata",
         {},
         "<metametadata><catalogentry><catalog>TBD</catalog><entry>" + lang("x-none", "MM-1") +
             "</entry></catalogentry></metametadata>",
         {"Unsupported element found in your imported file <metametadata>: catalogentry"}},
        {"comments inside the structure and a vocabulary",
         "<structure><!-- from the catalogue --><source>" + lang("x-none", "LOMv1.0") + "</source><value>" +
             lang("x-none", "Hierarchical") + "</value></structure>",
         "<educational><context><!-- as taught --><source>" + lang("x-none", "LOMv1.0") + "</source><value>" +
             lang("x-none", "Higher Education") + "</value></context></educational>",
         {}},
        {"two descriptions that agree over their first 150 characters",
         "<description>" + lang("x-none", (series + "Lengua primer ciclo de Primaria. REA Andalucia.").toUtf8()) +
             "</description><description>" +
             lang("x-none", (series + "Matematicas segundo ciclo de Primaria. REA Andalucia.").toUtf8()) +
             "</description>",
         {},
         {"Each of these fields holds one value. Repeated elements left out of your imported file: <general> "
          "description: \"\u2026 Lengua primer ciclo de Primaria. REA Andalucia.\""}},
        {"a catalog entry left out whose entry is the location",
         "<catalogentry><catalog>URI</catalog><entry>" + lang("x-none", (u' ' + address).toUtf8()) +
             "</entry></catalogentry><catalogentry><catalog>POOL</catalog><entry>" +
             lang("x-none", "000SamplePoolRefernece#") + "</entry></catalogentry>",
         "<technical><location type=\"URI\">" + address + "</location></technical>",
         {"Each of these fields holds one value. Repeated elements left out of your imported file: <general> "
          "catalogentry: \"URI " + address + "\""}},
        {"a duration's date that holds no date",
         {},
         "<technical><duration><datetime>00:30:00</datetime></duration></technical>",
         {"Values left out of your imported file: <technical> duration/datetime: \"00:30:00\""}},
        {"a repeated person naming the kept one: the other lines of its vCard are left out with it",
         {},
         "<annotation><person><vcard>BEGIN:VCARD\nFN:Ann\nEMAIL:ann@example.org\nEND:VCARD</vcard></person><person>"
         "<vcard>BEGIN:VCARD\nFN:Ann\nEND:VCARD</vcard></person></annotation>",
         {"Each of these fields holds one value. Repeated elements left out of your imported file: <annotation> "
          "person: \"EMAIL:ann@example.org\""}},
        {"two statuses of another source: the source counted with the kept one alone",
         {},
         "<lifecycle>" + vocabulary("status", "LOM-ESv1.0", "Draft") + vocabulary("status", "LOM-ESv1.0", "Final") +
             "</lifecycle>",
         {"Each of these fields holds one value. Repeated elements left out of your imported file: <lifecycle> "
          "status: \"Draft\"\r\rThe export writes every vocabulary with the source \"LOMv1.0\". Sources of your "
          "imported file that are not kept: \"LOM-ESv1.0\" (1 value)"}},
        {"a classification in x-none beside general strings in Spanish",
         "<description>" + lang("es", "C\u00e9lulas") + "</description>",
         "<classification>" + vocabulary("purpose", "LOMv1.0", "Discipline") + "<description>" +
             lang("x-none", "Biology") + "</description></classification>",
         {"Every language is written as \"x-none\". Languages of your imported file that are not kept: es"}},
    };
    failOnUnanswered = false;
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        writeFile(
            QStringLiteral("shape.xml"),
            (!row.file.isEmpty()
                 ? row.file
                 : "<lom xmlns=\"http://www.imsglobal.org/xsd/imsmd_rootv1p2p1\"><general uniqueElementName=\"general\">"
                   "<title>" +
                       lang("x-none", "Shape") + "</title>" + row.general + "</general>" + row.categories + "</lom>")
                .toUtf8());
        const ImportResult opened = importMetadataFile(path(QStringLiteral("shape.xml")), clearedRecord12());
        EXPECT_TRUE(opened.ok); // a general element with attributes is found
        EXPECT_EQ(opened.record.titleText, row.title);
        if (row.classifications >= 0) {
            EXPECT_EQ(opened.record.lstClassification.size(), row.classifications);
        }
        QStringList notices;
        for (const Notice &n : opened.notices)
            notices << n.text;
        EXPECT_EQ(notices.join(u'\n').toStdString(), row.notices.join(u'\n').toStdString());
        // Exported, it keeps what the notices do not name.
        EXPECT_EQ(unnamedLossesOfExport(binding(), dialogs, path(QStringLiteral("shape.xml")), opened.notices),
                  QStringList());
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

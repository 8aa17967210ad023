#include "support/testmain.h"

#include "reader_support.h"

#include "model12/reader12.h"

#include "platform/textfile.h"

using namespace ts;
using ts::test::changedFields;
using ts::test::info;

namespace {

using TextReader = bool (*)(const QString &, Record12 &, Notices &);

struct Read {
    bool ok;
    QStringList fields;
    Notices notices;
};

Read read(TextReader reader, const QString &xml, const Record12 &start = clearedRecord12())
{
    Record12 record = start;
    Notices notices;
    const bool ok = reader(xml, record, notices);
    return {ok, changedFields(record, start), notices};
}

QString vocabulary(const QString &element, const QString &value)
{
    return QStringLiteral("<%1><source><langstring xml:lang=\"x-none\">LOMv1.0</langstring></source>"
                          "<value><langstring xml:lang=\"x-none\">%2</langstring></value></%1>")
        .arg(element, value);
}

Notice unsupportedValue(const QString &rest)
{
    return info(QStringLiteral("Unsupported value found in your imported file ") + rest);
}

TEST(CategoryText, ThatIsNoXmlGetsItsReadersParseNoticeAndNothingIsRead)
{
    struct Row {
        TextReader reader;
        const char *prefix;
        Icon icon;
        const char *title;
    };
    const Row rows[] = {
        {&parseGeneral, "Unsupported XML on line ", Icon::Information, "Notice"},
        {&parseLifecycle, "Unsupported  XML on line ", Icon::Information, "Notice"},
        {&parseMetametadata, "Unsupported XML on line ", Icon::None, ""},
        {&parseTechnical, "Unsupported XML on line ", Icon::Information, "Notice"},
        {&parseEducational, "Unsupported XML on line ", Icon::Information, "Notice"},
        {&parseRights, "Unsupported XML on line ", Icon::Information, "Notice"},
        {&parseRelation, "Unsupported XML on line ", Icon::Information, "Notice"},
        {&parseAnnotation, "Unsupported XML on line ", Icon::Information, "Notice"},
        {&parseClassification, "XML Error on line ", Icon::Information, "Notice"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.prefix);
        const Read r = read(row.reader, QStringLiteral("<x>\n<title>T</title>\n<y>\n</x>"));
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(r.fields.isEmpty());
        EXPECT_EQ(r.notices, Notices({{QLatin1String(row.prefix) +
                                           QStringLiteral("4, position 5\r\r</x>\r\rOpening and ending tag mismatch: "
                                                          "y line 3 and x"),
                                       QLatin1String(row.title), row.icon}}));
    }
}

TEST(LifecycleStatus, IsTheLastOrFirstValueAndOddValuesAreNoticed)
{
    struct Row {
        QString status;
        QStringList fields;
        Notices notices;
    };
    const Notice notRecommended =
        info("Lifecycle status is not one of the recommended type:  Draft, Final, Revised or Unavailable.");
    const Row rows[] = {
        {"<source>LOMv1.0</source><value>Revised</value>", {"lifecycleStatusCombo=Revised"}, {}},
        {"<value>Final</value><source>LOMv1.0</source>", {"lifecycleStatusCombo=Final"}, {}},
        {"<value>Draft</value><value>Unavailable</value>", {"lifecycleStatusCombo=Unavailable"}, {}},
        {"<source>LOMv1.0</source><value>draft</value>", {"lifecycleStatusCombo=draft"}, {notRecommended}},
        {"<source>LOMv1.0</source><value><langstring/></value>", {"lifecycleStatusCombo="}, {}},
        {"<source>LOMv1.0</source><other>Final</other>", {}, {}},
    };
    Record12 start = clearedRecord12();
    start.lifecycleStatusCombo = QStringLiteral("before");
    for (const Row &row : rows) {
        SCOPED_TRACE(row.status.toStdString());
        const Read r = read(&parseLifecycle, QStringLiteral("<lifecycle><status>%1</status></lifecycle>").arg(row.status),
                            start);
        EXPECT_EQ(r.fields, row.fields);
        EXPECT_EQ(r.notices, row.notices);
    }
}

TEST(TechnicalDuration, AcceptsEveryFormAndLosesOnlyWhatItCannotRead)
{
    struct Row {
        QString duration;
        QStringList fields;
        Notices notices;
    };
    const auto description = [](const char *text) {
        return QStringLiteral("<description><langstring>%1</langstring></description>").arg(QLatin1String(text));
    };
    const Row rows[] = {
        {description("01:30:15"),
         {"cboHourDuration=01", "cboMinDuration=30", "cboSecDuration=15", "txtDuration=01:30:15"}, {}},
        {description("2:05"), {"cboHourDuration=2", "cboMinDuration=05", "txtDuration=2:05:"}, {}},
        {description("PT1H30M"),
         {"cboHourDuration=01", "cboMinDuration=30", "cboSecDuration=00", "txtDuration=01:30:00"}, {}},
        {"<datetime>PT90M</datetime>",
         {"cboHourDuration=01", "cboMinDuration=30", "cboSecDuration=00", "txtDuration=01:30:00"}, {}},
        {"<datetime>P1DT2H0.5S</datetime>",
         {"cboHourDuration=26", "cboMinDuration=00", "cboSecDuration=00", "txtDuration=26:00:00"}, {}},
        {"<datetime>2024-05-01</datetime>" + description("00:10:00"),
         {"cboHourDuration=00", "cboMinDuration=10", "cboSecDuration=00", "txtDuration=00:10:00"}, {}},
        {"<datetime>PT2H</datetime>" + description("about two hours"),
         {"cboHourDuration=02", "cboMinDuration=00", "cboSecDuration=00", "txtDuration=02:00:00"},
         {unsupportedValue("<technical>: duration \"about two hours\"")}},
        {"<datetime>P1M</datetime>", {}, {}},
        {description("PT"), {}, {unsupportedValue("<technical>: duration \"PT\"")}},
        {description(""), {}, {}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.duration.toStdString());
        const Read r =
            read(&parseTechnical, QStringLiteral("<technical><duration>%1</duration></technical>").arg(row.duration));
        EXPECT_EQ(r.fields, row.fields);
        EXPECT_EQ(r.notices, row.notices);
    }
}

TEST(TypicalLearningTime, IsReadFromItsFirstChild)
{
    const struct {
        const char *time;
        QStringList fields;
    } rows[] = {
        {"00:45:00", {"cboHour=00", "cboMin=45", "cboSec=00"}},
        {"PT45M", {"cboHour=00", "cboMin=45", "cboSec=00"}},
        {"P2W", {"cboHour=336", "cboMin=00", "cboSec=00"}}, // a week is seven days
        {"1:30", {"cboHour=1", "cboMin=30"}},
        {"10:20:30:40", {"cboHour=10", "cboMin=20", "cboSec=30"}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.time);
        const Read r = read(&parseEducational,
                            QStringLiteral("<educational><typicallearningtime><datetime>%1</datetime>"
                                           "<description><langstring>x</langstring></description>"
                                           "</typicallearningtime></educational>")
                                .arg(QLatin1String(row.time)));
        EXPECT_EQ(r.fields, row.fields);
        EXPECT_TRUE(r.notices.isEmpty());
    }
}

TEST(TechnicalFormats, TickTheirCheckBoxAndTheRestIsCollected)
{
    const std::pair<const char *, const char *> rows[] = {
        {"video/quicktime", "quicktimeCheck=true"},
        {"graphics/gif", "gifCheck=true"},
        {"graphics/jpg", "jpgCheck=true"},
        {"audio/wav", "wavCheck=true"},
        {"text/html", "htmlCheck=true"},
        {"application/x-shockwave-flash", "flashCheck=true"},
        {"application/msexcel", "excelCheck=true"},
        {"application/mspowerpoint", "powerpointCheck=true"},
        {"application/x-javascript", "javascriptCheck=true"},
        {"application/java", "javaCheck=true"},
        {"application/pdf", "pdfCheck=true"},
        {"application/realmedia", "realMediaCheck=true"},
        {"Text/HTML", "otherContentTypeText=Text/HTML"},
    };
    for (const auto &[format, field] : rows) {
        const Read r = read(&parseTechnical, QStringLiteral("<technical><format>%1</format></technical>").arg(format));
        EXPECT_EQ(r.fields, QStringList({field})) << format;
    }
}

TEST(BrowserRequirement, IsMappedFromNameAndMinimumVersion)
{
    const std::tuple<const char *, const char *, const char *> rows[] = {
        {"Any", "", "Any"},
        {"Microsoft Internet Explorer", "4.0", "MS Explorer 4.x or Higher"},
        {"Microsoft Internet Explorer", "5.0", "MS Explorer 5.x or Higher"},
        {"Microsoft Internet Explorer", "6.0", "MS Explorer 6.x or Higher"},
        {"Netscape Communicator", "4.0", "Netscape 4.x"},
        {"Netscape Communicator", "6.0", "Netscape 6.x or Higher"},
        {"Opera", "7.0", "Opera"},
    };
    for (const auto &[name, version, shown] : rows) {
        const QString version_ = QLatin1String(version);
        const Read r = read(&parseTechnical,
                            QStringLiteral("<technical><requirement>%1%2%3</requirement></technical>")
                                .arg(vocabulary("type", "BROWSER"), vocabulary("name", QLatin1String(name)),
                                     version_.isEmpty() ? QString()
                                                        : QStringLiteral("<minimumversion>%1</minimumversion>")
                                                              .arg(version_)));
        EXPECT_EQ(r.fields, QStringList({QStringLiteral("browserCombo=") + QLatin1String(shown)})) << name << version;
        EXPECT_TRUE(r.notices.isEmpty());
    }
    // A pair that is not in the table leaves the text of the last pair found in the category: none here.
    Record12 start = clearedRecord12();
    start.browserCombo = QStringLiteral("before");
    const Read unknown = read(&parseTechnical,
                              QStringLiteral("<technical><requirement>%1%2<minimumversion>3.0"
                                             "</minimumversion></requirement></technical>")
                                  .arg(vocabulary("type", "Browser"), vocabulary("name", "Opera")),
                              start);
    EXPECT_EQ(unknown.fields, QStringList({"browserCombo="}));
    EXPECT_EQ(unknown.notices, Notices({unsupportedValue("<technical>: requirement \"Opera 3.0\"")}));
}

TEST(LearningResourceTypes, TickTheirCheckBoxes)
{
    const std::pair<const char *, const char *> rows[] = {
        {"Diagram", "diagramCheck"},       {"Exercise", "exerciseCheck"},
        {"Table", "tableCheck"},           {"Graph", "graphCheck"},
        {"Figure", "figureCheck"},         {"Index", "indexCheck"},
        {"Problem Statement", "problemStatementCheck"}, {"Questionnaire", "questionnaireCheck"},
        {"Self Assesment", "selfAssessmentCheck"},      {"Narrative Text", "narrativeTextCheck"},
        {"Simulation", "simulationCheck"}, {"Slide", "slideCheck"},
        {"Experiment", "experimentCheck"}, {"Exam", "examCheck"},
    };
    for (const auto &[value, check] : rows) {
        const Read r = read(&parseEducational, QStringLiteral("<educational>%1</educational>")
                                                   .arg(vocabulary("learningresourcetype", QLatin1String(value))));
        EXPECT_EQ(r.fields, QStringList({QLatin1String(check) + QStringLiteral("=true")})) << value;
    }
    const Read misspelt = read(&parseEducational, QStringLiteral("<educational>%1</educational>")
                                                      .arg(vocabulary("learningresourcetype", "Self Assessment")));
    EXPECT_TRUE(misspelt.fields.isEmpty());
    EXPECT_EQ(misspelt.notices,
              Notices({unsupportedValue("<educational>: learningresourcetype \"Self Assessment\"")}));
}

TEST(RelationKinds, AreShownAsPhrases)
{
    const std::pair<const char *, const char *> rows[] = {
        {"IsPartOf", "Is Part of Resource Named Below"},
        {"HasPart", "Has a Part of Resource Named Below"},
        {"IsVersionOf", "Is a Version of Resource Named Below"},
        {"HasVersion", "Has a Version of Resource Named Below"},
        {"IsFormatOf", "Is a Format of Resource Named Below"},
        {"HasFormat", "Has a Format of Resource Named Below"},
        {"References", "References Resource Named Below"},
        {"IsReferencedBy", "Is Referenced By Resource Named Below"},
        {"IsBasedOn", "Is Based on Resource Named Below"},
        {"IsBasisFor", "Is a Basis for Resource Named Below"},
        {"Requires", "Requires Resource Named Below"},
        {"IsRequiredBy", "Is Required by Resource Named Below"},
    };
    for (const auto &[kind, phrase] : rows) {
        const Read r = read(&parseRelation,
                            QStringLiteral("<relation>%1</relation>").arg(vocabulary("kind", QLatin1String(kind))));
        EXPECT_EQ(r.fields, QStringList({QStringLiteral("relationshipCombo=") + QLatin1String(phrase)}));
    }
    Record12 start = clearedRecord12();
    start.relationshipCombo = QStringLiteral("before");
    const Read lowerCase =
        read(&parseRelation, QStringLiteral("<relation>%1</relation>").arg(vocabulary("kind", "isPartOf")), start);
    EXPECT_EQ(lowerCase.fields, QStringList({"relationshipCombo="}));
    EXPECT_EQ(lowerCase.notices, Notices({unsupportedValue("<relation>: kind \"isPartOf\"")}));
}

TEST(RightsOptions, AreYesOnlyForALowerCaseYes)
{
    const std::pair<const char *, bool> rows[] = {{"yes", true}, {"Yes", false}, {"no", false}, {"", false}};
    for (const auto &[value, yes] : rows) {
        Record12 record = clearedRecord12();
        record.feesYes = !yes;
        record.copyrightYes = !yes;
        Notices notices;
        parseRights(QStringLiteral("<rights>%1%2</rights>")
                        .arg(vocabulary("cost", QLatin1String(value)),
                             vocabulary("copyrightandotherrestrictions", QLatin1String(value))),
                    record, notices);
        EXPECT_EQ(record.feesYes, yes) << value;
        EXPECT_EQ(record.copyrightYes, yes) << value;
    }
}

TEST(AnnotationPerson, IsTheNameOfItsVCard)
{
    const std::pair<const char *, const char *> rows[] = {
        {"\n   begin:vcard\n   fn:Ann Notator\n   end:vcard\n", "Ann Notator"},
        {"BEGIN:VCARD\nFN:Bo &amp; Co\nTEL:123\nEND:VCARD", "Bo & Co"},
        {"begin:vcard\norg:Example Org\nend:vcard", "Example Org"},
        {"begin:vcard\nn:Doe;Jane\nend:vcard", "kept"},
    };
    Record12 start = clearedRecord12();
    start.authorText = QStringLiteral("kept");
    for (const auto &[vcard, name] : rows) {
        Record12 record = start;
        Notices notices;
        parseAnnotation(
            QStringLiteral("<annotation><person><vcard>%1</vcard></person></annotation>").arg(QLatin1String(vcard)),
            record, notices);
        EXPECT_EQ(record.authorText, QLatin1String(name));
    }
}

TEST(ClassificationFragment, WrittenByTheEditorFillsTheClassificationFields)
{
    QString text;
    ASSERT_TRUE(readTextFile(ts::test::readerData(QStringLiteral("fragment-writer.xml")), text));
    const Read r = read(&parseClassification, text);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.fields, QStringList({"classificationCombo=Educational Objective",
                                     "classificationText=Reading & writing",
                                     "classificationKeywordsText=reading,writing", "txtTaxonSource=Bloom",
                                     "lstTaxon=1,Knowledge | 2,Comprehension"}));
    EXPECT_EQ(r.notices, Notices({info("Unsupported element found in your imported file <classification>: rating")}));
}

TEST(ClassificationFragment, PairsEveryIdWithTheEntryOfItsOwnTaxon)
{
    QString text;
    ASSERT_TRUE(readTextFile(ts::test::readerData(QStringLiteral("fragment-taxa.xml")), text));
    const Read r = read(&parseClassification, text);
    EXPECT_EQ(r.fields, QStringList({"txtTaxonSource=Catalogue", "lstTaxon=A, | B,Both | ,Entry only"}));
    // A taxon nested in a taxon, and what else the path holds, are not read: they are reported.
    EXPECT_EQ(r.notices, Notices({info("Unsupported element found in your imported file <classification>: taxon"),
                                  info("Unsupported element found in your imported file <classification>: other")}));
}

TEST(ClassificationFragment, ThatIsNotWellFormedSetsNothing)
{
    QString text;
    ASSERT_TRUE(readTextFile(ts::test::readerData(QStringLiteral("fragment-broken.xml")), text));
    const Read r = read(&parseClassification, text);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.fields.isEmpty());
    EXPECT_EQ(r.notices, Notices({info("XML Error on line 3, position 18\r\r</classification>\r\r"
                                       "Opening and ending tag mismatch: purpose line 2 and classification")}));
}

} // namespace

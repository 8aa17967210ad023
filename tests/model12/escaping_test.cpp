#include "support/testmain.h"

#include "fixtures12.h"

#include "platform/xmldocument.h"
#include "shared/textutil.h"
#include "model12/buildxml.h"

using namespace ts;
using namespace ts::test;

namespace {

// Markup characters, both quotes and letters outside ASCII.
const QString kOdd = QStringLiteral("A&B <x> \"q\" 'a' Zoë Ωμέγα 東京 &amp;");

QString odd(const char *field) { return QLatin1String(field) + QLatin1Char(' ') + kOdd; }

Record12 oddRecord()
{
    Record12 r = clearedRecord12();
    r.titleText = odd("title");
    r.catalogText = odd("catalog");
    r.catalogEntryText = odd("entry");
    r.courseDescription = odd("description");
    r.keywordsText = odd("k1") + QLatin1Char(',') + odd("k2");
    r.txtCoverage = odd("coverage");
    r.cboStructure = odd("structure");
    r.cboAggregationLevel = odd("level");
    r.versionText = odd("version");
    r.lifecycleStatusCombo = odd("status");
    r.lstFiles = {odd("person") + QLatin1Char(',') + odd("role")};
    r.txtLifecycleDate = odd("date");
    r.metadataAuthorsText = odd("author");
    r.metadataOrganizations = odd("organisation");
    r.cboCreatorRole = odd("creator");
    r.otherContentTypeText = odd("format");
    r.txtSize = QStringLiteral("123");
    r.locationText = odd("location");
    r.browserCombo = odd("browser");
    r.osCombo = odd("os");
    r.installationRemarks = odd("remarks");
    r.otherRequirements = odd("requirements");
    r.txtDuration = odd("duration");
    r.interactivityTypeCombo = odd("itype");
    r.interactivityLevelCombo = odd("ilevel");
    r.cboSemanticDensity = odd("density");
    r.endUserCombo = odd("enduser");
    r.cboContext = odd("context");
    r.txtTypicalAgeRange = odd("age");
    r.cboEduDifficulty = odd("difficulty");
    r.cboHour = odd("h");
    r.cboMin = odd("m");
    r.cboSec = odd("s");
    r.usageDescription = odd("use");
    r.usageConditionsText = odd("conditions");
    // The relationship must be one of the phrases; its description is free text.
    r.relationshipCombo = QStringLiteral("Requires Resource Named Below");
    r.otherResourceText = odd("resource");
    r.authorText = odd("annotator");
    r.annotationText = odd("annotation");
    r.classificationCombo = odd("purpose");
    r.classificationText = odd("classdesc");
    r.classificationKeywordsText = odd("ck");
    r.txtTaxonSource = odd("taxsource");
    r.lstTaxon = {odd("taxid") + QLatin1Char(',') + odd("taxentry")};
    r.lstClassification = {QStringLiteral("ü1")};
    return r;
}

// The element reached by local names, first match at each step.
XmlNode at(XmlNode node, const QStringList &names)
{
    for (const QString &name : names)
        node = node.firstElement(name);
    return node;
}

QString textAt(const XmlNode &root, const QString &path)
{
    const XmlNode node = at(root, path.split(QLatin1Char('/')));
    EXPECT_FALSE(node.isNull()) << path.toStdString();
    return node.text();
}

} // namespace

class Escaping12 : public Writer12Test {};

TEST_F(Escaping12, MarkupAndNonAsciiInEveryFieldReadBackUnchanged)
{
    const Record12 r = oddRecord();
    ASSERT_TRUE(buildClassificationXML(QStringLiteral("ü1"), r, context(false)));
    dialogs.answer(Answer::Yes);
    dialogs.answer(Answer::Yes);
    const WriteResult12 result = writeAggregation12(r, context(false));
    ASSERT_TRUE(result.done());
    EXPECT_EQ(dialogs.messages(), QStringList({"Invalid or Unsupported Browser selected", "Continue?",
                                               "No Operating System selected", "Continue?"}));

    EXPECT_TRUE(validAgainst(schema::programCache(), result.text));
    if (const auto reference = schema::referenceJudge()) {
        EXPECT_TRUE(validAgainst(reference, result.text));
    }

    XmlDocument doc;
    ASSERT_TRUE(doc.loadXML(result.text)) << doc.parseError().reason.toStdString();
    const XmlNode lom = doc.documentElement();
    const XmlNode general = lom.firstElement(QStringLiteral("general"));
    const struct {
        const char *path;
        const char *field;
    } texts[] = {
        {"general/title/langstring", "title"},
        {"general/catalogentry/catalog", "catalog"},
        {"general/catalogentry/entry/langstring", "entry"},
        {"general/description/langstring", "description"},
        {"general/coverage/langstring", "coverage"},
        {"general/structure/value/langstring", "structure"},
        {"general/aggregationlevel/value/langstring", "level"},
        {"lifecycle/version/langstring", "version"},
        {"lifecycle/status/value/langstring", "status"},
        {"lifecycle/contribute/role/value/langstring", "role"},
        {"lifecycle/contribute/date/datetime", "date"},
        {"metametadata/contribute/role/value/langstring", "creator"},
        {"technical/format", "format"},
        {"technical/location", "location"},
        {"technical/installationremarks/langstring", "remarks"},
        {"technical/otherplatformrequirements/langstring", "requirements"},
        {"technical/duration/description/langstring", "duration"},
        {"educational/interactivitytype/value/langstring", "itype"},
        {"educational/interactivitylevel/value/langstring", "ilevel"},
        {"educational/semanticdensity/value/langstring", "density"},
        {"educational/intendedenduserrole/value/langstring", "enduser"},
        {"educational/context/value/langstring", "context"},
        {"educational/typicalagerange/langstring", "age"},
        {"educational/difficulty/value/langstring", "difficulty"},
        {"educational/description/langstring", "use"},
        {"rights/description/langstring", "conditions"},
        {"relation/resource/description/langstring", "resource"},
        {"annotation/description/langstring", "annotation"},
        {"classification/purpose/value/langstring", "purpose"},
        {"classification/taxonpath/source/langstring", "taxsource"},
        {"classification/taxonpath/taxon/id", "taxid"},
        {"classification/taxonpath/taxon/entry/langstring", "taxentry"},
        {"classification/description/langstring", "classdesc"},
        {"classification/keyword/langstring", "ck"},
    };
    for (const auto &t : texts)
        EXPECT_EQ(textAt(lom, QLatin1String(t.path)), odd(t.field)) << t.path;

    // Keywords and vCard names.
    QStringList keywords;
    for (const XmlNode &e : general.elements())
        if (e.localName() == QLatin1String("keyword"))
            keywords << e.firstElement(QStringLiteral("langstring")).text();
    EXPECT_EQ(keywords, QStringList({odd("k1"), odd("k2")}));
    EXPECT_EQ(getVCardName(textAt(lom, QStringLiteral("lifecycle/contribute/centity/vcard"))), odd("person"));
    EXPECT_EQ(getVCardName(textAt(lom, QStringLiteral("annotation/person/vcard"))), odd("annotator"));
    QStringList metaNames;
    for (const XmlNode &e : at(lom, {QStringLiteral("metametadata"), QStringLiteral("contribute")}).elements())
        if (e.localName() == QLatin1String("centity"))
            metaNames << getVCardName(e.firstElement(QStringLiteral("vcard")).text());
    EXPECT_EQ(metaNames, QStringList({odd("author"), odd("organisation")}));
    EXPECT_EQ(textAt(lom, QStringLiteral("educational/typicallearningtime/datetime")),
              odd("h") + QLatin1Char(':') + odd("m") + QLatin1Char(':') + odd("s"));
}

TEST_F(Escaping12, OrdinaryValuesAreWrittenAsTyped)
{
    // Escaping every value changes nothing for values without markup characters.
    const QString text = writeSCO12(fullRecord(), context(false)).text;
    for (const char *value : {">Hierarchical<", ">Final<", ">Creator<", ">Publisher<",
                              "<datetime>2026-11-30</datetime>",
                              ">Expositive<", ">Higher Education<", "<datetime>01:30:00</datetime>", ">IsPartOf<"})
        EXPECT_TRUE(text.contains(QLatin1String(value))) << value;
}

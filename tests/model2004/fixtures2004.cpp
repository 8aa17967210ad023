#include "fixtures2004.h"

#include "reader2004_support.h"

#include "model2004/duration2004.h"
#include "model2004/reader2004.h"
#include "model2004/vocab2004.h"
#include "platform/schema_support.h"
#include "shared/textutil.h"
#include "shared/twopartitems.h"

#include <QFile>
#include <map>

namespace ts::test {

Record2004 fullRecord2004()
{
    Record2004 r;
    r.titleText = QStringLiteral("Cells & Tissues");
    r.catalogText = QStringLiteral("URI");
    r.catalogEntryText = QStringLiteral("http://example.org/bio-101");
    r.courseDescription = QStringLiteral("An introduction to the cell.");
    r.keywordsText = QStringLiteral("cell, tissue ,,organ");
    r.txtCoverage = QStringLiteral("Grades 9-12");
    r.cboStructure = QStringLiteral("hierarchical");
    r.cboAggregationLevel = QStringLiteral("2");

    r.versionText = QStringLiteral("1.0");
    r.lifecycleStatusCombo = QStringLiteral("final");
    r.lstFiles = {QStringLiteral("Ann Smith,author"), QStringLiteral(" Bob Jones ,publisher")};
    r.lstMetaContrib = {QStringLiteral("Carol White,creator")};

    r.gifCheck = true;
    r.htmlCheck = true;
    r.pdfCheck = true;
    r.otherContentTypeText = QStringLiteral("image/png, text/css");
    r.txtSize = QStringLiteral("20480");
    r.locationText = QStringLiteral(" lessons/cell.html ");
    r.browserCombo = QStringLiteral("ms explorer 6.x or Higher");
    r.osCombo = QStringLiteral("ms-windows");
    r.installationRemarks = QStringLiteral("Unzip & open index.html");
    r.otherRequirements = QStringLiteral("Sound card");
    r.cboMinDuration = QStringLiteral("45");

    r.interactivityTypeCombo = QStringLiteral("expositive");
    r.narrativeTextCheck = true;
    r.selfAssessmentCheck = true;
    r.graphCheck = true;
    r.chkLecture = true;
    r.interactivityLevelCombo = QStringLiteral("medium");
    r.cboSemanticDensity = QStringLiteral("high");
    r.endUserCombo = QStringLiteral("learner");
    r.cboContext = QStringLiteral("higher education");
    r.cboMinAge = QStringLiteral("10");
    r.cboMaxAge = QStringLiteral("20");
    r.txtTypicalAgeRange = QStringLiteral("10 - 20");
    r.cboEduDifficulty = QStringLiteral("easy");
    r.cboHour = QStringLiteral("01");
    r.cboMin = QStringLiteral("30");
    r.usageDescription = QStringLiteral("Read before the lab.");

    r.copyrightYes = true;
    r.usageConditionsText = QStringLiteral("Free for classroom use");
    r.relationshipCombo = QStringLiteral("Is Part of Resource Named Below");
    r.otherResourceText = QStringLiteral("Biology course");
    r.authorText = QStringLiteral("Eve Adams");
    r.annotationText = QStringLiteral("Checked by the department.");
    r.lstClassification = {QStringLiteral("1"), QStringLiteral("topics")};
    return r;
}

Record2004 sparseRecord2004()
{
    Record2004 r;
    r.titleText = QStringLiteral("Cell Walls");
    return r;
}

Record2004 designDefaults2004()
{
    Record2004 r;
    r.catalogText = QStringLiteral("Tagsmith Catalog");
    r.catalogEntryText = QStringLiteral("TBD");
    r.versionText = QStringLiteral("1.0");
    r.lifecycleStatusCombo = QStringLiteral("final");
    r.cboConRole = QStringLiteral("publisher");
    r.txtDuration = QStringLiteral("P00Y00M00DT00H00M00S");
    r.cboMaxAge = QStringLiteral("no max");
    r.txtTypicalTime = QStringLiteral("P00Y00M00DT00H00M00S");
    return r;
}

Record2004 classificationRecord2004()
{
    Record2004 r;
    r.classificationCombo = QStringLiteral("discipline");
    r.classificationText = QStringLiteral("Life sciences & health");
    r.classificationKeywordsText = QStringLiteral("biology, cells");
    r.txtTaxonSource = QStringLiteral("Dewey");
    r.lstTaxon = {QStringLiteral("570,Life sciences"), QStringLiteral("571.6,Cell biology")};
    return r;
}

namespace {

// A field's name followed by markup characters, both quotes and letters outside ASCII.
QString hostileText2004(const char *field)
{
    return QLatin1String(field) + QStringLiteral(" A&B <x> \"q\" 'a' Zoë Ωμέγα 東京 &amp;");
}

} // namespace

Record2004 hostileRecord2004()
{
    Record2004 r = fullRecord2004();
    QString Record2004::*texts[] = {
        &Record2004::titleText,           &Record2004::catalogText,          &Record2004::catalogEntryText,
        &Record2004::courseDescription,   &Record2004::txtCoverage,          &Record2004::cboStructure,
        &Record2004::cboAggregationLevel, &Record2004::versionText,          &Record2004::lifecycleStatusCombo,
        &Record2004::osCombo,             &Record2004::installationRemarks,  &Record2004::otherRequirements,
        &Record2004::interactivityTypeCombo, &Record2004::interactivityLevelCombo, &Record2004::cboSemanticDensity,
        &Record2004::endUserCombo,        &Record2004::cboContext,           &Record2004::txtTypicalAgeRange,
        &Record2004::cboEduDifficulty,    &Record2004::usageDescription,     &Record2004::usageConditionsText,
        &Record2004::otherResourceText,   &Record2004::annotationText,       &Record2004::classificationCombo,
        &Record2004::classificationText,  &Record2004::txtTaxonSource,
    };
    int n = 0;
    for (QString Record2004::*member : texts)
        r.*member = hostileText2004("t") + QString::number(n++);
    r.keywordsText = hostileText2004("k1") + QLatin1Char(',') + hostileText2004("k2");
    r.otherContentTypeText = hostileText2004("format");
    r.locationText = hostileText2004("location");
    r.lstFiles = {hostileText2004("person") + QLatin1Char(',') + hostileText2004("role")};
    r.lstMetaContrib = {hostileText2004("meta") + QLatin1Char(',') + hostileText2004("metarole")};
    r.authorText = hostileText2004("annotator");
    r.classificationKeywordsText = hostileText2004("ck");
    r.lstTaxon = {hostileText2004("taxid") + QLatin1Char(',') + hostileText2004("taxentry")};
    r.lstClassification = {QStringLiteral("ü1")};
    return r;
}

WriteContext context2004(bool optionalOnly)
{
    WriteContext c;
    c.optionalOnly = optionalOnly;
    c.today = QDate(2026, 12, 8);
    return c;
}

Record2004 asReadBack2004(const Record2004 &record, Writer2004 writer, bool optionalOnly)
{
    using R = Record2004;
    Record2004 r = record;
    composeDurations2004(r);
    const auto trimmedItems = [](const QString &list) {
        QStringList items = splitAtCommas(list);
        for (QString &item : items)
            item = trimBlanks(item);
        return items.join(QLatin1Char(','));
    };
    r.keywordsText = trimmedItems(r.keywordsText);
    r.otherContentTypeText = trimmedItems(r.otherContentTypeText);
    r.locationText = trimBlanks(r.locationText);
    r.authorText = trimBlanks(r.authorText);
    for (QStringList *list : {&r.lstFiles, &r.lstMetaContrib})
        for (QString &item : *list)
            item = trimBlanks(splitContributorItem(item).first) + QLatin1Char(',') + splitContributorItem(item).second;
    std::tie(r.cboMinAge, r.cboMaxAge) = splitAgeRange(r.txtTypicalAgeRange);
    for (QString R::*typed : {&R::contentAuthorsText, &R::cboConRole, &R::metadataAuthorsText, &R::cboCreatorRole,
                              &R::txtClassIdent, &R::classificationCombo, &R::classificationText,
                              &R::classificationKeywordsText, &R::txtTaxonSource, &R::txtTaxonId, &R::txtTaxonEntry})
        (r.*typed).clear();
    r.lstTaxon.clear();
    for (qsizetype i = 0; i < r.lstClassification.size(); ++i)
        r.lstClassification[i] = QString::number(i + 1);
    if (!optionalOnly)
        return r;

    Record2004 minimum = clearedRecord2004();
    for (QString R::*always : {&R::titleText, &R::catalogText, &R::catalogEntryText, &R::courseDescription,
                               &R::versionText, &R::lifecycleStatusCombo, &R::txtSize, &R::locationText,
                               &R::otherContentTypeText, &R::usageConditionsText})
        minimum.*always = r.*always;
    for (const CheckValue2004 &box : kFormatChecks2004)
        minimum.*box.check = r.*box.check;
    minimum.feesYes = r.feesYes;
    minimum.copyrightYes = r.copyrightYes;
    minimum.lstClassification = r.lstClassification;
    if (writer != Writer2004::Asset)
        minimum.keywordsText = r.keywordsText;
    if (writer != Writer2004::SCO)
        minimum.lstFiles = r.lstFiles;
    return minimum;
}

Record2004 classificationOf2004(const QByteArray &fragment)
{
    Record2004 r;
    Notices notices;
    EXPECT_TRUE(parseClassification2004(QString::fromUtf8(fragment), r, notices));
    EXPECT_TRUE(notices.isEmpty());
    return r;
}

QByteArray golden2004(const QString &name)
{
    QFile f(testData(QStringLiteral("writer2004/") + name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

::testing::AssertionResult validLom(const QString &schemaName, const QString &document)
{
    // Each schema is compiled once per test program.
    static std::map<QString, std::shared_ptr<SchemaCache>> judges;
    std::shared_ptr<SchemaCache> &judge = judges[schemaName];
    if (!judge)
        judge = schema::referenceJudge(QStringLiteral("schemas/scorm2004_4ed/") + schemaName);
    XmlDocument doc;
    ParseError error;
    if (!doc.loadXML(document))
        error = doc.parseError();
    else if (judge && judge->validate(doc.raw(), error))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << schemaName.toStdString() << ": line " << error.line << ": "
                                         << error.reason.toStdString();
}

void Writer2004Test::SetUp()
{
    ProgramFolderTest::SetUp();
    putFragments();
}

void Writer2004Test::putFragments()
{
    writeFile(QStringLiteral("temp/1.xml"), golden2004(QStringLiteral("fragments/optional.xml")));
    writeFile(QStringLiteral("temp/topics.xml"), golden2004(QStringLiteral("fragments/topics.xml")));
}

WriteResult Writer2004Test::run(Writer2004 writer, const Record2004 &record, bool optionalOnly)
{
    return writeDocument2004(writer, record, context2004(optionalOnly));
}

} // namespace ts::test

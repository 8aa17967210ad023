#include "fixtures12.h"

#include "platform/xmldocument.h"

namespace ts::test {

QDate fixedDate() { return QDate(2026, 12, 8); }

Record12 fullRecord()
{
    Record12 r = clearedRecord12();
    r.titleText = QStringLiteral("Cells & Tissues");
    r.catalogText = QStringLiteral("Tagsmith Catalog");
    r.catalogEntryText = QStringLiteral("BIO-101");
    r.courseDescription = QStringLiteral("An introduction to the cell.");
    r.keywordsText = QStringLiteral("cell, tissue ,,organ,");
    r.txtCoverage = QStringLiteral("Grades 9-12");
    r.cboStructure = QStringLiteral("Hierarchical");
    r.cboAggregationLevel = QStringLiteral("2");

    r.versionText = QStringLiteral("1.0");
    r.lifecycleStatusCombo = QStringLiteral("Final");
    r.lstFiles = {QStringLiteral("Ann Smith,Author"), QStringLiteral(" Bob Jones ,Publisher")};
    r.txtLifecycleDate = QStringLiteral("2026-11-30");

    r.metadataAuthorsText = QStringLiteral("Carol White, Dan Brown,");
    r.metadataOrganizations = QStringLiteral("Acme Learning");
    r.cboCreatorRole = QStringLiteral("Creator");

    r.gifCheck = true;
    r.htmlCheck = true;
    r.pdfCheck = true;
    r.otherContentTypeText = QStringLiteral("image/png, text/css");
    r.txtSize = QStringLiteral("20480");
    r.locationText = QStringLiteral(" lessons/cell.html ");
    r.browserCombo = QStringLiteral("MS Explorer 6.x or Higher");
    r.osCombo = QStringLiteral("MS-Windows");
    r.installationRemarks = QStringLiteral("Unzip & open index.html");
    r.otherRequirements = QStringLiteral("Sound card");
    r.txtDuration = QStringLiteral("00:45:00");

    r.interactivityTypeCombo = QStringLiteral("Expositive");
    r.narrativeTextCheck = true;
    r.selfAssessmentCheck = true;
    r.figureCheck = true;
    r.interactivityLevelCombo = QStringLiteral("medium");
    r.cboSemanticDensity = QStringLiteral("high");
    r.endUserCombo = QStringLiteral("Learner");
    r.cboContext = QStringLiteral("Higher Education");
    r.txtTypicalAgeRange = QStringLiteral("16-18");
    r.cboEduDifficulty = QStringLiteral("easy");
    r.cboHour = QStringLiteral("01");
    r.cboMin = QStringLiteral("30");
    r.cboSec = QStringLiteral("00");
    r.usageDescription = QStringLiteral("Read before the lab.");

    r.feesYes = false;
    r.copyrightYes = true;
    r.usageConditionsText = QStringLiteral("Free for classroom use");

    r.relationshipCombo = QStringLiteral("Is Part of Resource Named Below");
    r.otherResourceText = QStringLiteral("Biology course");

    r.authorText = QStringLiteral("Eve Adams");
    r.annotationText = QStringLiteral("Checked by the department.");

    r.lstClassification = {QStringLiteral("1"), QStringLiteral("topics")};
    return r;
}

Record12 sparseRecord()
{
    Record12 r = clearedRecord12();
    r.titleText = QStringLiteral("Cell Walls");
    return r;
}

Record12 classificationRecord()
{
    Record12 r = clearedRecord12();
    r.classificationCombo = QStringLiteral("Discipline");
    r.classificationText = QStringLiteral("Life sciences & health");
    r.classificationKeywordsText = QStringLiteral("biology, cells");
    r.txtTaxonSource = QStringLiteral("Dewey");
    r.lstTaxon = {QStringLiteral("570,Life sciences"), QStringLiteral("571.6,Cell biology")};
    return r;
}

WriteContext12 context(bool optionalOnly)
{
    WriteContext12 c;
    c.optionalOnly = optionalOnly;
    c.today = fixedDate();
    return c;
}

QString crlf(const QStringList &lines)
{
    QString out;
    for (const QString &line : lines)
        out += line + QStringLiteral("\r\n");
    return out;
}

QString section(const QString &document, const QString &startTag, const QString &endTag)
{
    const qsizetype start = document.indexOf(startTag);
    if (start < 0)
        return {};
    const qsizetype end = document.indexOf(endTag, start);
    if (end < 0)
        return {};
    const qsizetype lineStart = document.lastIndexOf(QLatin1Char('\n'), start) + 1;
    const qsizetype lineEnd = document.indexOf(QLatin1Char('\n'), end);
    return document.mid(lineStart, lineEnd - lineStart + 1);
}

::testing::AssertionResult validAgainst(const std::shared_ptr<SchemaCache> &schema, const QString &document)
{
    XmlDocument doc;
    if (!doc.loadXML(document))
        return ::testing::AssertionFailure() << "not well-formed: line " << doc.parseError().line << ": "
                                             << doc.parseError().reason.toStdString();
    ParseError error;
    if (!schema->validate(doc.raw(), error))
        return ::testing::AssertionFailure() << "not valid: line " << error.line << ": " << error.reason.toStdString();
    return ::testing::AssertionSuccess();
}

void Writer12Test::SetUp()
{
    ProgramFolderTest::SetUp();
    putFragments();
}

void Writer12Test::putFragments()
{
    writeFile(QStringLiteral("temp12/1.xml"), golden("fragments/optional.xml"));
    writeFile(QStringLiteral("temp12/topics.xml"), golden("fragments/topics.xml"));
}

WriteResult12 Writer12Test::run(Writer12 writer, const Record12 &record, bool optionalOnly)
{
    return writeDocument12(writer, record, context(optionalOnly));
}

} // namespace ts::test

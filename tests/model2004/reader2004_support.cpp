#include "reader2004_support.h"

#include "support/testenv.h"

#include <variant>

namespace ts {

void PrintTo(const Notice &notice, std::ostream *out)
{
    *out << "{\"" << notice.text.toStdString() << "\", title \"" << notice.title.toStdString() << "\", icon "
         << static_cast<int>(notice.icon) << "}";
}

namespace test {

namespace {

using Member = std::variant<QString Record2004::*, bool Record2004::*, QStringList Record2004::*>;

struct Field {
    const char *name;
    Member member;
};

#define FIELD(name) {#name, &Record2004::name}
const Field kFields[] = {
    FIELD(titleText), FIELD(courseDescription), FIELD(keywordsText), FIELD(catalogText), FIELD(catalogEntryText),
    FIELD(txtCoverage), FIELD(cboStructure), FIELD(cboAggregationLevel), FIELD(versionText),
    FIELD(lifecycleStatusCombo), FIELD(contentAuthorsText), FIELD(cboConRole), FIELD(lstFiles),
    FIELD(metadataAuthorsText), FIELD(cboCreatorRole), FIELD(lstMetaContrib), FIELD(txtSize), FIELD(cboYrDuration),
    FIELD(cboMoDuration), FIELD(cboDayDuration), FIELD(cboHourDuration), FIELD(cboMinDuration),
    FIELD(cboSecDuration), FIELD(txtDuration), FIELD(browserCombo), FIELD(osCombo), FIELD(locationText),
    FIELD(installationRemarks), FIELD(otherRequirements), FIELD(htmlCheck), FIELD(flashCheck), FIELD(quicktimeCheck),
    FIELD(gifCheck), FIELD(excelCheck), FIELD(javascriptCheck), FIELD(jpgCheck), FIELD(javaCheck),
    FIELD(powerpointCheck), FIELD(wavCheck), FIELD(pdfCheck), FIELD(realMediaCheck), FIELD(otherContentTypeText),
    FIELD(interactivityTypeCombo), FIELD(interactivityLevelCombo), FIELD(cboEduDifficulty), FIELD(endUserCombo),
    FIELD(cboContext), FIELD(cboSemanticDensity), FIELD(exerciseCheck), FIELD(simulationCheck),
    FIELD(questionnaireCheck), FIELD(examCheck), FIELD(diagramCheck), FIELD(figureCheck), FIELD(selfAssessmentCheck),
    FIELD(narrativeTextCheck), FIELD(graphCheck), FIELD(indexCheck), FIELD(slideCheck), FIELD(tableCheck),
    FIELD(chkLecture), FIELD(problemStatementCheck), FIELD(experimentCheck), FIELD(usageDescription),
    FIELD(cboMinAge), FIELD(cboMaxAge), FIELD(txtTypicalAgeRange), FIELD(cboYear), FIELD(cboMonth), FIELD(cboDay),
    FIELD(cboHour), FIELD(cboMin), FIELD(cboSec), FIELD(txtTypicalTime), FIELD(feesYes), FIELD(copyrightYes),
    FIELD(usageConditionsText), FIELD(relationshipCombo), FIELD(otherResourceText), FIELD(authorText),
    FIELD(annotationText), FIELD(txtClassIdent), FIELD(lstClassification), FIELD(classificationCombo),
    FIELD(classificationText), FIELD(classificationKeywordsText), FIELD(txtTaxonSource), FIELD(txtTaxonId),
    FIELD(txtTaxonEntry), FIELD(lstTaxon),
};
#undef FIELD

QString shown(const QString &value) { return value; }
QString shown(bool value) { return value ? QStringLiteral("true") : QStringLiteral("false"); }
QString shown(const QStringList &value) { return value.join(QStringLiteral(" | ")); }

} // namespace

Record2004 clearedRecord2004()
{
    Record2004 r;
    r.copyrightYes = true;
    r.feesYes = false;
    return r;
}

QStringList changedFields(const Record2004 &record, const Record2004 &base)
{
    QStringList out;
    for (const Field &field : kFields) {
        std::visit(
            [&](auto member) {
                if (record.*member != base.*member)
                    out.append(QLatin1String(field.name) + QLatin1Char('=') + shown(record.*member));
            },
            field.member);
    }
    return out;
}

Notice info(const QString &text) { return {text, QStringLiteral("Notice"), Icon::Information}; }

QString reader2004Data(const QString &name) { return testData(QStringLiteral("reader2004/") + name); }

} // namespace test
} // namespace ts

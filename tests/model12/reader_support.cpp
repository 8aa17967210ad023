#include "reader_support.h"

#include "fixtures12.h"
#include "support/testenv.h"

#include <variant>

namespace ts {

void PrintTo(const Notice &notice, std::ostream *out)
{
    *out << "{\"" << notice.text.toStdString() << "\", title \"" << notice.title.toStdString() << "\", icon "
         << static_cast<int>(notice.icon) << ", buttons " << static_cast<int>(notice.buttons) << "}";
}

namespace test {

namespace {

using Member = std::variant<QString Record12::*, bool Record12::*, QStringList Record12::*>;

struct Field {
    const char *name;
    Member member;
};

#define FIELD(name) {#name, &Record12::name}
const Field kFields[] = {
    FIELD(titleText), FIELD(keywordsText), FIELD(catalogText), FIELD(catalogEntryText), FIELD(txtCoverage),
    FIELD(cboStructure), FIELD(cboAggregationLevel), FIELD(courseDescription), FIELD(versionText),
    FIELD(lifecycleStatusCombo), FIELD(txtLifecycleDate), FIELD(contentAuthorsText), FIELD(cboConRole),
    FIELD(lstFiles), FIELD(metadataAuthorsText), FIELD(metadataOrganizations), FIELD(cboCreatorRole),
    FIELD(txtSize), FIELD(cboHourDuration), FIELD(cboMinDuration), FIELD(cboSecDuration), FIELD(txtDuration),
    FIELD(browserCombo), FIELD(osCombo), FIELD(htmlCheck), FIELD(gifCheck), FIELD(jpgCheck), FIELD(wavCheck),
    FIELD(flashCheck), FIELD(excelCheck), FIELD(javaCheck), FIELD(pdfCheck), FIELD(quicktimeCheck),
    FIELD(javascriptCheck), FIELD(powerpointCheck), FIELD(realMediaCheck), FIELD(otherContentTypeText),
    FIELD(locationText), FIELD(installationRemarks), FIELD(otherRequirements), FIELD(interactivityTypeCombo),
    FIELD(interactivityLevelCombo), FIELD(cboEduDifficulty), FIELD(endUserCombo), FIELD(cboContext),
    FIELD(cboSemanticDensity), FIELD(exerciseCheck), FIELD(simulationCheck), FIELD(questionnaireCheck),
    FIELD(examCheck), FIELD(diagramCheck), FIELD(figureCheck), FIELD(graphCheck), FIELD(indexCheck),
    FIELD(slideCheck), FIELD(selfAssessmentCheck), FIELD(narrativeTextCheck), FIELD(tableCheck),
    FIELD(problemStatementCheck), FIELD(experimentCheck), FIELD(usageDescription), FIELD(txtTypicalAgeRange),
    FIELD(cboHour), FIELD(cboMin), FIELD(cboSec), FIELD(feesYes), FIELD(copyrightYes), FIELD(usageConditionsText),
    FIELD(relationshipCombo), FIELD(otherResourceText), FIELD(authorText), FIELD(annotationText),
    FIELD(txtClassIdent), FIELD(lstClassification), FIELD(classificationCombo), FIELD(classificationText),
    FIELD(classificationKeywordsText), FIELD(txtTaxonSource), FIELD(txtTaxonId), FIELD(txtTaxonEntry),
    FIELD(lstTaxon),
};
#undef FIELD

QString shown(const QString &value) { return value; }
QString shown(bool value) { return value ? QStringLiteral("true") : QStringLiteral("false"); }
QString shown(const QStringList &value) { return value.join(QStringLiteral(" | ")); }

} // namespace

QStringList changedFields(const Record12 &record, const Record12 &base)
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

Record12 withEveryText(Record12 record, const std::function<QString(const QString &)> &change)
{
    auto apply = [&change](QString &text) {
        if (!text.isEmpty())
            text = change(text);
    };
    for (const Field &field : kFields) {
        if (auto text = std::get_if<QString Record12::*>(&field.member))
            apply(record.**text);
        else if (auto list = std::get_if<QStringList Record12::*>(&field.member))
            for (QString &item : record.**list)
                apply(item);
    }
    return record;
}

Notice info(const QString &text) { return {text, QStringLiteral("Notice"), Icon::Information}; }

QString readerData(const QString &name) { return testData(QStringLiteral("reader12/") + name); }

Record12 writtenRecord()
{
    Record12 r = fullRecord();
    const Record12 entry = classificationRecord();
    r.titleText = QStringLiteral("Cells & <Tissues>");
    r.keywordsText = QStringLiteral("cell,tissue");
    r.lifecycleStatusCombo = QStringLiteral("Revised");
    r.lstFiles = {QStringLiteral("Hopper, Grace,Author"), QStringLiteral("Bob Jones,Publisher")};
    r.metadataAuthorsText = QStringLiteral("Carol White");
    r.metadataOrganizations = QStringLiteral("Acme & Sons");
    r.realMediaCheck = true;
    r.otherContentTypeText = QStringLiteral("image/png,text/css");
    r.locationText = QStringLiteral("lessons/cell.html");
    r.browserCombo = QStringLiteral("Netscape 6.x or Higher");
    r.osCombo = QStringLiteral("MacOS");
    std::tie(r.cboHourDuration, r.cboMinDuration, r.cboSecDuration) = std::tuple("00", "45", "10");
    r.txtDuration = QStringLiteral("00:45:10");
    r.figureCheck = false;
    r.examCheck = true;
    r.feesYes = true;
    r.copyrightYes = false;
    r.relationshipCombo = QStringLiteral("Is Required by Resource Named Below");
    r.classificationCombo = entry.classificationCombo;
    r.classificationText = entry.classificationText;
    r.classificationKeywordsText = QStringLiteral("biology,cells");
    r.txtTaxonSource = entry.txtTaxonSource;
    r.lstTaxon = {entry.lstTaxon.at(0), QStringLiteral("571.6,Cell biology, general")};
    r.lstClassification.clear();
    return r;
}

Record12 withoutClassificationEntry(Record12 r)
{
    const Record12 cleared = clearedRecord12();
    r.classificationCombo = cleared.classificationCombo;
    r.classificationText = cleared.classificationText;
    r.classificationKeywordsText = cleared.classificationKeywordsText;
    r.txtTaxonSource = cleared.txtTaxonSource;
    r.lstTaxon = cleared.lstTaxon;
    return r;
}

} // namespace test
} // namespace ts

#include "writer2004.h"

#include "duration2004.h"
#include "run2004.h"

#include "shared/apperror.h"
#include "shared/textutil.h"
#include "shared/xmlsaferecord.h"

#include <array>

namespace ts {

namespace {

void (*g_faultHook)() = nullptr;

const QString kOwner = QStringLiteral("Form frmOptions");

struct CategoryRow {
    const char *text;
    Writer2004 writer;
};

// The ten metadata categories, as the category list holds them (note the missing blank before "(" in the
// SCO and asset texts).
const std::array<CategoryRow, 10> kCategories = {{
    {"Content Aggregation Meta-Data (MD-XML1)", Writer2004::Aggregation},
    {"Content Aggregation Meta-Data (MD-XML1 + Optional)", Writer2004::Aggregation},
    {"SCO Meta-Data(MD-XML1)", Writer2004::SCO},
    {"SCO Meta-Data(MD-XML1 + Optional)", Writer2004::SCO},
    {"Content Organization Meta-Data (MD-XML1)", Writer2004::SCO},
    {"Content Organization Meta-Data (MD-XML1 + Optional)", Writer2004::SCO},
    {"Activity Meta-Data (MD-XML1)", Writer2004::SCO},
    {"Activity Meta-Data (MD-XML1 + Optional)", Writer2004::SCO},
    {"Asset Meta-Data(MD-XML1)", Writer2004::Asset},
    {"Asset Meta-Data(MD-XML1 + Optional)", Writer2004::Asset},
}};

// The eight categories; false when a check or a question ended the run.
bool writeCategories(Run2004 &run)
{
    writeGeneral2004(run);
    writeLifecycle2004(run);
    writeMetametadata2004(run);
    if (!writeTechnical2004(run))
        return false;
    writeEducational2004(run);
    writeRights2004(run);
    if (!writeRelation2004(run))
        return false;
    writeAnnotation2004(run);
    return true;
}

} // namespace

Run2004::Run2004(Writer2004 writer, const Record2004 &record, const WriteContext &context)
    : writer(writer), r(record), ctx(context), constants(initXMLConstants2004(context.languageCode, context.day())),
      optional(!context.optionalOnly)
{
}

void Run2004::string(int level, const QString &value)
{
    line(level, constants.stringTag + escapeXML(value) + QStringLiteral("</string>"));
}

void Run2004::vocabulary(int sourceLevel, int valueLevel, const QString &value)
{
    text += buildSourceXML2004(QStringLiteral("LOMv1.0"), sourceLevel);
    text += buildValueXML2004(value, valueLevel);
}

void Run2004::vocabularyElement(int openLevel, int closeLevel, const QString &tag, int pairLevel, const QString &value)
{
    line(openLevel, QLatin1Char('<') + tag + QLatin1Char('>'));
    vocabulary(pairLevel, pairLevel, value);
    line(closeLevel, QStringLiteral("</") + tag + QLatin1Char('>'));
}

void Run2004::identifier()
{
    line(2, QStringLiteral("<identifier>"));
    element(3, QStringLiteral("catalog"), r.catalogText);
    element(3, QStringLiteral("entry"), r.catalogEntryText);
    line(2, QStringLiteral("</identifier>"));
}

void setWriter2004FaultHook(void (*hook)()) { g_faultHook = hook; }

void composeDurations2004(Record2004 &r)
{
    DurationParts duration{r.cboYrDuration,   r.cboMoDuration,  r.cboDayDuration,
                           r.cboHourDuration, r.cboMinDuration, r.cboSecDuration};
    r.txtDuration = composeDuration(duration);
    r.cboYrDuration = duration.years;
    r.cboMoDuration = duration.months;
    r.cboDayDuration = duration.days;
    r.cboHourDuration = duration.hours;
    r.cboMinDuration = duration.minutes;
    r.cboSecDuration = duration.seconds;

    DurationParts time{r.cboYear, r.cboMonth, r.cboDay, r.cboHour, r.cboMin, r.cboSec};
    r.txtTypicalTime = composeDuration(time);
    r.cboYear = time.years;
    r.cboMonth = time.months;
    r.cboDay = time.days;
    r.cboHour = time.hours;
    r.cboMin = time.minutes;
    r.cboSec = time.seconds;
}

WriteResult writeDocument2004(Writer2004 writer, const Record2004 &record, const WriteContext &context)
{
    WriteResult result;
    Record2004 composed = record;
    composeDurations2004(composed);
    QStringList leftOut;
    const Record2004 safe = xmlSafeRecord2004(composed, leftOut);
    Run2004 run(writer, safe, context);
    try {
        if (g_faultHook)
            g_faultHook();
        run.text = buildHeaderXML2004();
        if (!writeCategories(run)) {
            result.status = WriteStatus::Stopped;
            result.focus = run.focus;
            return result;
        }
    } catch (const std::exception &e) {
        reportError(e, writerProcedure2004(writer), kOwner, true);
        return result;
    }
    if (spliceFragments(context.programDir, QStringLiteral("temp"), safe.lstClassification, run.text) &&
        !leftOut.contains(classificationListField2004()))
        leftOut.append(classificationListField2004());
    run.line(0, QStringLiteral("</lom>"));
    reportLeftOutCharacters(leftOut);
    result.status = WriteStatus::Done;
    result.text = run.text;
    return result;
}

WriteResult writeAggregation2004(const Record2004 &record, const WriteContext &context)
{
    return writeDocument2004(Writer2004::Aggregation, record, context);
}

WriteResult writeSCO2004(const Record2004 &record, const WriteContext &context)
{
    return writeDocument2004(Writer2004::SCO, record, context);
}

WriteResult writeAsset2004(const Record2004 &record, const WriteContext &context)
{
    return writeDocument2004(Writer2004::Asset, record, context);
}

std::optional<Writer2004> writerForCategory2004(const QString &categoryText)
{
    for (const CategoryRow &row : kCategories)
        if (categoryText == QLatin1String(row.text))
            return row.writer;
    return std::nullopt;
}

QString writerProcedure2004(Writer2004 writer)
{
    switch (writer) {
    case Writer2004::Aggregation: return QStringLiteral("createAggregation");
    case Writer2004::SCO: return QStringLiteral("createSCO");
    case Writer2004::Asset: return QStringLiteral("createAsset");
    }
    return {};
}

} // namespace ts

#include "writer12.h"

#include "run12.h"
#include "xmlchars12.h"

#include "platform/dialogs.h"
#include "shared/apperror.h"
#include "shared/textutil.h"

namespace ts {

namespace {

void (*g_faultHook)() = nullptr;

const QString kOwner = QStringLiteral("Form frmOptions");

// The start tag of the root element over three lines, after the declaration.
void writeHeader(Run12 &run)
{
    run.line(0, QStringLiteral("<?xml version=\"1.0\"?>"));
    run.line(0, QStringLiteral("<lom xmlns=\"http://www.imsglobal.org/xsd/imsmd_rootv1p2p1\""));
    run.line(0, QStringLiteral("xmlns:xsi =\"http://www.w3.org/2001/XMLSchema-instance\""));
    run.line(0, QStringLiteral("xsi:schemaLocation=\"http://www.imsglobal.org/xsd/imsmd_rootv1p2p1 "
                               "imsmd_rootv1p2p1.xsd\">"));
}

// The eight categories; false when a check ended the run.
bool writeCategories(Run12 &run)
{
    writeGeneral12(run);
    if (!writeLifecycle12(run) || !writeMetametadata12(run) || !writeTechnical12(run))
        return false;
    writeEducational12(run);
    writeRights12(run);
    if (!writeRelation12(run))
        return false;
    writeAnnotation12(run);
    return true;
}

// Pastes the fragment files of the classification ids in list order; a fragment holding characters XML
// cannot hold (edited by hand) is pasted without them, and the list is named among the fields that held some.
void spliceClassifications(Run12 &run, QStringList &leftOut)
{
    if (spliceFragments(run.ctx.programDir, QStringLiteral("temp12"), run.r.lstClassification, run.text) &&
        !leftOut.contains(classificationListField12()))
        leftOut.append(classificationListField12());
}

} // namespace

Run12::Run12(Writer12 writer, const Record12 &record, const WriteContext12 &context)
    : writer(writer), r(record), ctx(context), constants(initXMLConstants(context.languageCode)),
      today(documentDate12(context.day()))
{
}

void Run12::langString(int level, const QString &value)
{
    line(level, constants.langStringTag + escapeXML(value) + QStringLiteral("</langstring>"));
}

void Run12::vocabulary(int tagLevel, int sourceTextLevel, int valueTextLevel, const QString &value)
{
    line(tagLevel, QStringLiteral("<source>"));
    langString(sourceTextLevel, QStringLiteral("LOMv1.0"));
    line(tagLevel, QStringLiteral("</source>"));
    line(tagLevel, QStringLiteral("<value>"));
    langString(valueTextLevel, value);
    line(tagLevel, QStringLiteral("</value>"));
}

void setWriter12FaultHook(void (*hook)()) { g_faultHook = hook; }

WriteResult12 writeDocument12(Writer12 writer, const Record12 &record, const WriteContext12 &context)
{
    WriteResult12 result;
    QStringList leftOut;
    const Record12 safe = xmlSafeRecord12(record, leftOut);
    Run12 run(writer, safe, context);
    try {
        if (g_faultHook)
            g_faultHook();
        writeHeader(run);
        if (!writeCategories(run)) {
            result.status = WriteStatus12::Stopped;
            result.focus = run.focus;
            return result;
        }
    } catch (const std::exception &e) {
        reportError(e, writerProcedure12(writer), kOwner, true);
        return result;
    }
    spliceClassifications(run, leftOut);
    run.line(0, QStringLiteral("</lom>"));
    reportLeftOutCharacters12(leftOut);
    result.status = WriteStatus12::Done;
    result.text = run.text;
    return result;
}

WriteResult12 writeAggregation12(const Record12 &record, const WriteContext12 &context)
{
    return writeDocument12(Writer12::Aggregation, record, context);
}

WriteResult12 writeSCO12(const Record12 &record, const WriteContext12 &context)
{
    return writeDocument12(Writer12::SCO, record, context);
}

WriteResult12 writeAsset12(const Record12 &record, const WriteContext12 &context)
{
    return writeDocument12(Writer12::Asset, record, context);
}

std::optional<Writer12> writerForCategory12(const QString &categoryText)
{
    if (categoryText == QLatin1String("Content Aggregation Meta-Data (MD-XML1)") ||
        categoryText == QLatin1String("Content Aggregation Meta-Data (MD-XML1 + Optional)"))
        return Writer12::Aggregation;
    if (categoryText == QLatin1String("SCO Meta-Data(MD-XML1)") ||
        categoryText == QLatin1String("SCO Meta-Data(MD-XML1 + Optional)"))
        return Writer12::SCO;
    if (categoryText == QLatin1String("Asset Meta-Data(MD-XML1)") ||
        categoryText == QLatin1String("Asset Meta-Data(MD-XML1 + Optional)"))
        return Writer12::Asset;
    return std::nullopt;
}

QString writerProcedure12(Writer12 writer)
{
    switch (writer) {
    case Writer12::Aggregation: return QStringLiteral("createAggregation");
    case Writer12::SCO: return QStringLiteral("createSCO");
    case Writer12::Asset: return QStringLiteral("createAsset");
    }
    return {};
}

QString documentDate12(const QDate &date)
{
    return QStringLiteral("%1-%2-%3").arg(date.year()).arg(date.month(), 2, 10, QLatin1Char('0')).arg(date.day());
}

QString showXmlRefusedText12() { return showXmlRefusedText(); }

void reportShowXmlRefused12() { reportShowXmlRefused(); }

} // namespace ts

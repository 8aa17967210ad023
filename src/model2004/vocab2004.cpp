#include "vocab2004.h"

namespace ts {

using R = Record2004;

const std::array<CheckValue2004, 12> kFormatChecks2004 = {{
    {&R::quicktimeCheck, "video/quicktime"},
    {&R::gifCheck, "graphics/gif"},
    {&R::jpgCheck, "graphics/jpg"},
    {&R::wavCheck, "audio/wav"},
    {&R::htmlCheck, "text/html"},
    {&R::flashCheck, "application/x-shockwave-flash"},
    {&R::excelCheck, "application/msexcel"},
    {&R::powerpointCheck, "application/mspowerpoint"},
    {&R::javascriptCheck, "application/x-javascript"},
    {&R::javaCheck, "application/java"},
    {&R::pdfCheck, "application/pdf"},
    {&R::realMediaCheck, "application/realmedia"},
}};

const std::array<CheckValue2004, 15> kResourceTypeChecks2004 = {{
    {&R::narrativeTextCheck, "narrative text"},
    {&R::examCheck, "exam"},
    {&R::selfAssessmentCheck, "self assessment"},
    {&R::figureCheck, "figure"},
    {&R::graphCheck, "graph"},
    {&R::chkLecture, "lecture"},
    {&R::diagramCheck, "diagram"},
    {&R::exerciseCheck, "exercise"},
    {&R::simulationCheck, "simulation"},
    {&R::indexCheck, "index"},
    {&R::problemStatementCheck, "problem statement"},
    {&R::questionnaireCheck, "questionnaire"},
    {&R::slideCheck, "slide"},
    {&R::tableCheck, "table"},
    {&R::experimentCheck, "experiment"},
}};

bool Record2004::*checkFor2004(std::span<const CheckValue2004> table, const QString &value)
{
    for (const CheckValue2004 &row : table)
        if (value == QLatin1String(row.value))
            return row.check;
    return nullptr;
}

const std::array<BrowserRow2004, 8> kBrowsers2004 = {{
    {"any", "any", nullptr, true},
    {"ms explorer 4.x or Higher", "ms-internet explorer", "4.0", false},
    {"ms explorer 5.x or Higher", "ms-internet explorer", "5.0", false},
    {"ms explorer 6.x or Higher", "ms-internet explorer", "6.0", false},
    {"netscape 4.x", "netscape communicator", "4.0", false},
    {"netscape 6.x or Higher", "netscape communicator", "6.0", false},
    {"opera", "opera", "7.0", false},
    {"amaya", "amaya", "1.0", true},
}};

const BrowserRow2004 kUnknownBrowser2004 = {"", "any", "1.0", true};

std::optional<BrowserRow2004> findBrowser2004(const QString &text)
{
    for (const BrowserRow2004 &row : kBrowsers2004)
        if (text == QLatin1String(row.text))
            return row;
    return std::nullopt;
}

QString browserText2004(const QString &name, const QString &minimumVersion)
{
    for (const BrowserRow2004 &row : kBrowsers2004)
        if (name == QLatin1String(row.name) &&
            (row.anyVersion || minimumVersion == QLatin1String(row.minimumVersion)))
            return QLatin1String(row.text);
    return {};
}

const std::array<RelationKind2004, 12> kRelationKinds2004 = {{
    {"Is Part of Resource Named Below", "ispartof"},
    {"Has a Part of Resource Named Below", "haspart"},
    {"Is a Version of Resource Named Below", "isversionof"},
    {"Has a Version of Resource Named Below", "hasversion"},
    {"Is a Format of Resource Named Below", "isformatof"},
    {"Has a Format of Resource Named Below", "hasformat"},
    {"References Resource Named Below", "references"},
    {"Is Referenced By Resource Named Below", "isreferencedby"},
    {"Is Based on Resource Named Below", "isbasedon"},
    {"Is a Basis for Resource Named Below", "isbasisfor"},
    {"Requires Resource Named Below", "requires"},
    {"Is Required by Resource Named Below", "isrequiredby"},
}};

QString relationKind2004(const QString &phrase)
{
    for (const RelationKind2004 &row : kRelationKinds2004)
        if (phrase == QLatin1String(row.phrase))
            return QLatin1String(row.kind);
    return {};
}

QString relationPhrase2004(const QString &kind)
{
    for (const RelationKind2004 &row : kRelationKinds2004)
        if (kind == QLatin1String(row.kind))
            return QLatin1String(row.phrase);
    return {};
}

} // namespace ts

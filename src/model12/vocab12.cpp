#include "vocab12.h"

namespace ts {

const std::array<CheckValue12, 12> kFormatChecks12 = {{
    {&Record12::quicktimeCheck, "video/quicktime"},
    {&Record12::gifCheck, "graphics/gif"},
    {&Record12::jpgCheck, "graphics/jpg"},
    {&Record12::wavCheck, "audio/wav"},
    {&Record12::htmlCheck, "text/html"},
    {&Record12::flashCheck, "application/x-shockwave-flash"},
    {&Record12::excelCheck, "application/msexcel"},
    {&Record12::powerpointCheck, "application/mspowerpoint"},
    {&Record12::javascriptCheck, "application/x-javascript"},
    {&Record12::javaCheck, "application/java"},
    {&Record12::pdfCheck, "application/pdf"},
    {&Record12::realMediaCheck, "application/realmedia"},
}};

// "Self Assesment" is the value written, and the one the reader ticks the box for again.
const std::array<CheckValue12, 14> kResourceTypeChecks12 = {{
    {&Record12::narrativeTextCheck, "Narrative Text"},
    {&Record12::examCheck, "Exam"},
    {&Record12::selfAssessmentCheck, "Self Assesment"},
    {&Record12::figureCheck, "Figure"},
    {&Record12::graphCheck, "Graph"},
    {&Record12::diagramCheck, "Diagram"},
    {&Record12::exerciseCheck, "Exercise"},
    {&Record12::simulationCheck, "Simulation"},
    {&Record12::indexCheck, "Index"},
    {&Record12::problemStatementCheck, "Problem Statement"},
    {&Record12::questionnaireCheck, "Questionnaire"},
    {&Record12::slideCheck, "Slide"},
    {&Record12::tableCheck, "Table"},
    {&Record12::experimentCheck, "Experiment"},
}};

bool Record12::*checkFor12(std::span<const CheckValue12> table, const QString &value)
{
    for (const CheckValue12 &row : table)
        if (value == QLatin1String(row.value))
            return row.check;
    return nullptr;
}

// "Any" is not in the editor's list; the reader puts it there for a requirement without a version.
const std::array<RequirementRow12, 7> kBrowsers12 = {{
    {"Any", "Any", nullptr},
    {"MS Explorer 4.x or Higher", "Microsoft Internet Explorer", "4.0"},
    {"MS Explorer 5.x or Higher", "Microsoft Internet Explorer", "5.0"},
    {"MS Explorer 6.x or Higher", "Microsoft Internet Explorer", "6.0"},
    {"Netscape 4.x", "Netscape Communicator", "4.0"},
    {"Netscape 6.x or Higher", "Netscape Communicator", "6.0"},
    {"Opera", "Opera", "7.0"},
}};

const std::array<RequirementRow12, 7> kOperatingSystems12 = {{
    {"PC-DOS", "PC-DOS", nullptr},
    {"MS-Windows", "MS-Windows", "95"},
    {"MacOS", "MacOS", ""},
    {"Unix", "Unix", ""},
    {"Multi-OS", "Multi-OS", ""},
    {"Other", "Other", nullptr},
    {"None", "None", nullptr},
}};

const RequirementRow12 kUnknownBrowser12 = {"", "", "1.0"};
const RequirementRow12 kUnknownOperatingSystem12 = {"", "", nullptr};

QString minimumVersionLine12(const RequirementRow12 &row)
{
    if (!row.minimumVersion)
        return {};
    return QStringLiteral("<minimumversion>") + QLatin1String(row.minimumVersion) + QStringLiteral("</minimumversion>");
}

const char *browserText12(const QString &name, const QString &minimumVersion)
{
    for (const RequirementRow12 &row : kBrowsers12) {
        const QLatin1String version(row.minimumVersion ? row.minimumVersion : "");
        if (name == QLatin1String(row.name) && minimumVersion == version)
            return row.text;
    }
    return nullptr;
}

bool isOperatingSystem12(const QString &name)
{
    for (const RequirementRow12 &row : kOperatingSystems12)
        if (name == QLatin1String(row.name))
            return true;
    return false;
}

const std::array<RelationPhrase12, 12> kRelationPhrases12 = {{
    {"Is Part of Resource Named Below", "IsPartOf"},
    {"Has a Part of Resource Named Below", "HasPart"},
    {"Is a Version of Resource Named Below", "IsVersionOf"},
    {"Has a Version of Resource Named Below", "HasVersion"},
    {"Is a Format of Resource Named Below", "IsFormatOf"},
    {"Has a Format of Resource Named Below", "HasFormat"},
    {"References Resource Named Below", "References"},
    {"Is Referenced By Resource Named Below", "IsReferencedBy"},
    {"Is Based on Resource Named Below", "IsBasedOn"},
    {"Is a Basis for Resource Named Below", "IsBasisFor"},
    {"Requires Resource Named Below", "Requires"},
    {"Is Required by Resource Named Below", "IsRequiredBy"},
}};

QString relationKind12(const QString &phrase)
{
    for (const RelationPhrase12 &row : kRelationPhrases12)
        if (phrase == QLatin1String(row.phrase))
            return QLatin1String(row.kind);
    return {};
}

const char *relationPhrase12(const QString &kind)
{
    for (const RelationPhrase12 &row : kRelationPhrases12)
        if (kind == QLatin1String(row.kind))
            return row.phrase;
    return nullptr;
}

const std::array<const char *, 4> kLifecycleStatus12 = {"Draft", "Final", "Revised", "Unavailable"};

bool isRecommendedStatus12(const QString &status)
{
    for (const char *value : kLifecycleStatus12)
        if (status == QLatin1String(value))
            return true;
    return false;
}

} // namespace ts

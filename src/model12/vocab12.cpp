#include "vocab12.h"

namespace ts {

const std::array<CheckValue12, 12> kFormatChecks12 = {{
    {&Record12::quicktimeCheck, "quicktimeCheck", "<format>video/quicktime</format>"},
    {&Record12::gifCheck, "gifCheck", "<format>graphics/gif</format>"},
    {&Record12::jpgCheck, "jpgCheck", "<format>graphics/jpg</format>"},
    {&Record12::wavCheck, "wavCheck", "<format>audio/wav</format>"},
    {&Record12::htmlCheck, "htmlCheck", "<format>text/html</format>"},
    {&Record12::flashCheck, "flashCheck", "<format>application/x-shockwave-flash</format>"},
    {&Record12::excelCheck, "excelCheck", "<format>application/msexcel</format>"},
    {&Record12::powerpointCheck, "powerpointCheck", "<format>application/mspowerpoint</format>"},
    {&Record12::javascriptCheck, "javascriptCheck", "<format>application/x-javascript</format>"},
    {&Record12::javaCheck, "javaCheck", "<format>application/java</format>"},
    {&Record12::pdfCheck, "pdfCheck", "<format>application/pdf</format>"},
    {&Record12::realMediaCheck, "realMediaCheck", "<format>application/realmedia</format>"},
}};

// "Self Assesment" is the value the SCORM 1.2 reader matches when it ticks the box again.
const std::array<CheckValue12, 14> kResourceTypeChecks12 = {{
    {&Record12::narrativeTextCheck, "narrativeTextCheck", "Narrative Text"},
    {&Record12::examCheck, "examCheck", "Exam"},
    {&Record12::selfAssessmentCheck, "selfAssessmentCheck", "Self Assesment"},
    {&Record12::figureCheck, "figureCheck", "Figure"},
    {&Record12::graphCheck, "graphCheck", "Graph"},
    {&Record12::diagramCheck, "diagramCheck", "Diagram"},
    {&Record12::exerciseCheck, "exerciseCheck", "Exercise"},
    {&Record12::simulationCheck, "simulationCheck", "Simulation"},
    {&Record12::indexCheck, "indexCheck", "Index"},
    {&Record12::problemStatementCheck, "problemStatementCheck", "Problem Statement"},
    {&Record12::questionnaireCheck, "questionnaireCheck", "Questionnaire"},
    {&Record12::slideCheck, "slideCheck", "Slide"},
    {&Record12::tableCheck, "tableCheck", "Table"},
    {&Record12::experimentCheck, "experimentCheck", "Experiment"},
}};

// "Any" is not in the editor's list; the reader puts it there for a requirement without a version.
const std::array<RequirementRow12, 7> kBrowsers12 = {{
    {"Any", "Any", ""},
    {"MS Explorer 4.x or Higher", "Microsoft Internet Explorer", "<minimumversion>4.0</minimumversion>"},
    {"MS Explorer 5.x or Higher", "Microsoft Internet Explorer", "<minimumversion>5.0</minimumversion>"},
    {"MS Explorer 6.x or Higher", "Microsoft Internet Explorer", "<minimumversion>6.0</minimumversion>"},
    {"Netscape 4.x", "Netscape Communicator", "<minimumversion>4.0</minimumversion>"},
    {"Netscape 6.x or Higher", "Netscape Communicator", "<minimumversion>6.0</minimumversion>"},
    {"Opera", "Opera", "<minimumversion>7.0</minimumversion>"},
}};

const std::array<RequirementRow12, 7> kOperatingSystems12 = {{
    {"PC-DOS", "PC-DOS", ""},
    {"MS-Windows", "MS-Windows", "<minimumversion>95</minimumversion>"},
    {"MacOS", "MacOS", "<minimumversion></minimumversion>"},
    {"Unix", "Unix", "<minimumversion></minimumversion>"},
    {"Multi-OS", "Multi-OS", "<minimumversion></minimumversion>"},
    {"Other", "Other", ""},
    {"None", "None", ""},
}};

const RequirementRow12 kUnknownBrowser12 = {"", "", "<minimumversion>1.0</minimumversion>"};
const RequirementRow12 kUnknownOperatingSystem12 = {"", "", ""};

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

} // namespace ts

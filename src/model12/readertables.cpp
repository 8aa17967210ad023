#include "readertables.h"

#include <array>

namespace ts::reader12 {

namespace {

using R = Record12;

constexpr FieldRule kGeneral[] = {
    {"title", Take::Text, &R::titleText},
    {"description", Take::Text, &R::courseDescription},
    {"coverage", Take::Text, &R::txtCoverage},
    {"language", Take::Skip, nullptr},
    {"x-none", Take::Skip, nullptr},
};

constexpr FieldRule kLifecycle[] = {
    {"version", Take::Text, &R::versionText},
};

constexpr FieldRule kMetametadata[] = {
    {"metadatascheme", Take::Skip, nullptr},
    {"language", Take::Skip, nullptr},
};

constexpr FieldRule kTechnical[] = {
    {"size", Take::Text, &R::txtSize},
    {"location", Take::Text, &R::locationText},
    {"installationremarks", Take::Text, &R::installationRemarks},
    {"otherplatformrequirements", Take::Text, &R::otherRequirements},
};

constexpr FieldRule kEducational[] = {
    {"interactivitytype", Take::SecondChild, &R::interactivityTypeCombo},
    {"interactivitylevel", Take::SecondChild, &R::interactivityLevelCombo},
    {"intendedenduserrole", Take::SecondChild, &R::endUserCombo},
    {"typicalagerange", Take::FirstChild, &R::txtTypicalAgeRange},
    {"difficulty", Take::SecondChild, &R::cboEduDifficulty},
    {"description", Take::FirstChild, &R::usageDescription},
    {"context", Take::SecondChild, &R::cboContext},
    {"semanticdensity", Take::SecondChild, &R::cboSemanticDensity},
    {"language", Take::Skip, nullptr},
};

constexpr FieldRule kRights[] = {
    {"description", Take::Text, &R::usageConditionsText},
};

constexpr FieldRule kAnnotation[] = {
    {"date", Take::Skip, nullptr},
    {"datetime", Take::Skip, nullptr},
    {"description", Take::Text, &R::annotationText},
};

constexpr FieldRule kClassification[] = {
    {"description", Take::Text, &R::classificationText},
};

const std::array<CategoryTexts, 9> kTexts = {{
    {"Unsupported element found in your imported file <general>: ", "Unsupported XML on line ", Icon::Information,
     "Notice", "<general>"},
    {"Unsupported element found in your imported file <lifecycle>: ", "Unsupported  XML on line ", Icon::Information,
     "Notice", "<lifecycle>"},
    {"Unsupported element found in your imported file <metametadata>: ", "Unsupported XML on line ", Icon::None, "",
     "<metametadata>"},
    {"Unsupported element found in your imported file <technical>: ", "Unsupported XML on line ", Icon::Information,
     "Notice", "<technical>"},
    {"Unsupported element found in your imported file <education>: ", "Unsupported XML on line ", Icon::Information,
     "Notice", "<educational>"},
    {"Unsupported element found in your imported file <rights>: ", "Unsupported XML on line ", Icon::Information,
     "Notice", "<rights>"},
    {"Unsupported element found in your imported file <relation>: ", "Unsupported XML on line ", Icon::Information,
     "Notice", "<relation>"},
    {"Unsupported element found in your imported file <annotation>: ", "Unsupported XML on line ", Icon::Information,
     "Notice", "<annotation>"},
    {"Unsupported element found in your imported file <classification>: ", "XML Error on line ", Icon::Information,
     "Notice", "<classification>"},
}};

constexpr CheckMapping kFormats[] = {
    {"video/quicktime", &R::quicktimeCheck},
    {"graphics/gif", &R::gifCheck},
    {"graphics/jpg", &R::jpgCheck},
    {"audio/wav", &R::wavCheck},
    {"text/html", &R::htmlCheck},
    {"application/x-shockwave-flash", &R::flashCheck},
    {"application/msexcel", &R::excelCheck},
    {"application/mspowerpoint", &R::powerpointCheck},
    {"application/x-javascript", &R::javascriptCheck},
    {"application/java", &R::javaCheck},
    {"application/pdf", &R::pdfCheck},
    {"application/realmedia", &R::realMediaCheck},
};

constexpr CheckMapping kResourceTypes[] = {
    {"Diagram", &R::diagramCheck},
    {"Exercise", &R::exerciseCheck},
    {"Table", &R::tableCheck},
    {"Graph", &R::graphCheck},
    {"Figure", &R::figureCheck},
    {"Index", &R::indexCheck},
    {"Problem Statement", &R::problemStatementCheck},
    {"Questionnaire", &R::questionnaireCheck},
    {"Self Assesment", &R::selfAssessmentCheck},
    {"Narrative Text", &R::narrativeTextCheck},
    {"Simulation", &R::simulationCheck},
    {"Slide", &R::slideCheck},
    {"Experiment", &R::experimentCheck},
    {"Exam", &R::examCheck},
};

constexpr TextMapping kBrowsers[] = {
    {"Any:", "Any"},
    {"Microsoft Internet Explorer:4.0", "MS Explorer 4.x or Higher"},
    {"Microsoft Internet Explorer:5.0", "MS Explorer 5.x or Higher"},
    {"Microsoft Internet Explorer:6.0", "MS Explorer 6.x or Higher"},
    {"Netscape Communicator:4.0", "Netscape 4.x"},
    {"Netscape Communicator:6.0", "Netscape 6.x or Higher"},
    {"Opera:7.0", "Opera"},
};

constexpr const char *kOperatingSystems[] = {"PC-DOS", "MS-Windows", "MacOS", "Unix", "Multi-OS", "Other", "None"};

constexpr TextMapping kRelationKinds[] = {
    {"IsPartOf", "Is Part of Resource Named Below"},
    {"HasPart", "Has a Part of Resource Named Below"},
    {"IsVersionOf", "Is a Version of Resource Named Below"},
    {"HasVersion", "Has a Version of Resource Named Below"},
    {"IsFormatOf", "Is a Format of Resource Named Below"},
    {"HasFormat", "Has a Format of Resource Named Below"},
    {"References", "References Resource Named Below"},
    {"IsReferencedBy", "Is Referenced By Resource Named Below"},
    {"IsBasedOn", "Is Based on Resource Named Below"},
    {"IsBasisFor", "Is a Basis for Resource Named Below"},
    {"Requires", "Requires Resource Named Below"},
    {"IsRequiredBy", "Is Required by Resource Named Below"},
};

constexpr const char *kStatusValues[] = {"Draft", "Final", "Revised", "Unavailable"};

} // namespace

std::span<const FieldRule> fieldRules(Category category)
{
    switch (category) {
    case Category::General: return kGeneral;
    case Category::Lifecycle: return kLifecycle;
    case Category::Metametadata: return kMetametadata;
    case Category::Technical: return kTechnical;
    case Category::Educational: return kEducational;
    case Category::Rights: return kRights;
    case Category::Relation: return {};
    case Category::Annotation: return kAnnotation;
    case Category::Classification: return kClassification;
    }
    return {};
}

const CategoryTexts &categoryTexts(Category category) { return kTexts.at(static_cast<std::size_t>(category)); }

std::span<const CheckMapping> technicalFormats() { return kFormats; }
std::span<const CheckMapping> learningResourceTypes() { return kResourceTypes; }
std::span<const TextMapping> browserRequirements() { return kBrowsers; }
std::span<const char *const> operatingSystems() { return kOperatingSystems; }
std::span<const TextMapping> relationKinds() { return kRelationKinds; }
std::span<const char *const> lifecycleStatusValues() { return kStatusValues; }

const char *lookUp(std::span<const TextMapping> table, const QString &from)
{
    for (const TextMapping &row : table)
        if (from == QLatin1String(row.from))
            return row.to;
    return nullptr;
}

bool Record12::*lookUpCheck(std::span<const CheckMapping> table, const QString &value)
{
    for (const CheckMapping &row : table)
        if (value == QLatin1String(row.value))
            return row.check;
    return nullptr;
}

bool contains(std::span<const char *const> list, const QString &value)
{
    for (const char *item : list)
        if (value == QLatin1String(item))
            return true;
    return false;
}

} // namespace ts::reader12

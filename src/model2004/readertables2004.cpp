#include "readertables2004.h"

#include <array>

namespace ts::reader2004 {

namespace {

using R = Record2004;

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
    {"identifier", Take::Skip, nullptr},
    {"metadataSchema", Take::Skip, nullptr},
    {"language", Take::Skip, nullptr},
};

constexpr FieldRule kTechnical[] = {
    {"size", Take::Text, &R::txtSize},
    {"location", Take::Text, &R::locationText},
    {"installationRemarks", Take::Text, &R::installationRemarks},
    {"otherPlatformRequirements", Take::Text, &R::otherRequirements},
};

constexpr FieldRule kEducational[] = {
    {"interactivityType", Take::Value, &R::interactivityTypeCombo},
    {"interactivityLevel", Take::Value, &R::interactivityLevelCombo},
    {"intendedEndUserRole", Take::Value, &R::endUserCombo},
    {"difficulty", Take::Value, &R::cboEduDifficulty},
    {"description", Take::FirstChild, &R::usageDescription},
    {"context", Take::Value, &R::cboContext},
    {"semanticDensity", Take::Value, &R::cboSemanticDensity},
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

// The section each category's notices name, in the order of Category.
constexpr std::array<const char *, 9> kSections = {"<general>",   "<lifecycle>", "<metametadata>",
                                                   "<technical>", "<education>", "<rights>",
                                                   "<relation>",  "<annotation>", "<classification>"};

constexpr CheckValue kFormats[] = {
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

constexpr CheckValue kResourceTypes[] = {
    {"diagram", &R::diagramCheck},
    {"exercise", &R::exerciseCheck},
    {"table", &R::tableCheck},
    {"graph", &R::graphCheck},
    {"lecture", &R::chkLecture},
    {"figure", &R::figureCheck},
    {"index", &R::indexCheck},
    {"problem statement", &R::problemStatementCheck},
    {"questionnaire", &R::questionnaireCheck},
    {"self assessment", &R::selfAssessmentCheck},
    {"narrative text", &R::narrativeTextCheck},
    {"simulation", &R::simulationCheck},
    {"slide", &R::slideCheck},
    {"experiment", &R::experimentCheck},
    {"exam", &R::examCheck},
};

struct BrowserRow {
    const char *name;
    const char *minimumVersion; // nullptr: any version, or none
    const char *text;
};

constexpr BrowserRow kBrowsers[] = {
    {"ms-internet explorer", "4.0", "ms explorer 4.x or Higher"},
    {"ms-internet explorer", "5.0", "ms explorer 5.x or Higher"},
    {"ms-internet explorer", "6.0", "ms explorer 6.x or Higher"},
    {"netscape communicator", "4.0", "netscape 4.x"},
    {"netscape communicator", "6.0", "netscape 6.x or Higher"},
    {"opera", "7.0", "opera"},
    {"amaya", nullptr, "amaya"},
    {"any", nullptr, "any"},
};

struct RelationRow {
    const char *kind;
    const char *text;
};

constexpr RelationRow kRelations[] = {
    {"ispartof", "Is Part of Resource Named Below"},
    {"haspart", "Has a Part of Resource Named Below"},
    {"isversionof", "Is a Version of Resource Named Below"},
    {"hasversion", "Has a Version of Resource Named Below"},
    {"isformatof", "Is a Format of Resource Named Below"},
    {"hasformat", "Has a Format of Resource Named Below"},
    {"references", "References Resource Named Below"},
    {"isreferencedby", "Is Referenced By Resource Named Below"},
    {"isbasedon", "Is Based on Resource Named Below"},
    {"isbasisfor", "Is a Basis for Resource Named Below"},
    {"requires", "Requires Resource Named Below"},
    {"isrequiredby", "Is Required by Resource Named Below"},
};

constexpr const char *kStatusValues[] = {"draft", "final", "revised", "unavailable"};
constexpr const char *kStatusCapitalised[] = {"Draft", "Final", "Revised", "Unavailable"};

} // namespace

const std::span<const CheckValue> kFormatChecks = kFormats;
const std::span<const CheckValue> kResourceTypeChecks = kResourceTypes;

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

QString sectionName(Category category)
{
    return category == Category::Educational ? QStringLiteral("<educational>")
                                             : QLatin1String(kSections.at(static_cast<std::size_t>(category)));
}

QString unsupportedElementText(Category category)
{
    return QStringLiteral("Unsupported element found in your imported file ") +
           QLatin1String(kSections.at(static_cast<std::size_t>(category))) + QStringLiteral(": ");
}

bool Record2004::*checkFor(std::span<const CheckValue> table, const QString &value)
{
    for (const CheckValue &row : table)
        if (value == QLatin1String(row.value))
            return row.check;
    return nullptr;
}

QString browserText(const QString &name, const QString &minimumVersion)
{
    for (const BrowserRow &row : kBrowsers)
        if (name == QLatin1String(row.name) &&
            (!row.minimumVersion || minimumVersion == QLatin1String(row.minimumVersion)))
            return QLatin1String(row.text);
    return {};
}

QString relationText(const QString &kind)
{
    for (const RelationRow &row : kRelations)
        if (kind == QLatin1String(row.kind))
            return QLatin1String(row.text);
    return {};
}

bool isStatusValue(const QString &status, bool capitalised)
{
    for (const char *value : capitalised ? std::span<const char *const>(kStatusCapitalised)
                                         : std::span<const char *const>(kStatusValues))
        if (status == QLatin1String(value))
            return true;
    return false;
}

} // namespace ts::reader2004

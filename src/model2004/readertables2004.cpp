#include "readertables2004.h"

namespace ts::reader2004 {

namespace {

using R = Record2004;

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

constexpr const char *kStatusValues[] = {"draft", "final", "revised", "unavailable"};
constexpr const char *kStatusCapitalised[] = {"Draft", "Final", "Revised", "Unavailable"};

} // namespace

std::span<const FieldRule> fieldRules(Category category)
{
    switch (category) {
    case Category::General: return readers::kGeneralRules<R>;
    case Category::Lifecycle: return readers::kLifecycleRules<R>;
    case Category::Metametadata: return kMetametadata;
    case Category::Technical: return kTechnical;
    case Category::Educational: return kEducational;
    case Category::Rights: return readers::kRightsRules<R>;
    case Category::Relation: return {};
    case Category::Annotation: return readers::kAnnotationRules<R>;
    case Category::Classification: return readers::kClassificationRules<R>;
    }
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

#include "readertables.h"

#include <array>

namespace ts::reader12 {

namespace {

using R = Record12;

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
    {"interactivitytype", Take::Value, &R::interactivityTypeCombo},
    {"interactivitylevel", Take::Value, &R::interactivityLevelCombo},
    {"intendedenduserrole", Take::Value, &R::endUserCombo},
    {"typicalagerange", Take::FirstChild, &R::txtTypicalAgeRange},
    {"difficulty", Take::Value, &R::cboEduDifficulty},
    {"description", Take::FirstChild, &R::usageDescription},
    {"context", Take::Value, &R::cboContext},
    {"semanticdensity", Take::Value, &R::cboSemanticDensity},
    {"language", Take::Skip, nullptr},
};

const std::array<ParseTexts, 9> kParseTexts = {{
    {"Unsupported XML on line ", Icon::Information, "Notice"},
    {"Unsupported  XML on line ", Icon::Information, "Notice"},
    {"Unsupported XML on line ", Icon::None, ""},
    {"Unsupported XML on line ", Icon::Information, "Notice"},
    {"Unsupported XML on line ", Icon::Information, "Notice"},
    {"Unsupported XML on line ", Icon::Information, "Notice"},
    {"Unsupported XML on line ", Icon::Information, "Notice"},
    {"Unsupported XML on line ", Icon::Information, "Notice"},
    {readers::kClassificationParsePrefix, Icon::Information, "Notice"},
}};

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

const ParseTexts &parseTexts(Category category) { return kParseTexts.at(static_cast<std::size_t>(category)); }

} // namespace ts::reader12

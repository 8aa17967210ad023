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

} // namespace ts::reader12

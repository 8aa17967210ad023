#include "checks2004.h"

namespace ts::checks2004 {

using kit::Need;

namespace {
const char *const kMissing = "Missing Information";
} // namespace

// clang-format off
const std::initializer_list<kit::RequiredCategory> kCategories = {
    {"checkGeneral", {
        {Need::Filled, {"titleText"}, false, "Please fill in a Title", kMissing, 0, "titleText"},
        {Need::Filled, {"catalogEntryText"}, true, "Please fill in a Catalog Entry", kMissing, 0, "catalogEntryText"},
        {Need::Filled, {"catalogText"}, true, "Please fill in a Catalog Type", kMissing, 0, "catalogText"},
        {Need::Filled, {"courseDescription"}, false, "Please provide a description", kMissing, 0,
         "courseDescription"},
        {Need::Filled, {"keywordsText"}, false, "Please fill in at least one keyword", kMissing, 0, "keywordsText"},
    }},
    {"checkLifecycle", {
        {Need::Filled, {"versionText"}, true, "Please fill in a version Number.", kMissing, 1, "versionText"},
        {Need::Filled, {"lifecycleStatusCombo"}, true, "Please select the Status of this Lifecycle", kMissing, 1,
         "lifecycleStatusCombo"},
        {Need::Filled, {"lstFiles"}, false, "Please enter a Contributor Name and Role of this Lifecycle", kMissing,
         1, "lstFiles"},
    }},
    {"checkMetametadata", {}},
    {"checkTechnical", {
        {Need::Filled, {"quicktimeCheck", "gifCheck", "jpgCheck", "wavCheck", "htmlCheck", "flashCheck", "excelCheck",
                        "powerpointCheck", "javascriptCheck", "javaCheck", "pdfCheck", "realMediaCheck",
                        "otherContentTypeText"},
         false, "Please select at least one Content Data Type", kMissing, 3, "htmlCheck"},
        {Need::Filled, {"locationText"}, false, "Please fill in the location of this SCO or Asset", kMissing, 3,
         "locationText"},
    }},
    {"checkEducational", {}},
    {"checkRights", {}},
    {"checkRelation", {}},
    {"checkAnnotation", {}},
    {"checkClassification", {
        {Need::Filled, {"lstClassification"}, false, "Resources must have a classification.", kMissing, 8,
         "classificationCombo"},
    }},
};
// clang-format on

} // namespace ts::checks2004

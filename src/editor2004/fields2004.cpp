#include "fields2004.h"
#include "editorkit/helptexts.h"
#include "model2004/vocab2004.h"

namespace ts::fields2004 {

using namespace kit;

namespace {
using K = Kind;
using L = LabelLook;
using R = Rule;
using S = ScrollBars;

const char *const kFreeForm = "(Free Form Text. Spaces Allowed. ) ";
const char *const kCommas = "(Comma Separated Values.) ";
const char *const kNoSpaces = "(Text. No Spaces Allowed.) ";
const char *const kZero = "P00Y00M00DT00H00M00S";

// The parts of a time, as two-digit texts.
// Years, months and hours.
const std::initializer_list<const char *> kTo24 = {
    "00", "01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "11", "12", "13", "14", "15", "16", "17",
    "18", "19", "20", "21", "22", "23", "24"};
// Days.
const std::initializer_list<const char *> kTo30 = {
    "00", "01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "11", "12", "13", "14", "15", "16", "17",
    "18", "19", "20", "21", "22", "23", "24", "25", "26", "27", "28", "29", "30"};
// Minutes and seconds.
const std::initializer_list<const char *> kTo60 = {
    "00", "01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "11", "12", "13", "14", "15", "16", "17",
    "18", "19", "20", "21", "22", "23", "24", "25", "26", "27", "28", "29", "30", "31", "32", "33", "34", "35",
    "36", "37", "38", "39", "40", "41", "42", "43", "44", "45", "46", "47", "48", "49", "50", "51", "52", "53",
    "54", "55", "56", "57", "58", "59", "60"};
} // namespace

const TabSpec kTabs[kTabCount] = {
    {"GENERAL", "fraGeneral", "General Metadata"},
    {"LIFECYCLE", "fraLifecycle", "Life Cycle Metadata"},
    {"METAMETADATA", "fraMetametadata", "Metametadata"},
    {"TECHNICAL", "fraTechnical", "Technical Metadata"},
    {"EDUCATION", "fraEducation", "Education Metadata"},
    {"RIGHTS", "fraRights", "Rights Metadata"},
    {"RELATION", "fraRelation", "Relationship Metadata"},
    {"ANNOTATION", "fraAnnotation", "Annotation Metadata"},
    {"CLASSIFICATION", "", ""},
};

// Frame7 holds the file formats under their caption "File Format"; the frame itself has none.
const std::initializer_list<FrameSpec> kFrames = {
    {"fraContributors", "Contributors", 1, 1, ""},
    {"Frame7", "File Format", 3, 1, "Label39"},
    {"fraLearningTypes", "Learning Resource Type(s)", 4, 1, "Label56"},
    {"fraFees", "Fees or Other Charges", 5, 0, "Label60"},
    {"fraCopyright", "Copyright or Other Restrictions", 5, 0, "Label61"},
    {"fraRelationship", "Relationship", 6, 0, ""},
    {"fraClassification", "Classification Metadata", 8, 0, ""},
    {"fraTaxonPath", "Taxon Path", 8, 1, ""},
};

// clang-format off
const std::initializer_list<FieldSpec> kFields = {
    // GENERAL
    {{"titleText", K::Text, 0, "", 0, "Label1", "Title", L::Help, kFreeForm, {}, "", 1000, S::None, R::FreeText},
     &Record2004::titleText},
    {{"keywordsText", K::Text, 0, "", 0, "Label5", "Keywords", L::Help, kCommas, {}, "", kNoLimit, S::None,
     R::FreeText}, &Record2004::keywordsText},
    {{"catalogText", K::Combo, 0, "", 0, "Label2", "Catalog", L::Help, "", {"URI", "URN", "DOI", "ISBN", "ISSN"},
     "Tagsmith Catalog", kNoLimit, S::None, R::None}, &Record2004::catalogText},
    {{"catalogEntryText", K::Text, 0, "", 0, "Label3", "Entry", L::Help, kFreeForm, {}, "TBD", 1000, S::None,
     R::FreeText}, &Record2004::catalogEntryText},
    {{"txtCoverage", K::Text, 0, "", 0, "Label30", "Coverage", L::Help, kFreeForm, {}, "", 1000, S::None,
     R::FreeText}, &Record2004::txtCoverage},
    {{"courseDescription", K::MultiLine, 0, "", 1, "Label62", "Resource Description", L::Help, "", {}, "", 2000,
     S::Vertical, R::FreeText}, &Record2004::courseDescription},
    {{"cboStructure", K::Combo, 0, "", 1, "Label14", "Structure", L::Help, "",
     kStructures2004, "", kNoLimit, S::None, R::ListOnly},
     &Record2004::cboStructure},
    {{"cboAggregationLevel", K::Combo, 0, "", 1, "Label29", "Aggregation Level", L::Help, "", kAggregationLevels2004,
     "", kNoLimit, S::None, R::ListOnly}, &Record2004::cboAggregationLevel},

    // LIFECYCLE
    {{"versionText", K::Text, 1, "", 0, "Version", "Version", L::Help, "(String value) ", {}, "1.0", 50, S::None,
     R::FreeText}, &Record2004::versionText},
    {{"lifecycleStatusCombo", K::Combo, 1, "", 0, "Label7", "Status", L::Help, "",
     {"draft", "final", "revised", "unavailable"}, "final", kNoLimit, S::None, R::ListOnly},
     &Record2004::lifecycleStatusCombo},
    {{"contentAuthorsText", K::Text, 1, "", 0, "Label12", "Contributor Name (Individual or Organization)", L::Help,
     "", {}, "", 1000, S::None, R::FreeText}, &Record2004::contentAuthorsText},
    {{"cboConRole", K::Combo, 1, "", 0, "lblConRole", "Contributor Role", L::Help, "",
     kContributorRoles2004, "publisher", kNoLimit, S::None, R::ListOnly}, &Record2004::cboConRole},
    {{"lstFiles", K::List, 1, "fraContributors", 0, "", "", L::None, "", {}, "", kNoLimit, S::None, R::None},
     &Record2004::lstFiles},

    // METAMETADATA
    {{"metadataAuthorsText", K::Text, 2, "", 0, "Label8", "Contributor Name (Individual or Organization)", L::Help,
     "", {}, "", 1000, S::None, R::FreeText}, &Record2004::metadataAuthorsText},
    {{"cboCreatorRole", K::Combo, 2, "", 0, "Label21", "Contributor Role", L::Help, "", kMetadataRoles2004, "",
     kNoLimit, S::None, R::ListOnly}, &Record2004::cboCreatorRole},
    {{"lstMetaContrib", K::List, 2, "", 1, "", "", L::None, "", {}, "", kNoLimit, S::None, R::None},
     &Record2004::lstMetaContrib},

    // TECHNICAL
    {{"txtSize", K::Text, 3, "", 0, "Label31", "Size", L::Help, "(in bytes) ", {}, "", 30, S::None, R::None, Size},
     &Record2004::txtSize},
    {{"cboYrDuration", K::Combo, 3, "", 0, "Label32", "Duration", L::Help, "", kTo24, "", kNoLimit, S::None, R::None,
     kNoOwnRule, false, "Years"}, &Record2004::cboYrDuration},
    {{"cboMoDuration", K::Combo, 3, "", 0, "", "", L::None, "", kTo24, "", kNoLimit, S::None, R::None, kNoOwnRule,
     true, "Months", false, ""}, &Record2004::cboMoDuration},
    {{"cboDayDuration", K::Combo, 3, "", 0, "", "", L::None, "", kTo30, "", kNoLimit, S::None, R::None, kNoOwnRule,
     true, "Days", false, ""}, &Record2004::cboDayDuration},
    {{"cboHourDuration", K::Combo, 3, "", 0, "", "", L::None, "", kTo24, "", kNoLimit, S::None, R::None, kNoOwnRule,
     true, "Hours", false, ""}, &Record2004::cboHourDuration},
    {{"cboMinDuration", K::Combo, 3, "", 0, "", "", L::None, "", kTo60, "", kNoLimit, S::None, R::None, kNoOwnRule,
     true, "Minutes", false, ":", "Label19"}, &Record2004::cboMinDuration},
    {{"cboSecDuration", K::Combo, 3, "", 0, "", "", L::None, "", kTo60, "", kNoLimit, S::None, R::None, kNoOwnRule,
     true, "Seconds"}, &Record2004::cboSecDuration},
    {{"txtDuration", K::Text, 3, "", 0, "", "", L::None, "", {}, kZero, 30, S::None, R::FreeText, kNoOwnRule, false,
     "", true}, &Record2004::txtDuration},
    {{"browserCombo", K::Combo, 3, "", 0, "Label22", "Target Internet Browser", L::Help, "",
     {"ms explorer 4.x or Higher", "ms explorer 5.x or Higher", "ms explorer 6.x or Higher", "netscape 4.x",
      "netscape 6.x or Higher", "opera", "amaya", "any"},
     "", kNoLimit, S::None, R::ListOnly}, &Record2004::browserCombo},
    {{"osCombo", K::Combo, 3, "", 0, "Label23", "Target Opreating System", L::Help, "",
     {"pc-dos", "ms-windows", "macos", "unix", "multi-os", "none"}, "", kNoLimit, S::None, R::ListOnly},
     &Record2004::osCombo},
    {{"locationText", K::Text, 3, "", 0, "Label11", "Content Location (URL) or Description", L::Help, "", {}, "", 1000,
     S::None, R::FreeText}, &Record2004::locationText},
    {{"installationRemarks", K::MultiLine, 3, "", 0, "Label64", "Installation Remarks", L::Help, kFreeForm, {}, "",
     1000, S::Both, R::FreeText}, &Record2004::installationRemarks},
    {{"htmlCheck", K::Check, 3, "Frame7", 0, "", "HTML", L::None, "", {}, "", kNoLimit, S::None, R::None},
     &Record2004::htmlCheck},
    {{"flashCheck", K::Check, 3, "Frame7", 0, "", "Flash", L::None, "", {}, "", kNoLimit, S::None, R::None},
     &Record2004::flashCheck},
    {{"quicktimeCheck", K::Check, 3, "Frame7", 0, "", "Quicktime Video", L::None, "", {}, "", kNoLimit, S::None,
     R::None}, &Record2004::quicktimeCheck},
    {{"gifCheck", K::Check, 3, "Frame7", 0, "", "GIF Graphics", L::None, "", {}, "", kNoLimit, S::None, R::None},
     &Record2004::gifCheck},
    {{"excelCheck", K::Check, 3, "Frame7", 0, "", "MS Excel", L::None, "", {}, "", kNoLimit, S::None, R::None},
     &Record2004::excelCheck},
    {{"javascriptCheck", K::Check, 3, "Frame7", 0, "", "JavaScript", L::None, "", {}, "", kNoLimit, S::None, R::None},
     &Record2004::javascriptCheck},
    {{"jpgCheck", K::Check, 3, "Frame7", 1, "", "JPG Graphics", L::None, "", {}, "", kNoLimit, S::None, R::None},
     &Record2004::jpgCheck},
    {{"javaCheck", K::Check, 3, "Frame7", 1, "", "Java", L::None, "", {}, "", kNoLimit, S::None, R::None},
     &Record2004::javaCheck},
    {{"powerpointCheck", K::Check, 3, "Frame7", 1, "", "MS PowerPoint", L::None, "", {}, "", kNoLimit, S::None,
     R::None}, &Record2004::powerpointCheck},
    {{"wavCheck", K::Check, 3, "Frame7", 1, "", " WAV Audio", L::None, "", {}, "", kNoLimit, S::None, R::None},
     &Record2004::wavCheck},
    {{"pdfCheck", K::Check, 3, "Frame7", 1, "", "PDF File", L::None, "", {}, "", kNoLimit, S::None, R::None},
     &Record2004::pdfCheck},
    {{"realMediaCheck", K::Check, 3, "Frame7", 1, "", "Real Networks Media", L::None, "", {}, "", kNoLimit, S::None,
     R::None}, &Record2004::realMediaCheck},
    {{"otherContentTypeText", K::MultiLine, 3, "", 1, "Label9", "Other File Format", L::Help, kCommas, {}, "", 500,
     S::None, R::FreeText}, &Record2004::otherContentTypeText},
    {{"otherRequirements", K::MultiLine, 3, "", 1, "Label63", "Other Requirements", L::Help, kFreeForm, {}, "", 1000,
     S::Both, R::FreeText}, &Record2004::otherRequirements},

    // EDUCATION
    {{"interactivityTypeCombo", K::Combo, 4, "", 0, "Label24", "Interactivity Type", L::Help, "",
     kInteractivityTypes2004, "", kNoLimit, S::None, R::ListOnly}, &Record2004::interactivityTypeCombo},
    {{"interactivityLevelCombo", K::Combo, 4, "", 0, "Label26", "Interactivity Level", L::Help, "",
     kInteractivityLevels2004, "", kNoLimit, S::None, R::ListOnly},
     &Record2004::interactivityLevelCombo},
    {{"cboEduDifficulty", K::Combo, 4, "", 0, "Label35", "Difficulty", L::Help, "",
     kDifficulties2004, "", kNoLimit, S::None, R::ListOnly},
     &Record2004::cboEduDifficulty},
    {{"endUserCombo", K::Combo, 4, "", 0, "Label25", "Intended End User", L::Help, "",
     kEndUserRoles2004, "", kNoLimit, S::None, R::ListOnly}, &Record2004::endUserCombo},
    {{"cboContext", K::Combo, 4, "", 0, "Label34", "Context", L::Help, "",
     kContexts2004, "", kNoLimit, S::None, R::ListOnly},
     &Record2004::cboContext},
    {{"cboSemanticDensity", K::Combo, 4, "", 0, "Label33", "Semantic Density", L::Help, "",
     kSemanticDensities2004, "", kNoLimit, S::None, R::ListOnly},
     &Record2004::cboSemanticDensity},
    {{"cboYear", K::Combo, 4, "", 0, "Label36", "Length / Time", L::Help, "", kTo24, "", kNoLimit, S::None, R::None,
     kNoOwnRule, false, "Years"}, &Record2004::cboYear},
    {{"cboMonth", K::Combo, 4, "", 0, "", "", L::None, "", kTo24, "", kNoLimit, S::None, R::None, kNoOwnRule, true,
     "Months", false, ""}, &Record2004::cboMonth},
    {{"cboDay", K::Combo, 4, "", 0, "", "", L::None, "", kTo30, "", kNoLimit, S::None, R::None, kNoOwnRule, true,
     "Days", false, ""}, &Record2004::cboDay},
    {{"cboHour", K::Combo, 4, "", 0, "", "", L::None, "", kTo24, "", kNoLimit, S::None, R::None, kNoOwnRule, true,
     "Hours", false, ""}, &Record2004::cboHour},
    {{"cboMin", K::Combo, 4, "", 0, "", "", L::None, "", kTo60, "", kNoLimit, S::None, R::None, kNoOwnRule, true,
     "Minutes"}, &Record2004::cboMin},
    {{"cboSec", K::Combo, 4, "", 0, "", "", L::None, "", kTo60, "", kNoLimit, S::None, R::None, kNoOwnRule, true,
     "Seconds"}, &Record2004::cboSec},
    {{"txtTypicalTime", K::Text, 4, "", 0, "", "", L::None, "", {}, kZero, 30, S::None, R::None, kNoOwnRule, false, "",
     true}, &Record2004::txtTypicalTime},
    {{"exerciseCheck", K::Check, 4, "fraLearningTypes", 0, "", "Exercise", L::None, "", {}, "", kNoLimit, S::None,
     R::None}, &Record2004::exerciseCheck},
    {{"simulationCheck", K::Check, 4, "fraLearningTypes", 0, "", "Simulation", L::None, "", {}, "", kNoLimit,
     S::None, R::None}, &Record2004::simulationCheck},
    {{"questionnaireCheck", K::Check, 4, "fraLearningTypes", 0, "", "Questionnaire", L::None, "", {}, "", kNoLimit,
     S::None, R::None}, &Record2004::questionnaireCheck},
    {{"examCheck", K::Check, 4, "fraLearningTypes", 0, "", "Exam", L::None, "", {}, "", kNoLimit, S::None, R::None},
     &Record2004::examCheck},
    {{"diagramCheck", K::Check, 4, "fraLearningTypes", 0, "", "Diagram", L::None, "", {}, "", kNoLimit, S::None,
     R::None}, &Record2004::diagramCheck},
    {{"figureCheck", K::Check, 4, "fraLearningTypes", 0, "", "Figure", L::None, "", {}, "", kNoLimit, S::None,
     R::None}, &Record2004::figureCheck},
    {{"selfAssessmentCheck", K::Check, 4, "fraLearningTypes", 0, "", "Self Assessment", L::None, "", {}, "",
     kNoLimit, S::None, R::None}, &Record2004::selfAssessmentCheck},
    {{"narrativeTextCheck", K::Check, 4, "fraLearningTypes", 0, "", "Narrative Text", L::None, "", {}, "", kNoLimit,
     S::None, R::None}, &Record2004::narrativeTextCheck},
    {{"graphCheck", K::Check, 4, "fraLearningTypes", 1, "", "Graph", L::None, "", {}, "", kNoLimit, S::None, R::None},
     &Record2004::graphCheck},
    {{"indexCheck", K::Check, 4, "fraLearningTypes", 1, "", "Index", L::None, "", {}, "", kNoLimit, S::None, R::None},
     &Record2004::indexCheck},
    {{"slideCheck", K::Check, 4, "fraLearningTypes", 1, "", "Slide", L::None, "", {}, "", kNoLimit, S::None, R::None},
     &Record2004::slideCheck},
    {{"tableCheck", K::Check, 4, "fraLearningTypes", 1, "", "Table", L::None, "", {}, "", kNoLimit, S::None, R::None},
     &Record2004::tableCheck},
    {{"chkLecture", K::Check, 4, "fraLearningTypes", 1, "", "Lecture", L::None, "", {}, "", kNoLimit, S::None,
     R::None}, &Record2004::chkLecture},
    {{"problemStatementCheck", K::Check, 4, "fraLearningTypes", 1, "", "Problem Statement", L::None, "", {}, "",
     kNoLimit, S::None, R::None}, &Record2004::problemStatementCheck},
    {{"experimentCheck", K::Check, 4, "fraLearningTypes", 1, "", "Experiment", L::None, "", {}, "", kNoLimit,
     S::None, R::None}, &Record2004::experimentCheck},
    {{"usageDescription", K::MultiLine, 4, "", 1, "Label65", "Usage Description", L::Help, kFreeForm, {}, "", 1000,
     S::Both, R::FreeText}, &Record2004::usageDescription},
    {{"cboMinAge", K::Combo, 4, "", 1, "label90", "Typical Age Range", L::Help, "",
     {"10", "20", "30", "40", "50", "60"}, "", kNoLimit, S::None, R::None, kNoOwnRule, false, "Min"},
     &Record2004::cboMinAge},
    {{"cboMaxAge", K::Combo, 4, "", 1, "", "", L::None, "", {"no max", "10", "20", "30", "40", "50", "60"}, "no max",
     kNoLimit, S::None, R::None, kNoOwnRule, true, "Max", false, "-"}, &Record2004::cboMaxAge},
    {{"txtTypicalAgeRange", K::Text, 4, "", 1, "", "", L::None, "", {}, "", kNoLimit, S::None, R::FreeText,
     kNoOwnRule, false, "", true}, &Record2004::txtTypicalAgeRange},

    // RIGHTS
    {{"feesYes", K::Option, 5, "fraFees", 0, "", "Yes", L::None, "", {}, "", kNoLimit, S::None, R::None},
     &Record2004::feesYes},
    {{"feesNo", K::Option, 5, "fraFees", 1, "", "No", L::None, "", {}, "1", kNoLimit, S::None, R::None}},
    {{"copyrightYes", K::Option, 5, "fraCopyright", 0, "", "Yes", L::None, "", {}, "", kNoLimit, S::None, R::None},
     &Record2004::copyrightYes},
    {{"copyrightNo", K::Option, 5, "fraCopyright", 1, "", "No", L::None, "", {}, "1", kNoLimit, S::None, R::None}},
    {{"usageConditionsText", K::MultiLine, 5, "", 1, "Label10", "Conditions of Use", L::Help, kFreeForm, {}, "", 1000,
     S::Both, R::FreeText}, &Record2004::usageConditionsText},

    // RELATION
    {{"relationshipCombo", K::Combo, 6, "fraRelationship", 0, "Label27", "Relationship", L::Help, "",
     {"Is Part of Resource Named Below", "Has a Part of Resource Named Below", "Is a Version of Resource Named Below",
      "Has a Version of Resource Named Below", "Is a Format of Resource Named Below",
      "Has a Format of Resource Named Below", "References Resource Named Below",
      "Is Referenced By Resource Named Below", "Is Based on Resource Named Below",
      "Is a Basis for Resource Named Below", "Requires Resource Named Below", "Is Required by Resource Named Below"},
     "", kNoLimit, S::None, R::ListOnly}, &Record2004::relationshipCombo},
    {{"otherResourceText", K::MultiLine, 6, "fraRelationship", 0, "Label13", "Description of Other Resource", L::Help,
     kFreeForm, {}, "", 1000, S::Both, R::FreeText}, &Record2004::otherResourceText},

    // ANNOTATION
    {{"authorText", K::Text, 7, "", 0, "Label17", "Author or Organization", L::Help, kFreeForm, {}, "", 1000, S::None,
     R::FreeText}, &Record2004::authorText},
    {{"annotationText", K::MultiLine, 7, "", 0, "Label18", "Annotation", L::Help, kFreeForm, {}, "", 1000, S::Both,
     R::FreeText}, &Record2004::annotationText},

    // CLASSIFICATION
    {{"txtClassIdent", K::Text, 8, "", 0, "Label20", "Classification Id", L::Help, kNoSpaces, {}, "", kNoLimit,
     S::None, R::None}, &Record2004::txtClassIdent},
    {{"lstClassification", K::List, 8, "", 0, "lblClassList", "Classification List", L::Help, "", {}, "", kNoLimit,
     S::None, R::None}, &Record2004::lstClassification},
    {{"classificationCombo", K::Combo, 8, "fraClassification", 0, "Label28", "Purpose for Classifying this Resource",
     L::Help, "",
     kPurposes2004, "", kNoLimit, S::None, R::ListOnly}, &Record2004::classificationCombo},
    {{"classificationText", K::MultiLine, 8, "fraClassification", 0, "Label15", "Classification Description",
     L::Help, kFreeForm, {}, "", 2000, S::Both, R::FreeText}, &Record2004::classificationText},
    {{"classificationKeywordsText", K::Text, 8, "fraClassification", 0, "Label16", "Keywords", L::Help, kCommas, {},
     "", 1000, S::None, R::FreeText}, &Record2004::classificationKeywordsText},
    {{"txtTaxonSource", K::Text, 8, "", 1, "Label76", "Taxon Source", L::Help, kFreeForm, {}, "", 1000, S::None,
     R::None}, &Record2004::txtTaxonSource},
    {{"txtTaxonId", K::Text, 8, "fraTaxonPath", 0, "Label78", "Id", L::Help, kFreeForm, {}, "", 1000, S::None,
     R::None}, &Record2004::txtTaxonId},
    {{"txtTaxonEntry", K::Text, 8, "fraTaxonPath", 0, "Label71", "Entry", L::Help, kFreeForm, {}, "", 1000, S::None,
     R::None}, &Record2004::txtTaxonEntry},
    {{"lstTaxon", K::List, 8, "fraTaxonPath", 0, "", "", L::None, "", {}, "", kNoLimit, S::None, R::None},
     &Record2004::lstTaxon},
};
// clang-format on

const std::initializer_list<ButtonSpec> kButtons = {
    {"cmdAddSingle", "Add ", "lstFiles"},
    {"cmdRemSingle", "Remove", "lstFiles"},
    {"cmdRemAll", "Remove All", "lstFiles"},
    {"cmdAdd1", "Add ", "lstMetaContrib"},
    {"cmdRem1", "Remove", "lstMetaContrib"},
    {"cmdRemAll1", "Remove All", "lstMetaContrib"},
    {"lblConvertToBytes", "Convert To Bytes", "txtSize", true},
    {"cmdBrowse", "Browse...", "locationText", false, true},
    {"cmdAddClass", "Add ", "lstClassification"},
    {"cmdRemClass", "Remove", "lstClassification"},
    {"cmdRemAllClass", "Remove All", "lstClassification"},
    {"cmdUpdate", "Update", "lstClassification"},
    {"cmdAddTaxon", "Add ", "lstTaxon"},
    {"cmdRemTaxon", "Remove", "lstTaxon"},
    {"cmdRemAllTaxon", "Remove All", "lstTaxon"},
};

const std::initializer_list<const char *> kCategories = {
    "Content Aggregation Meta-Data (MD-XML1)", "Content Aggregation Meta-Data (MD-XML1 + Optional)",
    "Content Organization Meta-Data (MD-XML1)", "Content Organization Meta-Data (MD-XML1 + Optional)",
    "Activity Meta-Data (MD-XML1)",            "Activity Meta-Data (MD-XML1 + Optional)",
    "SCO Meta-Data(MD-XML1)",                  "SCO Meta-Data(MD-XML1 + Optional)",
    "Asset Meta-Data(MD-XML1)",                "Asset Meta-Data(MD-XML1 + Optional)",
};

namespace {
using A = Act;
} // namespace

// Columns: disableAllInterface, enableAllInterface, contentAssetMinimumMetadataInterface,
// contentAggregationMinimumMetadataInterface. Together the rows name the 99 controls the first two act on,
// and Frame7, which only the minimum profiles enable.
const std::initializer_list<ProfileRow> kProfiles = {
    {{"titleText", "courseDescription", "keywordsText"}, {A::Grey, A::Edit, A::Edit, A::Edit}},
    {{"catalogText", "catalogEntryText"}, {A::Grey, A::Edit, A::Skip, A::Edit}},
    {{"txtCoverage", "cboStructure", "cboAggregationLevel"}, {A::Grey, A::Edit, A::Skip, A::Skip}},
    {{"versionText", "lifecycleStatusCombo"}, {A::Grey, A::Edit, A::Skip, A::Edit}},
    {{"contentAuthorsText", "cboConRole", "lstFiles"}, {A::Grey, A::Edit, A::Edit, A::Edit}},
    {{"cmdAddSingle", "cmdRemSingle", "cmdRemAll"}, {A::Off, A::On, A::On, A::On}},
    {{"metadataAuthorsText", "cboCreatorRole", "lstMetaContrib"}, {A::Grey, A::Edit, A::Skip, A::Skip}},
    {{"cmdAdd1", "cmdRem1", "cmdRemAll1"}, {A::Off, A::On, A::Skip, A::Skip}},
    {{"wavCheck", "excelCheck", "gifCheck", "htmlCheck", "javaCheck", "javascriptCheck", "jpgCheck", "pdfCheck",
      "realMediaCheck", "quicktimeCheck", "flashCheck", "powerpointCheck"},
     {A::Grey, A::Face, A::Face, A::Face}},
    {{"Frame7"}, {A::Skip, A::Skip, A::On, A::On}},
    {{"otherContentTypeText", "locationText"}, {A::Grey, A::Edit, A::Edit, A::Edit}},
    {{"cmdBrowse"}, {A::Grey, A::Browse, A::Browse, A::Browse}},
    {{"txtSize", "installationRemarks", "otherRequirements", "txtDuration", "browserCombo", "osCombo",
      "cboYrDuration", "cboMoDuration", "cboDayDuration", "cboHourDuration", "cboMinDuration", "cboSecDuration"},
     {A::Grey, A::Edit, A::Skip, A::Skip}},
    {{"examCheck", "exerciseCheck", "experimentCheck", "diagramCheck", "figureCheck", "graphCheck", "chkLecture",
      "indexCheck", "narrativeTextCheck", "selfAssessmentCheck", "questionnaireCheck", "tableCheck",
      "simulationCheck", "problemStatementCheck", "slideCheck"},
     {A::Grey, A::Face, A::Skip, A::Skip}},
    {{"interactivityTypeCombo", "interactivityLevelCombo", "cboSemanticDensity", "endUserCombo", "cboContext",
      "cboMinAge", "cboMaxAge", "cboEduDifficulty", "cboYear", "cboMonth", "cboDay", "cboHour", "cboMin", "cboSec",
      "txtTypicalAgeRange", "usageDescription"},
     {A::Grey, A::Edit, A::Skip, A::Skip}},
    {{"feesYes", "feesNo", "copyrightYes", "copyrightNo"}, {A::Grey, A::Face, A::Face, A::Face}},
    {{"usageConditionsText"}, {A::Grey, A::Edit, A::Edit, A::Edit}},
    {{"relationshipCombo", "otherResourceText", "authorText", "annotationText"}, {A::Grey, A::Edit, A::Skip, A::Skip}},
    {{"classificationText", "classificationKeywordsText", "classificationCombo"}, {A::Grey, A::Edit, A::Edit, A::Edit}},
    {{"txtTaxonSource", "txtTaxonId", "txtTaxonEntry", "lstTaxon"}, {A::Grey, A::Edit, A::Skip, A::Skip}},
    {{"cmdAddTaxon", "cmdRemTaxon", "cmdRemAllTaxon"}, {A::Off, A::On, A::Skip, A::Skip}},
};

// Content organizations, activities and SCOs share the content-aggregation profiles.
const std::initializer_list<CategoryProfile> kCategoryProfiles = {
    {"Content Aggregation Meta-Data (MD-XML1)", true, AggregationMinimum, true},
    {"Content Aggregation Meta-Data (MD-XML1 + Optional)", false, EnableAll, false},
    {"SCO Meta-Data(MD-XML1)", true, AggregationMinimum, true},
    {"Content Organization Meta-Data (MD-XML1)", true, AggregationMinimum, true},
    {"Activity Meta-Data (MD-XML1)", true, AggregationMinimum, true},
    {"SCO Meta-Data(MD-XML1 + Optional)", false, EnableAll, false},
    {"Content Organization Meta-Data (MD-XML1 + Optional)", false, EnableAll, false},
    {"Activity Meta-Data (MD-XML1 + Optional)", false, EnableAll, false},
    {"Asset Meta-Data(MD-XML1)", true, AssetMinimum, true},
    {"Asset Meta-Data(MD-XML1 + Optional)", false, EnableAll, false},
};

namespace {
// The procedures of the four profiles, as error texts name them: the minimum ones report in the window's own
// form, which the "()" marks.
const std::initializer_list<const char *> kProfileProcedures = {
    "disableAllInterface", "enableAllInterface", "contentAssetMiniumMetadataInterface()",
    "contentAggregationMiniumMetadataInterface()"};
} // namespace

const EditorTables &tables()
{
    static const EditorTables t = {
        "frmOptions2004",
        "SCORM 2004 Metadata",
        "Form frmOptions",
        std::span<const TabSpec>(kTabs),
        rows(kFrames),
        fieldList(rows(kFields)),
        rows(kButtons),
        kCategoryList,
        kNoCategoryText,
        rows(kCategories),
        rows(kProfiles),
        rows(kProfileProcedures),
        DisableAll,
        rows(kCategoryProfiles),
        "Toolbar1_ButtonMenuClick",
        rows(kHelpTexts),
    };
    return t;
}

} // namespace ts::fields2004

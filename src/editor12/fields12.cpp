#include "fields12.h"
#include "editorkit/helptexts.h"
#include "model12/vocab12.h"

namespace ts::fields12 {

using namespace kit;

namespace {
using K = Kind;
using L = LabelLook;
using R = Rule;
using S = ScrollBars;

const char *const kFreeForm = "(Free Form Text. Spaces Allowed.) ";
const char *const kFreeFormWide = "(Free Form Text. Spaces Allowed. ) ";
const char *const kNoSpaces = "(Text. No Spaces Allowed.) ";
const char *const kTime = "(hh:mm:ss) ";
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

const std::initializer_list<FrameSpec> kFrames = {
    {"fraContentTypes", "Content Data Types", 3, 1, "Label39"},
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
     &Record12::titleText},
    {{"keywordsText", K::Text, 0, "", 0, "Label5", "Keywords", L::Help, "(Comma Separated Values.) ", {}, "", kNoLimit,
     S::None, R::FreeText}, &Record12::keywordsText},
    {{"catalogText", K::Text, 0, "", 0, "Label2", "Catalog", L::Help, kNoSpaces, {}, "Tagsmith Catalog", 1000, S::None,
     R::FreeText}, &Record12::catalogText},
    {{"catalogEntryText", K::Text, 0, "", 0, "Label3", "Entry", L::Help, kFreeForm, {}, "TBD", 1000, S::None,
     R::FreeText}, &Record12::catalogEntryText},
    {{"txtCoverage", K::Text, 0, "", 0, "Label30", "Coverage", L::Help, kFreeForm, {}, "", 1000, S::None, R::FreeText},
     &Record12::txtCoverage},
    {{"cboStructure", K::Combo, 0, "", 1, "Label14", "Structure", L::Help, "",
     kStructures12, "", kNoLimit, S::None, R::ListOnly}, &Record12::cboStructure},
    {{"cboAggregationLevel", K::Combo, 0, "", 1, "Label29", "Aggregation Level", L::Help, "", kAggregationLevels12, "",
     kNoLimit, S::None, R::ListOnly}, &Record12::cboAggregationLevel},
    {{"courseDescription", K::MultiLine, 0, "", 1, "Label62", "Resource Description", L::Help, "", {}, "", 2000,
     S::Vertical, R::FreeText}, &Record12::courseDescription},

    // LIFECYCLE
    {{"versionText", K::Text, 1, "", 0, "Version", "Version", L::Help, "(Numeric value.) ", {}, "1.0", 50, S::None,
     R::FreeText}, &Record12::versionText},
    {{"lifecycleStatusCombo", K::Combo, 1, "", 0, "Label7", "Status", L::Help, "",
     {"Draft", "Final", "Revised", "Unavailable"}, "Final", kNoLimit, S::None, R::ListOnly},
     &Record12::lifecycleStatusCombo},
    {{"txtLifecycleDate", K::Text, 1, "", 0, "lblLifecycleDate", "Date", L::Help, "(yyyy-mm-dd) ", {}, "", 50, S::None,
     R::None}, &Record12::txtLifecycleDate},
    {{"contentAuthorsText", K::Text, 1, "", 1, "Label12", "Contributor Name ", L::Help, "(NO commas allowed) ", {}, "",
     1000, S::None, R::FreeText, NoCommas}, &Record12::contentAuthorsText},
    {{"cboConRole", K::Combo, 1, "", 1, "lblConRole", "Contributor Role", L::Help, "",
     kContributorRoles12, "Publisher", kNoLimit, S::None, R::None}, &Record12::cboConRole},
    {{"lstFiles", K::List, 1, "", 1, "", "", L::None, "", {}, "", kNoLimit, S::None, R::None}, &Record12::lstFiles},

    // METAMETADATA
    {{"metadataAuthorsText", K::Text, 2, "", 0, "Label8", "Name(s) of people authoring this metadata file", L::Help,
     kFreeForm, {}, "", 1000, S::None, R::FreeText}, &Record12::metadataAuthorsText},
    {{"metadataOrganizations", K::Text, 2, "", 0, "Label20", "Name(s) of organizations authoring this metadata file",
     L::Help, "(Free Form Text.) ", {}, "", 1000, S::None, R::FreeText}, &Record12::metadataOrganizations},
    {{"cboCreatorRole", K::Combo, 2, "", 0, "Label21", "Contributor Role", L::Help, "", kMetadataRoles12, "",
     kNoLimit, S::None, R::ListOnly}, &Record12::cboCreatorRole},

    // TECHNICAL
    {{"txtSize", K::Text, 3, "", 0, "Label31", "Size", L::Help, "(in bytes) ", {}, "", 30, S::None, R::None, Size},
     &Record12::txtSize},
    {{"cboHourDuration", K::Combo, 3, "", 0, "Label32", "Duration", L::Help, kTime,
     {"00", "01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "11", "12"}, "", kNoLimit, S::None,
     R::ListOnlyNoKeys, DurationJoin}, &Record12::cboHourDuration},
    {{"cboMinDuration", K::Combo, 3, "", 0, "", "", L::None, "", {}, "", kNoLimit, S::None, R::ListOnlyNoKeys,
     DurationJoin, true}, &Record12::cboMinDuration},
    {{"cboSecDuration", K::Combo, 3, "", 0, "", "", L::None, "", {}, "", kNoLimit, S::None, R::ListOnlyNoKeys,
     DurationJoin, true}, &Record12::cboSecDuration},
    {{"txtDuration", K::Text, 3, "", 0, "", "", L::None, "", {}, "", 30, S::None, R::FreeText, kNoOwnRule, false, "",
     true}, &Record12::txtDuration},
    {{"browserCombo", K::Combo, 3, "", 0, "Label22", "Target Internet Browser", L::Help, "",
     {"MS Explorer 4.x or Higher", "MS Explorer 5.x or Higher", "MS Explorer 6.x or Higher", "Netscape 4.x",
      "Netscape 6.x or Higher", "Opera"},
     "", kNoLimit, S::None, R::ListOnly}, &Record12::browserCombo},
    {{"osCombo", K::Combo, 3, "", 0, "Label23", "Target Opreating System", L::Help, "",
     {"PC-DOS", "MS-Windows", "MacOS", "Unix", "Multi-OS", "Other", "None"}, "", kNoLimit, S::None, R::ListOnly},
     &Record12::osCombo},
    {{"htmlCheck", K::Check, 3, "fraContentTypes", 0, "", "HTML", L::None, "", {}, "", kNoLimit, S::None, R::None},
     &Record12::htmlCheck},
    {{"gifCheck", K::Check, 3, "fraContentTypes", 0, "", "GIF Graphics", L::None, "", {}, "", kNoLimit, S::None,
     R::None}, &Record12::gifCheck},
    {{"jpgCheck", K::Check, 3, "fraContentTypes", 0, "", "JPG Graphics", L::None, "", {}, "", kNoLimit, S::None,
     R::None}, &Record12::jpgCheck},
    {{"wavCheck", K::Check, 3, "fraContentTypes", 0, "", " WAV Audio", L::None, "", {}, "", kNoLimit, S::None, R::None},
     &Record12::wavCheck},
    {{"flashCheck", K::Check, 3, "fraContentTypes", 0, "", "Flash", L::None, "", {}, "", kNoLimit, S::None, R::None},
     &Record12::flashCheck},
    {{"excelCheck", K::Check, 3, "fraContentTypes", 0, "", "MS Excel", L::None, "", {}, "", kNoLimit, S::None, R::None},
     &Record12::excelCheck},
    {{"javaCheck", K::Check, 3, "fraContentTypes", 1, "", "Java", L::None, "", {}, "", kNoLimit, S::None, R::None},
     &Record12::javaCheck},
    {{"pdfCheck", K::Check, 3, "fraContentTypes", 1, "", "PDF File", L::None, "", {}, "", kNoLimit, S::None, R::None},
     &Record12::pdfCheck},
    {{"quicktimeCheck", K::Check, 3, "fraContentTypes", 1, "", "Quicktime Video", L::None, "", {}, "", kNoLimit,
     S::None, R::None}, &Record12::quicktimeCheck},
    {{"javascriptCheck", K::Check, 3, "fraContentTypes", 1, "", "JavaScript", L::None, "", {}, "", kNoLimit, S::None,
     R::None}, &Record12::javascriptCheck},
    {{"powerpointCheck", K::Check, 3, "fraContentTypes", 1, "", "MS PowerPoint", L::None, "", {}, "", kNoLimit,
     S::None, R::None}, &Record12::powerpointCheck},
    {{"realMediaCheck", K::Check, 3, "fraContentTypes", 1, "", "Real Networks Media", L::None, "", {}, "", kNoLimit,
     S::None, R::None}, &Record12::realMediaCheck},
    {{"otherContentTypeText", K::MultiLine, 3, "", 1, "Label9", "Other Content Data Types", L::Help, "", {}, "", 500,
     S::None, R::FreeText}, &Record12::otherContentTypeText},
    {{"locationText", K::Text, 3, "", 0, "Label11", "Content Location (URL) or Description", L::Help, kNoSpaces, {}, "",
     1000, S::None, R::FreeText}, &Record12::locationText},
    {{"installationRemarks", K::MultiLine, 3, "", 1, "Label64", "Installation Remarks", L::Help, kFreeFormWide, {}, "",
     1000, S::Both, R::FreeText}, &Record12::installationRemarks},
    {{"otherRequirements", K::MultiLine, 3, "", 1, "Label63", "Other Requirements", L::Help, kFreeFormWide, {}, "",
     1000, S::Both, R::FreeText}, &Record12::otherRequirements},

    // EDUCATION
    {{"interactivityTypeCombo", K::Combo, 4, "", 0, "Label24", "Interactivity Type", L::Help, "",
     kInteractivityTypes12, "", kNoLimit, S::None, R::ListOnly},
     &Record12::interactivityTypeCombo},
    {{"interactivityLevelCombo", K::Combo, 4, "", 0, "Label26", "Interactivity Level", L::Help, "",
     kInteractivityLevels12, "", kNoLimit, S::None, R::ListOnly},
     &Record12::interactivityLevelCombo},
    {{"cboEduDifficulty", K::Combo, 4, "", 0, "Label35", "Difficulty", L::Help, "",
     kDifficulties12, "", kNoLimit, S::None, R::ListOnly},
     &Record12::cboEduDifficulty},
    {{"endUserCombo", K::Combo, 4, "", 0, "Label25", "Intended End User", L::Help, "",
     kEndUserRoles12, "", kNoLimit, S::None, R::ListOnly}, &Record12::endUserCombo},
    {{"cboContext", K::Combo, 4, "", 0, "Label34", "Context", L::Help, "",
     kContexts12, "", kNoLimit, S::None, R::ListOnly}, &Record12::cboContext},
    {{"cboSemanticDensity", K::Combo, 4, "", 0, "Label33", "Semantic Density", L::Help, "",
     kSemanticDensities12, "", kNoLimit, S::None, R::ListOnly},
     &Record12::cboSemanticDensity},
    {{"exerciseCheck", K::Check, 4, "fraLearningTypes", 0, "", "Exercise", L::None, "", {}, "", kNoLimit, S::None,
     R::None}, &Record12::exerciseCheck},
    {{"simulationCheck", K::Check, 4, "fraLearningTypes", 0, "", "Simulation", L::None, "", {}, "", kNoLimit, S::None,
     R::None}, &Record12::simulationCheck},
    {{"questionnaireCheck", K::Check, 4, "fraLearningTypes", 0, "", "Questionnaire", L::None, "", {}, "", kNoLimit,
     S::None, R::None}, &Record12::questionnaireCheck},
    {{"examCheck", K::Check, 4, "fraLearningTypes", 0, "", "Exam", L::None, "", {}, "", kNoLimit, S::None, R::None},
     &Record12::examCheck},
    {{"diagramCheck", K::Check, 4, "fraLearningTypes", 0, "", "Diagram", L::None, "", {}, "", kNoLimit, S::None,
     R::None}, &Record12::diagramCheck},
    {{"figureCheck", K::Check, 4, "fraLearningTypes", 0, "", "Figure", L::None, "", {}, "", kNoLimit, S::None, R::None},
     &Record12::figureCheck},
    {{"graphCheck", K::Check, 4, "fraLearningTypes", 0, "", "Graph", L::None, "", {}, "", kNoLimit, S::None, R::None},
     &Record12::graphCheck},
    {{"indexCheck", K::Check, 4, "fraLearningTypes", 1, "", "Index", L::None, "", {}, "", kNoLimit, S::None, R::None},
     &Record12::indexCheck},
    {{"slideCheck", K::Check, 4, "fraLearningTypes", 1, "", "Slide", L::None, "", {}, "", kNoLimit, S::None, R::None},
     &Record12::slideCheck},
    {{"selfAssessmentCheck", K::Check, 4, "fraLearningTypes", 1, "", "Self Assessment", L::None, "", {}, "", kNoLimit,
     S::None, R::None}, &Record12::selfAssessmentCheck},
    {{"narrativeTextCheck", K::Check, 4, "fraLearningTypes", 1, "", "Narrative Text", L::None, "", {}, "", kNoLimit,
     S::None, R::None}, &Record12::narrativeTextCheck},
    {{"tableCheck", K::Check, 4, "fraLearningTypes", 1, "", "Table", L::None, "", {}, "", kNoLimit, S::None, R::None},
     &Record12::tableCheck},
    {{"problemStatementCheck", K::Check, 4, "fraLearningTypes", 1, "", "Problem Statement", L::None, "", {}, "",
     kNoLimit, S::None, R::None}, &Record12::problemStatementCheck},
    {{"experimentCheck", K::Check, 4, "fraLearningTypes", 1, "", "Experiment", L::None, "", {}, "", kNoLimit, S::None,
     R::None}, &Record12::experimentCheck},
    {{"usageDescription", K::MultiLine, 4, "", 1, "Label65", "Usage Description", L::Help, kFreeFormWide, {}, "", 1000,
     S::Both, R::FreeText}, &Record12::usageDescription},
    {{"txtTypicalAgeRange", K::MultiLine, 4, "", 1, "label90", "Typical Age Range", L::Help, "(Free Form Text.) ", {},
     "", 1000, S::Both, R::FreeText}, &Record12::txtTypicalAgeRange},
    {{"cboHour", K::Combo, 4, "", 0, "Label36", "Length / Time", L::Help, kTime,
     {"00", "01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "11", "12"}, "", kNoLimit, S::None,
     R::ListOnly, kNoOwnRule, false, "Hours"}, &Record12::cboHour},
    {{"cboMin", K::Combo, 4, "", 0, "", "", L::None, "", {}, "", kNoLimit, S::None, R::ListOnly, kNoOwnRule, true,
     "Minutes"}, &Record12::cboMin},
    {{"cboSec", K::Combo, 4, "", 0, "", "", L::None, "", {}, "", kNoLimit, S::None, R::ListOnly, kNoOwnRule, true,
     "Seconds"}, &Record12::cboSec},

    // RIGHTS
    {{"feesYes", K::Option, 5, "fraFees", 0, "", "Yes", L::None, "", {}, "", kNoLimit, S::None, R::None},
     &Record12::feesYes},
    {{"feesNo", K::Option, 5, "fraFees", 1, "", "No", L::None, "", {}, "1", kNoLimit, S::None, R::None}},
    {{"copyrightYes", K::Option, 5, "fraCopyright", 0, "", "Yes", L::None, "", {}, "", kNoLimit, S::None, R::None},
     &Record12::copyrightYes},
    {{"copyrightNo", K::Option, 5, "fraCopyright", 1, "", "No", L::None, "", {}, "1", kNoLimit, S::None, R::None}},
    {{"usageConditionsText", K::MultiLine, 5, "", 1, "Label10", "Conditions of Use", L::Help, kFreeForm, {}, "", 1000,
     S::Both, R::FreeText}, &Record12::usageConditionsText},

    // RELATION
    {{"relationshipCombo", K::Combo, 6, "fraRelationship", 0, "Label27", "Relationship", L::Help, "",
     {"Is Part of Resource Named Below", "Has a Part of Resource Named Below", "Is a Version of Resource Named Below",
      "Has a Version of Resource Named Below", "Is a Format of Resource Named Below",
      "Has a Format of Resource Named Below", "References Resource Named Below",
      "Is Referenced By Resource Named Below", "Is Based on Resource Named Below",
      "Is a Basis for Resource Named Below", "Requires Resource Named Below", "Is Required by Resource Named Below"},
     "", kNoLimit, S::None, R::ListOnly}, &Record12::relationshipCombo},
    {{"otherResourceText", K::MultiLine, 6, "fraRelationship", 0, "Label13", "Description of Other Resource", L::Help,
     kFreeFormWide, {}, "", 1000, S::Both, R::FreeText}, &Record12::otherResourceText},

    // ANNOTATION
    {{"authorText", K::Text, 7, "", 0, "Label17", "Author or Organization", L::Help, kFreeForm, {}, "", 1000, S::None,
     R::FreeText}, &Record12::authorText},
    {{"annotationText", K::MultiLine, 7, "", 0, "Label18", "Annotation", L::Help, kFreeForm, {}, "", 1000, S::Both,
     R::FreeText}, &Record12::annotationText},

    // CLASSIFICATION
    {{"txtClassIdent", K::Text, 8, "", 0, "lblClassIdent", "Classification Id", L::Plain, "", {}, "", kNoLimit, S::None,
     R::None}, &Record12::txtClassIdent},
    {{"classificationCombo", K::Combo, 8, "fraClassification", 0, "Label28", "Purpose for Classifying this Resource",
     L::Help, "",
     kPurposes12, "", kNoLimit, S::None, R::ListOnly}, &Record12::classificationCombo},
    {{"classificationText", K::MultiLine, 8, "fraClassification", 0, "Label15", "Classification Description", L::Help,
     kFreeFormWide, {}, "", 2000, S::Both, R::FreeText}, &Record12::classificationText},
    {{"classificationKeywordsText", K::Text, 8, "fraClassification", 0, "Label16", "Keywords", L::Help,
     "(Comma Separated Values. ) ", {}, "", 1000, S::None, R::FreeText}, &Record12::classificationKeywordsText},
    {{"lstClassification", K::List, 8, "", 0, "Label19", "Classification List", L::Plain, "", {}, "", kNoLimit, S::None,
     R::None}, &Record12::lstClassification},
    {{"txtTaxonSource", K::Text, 8, "", 1, "Label76", "Taxon Source", L::Help, kFreeFormWide, {}, "", 1000, S::None,
     R::None}, &Record12::txtTaxonSource},
    {{"txtTaxonId", K::Text, 8, "fraTaxonPath", 0, "Label78", "Id", L::Help, kFreeForm, {}, "", 1000, S::None, R::None},
     &Record12::txtTaxonId},
    {{"txtTaxonEntry", K::Text, 8, "fraTaxonPath", 0, "Label71", "Entry", L::Help, kFreeForm, {}, "", 1000, S::None,
     R::None}, &Record12::txtTaxonEntry},
    {{"lstTaxon", K::List, 8, "fraTaxonPath", 0, "", "", L::None, "", {}, "", kNoLimit, S::None, R::None},
     &Record12::lstTaxon},
};
// clang-format on

const std::initializer_list<ButtonSpec> kButtons = {
    {"cmdAddSingle", "Add ", "lstFiles"},
    {"cmdRemSingle", "Remove", "lstFiles"},
    {"cmdRemAll", "Remove All", "lstFiles"},
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
    "SCO Meta-Data(MD-XML1)",                  "SCO Meta-Data(MD-XML1 + Optional)",
    "Asset Meta-Data(MD-XML1)",                "Asset Meta-Data(MD-XML1 + Optional)",
};

namespace {
using A = Act;
} // namespace

// Columns: disableAllInterface, enableAllInterface, contentAssetMinimumMetadataInterface,
// contentAggregationMinimumMetadataInterface.
const std::initializer_list<ProfileRow> kProfiles = {
    {{"titleText", "keywordsText", "courseDescription"}, {A::Grey, A::Edit, A::Edit, A::Edit}},
    {{"catalogText", "catalogEntryText"}, {A::Grey, A::Edit, A::Skip, A::Edit}},
    {{"txtCoverage", "cboStructure", "cboAggregationLevel"}, {A::Grey, A::Edit, A::Skip, A::Skip}},
    {{"versionText", "lifecycleStatusCombo"}, {A::Grey, A::Edit, A::Skip, A::Edit}},
    {{"contentAuthorsText", "cboConRole", "lstFiles"}, {A::Grey, A::Edit, A::Edit, A::Edit}},
    {{"cmdAddSingle", "cmdRemSingle", "cmdRemAll"}, {A::Off, A::On, A::On, A::On}},
    {{"metadataAuthorsText", "metadataOrganizations", "cboCreatorRole"}, {A::Grey, A::Edit, A::Skip, A::Skip}},
    {{"txtSize", "txtDuration", "cboHourDuration", "cboMinDuration", "cboSecDuration", "browserCombo", "osCombo",
      "installationRemarks", "otherRequirements"},
     {A::Grey, A::Edit, A::Skip, A::Skip}},
    {{"locationText", "otherContentTypeText"}, {A::Grey, A::Edit, A::Edit, A::Edit}},
    {{"htmlCheck", "gifCheck", "jpgCheck", "wavCheck", "flashCheck", "excelCheck", "javaCheck", "pdfCheck",
      "quicktimeCheck", "javascriptCheck", "powerpointCheck", "realMediaCheck"},
     {A::Grey, A::Face, A::Face, A::Face}},
    {{"fraContentTypes"}, {A::Skip, A::Skip, A::On, A::On}},
    {{"cmdBrowse"}, {A::Grey, A::Browse, A::Browse, A::Browse}},
    {{"interactivityTypeCombo", "interactivityLevelCombo", "cboEduDifficulty", "endUserCombo", "cboContext",
      "cboSemanticDensity", "usageDescription", "txtTypicalAgeRange", "cboHour", "cboMin", "cboSec"},
     {A::Grey, A::Edit, A::Skip, A::Skip}},
    {{"exerciseCheck", "simulationCheck", "questionnaireCheck", "examCheck", "diagramCheck", "figureCheck",
      "graphCheck", "indexCheck", "slideCheck", "selfAssessmentCheck", "narrativeTextCheck", "tableCheck",
      "problemStatementCheck", "experimentCheck"},
     {A::Grey, A::Face, A::Skip, A::Skip}},
    {{"usageConditionsText"}, {A::Grey, A::Edit, A::Edit, A::Edit}},
    {{"feesYes", "feesNo", "copyrightYes", "copyrightNo"}, {A::Grey, A::Face, A::Face, A::Face}},
    {{"relationshipCombo", "otherResourceText"}, {A::Grey, A::Edit, A::Skip, A::Skip}},
    {{"authorText", "annotationText"}, {A::Grey, A::Edit, A::Skip, A::Skip}},
    {{"classificationCombo", "classificationText", "classificationKeywordsText"}, {A::Grey, A::Edit, A::Edit, A::Edit}},
    {{"txtTaxonSource", "txtTaxonId", "txtTaxonEntry", "lstTaxon"}, {A::Grey, A::Edit, A::Skip, A::Skip}},
    {{"cmdAddTaxon", "cmdRemTaxon", "cmdRemAllTaxon"}, {A::Off, A::On, A::Skip, A::Skip}},
};

// SCO records share the content-aggregation profiles.
const std::initializer_list<CategoryProfile> kCategoryProfiles = {
    {"Content Aggregation Meta-Data (MD-XML1)", true, AggregationMinimum, true},
    {"Content Aggregation Meta-Data (MD-XML1 + Optional)", false, EnableAll, false},
    {"SCO Meta-Data(MD-XML1)", true, AggregationMinimum, true},
    {"SCO Meta-Data(MD-XML1 + Optional)", false, EnableAll, false},
    {"Asset Meta-Data(MD-XML1)", true, AssetMinimum, true},
    {"Asset Meta-Data(MD-XML1 + Optional)", false, EnableAll, false},
};

const std::initializer_list<const char *> kSixtyLists = {"cboMin", "cboSec", "cboMinDuration", "cboSecDuration"};

namespace {
// The procedures of the four profiles, as error texts name them.
const std::initializer_list<const char *> kProfileProcedures = {
    "disableAllInterface", "enableAllInterface", "contentAssetMinimumMetadataInterface",
    "contentAggregationMinimumMetadataInterface"};
} // namespace

const EditorTables &tables()
{
    static const EditorTables t = {
        "frmOptions",
        "SCORM 1.2 Metadata",
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
        "cboSelectCategory_Click",
        rows(kHelpTexts),
    };
    return t;
}

} // namespace ts::fields12

#include "lists2004.h"

namespace ts::lists2004 {

using kit::SplitAt;

namespace {
// The contributor lists ask about "the list", the taxa and classifications about "the file list".
constexpr kit::RemoveTexts kContributorTexts = {
    "Please make a selection",
    "Do you wish to remove this item from the list?",
    "This will clear the list. Continue?",
    "Confirm",
};
constexpr kit::RemoveTexts kClassificationTexts = {
    "Please make a selection",
    "Do you wish to remove this item from the list?",
    "This will clear the file list. Continue?",
    "Confirm",
};
} // namespace

const kit::TwoPartListSpec kContributors = {
    "lstFiles", "contentAuthorsText", "cboConRole", SplitAt::LastComma,
    "cmdAddSingle", "cmdRemSingle", "cmdRemAll", kContributorTexts,
};

const kit::TwoPartListSpec kMetaContributors = {
    "lstMetaContrib", "metadataAuthorsText", "cboCreatorRole", SplitAt::LastComma,
    "cmdAdd1", "cmdRem1", "cmdRemAll1", kContributorTexts,
};

const kit::TwoPartListSpec kTaxa = {
    "lstTaxon", "txtTaxonId", "txtTaxonEntry", SplitAt::FirstComma,
    "cmdAddTaxon", "cmdRemTaxon", "cmdRemAllTaxon", kClassificationTexts,
};

const kit::FragmentListSpec kClassifications = {
    "lstClassification",
    "txtClassIdent",
    "cmdAddClass",
    "cmdUpdate",
    "cmdRemClass",
    "cmdRemAllClass",
    kClassificationTexts,
    8,
    "Missing Information",
    {
        {"classificationCombo", "What classification should this SCO or Asset have associated with it ?"},
        {"classificationText", "Please provide a brief description of this Classification"},
        {"classificationKeywordsText", "Please provide as least one keyword to describe this Classification"},
    },
    {"txtTaxonId", "txtTaxonEntry"},
    "You may have some Taxon data that you have not yet added to the classification.\rDo you wish to continue?",
    "You must identify this classification",
    "You are already using this id. Either delete it form the list or use a different id.",
    {"txtClassIdent", "classificationCombo", "classificationKeywordsText", "classificationText", "txtTaxonEntry",
     "txtTaxonId", "txtTaxonSource", "lstTaxon"},
    "lstTaxon",
    "The data for this classification has been moved or deleted.\rDelete this entry and re-enter it.",
    "lstClassification_click()",
    "createClassificationFile()",
};

} // namespace ts::lists2004

#include "lists12.h"

namespace ts::lists12 {

using kit::SplitAt;

namespace {
constexpr kit::RemoveTexts kRemoveTexts = {
    "Please make a selection",
    "Do you wish to remove this item from the list?",
    "This will clear the file list. Continue?",
    "Confirm",
};
} // namespace

const kit::TwoPartListSpec kContributors = {
    "lstFiles", "contentAuthorsText", "cboConRole", SplitAt::LastComma,
    "cmdAddSingle", "cmdRemSingle", "cmdRemAll", kRemoveTexts,
};

const kit::TwoPartListSpec kTaxa = {
    "lstTaxon", "txtTaxonId", "txtTaxonEntry", SplitAt::FirstComma,
    "cmdAddTaxon", "cmdRemTaxon", "cmdRemAllTaxon", kRemoveTexts,
};

const kit::FragmentListSpec kClassifications = {
    "lstClassification",
    "txtClassIdent",
    "cmdAddClass",
    "cmdUpdate",
    "cmdRemClass",
    "cmdRemAllClass",
    kRemoveTexts,
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
    "createClassificationFile",
};

} // namespace ts::lists12

// The texts of the SCORM 2004 record that the writers put into a document, named as the editor shows them,
// for leaving out the characters XML cannot hold.

#include "writer2004.h"

#include "shared/xmlsaferecord.h"

namespace ts {

namespace {

using R = Record2004;

// Every text of the record that a writer puts into a document, by tab. The classification list holds file
// names, not text, and is not among them.
const RecordTextField<R> kTextFields[] = {
    {&R::titleText, "GENERAL: Title"},
    {&R::keywordsText, "GENERAL: Keywords"},
    {&R::catalogText, "GENERAL: Catalog"},
    {&R::catalogEntryText, "GENERAL: Entry"},
    {&R::txtCoverage, "GENERAL: Coverage"},
    {&R::cboStructure, "GENERAL: Structure"},
    {&R::cboAggregationLevel, "GENERAL: Aggregation Level"},
    {&R::courseDescription, "GENERAL: Resource Description"},
    {&R::versionText, "LIFECYCLE: Version"},
    {&R::lifecycleStatusCombo, "LIFECYCLE: Status"},
    {&R::lstFiles, "LIFECYCLE: Contributors"},
    {&R::lstMetaContrib, "METAMETADATA: Contributors"},
    {&R::txtSize, "TECHNICAL: Size"},
    {&R::cboYrDuration, "TECHNICAL: Duration"},
    {&R::cboMoDuration, "TECHNICAL: Duration"},
    {&R::cboDayDuration, "TECHNICAL: Duration"},
    {&R::cboHourDuration, "TECHNICAL: Duration"},
    {&R::cboMinDuration, "TECHNICAL: Duration"},
    {&R::cboSecDuration, "TECHNICAL: Duration"},
    {&R::txtDuration, "TECHNICAL: Duration"},
    {&R::browserCombo, "TECHNICAL: Target Internet Browser"},
    {&R::osCombo, "TECHNICAL: Target Opreating System"},
    {&R::otherContentTypeText, "TECHNICAL: Other File Format"},
    {&R::locationText, "TECHNICAL: Content Location (URL) or Description"},
    {&R::installationRemarks, "TECHNICAL: Installation Remarks"},
    {&R::otherRequirements, "TECHNICAL: Other Requirements"},
    {&R::interactivityTypeCombo, "EDUCATION: Interactivity Type"},
    {&R::interactivityLevelCombo, "EDUCATION: Interactivity Level"},
    {&R::cboEduDifficulty, "EDUCATION: Difficulty"},
    {&R::endUserCombo, "EDUCATION: Intended End User"},
    {&R::cboContext, "EDUCATION: Context"},
    {&R::cboSemanticDensity, "EDUCATION: Semantic Density"},
    {&R::usageDescription, "EDUCATION: Usage Description"},
    {&R::txtTypicalAgeRange, "EDUCATION: Typical Age Range"},
    {&R::cboYear, "EDUCATION: Length / Time"},
    {&R::cboMonth, "EDUCATION: Length / Time"},
    {&R::cboDay, "EDUCATION: Length / Time"},
    {&R::cboHour, "EDUCATION: Length / Time"},
    {&R::cboMin, "EDUCATION: Length / Time"},
    {&R::cboSec, "EDUCATION: Length / Time"},
    {&R::txtTypicalTime, "EDUCATION: Length / Time"},
    {&R::usageConditionsText, "RIGHTS: Conditions of Use"},
    {&R::relationshipCombo, "RELATION: Relationship"},
    {&R::otherResourceText, "RELATION: Description of Other Resource"},
    {&R::authorText, "ANNOTATION: Author or Organization"},
    {&R::annotationText, "ANNOTATION: Annotation"},
    {&R::classificationCombo, "CLASSIFICATION: Purpose for Classifying this Resource"},
    {&R::classificationText, "CLASSIFICATION: Classification Description"},
    {&R::classificationKeywordsText, "CLASSIFICATION: Keywords"},
    {&R::txtTaxonSource, "CLASSIFICATION: Taxon Source"},
    {&R::lstTaxon, "CLASSIFICATION: Taxon Path"},
};

} // namespace

std::span<const RecordTextField<R>> recordTexts2004() { return kTextFields; }

Record2004 xmlSafeRecord2004(const Record2004 &record, QStringList &fields)
{
    return xmlSafeRecord<R>(record, kTextFields, fields);
}

QString classificationListField2004() { return QStringLiteral("CLASSIFICATION: Classification List"); }

} // namespace ts

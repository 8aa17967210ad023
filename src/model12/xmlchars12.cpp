#include "xmlchars12.h"

#include "shared/xmlsaferecord.h"

namespace ts {

namespace {

// Every text of the record that a writer puts into a document, by tab. The classification list holds
// file names, not text, and is not among them.
const RecordTextField<Record12> kTextFields[] = {
    {&Record12::titleText, "GENERAL: Title"},
    {&Record12::keywordsText, "GENERAL: Keywords"},
    {&Record12::catalogText, "GENERAL: Catalog"},
    {&Record12::catalogEntryText, "GENERAL: Entry"},
    {&Record12::txtCoverage, "GENERAL: Coverage"},
    {&Record12::cboStructure, "GENERAL: Structure"},
    {&Record12::cboAggregationLevel, "GENERAL: Aggregation Level"},
    {&Record12::courseDescription, "GENERAL: Resource Description"},
    {&Record12::versionText, "LIFECYCLE: Version"},
    {&Record12::lifecycleStatusCombo, "LIFECYCLE: Status"},
    {&Record12::txtLifecycleDate, "LIFECYCLE: Date"},
    {&Record12::contentAuthorsText, "LIFECYCLE: Contributor Name"},
    {&Record12::cboConRole, "LIFECYCLE: Contributor Role"},
    {&Record12::lstFiles, "LIFECYCLE: Contributors"},
    {&Record12::metadataAuthorsText, "METAMETADATA: Name(s) of people authoring this metadata file"},
    {&Record12::metadataOrganizations, "METAMETADATA: Name(s) of organizations authoring this metadata file"},
    {&Record12::cboCreatorRole, "METAMETADATA: Contributor Role"},
    {&Record12::txtSize, "TECHNICAL: Size"},
    {&Record12::cboHourDuration, "TECHNICAL: Duration"},
    {&Record12::cboMinDuration, "TECHNICAL: Duration"},
    {&Record12::cboSecDuration, "TECHNICAL: Duration"},
    {&Record12::txtDuration, "TECHNICAL: Duration"},
    {&Record12::browserCombo, "TECHNICAL: Target Internet Browser"},
    {&Record12::osCombo, "TECHNICAL: Target Opreating System"},
    {&Record12::otherContentTypeText, "TECHNICAL: Other Content Data Types"},
    {&Record12::locationText, "TECHNICAL: Content Location (URL) or Description"},
    {&Record12::installationRemarks, "TECHNICAL: Installation Remarks"},
    {&Record12::otherRequirements, "TECHNICAL: Other Requirements"},
    {&Record12::interactivityTypeCombo, "EDUCATION: Interactivity Type"},
    {&Record12::interactivityLevelCombo, "EDUCATION: Interactivity Level"},
    {&Record12::cboEduDifficulty, "EDUCATION: Difficulty"},
    {&Record12::endUserCombo, "EDUCATION: Intended End User"},
    {&Record12::cboContext, "EDUCATION: Context"},
    {&Record12::cboSemanticDensity, "EDUCATION: Semantic Density"},
    {&Record12::usageDescription, "EDUCATION: Usage Description"},
    {&Record12::txtTypicalAgeRange, "EDUCATION: Typical Age Range"},
    {&Record12::cboHour, "EDUCATION: Length / Time"},
    {&Record12::cboMin, "EDUCATION: Length / Time"},
    {&Record12::cboSec, "EDUCATION: Length / Time"},
    {&Record12::usageConditionsText, "RIGHTS: Conditions of Use"},
    {&Record12::relationshipCombo, "RELATION: Relationship"},
    {&Record12::otherResourceText, "RELATION: Description of Other Resource"},
    {&Record12::authorText, "ANNOTATION: Author or Organization"},
    {&Record12::annotationText, "ANNOTATION: Annotation"},
    {&Record12::txtClassIdent, "CLASSIFICATION: Classification Id"},
    {&Record12::classificationCombo, "CLASSIFICATION: Purpose for Classifying this Resource"},
    {&Record12::classificationText, "CLASSIFICATION: Classification Description"},
    {&Record12::classificationKeywordsText, "CLASSIFICATION: Keywords"},
    {&Record12::txtTaxonSource, "CLASSIFICATION: Taxon Source"},
    {&Record12::txtTaxonId, "CLASSIFICATION: Id"},
    {&Record12::txtTaxonEntry, "CLASSIFICATION: Entry"},
    {&Record12::lstTaxon, "CLASSIFICATION: Taxon Path"},
};

} // namespace

std::span<const RecordTextField<Record12>> recordTexts12() { return kTextFields; }

Record12 xmlSafeRecord12(const Record12 &record, QStringList &fields)
{
    return xmlSafeRecord<Record12>(record, kTextFields, fields);
}

void reportLeftOutCharacters12(const QStringList &fields) { reportLeftOutCharacters(fields); }

QString classificationListField12() { return QStringLiteral("CLASSIFICATION: Classification List"); }

} // namespace ts

#pragma once
// One SCORM 1.2 metadata record as plain values: what the SCORM 1.2 editor's controls hold. Each member
// carries the name of the control that holds it, so the editor reads and fills it by a table of names.
// Readers produce it, writers consume it; neither needs a widget.

#include <QString>
#include <QStringList>

namespace ts {

struct Record12 {
    // GENERAL
    QString titleText;
    QString keywordsText;
    QString catalogText;
    QString catalogEntryText;
    QString txtCoverage;
    QString cboStructure;
    QString cboAggregationLevel;
    QString courseDescription;

    // LIFECYCLE
    QString versionText;
    QString lifecycleStatusCombo;
    QString txtLifecycleDate;
    QString contentAuthorsText;
    QString cboConRole;
    QStringList lstFiles; // contributors: "name,role"

    // METAMETADATA
    QString metadataAuthorsText;
    QString metadataOrganizations;
    QString cboCreatorRole;

    // TECHNICAL
    QString txtSize;
    QString cboHourDuration;
    QString cboMinDuration;
    QString cboSecDuration;
    QString txtDuration;
    QString browserCombo;
    QString osCombo;
    bool htmlCheck = false;
    bool gifCheck = false;
    bool jpgCheck = false;
    bool wavCheck = false;
    bool flashCheck = false;
    bool excelCheck = false;
    bool javaCheck = false;
    bool pdfCheck = false;
    bool quicktimeCheck = false;
    bool javascriptCheck = false;
    bool powerpointCheck = false;
    bool realMediaCheck = false;
    QString otherContentTypeText;
    QString locationText;
    QString installationRemarks;
    QString otherRequirements;

    // EDUCATION
    QString interactivityTypeCombo;
    QString interactivityLevelCombo;
    QString cboEduDifficulty;
    QString endUserCombo;
    QString cboContext;
    QString cboSemanticDensity;
    bool exerciseCheck = false;
    bool simulationCheck = false;
    bool questionnaireCheck = false;
    bool examCheck = false;
    bool diagramCheck = false;
    bool figureCheck = false;
    bool graphCheck = false;
    bool indexCheck = false;
    bool slideCheck = false;
    bool selfAssessmentCheck = false;
    bool narrativeTextCheck = false;
    bool tableCheck = false;
    bool problemStatementCheck = false;
    bool experimentCheck = false;
    QString usageDescription;
    QString txtTypicalAgeRange;
    QString cboHour;
    QString cboMin;
    QString cboSec;

    // RIGHTS: the option pairs; "No" is chosen when the "Yes" member is false.
    bool feesYes = false;
    bool copyrightYes = false;
    QString usageConditionsText;

    // RELATION
    QString relationshipCombo;
    QString otherResourceText;

    // ANNOTATION
    QString authorText;
    QString annotationText;

    // CLASSIFICATION: the stored classifications (ids naming fragment files) and the one being edited.
    QString txtClassIdent;
    QStringList lstClassification;
    QString classificationCombo;
    QString classificationText;
    QString classificationKeywordsText;
    QString txtTaxonSource;
    QString txtTaxonId;
    QString txtTaxonEntry;
    QStringList lstTaxon; // taxa: "id,entry"

    bool operator==(const Record12 &) const = default;
};

// The record of a window freshly loaded: the design defaults.
Record12 designDefaults12();
// The record after clearAll: every field empty, copyright "Yes", fees "No".
Record12 clearedRecord12();

} // namespace ts

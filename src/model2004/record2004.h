#pragma once
// One SCORM 2004 metadata record as plain values: what the SCORM 2004 editor's controls hold. There is one
// member per control that holds a value, named after the control and grouped by the editor's tabs, so the
// editor reads and fills it by its table of fields. Readers produce it, writers consume it; neither needs
// a widget.

#include <QString>
#include <QStringList>

namespace ts {

struct Record2004 {
    // GENERAL
    QString titleText;
    QString courseDescription;
    QString keywordsText;     // keywords separated by ","
    QString catalogText;      // the identifier's catalog (a list that takes any text)
    QString catalogEntryText; // the identifier's entry
    QString txtCoverage;
    QString cboStructure;
    QString cboAggregationLevel;

    // LIFECYCLE
    QString versionText;
    QString lifecycleStatusCombo;
    QString contentAuthorsText; // name and role of the contributor being entered
    QString cboConRole;
    QStringList lstFiles; // contributors: "name,role"

    // METAMETADATA
    QString metadataAuthorsText; // name and role of the contributor being entered
    QString cboCreatorRole;
    QStringList lstMetaContrib; // contributors: "name,role"

    // TECHNICAL
    QString txtSize;
    QString cboYrDuration; // the parts of the duration: years, months, days, hours, minutes, seconds
    QString cboMoDuration;
    QString cboDayDuration;
    QString cboHourDuration;
    QString cboMinDuration;
    QString cboSecDuration;
    QString txtDuration; // the hidden ISO 8601 duration composed from the six parts
    QString browserCombo;
    QString osCombo;
    QString locationText;
    QString installationRemarks;
    QString otherRequirements;
    bool htmlCheck = false;
    bool flashCheck = false;
    bool quicktimeCheck = false;
    bool gifCheck = false;
    bool excelCheck = false;
    bool javascriptCheck = false;
    bool jpgCheck = false;
    bool javaCheck = false;
    bool powerpointCheck = false;
    bool wavCheck = false;
    bool pdfCheck = false;
    bool realMediaCheck = false;
    QString otherContentTypeText; // further formats separated by ","

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
    bool selfAssessmentCheck = false;
    bool narrativeTextCheck = false;
    bool graphCheck = false;
    bool indexCheck = false;
    bool slideCheck = false;
    bool tableCheck = false;
    bool chkLecture = false;
    bool problemStatementCheck = false;
    bool experimentCheck = false;
    QString usageDescription;
    QString cboMinAge; // the parts of the typical age range
    QString cboMaxAge;
    QString txtTypicalAgeRange; // the hidden age range composed from them
    QString cboYear;            // the parts of the typical learning time
    QString cboMonth;
    QString cboDay;
    QString cboHour;
    QString cboMin;
    QString cboSec;
    QString txtTypicalTime; // the hidden ISO 8601 typical learning time composed from the six parts

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
    QString classificationKeywordsText; // keywords separated by ","
    QString txtTaxonSource;
    QString txtTaxonId;
    QString txtTaxonEntry;
    QStringList lstTaxon; // taxa: "id,entry"

    bool operator==(const Record2004 &) const = default;
};

} // namespace ts

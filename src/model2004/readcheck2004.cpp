// What a SCORM 2004 record holds, in the forms the writers write it, and the tables by which the check of an
// opened file takes the elements of this binding (shared/readcheck.h).

#include "reader2004.h"

#include "model2004/build2004.h"
#include "model2004/duration2004.h"
#include "model2004/vocab2004.h"
#include "model2004/writer2004.h"

namespace ts {

namespace {

using readers::Category;

constexpr CategoryName kCategories[] = {
    {"general", Category::General},
    {"lifeCycle", Category::Lifecycle},
    {"metaMetadata", Category::Metametadata},
    {"technical", Category::Technical},
    {"educational", Category::Educational},
    {"rights", Category::Rights},
    {"relation", Category::Relation},
    {"annotation", Category::Annotation},
    {"classification", Category::Classification},
};

constexpr HeldRule kRules[] = {
    {"taxonPath/source", Held::Text},
    {"source", Held::Source}, // a vocabulary's source: the writers write their own
    {"metadataSchema", Held::OwnText},
    {"date/dateTime", Held::ExportDay},
    {"date/description", Held::DateDescription},
    {"annotation/datetime", Held::ExportDay},
    {"duration/duration", Held::Duration},
    {"typicalLearningTime/duration", Held::Duration},
    {"duration/description", Held::OwnText},
    {"typicalLearningTime/description", Held::OwnText},
    {"entity", Held::VCard},
    {"language", Held::Language},
    {"keyword", Held::Parts},
    {"technical/format", Held::Parts},
    {"metaMetadata/identifier", Held::Identifier},
    {"resource/identifier", Held::Identifier},
};

constexpr const char *kLists[] = {"general/keyword",
                                  "contribute",
                                  "contribute/entity",
                                  "technical/format",
                                  "technical/requirement",
                                  "requirement/orComposite",
                                  "educational/learningResourceType",
                                  "classification/keyword",
                                  "classification/taxonPath",
                                  "taxonPath/taxon"};

const VocabularyRule kVocabularies[] = {
    {"general/structure", kStructures2004},
    {"general/aggregationLevel", kAggregationLevels2004},
    {"lifeCycle/contribute/role", kContributorRoles2004},
    {"metaMetadata/contribute/role", kMetadataRoles2004},
    {"educational/interactivityType", kInteractivityTypes2004},
    {"educational/interactivityLevel", kInteractivityLevels2004},
    {"educational/difficulty", kDifficulties2004},
    {"educational/intendedEndUserRole", kEndUserRoles2004},
    {"educational/context", kContexts2004},
    {"educational/semanticDensity", kSemanticDensities2004},
    {"rights/cost", readers::kYesNo},
    {"rights/copyrightAndOtherRestrictions", readers::kYesNo},
    {"classification/purpose", kPurposes2004},
};

QString durationKey(const QString &text)
{
    const std::optional<DurationParts> parts = splitDuration(text.trimmed());
    return parts ? HeldTexts::durationKey(
                       {parts->years, parts->months, parts->days, parts->hours, parts->minutes, parts->seconds})
                 : QString();
}

// The writers write the export day into every contribution, with their description, and into the
// annotation, with its own.
constexpr OwnDate kOwnDates[] = {
    {"lifeCycle/contribute/date", "Date Description"},
    {"metaMetadata/contribute/date", "Date Description"},
    {"annotation/date", "Date and time annotation was created"},
};

// The writers write their own descriptions of the duration and of the typical learning time, and their own
// metadata schemas.
const OwnText kOwnTexts[] = {
    {"duration/description", {kDurationDescription2004}, readers::kLeftOutDescriptions},
    {"typicalLearningTime/description", {kLearningTimeDescription2004}, readers::kLeftOutDescriptions},
    {"metadataSchema", {kMetadataSchemas2004[0], kMetadataSchemas2004[1]}, readers::kLeftOutSchemas},
};

const CheckTables kTables{kCategories, kRules,    kVocabularies, kLists,   kOwnDates,        kOwnTexts,
                          "language",  "LOMv1.0", "contribute",  "entity", &documentDate2004, &durationKey};

} // namespace

const CheckTables &checkTables2004() { return kTables; }

HeldTexts heldTexts2004(const Record2004 &record)
{
    // What the writers leave out with the field it depends on: an annotation without its person, a relation
    // without its kind.
    Record2004 r = record;
    if (r.authorText.isEmpty())
        r.annotationText.clear();
    if (r.relationshipCombo.isEmpty())
        r.otherResourceText.clear();
    HeldTexts held;
    addRecordTexts(held, r, recordTexts2004());
    for (const QString *list : {&r.keywordsText, &r.otherContentTypeText, &r.classificationKeywordsText})
        held.addParts(*list, QLatin1Char(','));
    for (const auto &table :
         {std::span<const CheckValue2004>(kFormatChecks2004), std::span<const CheckValue2004>(kResourceTypeChecks2004)})
        for (const CheckValue2004 &box : table)
            if (r.*box.check)
                held.add(QLatin1String(box.value));
    held.add(r.feesYes ? QStringLiteral("yes") : QStringLiteral("no"));
    held.add(r.copyrightYes ? QStringLiteral("yes") : QStringLiteral("no"));
    held.add(relationKind2004(r.relationshipCombo));
    if (const std::optional<BrowserRow2004> row = findBrowser2004(r.browserCombo)) {
        held.add(QStringLiteral("browser"));
        held.add(QLatin1String(row->name));
        if (row->minimumVersion)
            held.add(QLatin1String(row->minimumVersion));
    }
    if (!r.osCombo.isEmpty()) {
        held.add(QStringLiteral("operating system"));
        held.add(QStringLiteral("1.0"));
    }
    held.add(QStringLiteral("Date Description"));
    held.exportDay = documentDate2004(QDate::currentDate());
    held.add(QStringLiteral("Date and time annotation was created"));
    // The vocabularies, each by the field that keeps its value.
    held.keep("general/structure", r.cboStructure);
    held.keep("general/aggregationLevel", r.cboAggregationLevel);
    held.keepRoles("lifeCycle/contribute/role", r.lstFiles);
    held.keepRoles("metaMetadata/contribute/role", r.lstMetaContrib);
    held.keep("educational/interactivityType", r.interactivityTypeCombo);
    held.keep("educational/interactivityLevel", r.interactivityLevelCombo);
    held.keep("educational/difficulty", r.cboEduDifficulty);
    held.keep("educational/intendedEndUserRole", r.endUserCombo);
    held.keep("educational/context", r.cboContext);
    held.keep("educational/semanticDensity", r.cboSemanticDensity);
    held.keep("rights/cost", r.feesYes ? QStringLiteral("yes") : QStringLiteral("no"));
    held.keep("rights/copyrightAndOtherRestrictions", r.copyrightYes ? QStringLiteral("yes") : QStringLiteral("no"));
    held.keep("classification/purpose", r.classificationCombo);
    // The identifiers of the meta-metadata and of a related resource are written as the general one.
    held.keep("identifier/catalog", r.catalogText);
    held.keep("identifier/entry", r.catalogEntryText);
    held.durations.insert(HeldTexts::durationKey(
        {r.cboYrDuration, r.cboMoDuration, r.cboDayDuration, r.cboHourDuration, r.cboMinDuration, r.cboSecDuration}));
    held.durations.insert(HeldTexts::durationKey({r.cboYear, r.cboMonth, r.cboDay, r.cboHour, r.cboMin, r.cboSec}));
    return held;
}

} // namespace ts

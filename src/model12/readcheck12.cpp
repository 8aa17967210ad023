// What a SCORM 1.2 record holds, in the forms the writers write it, and the tables by which the check of an
// opened file takes the elements of this binding (shared/readcheck.h).

#include "reader12.h"
#include "readerduration.h"
#include "vocab12.h"
#include "writer12.h"
#include "xmlchars12.h"

#include <array>

namespace ts {

namespace {

using readers::Category;

constexpr CategoryName kCategories[] = {
    {"general", Category::General},
    {"lifecycle", Category::Lifecycle},
    {"metametadata", Category::Metametadata},
    {"technical", Category::Technical},
    {"educational", Category::Educational},
    {"rights", Category::Rights},
    {"relation", Category::Relation},
    {"annotation", Category::Annotation},
    {"classification", Category::Classification},
};

constexpr HeldRule kRules[] = {
    {"taxonpath/source", Held::Text},
    {"source", Held::Source}, // a vocabulary's source: the writers write their own
    {"metadatascheme", Held::OwnText},
    {"lifecycle/contribute/date/datetime", Held::Date},
    {"date/datetime", Held::ExportDay},
    {"date/description", Held::DateDescription},
    {"annotation/datetime", Held::ExportDay},
    // The editor's own files carry the export day in a duration's datetime, other programs the duration.
    {"duration/datetime", Held::Duration},
    {"duration/description", Held::Duration},
    {"typicallearningtime/datetime", Held::Duration},
    {"vcard", Held::VCard},
    {"language", Held::Language},
    {"keyword", Held::Parts},
    {"technical/format", Held::Parts},
};

constexpr const char *kLists[] = {"general/keyword",        "contribute",
                                  "contribute/centity",     "technical/format",
                                  "technical/requirement",  "educational/learningresourcetype",
                                  "classification/keyword", "classification/taxonpath",
                                  "taxonpath/taxon"};

const VocabularyRule kVocabularies[] = {
    {"general/structure", kStructures12},
    {"general/aggregationlevel", kAggregationLevels12},
    {"lifecycle/contribute/role", kContributorRoles12},
    {"metametadata/contribute/role", kMetadataRoles12},
    {"educational/interactivitytype", kInteractivityTypes12},
    {"educational/interactivitylevel", kInteractivityLevels12},
    {"educational/difficulty", kDifficulties12},
    {"educational/intendedenduserrole", kEndUserRoles12},
    {"educational/context", kContexts12},
    {"educational/semanticdensity", kSemanticDensities12},
    {"rights/cost", readers::kYesNo},
    {"rights/copyrightandotherrestrictions", readers::kYesNo},
    {"classification/purpose", kPurposes12},
};

QString durationKey(const QString &text)
{
    const std::optional<QStringList> parts = reader12::durationParts(text.trimmed());
    return parts ? HeldTexts::durationKey({parts->value(0), parts->value(1), parts->value(2)}) : QString();
}

// The writers write the export day into the meta-metadata's contribution, with their description, and into
// the annotation and the duration, without one.
constexpr OwnDate kOwnDates[] = {
    {"metametadata/contribute/date", "Date Description"},
    {"annotation/date", nullptr},
    {"duration/datetime", nullptr},
};

// The writers write the metadata schema of their own. They write the duration itself into the duration's
// description, and no description of the typical learning time: a text there that is no duration is named as
// a value.
const OwnText kOwnTexts[] = {{"metadatascheme", {kMetadataScheme12}, readers::kLeftOutSchemas}};

const CheckTables kTables{kCategories, kRules,    kVocabularies, kLists,    kOwnDates,      kOwnTexts,
                          "xml:lang",  "LOMv1.0", "contribute",  "centity", &documentDate12, &durationKey};

template <std::size_t N>
void addRequirement(HeldTexts &held, const std::array<RequirementRow12, N> &table, const QString &text,
                    const char *type, const char *typeAsRead)
{
    const std::optional<RequirementRow12> row = findRequirement12(table, text);
    if (!row)
        return;
    held.add(QLatin1String(type));
    held.add(QLatin1String(typeAsRead));
    held.add(QLatin1String(row->name));
    if (row->minimumVersion)
        held.add(QLatin1String(row->minimumVersion));
}

} // namespace

const CheckTables &checkTables12() { return kTables; }

HeldTexts heldTexts12(const Record12 &record)
{
    // What the writers leave out with the field it depends on: an annotation without its person, a relation
    // without its kind, the role of meta-metadata without a contributor.
    Record12 r = record;
    if (r.authorText.isEmpty())
        r.annotationText.clear();
    if (r.relationshipCombo.isEmpty())
        r.otherResourceText.clear();
    if (r.metadataAuthorsText.trimmed().isEmpty() && r.metadataOrganizations.trimmed().isEmpty())
        r.cboCreatorRole.clear();
    HeldTexts held;
    addRecordTexts(held, r, recordTexts12());
    for (const QString *list : {&r.keywordsText, &r.otherContentTypeText, &r.classificationKeywordsText})
        held.addParts(*list, QLatin1Char(','));
    // The reader joins the names it reads with "; " and the writers split the field at commas: each name
    // is written, in one vCard with the others.
    held.addParts(r.metadataAuthorsText, QLatin1Char(';'));
    held.addParts(r.metadataOrganizations, QLatin1Char(';'));
    for (const auto &table :
         {std::span<const CheckValue12>(kFormatChecks12), std::span<const CheckValue12>(kResourceTypeChecks12)})
        for (const CheckValue12 &box : table)
            if (r.*box.check)
                held.add(QLatin1String(box.value));
    held.add(r.feesYes ? QStringLiteral("yes") : QStringLiteral("no"));
    held.add(r.copyrightYes ? QStringLiteral("yes") : QStringLiteral("no"));
    held.add(relationKind12(r.relationshipCombo));
    addRequirement(held, kBrowsers12, r.browserCombo, "Browser", "browser");
    addRequirement(held, kOperatingSystems12, r.osCombo, "Operating System", "operating system");
    held.add(QStringLiteral("Date Description"));
    held.exportDay = documentDate12(QDate::currentDate());
    // The vocabularies, each by the field that keeps its value.
    held.keep("general/structure", r.cboStructure);
    held.keep("general/aggregationlevel", r.cboAggregationLevel);
    held.keepRoles("lifecycle/contribute/role", r.lstFiles);
    held.keep("metametadata/contribute/role", r.cboCreatorRole);
    held.keep("educational/interactivitytype", r.interactivityTypeCombo);
    held.keep("educational/interactivitylevel", r.interactivityLevelCombo);
    held.keep("educational/difficulty", r.cboEduDifficulty);
    held.keep("educational/intendedenduserrole", r.endUserCombo);
    held.keep("educational/context", r.cboContext);
    held.keep("educational/semanticdensity", r.cboSemanticDensity);
    held.keep("rights/cost", r.feesYes ? QStringLiteral("yes") : QStringLiteral("no"));
    held.keep("rights/copyrightandotherrestrictions", r.copyrightYes ? QStringLiteral("yes") : QStringLiteral("no"));
    held.keep("classification/purpose", r.classificationCombo);
    held.durations.insert(HeldTexts::durationKey({r.cboHourDuration, r.cboMinDuration, r.cboSecDuration}));
    held.durations.insert(HeldTexts::durationKey({r.cboHour, r.cboMin, r.cboSec}));
    return held;
}

} // namespace ts

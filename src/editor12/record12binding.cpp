#include "record12binding.h"

#include "frmoptions.h"

#include <QAbstractButton>
#include <QListWidget>
#include <QRadioButton>

namespace ts {

namespace {

struct TextMember {
    const char *name;
    QString Record12::*member;
};

struct FlagMember {
    const char *name;
    bool Record12::*member;
    const char *otherOption; // the "No" of an option pair; empty for a check box
};

struct ListMember {
    const char *name;
    QStringList Record12::*member;
};

#define TEXT(m) {#m, &Record12::m}
#define CHECK(m) {#m, &Record12::m, ""}
#define LIST(m) {#m, &Record12::m}

// In the order of the window's tabs; the parts of the duration come before the joined text, as the window
// fills it when one of them is picked.
const TextMember kTexts[] = {
    TEXT(titleText), TEXT(keywordsText), TEXT(catalogText), TEXT(catalogEntryText), TEXT(txtCoverage),
    TEXT(cboStructure), TEXT(cboAggregationLevel), TEXT(courseDescription),
    TEXT(versionText), TEXT(lifecycleStatusCombo), TEXT(txtLifecycleDate), TEXT(contentAuthorsText),
    TEXT(cboConRole),
    TEXT(metadataAuthorsText), TEXT(metadataOrganizations), TEXT(cboCreatorRole),
    TEXT(txtSize), TEXT(cboHourDuration), TEXT(cboMinDuration), TEXT(cboSecDuration), TEXT(txtDuration),
    TEXT(browserCombo), TEXT(osCombo), TEXT(otherContentTypeText), TEXT(locationText), TEXT(installationRemarks),
    TEXT(otherRequirements),
    TEXT(interactivityTypeCombo), TEXT(interactivityLevelCombo), TEXT(cboEduDifficulty), TEXT(endUserCombo),
    TEXT(cboContext), TEXT(cboSemanticDensity), TEXT(usageDescription), TEXT(txtTypicalAgeRange), TEXT(cboHour),
    TEXT(cboMin), TEXT(cboSec),
    TEXT(usageConditionsText),
    TEXT(relationshipCombo), TEXT(otherResourceText),
    TEXT(authorText), TEXT(annotationText),
    TEXT(txtClassIdent), TEXT(classificationCombo), TEXT(classificationText), TEXT(classificationKeywordsText),
    TEXT(txtTaxonSource), TEXT(txtTaxonId), TEXT(txtTaxonEntry),
};

const FlagMember kFlags[] = {
    CHECK(htmlCheck), CHECK(gifCheck), CHECK(jpgCheck), CHECK(wavCheck), CHECK(flashCheck), CHECK(excelCheck),
    CHECK(javaCheck), CHECK(pdfCheck), CHECK(quicktimeCheck), CHECK(javascriptCheck), CHECK(powerpointCheck),
    CHECK(realMediaCheck),
    CHECK(exerciseCheck), CHECK(simulationCheck), CHECK(questionnaireCheck), CHECK(examCheck), CHECK(diagramCheck),
    CHECK(figureCheck), CHECK(graphCheck), CHECK(indexCheck), CHECK(slideCheck), CHECK(selfAssessmentCheck),
    CHECK(narrativeTextCheck), CHECK(tableCheck), CHECK(problemStatementCheck), CHECK(experimentCheck),
    {"feesYes", &Record12::feesYes, "feesNo"},
    {"copyrightYes", &Record12::copyrightYes, "copyrightNo"},
};

const ListMember kLists[] = {LIST(lstFiles), LIST(lstClassification), LIST(lstTaxon)};

#undef TEXT
#undef CHECK
#undef LIST

QString name(const char *text) { return QString::fromLatin1(text); }

} // namespace

Record12 readRecord(const FrmOptions &window)
{
    Record12 record;
    for (const TextMember &t : kTexts)
        record.*t.member = window.fieldText(name(t.name));
    for (const FlagMember &f : kFlags)
        if (auto *button = qobject_cast<QAbstractButton *>(window.control(name(f.name))))
            record.*f.member = button->isChecked();
    for (const ListMember &l : kLists) {
        QStringList items;
        if (auto *list = qobject_cast<QListWidget *>(window.control(name(l.name))))
            for (int i = 0; i < list->count(); ++i)
                items << list->item(i)->text();
        record.*l.member = items;
    }
    return record;
}

void putRecord(FrmOptions &window, const Record12 &record)
{
    for (const TextMember &t : kTexts)
        window.setFieldText(name(t.name), record.*t.member);
    for (const FlagMember &f : kFlags) {
        const bool on = record.*f.member;
        if (*f.otherOption && !on) {
            if (auto *other = qobject_cast<QAbstractButton *>(window.control(name(f.otherOption))))
                other->setChecked(true);
        } else if (auto *button = qobject_cast<QAbstractButton *>(window.control(name(f.name)))) {
            button->setChecked(on);
        }
    }
    for (const ListMember &l : kLists) {
        if (auto *list = qobject_cast<QListWidget *>(window.control(name(l.name)))) {
            list->clear();
            list->addItems(record.*l.member);
        }
    }
}

} // namespace ts

#include "support/testmain.h"

#include "../model2004/fixtures2004.h"
#include "editor2004fixture.h"

#include "editor2004/record2004binding.h"
#include "shared/apperror.h"

#include <QCheckBox>
#include <QListWidget>

using namespace ts;
using namespace ts::test;

namespace {
const char *const CA = "Content Aggregation Meta-Data (MD-XML1)";
const char *const CAO = "Content Aggregation Meta-Data (MD-XML1 + Optional)";
const char *const SCO = "SCO Meta-Data(MD-XML1)";
const char *const SCOO = "SCO Meta-Data(MD-XML1 + Optional)";
const char *const CO = "Content Organization Meta-Data (MD-XML1)";
const char *const COO = "Content Organization Meta-Data (MD-XML1 + Optional)";
const char *const AC = "Activity Meta-Data (MD-XML1)";
const char *const ACO = "Activity Meta-Data (MD-XML1 + Optional)";
const char *const AS = "Asset Meta-Data(MD-XML1)";
const char *const ASO = "Asset Meta-Data(MD-XML1 + Optional)";
// A writer that runs says which it is: the probe fails it at once, and its report names it.
void probe() { throw AppError(5, QStringLiteral("probe")); }
const struct {
    const char *names[6];
    const char *box;
} kDurationLists[] = {
    {{"cboYrDuration", "cboMoDuration", "cboDayDuration", "cboHourDuration", "cboMinDuration", "cboSecDuration"},
     "txtDuration"},
    {{"cboYear", "cboMonth", "cboDay", "cboHour", "cboMin", "cboSec"}, "txtTypicalTime"},
};
QString ran(const char *writer)
{
    return QStringLiteral("Error 5 (probe) in procedure %1 of Form frmOptions").arg(writer);
}
} // namespace

// Export: the category picks the checks (relaxed for assets) and the writer; a miss shows its message, brings
// its tab and field to front and runs no writer; the window is minimised once a writer has returned.
TEST_F(Editor2004Test, ExportChecksTheRequiredFieldsThenRunsTheCategorysWriter)
{
    const struct {
        const char *category;
        std::initializer_list<std::pair<const char *, const char *>> set; // "" also unticks a box, empties a list
        QString message;
        int tab;           // -1: the tab stays
        const char *focus; // "": the focus stays in titleText
    } rows[] = {
        {CA, {{"titleText", ""}}, "Please fill in a Title", 0, "titleText"},
        {CAO, {{"catalogEntryText", ""}}, "Please fill in a Catalog Entry", 0, "catalogEntryText"},
        {SCOO, {{"catalogText", ""}}, "Please fill in a Catalog Type", 0, "catalogText"},
        {COO, {{"courseDescription", ""}}, "Please provide a description", 0, "courseDescription"},
        {ASO, {{"keywordsText", ""}}, "Please fill in at least one keyword", 0, "keywordsText"},
        {ACO, {{"versionText", ""}}, "Please fill in a version Number.", 1, "versionText"},
        {CAO, {{"lifecycleStatusCombo", ""}}, "Please select the Status of this Lifecycle", 1, "lifecycleStatusCombo"},
        {AS, {{"lstFiles", ""}}, "Please enter a Contributor Name and Role of this Lifecycle", 1, "lstFiles"},
        {SCOO, {{"htmlCheck", ""}, {"gifCheck", ""}, {"pdfCheck", ""}, {"otherContentTypeText", ""}},
         "Please select at least one Content Data Type", 3, "htmlCheck"},
        {CAO, {{"locationText", ""}}, "Please fill in the location of this SCO or Asset", 3, "locationText"},
        {ASO, {{"lstClassification", ""}}, "Resources must have a classification.", 8, "classificationCombo"},
        // Every category's writer, assets without the fields they do not require, a format typed only.
        {CA, {{"titleText", " "}}, ran("createAggregation"), -1, ""},
        {CAO, {}, ran("createAggregation"), -1, ""},
        {SCO, {}, ran("createSCO"), -1, ""},
        {SCOO, {{"htmlCheck", ""}, {"gifCheck", ""}, {"pdfCheck", ""}}, ran("createSCO"), -1, ""},
        {CO, {}, ran("createSCO"), -1, ""},
        {COO, {}, ran("createSCO"), -1, ""},
        {AC, {}, ran("createSCO"), -1, ""},
        {ACO, {}, ran("createSCO"), -1, ""},
        {AS, {{"catalogEntryText", ""}, {"catalogText", ""}, {"versionText", ""}, {"lifecycleStatusCombo", ""}},
         ran("createAsset"), -1, ""},
        {ASO, {}, ran("createAsset"), -1, ""},
        {"Select Metadata Category", {}, "Select a Metadata Category", -1, ""},
    };
    struct Probe {
        Probe() { setWriter2004FaultHook(probe); }
        ~Probe() { setWriter2004FaultHook(nullptr); }
    } probing;
    for (const auto &row : rows) {
        SCOPED_TRACE(row.message.toStdString() + " " + row.category);
        win->showNormal();
        QApplication::setActiveWindow(win);
        if (win->cboSelectCategory()->findText(QString::fromUtf8(row.category)) >= 0)
            pickCategory(QString::fromUtf8(row.category));
        else
            win->writeCategoryText(QString::fromUtf8(row.category));
        frmMain().dontValidate = true;
        putRecord(*win, fullRecord2004());
        for (const auto &[field, value] : row.set)
            if (auto *box = qobject_cast<QCheckBox *>(win->control(field)))
                box->setChecked(*value);
            else if (auto *list = qobject_cast<QListWidget *>(win->control(field)))
                list->clear();
            else
                win->setFieldText(field, value);
        frmMain().dontValidate = false;
        win->SSTab1()->setCurrentIndex(5);
        ctl<QWidget>("titleText")->setFocus();
        dialogs.clear();
        win->cmbMakeXML_Click();
        processEvents();
        ASSERT_EQ(dialogs.messages(), QStringList({row.message}));
        const bool wrote = row.message.startsWith(QLatin1String("Error"));
        EXPECT_EQ(dialogs.calls()[0].title, wrote ? "Tagsmith" : "Missing Information");
        EXPECT_EQ(win->isValid, wrote);
        EXPECT_EQ(bool(win->childState() & Qt::WindowMinimized), wrote);
        EXPECT_EQ(currentTab(), row.tab < 0 ? 5 : row.tab);
        EXPECT_TRUE(wrote || win->focusWidget() == win->control(*row.focus ? row.focus : "titleText"));
    }
}

// The writers compose both durations from their lists into the window's boxes first (an empty list shows
// "00" afterwards); the age range follows either of its lists as the user picks.
TEST_F(Editor2004Test, DurationsAreComposedForTheWritersAndTheAgeRangeFollowsItsLists)
{
    const struct {
        std::initializer_list<const char *> parts; // years .. seconds as typed or picked
        const char *composed;
        const char *shown; // the six lists afterwards, joined by "|"
    } durations[] = {
        {{"", "", "", "", "", ""}, "P00Y00M00DT00H00M00S", "00|00|00|00|00|00"},
        {{"1", "", "", "", "", ""}, "P1Y00M00DT00H00M00S", "1|00|00|00|00|00"},
        {{"00", "00", "01", "02", "30", "00"}, "P00Y00M01DT02H30M00S", "00|00|01|02|30|00"},
    };
    win->setCategoryText(QString::fromUtf8(CAO));
    for (const auto &row : durations) {
        for (const auto &[names, box] : kDurationLists) {
            for (std::size_t i = 0; i < 6; ++i)
                win->setFieldText(names[i], QString::fromUtf8(row.parts.begin()[i]));
            const QString document = win->createAggregation(true);
            QStringList shown;
            for (const char *name : names)
                shown << win->fieldText(name);
            EXPECT_EQ(win->fieldText(box), QLatin1String(row.composed)) << box;
            EXPECT_EQ(shown.join('|'), QLatin1String(row.shown)) << box;
            EXPECT_TRUE(document.contains(QStringLiteral("<duration>%1</duration>").arg(row.composed)));
        }
    }
    const struct {
        const char *list;
        const char *item;
        const char *range;
    } picks[] = {
        {"cboMinAge", "10", "10 - "}, {"cboMaxAge", "20", "10 - 20"}, {"cboMinAge", "30", "30 - 20"},
        {"cboMaxAge", "no max", "30 - "},
    };
    win->SSTab1()->setCurrentIndex(4);
    for (const auto &row : picks) {
        auto *combo = ctl<QComboBox>(row.list);
        pickItem(combo, combo->findText(QLatin1String(row.item)));
        EXPECT_EQ(win->fieldText("txtTypicalAgeRange"), QLatin1String(row.range)) << row.list << row.item;
    }
    EXPECT_TRUE(dialogs.calls().isEmpty()) << dialogs.messages().join('|').toStdString();
}

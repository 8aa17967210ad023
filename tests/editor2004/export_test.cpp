#include "support/testmain.h"

#include "../model2004/fixtures2004.h"
#include "editor2004fixture.h"

#include "editor2004/record2004binding.h"
#include "shared/apperror.h"

#include <QCheckBox>

using namespace ts;
using namespace ts::test;

namespace {
// A writer that runs says which it is: the probe fails it at once, and its report names it.
void probe() { throw AppError(5, QStringLiteral("probe")); }
QString ran(const char *writer)
{
    return QStringLiteral("Error 5 (probe) in procedure %1 of Form frmOptions").arg(writer);
}
} // namespace

// Export: the category picks the checks (relaxed for assets) and the writer; a miss shows its message, brings
// its tab and field to front and runs no writer; the window is minimised once a writer has returned.
TEST_F(Editor2004Test, ExportChecksTheRequiredFieldsThenRunsTheCategorysWriter)
{
    const QString CA = "Content Aggregation Meta-Data (MD-XML1", SCO = "SCO Meta-Data(MD-XML1",
                  CO = "Content Organization Meta-Data (MD-XML1", AC = "Activity Meta-Data (MD-XML1",
                  AS = "Asset Meta-Data(MD-XML1", min = ")", opt = " + Optional)";
    const struct {
        QString category;
        std::initializer_list<std::pair<const char *, const char *>> set; // "" also unticks a box, empties a list
        QString message;
        int tab;           // -1: the tab stays
        const char *focus; // "": the focus stays in titleText
    } rows[] = {
        {CA + min, {{"titleText", ""}}, "Please fill in a Title", 0, "titleText"},
        {CA + opt, {{"catalogEntryText", ""}}, "Please fill in a Catalog Entry", 0, "catalogEntryText"},
        {SCO + opt, {{"catalogText", ""}}, "Please fill in a Catalog Type", 0, "catalogText"},
        {CO + opt, {{"courseDescription", ""}}, "Please provide a description", 0, "courseDescription"},
        {AS + opt, {{"keywordsText", ""}}, "Please fill in at least one keyword", 0, "keywordsText"},
        {AC + opt, {{"versionText", ""}}, "Please fill in a version Number.", 1, "versionText"},
        {CA + opt, {{"lifecycleStatusCombo", ""}}, "Please select the Status of this Lifecycle", 1,
         "lifecycleStatusCombo"},
        {AS + min, {{"lstFiles", ""}}, "Please enter a Contributor Name and Role of this Lifecycle", 1, "lstFiles"},
        {SCO + opt, {{"htmlCheck", ""}, {"gifCheck", ""}, {"pdfCheck", ""}, {"otherContentTypeText", ""}},
         "Please select at least one Content Data Type", 3, "htmlCheck"},
        {CA + opt, {{"locationText", ""}}, "Please fill in the location of this SCO or Asset", 3, "locationText"},
        {AS + opt, {{"lstClassification", ""}}, "Resources must have a classification.", 8, "classificationCombo"},
        // One category of each writer (the ten texts are the writers' own table); assets ask for less.
        {CA + min, {{"titleText", " "}}, ran("createAggregation"), -1, ""},
        {AC + opt, {{"htmlCheck", ""}, {"gifCheck", ""}, {"pdfCheck", ""}}, ran("createSCO"), -1, ""},
        {AS + min, {{"catalogEntryText", ""}, {"catalogText", ""}, {"versionText", ""}, {"lifecycleStatusCombo", ""}},
         ran("createAsset"), -1, ""},
        {"Select Metadata Category", {}, "Select a Metadata Category", -1, ""},
    };
    setWriter2004FaultHook(probe);
    for (const auto &row : rows) {
        SCOPED_TRACE(row.message.toStdString() + " " + row.category.toStdString());
        win->showNormal();
        dialogs.clear();
        frmMain().dontValidate = true;
        win->writeCategoryText(row.category);
        win->cboSelectCategory_Click();
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
        press("cmbMakeXML");
        ASSERT_EQ(dialogs.messages(), QStringList({row.message}));
        const bool wrote = row.message.startsWith(QLatin1String("Error"));
        EXPECT_EQ(dialogs.calls()[0].title, wrote ? "Tagsmith" : "Missing Information");
        EXPECT_EQ(win->isValid && (win->childState() & Qt::WindowMinimized), wrote);
        EXPECT_EQ(currentTab(), row.tab < 0 ? 5 : row.tab);
        EXPECT_TRUE(wrote || win->focusWidget() == win->control(*row.focus ? row.focus : "titleText"));
    }
    setWriter2004FaultHook(nullptr);
}

// The age range follows either of its lists as the user picks.
TEST_F(Editor2004Test, AgeRangeFollowsEitherList)
{
    win->setCategoryText(QStringLiteral("Content Aggregation Meta-Data (MD-XML1 + Optional)"));
    win->SSTab1()->setCurrentIndex(4);
    for (const auto &[list, item, range] : {std::tuple{"cboMinAge", "10", "10 - "}, {"cboMaxAge", "20", "10 - 20"},
                                           {"cboMinAge", "30", "30 - 20"}, {"cboMaxAge", "no max", "30 - "}}) {
        pickItem(ctl<QComboBox>(list), ctl<QComboBox>(list)->findText(QLatin1String(item)));
        EXPECT_EQ(win->fieldText("txtTypicalAgeRange"), QLatin1String(range)) << list << item;
    }
}

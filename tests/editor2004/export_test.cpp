#include "support/testmain.h"

#include "../model2004/fixtures2004.h"
#include "editor2004fixture.h"

#include "editor2004/record2004binding.h"

using namespace ts;
using namespace ts::test;

// Export: the category picks the checks (relaxed for assets) and the writer; a miss shows its message, brings
// its tab and field to front and runs no writer; the window is minimised once a writer has returned.
TEST_F(Editor2004Test, ExportChecksTheRequiredFieldsThenRunsTheCategorysWriter)
{
    const QString CA = "Content Aggregation Meta-Data (MD-XML1", SCO = "SCO Meta-Data(MD-XML1",
                  CO = "Content Organization Meta-Data (MD-XML1", AC = "Activity Meta-Data (MD-XML1",
                  AS = "Asset Meta-Data(MD-XML1", min = ")", opt = " + Optional)";
    const struct {
        QString category;
        std::initializer_list<std::pair<const char *, const char *>> set;
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
    for (const auto &row : rows)
        exportRow(row.category, fullRecord2004(), row.set, row.message, row.tab, row.focus);
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

#include "support/testmain.h"

#include "editorfixture.h"
#include "model12/reader_support.h"

#include "editor12/record12binding.h"
#include "editorkit/requiredfields.h"
#include "model12/run12.h"

using namespace ts;
using namespace ts::test;

// Export: the category picks the checks (relaxed for assets) and the writer; a miss shows its message, brings
// its tab and field to front and runs no writer; the window is minimised once a writer has returned.
TEST_F(EditorTest, ExportChecksTheRequiredFieldsThenRunsTheCategorysWriter)
{
    const QString CA = "Content Aggregation Meta-Data (MD-XML1", SCO = "SCO Meta-Data(MD-XML1",
                  AS = "Asset Meta-Data(MD-XML1", min = ")", opt = " + Optional)";
    const char *const date = "txtLifecycleDate";
    const QString badDate = QStringLiteral("Not a valid date. Must be in format yyyy-mm-dd.");
    const struct {
        QString category;
        std::initializer_list<std::pair<const char *, const char *>> set;
        QString message;
        int tab;           // -1: the tab stays
        const char *focus; // "": the focus stays in titleText
    } rows[] = {
        {CA + min, {{"titleText", ""}}, "Please fill in a Title", 0, "titleText"},
        {SCO + min, {{"titleText", " "}}, ran("createSCO"), -1, ""},
        {SCO + min, {{"catalogEntryText", ""}}, "Please fill in a Catalog Entry", 0, "catalogEntryText"},
        {SCO + opt, {{"catalogText", ""}}, "Please fill in a Catalog Type", 0, "catalogText"},
        {CA + min, {{"courseDescription", ""}}, "Please provide a description", 0, "courseDescription"},
        {AS + min, {{"keywordsText", ""}}, "Please fill in at least one keyword", 0, "keywordsText"},
        {SCO + min, {{"versionText", ""}}, "Please fill in a version Number.", 1, "versionText"},
        {CA + min, {{"lifecycleStatusCombo", ""}}, "Please select the Status of this Lifecycle", 1,
         "lifecycleStatusCombo"},
        {AS + min, {{"lstFiles", ""}}, "Please enter a Contributor Name and Role of this Lifecycle", 1, ""},
        {AS + opt, {{date, ""}}, "Please enter a Date of this Lifecycle", 1, date},
        {CA + min, {{"htmlCheck", ""}}, "Please select at least one Content Data Type", 3, "htmlCheck"},
        {SCO + opt, {{"htmlCheck", ""}, {"otherContentTypeText", "image/png"}}, ran("createSCO"), -1, ""},
        {CA + min, {{"locationText", ""}}, "Please fill in the location of this SCO or Asset", 3, "locationText"},
        {AS + opt, {{"lstClassification", ""}}, "Resources must have a classification.", 8, "classificationCombo"},
        {AS + min, {{"catalogEntryText", ""}, {"catalogText", ""}, {"versionText", ""}, {"lifecycleStatusCombo", ""}},
         ran("createAsset"), -1, ""},
        {AS + opt, {{"catalogText", ""}, {"versionText", ""}}, ran("createAsset"), -1, ""},
        {CA + opt, {}, ran("createAggregation"), -1, ""},
        {"Select Metadata File", {}, "Select a Metadata Category", -1, ""},
        // A real date, written year-month-day, with nothing after it.
        {CA + min, {{date, "2004-02-29"}}, ran("createAggregation"), -1, ""},
        {AS + min, {{date, "2004-13-45"}}, badDate, 1, date},
        {CA + min, {{date, "2004-5-17"}}, badDate, 1, date},
        {CA + min, {{date, "2004-05-17-x"}}, badDate, 1, date},
    };
    Record12 full = writtenRecord();
    full.titleText = QStringLiteral("Cells & Tissues");
    full.lstClassification = {QStringLiteral("c1")};
    full.gifCheck = full.pdfCheck = full.realMediaCheck = false;
    full.otherContentTypeText.clear();
    setWriter12FaultHook(probe);
    for (const auto &row : rows)
        exportRow(row.category, full, row.set, row.message, row.tab, row.focus);
    setWriter12FaultHook(nullptr);
}

// A check that cannot finish (here: its field is not there) has not found the record complete.
TEST_F(EditorTest, CheckThatFailsInsideItselfCountsAsAMiss)
{
    const kit::RequiredCategory broken = {"checkGeneral", {{kit::Need::Filled, {"noSuchField"}, false, "", "", 0, ""}}};
    EXPECT_FALSE(kit::checkCategory(*win, broken, false));
    EXPECT_EQ(dialogs.messages(), QStringList({error91Text()}));
}

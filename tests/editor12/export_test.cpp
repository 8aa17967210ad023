#include "support/testmain.h"

#include "editorfixture.h"
#include "model12/reader_support.h"

#include "editor12/record12binding.h"
#include "editorkit/requiredfields.h"
#include "model12/run12.h"
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
const char *const AS = "Asset Meta-Data(MD-XML1)";
const char *const ASO = "Asset Meta-Data(MD-XML1 + Optional)";
const char *const kMissing = "Missing Information";
const char *const kBadDate = "Not a valid date. Must be in format yyyy-mm-dd.";

// A writer that runs says which it is: the probe fails it at once, and its report names it.
void probe() { throw AppError(5, QStringLiteral("probe")); }
QString ran(const char *writer) { return QStringLiteral("Error 5 (probe) in procedure %1 of Form frmOptions").arg(writer); }

struct Row {
    const char *category;
    std::initializer_list<std::pair<const char *, const char *>> set; // field, value ("" also unticks, empties)
    QString message;
    const char *title;
    int tab;           // -1: not looked at
    const char *focus; // "": the focus stays in titleText
};

} // namespace

// Export: the category picks the checks (relaxed for assets) and the writer; a miss shows its message, brings
// its tab and field to front and runs no writer; the window is minimised once a writer has returned.
TEST_F(EditorTest, ExportChecksTheRequiredFieldsThenRunsTheCategorysWriter)
{
    const Row rows[] = {
        {CA, {{"titleText", ""}}, "Please fill in a Title", kMissing, 0, "titleText"},
        {CAO, {{"titleText", " "}}, ran("createAggregation"), "Tagsmith", -1, ""},
        {SCO, {{"catalogEntryText", ""}}, "Please fill in a Catalog Entry", kMissing, 0, "catalogEntryText"},
        {SCOO, {{"catalogText", ""}}, "Please fill in a Catalog Type", kMissing, 0, "catalogText"},
        {CA, {{"courseDescription", ""}}, "Please provide a description", kMissing, 0, "courseDescription"},
        {AS, {{"keywordsText", ""}}, "Please fill in at least one keyword", kMissing, 0, "keywordsText"},
        {SCO, {{"versionText", ""}}, "Please fill in a version Number.", kMissing, 1, "versionText"},
        {CA, {{"lifecycleStatusCombo", ""}}, "Please select the Status of this Lifecycle", kMissing, 1,
         "lifecycleStatusCombo"},
        {AS, {{"lstFiles", ""}}, "Please enter a Contributor Name and Role of this Lifecycle", kMissing, 1, ""},
        {ASO, {{"txtLifecycleDate", ""}}, "Please enter a Date of this Lifecycle", kMissing, 1, "txtLifecycleDate"},
        {CA, {{"htmlCheck", ""}}, "Please select at least one Content Data Type", kMissing, 3, "htmlCheck"},
        {SCOO, {{"htmlCheck", ""}, {"otherContentTypeText", "image/png"}}, ran("createSCO"), "Tagsmith", -1, ""},
        {CA, {{"locationText", ""}}, "Please fill in the location of this SCO or Asset", kMissing, 3, "locationText"},
        {ASO, {{"lstClassification", ""}}, "Resources must have a classification.", kMissing, 8,
         "classificationCombo"},
        // Assets require no catalog, version or status.
        {AS, {{"catalogEntryText", ""}, {"catalogText", ""}, {"versionText", ""}, {"lifecycleStatusCombo", ""}},
         ran("createAsset"), "Tagsmith", -1, ""},
        {ASO, {{"catalogText", ""}, {"versionText", ""}}, ran("createAsset"), "Tagsmith", -1, ""},
        {SCO, {}, ran("createSCO"), "Tagsmith", -1, ""},
        {CAO, {}, ran("createAggregation"), "Tagsmith", -1, ""},
        {"Select Metadata File", {}, "Select a Metadata Category", kMissing, -1, ""},
        {"content aggregation meta-data (md-xml1)", {}, "Select a Metadata Category", kMissing, -1, ""},
        // The date is a real one, written year-month-day, and nothing follows it.
        {CA, {{"txtLifecycleDate", "2004-02-29"}}, ran("createAggregation"), "Tagsmith", -1, ""},
        {AS, {{"txtLifecycleDate", "2004-13-45"}}, kBadDate, "Invalid Information", 1, "txtLifecycleDate"},
        {CA, {{"txtLifecycleDate", "2005-02-29"}}, kBadDate, "Invalid Information", 1, "txtLifecycleDate"},
        {CA, {{"txtLifecycleDate", "abcd-ef-gh"}}, kBadDate, "Invalid Information", 1, "txtLifecycleDate"},
        {CA, {{"txtLifecycleDate", "2004-5-17"}}, kBadDate, "Invalid Information", 1, "txtLifecycleDate"},
        {CA, {{"txtLifecycleDate", "04-05-2004"}}, kBadDate, "Invalid Information", 1, "txtLifecycleDate"},
        {CA, {{"txtLifecycleDate", "20040517"}}, kBadDate, "Invalid Information", 1, "txtLifecycleDate"},
        {CA, {{"txtLifecycleDate", "2004-05-"}}, kBadDate, "Invalid Information", 1, "txtLifecycleDate"},
        {CA, {{"txtLifecycleDate", "2004-05-17-x"}}, kBadDate, "Invalid Information", 1, "txtLifecycleDate"},
        {CA, {{"txtLifecycleDate", "2004-05-17\n"}}, kBadDate, "Invalid Information", 1, "txtLifecycleDate"},
    };
    struct Probe {
        Probe() { setWriter12FaultHook(probe); }
        ~Probe() { setWriter12FaultHook(nullptr); }
    } probing;
    Record12 full = writtenRecord();
    full.titleText = QStringLiteral("Cells & Tissues");
    full.lstClassification = {QStringLiteral("c1")};
    full.gifCheck = full.pdfCheck = full.realMediaCheck = false;
    full.otherContentTypeText.clear();
    for (const Row &row : rows) {
        SCOPED_TRACE(std::string(row.category) + " " + row.message.toStdString());
        win->showNormal();
        QApplication::setActiveWindow(win);
        win->setCategoryText(QString::fromUtf8(row.category));
        frmMain().dontValidate = true;
        putRecord(*win, full);
        for (const auto &[field, value] : row.set) {
            if (auto *box = qobject_cast<QCheckBox *>(win->control(QString::fromUtf8(field))))
                box->setChecked(*value);
            else if (auto *list = qobject_cast<QListWidget *>(win->control(QString::fromUtf8(field))))
                list->clear();
            else
                win->setFieldText(QString::fromUtf8(field), QString::fromUtf8(value));
        }
        frmMain().dontValidate = false;
        win->SSTab1()->setCurrentIndex(5);
        ctl<QWidget>("titleText")->setFocus();
        dialogs.clear();
        win->cmbMakeXML_Click();
        processEvents();
        ASSERT_EQ(dialogs.calls().size(), 1) << dialogs.messages().join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(dialogs.calls()[0].text, row.message);
        EXPECT_EQ(dialogs.calls()[0].title, QString::fromUtf8(row.title));
        const bool wrote = row.message.startsWith(QLatin1String("Error"));
        EXPECT_EQ(win->isValid, wrote);
        EXPECT_EQ(bool(win->childState() & Qt::WindowMinimized), wrote);
        if (row.tab >= 0) {
            EXPECT_EQ(currentTab(), row.tab);
        }
        if (row.tab >= 0 || !wrote) {
            EXPECT_EQ(win->focusWidget(), win->control(QString::fromUtf8(*row.focus ? row.focus : "titleText")));
        }
    }
}

// A check that cannot finish (here: its field is not there) has not found the record complete.
TEST_F(EditorTest, CheckThatFailsInsideItselfCountsAsAMiss)
{
    const kit::RequiredCategory broken = {"checkGeneral",
                                          {{kit::Need::Filled, {"noSuchField"}, false, "unused", kMissing, 0, ""}}};
    EXPECT_FALSE(kit::checkCategory(*win, broken, false));
    EXPECT_EQ(dialogs.messages(), QStringList({error91Text()}));
}

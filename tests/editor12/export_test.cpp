#include "support/testmain.h"

#include "editorfixture.h"
#include "model12/reader_support.h"

#include "editor12/record12binding.h"
#include "editorkit/requiredfields.h"
#include "model12/run12.h"
#include "shared/apperror.h"

#include <QCheckBox>

using namespace ts;
using namespace ts::test;

namespace {
const char *const CA = "Content Aggregation Meta-Data (MD-XML1)";
const char *const CAO = "Content Aggregation Meta-Data (MD-XML1 + Optional)";
const char *const SCO = "SCO Meta-Data(MD-XML1)";
const char *const SCOO = "SCO Meta-Data(MD-XML1 + Optional)";
const char *const AS = "Asset Meta-Data(MD-XML1)";
const char *const ASO = "Asset Meta-Data(MD-XML1 + Optional)";
const QString kBadDate = QStringLiteral("Not a valid date. Must be in format yyyy-mm-dd.");
// A writer that runs says which it is: the probe fails it at once, and its report names it.
void probe() { throw AppError(5, QStringLiteral("probe")); }
QString ran(const char *writer) { return QStringLiteral("Error 5 (probe) in procedure %1 of Form frmOptions").arg(writer); }
} // namespace

// Export: the category picks the checks (relaxed for assets) and the writer; a miss shows its message, brings
// its tab and field to front and runs no writer; the window is minimised once a writer has returned.
TEST_F(EditorTest, ExportChecksTheRequiredFieldsThenRunsTheCategorysWriter)
{
    const char *const date = "txtLifecycleDate";
    const struct {
        const char *category;
        std::initializer_list<std::pair<const char *, const char *>> set; // "" also unticks a box, empties a list
        QString message;
        int tab;           // -1: the tab stays
        const char *focus; // "": the focus stays in titleText
    } rows[] = {
        {CA, {{"titleText", ""}}, "Please fill in a Title", 0, "titleText"},
        {SCO, {{"titleText", " "}}, ran("createSCO"), -1, ""},
        {SCO, {{"catalogEntryText", ""}}, "Please fill in a Catalog Entry", 0, "catalogEntryText"},
        {SCOO, {{"catalogText", ""}}, "Please fill in a Catalog Type", 0, "catalogText"},
        {CA, {{"courseDescription", ""}}, "Please provide a description", 0, "courseDescription"},
        {AS, {{"keywordsText", ""}}, "Please fill in at least one keyword", 0, "keywordsText"},
        {SCO, {{"versionText", ""}}, "Please fill in a version Number.", 1, "versionText"},
        {CA, {{"lifecycleStatusCombo", ""}}, "Please select the Status of this Lifecycle", 1, "lifecycleStatusCombo"},
        {AS, {{"lstFiles", ""}}, "Please enter a Contributor Name and Role of this Lifecycle", 1, ""},
        {ASO, {{date, ""}}, "Please enter a Date of this Lifecycle", 1, date},
        {CA, {{"htmlCheck", ""}}, "Please select at least one Content Data Type", 3, "htmlCheck"},
        {SCOO, {{"htmlCheck", ""}, {"otherContentTypeText", "image/png"}}, ran("createSCO"), -1, ""},
        {CA, {{"locationText", ""}}, "Please fill in the location of this SCO or Asset", 3, "locationText"},
        {ASO, {{"lstClassification", ""}}, "Resources must have a classification.", 8, "classificationCombo"},
        {AS, {{"catalogEntryText", ""}, {"catalogText", ""}, {"versionText", ""}, {"lifecycleStatusCombo", ""}},
         ran("createAsset"), -1, ""},
        {ASO, {{"catalogText", ""}, {"versionText", ""}}, ran("createAsset"), -1, ""},
        {CAO, {}, ran("createAggregation"), -1, ""},
        {"Select Metadata File", {}, "Select a Metadata Category", -1, ""},
        // A real date, written year-month-day, with nothing after it.
        {CA, {{date, "2004-02-29"}}, ran("createAggregation"), -1, ""},
        {AS, {{date, "2004-13-45"}}, kBadDate, 1, date},
        {CA, {{date, "2004-5-17"}}, kBadDate, 1, date},
        {CA, {{date, "2004-05-17-x"}}, kBadDate, 1, date},
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
    for (const auto &row : rows) {
        SCOPED_TRACE(row.message.toStdString());
        win->showNormal();
        QApplication::setActiveWindow(win);
        win->setCategoryText(QString::fromUtf8(row.category));
        frmMain().dontValidate = true;
        putRecord(*win, full);
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
        EXPECT_EQ(dialogs.calls()[0].title, wrote                     ? "Tagsmith"
                                            : row.message == kBadDate ? "Invalid Information"
                                                                      : "Missing Information");
        EXPECT_EQ(win->isValid, wrote);
        EXPECT_EQ(bool(win->childState() & Qt::WindowMinimized), wrote);
        EXPECT_EQ(currentTab(), row.tab < 0 ? 5 : row.tab);
        EXPECT_TRUE(wrote || win->focusWidget() == win->control(*row.focus ? row.focus : "titleText"));
    }
}

// A check that cannot finish (here: its field is not there) has not found the record complete.
TEST_F(EditorTest, CheckThatFailsInsideItselfCountsAsAMiss)
{
    const kit::RequiredCategory broken = {"checkGeneral", {{kit::Need::Filled, {"noSuchField"}, false, "", "", 0, ""}}};
    EXPECT_FALSE(kit::checkCategory(*win, broken, false));
    EXPECT_EQ(dialogs.messages(), QStringList({error91Text()}));
}

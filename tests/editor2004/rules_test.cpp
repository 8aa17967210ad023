#include "support/testmain.h"

#include "editor2004fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

using namespace ts;
using namespace ts::test;

namespace {

// The fields that refuse "<" and ">" when they are left, with their tabs.
const struct {
    const char *name;
    int tab;
} kFreeText[] = {
    {"titleText", 0},
    {"courseDescription", 0},
    {"keywordsText", 0},
    {"catalogEntryText", 0},
    {"txtCoverage", 0},
    {"versionText", 1},
    {"contentAuthorsText", 1},
    {"metadataAuthorsText", 2},
    {"locationText", 3},
    {"installationRemarks", 3},
    {"otherRequirements", 3},
    {"otherContentTypeText", 3},
    {"usageDescription", 4},
    {"usageConditionsText", 5},
    {"otherResourceText", 6},
    {"authorText", 7},
    {"annotationText", 7},
    {"classificationText", 8},
    {"classificationKeywordsText", 8},
};
const char *const kUnchecked[] = {"txtClassIdent", "txtTaxonSource", "txtTaxonId", "txtTaxonEntry"};

const char *const kGuarded[] = {"browserCombo",
                                "cboAggregationLevel",
                                "cboConRole",
                                "cboContext",
                                "cboCreatorRole",
                                "cboEduDifficulty",
                                "cboSemanticDensity",
                                "cboStructure",
                                "classificationCombo",
                                "endUserCombo",
                                "interactivityLevelCombo",
                                "interactivityTypeCombo",
                                "lifecycleStatusCombo",
                                "osCombo",
                                "relationshipCombo"};
const char *const kOpenLists[] = {"catalogText", "cboYrDuration", "cboSecDuration", "cboMinAge",
                                  "cboMaxAge",   "cboDay",        "cboSec"};

const QString kListOnly = QStringLiteral("Please select an item from the dropdown menu");

QString text(QWidget *box)
{
    if (auto *edit = qobject_cast<QLineEdit *>(box))
        return edit->text();
    return qobject_cast<QPlainTextEdit *>(box)->toPlainText();
}

QString selection(QWidget *box, int *start)
{
    if (auto *edit = qobject_cast<QLineEdit *>(box)) {
        *start = edit->selectionStart();
        return edit->selectedText();
    }
    const QTextCursor cursor = qobject_cast<QPlainTextEdit *>(box)->textCursor();
    *start = cursor.selectionStart();
    return cursor.selectedText();
}

} // namespace

class Rules2004 : public Editor2004Test {
protected:
    void SetUp() override
    {
        Editor2004Test::SetUp();
        pickCategory(QStringLiteral("Content Aggregation Meta-Data (MD-XML1 + Optional)"));
        dialogs.clear();
    }
};

TEST_F(Rules2004, LeavingAFreeTextFieldWithMarkupPointsAtTheCharacterOnItsTab)
{
    for (const auto &f : kFreeText) {
        SCOPED_TRACE(f.name);
        dialogs.clear();
        QWidget *box = reach<QWidget>(f.name);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, QStringLiteral("a<b>c"));
        win->SSTab1()->setCurrentIndex((f.tab + 4) % 9);
        processEvents();
        ASSERT_EQ(dialogs.calls().size(), 1);
        EXPECT_EQ(dialogs.calls()[0].text, QStringLiteral("Invalid character \"<\" at location 2"));
        EXPECT_EQ(dialogs.calls()[0].title, QStringLiteral("Invalid Character"));
        EXPECT_EQ(dialogs.calls()[0].icon, Icon::Exclamation);
        EXPECT_EQ(currentTab(), f.tab);
        EXPECT_EQ(QApplication::focusWidget(), box);
        int start = -1;
        EXPECT_EQ(selection(box, &start), QStringLiteral("<"));
        EXPECT_EQ(start, 1);
        EXPECT_EQ(text(box), QStringLiteral("a<b>c"));
        // Mended, it is left in peace.
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Delete);
        moveFocusTo(win->cboSelectCategory());
    }
    dialogs.clear();
    for (const char *name : kUnchecked) {
        QTest::keyClicks(reach<QWidget>(name), QStringLiteral("a<b>c"));
        moveFocusTo(win->cboSelectCategory());
    }
    EXPECT_TRUE(dialogs.calls().isEmpty());
}

// Typed text is refused in a pick-list unless the program fills the editor; the other lists take it.
TEST_F(Rules2004, PickListsRefuseTypingAndOpenListsTakeIt)
{
    for (const char *name : kGuarded) {
        QComboBox *combo = reach<QComboBox>(name);
        QTest::keyClick(combo, Qt::Key_X);
        EXPECT_EQ(dialogs.messages(), QStringList{kListOnly}) << name;
        EXPECT_EQ(dialogs.calls().constLast().title, QStringLiteral("Invalid Entry"));
        EXPECT_EQ(combo->currentText(), QString()) << name;
        dialogs.clear();
    }
    for (const char *name : kOpenLists) {
        QComboBox *combo = reach<QComboBox>(name);
        combo->lineEdit()->clear();
        QTest::keyClicks(combo, QStringLiteral("5x"));
        EXPECT_EQ(combo->currentText(), QStringLiteral("5x")) << name;
    }
    frmMain().dontValidate = true;
    win->setComboText(ctl<QComboBox>("osCombo"), QStringLiteral("linux"));
    frmMain().dontValidate = false;
    EXPECT_EQ(ctl<QComboBox>("osCombo")->currentText(), QStringLiteral("linux"));
    EXPECT_TRUE(dialogs.calls().isEmpty());
}

// The keys released in a pick-list: those that edit text empty it, the others keep the pick.
TEST_F(Rules2004, KeysThatEditTextEmptyAPickList)
{
    const struct {
        Qt::Key key;
        const char *after;
        bool message;
    } cases[] = {
        {Qt::Key_Down, "revised", false}, {Qt::Key_Up, "final", false},    {Qt::Key_Return, "final", false},
        {Qt::Key_Left, "final", false},   {Qt::Key_Shift, "final", false}, {Qt::Key_Home, "final", false},
        {Qt::Key_Delete, "", false},      {Qt::Key_Backspace, "", true},   {Qt::Key_S, "", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.key);
        QComboBox *status = reach<QComboBox>("lifecycleStatusCombo");
        if (c.key != Qt::Key_Up)
            pickItem(status, 1);
        dialogs.clear();
        status->setFocus();
        QTest::keyClick(status, c.key);
        EXPECT_EQ(status->currentText(), QString::fromUtf8(c.after));
        EXPECT_EQ(dialogs.messages(), c.message ? QStringList{kListOnly} : QStringList{});
    }
}

// In the category list a key that edits text is refused once and leaves the neutral text; moving through
// the list picks a category.
TEST_F(Rules2004, KeysInTheCategoryList)
{
    const QString asset = QStringLiteral("Asset Meta-Data(MD-XML1)");
    const struct {
        Qt::Key key;
        bool filling;
        const char *after;
        bool message;
        const char *category;
    } cases[] = {
        {Qt::Key_A, false, "Select Metadata Category", true, "Asset Meta-Data(MD-XML1)"},
        {Qt::Key_Delete, false, "Select Metadata Category", true, "Asset Meta-Data(MD-XML1)"},
        {Qt::Key_Backspace, false, "Select Metadata Category", true, "Asset Meta-Data(MD-XML1)"},
        {Qt::Key_A, true, "Select Metadata File", false, "Asset Meta-Data(MD-XML1)"},
        {Qt::Key_Return, false, "Asset Meta-Data(MD-XML1)", false, "Asset Meta-Data(MD-XML1)"},
        {Qt::Key_Down, false, "Asset Meta-Data(MD-XML1 + Optional)", false, "Asset Meta-Data(MD-XML1 + Optional)"},
        {Qt::Key_Up, false, "SCO Meta-Data(MD-XML1 + Optional)", false, "SCO Meta-Data(MD-XML1 + Optional)"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.key);
        pickCategory(asset);
        dialogs.clear();
        frmMain().dontValidate = c.filling;
        win->cboSelectCategory()->setFocus();
        QTest::keyClick(win->cboSelectCategory(), c.key);
        frmMain().dontValidate = false;
        EXPECT_EQ(win->cboSelectCategory()->currentText(), QString::fromUtf8(c.after));
        EXPECT_EQ(dialogs.messages(), c.message ? QStringList{kListOnly} : QStringList{});
        EXPECT_EQ(win->metadataCategory, QString::fromUtf8(c.category));
        EXPECT_EQ(ctl<QWidget>("txtSize")->isEnabled(), !win->optionalOnly);
    }
}

TEST_F(Rules2004, TheSizeIsAPlainNumberAtEveryChange)
{
    const QString invalid = QStringLiteral("Invalid character \"<\" at location 1");
    const QString number = QStringLiteral("Must be a number");
    const struct {
        const char *typed;
        const char *after;
        QStringList messages;
    } cases[] = {{"x", "", {number}}, {"1024", "1024", {}}, {"<", "", {invalid, number}}, {"2.5", "5", {number}}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.typed);
        auto *size = reach<QLineEdit>("txtSize");
        size->clear();
        dialogs.clear();
        win->SSTab1()->setCurrentIndex(0);
        QTest::keyClicks(size, QString::fromUtf8(c.typed));
        EXPECT_EQ(size->text(), QString::fromUtf8(c.after));
        EXPECT_EQ(dialogs.messages(), c.messages);
        if (!c.messages.isEmpty()) {
            EXPECT_EQ(dialogs.calls().constLast().title, QStringLiteral("Validation"));
        }
        EXPECT_EQ(currentTab(), c.messages.size() == 2 ? 3 : 0);
    }
}

TEST_F(Rules2004, BrowsePutsTheChosenFilesFolderIntoTheLocation)
{
    auto *location = reach<QLineEdit>("locationText");
    dialogs.answerText(QStringLiteral("/data/unit1/page.htm"));
    ctl<QPushButton>("cmdBrowse")->click();
    EXPECT_EQ(location->text(), QStringLiteral("/data/unit1/"));
    ASSERT_EQ(dialogs.calls().size(), 1);
    const DialogCall &call = dialogs.calls()[0];
    EXPECT_EQ(call.kind, DialogCall::Kind::SaveFile);
    EXPECT_EQ(call.file.title, QStringLiteral("Select File"));
    EXPECT_EQ(call.file.filter, QStringLiteral("All Files (*.*)|*.*"));
    EXPECT_TRUE(call.file.mustExist);
    // Cancelling leaves the location as it was.
    dialogs.answerText(std::nullopt);
    ctl<QPushButton>("cmdBrowse")->click();
    EXPECT_EQ(location->text(), QStringLiteral("/data/unit1/"));
    EXPECT_EQ(dialogs.calls().size(), 2);
}

TEST_F(Rules2004, ConvertToBytesOpensTheUnitConverter)
{
    win->SSTab1()->setCurrentIndex(3);
    processEvents();
    bool shown = false;
    onNextModal(
        [&shown](QWidget *dialog) {
            shown = true;
            dialog->close();
        },
        QStringLiteral("frmConvertUnits"));
    QTest::mouseClick(ctl<QLabel>("lblConvertToBytes"), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_TRUE(shown);
}

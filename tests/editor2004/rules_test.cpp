#include "support/testmain.h"

#include "editor2004fixture.h"

#include "shared/apperror.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace ts;
using namespace ts::test;

namespace {

const QString kListOnly = QStringLiteral("Please select an item from the dropdown menu");

// Where the selection of a text box starts, and what it holds.
std::pair<int, QString> selection(QWidget *box)
{
    if (auto *edit = qobject_cast<QLineEdit *>(box))
        return {edit->selectionStart(), edit->selectedText()};
    const QTextCursor cursor = static_cast<QPlainTextEdit *>(box)->textCursor();
    return {cursor.selectionStart(), cursor.selectedText()};
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

// Every text field the user sees: those the inventory gives a check refuse markup when left, pointing at it
// on their tab; the others take it.
TEST_F(Rules2004, LeavingATextFieldWithMarkup)
{
    int checked = 0;
    for (const InventoryRow &row : inventory()) {
        const bool textBox =
            row.kind() == QLatin1String("QLineEdit") || row.kind() == QLatin1String("ts::MultiLineText");
        if (!textBox || row.hidden() || row.rule() == QLatin1String("size"))
            continue;
        SCOPED_TRACE(row.name().toStdString());
        dialogs.clear();
        QWidget *box = reach<QWidget>(row.name());
        win->setFieldText(row.name(), QString());
        QTest::keyClicks(box, QStringLiteral("a<b>c"));
        win->SSTab1()->setCurrentIndex((row.tab() + 4) % 9);
        processEvents();
        if (row.rule().isEmpty()) {
            EXPECT_TRUE(dialogs.calls().isEmpty());
            continue;
        }
        ++checked;
        ASSERT_EQ(dialogs.messages(), QStringList{QStringLiteral("Invalid character \"<\" at location 2")});
        EXPECT_EQ(dialogs.calls()[0].title, QStringLiteral("Invalid Character"));
        EXPECT_EQ(dialogs.calls()[0].icon, Icon::Exclamation);
        EXPECT_EQ(row.rule(), QStringLiteral("check %1").arg(currentTab()));
        EXPECT_EQ(QApplication::focusWidget(), box);
        EXPECT_EQ(selection(box), std::make_pair(1, QStringLiteral("<")));
        EXPECT_EQ(win->fieldText(row.name()), QStringLiteral("a<b>c"));
        // Mended, it is left in peace.
        win->setFieldText(row.name(), QString());
        win->cboSelectCategory()->setFocus();
        processEvents();
    }
    EXPECT_EQ(checked, 19);
}

// Typed text is refused at every key in a pick-list; the other lists take it.
TEST_F(Rules2004, PickListsRefuseTypingAndOpenListsTakeIt)
{
    int guarded = 0;
    for (const InventoryRow &row : inventory()) {
        const bool guard = row.rule() == QLatin1String("guard");
        if (!guard && row.rule() != QLatin1String("open"))
            continue;
        SCOPED_TRACE(row.name().toStdString());
        dialogs.clear();
        auto *combo = reach<QComboBox>(row.name());
        combo->lineEdit()->clear();
        QTest::keyClicks(combo, QStringLiteral("5x"));
        guarded += guard;
        EXPECT_EQ(combo->currentText(), guard ? QString() : QStringLiteral("5x"));
        EXPECT_EQ(dialogs.messages(), guard ? QStringList(2, kListOnly) : QStringList());
    }
    EXPECT_EQ(guarded, 15);
    EXPECT_EQ(dialogs.calls().constLast().title, QStringLiteral("Invalid Entry"));
}

// Keys released in a pick-list (the shared key rule, shown whole for the SCORM 1.2 editor) and in the
// category list: those that edit text empty the list, the category list being refused once and left on its
// neutral text; the others keep or move the pick.
TEST_F(Rules2004, KeysInPickLists)
{
    const char *status = "lifecycleStatusCombo", *category = "cboSelectCategory";
    const struct {
        const char *list;
        Qt::Key key;
        bool filling;
        const char *after;
        bool refused;
    } cases[] = {
        {status, Qt::Key_Delete, false, "", false},
        {status, Qt::Key_Backspace, false, "", true},
        {category, Qt::Key_A, false, "Select Metadata Category", true},
        {category, Qt::Key_Delete, false, "Select Metadata Category", true},
        {category, Qt::Key_A, true, "Select Metadata File", false},
        {category, Qt::Key_Return, false, "Asset Meta-Data(MD-XML1)", false},
        {category, Qt::Key_Down, false, "Asset Meta-Data(MD-XML1 + Optional)", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.list) + " " + std::to_string(c.key));
        auto *list = reach<QComboBox>(QString::fromUtf8(c.list));
        pickItem(list, list == win->cboSelectCategory() ? 8 : 1);
        dialogs.clear();
        frmMain().dontValidate = c.filling;
        list->setFocus();
        QTest::keyClick(list, c.key);
        frmMain().dontValidate = false;
        EXPECT_EQ(list->currentText(), QString::fromUtf8(c.after));
        EXPECT_EQ(dialogs.messages(), c.refused ? QStringList{kListOnly} : QStringList());
    }
    // Moving through the category list applied what it came to.
    EXPECT_EQ(win->metadataCategory, QStringLiteral("Asset Meta-Data(MD-XML1 + Optional)"));
    EXPECT_FALSE(win->optionalOnly);
}

// The size takes what the writers write, a plain whole number, checked at every change after the markup.
TEST_F(Rules2004, TheSizeIsAPlainNumber)
{
    const QString number = QStringLiteral("Must be a number");
    const struct {
        const char *typed, *after;
        QStringList messages;
    } cases[] = {{"1024", "1024", {}},
                 {"x", "", {number}},
                 {"2.5", "5", {number}},
                 {"<", "", {QStringLiteral("Invalid character \"<\" at location 1"), number}}};
    for (const auto &c : cases) {
        auto *size = reach<QLineEdit>(QStringLiteral("txtSize"));
        size->clear();
        dialogs.clear();
        QTest::keyClicks(size, QString::fromUtf8(c.typed));
        EXPECT_EQ(size->text(), QString::fromUtf8(c.after)) << c.typed;
        EXPECT_EQ(dialogs.messages(), c.messages) << c.typed;
    }
    EXPECT_EQ(dialogs.calls().constLast().title, QStringLiteral("Validation"));
}

TEST_F(Rules2004, BrowsePutsTheFolderOfTheChosenFileIntoTheLocation)
{
    auto *location = reach<QLineEdit>(QStringLiteral("locationText"));
    dialogs.answerText(QStringLiteral("/data/unit1/page.htm"));
    dialogs.answerText(std::nullopt);
    ctl<QPushButton>("cmdBrowse")->click();
    EXPECT_EQ(location->text(), QStringLiteral("/data/unit1/"));
    ctl<QPushButton>("cmdBrowse")->click(); // cancelled
    EXPECT_EQ(location->text(), QStringLiteral("/data/unit1/"));
    ASSERT_EQ(dialogs.calls().size(), 2);
    const DialogCall &call = dialogs.calls()[0];
    EXPECT_EQ(call.kind, DialogCall::Kind::SaveFile);
    EXPECT_EQ(call.file.title, QStringLiteral("Select File"));
    EXPECT_EQ(call.file.filter, QStringLiteral("All Files (*.*)|*.*"));
    EXPECT_TRUE(call.file.mustExist);
    // The link beside the size opens the unit converter.
    win->SSTab1()->setCurrentIndex(3);
    processEvents();
    bool shown = false;
    onNextModal([&shown](QWidget *dialog) { shown = true, dialog->close(); }, QStringLiteral("frmConvertUnits"));
    QTest::mouseClick(ctl<QLabel>("lblConvertToBytes"), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_TRUE(shown);
}

TEST(ErrorText2004, NamesTheWindowAndTheProcedureInItsOwnForm)
{
    EXPECT_EQ(errorText2004(AppError(9, QStringLiteral("Subscript out of range")), QStringLiteral("parseDuration()")),
              QStringLiteral("Error 9 (Subscript out of range ) frmOptions2004in parseDuration()"));
}

// The file-name character test: a plain name passes, a name holding any of the nine characters does not.
TEST(CheckInputString2004, RefusesTheCharactersFileNamesMayNotHold)
{
    EXPECT_TRUE(FrmOptions2004::checkInputString(QStringLiteral("Unit 1 - cells.v2")));
    for (const QChar c : QStringLiteral("\\/:*?\"<>|"))
        EXPECT_FALSE(FrmOptions2004::checkInputString(QStringLiteral("a") + c + QStringLiteral("b"))) << c.toLatin1();
}

#include "support/testmain.h"

#include "editorfixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTabBar>

using namespace ts;
using namespace ts::test;

namespace {

struct Box {
    const char *name;
    int tab;
};

// Every field that refuses "<" and ">" when it is left, with its tab.
const Box kFreeText[] = {
    {"titleText", 0},           {"keywordsText", 0},          {"catalogText", 0},
    {"catalogEntryText", 0},    {"txtCoverage", 0},           {"courseDescription", 0},
    {"versionText", 1},         {"contentAuthorsText", 1},    {"metadataAuthorsText", 2},
    {"metadataOrganizations", 2}, {"otherContentTypeText", 3}, {"locationText", 3},
    {"installationRemarks", 3}, {"otherRequirements", 3},     {"usageDescription", 4},
    {"txtTypicalAgeRange", 4},  {"usageConditionsText", 5},   {"otherResourceText", 6},
    {"authorText", 7},          {"annotationText", 7},        {"classificationText", 8},
    {"classificationKeywordsText", 8},
};

// Fields the rule leaves alone.
const Box kUnchecked[] = {{"txtLifecycleDate", 1}, {"txtClassIdent", 8}, {"txtTaxonSource", 8},
                          {"txtTaxonId", 8},       {"txtTaxonEntry", 8}};

const char *const kKeyRuleCombos[] = {"cboStructure",           "cboAggregationLevel",     "lifecycleStatusCombo",
                                      "cboCreatorRole",         "browserCombo",            "osCombo",
                                      "interactivityTypeCombo", "interactivityLevelCombo", "cboEduDifficulty",
                                      "endUserCombo",           "cboContext",              "cboSemanticDensity",
                                      "cboHour",                "cboMin",                  "cboSec",
                                      "relationshipCombo",      "classificationCombo"};
const char *const kDurationCombos[] = {"cboHourDuration", "cboMinDuration", "cboSecDuration"};

QString invalid(QChar c, int at)
{
    return QStringLiteral("Invalid character \"%1\" at location %2").arg(c).arg(at);
}

QString text(QWidget *box)
{
    if (auto *edit = qobject_cast<QLineEdit *>(box))
        return edit->text();
    return qobject_cast<QPlainTextEdit *>(box)->toPlainText();
}

void clearBox(QWidget *box)
{
    if (auto *edit = qobject_cast<QLineEdit *>(box))
        edit->clear();
    else
        qobject_cast<QPlainTextEdit *>(box)->clear();
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

class Rules : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        win->setCategoryText(QStringLiteral("Content Aggregation Meta-Data (MD-XML1 + Optional)"));
    }
    // Goes to the field's tab, types into it and leaves it for the category list, as a user does.
    void typeAndLeave(const char *name, int tab, const QString &typed)
    {
        win->SSTab1()->setCurrentIndex(tab);
        processEvents();
        QWidget *box = ctl<QWidget>(name);
        box->setFocus(Qt::MouseFocusReason);
        clearBox(box);
        QTest::keyClicks(box, typed);
        moveFocusTo(win->cboSelectCategory());
    }
    void expectMessage(int index, const QString &message, const QString &title, Icon icon = Icon::Exclamation)
    {
        ASSERT_GT(dialogs.calls().size(), index);
        const DialogCall &call = dialogs.calls().at(index);
        EXPECT_EQ(call.text, message);
        EXPECT_EQ(call.title, title);
        EXPECT_EQ(call.icon, icon);
        EXPECT_EQ(call.buttons, Buttons::Ok);
    }
    QComboBox *pickable(const char *name)
    {
        auto *combo = ctl<QComboBox>(name);
        for (int tab = 0; tab < 9; ++tab)
            if (win->SSTab1()->widget(tab)->isAncestorOf(combo))
                win->SSTab1()->setCurrentIndex(tab);
        processEvents();
        combo->setFocus(Qt::MouseFocusReason);
        return combo;
    }
};

TEST_F(Rules, LeavingAFreeTextFieldWithMarkupReportsTheFirstOffendingCharacter)
{
    for (const Box &b : kFreeText) {
        SCOPED_TRACE(b.name);
        dialogs.clear();
        // Start from another tab, so that bringing the field's tab to front shows.
        typeAndLeave(b.name, b.tab, QStringLiteral("a<b>c"));
        ASSERT_EQ(dialogs.calls().size(), 1);
        expectMessage(0, invalid(QLatin1Char('<'), 2), QStringLiteral("Invalid Character"));
        QWidget *box = ctl<QWidget>(b.name);
        EXPECT_EQ(QApplication::focusWidget(), box);
        EXPECT_EQ(currentTab(), b.tab);
        int start = -1;
        EXPECT_EQ(selection(box, &start), QStringLiteral("<"));
        EXPECT_EQ(start, 1);
        EXPECT_EQ(text(box), QStringLiteral("a<b>c")); // the text stays for the user to mend
        // Leaving it again repeats the check, from another tab too.
        dialogs.clear();
        win->SSTab1()->setCurrentIndex((b.tab + 4) % 9);
        processEvents();
        EXPECT_EQ(dialogs.calls().size(), 1);
        EXPECT_EQ(currentTab(), b.tab);
        EXPECT_EQ(QApplication::focusWidget(), box);
        // Mended, it is left in peace.
        clearBox(box);
        moveFocusTo(win->cboSelectCategory());
        EXPECT_EQ(dialogs.calls().size(), 1);
    }
}

TEST_F(Rules, LessThanGoesBeforeGreaterThanWhateverTheirOrder)
{
    const struct {
        const char *typed;
        QChar character;
        int at;
    } cases[] = {{"ab>c", QLatin1Char('>'), 3}, {"a>b<c", QLatin1Char('<'), 4}, {"<", QLatin1Char('<'), 1},
                 {">>>", QLatin1Char('>'), 1},  {"x y z>", QLatin1Char('>'), 6}};
    for (const char *name : {"titleText", "annotationText"}) {
        const int tab = QByteArray(name) == "titleText" ? 0 : 7;
        for (const auto &c : cases) {
            SCOPED_TRACE(std::string(name) + " " + c.typed);
            dialogs.clear();
            QWidget *box = ctl<QWidget>(name);
            typeAndLeave(name, tab, QString::fromUtf8(c.typed));
            ASSERT_EQ(dialogs.calls().size(), 1);
            expectMessage(0, invalid(c.character, c.at), QStringLiteral("Invalid Character"));
            int start = -1;
            EXPECT_EQ(selection(box, &start), QString(c.character));
            EXPECT_EQ(start, c.at - 1);
        }
        clearBox(ctl<QWidget>(name));
        moveFocusTo(win->cboSelectCategory());
    }
}

TEST_F(Rules, CleanTextAndUncheckedFieldsPassWithoutAWord)
{
    typeAndLeave("titleText", 0, QStringLiteral("Plain & simple \"text\""));
    typeAndLeave("courseDescription", 0, QStringLiteral("Two"));
    auto *description = ctl<QPlainTextEdit>("courseDescription");
    description->setFocus();
    QTest::keyClick(description, Qt::Key_Return);
    QTest::keyClicks(description, QStringLiteral("lines"));
    moveFocusTo(win->cboSelectCategory());
    EXPECT_EQ(description->toPlainText(), QStringLiteral("Two\nlines"));
    for (const Box &b : kUnchecked)
        typeAndLeave(b.name, b.tab, QStringLiteral("a<b>c"));
    EXPECT_TRUE(dialogs.calls().isEmpty());
    EXPECT_EQ(ctl<QLineEdit>("txtTaxonId")->text(), QStringLiteral("a<b>c"));
}

TEST_F(Rules, LeavingAFieldByClickingAnotherTabBringsItsTabBack)
{
    win->SSTab1()->setCurrentIndex(7);
    processEvents();
    auto *author = ctl<QLineEdit>("authorText");
    author->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(author, QStringLiteral("x<y"));
    QTabBar *bar = win->SSTab1()->findChild<QTabBar *>();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
    processEvents();
    ASSERT_EQ(dialogs.calls().size(), 1);
    expectMessage(0, invalid(QLatin1Char('<'), 2), QStringLiteral("Invalid Character"));
    EXPECT_EQ(currentTab(), 7);
    EXPECT_EQ(QApplication::focusWidget(), author);
}

TEST_F(Rules, TheHiddenDurationTextIsReportedWithoutMovingAnything)
{
    auto *duration = ctl<QLineEdit>("txtDuration");
    duration->setText(QStringLiteral("01>02"));
    win->SSTab1()->setCurrentIndex(2);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(duration, &out);
    processEvents();
    ASSERT_EQ(dialogs.calls().size(), 1);
    expectMessage(0, invalid(QLatin1Char('>'), 3), QStringLiteral("Invalid Character"));
    EXPECT_EQ(currentTab(), 2);
    EXPECT_NE(QApplication::focusWidget(), duration);
}

TEST_F(Rules, ABoxThatCannotTakeTheFocusIsReportedOnly)
{
    win->disableAllInterface();
    win->SSTab1()->setCurrentIndex(3);
    auto *title = ctl<QLineEdit>("titleText");
    win->checkStringVal(QStringLiteral("a<b"), title, 0);
    ASSERT_EQ(dialogs.calls().size(), 1);
    expectMessage(0, invalid(QLatin1Char('<'), 2), QStringLiteral("Invalid Character"));
    EXPECT_EQ(currentTab(), 3);
    EXPECT_NE(QApplication::focusWidget(), title);
    // And with no box at all.
    win->checkStringVal(QStringLiteral(">"), nullptr, 5);
    EXPECT_EQ(dialogs.calls().size(), 2);
    EXPECT_EQ(currentTab(), 3);
}

TEST_F(Rules, TheContributorNameTakesNoComma)
{
    typeAndLeave("contentAuthorsText", 1, QStringLiteral("Smith, John<"));
    ASSERT_EQ(dialogs.calls().size(), 1);
    expectMessage(0, QStringLiteral("No Commas Allowed in this field."), appTitle(), Icon::None);
    EXPECT_EQ(ctl<QLineEdit>("contentAuthorsText")->text(), QString());

    dialogs.clear();
    typeAndLeave("contentAuthorsText", 1, QStringLiteral("John Smith>"));
    ASSERT_EQ(dialogs.calls().size(), 1);
    expectMessage(0, invalid(QLatin1Char('>'), 11), QStringLiteral("Invalid Character"));
    EXPECT_EQ(ctl<QLineEdit>("contentAuthorsText")->text(), QStringLiteral("John Smith>"));
}

TEST_F(Rules, TypingIntoADropDownFieldIsRefused)
{
    for (const char *name : kKeyRuleCombos) {
        SCOPED_TRACE(name);
        dialogs.clear();
        QComboBox *combo = pickable(name);
        QTest::keyClick(combo, Qt::Key_X);
        ASSERT_EQ(dialogs.calls().size(), 1);
        expectMessage(0, QStringLiteral("Please select an item from the dropdown menu"),
                      QStringLiteral("Invalid Entry"));
        EXPECT_EQ(combo->currentText(), QString());
    }
    for (const char *name : kDurationCombos) {
        SCOPED_TRACE(name);
        dialogs.clear();
        QComboBox *combo = pickable(name);
        QTest::keyClick(combo, Qt::Key_7);
        ASSERT_EQ(dialogs.calls().size(), 1);
        EXPECT_EQ(combo->currentText(), QString());
    }
    EXPECT_EQ(ctl<QLineEdit>("txtDuration")->text(), QString());
}

TEST_F(Rules, WhileTheProgramFillsTheEditorTypedTextIsNotRefusedButKeysStillWipe)
{
    frmMain().dontValidate = true;
    for (const char *name : kKeyRuleCombos) {
        QComboBox *combo = pickable(name);
        QTest::keyClick(combo, Qt::Key_X);
        EXPECT_EQ(combo->currentText(), QString()) << name;
    }
    // The duration lists have no key rule: what is typed stays.
    QComboBox *hours = pickable("cboHourDuration");
    QTest::keyClicks(hours, QStringLiteral("7"));
    EXPECT_EQ(hours->currentText(), QStringLiteral("7"));
    EXPECT_TRUE(dialogs.calls().isEmpty());
    frmMain().dontValidate = false;
}

TEST_F(Rules, APickedValueStaysUntilAKeyEditsTheText)
{
    QComboBox *os = pickable("osCombo");
    pick(os, 1);
    EXPECT_EQ(os->currentText(), QStringLiteral("MS-Windows"));
    for (Qt::Key key : {Qt::Key_Home, Qt::Key_End, Qt::Key_Escape, Qt::Key_Left, Qt::Key_Right, Qt::Key_Shift,
                        Qt::Key_Control, Qt::Key_Alt, Qt::Key_F1, Qt::Key_Return}) {
        os->setFocus();
        QTest::keyClick(os, key);
        EXPECT_EQ(os->currentText(), QStringLiteral("MS-Windows")) << key;
    }
    // Moving through the list is picking.
    QTest::keyClick(os, Qt::Key_Down);
    EXPECT_EQ(os->currentText(), QStringLiteral("MacOS"));
    QTest::keyClick(os, Qt::Key_Up);
    EXPECT_EQ(os->currentText(), QStringLiteral("MS-Windows"));
    QTest::keyClick(os, Qt::Key_Tab);
    EXPECT_EQ(os->currentText(), QStringLiteral("MS-Windows"));
    EXPECT_TRUE(dialogs.calls().isEmpty());

    // Delete wipes it silently; Backspace edits the text, which is refused as typing.
    os->setFocus();
    QTest::keyClick(os, Qt::Key_Delete);
    EXPECT_EQ(os->currentText(), QString());
    EXPECT_TRUE(dialogs.calls().isEmpty());
    pick(os, 2);
    os->setFocus();
    QTest::keyClick(os, Qt::Key_Backspace);
    EXPECT_EQ(os->currentText(), QString());
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Please select an item from the dropdown menu")});
}

TEST_F(Rules, TheContributorRoleTakesTypedText)
{
    QComboBox *role = pickable("cboConRole");
    role->lineEdit()->selectAll();
    QTest::keyClicks(role, QStringLiteral("Narrator"));
    EXPECT_EQ(role->currentText(), QStringLiteral("Narrator"));
    EXPECT_TRUE(dialogs.calls().isEmpty());
}

TEST_F(Rules, TheProgramSettingADropDownIsRefusedUnlessFilling)
{
    auto *os = ctl<QComboBox>("osCombo");
    win->setComboText(os, QStringLiteral("Linux"));
    EXPECT_EQ(os->currentText(), QString());
    win->setComboText(os, QStringLiteral("MS-Windows"));
    EXPECT_EQ(os->currentText(), QString());
    EXPECT_EQ(dialogs.messages().size(), 2);
    win->setComboText(os, QString());
    EXPECT_EQ(dialogs.messages().size(), 2);

    frmMain().dontValidate = true;
    win->setComboText(os, QStringLiteral("Linux"));
    frmMain().dontValidate = false;
    EXPECT_EQ(os->currentText(), QStringLiteral("Linux"));
    // Setting the same text again is no change.
    win->setComboText(os, QStringLiteral("Linux"));
    EXPECT_EQ(os->currentText(), QStringLiteral("Linux"));
    EXPECT_EQ(dialogs.messages().size(), 2);
}

TEST_F(Rules, AnyKeyInTheCategoryListResetsItsText)
{
    QComboBox *list = win->cboSelectCategory();
    list->setFocus();
    for (Qt::Key key : {Qt::Key_S, Qt::Key_Space, Qt::Key_Backspace, Qt::Key_Delete}) {
        win->setCategoryText(QStringLiteral("Asset Meta-Data(MD-XML1)"));
        list->setFocus();
        QTest::keyClick(list, key);
        EXPECT_EQ(list->currentText(), QStringLiteral("Select Metadata File")) << key;
        EXPECT_EQ(win->metadataCategory, QStringLiteral("Asset Meta-Data(MD-XML1)"));
        EXPECT_TRUE(win->optionalOnly);
        EXPECT_FALSE(ctl<QWidget>("catalogText")->isEnabled());
    }
    frmMain().dontValidate = true;
    QTest::keyClicks(list, QStringLiteral("Asset"));
    EXPECT_EQ(list->currentText(), QStringLiteral("Select Metadata File"));
    frmMain().dontValidate = false;
    EXPECT_TRUE(dialogs.calls().isEmpty());
}

TEST_F(Rules, TheSizeMustBeANumberAtEveryKeystroke)
{
    auto *size = ctl<QLineEdit>("txtSize");
    win->SSTab1()->setCurrentIndex(3);
    processEvents();
    size->setFocus();
    QTest::keyClicks(size, QStringLiteral("15"));
    EXPECT_EQ(size->text(), QStringLiteral("15"));
    EXPECT_TRUE(dialogs.calls().isEmpty());
    // A decimal point is no part of a number of bytes: the field is emptied at once.
    QTest::keyClicks(size, QStringLiteral(".25"));
    EXPECT_EQ(size->text(), QStringLiteral("25"));
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Must be a number")});

    dialogs.clear();
    size->clear();
    QTest::keyClicks(size, QStringLiteral("1a"));
    EXPECT_EQ(size->text(), QString());
    ASSERT_EQ(dialogs.calls().size(), 1);
    expectMessage(0, QStringLiteral("Must be a number"), QStringLiteral("Validation"));

    // The markup check comes first, from another tab brings TECHNICAL back.
    dialogs.clear();
    win->SSTab1()->setCurrentIndex(0);
    size->setText(QStringLiteral("<"));
    ASSERT_EQ(dialogs.calls().size(), 2);
    expectMessage(0, invalid(QLatin1Char('<'), 1), QStringLiteral("Invalid Character"));
    expectMessage(1, QStringLiteral("Must be a number"), QStringLiteral("Validation"));
    EXPECT_EQ(currentTab(), 3);
    EXPECT_EQ(size->text(), QString());

    // The field takes what the writers write: a plain whole number of bytes.
    for (const char *bad : {"-", "kb", "1,2,3", "1..2", "12 kb", "0x10", "-3", "+4", "2.5", ".5", "1e3", "7E+2",
                            " 12 "}) {
        dialogs.clear();
        size->setText(QString::fromUtf8(bad));
        EXPECT_EQ(size->text(), QString()) << bad;
        EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Must be a number")}) << bad;
    }
    for (const char *good : {"0", "12", "2048", "3221225472"}) {
        dialogs.clear();
        size->setText(QString::fromUtf8(good));
        EXPECT_EQ(size->text(), QString::fromUtf8(good));
        EXPECT_TRUE(dialogs.calls().isEmpty()) << good;
    }
}

TEST_F(Rules, PickingAPartOfTheDurationJoinsTheThree)
{
    auto *duration = ctl<QLineEdit>("txtDuration");
    pick(pickable("cboHourDuration"), 1);
    EXPECT_EQ(duration->text(), QStringLiteral("01::"));
    pick(pickable("cboSecDuration"), 15);
    EXPECT_EQ(duration->text(), QStringLiteral("01::15"));
    pick(pickable("cboMinDuration"), 30);
    EXPECT_EQ(duration->text(), QStringLiteral("01:30:15"));

    // Another order, with the keyboard.
    win->clearAll();
    QComboBox *seconds = pickable("cboSecDuration");
    for (int i = 0; i < 16; ++i)
        QTest::keyClick(seconds, Qt::Key_Down);
    EXPECT_EQ(duration->text(), QStringLiteral("::15"));
    pick(pickable("cboMinDuration"), 30);
    pick(pickable("cboHourDuration"), 1);
    EXPECT_EQ(duration->text(), QStringLiteral("01:30:15"));

    // No key rule here: keys that move leave the picked value, and so does Delete.
    QComboBox *hours = pickable("cboHourDuration");
    for (Qt::Key key : {Qt::Key_Home, Qt::Key_End, Qt::Key_Escape, Qt::Key_Delete}) {
        hours->setFocus();
        QTest::keyClick(hours, key);
        EXPECT_EQ(hours->currentText(), QStringLiteral("01")) << key;
    }
    // The typical learning time is not joined.
    pick(pickable("cboHour"), 2);
    EXPECT_EQ(duration->text(), QStringLiteral("01:30:15"));
    EXPECT_TRUE(dialogs.calls().isEmpty());
}

TEST_F(Rules, LearningResourceTypesTakeAnyNumberOfTicks)
{
    win->SSTab1()->setCurrentIndex(4);
    processEvents();
    const QList<QCheckBox *> boxes = ctl<QWidget>("fraLearningTypes")->findChildren<QCheckBox *>();
    ASSERT_EQ(boxes.size(), 14);
    for (QCheckBox *box : boxes)
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
    for (QCheckBox *box : boxes)
        EXPECT_TRUE(box->isChecked()) << box->objectName().toStdString();
    for (QCheckBox *box : boxes)
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
    for (QCheckBox *box : boxes)
        EXPECT_FALSE(box->isChecked()) << box->objectName().toStdString();
    EXPECT_TRUE(dialogs.calls().isEmpty());
}

TEST_F(Rules, ConvertToBytesOpensTheUnitConverter)
{
    win->SSTab1()->setCurrentIndex(3);
    processEvents();
    bool shown = false;
    onNextModal(
        [&shown](QWidget *dialog) {
            shown = true;
            EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Convert Units"));
            dialog->close();
        },
        QStringLiteral("frmConvertUnits"));
    QTest::mouseClick(ctl<QLabel>("lblConvertToBytes"), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_TRUE(shown);
    EXPECT_EQ(ctl<QLineEdit>("txtSize")->text(), QString());
    EXPECT_TRUE(dialogs.calls().isEmpty());
}

TEST_F(Rules, TheRulesHoldInsideTheMainWindow)
{
    frmMain().show();
    win->showChild();
    QApplication::setActiveWindow(&frmMain());
    processEvents();
    ASSERT_NE(win->subWindow(), nullptr);
    EXPECT_EQ(win->subWindow()->windowTitle(), QStringLiteral("SCORM 1.2 Metadata"));
    win->SSTab1()->setCurrentIndex(0);
    auto *title = ctl<QLineEdit>("titleText");
    title->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(title, QStringLiteral("a<b"));
    moveFocusTo(ctl<QLineEdit>("keywordsText"));
    ASSERT_EQ(dialogs.calls().size(), 1);
    expectMessage(0, invalid(QLatin1Char('<'), 2), QStringLiteral("Invalid Character"));
    EXPECT_EQ(QApplication::focusWidget(), title);
}

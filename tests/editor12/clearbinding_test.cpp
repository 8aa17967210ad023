#include "support/testmain.h"

#include "editorfixture.h"

#include "editor12/record12binding.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>

using namespace ts;
using namespace ts::test;

namespace {

// A record with every member set, drop-down values in and out of their lists.
Record12 fullRecord()
{
    Record12 r;
    r.titleText = QStringLiteral("Safe handling of pesticides");
    r.keywordsText = QStringLiteral("safety, pesticides");
    r.catalogText = QStringLiteral("ISBN");
    r.catalogEntryText = QStringLiteral("0-666-32132-X");
    r.txtCoverage = QStringLiteral("six weeks");
    r.cboStructure = QStringLiteral("Linear");
    r.cboAggregationLevel = QStringLiteral("3");
    r.courseDescription = QStringLiteral("A lesson unit.\nSecond line.");
    r.versionText = QStringLiteral("2.1");
    r.lifecycleStatusCombo = QStringLiteral("Revised");
    r.txtLifecycleDate = QStringLiteral("2004-05-17");
    r.contentAuthorsText = QStringLiteral("Half typed name");
    r.cboConRole = QStringLiteral("Script Writer");
    r.lstFiles = {QStringLiteral("Ann Lee,Author"), QStringLiteral("ACME, Inc.,Publisher")};
    r.metadataAuthorsText = QStringLiteral("Bob");
    r.metadataOrganizations = QStringLiteral("ACME");
    r.cboCreatorRole = QStringLiteral("Validator");
    r.txtSize = QStringLiteral("123456");
    r.cboHourDuration = QStringLiteral("01");
    r.cboMinDuration = QStringLiteral("30");
    r.cboSecDuration = QStringLiteral("15");
    r.txtDuration = QStringLiteral("01:30:15");
    r.browserCombo = QStringLiteral("Opera");
    r.osCombo = QStringLiteral("BeOS"); // not in the list: the import may put such values there
    r.htmlCheck = r.gifCheck = r.jpgCheck = r.wavCheck = r.flashCheck = r.excelCheck = true;
    r.javaCheck = r.pdfCheck = r.quicktimeCheck = r.javascriptCheck = r.powerpointCheck = r.realMediaCheck = true;
    r.otherContentTypeText = QStringLiteral("MP3");
    r.locationText = QStringLiteral("http://example.com/course/");
    r.installationRemarks = QStringLiteral("Unzip");
    r.otherRequirements = QStringLiteral("Speakers");
    r.interactivityTypeCombo = QStringLiteral("Mixed");
    r.interactivityLevelCombo = QStringLiteral("very high");
    r.cboEduDifficulty = QStringLiteral("easy");
    r.endUserCombo = QStringLiteral("Learner");
    r.cboContext = QStringLiteral("Vocational Training");
    r.cboSemanticDensity = QStringLiteral("low");
    r.exerciseCheck = r.simulationCheck = r.questionnaireCheck = r.examCheck = r.diagramCheck = true;
    r.figureCheck = r.graphCheck = r.indexCheck = r.slideCheck = r.selfAssessmentCheck = true;
    r.narrativeTextCheck = r.tableCheck = r.problemStatementCheck = r.experimentCheck = true;
    r.usageDescription = QStringLiteral("Teacher guidelines");
    r.txtTypicalAgeRange = QStringLiteral("Adults 20+");
    r.cboHour = QStringLiteral("12");
    r.cboMin = QStringLiteral("59");
    r.cboSec = QStringLiteral("00");
    r.feesYes = true;
    r.copyrightYes = false;
    r.usageConditionsText = QStringLiteral("Developer retains all copyrights");
    r.relationshipCombo = QStringLiteral("Is Required by Resource Named Below");
    r.otherResourceText = QStringLiteral("Course two");
    r.authorText = QStringLiteral("Reviewer");
    r.annotationText = QStringLiteral("Checked");
    r.txtClassIdent = QStringLiteral("draft-id");
    r.lstClassification = {QStringLiteral("1"), QStringLiteral("2")};
    r.classificationCombo = QStringLiteral("Skill Level");
    r.classificationText = QStringLiteral("Beginners");
    r.classificationKeywordsText = QStringLiteral("novice, basic");
    r.txtTaxonSource = QStringLiteral("Skill Level(s)");
    r.txtTaxonId = QStringLiteral("T9");
    r.txtTaxonEntry = QStringLiteral("EXPERT");
    r.lstTaxon = {QStringLiteral("T1,BEGINNER"), QStringLiteral("T2,ADVANCED")};
    return r;
}

// The drop-down fields that take list items only.
const char *const kListOnly[] = {"cboStructure",       "cboAggregationLevel",     "lifecycleStatusCombo",
                                 "cboCreatorRole",     "cboHourDuration",         "cboMinDuration",
                                 "cboSecDuration",     "browserCombo",            "osCombo",
                                 "interactivityTypeCombo", "interactivityLevelCombo", "cboEduDifficulty",
                                 "endUserCombo",       "cboContext",              "cboSemanticDensity",
                                 "cboHour",            "cboMin",                  "cboSec",
                                 "relationshipCombo",  "classificationCombo"};

} // namespace

class RecordBinding : public EditorTest {
protected:
    void putWhileFilling(const Record12 &r)
    {
        frmMain().dontValidate = true;
        putRecord(*win, r);
        frmMain().dontValidate = false;
    }
    // Which of the window's own controls are enabled.
    QMap<QString, bool> enabledStates()
    {
        QMap<QString, bool> states;
        for (QWidget *w : win->findChildren<QWidget *>())
            if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
                states.insert(w->objectName(), w->isEnabled());
        return states;
    }
};

TEST_F(RecordBinding, AFreshWindowHoldsTheDesignDefaults)
{
    EXPECT_EQ(readRecord(*win), designDefaults12());
    EXPECT_EQ(ctl<QLineEdit>("versionText")->text(), QStringLiteral("1.0"));
    EXPECT_EQ(ctl<QLineEdit>("catalogEntryText")->text(), QStringLiteral("TBD"));
    EXPECT_EQ(ctl<QComboBox>("lifecycleStatusCombo")->currentText(), QStringLiteral("Final"));
    EXPECT_EQ(ctl<QComboBox>("cboConRole")->currentText(), QStringLiteral("Publisher"));
    EXPECT_TRUE(ctl<QRadioButton>("feesNo")->isChecked());
    EXPECT_TRUE(ctl<QRadioButton>("copyrightNo")->isChecked());
}

TEST_F(RecordBinding, EveryMemberGoesToItsControlAndComesBack)
{
    const Record12 record = fullRecord();
    putWhileFilling(record);
    EXPECT_EQ(readRecord(*win), record);
    EXPECT_TRUE(dialogs.calls().isEmpty());
    // A value outside the list stays as text; a listed one is picked.
    EXPECT_EQ(ctl<QComboBox>("osCombo")->currentText(), QStringLiteral("BeOS"));
    EXPECT_EQ(ctl<QComboBox>("osCombo")->currentIndex(), -1);
    EXPECT_EQ(ctl<QComboBox>("osCombo")->count(), 7);
    EXPECT_EQ(ctl<QComboBox>("browserCombo")->currentIndex(), 5);
    EXPECT_TRUE(ctl<QRadioButton>("feesYes")->isChecked());
    EXPECT_TRUE(ctl<QRadioButton>("copyrightNo")->isChecked());
    EXPECT_EQ(ctl<QListWidget>("lstFiles")->item(1)->text(), QStringLiteral("ACME, Inc.,Publisher"));

    // A second record replaces the first: lists are not added to, options turn over.
    Record12 second = designDefaults12();
    second.lstTaxon = {QStringLiteral("X,Y")};
    second.copyrightYes = true;
    putWhileFilling(second);
    EXPECT_EQ(readRecord(*win), second);
}

TEST_F(RecordBinding, DropDownValuesAreRefusedUnlessTheProgramIsFillingTheEditor)
{
    putRecord(*win, fullRecord());
    QStringList expected;
    for (int i = 0; i < int(std::size(kListOnly)); ++i)
        expected << QStringLiteral("Please select an item from the dropdown menu");
    EXPECT_EQ(dialogs.messages(), expected);
    for (const DialogCall &call : dialogs.calls()) {
        EXPECT_EQ(call.title, QStringLiteral("Invalid Entry"));
        EXPECT_EQ(call.icon, Icon::Exclamation);
        EXPECT_EQ(call.buttons, Buttons::Ok);
    }
    for (const char *name : kListOnly)
        EXPECT_EQ(ctl<QComboBox>(name)->currentText(), QString()) << name;
    // The contributor role takes any text; the free-text fields are not refused.
    EXPECT_EQ(ctl<QComboBox>("cboConRole")->currentText(), QStringLiteral("Script Writer"));
    EXPECT_EQ(ctl<QLineEdit>("titleText")->text(), QStringLiteral("Safe handling of pesticides"));
}

TEST_F(RecordBinding, ASizeThatIsNoNumberIsEmptiedEvenWhileFilling)
{
    Record12 record = fullRecord();
    record.txtSize = QStringLiteral("12 kb");
    putWhileFilling(record);
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Must be a number")});
    EXPECT_EQ(ctl<QLineEdit>("txtSize")->text(), QString());
}

TEST_F(RecordBinding, ClearAllEmptiesTheRecordAndKeepsTheProfile)
{
    win->setCategoryText(QStringLiteral("Asset Meta-Data(MD-XML1)"));
    putWhileFilling(fullRecord());
    const QMap<QString, bool> before = enabledStates();
    win->SSTab1()->setCurrentIndex(5);

    win->clearAll();

    EXPECT_EQ(readRecord(*win), clearedRecord12());
    EXPECT_TRUE(ctl<QRadioButton>("copyrightYes")->isChecked());
    EXPECT_FALSE(ctl<QRadioButton>("copyrightNo")->isChecked());
    EXPECT_TRUE(ctl<QRadioButton>("feesNo")->isChecked());
    EXPECT_FALSE(ctl<QRadioButton>("feesYes")->isChecked());
    for (QLineEdit *edit : win->findChildren<QLineEdit *>()) {
        if (edit->parentWidget() != win->cboSelectCategory()) {
            EXPECT_EQ(edit->text(), QString()) << edit->objectName().toStdString();
        }
    }
    for (QPlainTextEdit *edit : win->findChildren<QPlainTextEdit *>())
        EXPECT_EQ(edit->toPlainText(), QString()) << edit->objectName().toStdString();
    for (QCheckBox *check : win->findChildren<QCheckBox *>())
        EXPECT_FALSE(check->isChecked()) << check->objectName().toStdString();
    for (QListWidget *list : win->findChildren<QListWidget *>())
        EXPECT_EQ(list->count(), 0) << list->objectName().toStdString();
    // The lists keep their items; only the shown text goes, the design defaults with it.
    for (QComboBox *combo : win->findChildren<QComboBox *>()) {
        if (combo == win->cboSelectCategory())
            continue;
        EXPECT_EQ(combo->currentText(), QString()) << combo->objectName().toStdString();
        EXPECT_EQ(combo->currentIndex(), -1) << combo->objectName().toStdString();
    }
    EXPECT_EQ(ctl<QComboBox>("lifecycleStatusCombo")->count(), 4);
    EXPECT_EQ(ctl<QComboBox>("cboConRole")->count(), 14);
    EXPECT_EQ(ctl<QComboBox>("cboSec")->count(), 60);
    // The classification id and list go too, so that a new record starts without classifications.
    EXPECT_EQ(ctl<QLineEdit>("txtClassIdent")->text(), QString());
    EXPECT_EQ(ctl<QListWidget>("lstClassification")->count(), 0);
    // Category, profile and tab are left alone; nothing is said.
    EXPECT_EQ(win->cboSelectCategory()->currentText(), QStringLiteral("Asset Meta-Data(MD-XML1)"));
    EXPECT_EQ(win->metadataCategory, QStringLiteral("Asset Meta-Data(MD-XML1)"));
    EXPECT_TRUE(win->optionalOnly);
    EXPECT_EQ(enabledStates(), before);
    EXPECT_EQ(currentTab(), 5);
    EXPECT_TRUE(dialogs.calls().isEmpty());

    // Cleared once more, nothing changes.
    win->clearAll();
    EXPECT_EQ(readRecord(*win), clearedRecord12());
}

TEST_F(RecordBinding, ClearAllBeforeAnyCategoryLeavesTheFieldsGreyed)
{
    win->clearAll();
    EXPECT_EQ(readRecord(*win), clearedRecord12());
    EXPECT_FALSE(ctl<QLineEdit>("versionText")->isEnabled());
    EXPECT_FALSE(ctl<QComboBox>("lifecycleStatusCombo")->isEnabled());
    EXPECT_TRUE(ctl<QLineEdit>("txtLifecycleDate")->isEnabled());
    EXPECT_EQ(win->cboSelectCategory()->currentText(), QStringLiteral("Select Metadata File"));
    EXPECT_FALSE(win->optionalOnly);
}

TEST_F(RecordBinding, AClearedMinimumRecordCanTakeVersionAndStatusAgain)
{
    win->setCategoryText(QStringLiteral("Content Aggregation Meta-Data (MD-XML1)"));
    win->clearAll();
    auto *version = ctl<QLineEdit>("versionText");
    auto *status = ctl<QComboBox>("lifecycleStatusCombo");
    ASSERT_TRUE(version->isEnabled());
    ASSERT_TRUE(status->isEnabled());
    win->SSTab1()->setCurrentIndex(1);
    version->setFocus();
    QTest::keyClicks(version, QStringLiteral("3.0"));
    status->setFocus();
    QTest::keyClick(status, Qt::Key_Down);
    QTest::keyClick(status, Qt::Key_Down);
    processEvents();
    EXPECT_EQ(readRecord(*win).versionText, QStringLiteral("3.0"));
    EXPECT_EQ(readRecord(*win).lifecycleStatusCombo, QStringLiteral("Final"));
    EXPECT_TRUE(dialogs.calls().isEmpty());
}

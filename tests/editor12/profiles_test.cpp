#include "support/testmain.h"

#include "editorfixture.h"

#include "editorkit/look.h"

#include <QComboBox>
#include <QLineEdit>

using namespace ts;
using namespace ts::test;

namespace {

const QString kAggMin = QStringLiteral("Content Aggregation Meta-Data (MD-XML1)");
const QString kAggOpt = QStringLiteral("Content Aggregation Meta-Data (MD-XML1 + Optional)");
const QString kScoMin = QStringLiteral("SCO Meta-Data(MD-XML1)");
const QString kScoOpt = QStringLiteral("SCO Meta-Data(MD-XML1 + Optional)");
const QString kAssetMin = QStringLiteral("Asset Meta-Data(MD-XML1)");
const QString kAssetOpt = QStringLiteral("Asset Meta-Data(MD-XML1 + Optional)");

// The state a control is left in: g greyed (disabled, button face), w editable (enabled, white), f enabled on
// the button face, o enabled, x disabled, b enabled with the browse button's colour.
enum Outcome { Closed, All, AggregationMinimum, AssetMinimum };

struct Group {
    std::vector<const char *> controls;
    const char *states; // one letter per Outcome
};

const std::vector<Group> kGroups = {
    {{"titleText", "keywordsText", "courseDescription"}, "gwww"},
    {{"catalogText", "catalogEntryText"}, "gwwg"},
    {{"txtCoverage", "cboStructure", "cboAggregationLevel"}, "gwgg"},
    {{"versionText", "lifecycleStatusCombo"}, "gwwg"},
    {{"contentAuthorsText", "cboConRole", "lstFiles"}, "gwww"},
    {{"cmdAddSingle", "cmdRemSingle", "cmdRemAll"}, "xooo"},
    {{"metadataAuthorsText", "metadataOrganizations", "cboCreatorRole"}, "gwgg"},
    {{"txtSize", "txtDuration", "cboHourDuration", "cboMinDuration", "cboSecDuration", "browserCombo", "osCombo",
      "installationRemarks", "otherRequirements"},
     "gwgg"},
    {{"locationText", "otherContentTypeText"}, "gwww"},
    {{"htmlCheck", "gifCheck", "jpgCheck", "wavCheck", "flashCheck", "excelCheck", "javaCheck", "pdfCheck",
      "quicktimeCheck", "javascriptCheck", "powerpointCheck", "realMediaCheck"},
     "gfff"},
    {{"fraContentTypes"}, "oooo"},
    {{"cmdBrowse"}, "gbbb"},
    {{"interactivityTypeCombo", "interactivityLevelCombo", "cboEduDifficulty", "endUserCombo", "cboContext",
      "cboSemanticDensity", "usageDescription", "txtTypicalAgeRange", "cboHour", "cboMin", "cboSec"},
     "gwgg"},
    {{"exerciseCheck", "simulationCheck", "questionnaireCheck", "examCheck", "diagramCheck", "figureCheck",
      "graphCheck", "indexCheck", "slideCheck", "selfAssessmentCheck", "narrativeTextCheck", "tableCheck",
      "problemStatementCheck", "experimentCheck"},
     "gfgg"},
    {{"usageConditionsText"}, "gwww"},
    {{"feesYes", "feesNo", "copyrightYes", "copyrightNo"}, "gfff"},
    {{"relationshipCombo", "otherResourceText"}, "gwgg"},
    {{"authorText", "annotationText"}, "gwgg"},
    {{"classificationCombo", "classificationText", "classificationKeywordsText"}, "gwww"},
    {{"txtTaxonSource", "txtTaxonId", "txtTaxonEntry", "lstTaxon"}, "gwgg"},
    {{"cmdAddTaxon", "cmdRemTaxon", "cmdRemAllTaxon"}, "xoxx"},
    // Outside every profile: usable before any category and in every one.
    {{"txtLifecycleDate", "txtClassIdent", "lstClassification", "cboSelectCategory"}, "wwww"},
    {{"cmbMakeXML", "cmdAddClass", "cmdRemClass", "cmdRemAllClass", "cmdUpdate"}, "oooo"},
};

Outcome outcomeOf(const QString &category)
{
    if (category == kAggMin || category == kScoMin)
        return AggregationMinimum;
    if (category == kAssetMin)
        return AssetMinimum;
    return All;
}

} // namespace

class Profiles : public EditorTest {
protected:
    void expectOutcome(Outcome outcome, const QString &context)
    {
        SCOPED_TRACE(context.toStdString());
        const QColor face = look::color(0x8000000F);
        for (const Group &g : kGroups) {
            const char state = g.states[outcome];
            for (const char *name : g.controls) {
                SCOPED_TRACE(name);
                QWidget *w = ctl<QWidget>(name);
                ASSERT_NE(w, nullptr);
                EXPECT_EQ(w->isEnabled(), state != 'g' && state != 'x');
                const quint32 back = look::backColor(w);
                switch (state) {
                case 'g':
                case 'f':
                    EXPECT_EQ(back, 0x8000000Fu);
                    if (qobject_cast<QAbstractButton *>(w)) {
                        EXPECT_EQ(w->palette().color(QPalette::Window), face);
                    } else {
                        EXPECT_EQ(w->palette().color(QPalette::Base), face);
                    }
                    break;
                case 'w':
                    EXPECT_EQ(back, 0x00FFFFFFu);
                    EXPECT_EQ(w->palette().color(QPalette::Base), QColor(Qt::white));
                    break;
                case 'b':
                    EXPECT_EQ(back, 0x00A0B4B8u);
                    EXPECT_EQ(w->palette().color(QPalette::Button), QColor(0xB8, 0xB4, 0xA0));
                    break;
                default:
                    break;
                }
            }
        }
    }
    void choose(const QString &category) { win->setCategoryText(category); }
};

TEST_F(Profiles, AFreshWindowGreysEveryRecordField)
{
    expectOutcome(Closed, QStringLiteral("after load"));
    EXPECT_FALSE(win->optionalOnly);
    EXPECT_EQ(win->metadataCategory, QString());
}

TEST_F(Profiles, EachCategoryFromAFreshWindow)
{
    for (const QString &category : {kAggMin, kAggOpt, kScoMin, kScoOpt, kAssetMin, kAssetOpt}) {
        WindowInstance<FrmOptions>::unload();
        win = &frmOptions();
        win->show();
        choose(category);
        expectOutcome(outcomeOf(category), category);
        EXPECT_EQ(win->optionalOnly, !category.contains(QLatin1String("Optional"))) << category.toStdString();
        EXPECT_EQ(win->metadataCategory, category);
        EXPECT_EQ(win->cboSelectCategory()->currentText(), category);
    }
    EXPECT_TRUE(dialogs.calls().isEmpty());
}

TEST_F(Profiles, SwitchingCategoriesLeavesTheProfileOfTheLastOne)
{
    const QString sequence[] = {kAggOpt, kAssetMin, kScoOpt, kScoMin, kAssetOpt, kAggMin,
                                kAssetMin, kAggMin,  kAssetMin, kAggOpt, kScoMin, kAssetOpt};
    for (const QString &category : sequence) {
        choose(category);
        expectOutcome(outcomeOf(category), category);
        EXPECT_EQ(win->optionalOnly, !category.contains(QLatin1String("Optional")));
        EXPECT_EQ(win->metadataCategory, category);
    }
}

TEST_F(Profiles, AnyOtherTextChangesNothing)
{
    choose(kAssetMin);
    const QString others[] = {QStringLiteral("Select Metadata File"),
                              QString(),
                              QStringLiteral("Asset Meta-Data (MD-XML1)"),
                              QStringLiteral("asset meta-data(md-xml1 + optional)"),
                              QStringLiteral("Content Aggregation Meta-Data (MD-XML1) "),
                              QStringLiteral("SCO Meta-Data(MD-XML1 + optional)")};
    for (const QString &text : others) {
        choose(text);
        expectOutcome(AssetMinimum, QStringLiteral("after \"%1\"").arg(text));
        EXPECT_TRUE(win->optionalOnly);
        EXPECT_EQ(win->metadataCategory, kAssetMin);
        // Written into the list the way the category dialog does it, with no function of the window.
        win->cboSelectCategory()->setEditText(text);
        expectOutcome(AssetMinimum, QStringLiteral("after writing \"%1\"").arg(text));
        EXPECT_EQ(win->metadataCategory, kAssetMin);
    }
    EXPECT_TRUE(dialogs.calls().isEmpty());
}

TEST_F(Profiles, ACategoryWrittenIntoTheListAppliesAsAPick)
{
    // The category dialog writes its answer into the list while the program fills the editor.
    frmMain().dontValidate = true;
    win->cboSelectCategory()->setEditText(kScoMin);
    expectOutcome(AggregationMinimum, QStringLiteral("written"));
    EXPECT_TRUE(win->optionalOnly);
    EXPECT_EQ(win->metadataCategory, kScoMin);
    win->cboSelectCategory()->setCurrentText(kAssetOpt);
    expectOutcome(All, QStringLiteral("written again"));
    EXPECT_FALSE(win->optionalOnly);
    EXPECT_EQ(win->metadataCategory, kAssetOpt);
    frmMain().dontValidate = false;
    // The same text written once more applies it once more.
    win->enableAllInterface();
    win->disableAllInterface();
    win->setCategoryText(kAssetOpt);
    expectOutcome(All, QStringLiteral("same text"));
}

TEST_F(Profiles, PickingWithTheKeyboardAppliesAndTypingResetsTheList)
{
    auto *list = win->cboSelectCategory();
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down); // the first category
    expectOutcome(AggregationMinimum, QStringLiteral("Down"));
    EXPECT_EQ(win->metadataCategory, kAggMin);
    QTest::keyClick(list, Qt::Key_Down);
    expectOutcome(All, QStringLiteral("Down twice"));
    EXPECT_EQ(win->metadataCategory, kAggOpt);
    EXPECT_FALSE(win->optionalOnly);

    // A typed key resets the text but chooses nothing: profile and stored category stay.
    QTest::keyClick(list, Qt::Key_A);
    EXPECT_EQ(list->currentText(), QStringLiteral("Select Metadata File"));
    expectOutcome(All, QStringLiteral("typed"));
    EXPECT_EQ(win->metadataCategory, kAggOpt);
    EXPECT_FALSE(win->optionalOnly);
    EXPECT_TRUE(dialogs.calls().isEmpty());
}

TEST_F(Profiles, PickingFromTheOpenListApplies)
{
    pick(win->cboSelectCategory(), 4);
    expectOutcome(AssetMinimum, QStringLiteral("picked asset minimum"));
    EXPECT_EQ(win->metadataCategory, kAssetMin);
    EXPECT_TRUE(win->optionalOnly);
    pick(win->cboSelectCategory(), 3);
    expectOutcome(All, QStringLiteral("picked SCO optional"));
    EXPECT_EQ(win->metadataCategory, kScoOpt);
    EXPECT_FALSE(win->optionalOnly);
    EXPECT_TRUE(dialogs.calls().isEmpty());
}

TEST_F(Profiles, ScoMinimumEqualsContentAggregationMinimum)
{
    choose(kScoMin);
    QMap<QString, bool> sco;
    // The window's own controls, not the parts Qt builds inside them.
    const auto own = [](const QWidget *w) {
        return !w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_"));
    };
    for (QWidget *w : win->findChildren<QWidget *>())
        if (own(w))
            sco.insert(w->objectName(), w->isEnabled());
    choose(kAggMin);
    for (QWidget *w : win->findChildren<QWidget *>()) {
        if (own(w)) {
            EXPECT_EQ(sco.value(w->objectName()), w->isEnabled()) << w->objectName().toStdString();
        }
    }
}

TEST_F(Profiles, TheProcedures)
{
    win->enableAllInterface();
    expectOutcome(All, QStringLiteral("enableAllInterface"));
    win->disableAllInterface();
    expectOutcome(Closed, QStringLiteral("disableAllInterface"));
    // A minimum profile alone enables its set and leaves the rest as it was.
    win->enableAllInterface();
    win->contentAssetMinimumMetadataInterface();
    expectOutcome(All, QStringLiteral("asset minimum over all"));
    win->disableAllInterface();
    win->contentAggregationMinimumMetadataInterface();
    expectOutcome(AggregationMinimum, QStringLiteral("aggregation minimum"));
    // None of them moves the category or its variables.
    EXPECT_FALSE(win->optionalOnly);
    EXPECT_EQ(win->metadataCategory, QString());
    EXPECT_EQ(win->cboSelectCategory()->currentText(), QStringLiteral("Select Metadata File"));
}

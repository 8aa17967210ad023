#include "support/testmain.h"

#include "editor2004fixture.h"

#include "editorkit/look.h"

#include <QLineEdit>

using namespace ts;
using namespace ts::test;

namespace {

// Where a control stands after load and after each kind of category: g greyed (disabled, button face),
// w editable (white), f enabled on the button face, b enabled with the browse colour, o enabled and x
// disabled with the colour untouched.
enum Outcome { Loaded, Full, Aggregation, Asset };

struct Group {
    std::vector<const char *> controls;
    const char *states; // one letter per Outcome
    bool managed = true;
};

// The 99 managed controls by tab, Frame7, and what no profile touches.
const std::vector<Group> kGroups = {
    {{"titleText", "courseDescription", "keywordsText"}, "gwww"},
    {{"catalogText", "catalogEntryText"}, "gwwg"},
    {{"txtCoverage", "cboStructure", "cboAggregationLevel"}, "gwgg"},
    {{"versionText", "lifecycleStatusCombo"}, "gwwg"},
    {{"contentAuthorsText", "cboConRole", "lstFiles"}, "gwww"},
    {{"cmdAddSingle", "cmdRemSingle", "cmdRemAll"}, "xooo"},
    {{"metadataAuthorsText", "cboCreatorRole", "lstMetaContrib"}, "gwgg"},
    {{"cmdAdd1", "cmdRem1", "cmdRemAll1"}, "xoxx"},
    {{"wavCheck", "excelCheck", "gifCheck", "htmlCheck", "javaCheck", "javascriptCheck", "jpgCheck", "pdfCheck",
      "realMediaCheck", "quicktimeCheck", "flashCheck", "powerpointCheck"},
     "gfff"},
    {{"otherContentTypeText", "locationText"}, "gwww"},
    {{"txtSize", "installationRemarks", "otherRequirements", "txtDuration", "browserCombo", "osCombo", "cboYrDuration",
      "cboMoDuration", "cboDayDuration", "cboHourDuration", "cboMinDuration", "cboSecDuration"},
     "gwgg"},
    {{"cmdBrowse"}, "gbbb"},
    {{"examCheck", "exerciseCheck", "experimentCheck", "diagramCheck", "figureCheck", "graphCheck", "chkLecture",
      "indexCheck", "narrativeTextCheck", "selfAssessmentCheck", "questionnaireCheck", "tableCheck", "simulationCheck",
      "problemStatementCheck", "slideCheck"},
     "gfgg"},
    {{"interactivityTypeCombo", "interactivityLevelCombo", "cboSemanticDensity", "endUserCombo", "cboContext",
      "cboMinAge", "cboMaxAge", "cboEduDifficulty", "cboYear", "cboMonth", "cboDay", "cboHour", "cboMin", "cboSec",
      "txtTypicalAgeRange", "usageDescription"},
     "gwgg"},
    {{"feesYes", "feesNo", "copyrightYes", "copyrightNo"}, "gfff"},
    {{"usageConditionsText"}, "gwww"},
    {{"relationshipCombo", "otherResourceText", "authorText", "annotationText"}, "gwgg"},
    {{"classificationText", "classificationKeywordsText", "classificationCombo"}, "gwww"},
    {{"txtTaxonSource", "txtTaxonId", "txtTaxonEntry", "lstTaxon"}, "gwgg"},
    {{"cmdAddTaxon", "cmdRemTaxon", "cmdRemAllTaxon"}, "xoxx"},
    {{"Frame7"}, "oooo", false},
    {{"txtClassIdent", "lstClassification", "cboSelectCategory"}, "wwww", false},
    {{"cmbMakeXML", "cmdAddClass", "cmdRemClass", "cmdRemAllClass", "cmdUpdate"}, "oooo", false},
    {{"txtTypicalTime"}, "xxxx", false},
};

// The ten categories in list order, each with the profile it applies.
const struct {
    const char *text;
    Outcome outcome;
} kCategories[] = {
    {"Content Aggregation Meta-Data (MD-XML1)", Aggregation},
    {"Content Aggregation Meta-Data (MD-XML1 + Optional)", Full},
    {"Content Organization Meta-Data (MD-XML1)", Aggregation},
    {"Content Organization Meta-Data (MD-XML1 + Optional)", Full},
    {"Activity Meta-Data (MD-XML1)", Aggregation},
    {"Activity Meta-Data (MD-XML1 + Optional)", Full},
    {"SCO Meta-Data(MD-XML1)", Aggregation},
    {"SCO Meta-Data(MD-XML1 + Optional)", Full},
    {"Asset Meta-Data(MD-XML1)", Asset},
    {"Asset Meta-Data(MD-XML1 + Optional)", Full},
};

} // namespace

class Profiles : public Editor2004Test {
protected:
    void expectOutcome(Outcome outcome, const QString &context)
    {
        int managed = 0, enabled = 0;
        for (const Group &g : kGroups) {
            for (const char *name : g.controls) {
                QWidget *w = ctl<QWidget>(name);
                const char state = g.states[outcome];
                const bool on = state != 'g' && state != 'x';
                EXPECT_EQ(w->isEnabled(), on) << name << " " << context.toStdString();
                if (state == 'g' || state == 'w' || state == 'f' || state == 'b') {
                    const quint32 back = state == 'w'   ? look::kWhite
                                         : state == 'b' ? look::kBrowseFace
                                                        : look::kButtonFace;
                    EXPECT_EQ(look::backColor(w), back) << name << " " << context.toStdString();
                }
                managed += g.managed;
                enabled += g.managed && on;
            }
        }
        EXPECT_EQ(managed, 99);
        EXPECT_EQ(enabled, outcome == Loaded ? 0 : outcome == Full ? 99 : outcome == Aggregation ? 36 : 32);
    }
};

TEST_F(Profiles, LoadGreysEveryManagedControlOnTheGeneralTab)
{
    expectOutcome(Loaded, QStringLiteral("load"));
    EXPECT_EQ(currentTab(), 0);
    EXPECT_FALSE(win->optionalOnly);
    EXPECT_TRUE(win->metadataCategory.isEmpty());
}

// The categories picked one after the other, as the user does: minimum and full take turns, and what the
// fields hold stays whatever is greyed or enabled.
TEST_F(Profiles, EachCategoryAppliesItsProfileAndItsOptionalOnlyFlag)
{
    win->enableAllInterface();
    ctl<QLineEdit>("txtSize")->setText(QStringLiteral("512"));
    for (const auto &c : kCategories) {
        pickCategory(QString::fromUtf8(c.text));
        expectOutcome(c.outcome, QString::fromUtf8(c.text));
        EXPECT_EQ(win->optionalOnly, c.outcome != Full) << c.text;
        EXPECT_EQ(win->metadataCategory, QString::fromUtf8(c.text));
        EXPECT_EQ(ctl<QLineEdit>("txtSize")->text(), QStringLiteral("512"));
    }
    // From the SCO minimum to the asset minimum only the four aggregation fields change.
    pickCategory(QStringLiteral("SCO Meta-Data(MD-XML1)"));
    pickCategory(QStringLiteral("Asset Meta-Data(MD-XML1)"));
    expectOutcome(Asset, QStringLiteral("SCO then asset"));
    EXPECT_TRUE(dialogs.calls().isEmpty());
}

// Text the program writes into the category list: refused unless the program is filling the editor, and
// applied only once the file-type question has run.
TEST_F(Profiles, TheChangeRuleHearsBothFlags)
{
    const QString asset = QStringLiteral("Asset Meta-Data(MD-XML1)");
    const QString neutral = QStringLiteral("Select Metadata Category");
    const struct {
        bool dontValidate, fromQuestion;
        QString text;
        int messages;
        QString shown;
        bool applied;
    } cases[] = {
        {false, false, asset, 1, neutral, false},
        {false, true, asset, 1, neutral, false},
        {true, false, asset, 0, asset, false},
        {true, true, asset, 0, asset, true},
        {true, true, QStringLiteral("Asset Meta-Data (MD-XML1)"), 0, QStringLiteral("Asset Meta-Data (MD-XML1)"),
         false},
        {false, true, neutral, 0, neutral, false},
        {true, true, QStringLiteral("Select Metadata File"), 0, QStringLiteral("Select Metadata File"), false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text.toStdString() + (c.dontValidate ? " filling" : "") + (c.fromQuestion ? " asked" : ""));
        pickCategory(QStringLiteral("Activity Meta-Data (MD-XML1 + Optional)"));
        dialogs.clear();
        frmMain().dontValidate = c.dontValidate;
        frmMain().isFromSelectMetadata = c.fromQuestion;
        win->writeCategoryText(c.text);
        frmMain().dontValidate = false;
        ASSERT_EQ(dialogs.calls().size(), c.messages);
        if (c.messages) {
            EXPECT_EQ(dialogs.calls()[0].title, QStringLiteral("Invalid Entry"));
        }
        EXPECT_EQ(win->cboSelectCategory()->currentText(), c.shown);
        expectOutcome(c.applied ? Asset : Full, c.text);
        EXPECT_EQ(win->optionalOnly, c.applied);
        EXPECT_EQ(win->metadataCategory, c.applied ? asset : QStringLiteral("Activity Meta-Data (MD-XML1 + Optional)"));
    }
}

TEST_F(Profiles, TemplateEditingEnablesEveryFieldAndKeepsThemAll)
{
    pickCategory(QStringLiteral("Asset Meta-Data(MD-XML1)"));
    win->enableAllInterface();
    win->setTemplateEditing(true);
    expectOutcome(Full, QStringLiteral("template"));
    EXPECT_FALSE(win->optionalOnly);
    EXPECT_TRUE(win->cboSelectCategory()->isHidden());
}

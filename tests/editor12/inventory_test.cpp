#include "support/testmain.h"

#include "editorfixture.h"

#include "editor12/appearance12.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabBar>
#include <climits>
#include <vector>

using namespace ts;
using namespace ts::test;

namespace {

enum Kind { Text, Multi, Combo, List, Check, Option };
constexpr int kNone = -1; // no length limit
constexpr int kNa = 0;    // not a text box

const char *const kFree = "(Free Form Text. Spaces Allowed.) ";
const char *const kFreeWide = "(Free Form Text. Spaces Allowed. ) ";

struct Expected {
    const char *name;
    Kind kind;
    int tab;
    const char *labelName; // "" when the control has no label of its own
    const char *label;     // label caption, or the caption of a check box or option button
    const char *hint;      // "" when there is none
    std::vector<const char *> items;
    const char *initial; // design default ("1" ticked / chosen)
    int limit;
};

const std::vector<const char *> kHours = {"00", "01", "02", "03", "04", "05", "06",
                                          "07", "08", "09", "10", "11", "12"};
const std::vector<const char *> kLevels = {"very low", "low", "medium", "high", "very high"};

const std::vector<Expected> kExpected = {
    {"titleText", Text, 0, "Label1", "Title", kFree, {}, "", 1000},
    {"keywordsText", Text, 0, "Label5", "Keywords", "(Comma Separated Values.) ", {}, "", kNone},
    {"catalogText", Text, 0, "Label2", "Catalog", "(Text. No Spaces Allowed.) ", {}, "Tagsmith Catalog", 1000},
    {"catalogEntryText", Text, 0, "Label3", "Entry", kFree, {}, "TBD", 1000},
    {"txtCoverage", Text, 0, "Label30", "Coverage", kFree, {}, "", 1000},
    {"cboStructure", Combo, 0, "Label14", "Structure", "",
     {"Collection", "Mixed", "Linear", "Hierarchical", "Networked", "Branched", "Parceled", "Atomic"}, "", kNa},
    {"cboAggregationLevel", Combo, 0, "Label29", "Aggregation Level", "", {"1", "2", "3", "4"}, "", kNa},
    {"courseDescription", Multi, 0, "Label62", "Resource Description", "", {}, "", 2000},
    {"versionText", Text, 1, "Version", "Version", "(Numeric value.) ", {}, "1.0", 50},
    {"lifecycleStatusCombo", Combo, 1, "Label7", "Status", "", {"Draft", "Final", "Revised", "Unavailable"}, "Final",
     kNa},
    {"txtLifecycleDate", Text, 1, "lblLifecycleDate", "Date", "(yyyy-mm-dd) ", {}, "", 50},
    {"contentAuthorsText", Text, 1, "Label12", "Contributor Name ", "(NO commas allowed) ", {}, "", 1000},
    {"cboConRole", Combo, 1, "lblConRole", "Contributor Role", "",
     {"Author", "Publisher", "Unknown", "Initiator", "Terminator", "Validator", "Editor", "Graphical Designer",
      "Technical Implementer", "Content Provider", "Technical Validator", "Educational Validator", "Script Writer",
      "Instructional Designer"},
     "Publisher", kNa},
    {"lstFiles", List, 1, "", "", "", {}, "", kNa},
    {"metadataAuthorsText", Text, 2, "Label8", "Name(s) of people authoring this metadata file", kFree, {}, "", 1000},
    {"metadataOrganizations", Text, 2, "Label20", "Name(s) of organizations authoring this metadata file",
     "(Free Form Text.) ", {}, "", 1000},
    {"cboCreatorRole", Combo, 2, "Label21", "Contributor Role", "", {"Creator", "Validator"}, "", kNa},
    {"txtSize", Text, 3, "Label31", "Size", "(in bytes) ", {}, "", 30},
    {"cboHourDuration", Combo, 3, "Label32", "Duration", "(hh:mm:ss) ", kHours, "", kNa},
    {"cboMinDuration", Combo, 3, "", "", "", {}, "", kNa},
    {"cboSecDuration", Combo, 3, "", "", "", {}, "", kNa},
    {"txtDuration", Text, 3, "", "", "", {}, "", 30},
    {"browserCombo", Combo, 3, "Label22", "Target Internet Browser", "",
     {"MS Explorer 4.x or Higher", "MS Explorer 5.x or Higher", "MS Explorer 6.x or Higher", "Netscape 4.x",
      "Netscape 6.x or Higher", "Opera"},
     "", kNa},
    {"osCombo", Combo, 3, "Label23", "Target Opreating System", "",
     {"PC-DOS", "MS-Windows", "MacOS", "Unix", "Multi-OS", "Other", "None"}, "", kNa},
    {"htmlCheck", Check, 3, "", "HTML", "", {}, "", kNa},
    {"gifCheck", Check, 3, "", "GIF Graphics", "", {}, "", kNa},
    {"jpgCheck", Check, 3, "", "JPG Graphics", "", {}, "", kNa},
    {"wavCheck", Check, 3, "", " WAV Audio", "", {}, "", kNa},
    {"flashCheck", Check, 3, "", "Flash", "", {}, "", kNa},
    {"excelCheck", Check, 3, "", "MS Excel", "", {}, "", kNa},
    {"javaCheck", Check, 3, "", "Java", "", {}, "", kNa},
    {"pdfCheck", Check, 3, "", "PDF File", "", {}, "", kNa},
    {"quicktimeCheck", Check, 3, "", "Quicktime Video", "", {}, "", kNa},
    {"javascriptCheck", Check, 3, "", "JavaScript", "", {}, "", kNa},
    {"powerpointCheck", Check, 3, "", "MS PowerPoint", "", {}, "", kNa},
    {"realMediaCheck", Check, 3, "", "Real Networks Media", "", {}, "", kNa},
    {"otherContentTypeText", Multi, 3, "Label9", "Other Content Data Types", "", {}, "", 500},
    {"locationText", Text, 3, "Label11", "Content Location (URL) or Description", "(Text. No Spaces Allowed.) ", {},
     "", 1000},
    {"installationRemarks", Multi, 3, "Label64", "Installation Remarks", kFreeWide, {}, "", 1000},
    {"otherRequirements", Multi, 3, "Label63", "Other Requirements", kFreeWide, {}, "", 1000},
    {"interactivityTypeCombo", Combo, 4, "Label24", "Interactivity Type", "",
     {"Active", "Expositive", "Mixed", "Undefined"}, "", kNa},
    {"interactivityLevelCombo", Combo, 4, "Label26", "Interactivity Level", "", kLevels, "", kNa},
    {"cboEduDifficulty", Combo, 4, "Label35", "Difficulty", "",
     {"very easy", "easy", "medium", "difficult", "very difficult"}, "", kNa},
    {"endUserCombo", Combo, 4, "Label25", "Intended End User", "", {"Teacher", "Author", "Learner", "Manager"}, "",
     kNa},
    {"cboContext", Combo, 4, "Label34", "Context", "",
     {"Primary Education", "Secondary Education", "Higher Education", "University First Cycle",
      "University Second Cycle", "University Postgrade", "Technical School First Cycle",
      "Technical School Second Cycle", "Professional Formation", "Continuous Formation", "Vocational Training"},
     "", kNa},
    {"cboSemanticDensity", Combo, 4, "Label33", "Semantic Density", "", kLevels, "", kNa},
    {"exerciseCheck", Check, 4, "", "Exercise", "", {}, "", kNa},
    {"simulationCheck", Check, 4, "", "Simulation", "", {}, "", kNa},
    {"questionnaireCheck", Check, 4, "", "Questionnaire", "", {}, "", kNa},
    {"examCheck", Check, 4, "", "Exam", "", {}, "", kNa},
    {"diagramCheck", Check, 4, "", "Diagram", "", {}, "", kNa},
    {"figureCheck", Check, 4, "", "Figure", "", {}, "", kNa},
    {"graphCheck", Check, 4, "", "Graph", "", {}, "", kNa},
    {"indexCheck", Check, 4, "", "Index", "", {}, "", kNa},
    {"slideCheck", Check, 4, "", "Slide", "", {}, "", kNa},
    {"selfAssessmentCheck", Check, 4, "", "Self Assessment", "", {}, "", kNa},
    {"narrativeTextCheck", Check, 4, "", "Narrative Text", "", {}, "", kNa},
    {"tableCheck", Check, 4, "", "Table", "", {}, "", kNa},
    {"problemStatementCheck", Check, 4, "", "Problem Statement", "", {}, "", kNa},
    {"experimentCheck", Check, 4, "", "Experiment", "", {}, "", kNa},
    {"usageDescription", Multi, 4, "Label65", "Usage Description", kFreeWide, {}, "", 1000},
    {"txtTypicalAgeRange", Multi, 4, "label90", "Typical Age Range", "(Free Form Text.) ", {}, "", 1000},
    {"cboHour", Combo, 4, "Label36", "Length / Time", "(hh:mm:ss) ", kHours, "", kNa},
    {"cboMin", Combo, 4, "", "", "", {}, "", kNa},
    {"cboSec", Combo, 4, "", "", "", {}, "", kNa},
    {"feesYes", Option, 5, "", "Yes", "", {}, "", kNa},
    {"feesNo", Option, 5, "", "No", "", {}, "1", kNa},
    {"copyrightYes", Option, 5, "", "Yes", "", {}, "", kNa},
    {"copyrightNo", Option, 5, "", "No", "", {}, "1", kNa},
    {"usageConditionsText", Multi, 5, "Label10", "Conditions of Use", kFree, {}, "", 1000},
    {"relationshipCombo", Combo, 6, "Label27", "Relationship", "",
     {"Is Part of Resource Named Below", "Has a Part of Resource Named Below", "Is a Version of Resource Named Below",
      "Has a Version of Resource Named Below", "Is a Format of Resource Named Below",
      "Has a Format of Resource Named Below", "References Resource Named Below",
      "Is Referenced By Resource Named Below", "Is Based on Resource Named Below",
      "Is a Basis for Resource Named Below", "Requires Resource Named Below", "Is Required by Resource Named Below"},
     "", kNa},
    {"otherResourceText", Multi, 6, "Label13", "Description of Other Resource", kFreeWide, {}, "", 1000},
    {"authorText", Text, 7, "Label17", "Author or Organization", kFree, {}, "", 1000},
    {"annotationText", Multi, 7, "Label18", "Annotation", kFree, {}, "", 1000},
    {"txtClassIdent", Text, 8, "lblClassIdent", "Classification Id", "", {}, "", kNone},
    {"lstClassification", List, 8, "Label19", "Classification List", "", {}, "", kNa},
    {"classificationCombo", Combo, 8, "Label28", "Purpose for Classifying this Resource", "",
     {"Discipline", "Idea", "Prerequisite", "Educational Objective", "Accessibility Restrictions", "Educational Level",
      "Skill Level", "Security Level"},
     "", kNa},
    {"classificationText", Multi, 8, "Label15", "Classification Description", kFreeWide, {}, "", 2000},
    {"classificationKeywordsText", Text, 8, "Label16", "Keywords", "(Comma Separated Values. ) ", {}, "", 1000},
    {"txtTaxonSource", Text, 8, "Label76", "Taxon Source", kFreeWide, {}, "", 1000},
    {"txtTaxonId", Text, 8, "Label78", "Id", kFree, {}, "", 1000},
    {"txtTaxonEntry", Text, 8, "Label71", "Entry", kFree, {}, "", 1000},
    {"lstTaxon", List, 8, "", "", "", {}, "", kNa},
};

QString s(const char *text) { return QString::fromUtf8(text); }

int tabOf(FrmOptions *win, const QWidget *w)
{
    for (int i = 0; i < win->SSTab1()->count(); ++i)
        if (win->SSTab1()->widget(i)->isAncestorOf(w))
            return i;
    return -1;
}

QStringList items(const QComboBox *combo)
{
    QStringList list;
    for (int i = 0; i < combo->count(); ++i)
        list << combo->itemText(i);
    return list;
}

QStringList toList(const std::vector<const char *> &v)
{
    QStringList list;
    for (const char *t : v)
        list << s(t);
    return list;
}

QStringList sixty()
{
    QStringList list;
    for (int i = 0; i < 60; ++i)
        list << QString::asprintf("%02d", i);
    return list;
}

} // namespace

class Inventory : public EditorTest {};

TEST_F(Inventory, EveryFieldHasItsNameTabKindLabelHintItemsAndDefault)
{
    const QColor blue(0, 0, 255);
    const QColor darkRed(128, 0, 0);
    for (const Expected &e : kExpected) {
        SCOPED_TRACE(e.name);
        QWidget *w = ctl<QWidget>(e.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(tabOf(win, w), e.tab);
        switch (e.kind) {
        case Text:
            ASSERT_NE(qobject_cast<QLineEdit *>(w), nullptr);
            EXPECT_EQ(qobject_cast<QLineEdit *>(w)->text(), s(e.initial));
            break;
        case Multi:
            ASSERT_NE(qobject_cast<QPlainTextEdit *>(w), nullptr);
            EXPECT_EQ(qobject_cast<QPlainTextEdit *>(w)->toPlainText(), s(e.initial));
            break;
        case Combo: {
            auto *combo = qobject_cast<QComboBox *>(w);
            ASSERT_NE(combo, nullptr);
            EXPECT_TRUE(combo->isEditable());
            EXPECT_EQ(combo->currentText(), s(e.initial));
            if (!e.items.empty()) {
                EXPECT_EQ(items(combo), toList(e.items));
            }
            break;
        }
        case List:
            ASSERT_NE(qobject_cast<QListWidget *>(w), nullptr);
            EXPECT_EQ(qobject_cast<QListWidget *>(w)->count(), 0);
            break;
        case Check:
            ASSERT_NE(qobject_cast<QCheckBox *>(w), nullptr);
            EXPECT_EQ(qobject_cast<QCheckBox *>(w)->text(), s(e.label));
            EXPECT_EQ(qobject_cast<QCheckBox *>(w)->isChecked(), *e.initial == '1');
            break;
        case Option:
            ASSERT_NE(qobject_cast<QRadioButton *>(w), nullptr);
            EXPECT_EQ(qobject_cast<QRadioButton *>(w)->text(), s(e.label));
            EXPECT_EQ(qobject_cast<QRadioButton *>(w)->isChecked(), *e.initial == '1');
            break;
        }
        if (*e.labelName) {
            auto *label = ctl<QLabel>(e.labelName);
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(label->text(), s(e.label));
            EXPECT_EQ(tabOf(win, label), e.tab);
            // Every field label is blue but the two plain ones of the classification tab.
            const bool plain = QByteArray(e.labelName) == "lblClassIdent" || QByteArray(e.labelName) == "Label19";
            EXPECT_EQ(appearance12::foreColor(label), plain ? 0u : 0x00FF0000u);
            if (!plain) {
                EXPECT_EQ(label->palette().color(QPalette::WindowText), blue);
            }
        }
        auto *hint = win->findChild<QLabel *>(s(e.name) + QStringLiteral("Hint"));
        if (*e.hint) {
            ASSERT_NE(hint, nullptr);
            EXPECT_EQ(hint->text(), s(e.hint));
            EXPECT_EQ(hint->palette().color(QPalette::WindowText), darkRed);
            EXPECT_EQ(appearance12::foreColor(hint), 0x00000080u);
        } else {
            EXPECT_EQ(hint, nullptr);
        }
    }
}

TEST_F(Inventory, TabsFramesButtonsAndTheCategoryStrip)
{
    const char *const tabs[] = {"GENERAL",   "LIFECYCLE", "METAMETADATA", "TECHNICAL",     "EDUCATION",
                                "RIGHTS",    "RELATION",  "ANNOTATION",   "CLASSIFICATION"};
    ASSERT_EQ(win->SSTab1()->count(), 9);
    EXPECT_EQ(win->SSTab1()->objectName(), QStringLiteral("SSTab1"));
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(win->SSTab1()->tabText(i), s(tabs[i]));

    const struct {
        const char *name, *caption;
        int tab;
    } frames[] = {
        {"fraGeneral", "General Metadata", 0},
        {"fraLifecycle", "Life Cycle Metadata", 1},
        {"fraMetametadata", "Metametadata", 2},
        {"fraTechnical", "Technical Metadata", 3},
        {"fraEducation", "Education Metadata", 4},
        {"fraRights", "Rights Metadata", 5},
        {"fraRelation", "Relationship Metadata", 6},
        {"fraAnnotation", "Annotation Metadata", 7},
        {"fraContentTypes", "Content Data Types", 3},
        {"fraLearningTypes", "Learning Resource Type(s)", 4},
        {"fraFees", "Fees or Other Charges", 5},
        {"fraCopyright", "Copyright or Other Restrictions", 5},
        {"fraRelationship", "Relationship", 6},
        {"fraClassification", "Classification Metadata", 8},
        {"fraTaxonPath", "Taxon Path", 8},
    };
    for (const auto &f : frames) {
        SCOPED_TRACE(f.name);
        auto *box = ctl<QGroupBox>(f.name);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->title(), s(f.caption));
        EXPECT_EQ(tabOf(win, box), f.tab);
    }
    // Members of the frames.
    EXPECT_TRUE(ctl<QGroupBox>("fraContentTypes")->isAncestorOf(ctl<QWidget>("wavCheck")));
    EXPECT_TRUE(ctl<QGroupBox>("fraLearningTypes")->isAncestorOf(ctl<QWidget>("selfAssessmentCheck")));
    EXPECT_TRUE(ctl<QGroupBox>("fraRelationship")->isAncestorOf(ctl<QWidget>("otherResourceText")));
    EXPECT_TRUE(ctl<QGroupBox>("fraClassification")->isAncestorOf(ctl<QWidget>("classificationKeywordsText")));
    EXPECT_TRUE(ctl<QGroupBox>("fraTaxonPath")->isAncestorOf(ctl<QWidget>("lstTaxon")));
    EXPECT_FALSE(ctl<QGroupBox>("fraTaxonPath")->isAncestorOf(ctl<QWidget>("lstClassification")));
    // The blue captions of the frames that have help texts.
    for (const char *label : {"Label39", "Label56", "Label60", "Label61"})
        EXPECT_EQ(appearance12::foreColor(ctl<QLabel>(label)), 0x00FF0000u) << label;
    EXPECT_EQ(ctl<QLabel>("Label39")->text(), QStringLiteral("Content Data Types"));
    EXPECT_EQ(ctl<QLabel>("Label56")->text(), QStringLiteral("Learning Resource Type(s)"));

    const struct {
        const char *name, *caption;
        int tab;
    } buttons[] = {
        {"cmdAddSingle", "Add ", 1},   {"cmdRemSingle", "Remove", 1},   {"cmdRemAll", "Remove All", 1},
        {"cmdBrowse", "Browse...", 3}, {"cmdAddClass", "Add ", 8},      {"cmdRemClass", "Remove", 8},
        {"cmdRemAllClass", "Remove All", 8}, {"cmdUpdate", "Update", 8}, {"cmdAddTaxon", "Add ", 8},
        {"cmdRemTaxon", "Remove", 8},  {"cmdRemAllTaxon", "Remove All", 8},
    };
    for (const auto &b : buttons) {
        SCOPED_TRACE(b.name);
        auto *button = ctl<QPushButton>(b.name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), s(b.caption));
        EXPECT_EQ(tabOf(win, button), b.tab);
    }
    EXPECT_TRUE(ctl<QGroupBox>("fraTaxonPath")->isAncestorOf(ctl<QWidget>("cmdRemAllTaxon")));
    auto *convert = ctl<QLabel>("lblConvertToBytes");
    EXPECT_EQ(convert->text(), QStringLiteral("Convert To Bytes"));
    EXPECT_EQ(appearance12::foreColor(convert), 0x00FF0000u);
    EXPECT_EQ(tabOf(win, convert), 3);

    // The strip above the tabs.
    auto *category = win->cboSelectCategory();
    EXPECT_EQ(category->objectName(), QStringLiteral("cboSelectCategory"));
    EXPECT_EQ(category->currentText(), QStringLiteral("Select Metadata File"));
    EXPECT_EQ(items(category), QStringList({QStringLiteral("Content Aggregation Meta-Data (MD-XML1)"),
                                            QStringLiteral("Content Aggregation Meta-Data (MD-XML1 + Optional)"),
                                            QStringLiteral("SCO Meta-Data(MD-XML1)"),
                                            QStringLiteral("SCO Meta-Data(MD-XML1 + Optional)"),
                                            QStringLiteral("Asset Meta-Data(MD-XML1)"),
                                            QStringLiteral("Asset Meta-Data(MD-XML1 + Optional)")}));
    EXPECT_EQ(tabOf(win, category), -1);
    EXPECT_EQ(ctl<QPushButton>("cmbMakeXML")->text(), QStringLiteral("Export Metadata"));
    EXPECT_FALSE(ctl<QPushButton>("cmbMakeXML")->isHidden());
    EXPECT_EQ(ctl<QPushButton>("cmdSetDefaults")->text(), QStringLiteral("Save"));
    EXPECT_TRUE(ctl<QPushButton>("cmdSetDefaults")->isHidden());
    EXPECT_TRUE(ctl<QLabel>("lblSaved")->isHidden());
    EXPECT_TRUE(ctl<QLabel>("lblSaved")->text().isEmpty());
    EXPECT_EQ(win->windowTitle(), QStringLiteral("SCORM 1.2 Metadata"));
    EXPECT_EQ(win->objectName(), QStringLiteral("frmOptions"));
}

TEST_F(Inventory, LoadFillsTheTimeListsShowsGeneralAndSetsThePublicVariables)
{
    EXPECT_EQ(currentTab(), 0);
    for (const char *name : {"cboMin", "cboSec", "cboMinDuration", "cboSecDuration"}) {
        SCOPED_TRACE(name);
        auto *combo = ctl<QComboBox>(name);
        EXPECT_EQ(items(combo), sixty());
        EXPECT_EQ(combo->itemText(9), QStringLiteral("09"));
        EXPECT_EQ(combo->itemText(10), QStringLiteral("10"));
        EXPECT_EQ(combo->currentText(), QString());
        EXPECT_EQ(combo->currentIndex(), -1);
    }
    for (const char *name : {"cboHour", "cboHourDuration"}) {
        EXPECT_EQ(ctl<QComboBox>(name)->count(), 13) << name;
        EXPECT_EQ(ctl<QComboBox>(name)->currentText(), QString()) << name;
    }
    // The parts of a time: captions and separators in their own colour.
    for (const char *name : {"lblHours", "lblMinutes", "lblSeconds"})
        EXPECT_EQ(appearance12::foreColor(ctl<QLabel>(name)), 0x00996666u) << name;
    EXPECT_EQ(ctl<QLabel>("lblHours")->text(), QStringLiteral("Hours"));
    EXPECT_EQ(ctl<QLabel>("lblMinutes")->text(), QStringLiteral("Minutes"));
    EXPECT_EQ(ctl<QLabel>("lblSeconds")->text(), QStringLiteral("Seconds"));
    int colons = 0;
    for (QLabel *label : win->findChildren<QLabel *>())
        if (label->text() == QLatin1String(":")) {
            ++colons;
            EXPECT_EQ(appearance12::foreColor(label), 0x00996666u);
        }
    EXPECT_EQ(colons, 4);
    EXPECT_TRUE(ctl<QLineEdit>("txtDuration")->isHidden());

    EXPECT_FALSE(win->isValid);
    EXPECT_FALSE(win->optionalOnly);
    EXPECT_EQ(win->metadataCategory, QString());
    EXPECT_EQ(win->wrap, QStringLiteral("\r\n"));
    EXPECT_EQ(win->quoteMark, QStringLiteral("\""));
    EXPECT_EQ(win->xmlFile, QString());
}

TEST_F(Inventory, LengthLimitsHoldForWhatTheUserTypesOrPastes)
{
    win->setCategoryText(QStringLiteral("Content Aggregation Meta-Data (MD-XML1 + Optional)"));
    for (const Expected &e : kExpected) {
        if (e.kind != Text && e.kind != Multi)
            continue;
        SCOPED_TRACE(e.name);
        const int room = e.limit == kNone ? 40000 : e.limit;
        // Digits pass every rule, the size's number test included.
        const QString text(room + 7, QLatin1Char('7'));
        if (auto *edit = qobject_cast<QLineEdit *>(ctl<QWidget>(e.name))) {
            edit->clear();
            edit->insert(text);
            EXPECT_EQ(edit->text().size(), e.limit == kNone ? room + 7 : room);
        } else {
            auto *box = qobject_cast<QPlainTextEdit *>(ctl<QWidget>(e.name));
            box->clear();
            QApplication::clipboard()->setText(text);
            box->paste();
            EXPECT_EQ(box->toPlainText().size(), room);
            // A full box swallows further keys, but a key that replaces a selection still fits.
            QTest::keyClick(box, Qt::Key_A);
            EXPECT_EQ(box->toPlainText().size(), room);
            box->selectAll();
            QTest::keyClicks(box, QStringLiteral("ab"));
            EXPECT_EQ(box->toPlainText(), QStringLiteral("ab"));
        }
    }
    // Text the program puts in a box of several lines is kept whole.
    auto *description = ctl<QPlainTextEdit>("courseDescription");
    description->setPlainText(QString(2500, QLatin1Char('x')));
    EXPECT_EQ(description->toPlainText().size(), 2500);
    EXPECT_TRUE(dialogs.calls().isEmpty());
}

TEST_F(Inventory, OptionPairsAreChosenApart)
{
    win->enableAllInterface();
    ctl<QRadioButton>("feesYes")->click();
    EXPECT_TRUE(ctl<QRadioButton>("feesYes")->isChecked());
    EXPECT_FALSE(ctl<QRadioButton>("feesNo")->isChecked());
    EXPECT_TRUE(ctl<QRadioButton>("copyrightNo")->isChecked());
    ctl<QRadioButton>("copyrightYes")->click();
    EXPECT_TRUE(ctl<QRadioButton>("feesYes")->isChecked());
    EXPECT_FALSE(ctl<QRadioButton>("copyrightNo")->isChecked());
    ctl<QRadioButton>("feesNo")->click();
    EXPECT_FALSE(ctl<QRadioButton>("feesYes")->isChecked());
    EXPECT_TRUE(ctl<QRadioButton>("copyrightYes")->isChecked());
}

TEST_F(Inventory, ClickingAFieldLabelAsksForItsHelp)
{
    QSignalSpy spy(win, &FrmOptions::helpLabelClicked);
    for (const char *name : {"Label1", "Version", "Label39", "Label60", "Label19", "lblLifecycleDate", "label90"}) {
        auto *label = ctl<QLabel>(name);
        win->SSTab1()->setCurrentIndex(tabOf(win, label));
        processEvents();
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(2, 2));
        ASSERT_FALSE(spy.isEmpty()) << name;
        EXPECT_EQ(spy.takeLast().at(0).toString(), s(name));
    }
    // Six of them have a help text; the date's label has none.
    EXPECT_EQ(dialogs.calls().size(), 6);
    // The label is no button: clicking does not change the record.
    EXPECT_EQ(ctl<QLineEdit>("versionText")->text(), QStringLiteral("1.0"));
}

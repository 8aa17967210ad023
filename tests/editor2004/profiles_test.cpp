#include "support/testmain.h"

#include "editor2004fixture.h"

#include "editor2004/fields2004.h"
#include "editor2004/record2004binding.h"
#include "editorkit/look.h"

#include <QLineEdit>
#include <QRadioButton>

using namespace ts;
using namespace ts::test;

namespace {

// Where each control stands after load and after each kind of category (profiles.txt, one letter per Outcome):
// g greyed (disabled, button face), w editable (white), f enabled on the button face, b enabled with the
// browse colour, o enabled and x disabled with the colour untouched.
enum Outcome { Loaded, Full, Aggregation, Asset };

Outcome outcomeOf(const QString &category)
{
    if (category.endsWith(QLatin1String("+ Optional)")))
        return Full;
    return category.startsWith(QLatin1String("Asset")) ? Asset : Aggregation;
}

} // namespace

class Profiles2004 : public Editor2004Test {
protected:
    void expectOutcome(Outcome outcome, const QString &context)
    {
        int managed = 0, enabled = 0;
        for (const QStringList &row : tableRows(QStringLiteral("profiles.txt"))) {
            SCOPED_TRACE(row[0].toStdString() + " " + context.toStdString());
            QWidget *w = ctl<QWidget>(row[0]);
            const QChar state = row[1].at(outcome), loaded = row[1].at(Loaded);
            const bool on = state != QLatin1Char('g') && state != QLatin1Char('x');
            EXPECT_EQ(w->isEnabled(), on);
            if (state != QLatin1Char('o') && state != QLatin1Char('x')) {
                EXPECT_EQ(look::backColor(w), state == QLatin1Char('w')   ? look::kWhite
                                              : state == QLatin1Char('b') ? look::kBrowseFace
                                                                          : look::kButtonFace);
            }
            // The managed controls are those the load disables; the composed typical time is never enabled.
            const bool isManaged = (loaded == QLatin1Char('g') || loaded == QLatin1Char('x')) && row[1] != "xxxx";
            managed += isManaged;
            enabled += isManaged && on;
        }
        EXPECT_EQ(managed, 99);
        EXPECT_EQ(enabled, outcome == Loaded ? 0 : outcome == Full ? 99 : outcome == Aggregation ? 36 : 32);
    }
};

// Load greys every managed control on the GENERAL tab; then the ten categories picked in list order, minimum
// and full taking turns, each apply their profile and optionalOnly, and what the fields hold stays.
TEST_F(Profiles2004, EachCategoryAppliesItsProfileAndItsOptionalOnlyFlag)
{
    expectOutcome(Loaded, QStringLiteral("load"));
    EXPECT_EQ(currentTab(), 0);
    win->enableAllInterface();
    ctl<QLineEdit>("txtSize")->setText(QStringLiteral("512"));
    for (int i = 0; i < win->cboSelectCategory()->count(); ++i) {
        const QString category = win->cboSelectCategory()->itemText(i);
        pickCategory(category);
        expectOutcome(outcomeOf(category), category);
        EXPECT_EQ(win->optionalOnly, outcomeOf(category) != Full);
        EXPECT_EQ(win->metadataCategory, category);
    }
    EXPECT_EQ(win->cboSelectCategory()->count(), 10);
    EXPECT_EQ(ctl<QLineEdit>("txtSize")->text(), QStringLiteral("512"));
    // Template editing enables every field and keeps them all in what the template stores.
    pickCategory(QStringLiteral("SCO Meta-Data(MD-XML1)"));
    win->enableAllInterface();
    win->setTemplateEditing(true);
    expectOutcome(Full, QStringLiteral("template"));
    EXPECT_FALSE(win->optionalOnly);
    EXPECT_TRUE(dialogs.calls().isEmpty());
}

// Text the program writes into the category list is refused unless the program fills the editor, and is
// applied only once the file-type question has run.
TEST_F(Profiles2004, TheChangeRuleHearsBothFlags)
{
    const QString asset = QStringLiteral("Asset Meta-Data(MD-XML1)"),
                  neutral = QStringLiteral("Select Metadata Category");
    const QString before = QStringLiteral("Activity Meta-Data (MD-XML1 + Optional)");
    const struct {
        bool dontValidate, fromQuestion;
        QString text, shown;
        bool refused, applied;
    } cases[] = {
        {false, false, asset, neutral, true, false},
        {false, true, asset, neutral, true, false},
        {true, false, asset, asset, false, false},
        {true, true, asset, asset, false, true},
        {true, true, QStringLiteral("Asset Meta-Data (MD-XML1)"), QStringLiteral("Asset Meta-Data (MD-XML1)"), false,
         false},
        {false, true, neutral, neutral, false, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text.toStdString() + (c.dontValidate ? " filling" : "") + (c.fromQuestion ? " asked" : ""));
        pickCategory(before);
        dialogs.clear();
        frmMain().dontValidate = c.dontValidate;
        frmMain().isFromSelectMetadata = c.fromQuestion;
        win->writeCategoryText(c.text);
        frmMain().dontValidate = false;
        EXPECT_EQ(dialogs.messages(), c.refused
                                          ? QStringList{QStringLiteral("Please select an item from the dropdown menu")}
                                          : QStringList());
        EXPECT_EQ(win->cboSelectCategory()->currentText(), c.shown);
        expectOutcome(c.applied ? Asset : Full, c.text);
        EXPECT_EQ(win->metadataCategory, c.applied ? asset : before);
    }
}

// A record with every field filled is put into the window and read back whole; clearing it leaves every
// field in the new-record state and the category as it was.
TEST_F(Profiles2004, ClearingAFullRecordLeavesANewRecord)
{
    Record2004 full;
    int n = 0;
    for (const fields2004::FieldSpec &f : fields2004::kFields) {
        if (auto text = std::get_if<QString Record2004::*>(&f.member))
            full.**text = QString::number(++n);
        else if (auto flag = std::get_if<bool Record2004::*>(&f.member))
            full.**flag = true;
        else if (auto list = std::get_if<QStringList Record2004::*>(&f.member))
            full.**list = {QStringLiteral("a,b"), QStringLiteral("c,d")};
    }
    pickCategory(QStringLiteral("Asset Meta-Data(MD-XML1)"));
    frmMain().dontValidate = true;
    putRecord(*win, full);
    frmMain().dontValidate = false;
    EXPECT_EQ(readRecord(*win), full);

    win->clearAll();
    Record2004 cleared;
    cleared.copyrightYes = true;
    EXPECT_EQ(readRecord(*win), cleared);
    EXPECT_TRUE(ctl<QRadioButton>("feesNo")->isChecked());
    EXPECT_EQ(win->cboSelectCategory()->currentText(), QStringLiteral("Asset Meta-Data(MD-XML1)"));
    expectOutcome(Asset, QStringLiteral("cleared"));
    EXPECT_TRUE(win->optionalOnly);
    EXPECT_TRUE(dialogs.calls().isEmpty());
}

#include "support/testmain.h"

#include "editorfixture.h"

#include "editor12/helptexts12.h"

#include <QLabel>
#include <QMap>

using namespace ts;
using namespace ts::test;

namespace {

// The labels that explain their element, tab by tab.
const char *const kHelpLabels[] = {
    "Label1",  "Label2",  "Label3",  "Label5",  "Label14", "Label29", "Label30", "Label62", "Version", "Label7",
    "Label12", "Label8",  "Label20", "Label21", "Label11", "Label9",  "Label22", "Label23", "Label31", "Label32",
    "Label39", "Label63", "Label64", "Label24", "Label25", "Label26", "Label33", "Label34", "Label35", "label90",
    "Label36", "Label56", "Label65", "Label10", "Label60", "Label61", "Label13", "Label27", "Label17", "Label18",
    "Label15", "Label16", "Label28", "Label71", "Label78", "Label76", "Label19"};

const char *const kContributors =
    "This sub-category describes those people or organizations that have affected the state of this resource\r"
    "during its evolution (includes creation, edits, and publication).\r\r"
    "Note: This sub-category is different from 3.3: MetaMetaData.Contribute.";

// Boxes pinned in full: the one without icon or title, the typographic characters, the joined quotes, the
// trailing blank lines, one text under two titles.
const struct {
    const char *label;
    const char *title;
    const char *text;
} kPinned[] = {
    {"Label1", "Tagsmith",
     "Name given to the resource. The title can be an already existing one or it may be created by teh indexer "
     "adhoc.\rBest Practice:\r1) The title should not contain numbering or sequence information (i.e., Chapter 1, "
     "Step 1, etc.).\r2) Title should not be greater than 250 characters."},
    {"Label11", "Content Location (URL) or Description",
     "The path that is used to access this resource or a description of where this resource is located.\r\rIt "
     "may be a location (e.g. Universal Resource Locator (URL)), or a method that resolves to a location (e.g. "
     "Universal Resource Identifier (URI)).\r\rNote 1: Relative URL\u2019s are permitted if the URL is relative to "
     "the location of this metadata record. Preferable location first.\rThis is where the resource described by "
     "this metadata instance is physically located."},
    {"Label24", "Interactivity Type",
     "The flow of interaction between this resource and the intended user. \r\rActive - Information also flows "
     "from the learner to this resource (e.g., games, simulations, multiple exercises).\rExpositive - Information "
     "flows mainly from this resource to the learner (e.g., text intensive).\rMixed - Good balance between active "
     "and expositive.\rUndefined \u2013 Unimportant, variable or unable to determine."},
    {"Label20", "Name(s) of organizations authoring this metadata file",
     "The identification of and information about the people or organizations contributing to this metadata "
     "instance, most relevant first.\r\rNote: This element is different from Lifecycle.Contribute.\r\r"},
    {"Label12", "Author(s)", kContributors},
    {"Label19", "Organization(s)", kContributors},
    {"Label61", "Copyright or Other Restrictions",
     "Whether copyright or other restrictions apply to the use of this resource.\r\rYes - Requires Payment\r"
     "No - No Payment Required"},
};

int tabOf(FrmOptions *win, const QWidget *w)
{
    for (int i = 0; i < win->SSTab1()->count(); ++i)
        if (win->SSTab1()->widget(i)->isAncestorOf(w))
            return i;
    return -1;
}

} // namespace

class HelpTexts : public EditorTest {
protected:
    // Clicks the label on its tab, as the user does, and answers the boxes it shows.
    QList<DialogCall> click(QLabel *label)
    {
        win->SSTab1()->setCurrentIndex(tabOf(win, label));
        processEvents();
        dialogs.clear();
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(2, 2));
        return dialogs.calls();
    }
};

TEST_F(HelpTexts, EachHelpLabelShowsItsBoxAndNoOtherLabelShowsOne)
{
    QStringList expected, inTable;
    for (const char *name : kHelpLabels)
        expected << QString::fromLatin1(name);
    for (const HelpText &row : kHelpTexts12)
        inTable << QString::fromLatin1(row.label);
    EXPECT_EQ(inTable, expected);

    QMap<QString, DialogCall> shown;
    for (const HelpText &row : kHelpTexts12) {
        auto *label = ctl<QLabel>(row.label);
        ASSERT_TRUE(label);
        const QList<DialogCall> calls = click(label);
        ASSERT_EQ(calls.size(), 1) << row.label;
        const DialogCall &box = calls.first();
        EXPECT_EQ(box.kind, DialogCall::Kind::Message);
        EXPECT_EQ(box.buttons, Buttons::Ok);
        EXPECT_EQ(box.text, QString::fromUtf8(row.text)) << row.label;
        // Every box has the information icon and a title of its own, but the title's.
        const bool titled = *row.title;
        EXPECT_EQ(box.icon, titled ? Icon::Information : Icon::None) << row.label;
        EXPECT_EQ(box.title, titled ? QString::fromUtf8(row.title) : QStringLiteral("Tagsmith")) << row.label;
        EXPECT_FALSE(box.text.contains(QLatin1Char('\n'))) << row.label;
        shown.insert(label->objectName(), box);
    }
    for (const auto &p : kPinned) {
        EXPECT_EQ(shown.value(p.label).title, QString::fromUtf8(p.title)) << p.label;
        EXPECT_EQ(shown.value(p.label).text, QString::fromUtf8(p.text)) << p.label;
    }
    EXPECT_TRUE(shown.value("Label14").text.contains(
        QStringLiteral("connected by\"previous\"and\"next\"relationships.)\rBranching")));

    // Every other label of the window, blue or not, shows nothing; the unit converter's has its own test.
    for (QLabel *label : win->findChildren<QLabel *>()) {
        const QString name = label->objectName();
        if (name.isEmpty() || shown.contains(name) || name == QLatin1String("lblConvertToBytes"))
            continue;
        EXPECT_TRUE(click(label).isEmpty()) << name.toStdString();
    }
    // Nothing in the record changed.
    EXPECT_EQ(win->fieldText(QStringLiteral("versionText")), QStringLiteral("1.0"));
}

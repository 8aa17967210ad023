#include "support/testmain.h"

#include "editorfixture.h"

#include <QFile>

using namespace ts;
using namespace ts::test;

// Two parts become one item and go back into their fields: a contributor splits at its last comma, a taxon at
// its first; an empty part adds nothing. Remove asks about the selected item, Remove All about the list.
TEST_F(EditorTest, TwoPartListsAddReadBackAndRemove)
{
    const struct {
        const char *first, *firstValue, *second, *secondValue, *list, *item;
    } rows[] = {
        {"contentAuthorsText", "Ann", "cboConRole", "", "lstFiles", ""},
        {"contentAuthorsText", "Hopper, Grace", "cboConRole", "Author", "lstFiles", "Hopper, Grace,Author"},
        {"txtTaxonId", "571.6", "txtTaxonEntry", "Cell biology, general", "lstTaxon", "571.6,Cell biology, general"},
    };
    win->setCategoryText(QStringLiteral("Content Aggregation Meta-Data (MD-XML1 + Optional)"));
    for (const auto &row : rows) {
        ctl<QListWidget>(row.list)->clear();
        set(row.first, row.firstValue);
        set(row.second, row.secondValue);
        press(row.list == QByteArray("lstFiles") ? "cmdAddSingle" : "cmdAddTaxon");
        EXPECT_EQ(listItems(row.list), *row.item ? QStringList({row.item}) : QStringList());
        if (*row.item)
            clickItem(row.list, 0);
        EXPECT_EQ(win->fieldText(row.first) + '|' + win->fieldText(row.second),
                  QString::fromUtf8(row.firstValue) + '|' + row.secondValue);
    }
    const QString one = QStringLiteral("Do you wish to remove this item from the list?");
    const struct {
        const char *button;
        int select; // -1: nothing selected
        Answer answer;
        QString asked;
        QStringList left;
    } removals[] = {
        {"cmdRemSingle", -1, Answer::Ok, "Please make a selection", {"Hopper, Grace,Author", "b,B"}},
        {"cmdRemSingle", 0, Answer::Yes, one, {"b,B"}},
        {"cmdRemAll", -1, Answer::Yes, "This will clear the file list. Continue?", {}},
    };
    ctl<QListWidget>("lstFiles")->addItem(QStringLiteral("b,B"));
    for (const auto &row : removals) {
        ctl<QListWidget>("lstFiles")->setCurrentRow(row.select);
        dialogs.clear();
        if (row.answer != Answer::Ok)
            dialogs.answer(row.answer);
        press(row.button);
        ASSERT_EQ(dialogs.messages(), QStringList({row.asked}));
        EXPECT_EQ(dialogs.calls()[0].title, row.answer == Answer::Ok ? QStringLiteral("Tagsmith") : "Confirm");
        EXPECT_EQ(listItems("lstFiles"), row.left);
    }
}

// Adding a classification: a required field, the question about a taxon not added, the id's tests; only a
// written fragment is listed, and the entry is emptied then. Update rewrites the selected id's fragment; a
// fragment that is gone is reported when its id is clicked.
TEST_F(EditorTest, ClassificationFlows)
{
    const QString taxon = QStringLiteral("You may have some Taxon data that you have not yet added to the "
                                         "classification.\rDo you wish to continue?");
    const struct {
        const char *id, *purpose, *taxonId;
        std::initializer_list<Answer> answers;
        QString asked; // or the start of it
        bool added;
    } rows[] = {
        {"c2", "", "", {}, "What classification should this SCO or Asset have associated with it ?", false},
        {"c2", "Idea", "570", {Answer::No}, taxon, false},
        {"c2", "Idea", "570", {Answer::Yes}, taxon, true},
        {"", "Idea", "", {}, "You must identify this classification", false},
        {"c1", "Idea", "", {}, "You are already using this id. Either delete it form the list or use a different id.",
         false},
        {"C1", "Idea", "", {}, "", true},
        {"../c3", "Idea", "", {}, "The classification id \"../c3\" cannot be used as a file name.", false},
    };
    win->setCategoryText(QStringLiteral("Asset Meta-Data(MD-XML1 + Optional)"));
    for (const auto &row : rows) {
        SCOPED_TRACE(row.id);
        ctl<QListWidget>("lstClassification")->clear();
        ctl<QListWidget>("lstClassification")->addItem(QStringLiteral("c1"));
        for (const auto &[field, value] : {std::pair{"txtClassIdent", row.id}, {"classificationCombo", row.purpose},
                                           {"classificationText", "d"}, {"classificationKeywordsText", "k"},
                                           {"txtTaxonId", row.taxonId}})
            set(field, value);
        dialogs.clear();
        for (Answer a : row.answers)
            dialogs.answer(a);
        press("cmdAddClass");
        EXPECT_EQ(dialogs.messages().size(), row.asked.isEmpty() ? 0 : 1);
        EXPECT_TRUE(dialogs.messages().value(0, QStringLiteral("")).startsWith(row.asked));
        EXPECT_EQ(listItems("lstClassification").size() == 2, row.added);
        EXPECT_EQ(win->fieldText("classificationText").isEmpty(), row.added);
        EXPECT_EQ(QFile::exists(path(QStringLiteral("temp12/%1.xml").arg(row.id))), row.added);
    }
    EXPECT_EQ(win->focusWidget(), win->control("classificationCombo")); // from the first row
    dialogs.clear();
    press("cmdUpdate");
    ctl<QListWidget>("lstClassification")->addItem(QStringLiteral("c2"));
    ctl<QListWidget>("lstClassification")->setCurrentRow(1);
    set("classificationText", "Cells only");
    press("cmdUpdate");
    EXPECT_TRUE(readFile(QStringLiteral("temp12/c2.xml")).contains(">Cells only<"));
    clickItem("lstClassification", 0);
    EXPECT_EQ(dialogs.messages(), QStringList({"Please make a selection", "The data for this classification has been "
                                               "moved or deleted.\rDelete this entry and re-enter it."}));
    EXPECT_TRUE(listItems("lstTaxon").isEmpty());
    EXPECT_EQ(win->fieldText("classificationText"), QStringLiteral("Cells only"));
    EXPECT_FALSE(frmMain().dontValidate);
}

#include "support/testmain.h"

#include "../model2004/fixtures2004.h"
#include "../model2004/reader2004_support.h"
#include "editor2004fixture.h"

#include "editor2004/record2004binding.h"

#include <QFile>

using namespace ts;
using namespace ts::test;

// The list editors like a user: two parts become one item and go back into their fields (a contributor splits
// at its last comma, a taxon at its first); Remove and Remove All ask first; a classification is stored under
// a new id that can name a file, read back when clicked, rewritten by Update, and reported once its file is
// gone.
TEST_F(Editor2004Test, ListEditorsAddReadBackRemoveAndStoreClassifications)
{
    win->setCategoryText(QStringLiteral("Content Aggregation Meta-Data (MD-XML1 + Optional)"));
    const struct {
        const char *first, *firstValue, *second, *secondValue, *add, *list, *item;
    } twoParts[] = {
        {"contentAuthorsText", "Ann", "cboConRole", "", "cmdAddSingle", "lstFiles", ""},
        {"contentAuthorsText", "Hopper, Grace", "cboConRole", "author", "cmdAddSingle", "lstFiles",
         "Hopper, Grace,author"},
        {"metadataAuthorsText", "Ng, Li", "cboCreatorRole", "validator", "cmdAdd1", "lstMetaContrib",
         "Ng, Li,validator"},
        {"txtTaxonId", "571.6", "txtTaxonEntry", "Cell biology, general", "cmdAddTaxon", "lstTaxon",
         "571.6,Cell biology, general"},
    };
    for (const auto &row : twoParts) {
        SCOPED_TRACE(row.item);
        ctl<QListWidget>(row.list)->clear();
        set(row.first, QString::fromUtf8(row.firstValue));
        set(row.second, QString::fromUtf8(row.secondValue));
        press(row.add);
        EXPECT_EQ(listItems(row.list), *row.item ? QStringList({row.item}) : QStringList());
        if (*row.item)
            clickItem(row.list, 0);
        EXPECT_EQ(win->fieldText(row.first) + '|' + win->fieldText(row.second),
                  QString::fromUtf8(row.firstValue) + '|' + row.secondValue);
    }
    const struct {
        const char *button;
        int select; // -1: nothing selected
        Answer answer;
        QString asked;
        QStringList left;
    } removals[] = {
        {"cmdRem1", -1, Answer::Ok, "Please make a selection", {"Ng, Li,validator", "b,creator"}},
        {"cmdRem1", 0, Answer::No, "Do you wish to remove this item from the list?", {"Ng, Li,validator", "b,creator"}},
        {"cmdRem1", 0, Answer::Yes, "Do you wish to remove this item from the list?", {"b,creator"}},
        {"cmdRemAll1", -1, Answer::Yes, "This will clear the list. Continue?", {}},
    };
    ctl<QListWidget>("lstMetaContrib")->addItem(QStringLiteral("b,creator"));
    for (const auto &row : removals) {
        ctl<QListWidget>("lstMetaContrib")->setCurrentRow(row.select);
        dialogs.clear();
        if (row.answer != Answer::Ok)
            dialogs.answer(row.answer);
        press(row.button);
        EXPECT_EQ(dialogs.messages(), QStringList({row.asked}));
        EXPECT_EQ(listItems("lstMetaContrib"), row.left);
    }

    // Classifications: the id's tests, then what is stored is what comes back.
    const QString duplicate = QStringLiteral("You are already using this id. Either delete it form the list or use a "
                                             "different id.");
    const struct {
        const char *id;
        QString asked;
        bool added;
    } ids[] = {
        {"c1", "", true},
        {"c1", duplicate, false},
        {"C1", "", true},
        {"", "You must identify this classification", false},
        {"../c3", "The classification id \"../c3\" cannot be used as a file name.", false},
    };
    const Record2004 entry = classificationRecord2004();
    for (const auto &row : ids) {
        SCOPED_TRACE(row.id);
        frmMain().dontValidate = true;
        putRecord(*win, [&] {
            Record2004 r = entry;
            r.txtClassIdent = QString::fromUtf8(row.id);
            r.lstClassification = listItems("lstClassification");
            return r;
        }());
        frmMain().dontValidate = false;
        const qsizetype before = listItems("lstClassification").size();
        dialogs.clear();
        press("cmdAddClass");
        EXPECT_TRUE(dialogs.messages().value(0, QStringLiteral("")).startsWith(row.asked));
        EXPECT_EQ(listItems("lstClassification").size(), before + row.added);
        EXPECT_EQ(QFile::exists(path(QStringLiteral("temp/%1.xml").arg(row.id))), row.added || *row.id == 'c');
    }
    set("txtClassIdent", QString());
    clickItem("lstClassification", 0);
    Record2004 expected = entry;
    expected.lstClassification = {QStringLiteral("c1"), QStringLiteral("C1")};
    expected.classificationKeywordsText = QStringLiteral("biology,cells"); // each keyword trimmed
    EXPECT_EQ(changedFields(readRecord(*win), expected), QStringList());

    dialogs.clear();
    ctl<QListWidget>("lstClassification")->clearSelection();
    press("cmdUpdate");
    clickItem("lstClassification", 1);
    set("classificationText", QStringLiteral("Cells only"));
    press("cmdUpdate");
    EXPECT_TRUE(readFile(QStringLiteral("temp/C1.xml")).contains(">Cells only<"));
    QFile::remove(path(QStringLiteral("temp/c1.xml")));
    clickItem("lstClassification", 0);
    EXPECT_EQ(dialogs.messages(), QStringList({"Please make a selection", "The data for this classification has been "
                                               "moved or deleted.\rDelete this entry and re-enter it."}));
    EXPECT_EQ(win->fieldText("classificationText"), QStringLiteral("Cells only"));
    EXPECT_FALSE(frmMain().dontValidate);
}

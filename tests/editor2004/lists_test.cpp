#include "support/testmain.h"

#include "../model2004/fixtures2004.h"
#include "../model2004/reader2004_support.h"
#include "editor2004fixture.h"

#include "editor2004/record2004binding.h"

#include <QFile>

using namespace ts;
using namespace ts::test;

// The list editors like a user: two parts become one item and go back into their fields (a contributor splits
// at its last comma, a taxon at its first); Remove All asks first; a classification is stored under a new id
// that can name a file, read back when clicked, and reported once its file is gone.
TEST_F(Editor2004Test, ListEditorsAddReadBackRemoveAndStoreClassifications)
{
    win->setCategoryText(QStringLiteral("Content Aggregation Meta-Data (MD-XML1 + Optional)"));
    frmMain().dontValidate = true;
    for (const auto &[first, firstValue, second, secondValue, add, list, item] :
         {std::tuple{"contentAuthorsText", "Ann", "cboConRole", "", "cmdAddSingle", "lstFiles", ""},
          {"contentAuthorsText", "Hopper, Grace", "cboConRole", "author", "cmdAddSingle", "lstFiles",
           "Hopper, Grace,author"},
          {"metadataAuthorsText", "Ng, Li", "cboCreatorRole", "validator", "cmdAdd1", "lstMetaContrib",
           "Ng, Li,validator"},
          {"txtTaxonId", "570", "txtTaxonEntry", "Life, sciences", "cmdAddTaxon", "lstTaxon", "570,Life, sciences"}}) {
        win->setFieldText(first, firstValue);
        win->setFieldText(second, secondValue);
        press(add);
        EXPECT_EQ(listItems(list), *item ? QStringList({item}) : QStringList());
        if (*item)
            clickItem(list, 0);
        EXPECT_EQ(win->fieldText(first) + '|' + win->fieldText(second), firstValue + QString('|') + secondValue);
    }
    dialogs.answer(Answer::Yes);
    press("cmdRemAll1");
    EXPECT_EQ(dialogs.messages(), QStringList({"This will clear the list. Continue?"}));
    EXPECT_TRUE(listItems("lstMetaContrib").isEmpty());

    const Record2004 entry = classificationRecord2004();
    for (const auto &[id, asked, added] :
         {std::tuple{"c1", "", true},
          {"c1", "You are already using this id. Either delete it form the list or use a different id.", false},
          {"C1", "", true}, {"", "You must identify this classification", false},
          {"../c3", "The classification id \"../c3\" cannot be used as a file name.\rThe name may not contain \"/\" or "
                    "\"\\\".",
           false}}) {
        Record2004 typed = entry;
        typed.txtClassIdent = QString::fromUtf8(id);
        typed.lstClassification = listItems("lstClassification");
        frmMain().dontValidate = true;
        putRecord(*win, typed);
        frmMain().dontValidate = false;
        dialogs.clear();
        press("cmdAddClass");
        EXPECT_EQ(dialogs.messages(), *asked ? QStringList({asked}) : QStringList()) << id;
        EXPECT_EQ(listItems("lstClassification").size(), typed.lstClassification.size() + added) << id;
    }
    win->setFieldText("txtClassIdent", QString());
    clickItem("lstClassification", 0);
    Record2004 expected = entry;
    expected.lstClassification = {QStringLiteral("c1"), QStringLiteral("C1")};
    expected.classificationKeywordsText = QStringLiteral("biology,cells"); // each keyword trimmed
    EXPECT_EQ(changedFields(readRecord(*win), expected), QStringList());

    // Update with nothing selected writes nothing.
    dialogs.clear();
    ctl<QListWidget>("lstClassification")->clearSelection();
    win->setFieldText("classificationText", QStringLiteral("Cells only"));
    press("cmdUpdate");
    QFile::remove(path(QStringLiteral("temp/c1.xml")));
    clickItem("lstClassification", 0);
    EXPECT_EQ(dialogs.messages(), QStringList({"Please make a selection", "The data for this classification has been "
                                               "moved or deleted.\rDelete this entry and re-enter it."}));
    EXPECT_EQ(win->fieldText("classificationText"), QStringLiteral("Cells only"));
    EXPECT_FALSE(frmMain().dontValidate);
}

#include "support/testmain.h"

#include "editorfixture.h"

#include "editor12/record12binding.h"

#include <QFile>
#include <QListWidget>
#include <QPushButton>

using namespace ts;
using namespace ts::test;

namespace {

class Lists : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        win->setCategoryText(QStringLiteral("Content Aggregation Meta-Data (MD-XML1 + Optional)"));
    }
    QListWidget *list(const char *name) { return ctl<QListWidget>(name); }
    QStringList items(const char *name)
    {
        QStringList out;
        for (int i = 0; i < list(name)->count(); ++i)
            out << list(name)->item(i)->text();
        return out;
    }
    void set(const QString &field, const QString &text)
    {
        frmMain().dontValidate = true;
        win->setFieldText(field, text);
        frmMain().dontValidate = false;
    }
    QString text(const char *field) { return win->fieldText(QString::fromUtf8(field)); }
    void press(const char *button)
    {
        ctl<QPushButton>(button)->click();
        processEvents();
    }
    void clickItem(const char *name, int row)
    {
        win->SSTab1()->setCurrentIndex(win->field(QString::fromUtf8(name))->tab);
        const QRect item = list(name)->visualItemRect(list(name)->item(row));
        QTest::mouseClick(list(name)->viewport(), Qt::LeftButton, {}, item.center());
        processEvents();
    }
};

} // namespace

// Two parts become one item and go back into their fields: a contributor splits at its last comma, a taxon at
// its first; an empty part adds nothing.
TEST_F(Lists, TwoPartItemsAreAddedAndReadBack)
{
    const struct {
        const char *first, *firstValue, *second, *secondValue, *add, *list, *item;
    } rows[] = {
        {"contentAuthorsText", "Hopper, Grace", "cboConRole", "Author", "cmdAddSingle", "lstFiles",
         "Hopper, Grace,Author"},
        {"contentAuthorsText", "Ann", "cboConRole", "", "cmdAddSingle", "lstFiles", ""},
        {"txtTaxonId", "571.6", "txtTaxonEntry", "Cell biology, general", "cmdAddTaxon", "lstTaxon",
         "571.6,Cell biology, general"},
        {"txtTaxonId", "", "txtTaxonEntry", "Botany", "cmdAddTaxon", "lstTaxon", ""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.firstValue);
        list(row.list)->clear();
        set(row.first, row.firstValue);
        set(row.second, row.secondValue);
        press(row.add);
        if (!*row.item) {
            EXPECT_TRUE(items(row.list).isEmpty());
            EXPECT_EQ(text(row.first), QString::fromUtf8(row.firstValue));
            continue;
        }
        EXPECT_EQ(items(row.list), QStringList({row.item}));
        EXPECT_EQ(text(row.first) + text(row.second), QString());
        clickItem(row.list, 0);
        EXPECT_EQ(text(row.first), QString::fromUtf8(row.firstValue));
        EXPECT_EQ(text(row.second), QString::fromUtf8(row.secondValue));
    }
    EXPECT_TRUE(dialogs.calls().isEmpty());
}

// Remove asks about the selected item, Remove All about the whole list; removing an id keeps its fragment.
TEST_F(Lists, RemovingAsksFirst)
{
    const QString noSelection = QStringLiteral("Please make a selection");
    const QString one = QStringLiteral("Do you wish to remove this item from the list?");
    const QString all = QStringLiteral("This will clear the file list. Continue?");
    const struct {
        const char *list, *button;
        int select; // -1: nothing selected
        Answer answer;
        QString asked;
        QStringList left;
    } rows[] = {
        {"lstFiles", "cmdRemSingle", -1, Answer::Ok, noSelection, {"a,Author", "b,Editor", "c,Unknown"}},
        {"lstFiles", "cmdRemSingle", 1, Answer::No, one, {"a,Author", "b,Editor", "c,Unknown"}},
        {"lstFiles", "cmdRemSingle", 1, Answer::Yes, one, {"a,Author", "c,Unknown"}},
        {"lstFiles", "cmdRemAll", -1, Answer::No, all, {"a,Author", "b,Editor", "c,Unknown"}},
        {"lstFiles", "cmdRemAll", -1, Answer::Yes, all, {}},
        {"lstTaxon", "cmdRemTaxon", 0, Answer::Yes, one, {"b,Editor", "c,Unknown"}},
        {"lstClassification", "cmdRemClass", 2, Answer::Yes, one, {"a,Author", "b,Editor"}},
        {"lstClassification", "cmdRemAllClass", -1, Answer::Yes, all, {}},
    };
    writeFile(QStringLiteral("temp12/a,Author.xml"), "<classification/>\r\n");
    for (const auto &row : rows) {
        SCOPED_TRACE(std::string(row.button) + " " + std::to_string(row.select));
        list(row.list)->clear();
        list(row.list)->addItems({"a,Author", "b,Editor", "c,Unknown"});
        list(row.list)->setCurrentRow(row.select);
        dialogs.clear();
        if (row.answer != Answer::Ok)
            dialogs.answer(row.answer);
        press(row.button);
        ASSERT_EQ(dialogs.calls().size(), 1);
        EXPECT_EQ(dialogs.calls()[0].text, row.asked);
        EXPECT_EQ(dialogs.calls()[0].title, row.answer == Answer::Ok ? QStringLiteral("Tagsmith") : "Confirm");
        EXPECT_EQ(items(row.list), row.left);
        EXPECT_TRUE(list(row.list)->selectedItems().isEmpty() || row.answer != Answer::Yes);
    }
    EXPECT_EQ(readFile(QStringLiteral("temp12/a,Author.xml")), "<classification/>\r\n");
}

// Adding a classification: its required fields, the question about a taxon not added, the id's tests; only a
// written fragment is listed, and then the entry is emptied.
TEST_F(Lists, ClassificationAddAndUpdateFlows)
{
    const QString taxonQuestion = QStringLiteral("You may have some Taxon data that you have not yet added to the "
                                                 "classification.\rDo you wish to continue?");
    const struct {
        const char *id, *purpose, *description, *keywords, *taxonId;
        std::initializer_list<Answer> answers;
        QStringList asked; // the last may be the start of a longer text
        const char *focus;
        QStringList listed;
    } rows[] = {
        {"c2", "", "d", "k", "", {}, {"What classification should this SCO or Asset have associated with it ?"},
         "classificationCombo", {"c1"}},
        {"c2", "Idea", "", "k", "", {}, {"Please provide a brief description of this Classification"},
         "classificationText", {"c1"}},
        {"c2", "Idea", "d", "", "", {}, {"Please provide as least one keyword to describe this Classification"},
         "classificationKeywordsText", {"c1"}},
        {"c2", "Idea", "d", "k", "570", {Answer::No}, {taxonQuestion}, "", {"c1"}},
        {"c2", "Idea", "d", "k", "570", {Answer::Yes}, {taxonQuestion}, "", {"c1", "c2"}},
        {"", "Idea", "d", "k", "", {}, {"You must identify this classification"}, "", {"c1"}},
        {"c1", "Idea", "d", "k", "", {}, {"You are already using this id. Either delete it form the list or use a "
                                          "different id."}, "", {"c1"}},
        {"C1", "Idea", "d", "k", "", {}, {}, "", {"c1", "C1"}},
        {"../c3", "Idea", "d", "k", "", {}, {"The classification id \"../c3\" cannot be used as a file name."}, "",
         {"c1"}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.id + std::string(" ") + row.purpose + row.description + row.keywords + row.taxonId);
        list("lstClassification")->clear();
        list("lstClassification")->addItem(QStringLiteral("c1"));
        for (const auto &[field, value] : {std::pair{"txtClassIdent", row.id}, {"classificationCombo", row.purpose},
                                           {"classificationText", row.description},
                                           {"classificationKeywordsText", row.keywords}, {"txtTaxonId", row.taxonId}})
            set(field, value);
        dialogs.clear();
        for (Answer a : row.answers)
            dialogs.answer(a);
        win->SSTab1()->setCurrentIndex(0);
        press("cmdAddClass");
        ASSERT_EQ(dialogs.messages().size(), row.asked.size()) << dialogs.messages().join('|').toStdString();
        for (int i = 0; i < row.asked.size(); ++i)
            EXPECT_TRUE(dialogs.messages()[i].startsWith(row.asked[i])) << dialogs.messages()[i].toStdString();
        EXPECT_EQ(items("lstClassification"), row.listed);
        const bool added = row.listed.size() == 2;
        EXPECT_EQ(text("classificationText").isEmpty(), added || !*row.description);
        EXPECT_EQ(QFile::exists(path(QStringLiteral("temp12/%1.xml").arg(row.id))), added);
        if (*row.focus) {
            EXPECT_EQ(currentTab(), 8);
            EXPECT_EQ(win->focusWidget(), win->control(QString::fromUtf8(row.focus)));
        }
    }
    // Update rewrites the selected id's fragment, and asks for a selection when there is none.
    dialogs.clear();
    press("cmdUpdate");
    EXPECT_EQ(dialogs.messages(), QStringList({"Please make a selection"}));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("temp12/.xml"))));
}

// A classification added, clicked and read back; updated and read back; its fragment gone.
TEST_F(Lists, ClassificationIsReadBackFromItsFragment)
{
    const QStringList fields = {"classificationCombo", "classificationText", "classificationKeywordsText",
                                "txtTaxonSource"};
    const QStringList values = {"Discipline", "Life sciences & <health>", "biology,cells", "Dewey"};
    for (int i = 0; i < fields.size(); ++i)
        set(fields[i], values[i]);
    for (const auto &[id, entry] : {std::pair{"570", "Life sciences"}, {"571.6", "Cell biology, general"}}) {
        set("txtTaxonId", id);
        set("txtTaxonEntry", entry);
        press("cmdAddTaxon");
    }
    const QStringList taxa = items("lstTaxon");
    set("txtClassIdent", "life");
    press("cmdAddClass");
    ASSERT_EQ(items("lstClassification"), QStringList({"life"}));
    EXPECT_TRUE(items("lstTaxon").isEmpty());

    clickItem("lstClassification", 0);
    for (int i = 0; i < fields.size(); ++i)
        EXPECT_EQ(win->fieldText(fields[i]), values[i]) << fields[i].toStdString();
    EXPECT_EQ(items("lstTaxon"), taxa);
    EXPECT_EQ(text("txtClassIdent"), QString());

    set("classificationText", "Cells only");
    set("txtClassIdent", "other");
    press("cmdUpdate");
    set("classificationText", "");
    clickItem("lstClassification", 0);
    EXPECT_EQ(text("classificationText"), QStringLiteral("Cells only"));
    EXPECT_EQ(items("lstClassification"), QStringList({"life"}));
    EXPECT_TRUE(dialogs.calls().isEmpty());

    QFile::remove(path(QStringLiteral("temp12/life.xml")));
    clickItem("lstClassification", 0);
    EXPECT_EQ(dialogs.messages(), QStringList({"The data for this classification has been moved or deleted.\rDelete "
                                               "this entry and re-enter it."}));
    EXPECT_TRUE(items("lstTaxon").isEmpty());
    EXPECT_EQ(text("classificationText"), QStringLiteral("Cells only"));
    EXPECT_FALSE(frmMain().dontValidate);
}

#include "support/testmain.h"

#include "../model2004/fixtures2004.h"
#include "../model2004/reader2004_support.h"
#include "editor2004fixture.h"

#include "editor2004/record2004binding.h"
#include "frame/frmdocument.h"
#include "frame/templates.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>

using namespace ts;
using namespace ts::test;

// Export: the category picks the checks (relaxed for assets) and the writer; a miss shows its message, brings
// its tab and field to front and runs no writer; the window is minimised once a writer has returned.
TEST_F(Editor2004Test, ExportChecksTheRequiredFieldsThenRunsTheCategorysWriter)
{
    const QString CA = "Content Aggregation Meta-Data (MD-XML1", SCO = "SCO Meta-Data(MD-XML1",
                  CO = "Content Organization Meta-Data (MD-XML1", AC = "Activity Meta-Data (MD-XML1",
                  AS = "Asset Meta-Data(MD-XML1", min = ")", opt = " + Optional)";
    const struct {
        QString category;
        std::initializer_list<std::pair<const char *, const char *>> set;
        QString message;
        int tab;           // -1: the tab stays
        const char *focus; // "": the focus stays in titleText
    } rows[] = {
        {CA + min, {{"titleText", ""}}, "Please fill in a Title", 0, "titleText"},
        {CA + opt, {{"catalogEntryText", ""}}, "Please fill in a Catalog Entry", 0, "catalogEntryText"},
        {SCO + opt, {{"catalogText", ""}}, "Please fill in a Catalog Type", 0, "catalogText"},
        {CO + opt, {{"courseDescription", ""}}, "Please provide a description", 0, "courseDescription"},
        {AS + opt, {{"keywordsText", ""}}, "Please fill in at least one keyword", 0, "keywordsText"},
        {AC + opt, {{"versionText", ""}}, "Please fill in a version Number.", 1, "versionText"},
        {CA + opt, {{"lifecycleStatusCombo", ""}}, "Please select the Status of this Lifecycle", 1,
         "lifecycleStatusCombo"},
        {AS + min, {{"lstFiles", ""}}, "Please enter a Contributor Name and Role of this Lifecycle", 1, "lstFiles"},
        {SCO + opt, {{"htmlCheck", ""}, {"gifCheck", ""}, {"pdfCheck", ""}, {"otherContentTypeText", ""}},
         "Please select at least one Content Data Type", 3, "htmlCheck"},
        {CA + opt, {{"locationText", ""}}, "Please fill in the location of this SCO or Asset", 3, "locationText"},
        {AS + opt, {{"lstClassification", ""}}, "Resources must have a classification.", 8, "classificationCombo"},
        // Each of the ten texts runs its writer, some with what their checks let go; assets ask for less.
        {CA + min, {{"titleText", " "}}, ran("createAggregation"), -1, ""},
        {CA + opt, {}, ran("createAggregation"), -1, ""},
        {SCO + min, {}, ran("createSCO"), -1, ""},
        {SCO + opt, {}, ran("createSCO"), -1, ""},
        {CO + min, {}, ran("createSCO"), -1, ""},
        {CO + opt, {}, ran("createSCO"), -1, ""},
        {AC + min, {}, ran("createSCO"), -1, ""},
        {AC + opt, {{"htmlCheck", ""}, {"gifCheck", ""}, {"pdfCheck", ""}}, ran("createSCO"), -1, ""},
        {AS + min, {{"catalogEntryText", ""}, {"catalogText", ""}, {"versionText", ""}, {"lifecycleStatusCombo", ""}},
         ran("createAsset"), -1, ""},
        {AS + opt, {}, ran("createAsset"), -1, ""},
        {"Select Metadata Category", {}, "Select a Metadata Category", -1, ""},
    };
    setWriter2004FaultHook(probe);
    for (const auto &row : rows)
        exportRow(row.category, fullRecord2004(), row.set, row.message, row.tab, row.focus);
    setWriter2004FaultHook(nullptr);
}

// The age range follows either of its lists as the user picks.
TEST_F(Editor2004Test, AgeRangeFollowsEitherList)
{
    win->setCategoryText(QStringLiteral("Content Aggregation Meta-Data (MD-XML1 + Optional)"));
    win->SSTab1()->setCurrentIndex(4);
    for (const auto &[list, item, range] : {std::tuple{"cboMinAge", "10", "10 - "}, {"cboMaxAge", "20", "10 - 20"},
                                           {"cboMinAge", "30", "30 - 20"}, {"cboMaxAge", "no max", "30 - "}}) {
        pickItem(ctl<QComboBox>(list), ctl<QComboBox>(list)->findText(QLatin1String(item)));
        EXPECT_EQ(win->fieldText("txtTypicalAgeRange"), QLatin1String(range)) << list << item;
    }
}

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
    // A folder in the fragment's place is no missing fragment: the click's own error text.
    QFile::remove(path(QStringLiteral("temp/C1.xml")));
    QDir().mkpath(path(QStringLiteral("temp/C1.xml")));
    clickItem("lstClassification", 1);
    EXPECT_EQ(dialogs.messages(), QStringList({"Please make a selection", "The data for this classification has been "
                                               "moved or deleted.\rDelete this entry and re-enter it.",
                                               "Error 75 (Path/File access error ) in lstClassification_click()"}));
    EXPECT_EQ(win->fieldText("classificationText"), QStringLiteral("Cells only"));
    EXPECT_FALSE(frmMain().dontValidate);
}

// A full record with a classification added in the editor, exported, valid against the loose IEEE LOM schema,
// and opened back into the same fields; saved as a template, it opens back into them too.
class EndToEnd2004 : public Editor2004Test {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        startMain(QStringLiteral("2004"));
        win = &frmOptions2004();
    }
};

TEST_F(EndToEnd2004, ExportedRecordIsValidAndOpensBackIntoTheSameFields)
{
    pickCategory(QStringLiteral("Content Aggregation Meta-Data (MD-XML1 + Optional)"));
    const Record2004 entry = classificationRecord2004();
    Record2004 full = fullRecord2004();
    for (auto member : {&Record2004::classificationCombo, &Record2004::classificationText,
                        &Record2004::classificationKeywordsText, &Record2004::txtTaxonSource})
        full.*member = entry.*member;
    full.lstTaxon = entry.lstTaxon;
    full.txtClassIdent = QStringLiteral("life");
    full.lstClassification.clear();
    // Values as the writers trim them, so that they read back as they are.
    full.keywordsText = QStringLiteral("cell,tissue,organ");
    full.lstFiles = QStringList{"Ann Smith,author", "Bob Jones,publisher"};
    full.locationText = QStringLiteral("lessons/cell.html");
    full.otherContentTypeText = QStringLiteral("image/png,text/css");
    frmMain().dontValidate = true;
    putRecord(*win, full);
    frmMain().dontValidate = false;
    press("cmdAddClass");
    press("cmbMakeXML");
    EXPECT_TRUE(dialogs.calls().isEmpty()) << dialogs.messages().join('|').toStdString();
    EXPECT_TRUE(win->childState() & Qt::WindowMinimized);
    ASSERT_TRUE(frmDocumentLoaded() && frmDocument().isShownChild()); // the document window as for SCORM 1.2
    const QString document = frmDocument().rtfXMLOutput()->toPlainText();
    if (!sharedDir().isEmpty()) {
        EXPECT_TRUE(validLom(QStringLiteral("lomLoose.xsd"), document));
    }

    // What the editor holds once the record was written: the durations composed, the classification listed.
    Record2004 written = readRecord(*win);
    EXPECT_EQ(written.txtDuration + written.txtTypicalTime, "P00Y00M00DT00H45M00SP00Y00M00DT01H30M00S");
    written.lstClassification = {QStringLiteral("1")};
    writeFile(QStringLiteral("cells.xml"), document.toUtf8());
    frmMain().openSelectedFile(false, path(QStringLiteral("cells.xml")), false);
    EXPECT_FALSE(win->childState() & Qt::WindowMinimized);
    EXPECT_EQ(changedFields(readRecord(*win), written), QStringList());

    ASSERT_TRUE(saveTemplate(QStringLiteral("full.tsm"), frmMain().scormVersion));
    win->clearAll();
    ASSERT_TRUE(openTemplate(templatePath(QStringLiteral("full.tsm"))));
    EXPECT_EQ(changedFields(readRecord(*win), written), QStringList());
    clickItem("lstClassification", 0);
    EXPECT_EQ(readRecord(*win).lstTaxon, entry.lstTaxon);
    EXPECT_TRUE(dialogs.calls().isEmpty()) << dialogs.messages().join('|').toStdString();
}

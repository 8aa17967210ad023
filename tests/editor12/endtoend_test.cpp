#include "support/testmain.h"

#include "../platform/schema_support.h"
#include "editorfixture.h"
#include "model12/reader_support.h"

#include "editor12/record12binding.h"
#include "frame/frmdocument.h"
#include "frame/startup.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPlainTextEdit>

using namespace ts;
using namespace ts::test;

// A record entered as a user enters it, exported, valid against the reference schema, and opened back.
class EndToEnd : public EditorTest {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        settings(0, 0);
        chooseBinding(QStringLiteral("12"));
        initXMLParser();
        ASSERT_TRUE(frmMainLoaded());
        win = &frmOptions();
    }
    void type(const char *field, const QString &text)
    {
        win->SSTab1()->setCurrentIndex(win->field(QString::fromUtf8(field))->tab);
        QWidget *box = ctl<QWidget>(field);
        box->setFocus();
        QTest::keyClicks(box, text);
        processEvents();
    }
    void choose(const char *combo, const char *item)
    {
        auto *box = ctl<QComboBox>(combo);
        win->SSTab1()->setCurrentIndex(win->tables().categoryList == QByteArray(combo) ? 0 : win->field(combo)->tab);
        pick(box, box->findText(QString::fromUtf8(item)));
    }
    void press(const char *button)
    {
        ctl<QPushButton>(button)->click();
        processEvents();
    }
};

TEST_F(EndToEnd, ExportedRecordIsValidAndOpensBackIntoTheSameFields)
{
    choose("cboSelectCategory", "Content Aggregation Meta-Data (MD-XML1 + Optional)");
    type("titleText", QStringLiteral("Cells & Tissues"));
    type("keywordsText", QStringLiteral("cells,tissues"));
    type("courseDescription", QStringLiteral("An introduction to the cell."));
    type("txtLifecycleDate", QStringLiteral("2026-03-14"));
    type("contentAuthorsText", QStringLiteral("Grace Hopper"));
    choose("cboConRole", "Author");
    press("cmdAddSingle");
    ctl<QCheckBox>("htmlCheck")->click();
    type("locationText", QStringLiteral("lessons/cells.html"));
    choose("browserCombo", "Opera");
    choose("osCombo", "Unix");
    choose("classificationCombo", "Discipline");
    type("classificationText", QStringLiteral("Life sciences"));
    type("classificationKeywordsText", QStringLiteral("biology,cells"));
    type("txtTaxonSource", QStringLiteral("Dewey"));
    type("txtTaxonId", QStringLiteral("571.6"));
    type("txtTaxonEntry", QStringLiteral("Cell biology"));
    press("cmdAddTaxon");
    const Record12 classification = readRecord(*win);
    type("txtClassIdent", QStringLiteral("life"));
    press("cmdAddClass");
    const Record12 entered = readRecord(*win);
    ASSERT_EQ(entered.lstFiles, QStringList({"Grace Hopper,Author"}));
    ASSERT_EQ(entered.lstClassification, QStringList({"life"}));

    press("cmbMakeXML");
    EXPECT_TRUE(dialogs.calls().isEmpty()) << dialogs.messages().join('|').toStdString();
    EXPECT_TRUE(win->childState() & Qt::WindowMinimized);
    ASSERT_TRUE(frmDocumentLoaded() && frmDocument().isShownChild());
    writeFile(QStringLiteral("cells.xml"), frmDocument().rtfXMLOutput()->toPlainText().toUtf8());
    if (const auto judge = schema::referenceJudge()) {
        const schema::Verdict verdict = schema::judge(*judge, path(QStringLiteral("cells.xml")));
        EXPECT_TRUE(verdict.valid) << verdict.error.reason.toStdString();
    } else {
        GTEST_SKIP() << "The shared reference schemas are not there";
    }

    frmMain().dontValidate = true;
    frmMain().openSelectedFile(false, path(QStringLiteral("cells.xml")), false);
    frmMain().dontValidate = false;
    EXPECT_FALSE(win->childState() & Qt::WindowMinimized);
    Record12 expected = withoutClassificationEntry(entered);
    expected.lstClassification = {QStringLiteral("1")};
    EXPECT_EQ(changedFields(readRecord(*win), expected), QStringList());
    win->SSTab1()->setCurrentIndex(8);
    auto *ids = ctl<QListWidget>("lstClassification");
    QTest::mouseClick(ids->viewport(), Qt::LeftButton, {}, ids->visualItemRect(ids->item(0)).center());
    processEvents();
    Record12 readBack = readRecord(*win);
    readBack.txtClassIdent.clear();
    readBack.lstClassification = classification.lstClassification;
    EXPECT_EQ(changedFields(readBack, classification), QStringList());
}

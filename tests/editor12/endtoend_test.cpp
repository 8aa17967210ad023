#include "support/testmain.h"

#include "../platform/schema_support.h"
#include "editorfixture.h"
#include "model12/reader_support.h"

#include "editor12/record12binding.h"
#include "frame/frmdocument.h"
#include "frame/templates.h"

#include <QCheckBox>
#include <QMdiArea>
#include <QPlainTextEdit>

using namespace ts;
using namespace ts::test;

// A record entered as a user enters it, exported, valid against the reference schema, and opened back; saved
// as a template, it opens back too.
class EndToEnd : public EditorTest {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        startMain();
        win = &frmOptions();
    }
    void type(const char *field, const QString &text) { QTest::keyClicks(ctl<QWidget>(field), text); }
    void choose(const char *combo, const char *item)
    {
        if (const kit::Field *field = win->field(combo))
            win->SSTab1()->setCurrentIndex(field->tab);
        pick(ctl<QComboBox>(combo), ctl<QComboBox>(combo)->findText(QString::fromUtf8(item)));
    }
};

TEST_F(EndToEnd, ExportedRecordIsValidAndOpensBackIntoTheSameFields)
{
    choose("cboSelectCategory", "Content Aggregation Meta-Data (MD-XML1 + Optional)");
    for (const auto &[field, text] : {std::pair{"titleText", "Cells & Tissues"}, {"keywordsText", "cells,tissues"},
                                      {"courseDescription", "An introduction to the cell."},
                                      {"txtLifecycleDate", "2026-03-14"}, {"contentAuthorsText", "Grace Hopper"},
                                      {"locationText", "lessons/cells.html"}})
        type(field, QString::fromUtf8(text));
    choose("cboConRole", "Author");
    press("cmdAddSingle");
    ctl<QCheckBox>("htmlCheck")->click();
    choose("browserCombo", "Opera");
    choose("osCombo", "Unix");
    choose("classificationCombo", "Discipline");
    for (const auto &[field, text] : {std::pair{"classificationText", "Life sciences"},
                                      {"classificationKeywordsText", "biology,cells"}, {"txtTaxonSource", "Dewey"},
                                      {"txtTaxonId", "571.6"}, {"txtTaxonEntry", "Cell biology"}})
        type(field, QString::fromUtf8(text));
    press("cmdAddTaxon");
    const Record12 classification = readRecord(*win);
    type("txtClassIdent", QStringLiteral("life"));
    press("cmdAddClass");
    const Record12 entered = readRecord(*win);
    ASSERT_EQ(entered.lstFiles + entered.lstClassification, QStringList({"Grace Hopper,Author", "life"}));

    press("cmbMakeXML");
    EXPECT_TRUE(dialogs.calls().isEmpty()) << dialogs.messages().join('|').toStdString();
    EXPECT_TRUE(win->childState() & Qt::WindowMinimized);
    ASSERT_TRUE(frmDocumentLoaded() && frmDocument().isShownChild());
    EXPECT_EQ(frmMain().mdiArea()->activeSubWindow(), frmDocument().subWindow());
    writeFile(QStringLiteral("cells.xml"), frmDocument().rtfXMLOutput()->toPlainText().toUtf8());
    if (const auto judge = schema::referenceJudge()) {
        const schema::Verdict verdict = schema::judge(*judge, path(QStringLiteral("cells.xml")));
        EXPECT_TRUE(verdict.valid) << verdict.error.reason.toStdString();
    }

    frmMain().openSelectedFile(false, path(QStringLiteral("cells.xml")), false);
    EXPECT_FALSE(win->childState() & Qt::WindowMinimized);
    Record12 expected = withoutClassificationEntry(entered);
    expected.lstClassification = {QStringLiteral("1")};
    EXPECT_EQ(changedFields(readRecord(*win), expected), QStringList());
    // Saved as a template, it opens back into the same fields.
    ASSERT_TRUE(saveTemplate(QStringLiteral("cells.tsm"), frmMain().scormVersion));
    win->clearAll();
    ASSERT_TRUE(openTemplate(templatePath(QStringLiteral("cells.tsm"))));
    EXPECT_EQ(changedFields(readRecord(*win), expected), QStringList());
    EXPECT_TRUE(dialogs.calls().isEmpty()) << dialogs.messages().join('|').toStdString();
    clickItem("lstClassification", 0);
    Record12 readBack = readRecord(*win);
    readBack.lstClassification = {};
    EXPECT_EQ(changedFields(readBack, classification), QStringList());
}

#include "support/testmain.h"

#include "../model2004/fixtures2004.h"
#include "../model2004/reader2004_support.h"
#include "editor2004fixture.h"

#include "editor2004/record2004binding.h"
#include "frame/frmdocument.h"
#include "frame/templates.h"

#include <QMdiArea>
#include <QPlainTextEdit>

using namespace ts;
using namespace ts::test;

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
    ASSERT_TRUE(frmDocumentLoaded() && frmDocument().isShownChild());
    EXPECT_EQ(frmMain().mdiArea()->activeSubWindow(), frmDocument().subWindow());
    EXPECT_TRUE(frmMain().action("mnuFileSave")->isEnabled() && !frmMain().action("mnuExport")->isEnabled());
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

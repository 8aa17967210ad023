#include "support/testmain.h"

#include "../model12/fixtures12.h"
#include "editorfixture.h"

#include "frame/frmdocument.h"
#include "frame/frmprocessing.h"
#include "editor12/record12binding.h"
#include "model12/writer12.h"

#include <QLineEdit>
#include <QPlainTextEdit>

using namespace ts;
using namespace ts::test;

// The window's writers: processing box, the document from the fields, the text window, the way back to a
// field a check stopped at, and the template text.
class WindowWriters : public EditorTest {};

TEST_F(WindowWriters, TemplateOfAFreshWindowIsAnsweredAndNothingIsShown)
{
    const QString text = win->createAggregation(true);
    EXPECT_EQ(text.toUtf8(), golden("template_defaults.xml"));
    EXPECT_EQ(win->xmlFile, text);
    EXPECT_FALSE(frmDocumentLoaded());
    EXPECT_TRUE(dialogs.calls().isEmpty());
    // The processing box ran first and closed itself.
    ASSERT_TRUE(frmProcessingLoaded());
    EXPECT_FALSE(frmProcessing().isVisible());
}

TEST_F(WindowWriters, ExportShowsTheDocumentInTheTextWindow)
{
    win->setCategoryText(QStringLiteral("Content Aggregation Meta-Data (MD-XML1 + Optional)"));
    frmMain().dontValidate = true;
    win->setFieldText(QStringLiteral("titleText"), QStringLiteral("Fractions & Decimals"));
    frmMain().dontValidate = false;
    EXPECT_EQ(win->createAggregation(false), QString());
    ASSERT_TRUE(frmDocumentLoaded());
    EXPECT_EQ(frmDocument().caption(), QStringLiteral("XML Edit"));
    const QString shown = frmDocument().rtfXMLOutput()->toPlainText();
    EXPECT_TRUE(shown.contains(QStringLiteral("<langstring xml:lang=\"x-none\">Fractions &amp; Decimals</langstring>")))
        << shown.toStdString();
    EXPECT_TRUE(frmDocument().isShownChild());
}

TEST_F(WindowWriters, ScoAndAssetWritersShowTheirDocuments)
{
    win->setCategoryText(QStringLiteral("SCO Meta-Data(MD-XML1)"));
    win->createSCO();
    ASSERT_TRUE(frmDocumentLoaded());
    const QString sco = frmDocument().rtfXMLOutput()->toPlainText();
    EXPECT_TRUE(sco.trimmed().endsWith(QStringLiteral("</lom>")));
    win->setCategoryText(QStringLiteral("Asset Meta-Data(MD-XML1)"));
    win->wrap.clear();
    win->createAsset();
    EXPECT_EQ(win->wrap, QStringLiteral("\r\n"));
    EXPECT_TRUE(frmDocument().rtfXMLOutput()->toPlainText().startsWith(QStringLiteral("<?xml version=\"1.0\"?>")));
}

TEST_F(WindowWriters, StoppedCheckBringsItsFieldToFront)
{
    win->setCategoryText(QStringLiteral("SCO Meta-Data(MD-XML1 + Optional)"));
    frmMain().dontValidate = true;
    win->setFieldText(QStringLiteral("metadataAuthorsText"), QStringLiteral("Ann Author"));
    win->setFieldText(QStringLiteral("cboCreatorRole"), QString());
    frmMain().dontValidate = false;
    win->control(QStringLiteral("cboCreatorRole"))->setEnabled(false);
    win->SSTab1()->setCurrentIndex(0);
    win->createSCO();
    processEvents();
    ASSERT_EQ(dialogs.calls().size(), 1);
    EXPECT_EQ(dialogs.calls()[0].text, QStringLiteral("Select a role for your contributor"));
    EXPECT_EQ(dialogs.calls()[0].title, QStringLiteral("Missing Information"));
    EXPECT_EQ(win->SSTab1()->currentIndex(), 2);
    EXPECT_TRUE(win->control(QStringLiteral("cboCreatorRole"))->isEnabled());
    EXPECT_EQ(win->focusWidget(), win->control(QStringLiteral("cboCreatorRole")));
    EXPECT_FALSE(frmDocumentLoaded());
    EXPECT_TRUE(win->xmlFile.isEmpty());
}

TEST_F(WindowWriters, FailedRelationCheckClearsTheRelationship)
{
    win->setCategoryText(QStringLiteral("Content Aggregation Meta-Data (MD-XML1 + Optional)"));
    frmMain().dontValidate = true;
    win->setFieldText(QStringLiteral("otherResourceText"), QString());
    win->setFieldText(QStringLiteral("relationshipCombo"), QStringLiteral("Requires Resource Named Below"));
    frmMain().dontValidate = false;
    win->createAggregation(false);
    processEvents();
    ASSERT_FALSE(dialogs.calls().isEmpty());
    EXPECT_EQ(win->SSTab1()->currentIndex(), 6);
    EXPECT_FALSE(frmDocumentLoaded());
}

TEST_F(WindowWriters, UnknownRelationshipIsClearedAndFocused)
{
    win->setCategoryText(QStringLiteral("SCO Meta-Data(MD-XML1 + Optional)"));
    frmMain().dontValidate = true;
    // A text outside the phrases, as an opened file can put there; only the letter case differs.
    win->setFieldText(QStringLiteral("relationshipCombo"), QStringLiteral("requires resource named below"));
    win->setFieldText(QStringLiteral("otherResourceText"), QStringLiteral("The lab manual"));
    frmMain().dontValidate = false;
    win->SSTab1()->setCurrentIndex(0);
    win->createSCO();
    processEvents();
    ASSERT_EQ(dialogs.calls().size(), 1);
    EXPECT_EQ(dialogs.calls()[0].text, QStringLiteral("You must select a Relationship from the dropdown menu"));
    EXPECT_EQ(dialogs.calls()[0].title, QStringLiteral("Missing Information"));
    EXPECT_EQ(dialogs.calls()[0].icon, Icon::Exclamation);
    EXPECT_EQ(win->fieldText(QStringLiteral("relationshipCombo")), QString());
    EXPECT_EQ(win->fieldText(QStringLiteral("otherResourceText")), QStringLiteral("The lab manual"));
    EXPECT_EQ(win->SSTab1()->currentIndex(), 6);
    EXPECT_EQ(win->focusWidget(), win->control(QStringLiteral("relationshipCombo")));
    EXPECT_FALSE(frmDocumentLoaded());
}

TEST_F(WindowWriters, MissingRelationDescriptionKeepsTheChoiceAndEndsATemplateRunEmpty)
{
    win->setCategoryText(QStringLiteral("Asset Meta-Data(MD-XML1 + Optional)"));
    frmMain().dontValidate = true;
    win->setFieldText(QStringLiteral("relationshipCombo"), QStringLiteral("Is Based on Resource Named Below"));
    win->setFieldText(QStringLiteral("otherResourceText"), QString());
    frmMain().dontValidate = false;
    win->SSTab1()->setCurrentIndex(3);
    EXPECT_EQ(win->createAggregation(true), QString());
    processEvents();
    ASSERT_EQ(dialogs.calls().size(), 1);
    EXPECT_EQ(dialogs.calls()[0].text, QStringLiteral("Description of this relationship must be included"));
    EXPECT_EQ(dialogs.calls()[0].title, QStringLiteral("Missing Information"));
    EXPECT_EQ(win->fieldText(QStringLiteral("relationshipCombo")), QStringLiteral("Is Based on Resource Named Below"));
    EXPECT_EQ(win->SSTab1()->currentIndex(), 6);
    EXPECT_EQ(win->focusWidget(), win->control(QStringLiteral("otherResourceText")));
    EXPECT_FALSE(frmDocumentLoaded());
    EXPECT_TRUE(win->xmlFile.isEmpty());
}

TEST_F(WindowWriters, ProcessingBoxHasClosedBeforeTheFirstQuestion)
{
    win->setCategoryText(QStringLiteral("Content Aggregation Meta-Data (MD-XML1 + Optional)"));
    frmMain().dontValidate = true;
    // A browser outside the writer's table, as an opened file can put there.
    win->setFieldText(QStringLiteral("browserCombo"), QStringLiteral("Lynx"));
    frmMain().dontValidate = false;
    ASSERT_EQ(win->fieldText(QStringLiteral("browserCombo")), QStringLiteral("Lynx"));
    bool boxRanFirst = false;
    dialogs.setOnCall([&](const DialogCall &) {
        if (dialogs.calls().size() == 1)
            boxRanFirst = frmProcessingLoaded() && !frmProcessing().isVisible();
    });
    dialogs.answer(Answer::Yes);
    win->createAggregation(false);
    dialogs.setOnCall({});
    ASSERT_EQ(dialogs.messages(), QStringList({"Invalid or Unsupported Browser selected", "Continue?"}));
    EXPECT_TRUE(boxRanFirst);
    // Yes: the document is shown with an empty browser name.
    ASSERT_TRUE(frmDocumentLoaded());
    EXPECT_TRUE(frmDocument().rtfXMLOutput()->toPlainText().contains(
        QStringLiteral("<langstring xml:lang=\"x-none\"></langstring>\n               </value>\n         </name>\n"
                       "         <minimumversion>1.0</minimumversion>")));
    EXPECT_TRUE(frmDocument().isShownChild());
}

TEST_F(WindowWriters, TemplateTextIsTheDocumentTheExportShows)
{
    win->setCategoryText(QStringLiteral("Content Aggregation Meta-Data (MD-XML1 + Optional)"));
    frmMain().dontValidate = true;
    win->setFieldText(QStringLiteral("titleText"), QStringLiteral("Cells <and> Tissues"));
    win->setFieldText(QStringLiteral("txtCoverage"), QStringLiteral("Grade 9"));
    frmMain().dontValidate = false;
    const QString stored = win->createAggregation(true);
    ASSERT_FALSE(stored.isEmpty());
    EXPECT_FALSE(frmDocumentLoaded());
    EXPECT_TRUE(stored.endsWith(QStringLiteral("</lom>\r\n")));
    EXPECT_EQ(win->createAggregation(false), QString());
    EXPECT_EQ(win->xmlFile, stored);
    ASSERT_TRUE(frmDocumentLoaded());
    QString shown = stored;
    shown.remove(QLatin1Char('\r'));
    EXPECT_EQ(frmDocument().rtfXMLOutput()->toPlainText().remove(QLatin1Char('\r')), shown);
    EXPECT_TRUE(dialogs.calls().isEmpty());
}

#include "support/testmain.h"

#include "document_fixture.h"

#include "frame/twips.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

using namespace ts;
using namespace ts::test;

class DocumentWindow : public DocumentTest {
protected:
    static bool enabled(const char *name) { return frmMain().action(QString::fromLatin1(name))->isEnabled(); }
    // The File menu as the XML text window leaves it when active (true) or not (false).
    static void expectDocumentMenus(bool documentActive)
    {
        for (const char *name : {"mnuFileSave", "mnuFileSaveAs", "mnuFilePrint", "mnuFilePageSetup"})
            EXPECT_EQ(enabled(name), documentActive) << name;
        for (const char *name : {"mnuSaveasTemplate", "mnuExport"})
            EXPECT_EQ(enabled(name), !documentActive) << name;
    }
};

TEST_F(DocumentWindow, LoadsEmptyWithItsCaptionAndToolbar)
{
    EXPECT_EQ(doc().caption(), QStringLiteral("frmDocument"));
    EXPECT_EQ(doc().text(), QString());
    QStringList keys;
    for (QAction *a : doc().tlbrXmlEdit()->actions()) {
        keys << a->objectName();
        // Nothing sets the buttons from the state of the text: they stay enabled, also on an empty box.
        EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
    }
    EXPECT_EQ(keys, QStringList({QStringLiteral("find"), QStringLiteral("cut"), QStringLiteral("copy"),
                                 QStringLiteral("paste"), QStringLiteral("undo"), QStringLiteral("redo"),
                                 QStringLiteral("tag"), QStringLiteral("comment"), QStringLiteral("validate")}));
    EXPECT_NE(find<QTimer>(&doc(), QStringLiteral("tmrEvent")), nullptr);
    EXPECT_FALSE(doc().CanUndo());
}

TEST_F(DocumentWindow, ShowXmlReplacesTheTextAndCaptionWithoutShowing)
{
    doc().setText(QStringLiteral("old text"));
    doc().setCaption(QStringLiteral("report.xml"));
    const QString xml = QStringLiteral("<lom>\n   <general/>\n</lom>");
    EXPECT_TRUE(showXML(xml));
    EXPECT_EQ(doc().text(), xml);
    EXPECT_EQ(doc().caption(), QStringLiteral("XML Edit"));
    EXPECT_FALSE(doc().isShownChild());
    EXPECT_FALSE(doc().CanUndo());
}

TEST_F(DocumentWindow, ShowXmlCreatesTheWindowWhenNeeded)
{
    ASSERT_FALSE(frmDocumentLoaded());
    EXPECT_TRUE(showXML(QStringLiteral("<a/>")));
    ASSERT_TRUE(frmDocumentLoaded());
    EXPECT_EQ(doc().text(), QStringLiteral("<a/>"));
}

TEST_F(DocumentWindow, ActivationSwitchesTheFileMenu)
{
    FrmMain &main = frmMain();
    main.show();
    editorWindow(Binding::Scorm12).showChild();
    showXML(QStringLiteral("<lom/>"));
    doc().showChild();
    processEvents();
    EXPECT_EQ(main.mdiArea()->activeSubWindow(), doc().subWindow());
    expectDocumentMenus(true);

    editorWindow(Binding::Scorm12).showChild();
    processEvents();
    expectDocumentMenus(false);

    doc().showChild();
    processEvents();
    expectDocumentMenus(true);
    // A second activation without a change of child in between changes nothing.
    doc().Form_Activate();
    expectDocumentMenus(true);
}

TEST_F(DocumentWindow, ClosingUnloadsTheWindowAndItsMenus)
{
    frmMain().show();
    showXML(QStringLiteral("<lom/>"));
    doc().showChild();
    processEvents();
    expectDocumentMenus(true);
    QPointer<QMdiSubWindow> sub = doc().subWindow();
    ASSERT_TRUE(sub);
    sub->close();
    processEvents();
    EXPECT_FALSE(frmDocumentLoaded());
    EXPECT_TRUE(sub.isNull());
    expectDocumentMenus(false);
    // The next use creates it empty again.
    EXPECT_EQ(doc().text(), QString());
    EXPECT_EQ(doc().caption(), QStringLiteral("frmDocument"));
}

TEST_F(DocumentWindow, TheBoxFillsTheWindowBelowTheToolbarWithMargins)
{
    doc().show();
    doc().resize(600, 400);
    const QRect box = doc().rtfXMLOutput()->geometry();
    const int top = std::max(twipsToPixels(500), doc().tlbrXmlEdit()->sizeHint().height());
    EXPECT_EQ(box, QRect(twipsToPixels(100), top, 600 - twipsToPixels(200), 400 - top - twipsToPixels(100)));
    EXPECT_LE(doc().tlbrXmlEdit()->geometry().bottom(), box.top());

    // Too small for the margins: nothing negative, nothing thrown.
    doc().resize(5, 5);
    EXPECT_EQ(doc().rtfXMLOutput()->width(), 0);
    EXPECT_EQ(doc().rtfXMLOutput()->height(), 0);
}

TEST_F(DocumentWindow, AButtonKeyWithoutACommandDoesNothing)
{
    setText(QStringLiteral("<lom/>"), 1, 4);
    for (const char *key : {"save", "clear", "", "Find"})
        doc().tlbrXmlEdit_ButtonClick(QString::fromLatin1(key));
    EXPECT_EQ(doc().text(), QStringLiteral("<lom/>"));
    EXPECT_EQ(box()->textCursor().selectedText(), QStringLiteral("lom"));
    EXPECT_FALSE(doc().CanUndo());
    EXPECT_TRUE(dialogs.calls().isEmpty());
}

#include "support/testmain.h"

#include "document_fixture.h"

#include "frame/twips.h"

#include <QMdiArea>
#include <QPushButton>
#include <QScrollBar>
#include <QMdiSubWindow>
#include <QTimer>
#include <QWheelEvent>

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

// In the SCORM 2004 editor, Export (which minimises the editor), then the opening of another record: the text
// window, maximised by the area, shows the record from its first line at the top.
TEST_F(DocumentWindow, AnOpeningAfterAnExportShowsTheTextFromItsFirstLine)
{
    if (sharedDir().isEmpty())
        GTEST_SKIP() << "the shared samples folder is not there";
    QFile golf(sharedDir() + QStringLiteral("/samples/lom/b01_golf2004_metadata_course.xml"));
    ASSERT_TRUE(golf.open(QIODevice::ReadOnly));
    const QByteArray golfBytes = golf.readAll();
    const QByteArray oneLine = "<?xml version = \"1.0\"?>\r\n<lom xmlns=\"http://ltsc.ieee.org/xsd/LOM\"><general>" +
                               QByteArray("<keyword><string language=\"en\">word</string></keyword>").repeated(150) +
                               "</general></lom>";
    int longer = 0;
    for (const QByteArray &record : {dataFile(QStringLiteral("../open/lom2004.xml")), golfBytes, oneLine}) {
        settings(0, 0);
        chooseBinding(QStringLiteral("2004"));
        initXMLParser();
        ASSERT_TRUE(frmMainLoaded());
        // A record that passes the export's checks.
        writeFile(QStringLiteral("first.xml"), golfBytes);
        frmMain().openSelectedFile(false, path(QStringLiteral("first.xml")), false);
        dialogs.clear();
        frmOptions2004().setCategoryText(QStringLiteral("Content Aggregation Meta-Data (MD-XML1 + Optional)"));
        find<QPushButton>(&frmOptions2004(), QStringLiteral("cmbMakeXML"))->click();
        processEvents();
        ASSERT_TRUE(frmOptions2004().childState() & Qt::WindowMinimized) << dialogs.messages().join(u'|').toStdString();
        writeFile(QStringLiteral("other.xml"), record);
        frmMain().openSelectedFile(false, path(QStringLiteral("other.xml")), false);
        processEvents();
        EXPECT_TRUE(doc().childState() & Qt::WindowMaximized);
        EXPECT_EQ(doc().text().toUtf8(), QByteArray(record).replace("\r\n", "\n"));
        const QRect first = box()->cursorRect(QTextCursor(box()->document()));
        EXPECT_TRUE(first.top() >= 0 && first.top() <= 8) << first.top();
        EXPECT_EQ(box()->cursorForPosition(QPoint(1, 1)).blockNumber(), 0);
        // A window system lays the text out anew as the window is minimised and maximised; offscreen, a view
        // moved by no one stands for that layout. A text longer than the window comes back to its first line,
        // and a layout still going on (the view's range growing) moves it no more.
        QScrollBar *bar = box()->verticalScrollBar();
        if (bar->maximum() > 0) {
            ++longer;
            bar->setValue(bar->maximum());
            for (const Qt::WindowStates state : {Qt::WindowMinimized, Qt::WindowMaximized}) {
                doc().setChildState(state);
                processEvents();
            }
            EXPECT_EQ(bar->value(), 0);
            bar->setValue(bar->maximum());
            bar->setRange(0, bar->maximum() + 1);
            EXPECT_EQ(bar->value(), 0);
            // A turn of the mouse wheel is the user's scrolling: the view stays where it took it.
            QWheelEvent wheel(QPointF(5, 5), box()->viewport()->mapToGlobal(QPointF(5, 5)), {}, QPoint(0, -120),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(box()->viewport(), &wheel);
            const int wheeled = bar->value();
            EXPECT_GT(wheeled, 0);
            doc().setChildState(Qt::WindowNoState);
            processEvents();
            EXPECT_EQ(bar->value(), wheeled);
            doc().setChildState(Qt::WindowMaximized);
            processEvents();
        }
        // Where the user scrolls to with the scroll bar, the view stays when the window changes state.
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        const int scrolled = bar->value();
        doc().setChildState(Qt::WindowNoState);
        processEvents();
        EXPECT_EQ(bar->value(), scrolled);
        unloadAll();
    }
    EXPECT_EQ(longer, 2);
}

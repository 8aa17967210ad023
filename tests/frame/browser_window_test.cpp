#include "support/testmain.h"

#include "document_fixture.h"

#include "frame/frmbrowser.h"
#include "frame/previewbrowser.h"
#include "frame/twips.h"
#include "platform/timing.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>

using namespace ts;
using namespace ts::test;

class BrowserWindow : public FrameTest {
protected:
    static QString page(const QString &name) { return testData(QStringLiteral("document/") + name); }
    static FrmBrowser &win() { return frmBrowser(); }
    static void press(const QString &key)
    {
        QAction *button = find<QAction>(win().tbToolBar(), key);
        ASSERT_NE(button, nullptr);
        button->trigger();
    }
    // The preview pane of the main window showing the page.
    static void preview(const QString &address) { frmMain().webBrowser()->navigate(address); }
    static QStringList addressList()
    {
        QStringList items;
        for (int i = 0; i < win().cboAddress()->count(); ++i)
            items << win().cboAddress()->itemText(i);
        return items;
    }
};

TEST_F(BrowserWindow, ToolbarAndAddressStrip)
{
    QStringList keys;
    for (QAction *a : win().tbToolBar()->actions()) {
        keys << a->objectName();
        EXPECT_EQ(a->text(), a->objectName());
        EXPECT_EQ(a->toolTip(), a->objectName());
    }
    EXPECT_EQ(keys, QStringList({QStringLiteral("Back"), QStringLiteral("Forward"), QStringLiteral("Stop"),
                                 QStringLiteral("Refresh"), QStringLiteral("Home"), QStringLiteral("Search")}));
    EXPECT_EQ(find<QLabel>(&win(), QStringLiteral("lblAddress"))->text(), QStringLiteral("&Address:"));
    EXPECT_FALSE(win().timTimer()->isActive());
    EXPECT_EQ(win().timTimer()->interval(), timerInterval(5));
    EXPECT_EQ(win().windowTitle(), QString());
}

TEST_F(BrowserWindow, OpensOnThePreviewPanesPage)
{
    preview(page(QStringLiteral("page.htm")));
    win().showWindow();
    processEvents();
    EXPECT_EQ(win().StartingAddress, page(QStringLiteral("page.htm")));
    EXPECT_EQ(win().cboAddress()->currentText(), page(QStringLiteral("page.htm")));
    EXPECT_EQ(addressList(), QStringList({page(QStringLiteral("page.htm"))}));
    EXPECT_EQ(win().brwWebBrowser()->locationURL(), page(QStringLiteral("page.htm")));
    EXPECT_TRUE(win().brwWebBrowser()->silent());
    processEvents();
    EXPECT_EQ(win().windowTitle(), QStringLiteral("Test Page"));
}

TEST_F(BrowserWindow, WithoutAPreviewPageNothingIsOpened)
{
    frmMain();
    win().showWindow();
    processEvents();
    win().Form_Activate();
    EXPECT_EQ(win().cboAddress()->currentText(), QString());
    EXPECT_EQ(win().cboAddress()->count(), 0);
    EXPECT_TRUE(win().brwWebBrowser()->history().isEmpty());
    EXPECT_FALSE(win().timTimer()->isActive());
    EXPECT_TRUE(dialogs.calls().isEmpty());
}

TEST_F(BrowserWindow, EachActivationOpensThePreviewPageAgain)
{
    frmMain().show();
    preview(page(QStringLiteral("page.htm")));
    win().showWindow();
    processEvents();
    ASSERT_EQ(win().cboAddress()->count(), 1);

    // The user follows a link, goes to the main window, picks another file, and comes back.
    emit win().brwWebBrowser()->textView()->anchorClicked(QUrl(QStringLiteral("second.htm")));
    frmMain().activateWindow();
    processEvents();
    preview(page(QStringLiteral("picture.png")));
    win().activateWindow();
    processEvents();
    EXPECT_EQ(addressList(), QStringList({page(QStringLiteral("page.htm")), page(QStringLiteral("picture.png"))}));
    EXPECT_TRUE(win().brwWebBrowser()->showsPicture());
    processEvents();
    EXPECT_EQ(win().windowTitle(), QStringLiteral("picture.png"));
}

TEST_F(BrowserWindow, CaptionSaysWorkingWhileBusy)
{
    win().cboAddress()->setEditText(page(QStringLiteral("second.htm")));
    win().cboAddress_Click();
    EXPECT_TRUE(win().timTimer()->isActive());
    EXPECT_TRUE(win().brwWebBrowser()->busy());
    win().timTimer_Timer();
    EXPECT_EQ(win().windowTitle(), QStringLiteral("Working..."));
    EXPECT_TRUE(win().timTimer()->isActive());
    EXPECT_TRUE(waitUntil([] { return !win().timTimer()->isActive(); }));
    EXPECT_EQ(win().windowTitle(), QStringLiteral("Second Page"));
}

TEST_F(BrowserWindow, TypedAddressOpensOnEnterAndAChoiceFromTheListOpens)
{
    win().show();
    QLineEdit *edit = win().cboAddress()->lineEdit();
    edit->clear();
    typeText(edit, page(QStringLiteral("second.htm")));
    EXPECT_TRUE(win().brwWebBrowser()->history().isEmpty());
    keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(win().brwWebBrowser()->locationURL(), page(QStringLiteral("second.htm")));
    // Typing and Enter add nothing to the list.
    EXPECT_EQ(win().cboAddress()->count(), 0);
    processEvents();
    EXPECT_EQ(win().windowTitle(), QStringLiteral("Second Page"));

    win().cboAddress()->addItem(page(QStringLiteral("page.htm")));
    win().cboAddress()->setCurrentIndex(0);
    emit win().cboAddress()->activated(0);
    EXPECT_EQ(win().brwWebBrowser()->locationURL(), page(QStringLiteral("page.htm")));
    processEvents();
    EXPECT_EQ(win().windowTitle(), QStringLiteral("Test Page"));
}

TEST_F(BrowserWindow, BackForwardHomeAndSearch)
{
    for (const char *name : {"page.htm", "second.htm", "picture.png"}) {
        win().cboAddress()->setEditText(page(QString::fromLatin1(name)));
        win().cboAddress_Click();
    }
    processEvents();
    press(QStringLiteral("Back"));
    EXPECT_TRUE(win().timTimer()->isActive());
    processEvents();
    EXPECT_EQ(win().windowTitle(), QStringLiteral("Second Page"));
    press(QStringLiteral("Back"));
    processEvents();
    EXPECT_EQ(win().windowTitle(), QStringLiteral("Test Page"));
    press(QStringLiteral("Back")); // nothing further back
    processEvents();
    EXPECT_EQ(win().brwWebBrowser()->locationURL(), page(QStringLiteral("page.htm")));
    press(QStringLiteral("Forward"));
    processEvents();
    EXPECT_EQ(win().windowTitle(), QStringLiteral("Second Page"));
    press(QStringLiteral("Refresh"));
    processEvents();
    EXPECT_EQ(win().windowTitle(), QStringLiteral("Second Page"));
    press(QStringLiteral("Home"));
    processEvents();
    EXPECT_EQ(win().windowTitle(), QStringLiteral("Preview"));
    press(QStringLiteral("Search"));
    processEvents();
    EXPECT_EQ(shell.opened, QStringList({PreviewBrowser::searchPage()}));
    EXPECT_EQ(win().windowTitle(), QStringLiteral("Preview"));
    EXPECT_TRUE(dialogs.calls().isEmpty());
}

TEST_F(BrowserWindow, StopWhileLoadingShowsWhatWasLoaded)
{
    win().cboAddress()->setEditText(page(QStringLiteral("page.htm")));
    win().cboAddress_Click();
    win().timTimer_Timer();
    EXPECT_EQ(win().windowTitle(), QStringLiteral("Working..."));
    press(QStringLiteral("Stop"));
    EXPECT_FALSE(win().timTimer()->isActive());
    EXPECT_FALSE(win().brwWebBrowser()->busy());
    EXPECT_EQ(win().windowTitle(), QStringLiteral("Test Page"));
}

TEST_F(BrowserWindow, LayoutFollowsTheWindowAndHoldsAtZero)
{
    win().show();
    win().resize(800, 600);
    const QRect page = win().brwWebBrowser()->geometry();
    const QWidget *strip = find<QWidget>(&win(), QStringLiteral("picAddress"));
    EXPECT_EQ(page.width(), 800 - twipsToPixels(100));
    EXPECT_EQ(page.top(), strip->geometry().bottom() + 1);
    EXPECT_EQ(page.height(), 600 - page.top() - twipsToPixels(100));
    EXPECT_EQ(win().cboAddress()->width(), 800 - twipsToPixels(100));
    // The address box lies below its label, 50 twips from the left.
    const QLabel *label = find<QLabel>(&win(), QStringLiteral("lblAddress"));
    win().Form_Activate();
    EXPECT_EQ(win().cboAddress()->x(), twipsToPixels(50));
    EXPECT_EQ(win().cboAddress()->y(), label->y() + label->height() + twipsToPixels(15));
    EXPECT_EQ(label->buddy(), win().cboAddress());
    win().resize(5, 5);
    EXPECT_EQ(win().brwWebBrowser()->width(), 0);
    EXPECT_EQ(win().brwWebBrowser()->height(), 0);
}

TEST_F(BrowserWindow, ClosingUnloadsTheWindow)
{
    win().cboAddress()->addItem(page(QStringLiteral("page.htm")));
    win().showWindow();
    processEvents();
    win().close();
    processEvents();
    EXPECT_FALSE(frmBrowserLoaded());
    EXPECT_EQ(win().cboAddress()->count(), 0);
}

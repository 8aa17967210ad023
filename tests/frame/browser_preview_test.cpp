#include "support/testmain.h"

#include "framefixture.h"

#include "frame/previewbrowser.h"
#include "platform/programfolder.h"

#include <QLabel>
#include <QTextBrowser>
#include <QUrl>

using namespace ts;
using namespace ts::test;

class Preview : public ProgramFolderTest {
protected:
    static QString page(const QString &name) { return testData(QStringLiteral("document/") + name); }
    PreviewBrowser browser;
};

TEST_F(Preview, HtmlPageShowsWithItsTitle)
{
    browser.navigate(page(QStringLiteral("page.htm")));
    EXPECT_EQ(browser.locationURL(), page(QStringLiteral("page.htm")));
    EXPECT_EQ(browser.locationName(), QStringLiteral("Test Page"));
    EXPECT_FALSE(browser.showsPicture());
    EXPECT_TRUE(browser.textView()->toPlainText().contains(QStringLiteral("First page.")));
    EXPECT_FALSE(browser.textView()->toPlainText().contains(QStringLiteral("<p>")));
}

TEST_F(Preview, XmlAndOtherTextShowAsTheirText)
{
    browser.navigate(page(QStringLiteral("valid.xml")));
    EXPECT_TRUE(browser.textView()->toPlainText().contains(QStringLiteral("<title>Photosynthesis</title>")));
    EXPECT_EQ(browser.locationName(), QStringLiteral("valid.xml"));
    EXPECT_FALSE(browser.showsPicture());
    browser.navigate(page(QStringLiteral("schema.xsd")));
    EXPECT_TRUE(browser.textView()->toPlainText().startsWith(QStringLiteral("<?xml version=\"1.0\"")));
}

TEST_F(Preview, PictureShowsAsAPicture)
{
    browser.navigate(page(QStringLiteral("picture.png")));
    EXPECT_TRUE(browser.showsPicture());
    EXPECT_EQ(browser.pictureView()->pixmap().size(), QSize(24, 16));
    EXPECT_EQ(browser.locationName(), QStringLiteral("picture.png"));
    // Back to a page: the text view again, with that page.
    browser.navigate(page(QStringLiteral("second.htm")));
    EXPECT_FALSE(browser.showsPicture());
    EXPECT_EQ(browser.locationName(), QStringLiteral("Second Page"));
}

TEST_F(Preview, MissingFileGivesAnEmptyPage)
{
    browser.navigate(page(QStringLiteral("page.htm")));
    browser.navigate(page(QStringLiteral("nothing.htm")));
    EXPECT_EQ(browser.locationURL(), page(QStringLiteral("nothing.htm")));
    EXPECT_TRUE(browser.textView()->toPlainText().isEmpty());
    EXPECT_EQ(browser.history().size(), 2);
}

TEST_F(Preview, HistoryBackForwardAndANewBranch)
{
    const QString a = page(QStringLiteral("page.htm")), b = page(QStringLiteral("second.htm")),
                  c = page(QStringLiteral("valid.xml")), d = page(QStringLiteral("picture.png"));
    EXPECT_FALSE(browser.canGoBack());
    browser.goBack(); // nothing to go back to: nothing happens
    EXPECT_EQ(browser.locationURL(), QString());

    for (const QString &p : {a, b, c})
        browser.navigate(p);
    EXPECT_EQ(browser.history(), QStringList({a, b, c}));
    browser.goBack();
    EXPECT_EQ(browser.locationURL(), b);
    EXPECT_EQ(browser.locationName(), QStringLiteral("Second Page"));
    browser.goBack();
    EXPECT_EQ(browser.locationURL(), a);
    EXPECT_FALSE(browser.canGoBack());
    EXPECT_EQ(browser.locationName(), QStringLiteral("Test Page"));
    browser.goForward();
    EXPECT_EQ(browser.locationURL(), b);
    EXPECT_TRUE(browser.canGoForward());
    // A new page from the middle of the history drops the pages ahead of it.
    browser.navigate(d);
    EXPECT_EQ(browser.history(), QStringList({a, b, d}));
    EXPECT_FALSE(browser.canGoForward());
    browser.goForward();
    EXPECT_EQ(browser.locationURL(), d);
    // Going back to a page shown before shows it again, also after another kind of view.
    browser.goBack();
    browser.goBack();
    EXPECT_TRUE(browser.textView()->toPlainText().contains(QStringLiteral("First page.")));
}

TEST_F(Preview, BusyUntilTheDownloadCompletes)
{
    int completed = 0;
    QObject::connect(&browser, &PreviewBrowser::downloadComplete, [&] { ++completed; });
    browser.navigate(page(QStringLiteral("page.htm")));
    EXPECT_TRUE(browser.busy());
    EXPECT_EQ(completed, 0);
    processEvents();
    EXPECT_FALSE(browser.busy());
    EXPECT_EQ(completed, 1);

    // Stop ends the download: no longer busy, and no completion follows.
    browser.navigate(page(QStringLiteral("second.htm")));
    browser.stop();
    EXPECT_FALSE(browser.busy());
    processEvents();
    EXPECT_EQ(completed, 1);
    EXPECT_EQ(browser.locationName(), QStringLiteral("Second Page"));

    browser.refresh();
    EXPECT_TRUE(browser.busy());
    processEvents();
    EXPECT_EQ(completed, 2);
    EXPECT_EQ(browser.history().size(), 2);
}

TEST_F(Preview, AddressesOutsideTheComputerGoToTheDesktopBrowser)
{
    browser.navigate(page(QStringLiteral("page.htm")));
    processEvents();
    for (const QString &address : {QStringLiteral("https://example.org/help"), QStringLiteral("http://example.org"),
                                   QStringLiteral("www.example.org"), QStringLiteral("mailto:someone@example.org")}) {
        browser.navigate(address);
        EXPECT_EQ(browser.locationURL(), page(QStringLiteral("page.htm"))) << address.toStdString();
    }
    EXPECT_EQ(shell.opened, QStringList({QStringLiteral("https://example.org/help"), QStringLiteral("http://example.org"),
                                         QStringLiteral("http://www.example.org"),
                                         QStringLiteral("mailto:someone@example.org")}));
    EXPECT_EQ(browser.history().size(), 1);
    EXPECT_FALSE(browser.busy());
}

TEST_F(Preview, FileAddressesAreFilesOfThisComputer)
{
    const QString url = QUrl::fromLocalFile(page(QStringLiteral("second.htm"))).toString();
    browser.navigate(url);
    EXPECT_EQ(browser.locationURL(), url);
    EXPECT_EQ(browser.locationName(), QStringLiteral("Second Page"));
    EXPECT_TRUE(shell.opened.isEmpty());
}

TEST_F(Preview, LinksOpenInTheBrowserOrOnTheDesktop)
{
    browser.navigate(page(QStringLiteral("page.htm")));
    emit browser.textView()->anchorClicked(QUrl(QStringLiteral("second.htm")));
    EXPECT_EQ(QUrl::fromLocalFile(browser.locationURL()), QUrl::fromLocalFile(page(QStringLiteral("second.htm"))));
    EXPECT_EQ(browser.locationName(), QStringLiteral("Second Page"));
    emit browser.textView()->anchorClicked(QUrl(QStringLiteral("https://example.org/help")));
    EXPECT_EQ(shell.opened, QStringList({QStringLiteral("https://example.org/help")}));
    EXPECT_EQ(browser.history().size(), 2);
}

TEST_F(Preview, HomeIsTheStartPageAndSearchIsOnTheWeb)
{
    browser.goHome();
    EXPECT_EQ(browser.locationURL(), programPath(QStringLiteral("blank.htm")));
    EXPECT_EQ(browser.locationName(), QStringLiteral("Preview"));
    browser.goSearch();
    EXPECT_EQ(shell.opened, QStringList({PreviewBrowser::searchPage()}));
    EXPECT_EQ(browser.locationURL(), programPath(QStringLiteral("blank.htm")));
}

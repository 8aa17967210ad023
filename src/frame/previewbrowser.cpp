#include "previewbrowser.h"
#include "openpage.h"

#include "platform/programfolder.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QRegularExpression>
#include <QScrollArea>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <optional>

namespace ts {

namespace {

// The path of this computer that an address names; nothing for an address outside it. "about:" pages
// and the empty address stand for an empty page.
std::optional<QString> localPath(const QString &address)
{
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:[/\\\\]"));
    if (address.isEmpty() || QDir::isAbsolutePath(address) || drive.match(address).hasMatch())
        return address;
    const QUrl url(address);
    if (url.isLocalFile())
        return url.toLocalFile();
    if (url.scheme() == QLatin1String("about"))
        return QString();
    if (url.scheme().isEmpty() && QFileInfo::exists(address))
        return address;
    return std::nullopt;
}

// A picture by its name and its content: an XML file is not taken for a drawing because it could be one.
bool isPicture(const QFileInfo &info)
{
    return QImageReader::supportedImageFormats().contains(info.suffix().toLower().toLatin1()) &&
           !QImageReader::imageFormat(info.filePath()).isEmpty();
}

bool isHtml(const QFileInfo &info)
{
    const QString suffix = info.suffix().toLower();
    return suffix == QLatin1String("htm") || suffix == QLatin1String("html") || suffix == QLatin1String("xhtml");
}

} // namespace

PreviewBrowser::PreviewBrowser(QWidget *parent)
    : QStackedWidget(parent), m_text(new QTextBrowser(this)), m_pictureArea(new QScrollArea(this)),
      m_picture(new QLabel(m_pictureArea)), m_completion(new QTimer(this))
{
    m_text->setObjectName(QStringLiteral("pageView"));
    m_text->setOpenLinks(false);
    m_picture->setObjectName(QStringLiteral("pictureView"));
    m_picture->setAlignment(Qt::AlignCenter);
    m_pictureArea->setWidget(m_picture);
    m_pictureArea->setWidgetResizable(true);
    m_pictureArea->setAlignment(Qt::AlignCenter);
    addWidget(m_text);
    addWidget(m_pictureArea);
    // A download completes once the event loop has run: until then the browser is busy, as a page that
    // is still arriving would keep it.
    m_completion->setSingleShot(true);
    m_completion->setInterval(0);
    connect(m_completion, &QTimer::timeout, this, &PreviewBrowser::completeDownload);
    connect(m_text, &QTextBrowser::anchorClicked, this, &PreviewBrowser::linkClicked);
}

QString PreviewBrowser::locationURL() const { return m_index >= 0 ? m_history.at(m_index) : QString(); }

QString PreviewBrowser::locationName() const { return m_name; }

bool PreviewBrowser::showsPicture() const { return currentWidget() == m_pictureArea; }

QString PreviewBrowser::homePage() { return programPath(QStringLiteral("blank.htm")); }

QString PreviewBrowser::searchPage() { return QStringLiteral("https://duckduckgo.com/"); }

void PreviewBrowser::navigate(const QString &address)
{
    if (!localPath(address)) {
        // An address typed without its scheme ("www.example.org") is a web address.
        openPage(QUrl(address).scheme().isEmpty() ? QUrl::fromUserInput(address).toString() : address);
        return;
    }
    while (m_history.size() > m_index + 1)
        m_history.removeLast();
    m_history.append(address);
    m_index = static_cast<int>(m_history.size()) - 1;
    display(address);
}

void PreviewBrowser::display(const QString &address)
{
    const QString path = localPath(address).value_or(QString());
    const QFileInfo info(path);
    m_name = info.fileName();
    m_busy = true;
    m_completion->start();
    if (path.isEmpty() || !info.isFile()) {
        m_text->clear();
        setCurrentWidget(m_text);
        return;
    }
    if (isPicture(info)) {
        m_picture->setPixmap(QPixmap(path));
        setCurrentWidget(m_pictureArea);
        return;
    }
    if (isHtml(info)) {
        // The page is read by the text browser itself, so that its pictures and links resolve against it.
        const QUrl url = QUrl::fromLocalFile(info.absoluteFilePath());
        if (m_text->source() == url)
            m_text->reload(); // the same page again: the text browser would only scroll
        else
            m_text->setSource(url, QTextDocument::HtmlResource);
        const QString title = m_text->documentTitle().trimmed();
        if (!title.isEmpty())
            m_name = title;
    } else {
        QString text;
        readTextFile(path, text);
        m_text->setPlainText(text);
    }
    setCurrentWidget(m_text);
}

void PreviewBrowser::completeDownload()
{
    m_busy = false;
    emit downloadComplete();
}

void PreviewBrowser::linkClicked(const QUrl &link)
{
    const QString current = localPath(locationURL()).value_or(QString());
    const QUrl base = QUrl::fromLocalFile(QFileInfo(current).absoluteFilePath());
    const QUrl target = link.isRelative() && !current.isEmpty() ? base.resolved(link) : link;
    if (target.isLocalFile() && target.adjusted(QUrl::RemoveFragment) == base && target.hasFragment()) {
        m_text->scrollToAnchor(target.fragment());
        return;
    }
    navigate(target.isLocalFile() ? target.toLocalFile() : target.toString());
}

void PreviewBrowser::goBack()
{
    if (!canGoBack())
        return;
    --m_index;
    display(m_history.at(m_index));
}

void PreviewBrowser::goForward()
{
    if (!canGoForward())
        return;
    ++m_index;
    display(m_history.at(m_index));
}

void PreviewBrowser::goHome() { navigate(homePage()); }

void PreviewBrowser::goSearch() { navigate(searchPage()); }

void PreviewBrowser::stop()
{
    m_completion->stop();
    m_busy = false;
}

void PreviewBrowser::refresh()
{
    if (m_index >= 0)
        display(m_history.at(m_index));
}

} // namespace ts

#include "previewbrowser.h"

#include "platform/textfile.h"

#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QTextBrowser>
#include <QUrl>

namespace ts {

PreviewBrowser::PreviewBrowser(QWidget *parent)
    : QStackedWidget(parent), m_text(new QTextBrowser(this)), m_picture(new QLabel(this))
{
    m_text->setOpenLinks(false);
    m_picture->setAlignment(Qt::AlignCenter);
    addWidget(m_text);
    addWidget(m_picture);
}

void PreviewBrowser::navigate(const QString &pathOrUrl)
{
    m_location = pathOrUrl;
    const QUrl url = QUrl::fromUserInput(pathOrUrl);
    const QString path = url.isLocalFile() ? url.toLocalFile() : pathOrUrl;
    const QFileInfo info(path);
    if (!info.isFile()) {
        m_text->clear();
        setCurrentWidget(m_text);
        return;
    }
    const QByteArray format = QImageReader::imageFormat(path);
    if (!format.isEmpty()) {
        m_picture->setPixmap(QPixmap(path));
        setCurrentWidget(m_picture);
        return;
    }
    QString text;
    readTextFile(path, text);
    const QString suffix = info.suffix().toLower();
    if (suffix == QLatin1String("htm") || suffix == QLatin1String("html"))
        m_text->setHtml(text);
    else
        m_text->setPlainText(text);
    setCurrentWidget(m_text);
}

} // namespace ts

#include "notice.h"

#include "platform/textfile.h"
#include "platform/xmldocument.h"

#include <QDir>

namespace ts {

void showNotices(const Notices &notices)
{
    for (const Notice &notice : notices)
        msgBox(notice.text, notice.buttons, notice.icon, notice.title);
}

Notice parseErrorNotice(const QString &prefix, const ParseError &error, const QString &lineBreak, Icon icon,
                        const QString &title)
{
    const QString blankLine = lineBreak + lineBreak;
    Notice notice;
    notice.text = prefix + QString::number(error.line) + QStringLiteral(", position ") +
                  QString::number(error.linepos) + blankLine + error.srcText + blankLine + error.reason;
    notice.icon = icon;
    notice.title = title;
    return notice;
}

Notice xmlFileParseNotice(const ParseError &error, const QString &path)
{
    Notice notice = parseErrorNotice(QStringLiteral("Unsupported XML on line "), error, QStringLiteral("\r\n"),
                                     Icon::Information, QStringLiteral("Notice"));
    if (!path.isEmpty())
        notice.text += QStringLiteral("\r\n\r\nFile: ") + QDir::toNativeSeparators(path);
    return notice;
}

QString unreadableText(const DecodedText &decoded, const QString &subject)
{
    if (!decoded.unreadable)
        return {};
    return QStringLiteral("%1 cannot be read: its bytes are in %2, which this program does not read. Save it in "
                          "UTF-8 and try again.")
        .arg(subject, *decoded.unreadable);
}

QString decodingNoticeText(const DecodedText &decoded, const QString &path)
{
    const QString shown = QDir::toNativeSeparators(path);
    if (decoded.unreadable)
        return unreadableText(decoded, shown);
    const QString badBytes =
        decoded.firstBadLine > 0
            ? QStringLiteral("Some bytes of %1 are not valid %2; they are shown as \"\uFFFD\". The first is on "
                             "line %3.")
                  .arg(shown, decoded.encoding)
                  .arg(decoded.firstBadLine)
            : QString();
    if (const auto &c = decoded.contradiction) {
        const QString said =
            QStringLiteral("%1 declares the encoding \"%2\", but its bytes are in %3").arg(shown, c->declared, c->form);
        if (decoded.firstNotUtf8Line > 0)
            return said + QStringLiteral(", and some of them are not valid UTF-8; it is read as Windows-1252. The "
                                         "first is on line %1.")
                              .arg(decoded.firstNotUtf8Line);
        const QString read = decoded.encoding.isEmpty() ? QStringLiteral("UTF-8") : decoded.encoding;
        return said + QStringLiteral("; it is read as %1.").arg(read) +
               (badBytes.isEmpty() ? QString() : QLatin1Char(' ') + badBytes);
    }
    if (!badBytes.isEmpty())
        return badBytes;
    if (decoded.unknownEncoding && decoded.firstNotUtf8Line > 0)
        return QStringLiteral("%1 declares the encoding \"%2\", which is not known here, and some of its bytes are "
                              "not valid UTF-8; it is read as Windows-1252. The first is on line %3.")
            .arg(shown, *decoded.unknownEncoding)
            .arg(decoded.firstNotUtf8Line);
    if (decoded.unknownEncoding)
        return QStringLiteral("%1 declares the encoding \"%2\", which is not known here; it is read as UTF-8.")
            .arg(shown, *decoded.unknownEncoding);
    if (decoded.firstNotUtf8Line > 0)
        return QStringLiteral("Some bytes of %1 are not valid UTF-8; it is read as Windows-1252. The first is on "
                              "line %2.")
            .arg(shown)
            .arg(decoded.firstNotUtf8Line);
    return {};
}

std::optional<Notice> decodingNotice(const DecodedText &decoded, const QString &path)
{
    const QString text = decodingNoticeText(decoded, path);
    if (text.isEmpty())
        return std::nullopt;
    return Notice{text, QStringLiteral("Notice"), Icon::Exclamation};
}

} // namespace ts

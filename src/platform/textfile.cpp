#include "textfile.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <optional>

namespace ts {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F.
const char16_t kCp1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                  0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString decodeCp1252(const QByteArray &bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        out.append(b >= 0x80 && b <= 0x9F ? QChar(kCp1252High[b - 0x80]) : QChar(b));
    }
    return out;
}

// The encoding the XML declaration names, as written (empty when it names an empty one); no value when
// there is no declaration or it names none.
std::optional<QString> declaredEncoding(const QByteArray &bytes)
{
    if (!bytes.startsWith("<?xml"))
        return std::nullopt;
    const qsizetype end = bytes.indexOf("?>");
    if (end < 0)
        return std::nullopt;
    static const QRegularExpression re(QStringLiteral("\\bencoding\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)')"));
    const auto m = re.match(QString::fromLatin1(bytes.left(end)));
    if (!m.hasMatch())
        return std::nullopt;
    return m.capturedStart(1) >= 0 ? m.captured(1) : m.captured(2);
}

// The 1-based line of a position in the text; a line ends in a line feed, or in a carriage return not
// followed by one.
int lineAt(const QString &text, qsizetype position)
{
    int line = 1;
    for (qsizetype i = 0; i < position; ++i) {
        const QChar c = text.at(i);
        if (c == u'\n' || (c == u'\r' && (i + 1 >= text.size() || text.at(i + 1) != u'\n')))
            ++line;
    }
    return line;
}

// The line of the first U+FFFD that the decoding put in place of invalid bytes. In UTF-8 one that the
// file holds as written (EF BF BD) is told apart from a replacement; other encodings take the first.
int firstReplacementLine(const QString &text, const QByteArray &utf8Bytes)
{
    qsizetype searched = 0;
    qsizetype byteOffset = 0;
    for (qsizetype i = text.indexOf(QChar::ReplacementCharacter); i >= 0;
         i = text.indexOf(QChar::ReplacementCharacter, i + 1)) {
        if (utf8Bytes.isNull())
            return lineAt(text, i);
        byteOffset += QStringView(text).mid(searched, i - searched).toUtf8().size();
        if (utf8Bytes.mid(byteOffset, 3) != "\xEF\xBF\xBD")
            return lineAt(text, i);
        byteOffset += 3;
        searched = i + 1;
    }
    return 0;
}

// Puts U+FFFD in place of every surrogate without its partner (a UTF-16 decoder passes them on as they
// are, and no text can hold them); the position of the first, or -1 when there is none.
qsizetype replaceLoneSurrogates(QString &text)
{
    qsizetype first = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!c.isSurrogate())
            continue;
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
            continue;
        }
        text[i] = QChar::ReplacementCharacter;
        if (first < 0)
            first = i;
    }
    return first;
}

// The decoder is used where it stands: a moved one forgets the errors it met in some encodings.
DecodedText decodeWith(QStringDecoder &decoder, const QByteArray &bytes, const QString &encoding, bool isUtf8)
{
    DecodedText out;
    out.encoding = encoding;
    out.text = decoder(bytes);
    const bool invalidBytes = decoder.hasError();
    const qsizetype lone = replaceLoneSurrogates(out.text);
    if (invalidBytes)
        out.firstBadLine = firstReplacementLine(out.text, isUtf8 ? bytes : QByteArray());
    if (lone >= 0) {
        const int line = lineAt(out.text, lone);
        out.firstBadLine = out.firstBadLine > 0 ? std::min(out.firstBadLine, line) : line;
    }
    return out;
}

// How a text in UTF-16 shows itself: by its byte-order mark, or, without one, by the "<?" that begins its
// XML declaration.
struct Utf16Form {
    QStringConverter::Encoding encoding;
    qsizetype markLength;
};

std::optional<Utf16Form> utf16Form(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xFE"))
        return Utf16Form{QStringConverter::Utf16LE, 2};
    if (bytes.startsWith("\xFE\xFF"))
        return Utf16Form{QStringConverter::Utf16BE, 2};
    if (bytes.startsWith(QByteArrayView("<\0?\0", 4)))
        return Utf16Form{QStringConverter::Utf16LE, 0};
    if (bytes.startsWith(QByteArrayView("\0<\0?", 4)))
        return Utf16Form{QStringConverter::Utf16BE, 0};
    return std::nullopt;
}

// The forms that XML 1.0 tells by a file's first four bytes and no decoder here reads, so that such a file is
// refused rather than read as another encoding: UTF-32 with its byte-order mark (the little-endian one begins
// like UTF-16's) or beginning with "<", UTF-16 without a mark beginning with "<" and a character other than the
// "?" of a declaration (which utf16Form reads), and EBCDIC beginning with "<?xm".
std::optional<QString> unreadableForm(const QByteArray &bytes)
{
    static constexpr struct {
        QByteArrayView start;
        const char *form;
    } kForms[] = {
        {QByteArrayView("\xFF\xFE\0\0", 4), "UTF-32"}, {QByteArrayView("\0\0\xFE\xFF", 4), "UTF-32"},
        {QByteArrayView("<\0\0\0", 4), "UTF-32"},       {QByteArrayView("\0\0\0<", 4), "UTF-32"},
        {QByteArrayView("\x4C\x6F\xA7\x94", 4), "EBCDIC"},
    };
    for (const auto &f : kForms)
        if (bytes.startsWith(f.start))
            return QString::fromLatin1(f.form);
    if (bytes.size() < 4 || utf16Form(bytes))
        return std::nullopt;
    // "<" and a character other than NUL, in either byte order ("<" and NUL little-endian is UTF-32, told above).
    if (bytes.startsWith(QByteArrayView("<\0", 2)) ||
        (bytes.startsWith(QByteArrayView("\0<", 2)) && (bytes.at(2) != 0 || bytes.at(3) != 0)))
        return QStringLiteral("UTF-16 without a byte-order mark or XML declaration");
    return std::nullopt;
}

DecodedText decodeUtf8(const QByteArray &bytes, const QString &encoding)
{
    // Stateless: a sequence cut short at the end is an invalid byte too, not one held back.
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    return decodeWith(decoder, bytes, encoding, true);
}

} // namespace

DecodedText decodeTextFile(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return decodeUtf8(bytes.mid(3), QStringLiteral("UTF-8"));
    if (std::optional<QString> form = unreadableForm(bytes)) {
        DecodedText out;
        out.unreadable = std::move(form);
        return out;
    }
    if (const std::optional<Utf16Form> form = utf16Form(bytes)) {
        QStringDecoder decoder(form->encoding, QStringConverter::Flag::Stateless);
        return decodeWith(decoder, bytes.mid(form->markLength), QStringLiteral("UTF-16"), false);
    }
    const std::optional<QString> declaredName = declaredEncoding(bytes);
    const QString declared = declaredName.value_or(QString());
    const QString name = declared.toLower();
    if (name == QLatin1String("iso-8859-1") || name == QLatin1String("latin1") || name == QLatin1String("latin-1"))
        return {QString::fromLatin1(bytes), declared, 0};
    if (name == QLatin1String("windows-1252") || name == QLatin1String("cp1252"))
        return {decodeCp1252(bytes), declared, 0};
    // A declaration readable as ASCII cannot stand in UTF-16 or UTF-32: the bytes are UTF-8 whatever it says.
    if (name.startsWith(QLatin1String("utf-")) || name.startsWith(QLatin1String("ucs-")) ||
        name == QLatin1String("utf8"))
        return decodeUtf8(bytes, declared);
    if (!declared.isEmpty()) {
        QStringDecoder decoder(name.toLatin1().constData(), QStringConverter::Flag::Stateless);
        if (decoder.isValid())
            return decodeWith(decoder, bytes, declared, false);
    }
    // Nothing declared (or an encoding unknown here, an empty name too, which is said): UTF-8 when the bytes
    // are UTF-8.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8(bytes);
    DecodedText out{text, QString(), 0};
    out.unknownEncoding = declaredName;
    if (!utf8.hasError())
        return out;
    out.text = decodeCp1252(bytes);
    // Line ends are the same bytes in both encodings.
    out.firstNotUtf8Line = firstReplacementLine(text, bytes);
    return out;
}

QString decodeText(const QByteArray &bytes) { return decodeTextFile(bytes).text; }

QByteArray lineEndFor(const QByteArray &bytes)
{
    const std::optional<Utf16Form> form = utf16Form(bytes);
    if (!form)
        return QByteArrayLiteral("\r\n");
    if (bytes.size() % 2 != 0)
        return {};
    return form->encoding == QStringConverter::Utf16LE ? QByteArray("\r\0\n\0", 4) : QByteArray("\0\r\0\n", 4);
}

bool readTextFile(const QString &path, DecodedText &decoded, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return false;
    }
    decoded = decodeTextFile(bytes);
    return true;
}

bool readTextFile(const QString &path, QString &text, QString *error)
{
    DecodedText decoded;
    if (!readTextFile(path, decoded, error))
        return false;
    text = decoded.text;
    return true;
}

QString withCrLf(const QString &text)
{
    QString out;
    out.reserve(text.size() + text.size() / 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r')) {
            out.append(QStringLiteral("\r\n"));
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
        } else if (c == QLatin1Char('\n')) {
            out.append(QStringLiteral("\r\n"));
        } else {
            out.append(c);
        }
    }
    return out;
}

} // namespace ts

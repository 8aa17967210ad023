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

// The encoding an XML declaration at the start of the text names, as written (empty when it names an empty
// one); no value when there is no declaration or it names none.
std::optional<QString> declaredEncoding(QStringView text)
{
    if (!text.startsWith(QLatin1String("<?xml")))
        return std::nullopt;
    const qsizetype end = text.indexOf(QLatin1String("?>"));
    if (end < 0)
        return std::nullopt;
    static const QRegularExpression re(QStringLiteral("\\bencoding\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)')"));
    const auto m = re.match(text.left(end));
    if (!m.hasMatch())
        return std::nullopt;
    return m.capturedStart(1) >= 0 ? m.captured(1) : m.captured(2);
}

std::optional<QString> declaredEncoding(const QByteArray &bytes)
{
    if (!bytes.startsWith("<?xml"))
        return std::nullopt;
    const qsizetype end = bytes.indexOf("?>");
    return end < 0 ? std::nullopt : declaredEncoding(QString::fromLatin1(bytes.left(end + 2)));
}

// Whether a name of an encoding (in lower case) names UTF-16, or an encoding of units of two or four bytes.
bool namesUtf16(const QString &name)
{
    return name.startsWith(QLatin1String("utf-16")) || name.startsWith(QLatin1String("ucs-2")) ||
           name == QLatin1String("iso-10646-ucs-2") || name == QLatin1String("unicode");
}

bool namesWideUnits(const QString &name)
{
    return namesUtf16(name) || name.startsWith(QLatin1String("utf-32")) || name.startsWith(QLatin1String("ucs-4")) ||
           name == QLatin1String("iso-10646-ucs-4");
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

// The layout of a character in a form of fixed-size units: its bytes from the most significant one on, by
// their place in the unit.
struct UnitLayout {
    const char *order; // as XML 1.0 names the byte orders of UCS-4; "12" and "21" for UTF-16
    int size;
    int place[4];
};

constexpr UnitLayout kUcs4Layouts[] = {
    {"1234", 4, {0, 1, 2, 3}}, {"4321", 4, {3, 2, 1, 0}}, {"2143", 4, {1, 0, 3, 2}}, {"3412", 4, {2, 3, 0, 1}}};
constexpr UnitLayout kUtf16Layouts[] = {{"12", 2, {0, 1}}, {"21", 2, {1, 0}}};

char32_t unitAt(const QByteArray &bytes, qsizetype at, const UnitLayout &layout)
{
    char32_t unit = 0;
    for (int k = 0; k < layout.size; ++k)
        unit = unit << 8 | static_cast<unsigned char>(bytes.at(at + layout.place[k]));
    return unit;
}

QByteArray unitBytes(char32_t unit, const UnitLayout &layout)
{
    QByteArray out(layout.size, '\0');
    for (int k = 0; k < layout.size; ++k)
        out[layout.place[k]] = static_cast<char>(unit >> (8 * (layout.size - 1 - k)) & 0xFF);
    return out;
}

// How a file in a form of units begins: with a byte-order mark, with "<?" (a declaration), or with blanks and
// line ends before "<" (a tag).
enum class Start { None, Mark, Declaration, Tag };

Start startIn(const QByteArray &bytes, const UnitLayout &layout)
{
    const qsizetype size = layout.size;
    if (bytes.size() < size)
        return Start::None;
    if (unitAt(bytes, 0, layout) == 0xFEFF)
        return Start::Mark;
    for (qsizetype at = 0; at + size <= bytes.size(); at += size) {
        const char32_t unit = unitAt(bytes, at, layout);
        if (unit == U'<')
            return at == 0 && 2 * size <= bytes.size() && unitAt(bytes, size, layout) == U'?' ? Start::Declaration
                                                                                              : Start::Tag;
        if (unit != U' ' && unit != U'\t' && unit != U'\r' && unit != U'\n')
            return Start::None;
    }
    return Start::None;
}

bool isEbcdicNameStart(unsigned char c)
{
    return (c >= 0x81 && c <= 0x89) || (c >= 0x91 && c <= 0x99) || (c >= 0xA2 && c <= 0xA9) ||
           (c >= 0xC1 && c <= 0xC9) || (c >= 0xD1 && c <= 0xD9) || (c >= 0xE2 && c <= 0xE9) || c == 0x6D;
}

bool isEbcdicBlank(unsigned char c) { return c == 0x40 || c == 0x05 || c == 0x0D || c == 0x25 || c == 0x15; }

// EBCDIC as its first bytes show it: after blanks and line ends (in EBCDIC), "<?xm", "<!--" or "<" and a name
// ended by a blank, ">" or "/".
bool isEbcdic(const QByteArray &bytes)
{
    qsizetype at = 0;
    while (at < bytes.size() && isEbcdicBlank(static_cast<unsigned char>(bytes.at(at))))
        ++at;
    const QByteArrayView rest = QByteArrayView(bytes).sliced(at);
    if (rest.startsWith("\x4C\x6F\xA7\x94") || rest.startsWith("\x4C\x5A\x60\x60"))
        return true;
    if (rest.size() < 3 || rest.at(0) != '\x4C' || !isEbcdicNameStart(static_cast<unsigned char>(rest.at(1))))
        return false;
    for (qsizetype i = 2; i < rest.size(); ++i) {
        const auto c = static_cast<unsigned char>(rest.at(i));
        if (isEbcdicNameStart(c) || (c >= 0xF0 && c <= 0xF9) || c == 0x60 || c == 0x4B || c == 0x7A)
            continue;
        return isEbcdicBlank(c) || c == 0x6E || c == 0x61;
    }
    return false;
}

// The form of a file's bytes as XML 1.0 tells it by the first of them.
struct ByteForm {
    enum Kind { Plain, Utf8Mark, Utf16, Ucs4, Ebcdic } kind = Plain;
    const UnitLayout *layout = nullptr; // UTF-16 and UCS-4
    Start start = Start::None;
};

ByteForm byteForm(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return {ByteForm::Utf8Mark};
    // UCS-4 first: "<" and a NUL in UTF-16 is UCS-4, as a mark and NULs are.
    for (const UnitLayout &layout : kUcs4Layouts)
        if (const Start start = startIn(bytes, layout); start != Start::None)
            return {ByteForm::Ucs4, &layout, start};
    for (const UnitLayout &layout : kUtf16Layouts)
        if (const Start start = startIn(bytes, layout); start != Start::None)
            return {ByteForm::Utf16, &layout, start};
    if (isEbcdic(bytes))
        return {ByteForm::Ebcdic};
    return {};
}

DecodedText decodeUtf8(const QByteArray &bytes, const QString &encoding)
{
    // Stateless: a sequence cut short at the end is an invalid byte too, not one held back.
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    return decodeWith(decoder, bytes, encoding, true);
}

// Names the encoding a declaration names, where the bytes show another form.
void noteContradiction(DecodedText &decoded, const std::optional<QString> &declared, const char *form)
{
    if (declared && !declared->isEmpty())
        decoded.contradiction = DecodedText::Contradiction{*declared, QString::fromLatin1(form)};
}

DecodedText unreadable(const QString &form)
{
    DecodedText out;
    out.unreadable = form;
    return out;
}

// Bytes of no form of their own: as their declaration names, or, naming none (or one unknown here), as UTF-8
// or Windows-1252.
DecodedText decodePlain(const QByteArray &bytes)
{
    const std::optional<QString> declaredName = declaredEncoding(bytes);
    const QString declared = declaredName.value_or(QString());
    const QString name = declared.toLower();
    if (name == QLatin1String("iso-8859-1") || name == QLatin1String("latin1") || name == QLatin1String("latin-1"))
        return {QString::fromLatin1(bytes), declared, 0};
    if (name == QLatin1String("windows-1252") || name == QLatin1String("cp1252"))
        return {decodeCp1252(bytes), declared, 0};
    // A declaration readable as ASCII cannot stand in an encoding of wider units, nor in one that does not read
    // it as ASCII (EBCDIC): the bytes are read as if they declared nothing, and the declaration is named.
    bool contradicted = namesWideUnits(name);
    // The other Unicode forms (UTF-8, UTF-7) are read as UTF-8.
    const bool otherUnicode = name.startsWith(QLatin1String("utf-")) || name.startsWith(QLatin1String("ucs-")) ||
                              name == QLatin1String("utf8");
    if (!contradicted && otherUnicode)
        return decodeUtf8(bytes, declared);
    if (!contradicted && !declared.isEmpty()) {
        QStringDecoder decoder(name.toLatin1().constData(), QStringConverter::Flag::Stateless);
        QStringDecoder probe(name.toLatin1().constData(), QStringConverter::Flag::Stateless);
        contradicted = decoder.isValid() && QString(probe(QByteArrayView("<?xml"))) != QLatin1String("<?xml");
        if (decoder.isValid() && !contradicted)
            return decodeWith(decoder, bytes, declared, false);
    }
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8(bytes);
    DecodedText out{text, QString(), 0};
    if (contradicted)
        noteContradiction(out, declaredName, "an encoding based on ASCII");
    else
        out.unknownEncoding = declaredName; // an encoding unknown here, an empty name too, is said
    if (!utf8.hasError())
        return out;
    out.text = decodeCp1252(bytes);
    // Line ends are the same bytes in both encodings.
    out.firstNotUtf8Line = firstReplacementLine(text, bytes);
    return out;
}

QString unusualOrder(const UnitLayout &layout)
{
    return QStringLiteral("UCS-4 in the unusual byte order %1").arg(QLatin1String(layout.order));
}

} // namespace

DecodedText decodeTextFile(const QByteArray &bytes)
{
    const ByteForm form = byteForm(bytes);
    switch (form.kind) {
    case ByteForm::Utf8Mark: {
        DecodedText out = decodeUtf8(bytes.mid(3), QStringLiteral("UTF-8"));
        const std::optional<QString> declared = declaredEncoding(out.text);
        if (declared && declared->toLower() != QLatin1String("utf-8") && declared->toLower() != QLatin1String("utf8"))
            noteContradiction(out, declared, "UTF-8");
        return out;
    }
    case ByteForm::Ucs4:
        return unreadable(form.layout == &kUcs4Layouts[0] || form.layout == &kUcs4Layouts[1]
                              ? QStringLiteral("UTF-32")
                              : unusualOrder(*form.layout));
    case ByteForm::Ebcdic: return unreadable(QStringLiteral("EBCDIC"));
    case ByteForm::Utf16: {
        // Without a mark, UTF-16 is read only where it begins with the "<?" of its declaration.
        if (form.start == Start::Tag)
            return unreadable(QStringLiteral("UTF-16 without a byte-order mark or XML declaration"));
        const bool littleEndian = form.layout == &kUtf16Layouts[1];
        QStringDecoder decoder(littleEndian ? QStringConverter::Utf16LE : QStringConverter::Utf16BE,
                               QStringConverter::Flag::Stateless);
        const QByteArray units = bytes.mid(form.start == Start::Mark ? 2 : 0);
        DecodedText out = decodeWith(decoder, units, QStringLiteral("UTF-16"), false);
        const std::optional<QString> declared = declaredEncoding(out.text);
        if (declared && !namesUtf16(declared->toLower()))
            noteContradiction(out, declared, "UTF-16");
        return out;
    }
    case ByteForm::Plain: break;
    }
    return decodePlain(bytes);
}

QString decodeText(const QByteArray &bytes) { return decodeTextFile(bytes).text; }

QByteArray lineEndFor(const QByteArray &bytes)
{
    const ByteForm form = byteForm(bytes);
    switch (form.kind) {
    case ByteForm::Utf16:
    case ByteForm::Ucs4:
        if (bytes.size() % form.layout->size != 0)
            return {};
        return unitBytes(U'\r', *form.layout) + unitBytes(U'\n', *form.layout);
    case ByteForm::Ebcdic: return QByteArrayLiteral("\x0D\x25");
    case ByteForm::Utf8Mark:
    case ByteForm::Plain: break;
    }
    return QByteArrayLiteral("\r\n");
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

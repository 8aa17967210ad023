#include "textutil.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace ts {

namespace {

QString escape(const QString &text, bool quotes)
{
    QString out;
    out.reserve(text.size() + text.size() / 8);
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '&': out += QStringLiteral("&amp;"); break;
        case '<': out += QStringLiteral("&lt;"); break;
        case '>': out += QStringLiteral("&gt;"); break;
        case '"':
            if (quotes) {
                out += QStringLiteral("&quot;");
                break;
            }
            [[fallthrough]];
        default: out += c;
        }
    }
    return out;
}

bool isXmlChar(char16_t c)
{
    return c >= 0x20 ? c != 0xFFFE && c != 0xFFFF : c == u'\t' || c == u'\n' || c == u'\r';
}

} // namespace

QString withoutNonXmlChars(const QString &text)
{
    QString out;
    bool leftOut = false; // nothing is copied until the first character to leave out
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool pair = c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        const bool keep = pair || (!c.isSurrogate() && isXmlChar(c.unicode()));
        if (!keep && !leftOut) {
            out = text.left(i);
            leftOut = true;
        } else if (keep && leftOut) {
            out += c;
            if (pair)
                out += text.at(i + 1);
        }
        if (pair)
            ++i;
    }
    return leftOut ? out : text;
}

namespace {

bool isLineEnd(QChar c) { return c == QLatin1Char('\n') || c == QLatin1Char('\r'); }

// The position of an "END:vCard" marker (blanks allowed after the colon) at or after from, standing on its
// own rather than inside a word ("Friend: ..." holds none); -1 when there is none.
qsizetype findEndMarker(const QString &lower, qsizetype from)
{
    static const QRegularExpression marker(QStringLiteral("(?<![a-z0-9-])end:\\s*vcard"));
    const QRegularExpressionMatch m = marker.match(lower, from);
    return m.hasMatch() ? m.capturedStart() : -1;
}

// A vCard property: its name (or an extension "X-" name) with any parameters, and its colon
// ("email;type=internet:"), in lower case. A word with a colon that names no property ("Friend:") is none.
constexpr char kPropertyPattern[] =
    "(?:begin|end|version|fn|n|nickname|photo|bday|adr|label|tel|email|mailer|tz|geo|title|"
    "role|logo|agent|org|categories|note|prodid|rev|sort-string|sound|uid|url|class|key|impp|"
    "kind|gender|lang|member|related|source|x-[a-z0-9-]+)(?:;[^:\\s]*)?:";

// The position of the next vCard property at or after from that stands after a blank; -1 when none.
qsizetype findNextProperty(const QString &lower, qsizetype from)
{
    static const QRegularExpression property(QStringLiteral("(?<=\\s)") + QLatin1String(kPropertyPattern));
    const QRegularExpressionMatch m = property.match(lower, from);
    return m.hasMatch() ? m.capturedStart() : -1;
}

// Whether a line, its blanks taken off, begins with a property.
bool isPropertyLine(QStringView line)
{
    static const QRegularExpression property(QLatin1Char('^') + QLatin1String(kPropertyPattern),
                                             QRegularExpression::CaseInsensitiveOption);
    return property.match(line).hasMatch();
}

qsizetype indentOf(QStringView line)
{
    qsizetype n = 0;
    while (n < line.size() && (line.at(n) == QLatin1Char(' ') || line.at(n) == QLatin1Char('\t')))
        ++n;
    return n;
}

// The vCard with its folded lines unfolded, its lines ended by line feeds. A line that begins with a blank or a
// tab continues the one before it: in a vCard of version 3.0 or later its line end and one blank are taken
// out, in an older one (or one that names no version) its line end, its blanks standing for one. Lines
// indented in the XML around them are indented alike: only a line indented further than the vCard's own
// properties (told by their names, the first line aside, which follows the XML's start tag) continues one,
// and a line that begins with a property is never a continuation.
QString unfoldedVCard(const QString &vcard)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    const QStringList lines = vcard.split(lineEnd);
    if (lines.size() < 2)
        return vcard;
    static const QRegularExpression version(QStringLiteral("(?:^|\\s)version:\\s*([0-9]+)"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch v = version.match(vcard);
    const bool oneBlankTakenOut = v.hasMatch() && v.capturedView(1).toInt() >= 3;
    qsizetype own = -1;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype indent = indentOf(lines.at(i));
        if (isPropertyLine(QStringView(lines.at(i)).mid(indent)))
            own = own < 0 ? indent : std::min(own, indent);
    }
    own = std::max<qsizetype>(own, 0);
    QString out = lines.constFirst();
    bool continuable = !lines.constFirst().trimmed().isEmpty();
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        const qsizetype indent = indentOf(line);
        const bool blank = indent == line.size();
        if (continuable && !blank && indent > own && !isPropertyLine(QStringView(line).mid(indent))) {
            out += oneBlankTakenOut ? line.mid(own + 1) : QLatin1Char(' ') + line.mid(indent);
            continue;
        }
        out += QLatin1Char('\n') + line;
        continuable = !blank;
    }
    return out;
}

// True when the property at pos shares its line with the vCard's BEGIN: marker: a vCard written on one
// line, its properties one after the other.
bool isOnOneLine(const QString &lower, qsizetype pos)
{
    qsizetype lineStart = pos;
    while (lineStart > 0 && !isLineEnd(lower.at(lineStart - 1)))
        --lineStart;
    return QStringView(lower).mid(lineStart, pos - lineStart).trimmed().startsWith(QLatin1String("begin:"));
}

// The value after the marker at pos (pos points at the marker's first character): up to the end of its
// line, an END: marker on that line, or, in a vCard on one line, the next property.
QString valueAt(const QString &vcard, const QString &lower, qsizetype pos, qsizetype markerLength)
{
    const qsizetype start = pos + markerLength;
    qsizetype end = start;
    while (end < vcard.size() && !isLineEnd(vcard.at(end)))
        ++end;
    // An END: marker counts only on the value's line, where it is looked for first by its letters.
    if (QStringView(lower).mid(start, end - start).contains(QLatin1String("end:"))) {
        const qsizetype endMarker = findEndMarker(lower, start);
        if (endMarker >= 0 && endMarker < end)
            end = endMarker;
    }
    if (isOnOneLine(lower, pos)) {
        const qsizetype next = findNextProperty(lower, start);
        if (next >= 0 && next < end)
            end = next;
    }
    return vcard.mid(start, end - start).trimmed();
}

// The position of a property marker ("fn:", "org:") at the start of a line or after a blank; a marker
// glued to other text (as in "BEGIN:vCard ORG:") counts too, but not one inside a longer key ("x-fn:").
qsizetype findProperty(const QString &lower, const QString &marker)
{
    qsizetype from = 0;
    while (true) {
        const qsizetype pos = lower.indexOf(marker, from);
        if (pos < 0)
            return -1;
        if (pos == 0 || !(lower.at(pos - 1).isLetterOrNumber() || lower.at(pos - 1) == QLatin1Char('-')))
            return pos;
        // "vcardfn:" cannot be told from a glued "vCard" + "FN:"; accept a marker right after "vcard".
        if (pos >= 5 && lower.mid(pos - 5, 5) == QLatin1String("vcard"))
            return pos;
        from = pos + 1;
    }
}

} // namespace

QString escapeXML(const QString &text) { return escape(text, false); }

QString escapeXMLAttribute(const QString &text) { return escape(text, true); }

bool isPlainSize(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

QString trimBlanks(const QString &text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text.at(start) == QLatin1Char(' '))
        ++start;
    while (end > start && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(start, end - start);
}

QStringList splitAtCommas(const QString &text)
{
    if (text.isEmpty())
        return {};
    return text.split(QLatin1Char(','));
}

QString getVCardName(const QString &folded)
{
    const QString vcard = unfoldedVCard(folded);
    const QString lower = vcard.toLower();
    for (const QString &marker : {QStringLiteral("fn:"), QStringLiteral("org:")}) {
        const qsizetype pos = findProperty(lower, marker);
        if (pos >= 0)
            return valueAt(vcard, lower, pos, marker.size());
    }
    // No name property: the first line that is not a BEGIN: or END: marker.
    QString body = vcard;
    body.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    for (QString line : body.split(QLatin1Char('\n'))) {
        line = line.trimmed();
        const QString l = line.toLower();
        if (l.startsWith(QLatin1String("begin:"))) {
            // "BEGIN:vCard" alone, or glued to what follows it.
            const qsizetype v = l.indexOf(QLatin1String("vcard"));
            line = v >= 0 ? line.mid(v + 5).trimmed() : QString();
        }
        const qsizetype end = findEndMarker(line.toLower(), 0);
        if (end >= 0)
            line = line.left(end).trimmed();
        if (!line.isEmpty())
            return line;
    }
    return {};
}

namespace {

// The pieces of a vCard: its lines, a line that holds its BEGIN: marker split at each property after it (a
// vCard written on one line), and an END: marker split off the line that holds it.
QStringList vCardPieces(const QString &vcard)
{
    QStringList pieces;
    qsizetype from = 0;
    while (from < vcard.size()) {
        qsizetype to = from;
        while (to < vcard.size() && !isLineEnd(vcard.at(to)))
            ++to;
        QString line = vcard.mid(from, to - from).trimmed();
        from = to + 1;
        if (line.isEmpty())
            continue;
        QString lower = line.toLower();
        QString end;
        if (const qsizetype at = lower.contains(QLatin1String("end:")) ? findEndMarker(lower, 0) : -1; at > 0) {
            end = line.mid(at);
            line = line.left(at).trimmed();
            lower = line.toLower();
        }
        if (lower.startsWith(QLatin1String("begin:"))) {
            const qsizetype v = lower.indexOf(QLatin1String("vcard"));
            const qsizetype markerEnd = v >= 0 ? v + 5 : line.size();
            pieces << line.left(markerEnd);
            const QString after = line.mid(markerEnd).trimmed();
            const QString afterLower = after.toLower();
            qsizetype start = 0;
            while (start < after.size()) {
                qsizetype next = findNextProperty(afterLower, start + 1);
                if (next < 0)
                    next = after.size();
                pieces << after.mid(start, next - start).trimmed();
                start = next;
            }
        } else {
            pieces << line;
        }
        if (!end.isEmpty())
            pieces << end;
    }
    return pieces;
}

} // namespace

QStringList getVCardDetails(const QString &vcard)
{
    static const QRegularExpression property(QStringLiteral("^([A-Za-z0-9-]+)(?:;[^:]*)?:(.*)$"),
                                             QRegularExpression::DotMatchesEverythingOption);
    struct Line {
        QString name; // upper case; empty for a line that is no property
        QString text;
        bool hasValue;
    };
    QList<Line> lines;
    for (const QString &piece : vCardPieces(unfoldedVCard(vcard))) {
        const QRegularExpressionMatch m = property.match(piece);
        if (m.hasMatch()) {
            lines.append({m.captured(1).toUpper(), piece, !m.capturedView(2).trimmed().isEmpty()});
        } else if (!lines.isEmpty() && lines.last().name != QLatin1String("BEGIN")) {
            lines.last().text += QLatin1Char(' ') + piece;
            lines.last().hasValue = true;
        } else {
            lines.append({QString(), piece, true});
        }
    }
    // The line the name is taken from: the first FN:, or without one the first ORG:, or without either the
    // first line that is no marker.
    const auto named = [&lines](auto test) {
        return std::find_if(lines.begin(), lines.end(), test) - lines.begin();
    };
    const qsizetype fn = named([](const Line &l) { return l.name == QLatin1String("FN"); });
    qsizetype name = fn;
    if (name == lines.size())
        name = named([](const Line &l) { return l.name == QLatin1String("ORG"); });
    if (name == lines.size())
        name = named([](const Line &l) { return l.name != QLatin1String("BEGIN") && l.name != QLatin1String("END"); });
    static const QStringList kWritten{QStringLiteral("BEGIN"), QStringLiteral("END"), QStringLiteral("VERSION")};
    QStringList out;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const Line &l = lines.at(i);
        if (i == name || !l.hasValue || kWritten.contains(l.name) || (l.name == QLatin1String("N") && fn < lines.size()))
            continue;
        out << l.text.simplified();
    }
    return out;
}

void JoinedText::add(const QString &part)
{
    if (!m_any) {
        m_field = part;
        m_any = true;
        return;
    }
    if (m_when == Separator::Always || !m_field.isEmpty())
        m_field += m_separator;
    m_field += part;
}

QString declaredUtf8(QString text)
{
    static const QRegularExpression declared(
        QStringLiteral(R"(^(\s*<\?xml\b[^>]*?\bencoding\s*=\s*)(["'])[^"']*(["']))"));
    // Only the declaration is matched: a text that is no valid UTF-16 further on (a surrogate without its
    // partner) is matched by nothing.
    const qsizetype end = text.indexOf(QLatin1String("?>"));
    if (end < 0)
        return text;
    QString head = text.left(end);
    head.replace(declared, QStringLiteral("\\1\\2UTF-8\\3"));
    return text.replace(0, end, head);
}

} // namespace ts

#pragma once
#include <QString>
#include <QStringList>

namespace ts {

// Escapes free text for XML element content: "&", "<" and ">" become "&amp;", "&lt;" and "&gt;";
// every other character is copied. Text already escaped is escaped again. No length limit.
QString escapeXML(const QString &text);

// The same for an attribute value between double quotes: also '"' becomes "&quot;".
QString escapeXMLAttribute(const QString &text);

// Leading and trailing blanks removed; tabs and line breaks are kept.
QString trimBlanks(const QString &text);
// The pieces of a comma-separated text; an empty text has none, empty pieces are kept.
QStringList splitAtCommas(const QString &text);
// The text without the characters XML 1.0 cannot hold: control characters other than tab, line feed and
// carriage return, U+FFFE, U+FFFF and surrogates that are not part of a pair.
QString withoutNonXmlChars(const QString &text);

// Texts joined in document order into a field that holds the joined text after each addition: the first
// replaces what the field held, each further one follows a separator. The field grows in place, so that a
// list of any length is joined in time linear in its length.
class JoinedText {
public:
    enum class Separator {
        Always,   // between every two texts, also around an empty one
        AfterText // only after text joined before: an empty first text gets none after it
    };
    JoinedText(QString &field, QString separator, Separator when = Separator::Always)
        : m_field(field), m_separator(std::move(separator)), m_when(when)
    {
    }
    void add(const QString &part);

private:
    QString &m_field;
    QString m_separator;
    Separator m_when;
    bool m_any = false;
};

// The size test of the editors' size fields and of the writers: digits only, at least one.
bool isPlainSize(const QString &text);

// A vCard is read with its folded lines unfolded: a line that begins with a blank or a tab continues the one
// before it (its line end and, from version 3.0 on, the one blank taken out; in older vCards the blanks stand
// for one), where it is indented further than the vCard's properties and begins with none.

// The name held by a vCard: the value of its FN: line, or without one of its ORG: line, found in any
// case; the value runs to the end of its line (or to an END: marker on the same line; in a vCard written
// on one line, to the next property) and is returned with its own case, trimmed of blanks and line ends.
// A vCard with neither gives its first line that is not a BEGIN: or END: marker. Text is returned as it
// is, never escaped.
QString getVCardName(const QString &vcard);

// The lines of a vCard beside its name, each on one line as written ("ORG:Company", "EMAIL;INTERNET:a@b.org"):
// every property but its BEGIN:, END: and VERSION: lines, the line its name is taken from (and N: beside an
// FN:), and those with nothing after their colon. A line that is no property continues the one before it; in a
// vCard written on one line, each property is a line of its own.
QStringList getVCardDetails(const QString &vcard);

// The text of an XML document as the program writes it, in UTF-8: an encoding its XML declaration names
// becomes "UTF-8", so that the bytes written read back as the same characters.
QString declaredUtf8(QString text);

} // namespace ts

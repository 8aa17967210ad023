#pragma once
// The conversion of one SCORM 1.2 file, a metadata record or a content-package manifest, into its SCORM
// 2004 form: the stylesheet of its type runs over it, a metadata record gets the IEEE LOM declaration and
// root start tag in front of the stylesheet's "Generated" comment, a manifest keeps its own root, and every
// date value becomes a LOM date. The engine writes no file; it hands back the text, or why there is none.

#include <QString>
#include <QStringList>
#include <QTime>
#include <functional>
#include <memory>

namespace ts {
class XmlDocument;
class XsltStylesheet;
} // namespace ts

namespace ts::lomshift {

// The comment that marks a stylesheet's output, right after the root start tag.
inline constexpr const char *kMarker = "<!--Generated";

struct Conversion {
    QString text;          // the converted document; empty when the file was not converted
    QString failure;       // why it was not converted (a sentence for the user)
    QStringList keptDates; // date values that read as no date, left as they were
    QStringList leftOut;   // the paths of the source's elements holding text that the document does not carry
    QString readNotice;    // how the file was read when not as it should be, as the editor says it
    bool converted() const { return !text.isEmpty(); }
};

// The time of day written into converted dates: the system clock's, in UTC, as the "Z" the dates end in says.
using Clock = std::function<QTime()>;
QTime utcTimeOfDay();

// The LOM head followed by the text from its first marker on; empty (after the error box of 5 for
// "replaceHeader") when there is no marker, and empty without a box for an empty text.
QString replaceHeader(const QString &text);

// A calendar date (year, month and day joined by two "/" or two "-", the four-digit year first or last, else
// read as day, month, year) as a LOM date and time: "YYYY-MM-DD", "T", the time of day, ".000Z". Empty for a
// text that is no calendar date.
QString convertDate(const QString &value, const QTime &timeOfDay);
// True for a text in one of the forms of a LOM date and time ("2004", "2004-03", "2004-03-07T10:00:00"...).
bool isLomDateTime(const QString &value);

// Rewrites every <dateTime> of the IEEE LOM binding inside a <date>: a calendar date becomes a LOM date and
// time (the clock read anew for each); a LOM date and time stays; any other value stays as it was and is
// returned.
QStringList rewriteDates(XmlDocument &doc, const Clock &clock);

// One conversion run: the stylesheet is loaded once, for the first file, and serves every file after it.
class Converter {
public:
    // conversionType "Metadata" or "Manifest"; the stylesheet's full path.
    Converter(QString conversionType, QString stylesheetPath, Clock clock = utcTimeOfDay);
    ~Converter();
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    Conversion doConversion(const QString &fileName);

private:
    bool openXLSDoc(QString &failure);
    bool transformXML(const XmlDocument &source, XmlDocument &output, QString &failure);
    bool finish(const XmlDocument &source, const QString &output, Conversion &result);
    // The same end for a result that reads back as itself (directresult.h), on the result itself.
    bool finishOnResult(const XmlDocument &source, XmlDocument &output, Conversion &result);

    QString m_type;
    QString m_stylesheetPath;
    Clock m_clock;
    std::unique_ptr<XsltStylesheet> m_style;
    QString m_styleFailure; // why the stylesheet could not be loaded, once it was tried
};

} // namespace ts::lomshift

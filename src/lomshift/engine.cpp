#include "engine.h"
#include "chkerror.h"
#include "directresult.h"
#include "leftout.h"

#include "platform/dialogs.h"
#include "platform/textfile.h"
#include "platform/xmldocument.h"
#include "platform/xslt.h"
#include "shared/apperror.h"
#include "shared/fileutil.h"
#include "shared/metadataheader.h"
#include "shared/metadatarecord.h"
#include "shared/notice.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QRegularExpression>

#include <libxml/tree.h>

#include <algorithm>

namespace ts::lomshift {

namespace {

const QString kManifestNamespace = QStringLiteral("http://www.imsglobal.org/xsd/imscp_v1p1");

// The root a conversion type's result must have: its name and namespace, and what the source must have been.
struct Expected {
    QString root;
    QString ns;
    QString sourceKind;
};

Expected expectedFor(const QString &type)
{
    if (type == QLatin1String("Manifest"))
        return {QStringLiteral("manifest"), kManifestNamespace, QStringLiteral("a SCORM 1.2 content package manifest")};
    return {QStringLiteral("lom"), QString::fromLatin1(kLomNamespace), QStringLiteral("a SCORM 1.2 metadata record")};
}

QString parseFailure(const ParseError &e)
{
    if (e.line > 0)
        return QStringLiteral("line %1, position %2: %3").arg(e.line).arg(e.linepos).arg(e.reason);
    return e.reason;
}

// The calendar date a value names (see convertDate); invalid for any other text.
QDate calendarDate(const QString &value)
{
    static const QRegularExpression calendar(QStringLiteral("^([0-9]{1,4})([/-])([0-9]{1,2})\\2([0-9]{1,4})$"));
    const QRegularExpressionMatch m = calendar.match(value);
    if (!m.hasMatch())
        return {};
    const bool yearFirst = m.capturedLength(1) == 4;
    if (yearFirst ? m.capturedLength(4) > 2 : (m.capturedLength(1) > 2 || m.capturedLength(4) != 4))
        return {};
    const int year = (yearFirst ? m.captured(1) : m.captured(4)).toInt();
    const int day = (yearFirst ? m.captured(4) : m.captured(1)).toInt();
    const QDate date(year, m.captured(3).toInt(), day);
    return year >= 1 ? date : QDate();
}

void rewriteBelow(const XmlNode &node, const Clock &clock, QStringList &kept)
{
    const QLatin1StringView lom(kLomNamespace);
    const bool date = node.is(QLatin1StringView("date"), lom);
    for (XmlNode child : node.elements()) {
        if (date && child.is(QLatin1StringView("dateTime"), lom)) {
            const QString value = child.text();
            // The clock is read for each value rewritten.
            if (calendarDate(value.trimmed()).isValid())
                child.setText(convertDate(value.trimmed(), clock()));
            else if (!isLomDateTime(value))
                kept << value;
            continue;
        }
        rewriteBelow(child, clock, kept);
    }
}

// The source read as the editor reads it: its bytes decoded by the shared rules (the parser is not handed
// the raw bytes, whose declared encoding it would convert with limits of its own), and what the editor says
// of them kept for the run's report. False, with the reason, when it cannot be read as XML or is in a form of
// bytes that is not read (said as the editor says it, of the file the report's line names).
bool loadSource(XmlDocument &source, const QString &fileName, QString &notice, QString &failure)
{
    DecodedText decoded;
    QString reason;
    if (!readTextFile(fileName, decoded, &reason)) {
        failure = QStringLiteral("It could not be read as XML: %1").arg(reason);
        return false;
    }
    if (decoded.unreadable) {
        failure = unreadableText(decoded, QStringLiteral("It"));
        return false;
    }
    notice = decodingNoticeText(decoded, fileName);
    if (source.loadXML(decoded.text))
        return true;
    failure = QStringLiteral("It could not be read as XML: %1").arg(parseFailure(source.parseError()));
    return false;
}

// A record whose namespace is written wrong is converted as the IMS Meta-Data 1.2 record the editor reads it
// as: each declaration of its namespace names that of the binding in the document the stylesheet reads.
void declareImsMd(XmlDocument &source, const QByteArray &written)
{
    for (xmlNode *e = xmlDocGetRootElement(source.raw()); e;) {
        for (xmlNs *ns = e->nsDef; ns; ns = ns->next)
            if (ns->href && written == reinterpret_cast<const char *>(ns->href)) {
                xmlFree(const_cast<xmlChar *>(ns->href));
                ns->href = xmlStrdup(reinterpret_cast<const xmlChar *>(kImsMd12Namespace));
            }
        if (xmlNode *child = xmlFirstElementChild(e)) {
            e = child;
            continue;
        }
        while (e && !xmlNextElementSibling(e))
            e = e->parent && e->parent->type == XML_ELEMENT_NODE ? e->parent : nullptr;
        if (e)
            e = xmlNextElementSibling(e);
    }
}

} // namespace

QTime utcTimeOfDay() { return QDateTime::currentDateTimeUtc().time(); }

QString replaceHeader(const QString &text)
{
    if (text.isEmpty())
        return {};
    const qsizetype p = text.indexOf(QLatin1String(kMarker));
    if (p < 0) {
        chkError(5, QStringLiteral("replaceHeader"));
        return {};
    }
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<lom xmlns=\"%1\">")
               .arg(QLatin1String(kLomNamespace)) +
           text.mid(p);
}

QString convertDate(const QString &value, const QTime &timeOfDay)
{
    const QDate date = calendarDate(value);
    if (!date.isValid())
        return {};
    return date.toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char('T') +
           timeOfDay.toString(QStringLiteral("HH:mm:ss")) + QStringLiteral(".000Z");
}

bool isLomDateTime(const QString &value)
{
    // The pattern of the LOM binding's DateTimeString.
    static const QRegularExpression lom(QStringLiteral("^([0-9]{3}[1-9]|[0-9]{2}[1-9][0-9]|[0-9][1-9][0-9]{2}|[1-9][0-"
                                                       "9]{3})(-(0[1-9]|1[0-2])(-(0[1-9]|[1-2][0-9]|3[0-1])"
                                                       "(T([0-1][0-9]|2[0-3])(:[0-5][0-9](:[0-5][0-9](\\.[0-9]{1,}(Z|(("
                                                       "\\+|-)([0-1][0-9]|2[0-3]):[0-5][0-9]))?)?)?)?)?)?)?$"));
    return lom.match(value).hasMatch();
}

QStringList rewriteDates(XmlDocument &doc, const Clock &clock)
{
    QStringList kept;
    const XmlNode root = doc.documentElement();
    if (!root.isNull())
        rewriteBelow(root, clock, kept);
    return kept;
}

Converter::Converter(QString conversionType, QString stylesheetPath, Clock clock)
    : m_type(std::move(conversionType)), m_stylesheetPath(std::move(stylesheetPath)), m_clock(std::move(clock))
{
}

Converter::~Converter() = default;

bool Converter::openXLSDoc(QString &failure)
{
    if (!m_style && m_styleFailure.isEmpty()) {
        auto style = std::make_unique<XsltStylesheet>();
        XsltError error;
        if (style->load(m_stylesheetPath, &error)) {
            m_style = std::move(style);
        } else {
            m_styleFailure = QStringLiteral("The stylesheet %1 could not be loaded: %2")
                                 .arg(QDir::toNativeSeparators(m_stylesheetPath), error.reason);
            // The program's own file is missing or damaged.
            chkError(err::PathFileAccess, QStringLiteral("openXLSDoc"));
        }
    }
    failure = m_styleFailure;
    return m_style != nullptr;
}

bool Converter::transformXML(const XmlDocument &source, XmlDocument &output, QString &failure)
{
    for (;;) {
        XsltError error;
        if (m_style->transform(source, output, &error))
            return true;
        const Answer answer = msgBox(QStringLiteral("Run-time error in transformXML %1\r\n%2\r\nOccurred in %3")
                                         .arg(error.code)
                                         .arg(error.reason, QDir::toNativeSeparators(error.source)),
                                     Buttons::RetryCancel, Icon::Critical);
        if (answer != Answer::Retry) {
            failure = QStringLiteral("The stylesheet failed on it: %1").arg(error.reason);
            return false;
        }
    }
}

bool Converter::finish(const XmlDocument &source, const QString &output, Conversion &result)
{
    const Expected expected = expectedFor(m_type);
    if (std::all_of(output.begin(), output.end(), [](QChar c) { return c.isSpace(); })) {
        result.failure = QStringLiteral("It is not %1.").arg(expected.sourceKind);
        return false;
    }
    // A metadata record gets the LOM head; a manifest keeps its root, with the same check for the mark.
    QString text = m_type == QLatin1String("Manifest") ? output : replaceHeader(output);
    if (m_type == QLatin1String("Manifest") && !output.contains(QLatin1String(kMarker))) {
        chkError(5, QStringLiteral("replaceHeader"));
        text.clear();
    }
    if (text.isEmpty()) {
        result.failure = QStringLiteral("The stylesheet's output lacks the comment that marks it.");
        return false;
    }
    XmlDocument doc;
    if (!doc.loadXML(text)) {
        result.failure =
            QStringLiteral("The converted document is not well-formed: %1").arg(parseFailure(doc.parseError()));
        return false;
    }
    result.leftOut = takeLeftOut(doc, source);
    const XmlNode root = doc.documentElement();
    if (root.localName() != expected.root || root.namespaceUri() != expected.ns) {
        result.failure =
            QStringLiteral("The converted document's root is <%1> in the namespace \"%2\", not <%3> in \"%4\".")
                .arg(root.name(), root.namespaceUri(), expected.root, expected.ns);
        return false;
    }
    result.keptDates = rewriteDates(doc, m_clock);
    result.text = doc.xml();
    return true;
}

bool Converter::finishOnResult(const XmlDocument &source, XmlDocument &output, Conversion &result)
{
    result.leftOut = takeLeftOut(output, source);
    result.keptDates = rewriteDates(output, m_clock);
    QByteArray bytes;
    if (!m_style->serialize(output, bytes)) {
        result.failure = QStringLiteral("The stylesheet failed on it: The transform failed.");
        return false;
    }
    result.text = replaceHeader(QString::fromUtf8(bytes));
    return true;
}

Conversion Converter::doConversion(const QString &fileName)
{
    Conversion result;
    try {
        // A source the editor would refuse is refused before it is read.
        if (const std::optional<QString> tooLarge = tooLargeToOpen(fileName)) {
            result.failure = *tooLarge;
            return result;
        }
        XmlDocument source;
        if (!loadSource(source, fileName, result.readNotice, result.failure))
            return result;
        // A record that the editor opens as SCORM 2004 (told by the record it reads, as every program tells
        // it) is no record to convert.
        if (m_type != QLatin1String("Manifest")) {
            const MetadataRecord record = findRecord(source);
            if (isScorm2004File(source.xml(), record)) {
                result.failure = QStringLiteral("It is not %1.").arg(expectedFor(m_type).sourceKind);
                return result;
            }
            // A record whose namespace is written wrong is converted as the editor reads it, and said as it says so.
            if (const QString line = unknownNamespaceLine(record); !line.isEmpty()) {
                result.readNotice += (result.readNotice.isEmpty() ? QString() : QStringLiteral(" ")) +
                                     QDir::toNativeSeparators(fileName) + QStringLiteral(": ") + line;
                declareImsMd(source, record.ns());
            }
        }
        XmlDocument output;
        if (openXLSDoc(result.failure) && transformXML(source, output, result.failure)) {
            bool finished = false;
            if (m_type != QLatin1String("Manifest") && readsBackAsItself(output)) {
                finished = finishOnResult(source, output, result);
            } else {
                QByteArray bytes;
                if (!m_style->serialize(output, bytes))
                    result.failure = QStringLiteral("The stylesheet failed on it: The transform failed.");
                else
                    finished = finish(source, decodeText(bytes), result);
            }
            if (!finished)
                result.leftOut.clear();
        }
    } catch (const std::exception &e) {
        chkError(e, QStringLiteral("doConversion"));
        result = {};
        result.failure = QStringLiteral("It could not be converted (a run-time error).");
    }
    return result;
}

} // namespace ts::lomshift

#include "build2004.h"
#include "writer2004.h"

#include "platform/xmldocument.h"
#include "shared/textutil.h"
#include "shared/twopartitems.h"
#include "shared/xmlsaferecord.h"

namespace ts {

namespace {

const QString kNewLine = QStringLiteral("\r\n");

// A line of the given number of indentation units, ended.
QString lineAt(int level, const QString &text) { return indentUnits(level) + text + kNewLine; }

QString string(const QString &tag, const QString &text) { return tag + escapeXML(text) + QStringLiteral("</string>"); }

QString vocabularyLine(const QString &tag, const QString &value, int indentLevel)
{
    return lineAt(indentLevel + 1, QLatin1Char('<') + tag + QLatin1Char('>') + escapeXML(value) + QStringLiteral("</") +
                                       tag + QLatin1Char('>'));
}

} // namespace

XmlConstants2004 initXMLConstants2004(const QString &languageCode, const QDate &today)
{
    XmlConstants2004 c;
    c.xmlDate = documentDate2004(today);
    c.xmlNewLine = kNewLine;
    c.stringTag = QStringLiteral("<string language=\"") + escapeXMLAttribute(languageCode) + QStringLiteral("\">");
    c.stringTagNone = QStringLiteral("<string language=\"x-none\">");
    return c;
}

QString documentDate2004(const QDate &date)
{
    return QStringLiteral("%1-%2-%3")
        .arg(date.year(), 4, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'));
}

QString buildHeaderXML2004()
{
    return lineAt(0, QStringLiteral("<?xml version=\"1.0\"?>")) +
           lineAt(0, QStringLiteral("<lom xmlns=\"%1\"").arg(QLatin1String(kLomNamespace))) +
           lineAt(0, QStringLiteral("     xmlns:xsi=\"%1\">").arg(QLatin1String(kXsiNamespace)));
}

QString buildSourceXML2004(const QString &value, int indentLevel)
{
    return vocabularyLine(QStringLiteral("source"), value, indentLevel);
}

QString buildValueXML2004(const QString &value, int indentLevel)
{
    return vocabularyLine(QStringLiteral("value"), value, indentLevel);
}

QString buildContributeXML2004(const QStringList &items, const XmlConstants2004 &c)
{
    QString out;
    for (const QString &item : items) {
        const auto [name, role] = splitContributorItem(item);
        out += lineAt(2, QStringLiteral("<contribute>"));
        out += lineAt(4, QStringLiteral("<role>"));
        out += buildSourceXML2004(QStringLiteral("LOMv1.0"), 4);
        out += buildValueXML2004(role, 4);
        out += lineAt(4, QStringLiteral("</role>"));
        out += buildEntityXML2004(name);
        out += lineAt(4, QStringLiteral("<date>"));
        out += lineAt(5, QStringLiteral("<dateTime>") + c.xmlDate + QStringLiteral("</dateTime>"));
        out += lineAt(5, QStringLiteral("<description>"));
        out += lineAt(6, string(c.stringTag, QStringLiteral("Date Description")));
        out += lineAt(5, QStringLiteral("</description>"));
        out += lineAt(4, QStringLiteral("</date>"));
        out += lineAt(2, QStringLiteral("</contribute>"));
    }
    return out;
}

QString buildEntityXML2004(const QString &name)
{
    return lineAt(4, QStringLiteral("<entity>")) + lineAt(6, QStringLiteral("BEGIN:VCARD")) +
           lineAt(6, QStringLiteral("FN: ") + escapeXML(trimBlanks(name))) + lineAt(6, QStringLiteral("END:VCARD")) +
           lineAt(4, QStringLiteral("</entity>"));
}

QString buildTaxonPathXML2004(const QString &txtTaxonSource, const QStringList &lstTaxon, const XmlConstants2004 &c)
{
    QString out;
    for (const QString &item : lstTaxon) {
        const auto [id, entry] = splitTaxonItem(item);
        out += lineAt(2, QStringLiteral("<taxonPath>"));
        out += lineAt(3, QStringLiteral("<source>"));
        out += lineAt(4, string(c.stringTagNone, txtTaxonSource));
        out += lineAt(3, QStringLiteral("</source>"));
        out += lineAt(3, QStringLiteral("<taxon>"));
        out += lineAt(4, QStringLiteral("<id>") + escapeXML(id) + QStringLiteral("</id>"));
        out += lineAt(4, QStringLiteral("<entry>"));
        out += lineAt(4, string(c.stringTagNone, entry));
        out += lineAt(4, QStringLiteral("</entry>"));
        out += lineAt(3, QStringLiteral("</taxon>"));
        out += lineAt(2, QStringLiteral("</taxonPath>"));
    }
    return out;
}

QString classificationXML2004(const Record2004 &r, bool optionalOnly, const QString &languageCode)
{
    const XmlConstants2004 c = initXMLConstants2004(languageCode, QDate::currentDate());
    QString out;
    out += lineAt(1, QStringLiteral("<classification>"));
    out += lineAt(2, QStringLiteral("<purpose>"));
    out += buildSourceXML2004(QStringLiteral("LOMv1.0"), 4);
    out += buildValueXML2004(r.classificationCombo, 4);
    out += lineAt(2, QStringLiteral("</purpose>"));
    if (!optionalOnly)
        out += buildTaxonPathXML2004(r.txtTaxonSource, r.lstTaxon, c);
    out += lineAt(2, QStringLiteral("<description>"));
    out += lineAt(3, string(c.stringTag, r.classificationText));
    out += lineAt(2, QStringLiteral("</description>"));
    for (const QString &keyword : splitAtCommas(r.classificationKeywordsText)) {
        out += lineAt(2, QStringLiteral("<keyword>"));
        out += lineAt(3, string(c.stringTag, trimBlanks(keyword)));
        out += lineAt(2, QStringLiteral("</keyword>"));
    }
    out += lineAt(1, QStringLiteral("</classification>"));
    out += kNewLine;
    return out;
}

QString fragmentPath2004(const QString &programDir, const QString &classificationId)
{
    return fragmentPath(programDir, QStringLiteral("temp"), classificationId);
}

bool buildClassificationXML2004(const QString &classificationId, const Record2004 &record,
                                const WriteContext &context)
{
    QStringList leftOut;
    const Record2004 safe = xmlSafeRecord2004(record, leftOut);
    const QString text = classificationXML2004(safe, context.optionalOnly, context.languageCode) + kNewLine;
    if (!storeFragment(context.programDir, QStringLiteral("temp"), classificationId, text))
        return false;
    // Only the classification's own fields go into its fragment.
    leftOut.removeIf([](const QString &field) { return !field.startsWith(QLatin1String("CLASSIFICATION:")); });
    reportLeftOutCharacters(leftOut);
    return true;
}

} // namespace ts

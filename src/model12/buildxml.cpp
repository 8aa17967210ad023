#include "buildxml.h"
#include "xmlchars12.h"

#include "shared/textutil.h"
#include "shared/twopartitems.h"

namespace ts {

namespace {

QString langString(const QString &tag, const QString &text)
{
    return tag + escapeXML(text) + QStringLiteral("</langstring>");
}

// A line of the given level with the text, ended.
QString lineAt(int level, const QString &text, const XmlConstants12 &c)
{
    return indent12(level) + text + c.xmlNewLine;
}

QString tagged(const QString &tag, int indentLevel, const QString &text, const XmlConstants12 &c)
{
    return indent12(indentLevel + 1) + QLatin1Char('<') + tag + QLatin1Char('>') + langString(c.langStringTag, text) +
           QStringLiteral("</") + tag + QLatin1Char('>') + c.xmlNewLine;
}

} // namespace

XmlConstants12 initXMLConstants(const QString &languageCode)
{
    XmlConstants12 c;
    c.xmlNewLine = QStringLiteral("\r\n");
    c.langStringTag =
        QStringLiteral("<langstring xml:lang=\"") + escapeXMLAttribute(languageCode) + QStringLiteral("\">");
    c.langStringTagNone = QStringLiteral("<langstring xml:lang=\"x-none\">");
    return c;
}

QString indent12(int level) { return indentUnits(level); }

QString buildSourceXML(const QString &text, int indentLevel, const XmlConstants12 &constants)
{
    return tagged(QStringLiteral("source"), indentLevel, text, constants);
}

QString buildValueXML(const QString &text, int indentLevel, const XmlConstants12 &constants)
{
    return tagged(QStringLiteral("value"), indentLevel, text, constants);
}

QString buildContributeXML(const QStringList &lstFiles, const QString &txtLifecycleDate,
                           const XmlConstants12 &c)
{
    QString out;
    for (const QString &item : lstFiles) {
        const auto [name, role] = splitContributorItem(item);
        out += lineAt(2, QStringLiteral("<contribute>"), c);
        out += lineAt(4, QStringLiteral("<role>"), c);
        out += lineAt(5, QStringLiteral("<source>"), c);
        out += lineAt(6, langString(c.langStringTag, QStringLiteral("LOMv1.0")), c);
        out += lineAt(5, QStringLiteral("</source>"), c);
        out += lineAt(5, QStringLiteral("<value>"), c);
        out += lineAt(6, langString(c.langStringTag, role), c);
        out += lineAt(5, QStringLiteral("</value>"), c);
        out += lineAt(4, QStringLiteral("</role>"), c);
        out += lineAt(4, QStringLiteral("<centity>"), c);
        out += lineAt(5, QStringLiteral("<vcard>"), c);
        out += lineAt(6, QStringLiteral("begin:vcard"), c);
        out += lineAt(6, QStringLiteral("fn: ") + escapeXML(trimBlanks(name)), c);
        out += lineAt(6, QStringLiteral("end:vcard"), c);
        out += lineAt(5, QStringLiteral("</vcard>"), c);
        out += lineAt(4, QStringLiteral("</centity>"), c);
        out += lineAt(4, QStringLiteral("<date>"), c);
        out += lineAt(5, QStringLiteral("<datetime>") + escapeXML(txtLifecycleDate) + QStringLiteral("</datetime>"), c);
        out += lineAt(5, QStringLiteral("<description>"), c);
        out += lineAt(6, langString(c.langStringTag, QStringLiteral("Date Description")), c);
        out += lineAt(5, QStringLiteral("</description>"), c);
        out += lineAt(4, QStringLiteral("</date>"), c);
        out += lineAt(2, QStringLiteral("</contribute>"), c);
    }
    return out;
}

QString buildTaxonPathXML(const QString &txtTaxonSource, const QStringList &lstTaxon, const XmlConstants12 &c)
{
    QString out;
    for (const QString &item : lstTaxon) {
        const auto [id, entry] = splitTaxonItem(item);
        out += lineAt(2, QStringLiteral("<taxonpath>"), c);
        out += lineAt(3, QStringLiteral("<source>"), c);
        out += lineAt(4, langString(c.langStringTagNone, txtTaxonSource), c);
        out += lineAt(3, QStringLiteral("</source>"), c);
        out += lineAt(3, QStringLiteral("<taxon>"), c);
        out += lineAt(4, QStringLiteral("<id>") + escapeXML(id) + QStringLiteral("</id>"), c);
        out += lineAt(4, QStringLiteral("<entry>"), c);
        out += lineAt(5, langString(c.langStringTagNone, entry), c);
        out += lineAt(4, QStringLiteral("</entry>"), c);
        out += lineAt(3, QStringLiteral("</taxon>"), c);
        out += lineAt(2, QStringLiteral("</taxonpath>"), c);
    }
    return out;
}

QString classificationXML12(const Record12 &r, bool optionalOnly, const QString &languageCode)
{
    const XmlConstants12 c = initXMLConstants(languageCode);
    QString out;
    out += lineAt(1, QStringLiteral("<classification>"), c);
    out += lineAt(2, QStringLiteral("<purpose>"), c);
    out += buildSourceXML(QStringLiteral("LOMv1.0"), 4, c);
    out += buildValueXML(r.classificationCombo, 4, c);
    out += lineAt(2, QStringLiteral("</purpose>"), c);
    if (!optionalOnly)
        out += buildTaxonPathXML(r.txtTaxonSource, r.lstTaxon, c);
    out += lineAt(2, QStringLiteral("<description>"), c);
    out += lineAt(3, langString(c.langStringTag, r.classificationText), c);
    out += lineAt(2, QStringLiteral("</description>"), c);
    for (const QString &keyword : splitAtCommas(r.classificationKeywordsText)) {
        out += lineAt(2, QStringLiteral("<keyword>"), c);
        out += lineAt(3, langString(c.langStringTag, trimBlanks(keyword)), c);
        out += lineAt(2, QStringLiteral("</keyword>"), c);
    }
    out += lineAt(1, QStringLiteral("</classification>"), c);
    out += c.xmlNewLine;
    return out;
}

QString fragmentPath12(const QString &programDir, const QString &classificationId)
{
    return fragmentPath(programDir, QStringLiteral("temp12"), classificationId);
}

bool buildClassificationXML(const QString &classificationId, const Record12 &record, const WriteContext12 &context)
{
    QStringList leftOut;
    const Record12 safe = xmlSafeRecord12(record, leftOut);
    const QString text =
        classificationXML12(safe, context.optionalOnly, context.languageCode) + QStringLiteral("\r\n");
    if (!storeFragment(context.programDir, QStringLiteral("temp12"), classificationId, text))
        return false;
    // Only the classification's own fields go into its fragment.
    leftOut.removeIf([](const QString &field) { return !field.startsWith(QLatin1String("CLASSIFICATION:")); });
    reportLeftOutCharacters12(leftOut);
    return true;
}

} // namespace ts

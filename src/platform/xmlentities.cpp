#include "xmlentities.h"
#include "xmldocument.h"

#include <QRegularExpression>
#include <libxml/entities.h>
#include <libxml/hash.h>
#include <libxml/tree.h>
#include <libxml/xmlerror.h>

namespace ts {

namespace {

struct FoundEntity {
    const xmlEntity *entity = nullptr;
    bool external = false;
};

bool isExternal(const xmlEntity *entity)
{
    return entity->etype == XML_EXTERNAL_GENERAL_PARSED_ENTITY ||
           entity->etype == XML_EXTERNAL_GENERAL_UNPARSED_ENTITY || entity->etype == XML_EXTERNAL_PARAMETER_ENTITY;
}

void look(void *payload, void *data, const xmlChar *)
{
    auto *found = static_cast<FoundEntity *>(data);
    const auto *entity = static_cast<const xmlEntity *>(payload);
    // An external entity is named before any internal one.
    if (!found->entity || (!found->external && isExternal(entity)))
        *found = {entity, isExternal(entity)};
}

QString name(const xmlEntity *entity) { return QString::fromUtf8(reinterpret_cast<const char *>(entity->name)); }

// Where the declaration of the entity stands in the source: line, position and the text of that line.
void locate(const QByteArray &source, const QString &entityName, ParseError &error)
{
    const QRegularExpression declaration(QStringLiteral("<!ENTITY\\s+(%\\s+)?") +
                                         QRegularExpression::escape(entityName) + QStringLiteral("[\\s\"']"));
    const QString text = QString::fromUtf8(source);
    const QRegularExpressionMatch m = declaration.match(text);
    if (!m.hasMatch())
        return;
    const qsizetype start = m.capturedStart();
    const qsizetype lineStart = text.lastIndexOf(QLatin1Char('\n'), start) + 1;
    qsizetype lineEnd = text.indexOf(QLatin1Char('\n'), start);
    if (lineEnd < 0)
        lineEnd = text.size();
    error.line = static_cast<int>(QStringView(text).left(start).count(QLatin1Char('\n'))) + 1;
    error.linepos = static_cast<int>(start - lineStart) + 1;
    error.srcText = text.mid(lineStart, lineEnd - lineStart);
    if (error.srcText.endsWith(QLatin1Char('\r')))
        error.srcText.chop(1);
}

QString externalReason(const QString &entityName)
{
    return QStringLiteral("The file refers to an external entity (\"%1\"), which is not read.").arg(entityName);
}

} // namespace

bool refuseEntities(_xmlDoc *doc, const QByteArray &source, ParseError &error)
{
    FoundEntity found;
    for (xmlDtdPtr dtd : {doc->intSubset, doc->extSubset}) {
        if (!dtd)
            continue;
        if (dtd->entities)
            xmlHashScan(static_cast<xmlHashTablePtr>(dtd->entities), look, &found);
        if (dtd->pentities)
            xmlHashScan(static_cast<xmlHashTablePtr>(dtd->pentities), look, &found);
    }
    if (!found.entity)
        return false;
    error = ParseError();
    error.errorCode = kEntityRefused;
    const QString entityName = name(found.entity);
    error.reason = found.external
                       ? externalReason(entityName)
                       : QStringLiteral("The file declares an entity (\"%1\"); files that declare entities are not read.")
                             .arg(entityName);
    locate(source, entityName, error);
    return true;
}

bool restateUndeclaredEntity(_xmlDoc *doc, int code, ParseError &error)
{
    if (!doc || (code != XML_ERR_UNDECLARED_ENTITY && code != XML_WAR_UNDECLARED_ENTITY))
        return false;
    const xmlDtd *dtd = doc->intSubset;
    if (!dtd || (!dtd->SystemID && !dtd->ExternalID))
        return false;
    static const QRegularExpression quoted(QStringLiteral("'([^']*)'"));
    const QRegularExpressionMatch m = quoted.match(error.reason);
    error.errorCode = kEntityRefused;
    error.reason = externalReason(m.hasMatch() ? m.captured(1) : QString());
    return true;
}

} // namespace ts

#include "schemacache.h"
#include "xmldocument.h"
#include "xmlsafety.h"

#include <QFileInfo>
#include <libxml/catalog.h>
#include <libxml/tree.h>
#include <libxml/xmlschemas.h>

namespace ts {

struct SchemaCache::Compiled {
    xmlSchemaPtr schema = nullptr;
    ~Compiled()
    {
        if (schema)
            xmlSchemaFree(schema);
    }
};

namespace {

struct FirstError {
    bool have = false;
    int code = 0;
    int line = 0;
    int column = 0;
    QString message;
};

void collectFirst(void *userData, xmlErrorPtr error)
{
    auto *f = static_cast<FirstError *>(userData);
    // Warnings (such as the reference schemas' remark on the xml namespace) are no failures.
    if (f->have || !error || error->level < XML_ERR_ERROR)
        return;
    f->have = true;
    f->code = error->code;
    f->line = error->line;
    f->column = error->int2;
    f->message = QString::fromUtf8(error->message ? error->message : "").trimmed();
}

} // namespace

SchemaCache::SchemaCache() { xmlsafety::install(); }
SchemaCache::~SchemaCache() = default;

bool SchemaCache::add(const QString &namespaceUri, const QString &schemaPath, QString *error)
{
    if (!QFileInfo(schemaPath).isFile()) {
        if (error)
            *error = QStringLiteral("The schema file was not found: ") + schemaPath;
        return false;
    }
    xmlsafety::AllowLocalFiles allow;
    const QByteArray path = QFileInfo(schemaPath).absoluteFilePath().toUtf8();
    xmlSchemaParserCtxtPtr ctxt = xmlSchemaNewParserCtxt(path.constData());
    if (!ctxt) {
        if (error)
            *error = QStringLiteral("The schema could not be read.");
        return false;
    }
    FirstError first;
    xmlSchemaSetParserStructuredErrors(ctxt, collectFirst, &first);
    xmlSchemaPtr schema = xmlSchemaParse(ctxt);
    xmlSchemaFreeParserCtxt(ctxt);
    if (!schema) {
        if (error)
            *error = first.message.isEmpty() ? QStringLiteral("The schema does not compile.") : first.message;
        return false;
    }
    auto compiled = std::make_shared<Compiled>();
    compiled->schema = schema;
    m_schemas.insert(namespaceUri, compiled);
    return true;
}

bool SchemaCache::validate(_xmlDoc *doc, ParseError &error) const
{
    error = ParseError();
    xmlNodePtr root = doc ? xmlDocGetRootElement(doc) : nullptr;
    const QString ns = (root && root->ns) ? QString::fromUtf8(reinterpret_cast<const char *>(root->ns->href)) : QString();
    const auto it = m_schemas.find(ns);
    if (it == m_schemas.end()) {
        error.errorCode = -1;
        error.reason = QStringLiteral("No schema is known for the namespace '%1'.").arg(ns);
        return false;
    }
    xmlSchemaValidCtxtPtr ctxt = xmlSchemaNewValidCtxt((*it)->schema);
    if (!ctxt) {
        error.errorCode = -1;
        error.reason = QStringLiteral("The validator could not be created.");
        return false;
    }
    FirstError first;
    xmlSchemaSetValidStructuredErrors(ctxt, collectFirst, &first);
    const int result = xmlSchemaValidateDoc(ctxt, doc);
    xmlSchemaFreeValidCtxt(ctxt);
    if (result == 0 && !first.have)
        return true;
    // A check that failed inside itself counts as failed.
    error.errorCode = first.code ? first.code : (result != 0 ? result : -1);
    error.line = first.line;
    error.linepos = first.column;
    error.reason = first.message.isEmpty() ? QStringLiteral("The document is not valid.") : first.message;
    return false;
}

void loadXmlCatalog(const QString &catalogPath)
{
    xmlsafety::install();
    xmlLoadCatalog(catalogPath.toUtf8().constData());
}

} // namespace ts

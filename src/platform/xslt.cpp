#include "xslt.h"
#include "textfile.h"
#include "xmldocument.h"
#include "xmlsafety.h"

#include <QFileInfo>
#include <QUrl>
#include <libxml/xmlerror.h>
#include <libxslt/documents.h>
#include <libxslt/security.h>
#include <libxslt/transform.h>
#include <libxslt/xsltInternals.h>
#include <libxslt/xsltutils.h>

#include <cstdarg>
#include <cstdio>
#include <mutex>

namespace ts {

namespace {

// What the processor said during one load or transform, and whether it asked for something refused.
struct Collector {
    QStringList lines;
    QString partial;
    int code = 0;
    bool refused = false;

    void add(const QString &text)
    {
        partial += text;
        qsizetype nl;
        while ((nl = partial.indexOf(QLatin1Char('\n'))) >= 0) {
            addLine(partial.left(nl));
            partial.remove(0, nl + 1);
        }
    }
    void addLine(const QString &line)
    {
        constexpr int kMaxLines = 20;
        // libxslt says "error" on a line of its own before some messages.
        if (!line.trimmed().isEmpty() && line.trimmed() != QLatin1String("error") && lines.size() < kMaxLines)
            lines << line.trimmed();
    }
    void refuse(const QString &what)
    {
        refused = true;
        addLine(what);
    }
    XsltError error(const QString &source, const QString &fallback)
    {
        addLine(partial);
        partial.clear();
        return {code ? code : 1, lines.isEmpty() ? fallback : lines.join(QLatin1Char('\n')), source};
    }
};

thread_local Collector *g_collector = nullptr;
// The folder a stylesheet being loaded may read its modules from (canonical, ending in "/").
thread_local QString g_moduleFolder;

void genericError(void *, const char *format, ...)
{
    if (!g_collector)
        return;
    char buffer[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    g_collector->add(QString::fromUtf8(buffer));
}

void structuredError(void *, xmlErrorPtr error)
{
    if (!g_collector || !error || error->level < XML_ERR_ERROR)
        return;
    if (!g_collector->code)
        g_collector->code = error->code;
    QString where;
    if (error->file)
        where = QStringLiteral("%1, line %2: ").arg(QString::fromUtf8(error->file)).arg(error->line);
    g_collector->addLine(where + QString::fromUtf8(error->message ? error->message : ""));
}

// Collects every message of libxml2 and libxslt while it lives, and restores their printing after.
class CollectErrors {
public:
    explicit CollectErrors(Collector &c)
    {
        g_collector = &c;
        xmlSetStructuredErrorFunc(nullptr, structuredError);
        xsltSetGenericErrorFunc(nullptr, genericError);
    }
    ~CollectErrors()
    {
        xsltSetGenericErrorFunc(nullptr, nullptr);
        xmlSetStructuredErrorFunc(nullptr, nullptr);
        g_collector = nullptr;
    }
    CollectErrors(const CollectErrors &) = delete;
    CollectErrors &operator=(const CollectErrors &) = delete;
};

// The local file a URI names: a file URL or a plain path; empty for any other scheme.
QString localPathOf(const xmlChar *uri)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(uri));
    const QUrl url(text);
    if (url.scheme() == QLatin1String("file"))
        return url.toLocalFile();
    return url.scheme().isEmpty() ? text : QString();
}

xsltDocLoaderFunc g_processorLoader = nullptr;

// Reads the stylesheet and its modules: local files inside its folder only, parsed without a document type,
// entity substitution or network. During a transform (document()) nothing is read.
xmlDocPtr moduleLoader(const xmlChar *uri, xmlDictPtr dict, int options, void *ctxt, xsltLoadType type)
{
    const QString wanted = uri ? QString::fromUtf8(reinterpret_cast<const char *>(uri)) : QString();
    if (type == XSLT_LOAD_DOCUMENT) {
        if (g_collector)
            g_collector->refuse(QStringLiteral("The stylesheet may read no document: %1").arg(wanted));
        return nullptr;
    }
    const QString path = uri ? localPathOf(uri) : QString();
    const QString canonical = path.isEmpty() ? QString() : QFileInfo(path).canonicalFilePath();
    if (canonical.isEmpty() || g_moduleFolder.isEmpty() || !canonical.startsWith(g_moduleFolder)) {
        if (g_collector)
            g_collector->refuse(
                canonical.isEmpty() && !path.isEmpty()
                    ? QStringLiteral("The stylesheet file was not found: %1").arg(path)
                    : QStringLiteral("The stylesheet may read no file outside its folder: %1").arg(wanted));
        return nullptr;
    }
    xmlsafety::AllowLocalFiles allow;
    const int safe =
        (options & ~(XML_PARSE_NOENT | XML_PARSE_DTDLOAD | XML_PARSE_DTDATTR | XML_PARSE_DTDVALID)) | XML_PARSE_NONET;
    const QByteArray local = QUrl::fromLocalFile(canonical).toEncoded();
    return g_processorLoader(reinterpret_cast<const xmlChar *>(local.constData()), dict, safe, ctxt, type);
}

// Each refusal is recorded, so that a transform that asked for it fails even where the processor would go on.
int refuseRead(xsltSecurityPrefsPtr, xsltTransformContextPtr, const char *value)
{
    if (g_collector)
        g_collector->refuse(QStringLiteral("The stylesheet may read no file: %1").arg(QString::fromUtf8(value)));
    return 0;
}
int refuseWrite(xsltSecurityPrefsPtr, xsltTransformContextPtr, const char *value)
{
    if (g_collector)
        g_collector->refuse(QStringLiteral("The stylesheet may write no file: %1").arg(QString::fromUtf8(value)));
    return 0;
}
int refuseFolder(xsltSecurityPrefsPtr, xsltTransformContextPtr, const char *value)
{
    if (g_collector)
        g_collector->refuse(QStringLiteral("The stylesheet may create no folder: %1").arg(QString::fromUtf8(value)));
    return 0;
}
int refuseNetwork(xsltSecurityPrefsPtr, xsltTransformContextPtr, const char *value)
{
    if (g_collector)
        g_collector->refuse(
            QStringLiteral("The stylesheet may not reach the network: %1").arg(QString::fromUtf8(value)));
    return 0;
}

xsltSecurityPrefsPtr newPrefs(bool mayRead)
{
    xsltSecurityPrefsPtr prefs = xsltNewSecurityPrefs();
    if (!mayRead)
        xsltSetSecurityPrefs(prefs, XSLT_SECPREF_READ_FILE, refuseRead);
    xsltSetSecurityPrefs(prefs, XSLT_SECPREF_WRITE_FILE, refuseWrite);
    xsltSetSecurityPrefs(prefs, XSLT_SECPREF_CREATE_DIRECTORY, refuseFolder);
    xsltSetSecurityPrefs(prefs, XSLT_SECPREF_READ_NETWORK, refuseNetwork);
    xsltSetSecurityPrefs(prefs, XSLT_SECPREF_WRITE_NETWORK, refuseNetwork);
    return prefs;
}

// While loading, modules are read (through the loader above); during a transform, nothing.
xsltSecurityPrefsPtr transformPrefs()
{
    static const xsltSecurityPrefsPtr prefs = newPrefs(false);
    return prefs;
}

void install()
{
    static std::once_flag once;
    std::call_once(once, [] {
        xmlsafety::install();
        g_processorLoader = xsltDocDefaultLoader;
        xsltSetLoaderFunc(moduleLoader);
        xsltSetDefaultSecurityPrefs(newPrefs(true));
    });
}

} // namespace

XsltStylesheet::XsltStylesheet() { install(); }

XsltStylesheet::~XsltStylesheet()
{
    if (m_style)
        xsltFreeStylesheet(m_style);
}

bool XsltStylesheet::load(const QString &path, XsltError *error)
{
    if (m_style)
        xsltFreeStylesheet(m_style);
    m_style = nullptr;
    m_path = path;
    const QFileInfo info(path);
    Collector collector;
    if (!info.isFile()) {
        if (error)
            *error = {1, QStringLiteral("The stylesheet file was not found: %1").arg(path), path};
        return false;
    }
    {
        CollectErrors collect(collector);
        g_moduleFolder = info.canonicalPath() + QLatin1Char('/');
        const QByteArray url = QUrl::fromLocalFile(info.canonicalFilePath()).toEncoded();
        m_style = xsltParseStylesheetFile(reinterpret_cast<const xmlChar *>(url.constData()));
        g_moduleFolder.clear();
    }
    if (m_style && (collector.refused || m_style->errors > 0)) {
        xsltFreeStylesheet(m_style);
        m_style = nullptr;
    }
    if (!m_style && error)
        *error = collector.error(path, QStringLiteral("The stylesheet could not be compiled."));
    return m_style != nullptr;
}

bool XsltStylesheet::transform(const XmlDocument &source, QString &result, XsltError *error) const
{
    result.clear();
    XmlDocument output;
    if (!transform(source, output, error))
        return false;
    QByteArray bytes;
    if (!serialize(output, bytes)) {
        if (error)
            *error = {1, QStringLiteral("The transform failed."), m_path};
        return false;
    }
    result = decodeText(bytes);
    return true;
}

bool XsltStylesheet::transform(const XmlDocument &source, XmlDocument &result, XsltError *error) const
{
    result.adopt(nullptr);
    if (!m_style || source.isEmpty()) {
        if (error)
            *error = {1,
                      m_style ? QStringLiteral("The document is empty.") : QStringLiteral("No stylesheet is loaded."),
                      m_path};
        return false;
    }
    Collector collector;
    xmlDocPtr output = nullptr;
    bool failed = false;
    {
        CollectErrors collect(collector);
        xsltTransformContextPtr ctxt = xsltNewTransformContext(m_style, source.raw());
        if (ctxt) {
            xsltSetCtxtSecurityPrefs(transformPrefs(), ctxt);
            xsltSetTransformErrorFunc(ctxt, nullptr, genericError);
            output = xsltApplyStylesheetUser(m_style, source.raw(), nullptr, nullptr, nullptr, ctxt);
            failed = ctxt->state != XSLT_STATE_OK;
            xsltFreeTransformContext(ctxt);
        }
    }
    failed = failed || !output || collector.refused;
    if (failed) {
        if (output)
            xmlFreeDoc(output);
        if (error)
            *error = collector.error(m_path, QStringLiteral("The transform failed."));
        return false;
    }
    result.adopt(output);
    return true;
}

bool XsltStylesheet::serialize(const XmlDocument &result, QByteArray &bytes) const
{
    bytes.clear();
    if (!m_style || result.isEmpty())
        return m_style != nullptr;
    xmlChar *text = nullptr;
    int size = 0;
    const bool ok = xsltSaveResultToString(&text, &size, result.raw(), m_style) == 0;
    if (ok && text)
        bytes = QByteArray(reinterpret_cast<const char *>(text), size);
    if (text)
        xmlFree(text);
    return ok;
}

} // namespace ts

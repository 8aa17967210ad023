#include "xmlsafety.h"

#include <libxml/catalog.h>
#include <libxml/parser.h>
#include <libxml/parserInternals.h>
#include <libxml/xmlIO.h>

#include <cstring>
#include <mutex>

namespace ts::xmlsafety {

namespace {

thread_local bool g_allowLocal = false;

bool isRemote(const char *url)
{
    return std::strncmp(url, "http://", 7) == 0 || std::strncmp(url, "https://", 8) == 0 ||
           std::strncmp(url, "ftp://", 6) == 0;
}

xmlParserInputPtr loader(const char *url, const char *id, xmlParserCtxtPtr ctxt)
{
    if (!g_allowLocal)
        return nullptr;
    const char *wanted = url ? url : id;
    if (!wanted)
        return nullptr;
    if (isRemote(wanted)) {
        // Only what the catalog maps to a local copy.
        xmlChar *resolved = xmlCatalogResolveURI(reinterpret_cast<const xmlChar *>(wanted));
        if (!resolved)
            resolved = xmlCatalogResolveSystem(reinterpret_cast<const xmlChar *>(wanted));
        if (!resolved)
            return nullptr;
        xmlParserInputPtr input = nullptr;
        if (!isRemote(reinterpret_cast<const char *>(resolved)))
            input = xmlNewInputFromFile(ctxt, reinterpret_cast<const char *>(resolved));
        xmlFree(resolved);
        return input;
    }
    return xmlNewInputFromFile(ctxt, wanted);
}

} // namespace

void install()
{
    static std::once_flag once;
    std::call_once(once, [] {
        xmlInitParser();
        xmlSetExternalEntityLoader(loader);
    });
}

AllowLocalFiles::AllowLocalFiles() : m_previous(g_allowLocal) { g_allowLocal = true; }
AllowLocalFiles::~AllowLocalFiles() { g_allowLocal = m_previous; }

} // namespace ts::xmlsafety

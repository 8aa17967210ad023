#include "directresult.h"

#include "platform/xmldocument.h"

#include <libxml/parserInternals.h>
#include <libxml/tree.h>

namespace ts::lomshift {

namespace {

// Below what a document read back may hold (libxml2's limits without XML_PARSE_HUGE).
constexpr int kMaxDepth = 250;
constexpr qsizetype kMaxLength = XML_MAX_TEXT_LENGTH / 2;

bool is(const xmlChar *text, const char *wanted) { return xmlStrEqual(text, BAD_CAST wanted); }

bool inLom(const xmlNode *node) { return node->ns && is(node->ns->href, kLomNamespace); }

bool isMark(const xmlNode *node)
{
    return node->type == XML_PI_NODE && xmlStrncmp(node->name, BAD_CAST "lomshift-", 9) == 0;
}

// Read back, a name takes the namespace its prefix is declared for where it stands.
bool namespaceHolds(const xmlNode *element, const xmlNs *ns)
{
    const xmlNs *declared = xmlSearchNs(element->doc, const_cast<xmlNode *>(element), ns ? ns->prefix : nullptr);
    if (!ns)
        return !declared || !declared->href || !*declared->href;
    return declared && xmlStrEqual(declared->href, ns->href);
}

bool contentHolds(const xmlNode *node)
{
    const xmlChar *content = node->content;
    if (!content)
        return true;
    const qsizetype length = xmlStrlen(content);
    if (length > kMaxLength)
        return false;
    return node->type == XML_TEXT_NODE || node->type == XML_CDATA_SECTION_NODE || !xmlStrchr(content, '\r');
}

bool holds(const xmlNode *element, int depth)
{
    if (depth > kMaxDepth || !namespaceHolds(element, element->ns))
        return false;
    for (const xmlAttr *a = element->properties; a; a = a->next)
        if ((a->ns && !namespaceHolds(element, a->ns)) || (a->children && !contentHolds(a->children)))
            return false;
    const bool dateTime = is(element->name, "dateTime") && inLom(element) && element->parent &&
                          element->parent->type == XML_ELEMENT_NODE && is(element->parent->name, "date") &&
                          inLom(element->parent);
    bool marks = false;
    bool blanks = false;
    for (const xmlNode *c = element->children; c; c = c->next) {
        switch (c->type) {
        case XML_ELEMENT_NODE:
            if (dateTime || !holds(c, depth + 1))
                return false;
            break;
        case XML_TEXT_NODE:
        case XML_CDATA_SECTION_NODE:
            blanks = blanks || (c->type == XML_TEXT_NODE && xmlIsBlankNode(c));
            if (!contentHolds(c))
                return false;
            break;
        case XML_COMMENT_NODE:
        case XML_PI_NODE:
            marks = marks || isMark(c);
            if (dateTime || !contentHolds(c))
                return false;
            break;
        default:
            return false;
        }
    }
    return !(marks && blanks);
}

} // namespace

bool readsBackAsItself(const XmlDocument &result)
{
    const xmlDoc *doc = result.raw();
    if (!doc || doc->intSubset || doc->extSubset)
        return false;
    const xmlNode *root = xmlDocGetRootElement(doc);
    if (!root || !is(root->name, "lom") || !inLom(root) || root->ns->prefix || root->properties || !root->nsDef ||
        root->nsDef->next || root->nsDef->prefix || !is(root->nsDef->href, kLomNamespace))
        return false;
    const xmlNode *first = root->children;
    if (!first || first->type != XML_COMMENT_NODE || !first->content ||
        xmlStrncmp(first->content, BAD_CAST "Generated", 9) != 0)
        return false;
    for (const xmlNode *c = doc->children; c; c = c->next)
        if (c != root && ((c->type != XML_COMMENT_NODE && c->type != XML_PI_NODE) || !contentHolds(c)))
            return false;
    return holds(root, 1);
}

} // namespace ts::lomshift

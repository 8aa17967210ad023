#include "xmldocument.h"
#include "schemacache.h"
#include "xmlentities.h"
#include "xmlsafety.h"

#include <QFile>
#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xmlerror.h>
#include <libxml/xmlsave.h>

#include <optional>
#include <utility>

namespace ts {

namespace {

QString fromXml(const xmlChar *s) { return s ? QString::fromUtf8(reinterpret_cast<const char *>(s)) : QString(); }

struct ErrorCollector {
    bool have = false;
    xmlError first{};
    QString message;
    int code = 0;
    int line = 0;
    int column = 0;
};

void collect(void *userData, xmlErrorPtr error)
{
    auto *c = static_cast<ErrorCollector *>(userData);
    if (c->have || !error || error->level < XML_ERR_ERROR)
        return;
    c->have = true;
    c->code = error->code;
    c->line = error->line;
    c->column = error->int2;
    c->message = QString::fromUtf8(error->message ? error->message : "").trimmed();
}

// libxml2 counts lines at line feeds only: in a file whose lines end in a carriage return alone, every
// failure would be on line 1. The parser turns such carriage returns into line feeds anyway (end-of-line
// handling), so doing it before parsing leaves the document as it was and gives failures their true line.
// Done only where the byte 13 can be nothing but a carriage return: text that starts, after a UTF-8
// byte-order mark, with "<" or a blank in ASCII (not UTF-16 or UTF-32).
QByteArray withLineFeeds(const QByteArray &bytes)
{
    // Most files end their lines in carriage return and line feed, or line feed alone: they are left as
    // they are, uncopied.
    qsizetype first = bytes.indexOf('\r');
    while (first >= 0 && first + 1 < bytes.size() && bytes[first + 1] == '\n')
        first = bytes.indexOf('\r', first + 2);
    if (first < 0)
        return bytes;
    const qsizetype start = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    if (start >= bytes.size() || !QByteArrayView("< \t\r\n").contains(bytes[start]))
        return bytes;
    QByteArray out = bytes;
    for (qsizetype i = first; i < out.size(); ++i)
        if (out[i] == '\r' && (i + 1 == out.size() || out[i + 1] != '\n'))
            out[i] = '\n';
    return out;
}

// The encoding named in a decoded text's declaration does not count, but the parser still refuses a name
// that is none (encoding="", or one that does not begin with a letter). The span of such a pseudo-attribute,
// from "encoding" to its closing quote; no value when the text has none.
std::optional<std::pair<qsizetype, qsizetype>> invalidEncodingName(QByteArrayView bytes)
{
    if (!bytes.startsWith("<?xml"))
        return std::nullopt;
    const qsizetype end = bytes.indexOf("?>");
    if (end < 0)
        return std::nullopt;
    const qsizetype start = bytes.first(end).indexOf("encoding");
    if (start < 0)
        return std::nullopt;
    qsizetype i = start + 8;
    const auto blanks = [&] {
        while (i < end && QByteArrayView(" \t\r\n").contains(bytes[i]))
            ++i;
    };
    blanks();
    if (i >= end || bytes[i] != '=')
        return std::nullopt;
    ++i;
    blanks();
    if (i >= end || (bytes[i] != '"' && bytes[i] != '\''))
        return std::nullopt;
    const qsizetype close = bytes.indexOf(bytes[i], i + 1);
    if (close < 0 || close > end)
        return std::nullopt;
    const QByteArrayView name = bytes.sliced(i + 1, close - i - 1);
    const auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    bool valid = !name.isEmpty() && letter(name.front());
    for (const char c : name)
        valid = valid && (letter(c) || (c >= '0' && c <= '9') || c == '.' || c == '_' || c == '-');
    if (valid)
        return std::nullopt;
    return std::pair{start, close};
}

// A line of a document can be megabytes long (a record written on one line): a line shown in a message
// is cut to a stretch around the position (1-based; 0 when unknown), marked with an ellipsis where cut.
QString clipped(const QString &line, int position)
{
    constexpr qsizetype kShown = 200;
    if (line.size() <= kShown)
        return line;
    const qsizetype start = std::clamp<qsizetype>(position - 1 - kShown / 2, 0, line.size() - kShown);
    return (start > 0 ? QStringLiteral("\u2026") : QString()) + line.mid(start, kShown) +
           (start + kShown < line.size() ? QStringLiteral("\u2026") : QString());
}

QString lineOf(const QByteArray &source, int line, int position)
{
    if (line <= 0)
        return {};
    qsizetype start = 0;
    for (int i = 1; i < line; ++i) {
        const qsizetype nl = source.indexOf('\n', start);
        if (nl < 0)
            return {};
        start = nl + 1;
    }
    qsizetype end = source.indexOf('\n', start);
    if (end < 0)
        end = source.size();
    QByteArray text = source.mid(start, end - start);
    if (text.endsWith('\r'))
        text.chop(1);
    return clipped(QString::fromUtf8(text), position);
}

// The text of a node's descendants. An entity reference stays as written ("&name;"): nothing the
// program shows is ever expanded from an entity.
void appendText(const _xmlNode *node, QByteArray &out)
{
    for (const _xmlNode *c = node; c; c = c->next) {
        switch (c->type) {
        case XML_TEXT_NODE:
        case XML_CDATA_SECTION_NODE:
            out += reinterpret_cast<const char *>(c->content);
            break;
        case XML_ENTITY_REF_NODE:
            out += '&' + QByteArray(reinterpret_cast<const char *>(c->name)) + ';';
            break;
        case XML_ELEMENT_NODE:
            appendText(c->children, out);
            break;
        default:
            break;
        }
    }
}

QString textOf(const _xmlNode *firstChild)
{
    QByteArray out;
    appendText(firstChild, out);
    return QString::fromUtf8(out);
}

} // namespace

XmlDocument::XmlDocument() { xmlsafety::install(); }

XmlDocument::~XmlDocument() { reset(); }

void XmlDocument::reset()
{
    if (m_doc)
        xmlFreeDoc(m_doc);
    m_doc = nullptr;
    m_error = ParseError();
}

bool XmlDocument::loadXML(const QString &text)
{
    reset();
    const QByteArray original = withLineFeeds(text.toUtf8());
    const std::optional<std::pair<qsizetype, qsizetype>> invalid = invalidEncodingName(original);
    if (!invalid)
        return parse(original, QByteArray(), true);
    // The text is read as one that names no encoding: the pseudo-attribute blanked out, space for byte, so
    // that every position stays in place.
    QByteArray bytes = original;
    for (qsizetype k = invalid->first; k <= invalid->second; ++k)
        if (bytes[k] != '\n')
            bytes[k] = ' ';
    if (parse(bytes, QByteArray(), true))
        return true;
    // A failure on the declaration's line shows that line as written.
    if (m_error.line == 1)
        m_error.srcText = lineOf(original, m_error.line, m_error.linepos);
    return false;
}

bool XmlDocument::load(const QString &path)
{
    reset();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_error.errorCode = -1;
        m_error.reason = file.errorString();
        return false;
    }
    return parse(withLineFeeds(file.readAll()), path.toUtf8(), false);
}

bool XmlDocument::parse(const QByteArray &bytes, const QByteArray &url, bool decodedText)
{
    ErrorCollector collector;
    xmlSetStructuredErrorFunc(&collector, collect);
    // Decoded text is read as the UTF-8 it is by ignoring its declaration, not by naming UTF-8: a named
    // encoding puts a conversion in front of the parser, which then stops past ten million bytes ("Huge
    // input lookup"), short of the largest file the programs open.
    const int options = xmlsafety::kParseOptions | (decodedText ? XML_PARSE_IGNORE_ENC : 0);
    xmlDocPtr doc = xmlReadMemory(bytes.constData(), static_cast<int>(bytes.size()),
                                  url.isEmpty() ? nullptr : url.constData(), nullptr, options);
    xmlSetStructuredErrorFunc(nullptr, nullptr);
    if (!doc || collector.have) {
        m_error.errorCode = collector.code ? collector.code : -1;
        m_error.line = collector.line;
        m_error.linepos = collector.column;
        m_error.reason = collector.message.isEmpty() ? QStringLiteral("The document could not be read.") : collector.message;
        m_error.srcText = lineOf(bytes, collector.line, collector.column);
        restateUndeclaredEntity(doc, collector.code, m_error);
        if (doc)
            xmlFreeDoc(doc);
        return false;
    }
    if (refuseEntities(doc, bytes, m_error)) {
        xmlFreeDoc(doc);
        m_error.srcText = clipped(m_error.srcText, m_error.linepos);
        return false;
    }
    return finish(doc, bytes);
}

bool XmlDocument::finish(_xmlDoc *doc, const QByteArray &source)
{
    if (m_schemas) {
        xmlNodePtr root = xmlDocGetRootElement(doc);
        const QString ns = (root && root->ns) ? fromXml(root->ns->href) : QString();
        if (!ns.isEmpty() && m_schemas->has(ns)) {
            ParseError error;
            if (!m_schemas->validate(doc, error)) {
                xmlFreeDoc(doc);
                error.srcText = lineOf(source, error.line, error.linepos);
                m_error = error;
                return false;
            }
        }
    }
    m_doc = doc;
    return true;
}

void XmlDocument::adopt(_xmlDoc *doc)
{
    reset();
    m_doc = doc;
}

XmlNode XmlDocument::documentElement() const { return XmlNode(m_doc ? xmlDocGetRootElement(m_doc) : nullptr); }

QString XmlDocument::xml() const
{
    if (!m_doc)
        return {};
    xmlChar *mem = nullptr;
    int size = 0;
    xmlDocDumpFormatMemoryEnc(m_doc, &mem, &size, "UTF-8", 0);
    const QString out = QString::fromUtf8(reinterpret_cast<const char *>(mem), size);
    xmlFree(mem);
    return out;
}

namespace {

// Takes the instructions of the targets out of the children of parent and below, each content into the
// list of its target.
void takeInstructionsBelow(xmlNodePtr parent, const QList<QByteArray> &targets, QList<QStringList> &taken)
{
    bool tookAny = false;
    for (xmlNodePtr c = parent->children; c;) {
        xmlNodePtr next = c->next;
        const qsizetype target =
            c->type == XML_PI_NODE ? targets.indexOf(QByteArrayView(reinterpret_cast<const char *>(c->name))) : -1;
        if (target >= 0) {
            taken[target] << fromXml(c->content);
            if (c->prev && c->prev->type == XML_TEXT_NODE && xmlIsBlankNode(c->prev)) {
                xmlNodePtr blank = c->prev;
                xmlUnlinkNode(blank);
                xmlFreeNode(blank);
            }
            xmlUnlinkNode(c);
            xmlFreeNode(c);
            tookAny = true;
        } else if (c->type == XML_ELEMENT_NODE) {
            takeInstructionsBelow(c, targets, taken);
        }
        c = next;
    }
    if (!tookAny || parent->type != XML_ELEMENT_NODE)
        return;
    for (xmlNodePtr c = parent->children; c; c = c->next)
        if (c->type != XML_TEXT_NODE || !xmlIsBlankNode(c))
            return;
    while (parent->children) {
        xmlNodePtr blank = parent->children;
        xmlUnlinkNode(blank);
        xmlFreeNode(blank);
    }
}

} // namespace

QStringList XmlDocument::takeInstructions(const QString &target) { return takeInstructions(QStringList{target}).at(0); }

QList<QStringList> XmlDocument::takeInstructions(const QStringList &targets)
{
    QList<QStringList> taken(targets.size());
    QList<QByteArray> names;
    for (const QString &target : targets)
        names << target.toUtf8();
    if (m_doc)
        takeInstructionsBelow(reinterpret_cast<xmlNodePtr>(m_doc), names, taken);
    return taken;
}

// ---- XmlNode

bool XmlNode::isElement() const { return m_node && m_node->type == XML_ELEMENT_NODE; }
bool XmlNode::isText() const
{
    return m_node && (m_node->type == XML_TEXT_NODE || m_node->type == XML_CDATA_SECTION_NODE);
}
bool XmlNode::isComment() const { return m_node && m_node->type == XML_COMMENT_NODE; }

QString XmlNode::name() const
{
    if (!m_node)
        return {};
    if (m_node->type == XML_ELEMENT_NODE && m_node->ns && m_node->ns->prefix)
        return fromXml(m_node->ns->prefix) + QLatin1Char(':') + fromXml(m_node->name);
    if (isText())
        return QStringLiteral("#text");
    return fromXml(m_node->name);
}

QString XmlNode::localName() const { return m_node ? fromXml(m_node->name) : QString(); }

QString XmlNode::namespaceUri() const { return (m_node && m_node->ns) ? fromXml(m_node->ns->href) : QString(); }

bool XmlNode::is(QLatin1StringView localName, QLatin1StringView namespaceUri) const
{
    if (!isElement())
        return false;
    const char *ns = m_node->ns && m_node->ns->href ? reinterpret_cast<const char *>(m_node->ns->href) : "";
    return QByteArrayView(reinterpret_cast<const char *>(m_node->name)) ==
               QByteArrayView(localName.data(), localName.size()) &&
           QByteArrayView(ns) == QByteArrayView(namespaceUri.data(), namespaceUri.size());
}

QString XmlNode::text() const
{
    if (!m_node)
        return {};
    if (m_node->type == XML_ELEMENT_NODE)
        return textOf(m_node->children);
    if (m_node->type == XML_ENTITY_REF_NODE)
        return QLatin1Char('&') + fromXml(m_node->name) + QLatin1Char(';');
    xmlChar *content = xmlNodeGetContent(m_node);
    const QString out = fromXml(content);
    xmlFree(content);
    return out;
}

QString XmlNode::attribute(const QString &name) const
{
    if (!isElement())
        return {};
    for (xmlAttrPtr a = m_node->properties; a; a = a->next) {
        QString full = fromXml(a->name);
        if (a->ns && a->ns->prefix)
            full = fromXml(a->ns->prefix) + QLatin1Char(':') + full;
        if (full == name)
            return textOf(a->children);
    }
    return {};
}

bool XmlNode::hasAttribute(const QString &name) const
{
    if (!isElement())
        return false;
    for (xmlAttrPtr a = m_node->properties; a; a = a->next) {
        QString full = fromXml(a->name);
        if (a->ns && a->ns->prefix)
            full = fromXml(a->ns->prefix) + QLatin1Char(':') + full;
        if (full == name)
            return true;
    }
    return false;
}

QList<XmlNode> XmlNode::children() const
{
    QList<XmlNode> out;
    if (!m_node)
        return out;
    for (xmlNodePtr c = m_node->children; c; c = c->next) {
        if (c->type == XML_ELEMENT_NODE || c->type == XML_ENTITY_REF_NODE) {
            out.append(XmlNode(c));
        } else if (c->type == XML_TEXT_NODE || c->type == XML_CDATA_SECTION_NODE) {
            if (!xmlIsBlankNode(c) || c->type == XML_CDATA_SECTION_NODE)
                out.append(XmlNode(c));
        }
    }
    return out;
}

QList<XmlNode> XmlNode::elements() const
{
    QList<XmlNode> out;
    if (!m_node)
        return out;
    for (xmlNodePtr c = m_node->children; c; c = c->next)
        if (c->type == XML_ELEMENT_NODE)
            out.append(XmlNode(c));
    return out;
}

XmlNode XmlNode::firstElement(const QString &localName) const
{
    if (!m_node)
        return {};
    const QByteArray wanted = localName.toUtf8();
    for (xmlNodePtr c = m_node->children; c; c = c->next)
        if (c->type == XML_ELEMENT_NODE && wanted == reinterpret_cast<const char *>(c->name))
            return XmlNode(c);
    return {};
}

XmlNode XmlNode::parent() const
{
    if (!m_node || !m_node->parent || m_node->parent->type == XML_DOCUMENT_NODE)
        return {};
    return XmlNode(m_node->parent);
}

void XmlNode::setText(const QString &text)
{
    if (!isElement())
        return;
    while (m_node->children) {
        xmlNodePtr child = m_node->children;
        xmlUnlinkNode(child);
        xmlFreeNode(child);
    }
    const QByteArray bytes = text.toUtf8();
    xmlAddChild(m_node, xmlNewDocTextLen(m_node->doc, reinterpret_cast<const xmlChar *>(bytes.constData()),
                                         static_cast<int>(bytes.size())));
}

int XmlNode::line() const { return m_node ? static_cast<int>(xmlGetLineNo(m_node)) : 0; }

QString XmlNode::xml() const
{
    if (!m_node)
        return {};
    xmlBufferPtr buffer = xmlBufferCreate();
    xmlNodeDump(buffer, m_node->doc, m_node, 0, 0);
    const QString out = fromXml(xmlBufferContent(buffer));
    xmlBufferFree(buffer);
    return out;
}

} // namespace ts

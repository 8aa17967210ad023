#pragma once
// XML documents over libxml2, parsed safely: no network, no external entities or DTDs, libxml2's size
// limits kept, and a document that declares entities refused (xmlentities.h). A document with a schema cache attached is validated on load when the cache holds a
// schema for its root element's namespace, and the first failure is reported as its parse error.

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

struct _xmlDoc;
struct _xmlNode;

namespace ts {

class SchemaCache;

struct ParseError {
    int errorCode = 0; // 0 when the last load succeeded; libxml2's code, or kEntityRefused (xmlentities.h)
    int line = 0;      // 1-based line of the failure
    int linepos = 0;   // 1-based position in that line
    QString srcText;   // the text of that line (a long one cut to a stretch around the position)
    QString reason;
    bool ok() const { return errorCode == 0; }
};

class XmlNode {
public:
    XmlNode() = default;
    explicit XmlNode(_xmlNode *node) : m_node(node) {}
    bool isNull() const { return m_node == nullptr; }
    bool isElement() const;
    bool isText() const; // text or CDATA
    bool isComment() const;
    QString name() const;         // as written, with its prefix
    QString localName() const;    // without prefix
    QString namespaceUri() const; // empty when none
    // Whether it is an element of that local name and namespace (empty for none), told without copying.
    bool is(QLatin1StringView localName, QLatin1StringView namespaceUri) const;
    QString text() const;         // all descendant text; an entity reference stays as written, "&name;"
    QString attribute(const QString &name) const; // by its name as written; empty when absent
    bool hasAttribute(const QString &name) const;
    // Child nodes without comments, processing instructions and whitespace-only text (indentation).
    QList<XmlNode> children() const;
    QList<XmlNode> elements() const;                   // element children only
    XmlNode firstElement(const QString &localName) const; // first element child of that local name
    XmlNode parent() const;
    int line() const;
    QString xml() const; // the node serialised as text
    // Replaces the node's content by the text (taken as it is: escaped when the document is serialised).
    void setText(const QString &text);
    _xmlNode *raw() const { return m_node; }

private:
    _xmlNode *m_node = nullptr;
};

class XmlDocument {
public:
    XmlDocument();
    ~XmlDocument();
    XmlDocument(const XmlDocument &) = delete;
    XmlDocument &operator=(const XmlDocument &) = delete;

    void setSchemas(std::shared_ptr<SchemaCache> schemas) { m_schemas = std::move(schemas); }
    std::shared_ptr<SchemaCache> schemas() const { return m_schemas; }

    // Parses the text (already decoded; an encoding declaration in it is ignored). False on failure,
    // with parseError() telling why; the document is then empty.
    bool loadXML(const QString &text);
    // Parses a file, honouring its byte-order mark or declaration.
    bool load(const QString &path);

    const ParseError &parseError() const { return m_error; }
    bool isEmpty() const { return m_doc == nullptr; }
    XmlNode documentElement() const;
    QString xml() const; // the whole document serialised
    // Takes every processing instruction of that target out of the document, at any depth, and answers
    // their contents in document order. The indentation in front of each goes with it, and an element left
    // with nothing but blanks is left empty, so the document reads as if they had never been there.
    QStringList takeInstructions(const QString &target);
    // The same for several targets in one walk: the contents of each target's instructions.
    QList<QStringList> takeInstructions(const QStringList &targets);
    _xmlDoc *raw() const { return m_doc; }
    // Takes the document over (a stylesheet's result), in place of the one it holds; null empties it.
    void adopt(_xmlDoc *doc);

private:
    // Bytes of a text already decoded are UTF-8 whatever its declaration names.
    bool parse(const QByteArray &bytes, const QByteArray &url, bool decodedText);
    bool finish(_xmlDoc *doc, const QByteArray &source);
    void reset();

    _xmlDoc *m_doc = nullptr;
    ParseError m_error;
    std::shared_ptr<SchemaCache> m_schemas;
};

// The namespace of the IMS Meta-Data 1.2 XML binding.
inline constexpr const char *kImsMd12Namespace = "http://www.imsglobal.org/xsd/imsmd_rootv1p2p1";
// The namespace of the IEEE LOM XML binding.
inline constexpr const char *kLomNamespace = "http://ltsc.ieee.org/xsd/LOM";

} // namespace ts

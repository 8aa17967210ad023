#pragma once
// A collection of compiled XSD schemas by target namespace, over libxml2's validator.

#include <QMap>
#include <QString>
#include <memory>

struct _xmlDoc;

namespace ts {

struct ParseError;

class SchemaCache {
public:
    SchemaCache();
    ~SchemaCache();
    SchemaCache(const SchemaCache &) = delete;
    SchemaCache &operator=(const SchemaCache &) = delete;

    // Compiles the schema file and keeps it under the namespace. False (with a reason) when the file is
    // missing or does not compile. Local files that the schema imports are read; nothing from the network.
    bool add(const QString &namespaceUri, const QString &schemaPath, QString *error = nullptr);
    bool has(const QString &namespaceUri) const { return m_schemas.contains(namespaceUri); }
    int count() const { return static_cast<int>(m_schemas.size()); }

    // Validates the document against the schema of its root element's namespace. True when valid;
    // otherwise the first failure goes into error. False with errorCode -1 when there is no schema for
    // that namespace.
    bool validate(_xmlDoc *doc, ParseError &error) const;

private:
    struct Compiled;
    QMap<QString, std::shared_ptr<Compiled>> m_schemas;
};

// Loads an XML catalog (for tests that validate against reference schemas offline).
void loadXmlCatalog(const QString &catalogPath);

} // namespace ts

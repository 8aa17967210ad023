#pragma once
// Helpers of the schema tests: the program's own record schema, the reference schemas of the shared
// folder, and one verdict per document.

#include "platform/schemacache.h"
#include "platform/xmldocument.h"
#include "support/testenv.h"

#include <QFile>
#include <libxml/xmlerror.h>
#include <QString>
#include <memory>

namespace ts::test::schema {

inline const QString kMd12 = QString::fromLatin1(kImsMd12Namespace);

inline QString ownSchemaPath() { return QStringLiteral(TAGSMITH_PROGRAM_DIR "/imsmd_v1p2p2.xsd"); }

inline QString dataFile(const QString &name) { return testData(QStringLiteral("schema/") + name); }

inline QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A cache holding the schema under the record's namespace only, as the program registers it.
inline std::shared_ptr<SchemaCache> programCache(const QString &schemaPath = ownSchemaPath())
{
    auto cache = std::make_shared<SchemaCache>();
    QString reason;
    EXPECT_TRUE(cache->add(kMd12, schemaPath, &reason)) << reason.toStdString();
    return cache;
}

// A cache that hands every root to the schema, whatever its namespace (the record's, the other
// binding's, none): a wrongly named root is then judged by the schema itself, not refused by the
// cache for want of a schema.
inline std::shared_ptr<SchemaCache> judgingCache(const QString &schemaPath)
{
    auto cache = std::make_shared<SchemaCache>();
    for (const QString &ns : {kMd12, QString::fromLatin1(kLomNamespace), QString()}) {
        QString reason;
        if (!cache->add(ns, schemaPath, &reason)) {
            ADD_FAILURE() << schemaPath.toStdString() << ": " << reason.toStdString();
            return nullptr;
        }
    }
    return cache;
}

inline std::shared_ptr<SchemaCache> ownJudge() { return judgingCache(ownSchemaPath()); }

// The reference schema of the binding (or another schema of the shared folder), through the shared
// catalog so that nothing is fetched. Null when the shared folder is absent.
inline std::shared_ptr<SchemaCache> referenceJudge(
    const QString &relative = QStringLiteral("schemas/scorm12/imsmd_rootv1p2p1.xsd"))
{
    const QString shared = sharedDir();
    if (shared.isEmpty())
        return nullptr;
    static const bool catalogLoaded = (loadXmlCatalog(shared + QStringLiteral("/schemas/catalog.xml")), true);
    (void)catalogLoaded;
    // The reference's schema of the xml namespace draws a remark from the parser ("xml namespace URI
    // cannot be the default namespace") that is no failure; keep it out of the test output.
    xmlSetStructuredErrorFunc(nullptr, [](void *, xmlErrorPtr) {});
    auto cache = judgingCache(shared + QLatin1Char('/') + relative);
    xmlSetStructuredErrorFunc(nullptr, nullptr);
    return cache;
}

struct Verdict {
    bool parsed = false;
    bool valid = false;
    ParseError error;
};

// Parses the file without a schema, then validates it with the cache.
inline Verdict judge(const SchemaCache &cache, const QString &path)
{
    Verdict v;
    XmlDocument doc;
    v.parsed = doc.load(path);
    if (!v.parsed) {
        v.error = doc.parseError();
        return v;
    }
    v.valid = cache.validate(doc.raw(), v.error);
    return v;
}

} // namespace ts::test::schema

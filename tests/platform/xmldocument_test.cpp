#include "support/testmain.h"

#include "platform/programfolder.h"
#include "platform/schemacache.h"
#include "platform/xmldocument.h"
#include "platform/xmlentities.h"
#include "platform/xmlsafety.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <libxml/tree.h>

using namespace ts;

namespace {

const QString kMd12 = QString::fromLatin1(kImsMd12Namespace);

std::shared_ptr<SchemaCache> ourSchema()
{
    auto cache = std::make_shared<SchemaCache>();
    QString reason;
    EXPECT_TRUE(cache->add(kMd12, QStringLiteral(TAGSMITH_PROGRAM_DIR "/imsmd_v1p2p2.xsd"), &reason))
        << reason.toStdString();
    return cache;
}

} // namespace

TEST(XmlDocument, MalformedDocumentReportsLineAndPosition)
{
    XmlDocument doc;
    EXPECT_FALSE(doc.loadXML(QStringLiteral("<lom>\n  <general>\n    <title></general>\n</lom>")));
    const ParseError &e = doc.parseError();
    EXPECT_NE(e.errorCode, 0);
    EXPECT_EQ(e.line, 3);
    EXPECT_EQ(e.linepos, 22);
    EXPECT_EQ(e.srcText, QStringLiteral("    <title></general>"));
    EXPECT_FALSE(e.reason.isEmpty());
    EXPECT_TRUE(doc.isEmpty());
}

TEST(XmlDocument, WellFormedDocumentHasNoError)
{
    XmlDocument doc;
    ASSERT_TRUE(doc.loadXML(QStringLiteral("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a>\u00e9t\u00e9</a>")));
    EXPECT_EQ(doc.parseError().errorCode, 0);
    EXPECT_EQ(doc.documentElement().text(), QStringLiteral("\u00e9t\u00e9"));
}

TEST(XmlDocument, ChildrenSkipIndentationAndComments)
{
    XmlDocument doc;
    ASSERT_TRUE(doc.loadXML(QStringLiteral("<a>\n   <b>x</b>\n   <!-- note -->\n   <c/>\n</a>")));
    const auto children = doc.documentElement().children();
    ASSERT_EQ(children.size(), 2);
    EXPECT_EQ(children[0].name(), QStringLiteral("b"));
    EXPECT_EQ(children[1].name(), QStringLiteral("c"));
}

TEST(XmlDocument, ExternalEntityIsNotLoaded)
{
    QTemporaryDir dir;
    QFile secret(dir.filePath(QStringLiteral("secret.txt")));
    ASSERT_TRUE(secret.open(QIODevice::WriteOnly));
    secret.write("TOP-SECRET");
    secret.close();
    const QString url = QUrl::fromLocalFile(secret.fileName()).toString();
    XmlDocument doc;
    const bool loaded = doc.loadXML(QStringLiteral("<!DOCTYPE a [<!ENTITY x SYSTEM \"%1\">]><a>&x;</a>").arg(url));
    if (loaded) {
        EXPECT_FALSE(doc.xml().contains(QStringLiteral("TOP-SECRET")));
        EXPECT_FALSE(doc.documentElement().text().contains(QStringLiteral("TOP-SECRET")));
    }
}

TEST(XmlDocument, ExternalDtdIsNotLoaded)
{
    QTemporaryDir dir;
    QFile dtd(dir.filePath(QStringLiteral("a.dtd")));
    ASSERT_TRUE(dtd.open(QIODevice::WriteOnly));
    dtd.write("<!ENTITY greeting \"FROM-DTD\">");
    dtd.close();
    XmlDocument doc;
    doc.loadXML(QStringLiteral("<!DOCTYPE a SYSTEM \"%1\"><a>&greeting;</a>")
                    .arg(QUrl::fromLocalFile(dtd.fileName()).toString()));
    EXPECT_FALSE(doc.xml().contains(QStringLiteral("FROM-DTD")));
}

TEST(SchemaCache, MissingSchemaFileIsRefused)
{
    SchemaCache cache;
    QString reason;
    EXPECT_FALSE(cache.add(kMd12, QStringLiteral("/nonexistent/imsmd_v1p2p2.xsd"), &reason));
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_EQ(cache.count(), 0);
}

TEST(SchemaCache, DocumentInOtherNamespaceIsNotValidatedOnLoad)
{
    XmlDocument doc;
    doc.setSchemas(ourSchema());
    EXPECT_TRUE(doc.loadXML(QStringLiteral("<lom><general/></lom>")));
}

TEST(XmlSafety, EntityLoaderAloneKeepsLocalFilesOutOfAParseThatAsksForThem)
{
    QTemporaryDir dir;
    QFile secret(dir.filePath(QStringLiteral("secret.txt")));
    ASSERT_TRUE(secret.open(QIODevice::WriteOnly));
    secret.write("TOP-SECRET");
    secret.close();
    QFile dtd(dir.filePath(QStringLiteral("a.dtd")));
    ASSERT_TRUE(dtd.open(QIODevice::WriteOnly));
    dtd.write("<!ENTITY fromDtd \"FROM-DTD\">");
    dtd.close();
    XmlDocument guard; // installs the loader
    const QByteArray text = QStringLiteral("<!DOCTYPE a SYSTEM \"%1\" [<!ENTITY x SYSTEM \"%2\">]><a>&x;&fromDtd;</a>")
                                .arg(QUrl::fromLocalFile(dtd.fileName()).toString(),
                                     QUrl::fromLocalFile(secret.fileName()).toString())
                                .toUtf8();
    // Substitution and loading of the document type asked for, as the program never does.
    xmlDocPtr doc = xmlReadMemory(text.constData(), static_cast<int>(text.size()), nullptr, "UTF-8",
                                  XML_PARSE_NOENT | XML_PARSE_DTDLOAD | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    ASSERT_NE(doc, nullptr);
    xmlChar *content = xmlNodeGetContent(xmlDocGetRootElement(doc));
    const QString shown = QString::fromUtf8(reinterpret_cast<const char *>(content));
    xmlFree(content);
    xmlFreeDoc(doc);
    EXPECT_FALSE(shown.contains(QStringLiteral("TOP-SECRET")));
    EXPECT_FALSE(shown.contains(QStringLiteral("FROM-DTD")));
}

TEST(XmlSafety, ParseOptionsAloneKeepAnInternalEntityAsItsReference)
{
    // Parsed as the program parses, without the refusal of documents that declare entities.
    const QByteArray text = "<!DOCTYPE a [<!ENTITY big \"0123456789\">]><a lang=\"&big;\">x&big;&big;<b>&big;</b></a>";
    xmlDocPtr doc = xmlReadMemory(text.constData(), static_cast<int>(text.size()), nullptr, "UTF-8",
                                  xmlsafety::kParseOptions);
    ASSERT_NE(doc, nullptr);
    const XmlNode root(xmlDocGetRootElement(doc));
    EXPECT_EQ(root.text(), QStringLiteral("x&big;&big;&big;"));
    EXPECT_EQ(root.attribute(QStringLiteral("lang")), QStringLiteral("&big;"));
    xmlFreeDoc(doc);
}

TEST(XmlSafety, DocumentsThatDeclareEntitiesAreRefusedWithAPlainReason)
{
    const QString amplification = QStringLiteral("<!DOCTYPE lom [\n<!ENTITY big \"%1\">\n]>\n<lom>%2</lom>")
                                      .arg(QString(100000, QLatin1Char('A')), QStringLiteral("&big;").repeated(20000));
    const struct {
        QString text;
        const char *reason;
        int line;
        int linepos;
    } rows[] = {
        {QStringLiteral("<?xml version=\"1.0\"?>\n<!DOCTYPE a [\n  <!ENTITY ext SYSTEM \"file:///etc/hostname\">\n]>\n"
                        "<a>&ext;</a>"),
         "The file refers to an external entity (\"ext\"), which is not read.", 3, 3},
        {QStringLiteral("<!DOCTYPE a [<!ENTITY % p SYSTEM \"p.dtd\"><!ENTITY t \"T\">]><a/>"),
         "The file refers to an external entity (\"p\"), which is not read.", 1, 14},
        // An entity the external document type would declare.
        {QStringLiteral("<!DOCTYPE a SYSTEM \"a.dtd\">\n<a>&nbsp;</a>"),
         "The file refers to an external entity (\"nbsp\"), which is not read.", 2, 10},
        {QStringLiteral("<!DOCTYPE a [<!ENTITY t \"T\">]><a>&t;</a>"),
         "The file declares an entity (\"t\"); files that declare entities are not read.", 1, 14},
        {amplification, "The file declares an entity (\"big\"); files that declare entities are not read.", 2, 1},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.reason);
        XmlDocument doc;
        EXPECT_FALSE(doc.loadXML(r.text));
        EXPECT_TRUE(doc.isEmpty());
        EXPECT_EQ(doc.parseError().errorCode, kEntityRefused);
        EXPECT_EQ(doc.parseError().reason, QLatin1String(r.reason));
        EXPECT_EQ(doc.parseError().line, r.line);
        EXPECT_EQ(doc.parseError().linepos, r.linepos);
        EXPECT_LE(doc.parseError().srcText.size(), 202); // a long line is cut around the position
    }
}

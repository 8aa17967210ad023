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
    for (const auto &[name, text] : {std::pair{"a.dtd", "<!ENTITY fromDtd \"FROM-DTD\">"}, {"secret.txt", "TOP-SECRET"}}) {
        QFile file(dir.filePath(QLatin1String(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    XmlDocument guard; // installs the loader
    // Without it, this parse reads both files: substitution and loading are asked for, as the program never does.
    const QByteArray text = QStringLiteral("<!DOCTYPE a SYSTEM \"%1\" [<!ENTITY x SYSTEM \"%2\">]><a>&x;&fromDtd;</a>")
                                .arg(QUrl::fromLocalFile(dir.filePath(QStringLiteral("a.dtd"))).toString(),
                                     QUrl::fromLocalFile(dir.filePath(QStringLiteral("secret.txt"))).toString())
                                .toUtf8();
    xmlDocPtr doc = xmlReadMemory(text.constData(), static_cast<int>(text.size()), nullptr, "UTF-8",
                                  XML_PARSE_NOENT | XML_PARSE_DTDLOAD | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    ASSERT_NE(doc, nullptr);
    xmlChar *content = xmlNodeGetContent(xmlDocGetRootElement(doc));
    EXPECT_EQ(QByteArray(reinterpret_cast<const char *>(content)), QByteArray());
    xmlFree(content);
    xmlFreeDoc(doc);
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

TEST(XmlSafety, EntitiesOnlyAnotherDocumentCouldGiveAreNamedAsExternal)
{
    // (Declared entities, internal and external, are refused when a file is opened.)
    for (const QString &text : {QStringLiteral("<!DOCTYPE a [<!ENTITY % ext SYSTEM \"p.dtd\"><!ENTITY t \"T\">]><a/>"),
                                QStringLiteral("<!DOCTYPE a SYSTEM \"a.dtd\">\n<a>&ext;</a>")}) {
        XmlDocument doc;
        EXPECT_FALSE(doc.loadXML(text));
        EXPECT_EQ(doc.parseError().errorCode, kEntityRefused);
        EXPECT_EQ(doc.parseError().reason, QStringLiteral("The file refers to an external entity (\"ext\"), which is not read."));
    }
}

#include "support/testmain.h"

#include "schema_support.h"

#include "platform/xmlsafety.h"

#include <QDir>
#include <QTemporaryDir>
#include <libxml/xmlschemas.h>

using namespace ts;
using namespace ts::test::schema;

namespace {

// libxml2's reason texts name elements as {namespace}name; "{md}" stands for the record's namespace.
QString withNs(QString text) { return text.replace(QStringLiteral("{md}"), QLatin1Char('{') + kMd12 + QLatin1Char('}')); }

const QString kDescriptionBeforeTitle = QStringLiteral(
    "<?xml version=\"1.0\"?>\n"
    "<lom xmlns=\"http://www.imsglobal.org/xsd/imsmd_rootv1p2p1\">\n"
    "  <general>\n"
    "    <description>\n"
    "      <langstring xml:lang=\"en\">How soil holds water.</langstring>\n"
    "    </description>\n"
    "    <title>\n"
    "      <langstring xml:lang=\"en\">Soil and water</langstring>\n"
    "    </title>\n"
    "  </general>\n"
    "</lom>\n");

const QString kTitleNotExpected = withNs(QStringLiteral(
    "Element '{md}title': This element is not expected. Expected is one of ( {md}description, {md}keyword, "
    "{md}coverage, {md}structure, {md}aggregationlevel, ##other{md}* )."));

struct Message {
    int level;
    QString text;
};

void collectAll(void *userData, xmlErrorPtr error)
{
    static_cast<QList<Message> *>(userData)->append(
        {error->level, QString::fromUtf8(error->message ? error->message : "").trimmed()});
}

QList<XmlNode> descendants(const XmlNode &node)
{
    QList<XmlNode> out;
    for (const XmlNode &child : node.elements()) {
        out.append(child);
        out.append(descendants(child));
    }
    return out;
}

} // namespace

TEST(OwnSchema, CompilesFromAFolderHoldingNothingElse)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString lone = dir.filePath(QStringLiteral("imsmd_v1p2p2.xsd"));
    ASSERT_TRUE(QFile::copy(ownSchemaPath(), lone));

    SchemaCache cache;
    QString reason;
    EXPECT_TRUE(cache.add(kMd12, lone, &reason)) << reason.toStdString();
    EXPECT_TRUE(reason.isEmpty());
    EXPECT_TRUE(cache.has(kMd12));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("imsmd_v1p2p2.xsd")});
}

TEST(OwnSchema, CompilesWithoutAnyRemarkOfTheCompiler)
{
    // Warnings count here too: the schema must compile cleanly, not merely compile.
    xmlsafety::install();
    xmlsafety::AllowLocalFiles allow;
    const QByteArray path = ownSchemaPath().toUtf8();
    xmlSchemaParserCtxtPtr ctxt = xmlSchemaNewParserCtxt(path.constData());
    ASSERT_NE(ctxt, nullptr);
    QList<Message> messages;
    xmlSchemaSetParserStructuredErrors(ctxt, collectAll, &messages);
    xmlSchemaPtr schema = xmlSchemaParse(ctxt);
    xmlSchemaFreeParserCtxt(ctxt);
    EXPECT_NE(schema, nullptr);
    if (schema)
        xmlSchemaFree(schema);
    for (const Message &m : messages)
        ADD_FAILURE() << "level " << m.level << ": " << m.text.toStdString();
}

TEST(OwnSchema, StandsAloneWithLomAsItsOnlyRoot)
{
    XmlDocument xsd;
    ASSERT_TRUE(xsd.load(ownSchemaPath())) << xsd.parseError().reason.toStdString();
    const XmlNode root = xsd.documentElement();
    EXPECT_EQ(root.localName(), QStringLiteral("schema"));
    EXPECT_EQ(root.attribute(QStringLiteral("targetNamespace")), kMd12);
    EXPECT_EQ(root.attribute(QStringLiteral("elementFormDefault")), QStringLiteral("qualified"));

    QStringList globalElements;
    for (const XmlNode &child : root.elements())
        if (child.localName() == QLatin1String("element"))
            globalElements << child.attribute(QStringLiteral("name"));
    EXPECT_EQ(globalElements, QStringList{QStringLiteral("lom")});

    // Nothing that would make the compiler look for another file, locally or on the network.
    for (const XmlNode &node : descendants(root)) {
        EXPECT_NE(node.localName(), QStringLiteral("import"));
        EXPECT_NE(node.localName(), QStringLiteral("include"));
        EXPECT_NE(node.localName(), QStringLiteral("redefine"));
        EXPECT_FALSE(node.hasAttribute(QStringLiteral("schemaLocation")));
    }
}

TEST(OwnSchema, RecordLoadsIntoADocumentWithTheCacheAttached)
{
    XmlDocument doc;
    doc.setSchemas(programCache());
    ASSERT_TRUE(doc.loadXML(QString::fromUtf8(readBytes(dataFile(QStringLiteral("every_element.xml"))))))
        << doc.parseError().reason.toStdString();
    EXPECT_TRUE(doc.parseError().ok());
    EXPECT_EQ(doc.documentElement().localName(), QStringLiteral("lom"));
    EXPECT_EQ(doc.documentElement().namespaceUri(), kMd12);
    EXPECT_EQ(doc.documentElement().elements().size(), 12); // two relations, annotations, classifications
}

TEST(OwnSchema, RecordFileInTheWritersLayoutLoadsFromDisk)
{
    // Carriage returns and line feeds, the xsi header with its odd blank, lines of blanks only.
    XmlDocument doc;
    doc.setSchemas(programCache());
    EXPECT_TRUE(doc.load(dataFile(QStringLiteral("written_with_optional_elements.xml"))))
        << doc.parseError().reason.toStdString();
    EXPECT_TRUE(doc.load(dataFile(QStringLiteral("written_required_elements_only.xml"))))
        << doc.parseError().reason.toStdString();
}

TEST(OwnSchema, RecordIsValidThroughTheCacheDirectly)
{
    const auto cache = programCache();
    XmlDocument doc;
    ASSERT_TRUE(doc.load(dataFile(QStringLiteral("every_element.xml"))));
    ParseError error;
    error.errorCode = 99; // validate must clear what was there before
    EXPECT_TRUE(cache->validate(doc.raw(), error)) << error.reason.toStdString();
    EXPECT_TRUE(error.ok());
    EXPECT_TRUE(error.reason.isEmpty());
}

TEST(OwnSchema, ElementOutOfOrderIsAParseErrorWithLineAndReason)
{
    XmlDocument doc;
    doc.setSchemas(programCache());
    EXPECT_FALSE(doc.loadXML(kDescriptionBeforeTitle));
    EXPECT_TRUE(doc.isEmpty());
    const ParseError &e = doc.parseError();
    EXPECT_FALSE(e.ok());
    EXPECT_EQ(e.errorCode, XML_SCHEMAV_ELEMENT_CONTENT);
    EXPECT_EQ(e.line, 7);
    EXPECT_EQ(e.srcText, QStringLiteral("    <title>"));
    EXPECT_EQ(e.reason, kTitleNotExpected);
}

TEST(OwnSchema, ElementOutOfOrderIsRefusedByTheCacheDirectly)
{
    const auto cache = programCache();
    XmlDocument doc;
    ASSERT_TRUE(doc.loadXML(kDescriptionBeforeTitle)); // no schema attached: parsed only
    ParseError error;
    EXPECT_FALSE(cache->validate(doc.raw(), error));
    EXPECT_EQ(error.errorCode, XML_SCHEMAV_ELEMENT_CONTENT);
    EXPECT_EQ(error.line, 7);
    EXPECT_EQ(error.reason, kTitleNotExpected);
}

TEST(OwnSchema, CategoryOutOfOrderNamesTheCategoriesThatMayFollow)
{
    XmlDocument doc;
    doc.setSchemas(programCache());
    EXPECT_FALSE(doc.load(dataFile(QStringLiteral("order_technical_before_general.xml"))));
    const ParseError &e = doc.parseError();
    EXPECT_EQ(e.line, 6);
    EXPECT_EQ(e.srcText, QStringLiteral("  <general>"));
    EXPECT_EQ(e.reason, withNs(QStringLiteral("Element '{md}general': This element is not expected. Expected is one "
                                              "of ( {md}educational, {md}rights, {md}relation, {md}annotation, "
                                              "{md}classification ).")));
}

TEST(OwnSchema, FaultyLineIsFoundInAFileWithCarriageReturnsAlone)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cr.xml"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(kDescriptionBeforeTitle.toUtf8().replace('\n', '\r'));
    f.close();

    XmlDocument doc;
    doc.setSchemas(programCache());
    EXPECT_FALSE(doc.load(path));
    EXPECT_EQ(doc.parseError().line, 7);
    EXPECT_EQ(doc.parseError().srcText, QStringLiteral("    <title>"));
    EXPECT_EQ(doc.parseError().reason, kTitleNotExpected);
}

TEST(OwnSchema, FaultyLineOfACarriageReturnLineFeedFileHasNoCarriageReturn)
{
    XmlDocument doc;
    doc.setSchemas(programCache());
    EXPECT_FALSE(doc.loadXML(QString(kDescriptionBeforeTitle).replace(QStringLiteral("\n"), QStringLiteral("\r\n"))));
    EXPECT_EQ(doc.parseError().line, 7);
    EXPECT_EQ(doc.parseError().srcText, QStringLiteral("    <title>"));
}

TEST(OwnSchema, ValidLoadAfterARefusedOneClearsTheError)
{
    XmlDocument doc;
    doc.setSchemas(programCache());
    EXPECT_FALSE(doc.loadXML(kDescriptionBeforeTitle));
    EXPECT_TRUE(doc.load(dataFile(QStringLiteral("general_title_only.xml"))));
    EXPECT_TRUE(doc.parseError().ok());
    EXPECT_EQ(doc.parseError().line, 0);
    EXPECT_TRUE(doc.parseError().reason.isEmpty());
    EXPECT_FALSE(doc.isEmpty());
}

TEST(OwnSchema, ExtensionNamespacesDeclaredOnTheRootDoNotStopTheRecord)
{
    XmlDocument doc;
    doc.setSchemas(programCache());
    EXPECT_TRUE(doc.load(dataFile(QStringLiteral("extension_in_every_part.xml"))))
        << doc.parseError().reason.toStdString();
    EXPECT_TRUE(doc.load(dataFile(QStringLiteral("extension_of_known_namespace.xml"))))
        << doc.parseError().reason.toStdString();
}

TEST(OwnSchema, ElementOfTheRecordsNamespaceIsNeverTakenForAnExtension)
{
    XmlDocument doc;
    doc.setSchemas(programCache());
    EXPECT_FALSE(doc.load(dataFile(QStringLiteral("unknown_element_in_general.xml"))));
    EXPECT_EQ(doc.parseError().line, 7);
    EXPECT_TRUE(doc.parseError().reason.startsWith(
        withNs(QStringLiteral("Element '{md}subtitle': This element is not expected."))))
        << doc.parseError().reason.toStdString();
}

TEST(OwnSchema, SizeMustBeAWholeNumber)
{
    const auto judge = ownJudge();
    ASSERT_TRUE(judge);
    struct Case {
        const char *size;
        bool valid;
    } cases[] = {{"0", true},          {"204800", true}, {"+17", true},     {"2147483647", true},
                 {"2147483648", false}, {"", false},      {"12.5", false},   {"200 KB", false},
                 {"1e5", false},        {"0x10", false},
                 // libxml2 does not trim the blanks around the number (the reference refuses it too).
                 {" 17 ", false}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.size);
        XmlDocument doc;
        ASSERT_TRUE(doc.loadXML(QStringLiteral("<lom xmlns=\"%1\"><technical><size>%2</size></technical></lom>")
                                    .arg(kMd12, QString::fromLatin1(c.size))));
        ParseError error;
        EXPECT_EQ(judge->validate(doc.raw(), error), c.valid) << error.reason.toStdString();
    }
}

TEST(OwnSchema, LanguageStringsTakeAttributesOfTheXmlNamespaceOnly)
{
    const auto judge = ownJudge();
    ASSERT_TRUE(judge);
    struct Case {
        const char *attributes;
        bool valid;
    } cases[] = {{"", true},
                 {" xml:lang=\"en-GB\"", true},
                 {" xml:lang=\"x-none\"", true},
                 {" lang=\"en\"", false},
                 {" xmlns:o=\"urn:other\" o:lang=\"en\"", false}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.attributes);
        XmlDocument doc;
        ASSERT_TRUE(doc.loadXML(
            QStringLiteral("<lom xmlns=\"%1\"><general><title><langstring%2>t</langstring></title></general></lom>")
                .arg(kMd12, QString::fromLatin1(c.attributes))));
        ParseError error;
        EXPECT_EQ(judge->validate(doc.raw(), error), c.valid) << error.reason.toStdString();
    }
}

TEST(XmlDocumentLines, CarriageReturnsAloneStillEndLinesInTheText)
{
    XmlDocument doc;
    ASSERT_TRUE(doc.loadXML(QStringLiteral("<a>\r<b>x\ry</b>\r<c>p\r\nq</c>\r</a>")));
    const auto children = doc.documentElement().elements();
    ASSERT_EQ(children.size(), 2);
    EXPECT_EQ(children[0].text(), QStringLiteral("x\ny"));
    EXPECT_EQ(children[0].line(), 2);
    EXPECT_EQ(children[1].text(), QStringLiteral("p\nq"));
    EXPECT_EQ(children[1].line(), 4); // the carriage return inside <b> ends line 3
}

TEST(XmlDocumentLines, MalformedTextWithCarriageReturnsAloneReportsItsLine)
{
    XmlDocument doc;
    EXPECT_FALSE(doc.loadXML(QStringLiteral("<lom>\r  <general>\r    <title></general>\r</lom>")));
    EXPECT_EQ(doc.parseError().line, 3);
    EXPECT_EQ(doc.parseError().srcText, QStringLiteral("    <title></general>"));
}

TEST(XmlDocumentLines, WideEncodingsAreReadAsTheyAre)
{
    // In UTF-16 the byte 13 can be half of another character: such files are left to the parser.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("wide.xml"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    const QString text = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r<a>\u0d0d\r\u0a0d</a>");
    f.write("\xFF\xFE");
    f.write(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    f.close();
    XmlDocument doc;
    ASSERT_TRUE(doc.load(path)) << doc.parseError().reason.toStdString();
    EXPECT_EQ(doc.documentElement().text(), QStringLiteral("\u0d0d\n\u0a0d"));
}

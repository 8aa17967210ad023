#include "support/testmain.h"

#include "platform/xmldocument.h"
#include "platform/xslt.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QUrl>

using namespace ts;

namespace {

const char *const kHead = "<xsl:stylesheet version='1.0' xmlns:xsl='http://www.w3.org/1999/XSL/Transform'>";

void put(const QString &path, const QByteArray &text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
}

} // namespace

// Each stylesheet lies in a folder whose name holds a blank, beside a module, a module in a subfolder and, one
// level up, a module outside its folder.
TEST(Xslt, LoadsModulesOfItsOwnFolderOnlyAndTransformsWithoutReachingOut)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("sheets here"));
    const QByteArray module = QByteArray(kHead) + "<xsl:template name='m'>module</xsl:template></xsl:stylesheet>";
    put(folder + QStringLiteral("/module.xsl"), module);
    put(folder + QStringLiteral("/sub/deep.xsl"), module);
    put(dir.filePath(QStringLiteral("outside.xsl")), module);
    put(dir.filePath(QStringLiteral("secret.xml")), "<secret>hidden</secret>");
    const QString escaped = dir.filePath(QStringLiteral("escaped.xml"));

    const struct {
        const char *top;  // stylesheet content before the template
        const char *body; // the template matching "/"
        bool loads, runs;
        const char *expected; // the result, or a part of the reason
    } rows[] = {
        {"<xsl:import href='module.xsl'/><xsl:output method='text'/>", "<xsl:call-template name='m'/>", true, true,
         "module"},
        {"<xsl:include href='sub/deep.xsl'/><xsl:output method='xml' encoding='UTF-8'/>",
         "<r><xsl:call-template name='m'/></r>", true, true, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<r>module</r>\n"},
        {"<xsl:import href='../outside.xsl'/>", "", false, false, "may read no file outside its folder"},
        {"<xsl:import href='http://example.com/a.xsl'/>", "", false, false, "may not reach the network"},
        {"<xsl:import href='missing.xsl'/>", "", false, false, "was not found"},
        {"<xsl:template match='x'>", "", false, false, "line"},
        {"<xsl:output method='text'/>", "<xsl:value-of select=\"document('../secret.xml')\"/>", true, false,
         "may read no file"},
        {"<xsl:output method='text'/>", "<xsl:value-of select=\"document('http://example.com/a.xml')\"/>", true, false,
         "may not reach the network"},
        {"", "<xsl:message terminate='yes'>stop here</xsl:message>", true, false, "stop here"},
    };
    XmlDocument source;
    ASSERT_TRUE(source.loadXML(QStringLiteral("<doc>x</doc>")));
    for (const auto &row : rows) {
        SCOPED_TRACE(row.top + std::string(row.body));
        const QString path = folder + QStringLiteral("/main.xsl");
        put(path, QByteArray(kHead) + row.top + "<xsl:template match='/'>" + row.body + "</xsl:template></xsl:stylesheet>");
        XsltStylesheet style;
        XsltError error;
        ASSERT_EQ(style.load(path, &error), row.loads) << error.reason.toStdString();
        QString result;
        if (row.loads) {
            EXPECT_EQ(style.transform(source, result, &error), row.runs) << error.reason.toStdString();
        }
        const QString expected = QString::fromUtf8(row.expected);
        if (row.runs) {
            EXPECT_EQ(result, expected);
        } else {
            EXPECT_TRUE(error.reason.contains(expected)) << error.reason.toStdString();
            EXPECT_EQ(error.source, path);
            EXPECT_NE(error.code, 0);
        }
    }

    // Writing a file (XSLT 1.1's xsl:document) is refused and nothing is written.
    put(folder + QStringLiteral("/main.xsl"),
        QByteArray("<xsl:stylesheet version='1.1' xmlns:xsl='http://www.w3.org/1999/XSL/Transform'><xsl:template "
                   "match='/'><xsl:document href='") +
            QUrl::fromLocalFile(escaped).toEncoded() + "'><a/></xsl:document></xsl:template></xsl:stylesheet>");
    XsltStylesheet writer;
    ASSERT_TRUE(writer.load(folder + QStringLiteral("/main.xsl")));
    QString result;
    XsltError error;
    EXPECT_FALSE(writer.transform(source, result, &error));
    EXPECT_TRUE(error.reason.contains(QStringLiteral("may write no file"))) << error.reason.toStdString();
    EXPECT_FALSE(QFile::exists(escaped));
}

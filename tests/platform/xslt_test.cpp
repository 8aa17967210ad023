#include "support/testmain.h"

#include "platform/xmldocument.h"
#include "platform/xslt.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace ts;
using namespace Qt::StringLiterals;

namespace {

void put(const QString &path, const QByteArray &text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("<xsl:stylesheet version='1.1' xmlns:xsl='http://www.w3.org/1999/XSL/Transform'>" + text +
            "</xsl:stylesheet>");
}

} // namespace

// Each stylesheet lies in a folder whose name holds a blank, beside a module, a module in a subfolder and, one
// level up, a module outside its folder and a document.
TEST(Xslt, LoadsModulesOfItsOwnFolderOnlyAndTransformsWithoutReachingOut)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(u"sheets here"_s);
    for (const QString &module : {folder + u"/module.xsl"_s, folder + u"/sub/deep.xsl"_s, dir.filePath(u"out.xsl"_s)})
        put(module, "<xsl:template name='m'>module</xsl:template>");
    put(dir.filePath(u"secret.xml"_s), "");
    const struct {
        const char *top;  // stylesheet content before the template
        const char *body; // the template matching "/"
        bool loads, runs;
        const char *expected; // the result, or a part of the reason
    } rows[] = {
        {"<xsl:import href='module.xsl'/><xsl:output method='text'/>", "<xsl:call-template name='m'/>", true, true,
         "module"},
        {"<xsl:include href='sub/deep.xsl'/>", "<r><xsl:call-template name='m'/></r>", true, true,
         "<?xml version=\"1.0\"?>\n<r>module</r>\n"},
        {"<xsl:import href='../out.xsl'/>", "", false, false, "may read no file outside its folder"},
        {"<xsl:import href='http://example.com/a.xsl'/>", "", false, false, "may not reach the network"},
        {"<xsl:import href='missing.xsl'/>", "", false, false, "was not found"},
        {"<xsl:template match='x'>", "", false, false, "line"},
        {"", "<xsl:value-of select=\"document('../secret.xml')\"/>", true, false, "may read no file"},
        {"", "<xsl:value-of select=\"document('http://example.com/a.xml')\"/>", true, false, "may not reach the network"},
        {"", "<xsl:document href='../written.xml'><a/></xsl:document>", true, false, "may write no file"},
        {"", "<xsl:message terminate='yes'>stop here</xsl:message>", true, false, "stop here"},
    };
    XmlDocument source;
    ASSERT_TRUE(source.loadXML(u"<doc>x</doc>"_s));
    const QString path = folder + u"/main.xsl"_s;
    for (const auto &row : rows) {
        SCOPED_TRACE(row.top + std::string(row.body));
        put(path, row.top + QByteArray("<xsl:template match='/'>") + row.body + "</xsl:template>");
        XsltStylesheet style;
        XsltError error;
        QString result;
        ASSERT_EQ(style.load(path, &error), row.loads) << error.reason.toStdString();
        EXPECT_EQ(row.loads && style.transform(source, result, &error), row.runs) << error.reason.toStdString();
        if (row.runs)
            EXPECT_EQ(result, QString::fromUtf8(row.expected));
        else
            EXPECT_TRUE(error.reason.contains(QString::fromUtf8(row.expected)) && error.source == path && error.code);
    }
    EXPECT_FALSE(QFile::exists(dir.filePath(u"written.xml"_s)));
}

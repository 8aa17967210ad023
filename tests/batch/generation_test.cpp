#include "support/testmain.h"

#include "batch/batchfile.h"
#include "batch/generate.h"
#include "platform/schema_support.h"
#include "platform/textfile.h"

#include <QDateTime>
#include <QDir>

using namespace ts;
using namespace ts::batch;

namespace {

class Generation : public test::ProgramFolderTest {
protected:
    // A content file below the test's folder, changed on 7 March 2004.
    QString content(const QString &relative, int bytes = 12345)
    {
        writeFile(relative, QByteArray(bytes, 'x'));
        QFile file(path(relative));
        file.open(QIODevice::ReadWrite);
        file.setFileTime(QDateTime(QDate(2004, 3, 7), QTime(12, 0)), QFileDevice::FileModificationTime);
        return path(relative);
    }
    // Generates sunset.gif's metadata file from the template's text (none when null); the notices shown.
    QStringList generate(const QByteArray &templateText, bool expectWritten = true,
                         const QString &output = QStringLiteral("out/sunset.xml"))
    {
        QFile::remove(templatePath());
        if (!templateText.isNull())
            writeFile(QStringLiteral("common/scorm_template.xml"), templateText);
        QDir().mkpath(path(QStringLiteral("out")));
        Notices notices;
        EXPECT_EQ(generateMetadata(templatePath(), *getFileInfo(content(QStringLiteral("pics/sunset.gif"))),
                                   path(output), notices),
                  expectWritten);
        QStringList shown;
        for (const Notice &n : notices)
            shown << n.text + QStringLiteral(" [") + n.title + QStringLiteral("]");
        return shown;
    }
};

} // namespace

TEST_F(Generation, FactsAndNamesOfAContentFile)
{
    // base name | extension | title | keyword | format | metadata file
    const struct {
        const char *file, *names;
    } rows[] = {
        {"sunset.gif", "sunset|.gif|sunset GIF|sunset.gif|graphic/gif|sunset.xml"},
        {"IMG_0001.JPG", "IMG_0001|.JPG|IMG_0001 JPG|IMG_0001.JPG|text/JPG|IMG_0001.xml"},
        {"clip.mpeg2", "clip|.mpeg2|clip MPEG2|clip.mpeg2|audio/mpeg2|clip.xml"},
        {"notes.txt", "notes|.txt|notes TXT|notes.txt|text/txt|notes.xml"},
        {"a.b.c", "a.b|.c|a.b C|a.b.c|text/c|a.b.xml"},
        {"dir.v2/readme", "readme||readme|readme|text/|readme.xml"},
        {".profile", ".profile||.profile|.profile|text/|.profile.xml"},
    };
    for (const auto &r : rows) {
        const std::optional<FileInfo> info = getFileInfo(content(QString::fromLatin1(r.file), 3));
        ASSERT_TRUE(info);
        EXPECT_EQ(QStringList({info->baseName, info->extension, titleText(*info), keywordText(*info),
                               formatText(*info), outputFileName(*info)})
                      .join(QLatin1Char('|')),
                  QLatin1String(r.names));
        EXPECT_EQ(QStringList({info->date, info->size, info->location}),
                  QStringList({"2004-03-07", "3", path(QString::fromLatin1(r.file))}));
    }
    QString reason;
    EXPECT_FALSE(getFileInfo(path(QStringLiteral("gone.gif")), &reason));
    EXPECT_EQ(reason, QLatin1String("It does not exist."));
}

// Each binding's template gives a metadata file of that binding: pinned byte for byte, and valid against
// the binding's reference schema.
TEST_F(Generation, TemplatesOfBothBindingsGiveGoldenValidFiles)
{
    const struct {
        const char *templateFile, *golden, *schema;
    } rows[] = {
        {"writer12/aggregation_optional_full.xml", "batch/scorm12_sunset.xml", "schemas/scorm12/imsmd_rootv1p2p1.xsd"},
        {"batch/template2004.xml", "batch/scorm2004_sunset.xml", "schemas/scorm2004_4ed/lomStrict.xsd"},
        {"writer2004/aggregation_optional_full.xml", "batch/writer2004_sunset.xml",
         "schemas/scorm2004_4ed/lomStrict.xsd"},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.golden);
        QFile source(test::testData(QString::fromLatin1(r.templateFile)));
        ASSERT_TRUE(source.open(QIODevice::ReadOnly));
        // The main program hands its template over with a line end added.
        EXPECT_EQ(generate(source.readAll() + "\r\n"), QStringList());
        const QByteArray written = readFile(QStringLiteral("out/sunset.xml"));
        QFile golden(test::testData(QString::fromLatin1(r.golden)));
        ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
        EXPECT_EQ(written, golden.readAll().replace("@FOLDER@", m_dir->path().toUtf8()));
        EXPECT_EQ(QDir(path(QStringLiteral("out"))).entryList(QDir::Files), QStringList{"sunset.xml"});
        if (test::sharedDir().isEmpty())
            continue; // the reference schemas are absent
        const auto reference = test::schema::referenceJudge(QString::fromLatin1(r.schema));
        ASSERT_TRUE(reference);
        const auto verdict = test::schema::judge(*reference, path(QStringLiteral("out/sunset.xml")));
        EXPECT_TRUE(verdict.valid) << verdict.error.reason.toStdString();
    }
}

// What each template gives: the metadata file written (null: the older file is kept) or the boxes shown.
TEST_F(Generation, TemplateShapesAndWhatFails)
{
    const QByteArray head = "<lom xmlns=\"http://www.imsglobal.org/xsd/imsmd_rootv1p2p1\">";
    const QByteArray longest = "out/" + QByteArray(251, 'n') + ".xml"; // a file name of 255 bytes
    const struct {
        QByteArray templateText; // null: no hand-over file
        const char *written;
        QStringList shown = {};
        const char *output = "out/sunset.xml";
        const char *failWrite = nullptr; // the write of the metadata file fails so
    } rows[] = {
        // A declared encoding becomes the one written; no layout, none added.
        {"<?xml version='1.0' encoding='ISO-8859-1'?>" + head +
             "<general><title><langstring>\xe9t\xe9</langstring></title></general></lom>",
         "<?xml version='1.0' encoding='UTF-8'?><lom xmlns=\"http://www.imsglobal.org/xsd/imsmd_rootv1p2p1\">"
         "<general><title><langstring>sunset GIF</langstring></title><keyword><langstring xml:lang=\"x-none\">"
         "sunset.gif</langstring></keyword></general></lom>\r\n"},
        // A "<general>" in a comment of the header is not where the header ends.
        {"<?xml version=\"1.0\"?>\n<!-- fill <general> below -->\n" + head + "<general></general></lom>",
         "<?xml version=\"1.0\"?>\r\n<!-- fill <general> below -->\r\n<lom xmlns=\"http://www.imsglobal.org/xsd/imsmd_"
         "rootv1p2p1\"><general><keyword><langstring xml:lang=\"x-none\">sunset.gif</langstring></keyword></general>"
         "</lom>\r\n"},
        // Every general gets a keyword; only the first technical with content gets the format; only a
        // title's first text is filled; names are compared exactly.
        {head + "<general></general><general><title><langstring>a</langstring><langstring>b</langstring></title>"
                "</general><technical/><technical><size>1</size></technical><technical><Size>1</Size><location>"
                "l</location></technical></lom>",
         "<lom xmlns=\"http://www.imsglobal.org/xsd/imsmd_rootv1p2p1\"><general><keyword><langstring xml:lang="
         "\"x-none\">sunset.gif</langstring></keyword></general><general><title><langstring>sunset GIF</langstring>"
         "<langstring>b</langstring></title><keyword><langstring xml:lang=\"x-none\">sunset.gif</langstring>"
         "</keyword></general><technical></technical><technical><format>graphic/gif</format><size>12345</size>"
         "</technical><technical><Size>1</Size><location>@FOLDER@/pics/sunset.gif</location></technical></lom>\r\n"},
        // Life-cycle dates under either binding's names, in a SCORM 2004 template too.
        {"<lom xmlns=\"http://ltsc.ieee.org/xsd/LOM\"><general></general><lifecycle><contribute><date><dateTime>d"
         "</dateTime><datetime>d</datetime></date></contribute></lifecycle></lom>",
         "<lom xmlns=\"http://ltsc.ieee.org/xsd/LOM\"><general><keyword><string language=\"x-none\">sunset.gif</string>"
         "</keyword></general><lifecycle><contribute><date><dateTime>2004-03-07</dateTime><datetime>2004-03-07"
         "</datetime></date></contribute></lifecycle></lom>\r\n"},
        {{}, nullptr, {"Error in removeHeader - 53 File not found []"}},
        {"<lom><technical/></lom>", nullptr,
         {"The template holds no general element, so no metadata file can be made from it. Nothing was written. "
          "[Invalid Metadata File]"}},
        {QByteArray("\0\0\0<\0\0\0l\0\0\0o\0\0\0m\0\0\0>", 20), nullptr,
         {"@FOLDER@/common/scorm_template.xml cannot be read: its bytes are in UTF-32, which this program does not "
          "read. Save it in UTF-8 and try again. [Notice]"}},
        // A general element with attributes, as some LOM profiles write it, or with a prefix, is the record's
        // general element, as the editors take it: filled, with its categories, in the record's namespace;
        // an element of another namespace is carried over as it is.
        {"<lom xmlns=\"http://ltsc.ieee.org/xsd/LOM\"><general uniqueElementName=\"general\"><title><string>t"
         "</string></title></general><technical><size>1</size></technical></lom>",
         "<lom xmlns=\"http://ltsc.ieee.org/xsd/LOM\"><general uniqueElementName=\"general\"><title><string>sunset GIF"
         "</string></title><keyword><string language=\"x-none\">sunset.gif</string></keyword></general><technical>"
         "<format>graphic/gif</format><size>12345</size></technical></lom>\r\n"},
        {"<?xml version=\"1.0\"?>\n<lom:lom xmlns:lom=\"http://ltsc.ieee.org/xsd/LOM\" xmlns:x=\"urn:x\">\n"
         "<lom:general id=\"g\"><lom:title><lom:string>t</lom:string></lom:title><x:title>kept</x:title></lom:general>"
         "<lom:lifeCycle><lom:contribute><lom:date><lom:dateTime>d</lom:dateTime></lom:date></lom:contribute>"
         "</lom:lifeCycle><lom:technical><lom:location>l</lom:location><x:size>kept</x:size></lom:technical></lom:lom>",
         "<?xml version=\"1.0\"?>\r\n<lom:lom xmlns:lom=\"http://ltsc.ieee.org/xsd/LOM\" xmlns:x=\"urn:x\">\r\n"
         "<lom:general id=\"g\"><lom:title><lom:string>sunset GIF</lom:string></lom:title><lom:keyword><lom:string "
         "language=\"x-none\">sunset.gif</lom:string></lom:keyword><x:title>kept</x:title></lom:general>"
         "<lom:lifeCycle><lom:contribute><lom:date><lom:dateTime>2004-03-07</lom:dateTime></lom:date></lom:contribute>"
         "</lom:lifeCycle><lom:technical><lom:format>graphic/gif</lom:format><lom:location>@FOLDER@/pics/sunset.gif"
         "</lom:location><x:size>kept</x:size></lom:technical></lom:lom>\r\n"},
        // The record's own general element is filled, not an extension's before it; a record without one of
        // its own is refused.
        {"<lom xmlns=\"http://www.imsglobal.org/xsd/imsmd_rootv1p2p1\" xmlns:o=\"urn:o\"><o:ext><o:general><o:title>"
         "OTHER</o:title></o:general></o:ext><general><title><langstring>t</langstring></title></general></lom>",
         "<lom xmlns=\"http://www.imsglobal.org/xsd/imsmd_rootv1p2p1\" xmlns:o=\"urn:o\"><o:ext><o:general><o:title>"
         "OTHER</o:title></o:general></o:ext><general><title><langstring>sunset GIF</langstring></title><keyword>"
         "<langstring xml:lang=\"x-none\">sunset.gif</langstring></keyword></general></lom>\r\n"},
        // The keyword takes the form of the record's binding, told by the record as the editors tell it; a record
        // whose namespace is written wrong is filled, and said so.
        {"<lom xmlns=\"http://www.imsglp1\"><general><title><langstring>t</langstring></title></general></lom>",
         "<lom xmlns=\"http://www.imsglp1\"><general><title><langstring>sunset GIF</langstring></title><keyword>"
         "<langstring xml:lang=\"x-none\">sunset.gif</langstring></keyword></general></lom>\r\n",
         {"The metadata record's namespace is not one this program knows; it is read as SCORM 1.2. Namespace of your "
          "imported file: \"http://www.imsglp1\" [Notice]"}},
        {"<lom xmlns=\"http://ltsc.ieee.orsd/LOM\"><general><title><string>t</string></title></general></lom>",
         "<lom xmlns=\"http://ltsc.ieee.orsd/LOM\"><general><title><string>sunset GIF</string></title><keyword>"
         "<string language=\"x-none\">sunset.gif</string></keyword></general></lom>\r\n",
         {"The metadata record's namespace is not one this program knows; it is read as SCORM 2004. Namespace of your "
          "imported file: \"http://ltsc.ieee.orsd/LOM\" [Notice]"}},
        {head + "<o:ext xmlns:o=\"urn:o\"><general xmlns=\"http://ltsc.ieee.org/xsd/LOM\"/></o:ext><general></general>"
                "</lom>",
         "<lom xmlns=\"http://www.imsglobal.org/xsd/imsmd_rootv1p2p1\"><o:ext xmlns:o=\"urn:o\"><general xmlns=\"http://"
         "ltsc.ieee.org/xsd/LOM\"></general></o:ext><general><keyword><langstring xml:lang=\"x-none\">sunset.gif"
         "</langstring></keyword></general></lom>\r\n"},
        {head + "<general xmlns=\"http://ltsc.ieee.org/xsd/LOM\"></general><general></general></lom>",
         "<lom xmlns=\"http://www.imsglobal.org/xsd/imsmd_rootv1p2p1\"><general xmlns=\"http://ltsc.ieee.org/xsd/LOM\">"
         "</general><general><keyword><langstring xml:lang=\"x-none\">sunset.gif</langstring></keyword></general>"
         "</lom>\r\n"},
        {"<metadata><lom xmlns=\"urn:foreign\"><general/></lom><lom xmlns=\"http://ltsc.ieee.org/xsd/LOM\"><general>"
         "</general></lom></metadata>",
         "<metadata><lom xmlns=\"urn:foreign\"><general></general></lom><lom xmlns=\"http://ltsc.ieee.org/xsd/LOM\">"
         "<general><keyword><string language=\"x-none\">sunset.gif</string></keyword></general></lom></metadata>\r\n"},
        {head + "<educational><general></general></educational></lom>", nullptr,
         {"The template's metadata record holds no general element of its own, so no metadata file can be made from "
          "it. Nothing was written. [Invalid Metadata File]"}},
        {"<lom><general></lom>", nullptr,
         {"Could not validate selected XML file. Please correct the issue and try again.\rError Number: 76 "
          "[Invalid XML]"}},
        // A damaged header would make a file that is no XML: it is refused as a damaged body is.
        {"<?Xml version='1.0'?>" + head + "<general></general></lom>", nullptr,
         {"Could not validate selected XML file. Please correct the issue and try again.\rError Number: 64 "
          "[Invalid XML]"}},
        // A template above the editors' limit is refused before it is read, however well formed.
        {head + "<general></general></lom>" + QByteArray(10 * 1024 * 1024, ' '), nullptr,
         {"@FOLDER@/common/scorm_template.xml is too large to open (10.0 MB). Files of up to 10 MB are opened. "
          "[Problem Loading File]"}},
        {"<lom><general><title/></general></lom>", nullptr,
         {"91::The template's title holds no element or text to fill []"}},
        {"<lom><general></general></lom>", nullptr, {"76::Path not found: @FOLDER@/missing []"}, "missing/sunset.xml"},
        {"<lom><general></general></lom>", nullptr,
         {"75::Path/File access error: @FOLDER@/out/sunset.xml could not be written. No space left on device []"},
         "out/sunset.xml", "No space left on device"},
        {"<lom><general></general></lom>",
         "<lom><general><keyword><langstring xml:lang=\"x-none\">sunset.gif</langstring></keyword></general></lom>\r\n",
         {}, longest.constData()},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.shown.join(QLatin1Char('|')).toStdString());
        writeFile(QStringLiteral("out/sunset.xml"), "older");
        if (r.failWrite)
            failNextWrite(QStringLiteral("/sunset.xml"), 2, QString::fromLatin1(r.failWrite));
        QStringList expected = r.shown;
        expected.replaceInStrings(QStringLiteral("@FOLDER@"), m_dir->path());
        EXPECT_EQ(generate(r.templateText, r.written, QString::fromLatin1(r.output)), expected);
        clearWriteFault();
        const QByteArray written = r.written ? r.written : "older";
        EXPECT_EQ(readFile(QLatin1String(r.written ? r.output : "out/sunset.xml")).toStdString(),
                  QByteArray(written).replace("@FOLDER@", m_dir->path().toUtf8()).toStdString());
    }
}

// Which listed files get a metadata file, and where; "@" stands for the test's folder.
TEST_F(Generation, NoMetadataFileIsWrittenOverAnotherOrOverAListedFile)
{
    const struct {
        QStringList listed;
        const char *target;
        QStringList planned; // the output, or the refusal
    } rows[] = {
        {{"a.gif", "b.jpg"}, "t", {"@/t/a.xml", "@/t/b.xml"}},
        // A file listed twice is one file: written twice, as listed.
        {{"a.gif", "a.gif"}, "t", {"@/t/a.xml", "@/t/a.xml"}},
        {{"x/a.gif", "y/a.jpg", "c.png"},
         "t",
         {"@/x/a.gif: its metadata file @/t/a.xml would also be written for @/y/a.jpg.",
          "@/y/a.jpg: its metadata file @/t/a.xml would also be written for @/x/a.gif.", "@/t/c.xml"}},
        {{"t/a.xml", "t/b.txt"}, "t", {"@/t/a.xml: its metadata file would replace @/t/a.xml, which is listed.",
                                      "@/t/b.xml"}},
        {{"t/b.txt", "t/b.xml"}, "@/t/../t", {"@/t/b.txt: its metadata file would replace @/t/b.xml, which is listed.",
                                             "@/t/b.xml: its metadata file would replace @/t/b.xml, which is listed."}},
        {{"common/scorm_template.gif"}, "common",
         {"@/common/scorm_template.gif: its metadata file would replace the template @/common/scorm_template.xml."}},
        // The template is reached by a relative path, through "./" or "..", or through a link to it or its folder.
        {{"x/scorm_template.gif"}, "./t/../common",
         {"@/x/scorm_template.gif: its metadata file would replace the template @/common/scorm_template.xml."}},
        {{"x/scorm_template.gif"}, "@/./common",
         {"@/x/scorm_template.gif: its metadata file would replace the template @/common/scorm_template.xml."}},
        {{"x/scorm_template.gif"}, "linked",
         {"@/x/scorm_template.gif: its metadata file would replace the template @/common/scorm_template.xml."}},
        {{"x/scorm_template.gif"}, "links",
         {"@/x/scorm_template.gif: its metadata file would replace the template @/common/scorm_template.xml."}},
        {{"notes..v2.txt", "a\\b.gif"},
         "t",
         {"@/notes..v2.txt: its metadata file cannot be named \"notes..v2.xml\". The name may not contain \"..\".",
          "@/a\\b.gif: its metadata file cannot be named \"a\\b.xml\". The name may not contain \"/\" or \"\\\"."}},
    };
    const QString root = m_dir->path();
    writeFile(QStringLiteral("common/scorm_template.xml"), "<lom/>");
    writeFile(QStringLiteral("links/placeholder"), "");
    QFile::link(path(QStringLiteral("common")), path(QStringLiteral("linked")));
    QFile::link(path(QStringLiteral("common/scorm_template.xml")), path(QStringLiteral("links/scorm_template.xml")));
    // Targets without "@" are relative to the current folder.
    const QString before = QDir::currentPath();
    QDir::setCurrent(root);
    for (const auto &r : rows) {
        QStringList sources;
        for (const QString &file : r.listed)
            sources << root + QLatin1Char('/') + file;
        const QString target = QString::fromLatin1(r.target).replace(QLatin1Char('@'), root);
        QStringList planned;
        for (const PlannedFile &p : planOutputs(sources, target, root + QStringLiteral("/common/scorm_template.xml")))
            planned << QString(p.refusal.isEmpty() ? p.output : p.refusal).replace(root, QStringLiteral("@"));
        EXPECT_EQ(planned, r.planned) << r.listed.join(QLatin1Char(' ')).toStdString();
    }
    QDir::setCurrent(before);
}

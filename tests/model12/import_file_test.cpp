#include "support/testmain.h"

#include "fixtures12.h"
#include "reader_support.h"

#include "model12/import12.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>

using namespace ts;
using ts::test::changedFields;
using ts::test::readBytes;
using ts::test::info;
using ts::test::readerData;

namespace {

constexpr const char *kIms = "http://www.imsglobal.org/xsd/imsmd_rootv1p2p1";

class ImportFile : public ts::test::ProgramFolderTest {
protected:
    // A copy of a fixture in the test's own folder, so that the test may change its permissions.
    QString copyOf(const QString &fixture)
    {
        const QString target = path(QStringLiteral("work/") + fixture);
        QDir().mkpath(path(QStringLiteral("work")));
        EXPECT_TRUE(QFile::copy(readerData(fixture), target));
        return target;
    }
    QString fileWith(const QByteArray &bytes)
    {
        writeFile(QStringLiteral("work/record.xml"), bytes);
        return path(QStringLiteral("work/record.xml"));
    }
};

TEST_F(ImportFile, StoresEveryClassificationAsANumberedFragmentAndNeverWritesTheFile)
{
    writeFile(QStringLiteral("temp12/4.xml"), "left by an earlier import\r\n");
    const QString file = copyOf(QStringLiteral("classification.xml"));
    const QByteArray before = readBytes(file);

    for (int run = 1; run <= 2; ++run) {
        SCOPED_TRACE(run);
        const ImportResult result = importMetadataFile(file, clearedRecord12());
        EXPECT_TRUE(result.ok);
        EXPECT_EQ(result.record.lstClassification, QStringList({"1", "2", "3"}));
        EXPECT_EQ(result.header, QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
                                                "<!-- written for the import tests -->\r\n"
                                                "<lom xmlns=\"%1\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                                                "xmlns:ext=\"urn:example:ext\" xsi:schemaLocation=\"%1 "
                                                "imsmd_rootv1p2p1.xsd\">\r\n   ")
                                     .arg(QLatin1String(kIms)));
        // Each element as it stands, in UTF-8 with carriage return and line feed; the second one declares
        // the prefix it uses, the third was nested in an extension element.
        for (int n = 1; n <= 3; ++n)
            EXPECT_EQ(readFile(QStringLiteral("temp12/%1.xml").arg(n)),
                      readBytes(readerData(QStringLiteral("classification-fragment-%1.xml").arg(n))))
                << "fragment " << n;
        EXPECT_EQ(readFile(QStringLiteral("temp12/4.xml")), QByteArray("left by an earlier import\r\n"));
        EXPECT_EQ(readBytes(file), before);
    }
}

TEST_F(ImportFile, ReadOnlyFileOpensNormallyAndKeepsItsPermissions)
{
    const QString file = copyOf(QStringLiteral("general.xml"));
    const QByteArray before = readBytes(file);
    const auto readOnly = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    ASSERT_TRUE(QFile::setPermissions(file, readOnly));

    const ImportResult result = importMetadataFile(file, clearedRecord12());

    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.record.titleText, QStringLiteral("Fractions & Decimals <Part 1>"));
    EXPECT_EQ(readBytes(file), before);
    // The bits of the file itself; the "user" bits say what the running user may do, and tests run as root.
    const auto userBits = QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser;
    EXPECT_EQ(QFile::permissions(file) & ~userBits, readOnly);
}

TEST_F(ImportFile, FileWithoutAGeneralElementIsRefusedUntouched)
{
    const char *const texts[] = {
        "<lom><lifecycle><version><langstring>1</langstring></version></lifecycle></lom>",
        "<lom><GENERAL><title><langstring>T</langstring></title></GENERAL></lom>",
        "",
    };
    Record12 start = clearedRecord12();
    start.titleText = QStringLiteral("kept");
    start.lstClassification = {QStringLiteral("7")};
    for (const char *text : texts) {
        SCOPED_TRACE(text);
        const QString file = fileWith(text);
        const ImportResult result = importMetadataFile(file, start);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.notices, Notices({{"Problem encountered while opening XML file. This may affect your XML file",
                                            "Invalid Metadata File", Icon::Exclamation}}));
        EXPECT_EQ(result.record, start);
        EXPECT_EQ(readBytes(file), QByteArray(text));
    }
}

TEST_F(ImportFile, MissingFileIsReported)
{
    const ImportResult result = importMetadataFile(path(QStringLiteral("work/absent.xml")), clearedRecord12());
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.notices, Notices({{"Error in removeHeader - 53 File not found", "", Icon::None}}));
}

TEST_F(ImportFile, MalformedFileFailsAndItsParseErrorNamesLineAndPosition)
{
    const QString file = fileWith("<?xml version=\"1.0\"?>\r\n<lom>\r\n   <general>\r\n      <title>\r\n"
                                  "   </general>\r\n</lom>\r\n");
    const ImportResult result = importMetadataFile(file, clearedRecord12());

    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.notices.isEmpty()); // the caller reports it from its parse check of the file
    EXPECT_EQ(xmlFileParseNotice(result.parseError),
              info("Unsupported XML on line 5, position 14\r\n\r\n   </general>\r\n\r\n"
                   "Opening and ending tag mismatch: title line 4 and general"));
}

TEST_F(ImportFile, MissingFragmentFolderStopsAtTheFirstClassification)
{
    ASSERT_TRUE(QDir(path(QStringLiteral("temp12"))).removeRecursively());
    Record12 start = clearedRecord12();
    start.lstClassification = {QStringLiteral("7")};

    const ImportResult result = importMetadataFile(readerData(QStringLiteral("classification.xml")), start);

    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.record.titleText, QString::fromUtf8("Caf\u00e9 & Co"));
    EXPECT_TRUE(result.record.lstClassification.isEmpty());
    // The folder is named, not the record blamed.
    const QString temp12 = path(QStringLiteral("temp12"));
    EXPECT_EQ(result.notices,
              Notices({info("Unsupported element found in your imported file <lom>: ext:wrapper"),
                       {QStringLiteral("The classifications of this record could not be stored: the program folder's "
                                       "temp12 folder (%1) could not be written.\r%1/1.xml: No such file or directory")
                            .arg(temp12),
                        "File Error", Icon::Exclamation}}));
}

TEST_F(ImportFile, ReadsTheDocumentWhateverTheHeaderLeavesOpen)
{
    const QString body = QStringLiteral("<general><title><langstring>T</langstring></title></general>");
    const QString ims = QLatin1String(kIms);
    const struct {
        QString text;
        QStringList fields = {QStringLiteral("titleText=T")};
    } cases[] = {
        // a prefixed root whose end tag keeps its prefix
        {QStringLiteral("<md:lom xmlns:md=\"%1\" xmlns=\"%1\">%2</md:lom>").arg(ims, body)},
        // every element prefixed
        {QStringLiteral("<imsmd:lom xmlns:imsmd=\"%1\"><imsmd:general><imsmd:title><imsmd:langstring>T"
                        "</imsmd:langstring></imsmd:title></imsmd:general></imsmd:lom>")
             .arg(ims)},
        // a prefix used on the root but declared nowhere
        {QStringLiteral("<lom xsi:schemaLocation=\"x y\">%1</lom>").arg(body)},
        // a document type without entities
        {QStringLiteral("<!DOCTYPE lom SYSTEM \"imsmd_rootv1p2p1.dtd\">\n<lom>%1</lom>").arg(body)},
        // no root at all before <general>
        {QStringLiteral("<?xml version=\"1.0\"?>\n<!-- <lom> -->\n%1").arg(body)},
        // the record inside other elements
        {QStringLiteral("<manifest xmlns=\"urn:cp\"><metadata><schema>x</schema><lom xmlns=\"%1\">%2</lom>"
                        "</metadata></manifest>")
             .arg(ims, body)},
        // a "<general>" inside a comment of the header
        {QStringLiteral("<?xml version=\"1.0\"?>\n<!-- starts at <general> -->\n<lom>%1</lom>").arg(body)},
        // a category before <general>, which the text without its header would not hold
        {QStringLiteral("<lom><lifecycle><version><langstring>2.0</langstring></version></lifecycle>%1</lom>").arg(body),
         {"titleText=T", "versionText=2.0"}},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.text.toStdString());
        const ImportResult result = importMetadataFile(fileWith(row.text.toUtf8()), clearedRecord12());
        EXPECT_TRUE(result.ok);
        EXPECT_EQ(changedFields(result.record), row.fields);
        EXPECT_TRUE(result.notices.isEmpty());
    }
}

TEST_F(ImportFile, FileThatBeginsWithGeneralHasNoDocumentToRead)
{
    const ImportResult result = importMetadataFile(
        fileWith("<general><title><langstring>T</langstring></title></general>\r\n<lifecycle/>\r\n"),
        clearedRecord12());
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.header.isEmpty());
    EXPECT_TRUE(result.notices.isEmpty());
    EXPECT_EQ(result.record, clearedRecord12());
    EXPECT_EQ(result.parseError.line, 2);
}

TEST_F(ImportFile, ExtensionElementsAreReportedAndTheRestIsRead)
{
    const QString text = QStringLiteral(
        "<lom xmlns=\"%1\" xmlns:ext=\"urn:example:ext\">\n"
        "<general><title><langstring>T</langstring></title><ext:rating>5</ext:rating>"
        "<title xmlns=\"urn:other\">X</title><ext:keyword>k</ext:keyword></general>\n"
        "<ext:stamp/>\n<!-- a note -->\n"
        "<lifecycle><version><langstring>1</langstring></version></lifecycle>\n"
        "<lifecycle><version><langstring>2</langstring></version></lifecycle>\n"
        "</lom>\n")
                             .arg(QLatin1String(kIms));
    const ImportResult result = importMetadataFile(fileWith(text.toUtf8()), clearedRecord12());

    EXPECT_TRUE(result.ok);
    EXPECT_EQ(changedFields(result.record), QStringList({"titleText=T", "versionText=1"}));
    EXPECT_EQ(result.notices, Notices({info("Unsupported element found in your imported file <general>: ext:rating"),
                                       info("Unsupported element found in your imported file <general>: title"),
                                       info("Unsupported element found in your imported file <general>: ext:keyword"),
                                       info("Unsupported element found in your imported file <lom>: ext:stamp"),
                                       info("Each of these fields holds one value. Repeated elements left out of "
                                            "your imported file: <lifecycle>: \"2\"")}));
}

TEST_F(ImportFile, ValueThatCannotBeReadLosesOnlyItsField)
{
    const QByteArray text = "<lom>\n"
                            "<general><title><langstring>T</langstring></title></general>\n"
                            "<technical><duration><datetime>2024-01-01</datetime><description>"
                            "<langstring>2:05</langstring></description></duration><size>10</size></technical>\n"
                            "<educational><typicallearningtime><datetime>soon</datetime></typicallearningtime>"
                            "<difficulty><source>LOMv1.0</source></difficulty>"
                            "<context><source>LOMv1.0</source><value>School</value></context></educational>\n"
                            "<rights><description><langstring>R</langstring></description></rights>\n"
                            "</lom>\n";
    const ImportResult result = importMetadataFile(fileWith(text), clearedRecord12());

    EXPECT_TRUE(result.ok);
    EXPECT_EQ(changedFields(result.record),
              QStringList({"titleText=T", "txtSize=10", "cboHourDuration=2", "cboMinDuration=05", "txtDuration=2:05:",
                           "cboContext=School", "usageConditionsText=R"}));
    EXPECT_EQ(result.notices,
              Notices({info("Unsupported value found in your imported file <educational>: typicallearningtime \"soon\"\r\r"
                            "The export writes its own dates and date descriptions. Dates of your imported file that "
                            "are not kept: <technical> duration/datetime: 2024-01-01")}));
}

TEST_F(ImportFile, TextIsDecodedAsTheFileDeclaresIt)
{
    const QString description = QString(40000, QLatin1Char('d'));
    const QString text = QStringLiteral("<lom><general><title><langstring>Caf\u00e9 \u20ac</langstring></title>"
                                        "<description><langstring>%1</langstring></description></general></lom>")
                             .arg(description);
    QStringEncoder utf16(QStringConverter::Utf16LE);
    const QByteArray encodings[] = {
        "\xEF\xBB\xBF" + text.toUtf8(),
        "\xFF\xFE" + QByteArray(utf16(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n") + text)),
        "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\n" + text.toUtf8().replace("\xC3\xA9", "\xE9").replace(
                                                                    "\xE2\x82\xAC", "\x80"),
    };
    for (const QByteArray &bytes : encodings) {
        const ImportResult result = importMetadataFile(fileWith(bytes), clearedRecord12());
        EXPECT_TRUE(result.ok);
        EXPECT_EQ(result.record.titleText, QString::fromUtf8("Caf\u00e9 \u20ac"));
        EXPECT_EQ(result.record.courseDescription, description);
    }
}

} // namespace

#include "support/testmain.h"

#include "platform/textfile.h"

#include <QFile>
#include <QTemporaryDir>

using namespace ts;

TEST(TextFile, DecodesByMarkDeclarationOrUtf8)
{
    EXPECT_EQ(decodeText(QByteArray("\xEF\xBB\xBF" "caf\xC3\xA9")), QStringLiteral("caf\u00e9"));
    EXPECT_EQ(decodeText(QByteArray("\xFF\xFE" "a\0b\0", 6)), QStringLiteral("ab"));
    EXPECT_EQ(decodeText(QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a>\xE9</a>")),
              QStringLiteral("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a>\u00e9</a>"));
    EXPECT_EQ(decodeText(QByteArray("caf\xC3\xA9")), QStringLiteral("caf\u00e9"));
    // Not UTF-8: read as Windows-1252.
    EXPECT_EQ(decodeText(QByteArray("\x93q\x94 caf\xE9")), QStringLiteral("\u201cq\u201d caf\u00e9"));
}

TEST(TextFile, WriteReplacesWholeFileInUtf8)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.txt"));
    ASSERT_TRUE(writeTextFile(path, QStringLiteral("first and longer\r\n")));
    ASSERT_TRUE(writeTextFile(path, QStringLiteral("\u00e9\r\n")));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("\xC3\xA9\r\n"));
}

TEST(TextFile, FailedWriteIsReportedAndKeepsNothing)
{
    QString error;
    EXPECT_FALSE(writeTextFile(QStringLiteral("/nonexistent-folder/a.txt"), QStringLiteral("x"), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(TextFile, LineEndsBecomeCrLf)
{
    EXPECT_EQ(withCrLf(QStringLiteral("a\nb\r\nc\rd")), QStringLiteral("a\r\nb\r\nc\r\nd"));
    EXPECT_EQ(withCrLf(QString()), QString());
}

TEST(TextFile, DeclaredEncodingIsReadWithBadBytesReplacedAndTheirFirstLineNamed)
{
    const struct {
        QByteArray bytes;
        const char16_t *text;
        const char *encoding;
        int firstBadLine;
    } rows[] = {
        // Lines ending in carriage returns alone; a sequence cut short at the end is a bad byte too.
        {"<?xml version='1.0' encoding='utf-8'?>\rM\xFCller\r\xC3", u"<?xml version='1.0' encoding='utf-8'?>\rM\uFFFDller\r\uFFFD",
         "utf-8", 2},
        // A replacement character the file holds as written is no bad byte.
        {"\xEF\xBB\xBF\xEF\xBF\xBD\n\xFF", u"\uFFFD\n\uFFFD", "UTF-8", 2},
        {"<?xml version=\"1.0\" encoding=\"ISO-8859-15\"?>\xA4", u"<?xml version=\"1.0\" encoding=\"ISO-8859-15\"?>\u20ac",
         "ISO-8859-15", 0},
    };
    for (const auto &r : rows) {
        const DecodedText decoded = decodeTextFile(r.bytes);
        EXPECT_EQ(decoded.text, QString::fromUtf16(r.text)) << r.bytes.toStdString();
        EXPECT_EQ(decoded.encoding, QLatin1String(r.encoding));
        EXPECT_EQ(decoded.firstBadLine, r.firstBadLine);
    }
}

#include "support/testmain.h"

#include "platform/textfile.h"

#include <QDir>
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
        // One byte that is not UTF-8 spoils nothing else.
        {"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<a>Caf\xC3\xA9\nM\xFCller</a>",
         u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<a>Caf\u00e9\nM\uFFFDller</a>", "UTF-8", 3},
        // Lines end in carriage returns alone; a sequence cut short at the end is a bad byte too.
        {"<?xml version='1.0' encoding='utf-8'?>\r\xC3\xA9\r\xC3", u"<?xml version='1.0' encoding='utf-8'?>\r\u00e9\r\uFFFD",
         "utf-8", 3},
        // A replacement character the file holds as written is no bad byte.
        {"\xEF\xBB\xBF\xEF\xBF\xBD\n\xFF", u"\uFFFD\n\uFFFD", "UTF-8", 2},
        {"\xEF\xBB\xBF" "caf\xC3\xA9", u"caf\u00e9", "UTF-8", 0},
        {"<?xml version=\"1.0\" encoding=\"ISO-8859-15\"?><a>\xA4</a>",
         u"<?xml version=\"1.0\" encoding=\"ISO-8859-15\"?><a>\u20ac</a>", "ISO-8859-15", 0},
        {"<?xml version=\"1.0\" encoding=\"windows-1252\"?><a>\x80</a>",
         u"<?xml version=\"1.0\" encoding=\"windows-1252\"?><a>\u20ac</a>", "windows-1252", 0},
        // Declared UTF-16, but the declaration reads as ASCII: the bytes are UTF-8.
        {"<?xml version=\"1.0\" encoding=\"UTF-16\"?><a>\xC3\xA9</a>",
         u"<?xml version=\"1.0\" encoding=\"UTF-16\"?><a>\u00e9</a>", "UTF-16", 0},
        // Nothing declared and not UTF-8: Windows-1252, without a word.
        {"<a>\x93q\x94 caf\xE9</a>", u"<a>\u201cq\u201d caf\u00e9</a>", "", 0},
        {"<?xml version=\"1.0\" encoding=\"x-unknown\"?><a>\xE9</a>",
         u"<?xml version=\"1.0\" encoding=\"x-unknown\"?><a>\u00e9</a>", "", 0},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.bytes.toStdString());
        const DecodedText decoded = decodeTextFile(r.bytes);
        EXPECT_EQ(decoded.text, QString::fromUtf16(r.text));
        EXPECT_EQ(decoded.encoding, QLatin1String(r.encoding));
        EXPECT_EQ(decoded.firstBadLine, r.firstBadLine);
    }
}

TEST(TextFile, WriteThatFailsPartwayLeavesTheOldFileAndSaysWhy)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kept.txt"));
    const struct {
        WriteKind kind;
        qint64 afterBytes; // -1: at the commit
    } rows[] = {{WriteKind::Durable, 3}, {WriteKind::Durable, -1}, {WriteKind::Scratch, 3}, {WriteKind::Scratch, -1}};
    for (const auto &r : rows) {
        SCOPED_TRACE(r.afterBytes);
        ASSERT_TRUE(writeTextFile(path, QStringLiteral("old\r\n"), nullptr, r.kind));
        failNextWrite(QStringLiteral("/kept.txt"), r.afterBytes);
        QString error;
        EXPECT_FALSE(writeTextFile(path, QStringLiteral("a much longer new text\r\n"), &error, r.kind));
        EXPECT_EQ(error, QStringLiteral("No space left on device"));
        QString text;
        ASSERT_TRUE(readTextFile(path, text));
        EXPECT_EQ(text, QStringLiteral("old\r\n"));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({QStringLiteral("kept.txt")}));
        // The fault was for that one write.
        EXPECT_TRUE(writeTextFile(path, QStringLiteral("new\r\n"), nullptr, r.kind));
        ASSERT_TRUE(readTextFile(path, text));
        EXPECT_EQ(text, QStringLiteral("new\r\n"));
    }
}

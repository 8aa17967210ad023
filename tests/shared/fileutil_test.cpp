#include "support/testmain.h"

#include "shared/fileutil.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace ts;

TEST(GetExtension, Table)
{
    const struct {
        const char *in;
        const char *out;
    } rows[] = {
        {"course.xml", ".xml"},       {"COURSE.XML", ".XML"},       {"archive.tar.gz", ".gz"},
        {"README", ""},               {"name.", "."},               {"", ""},
        {"/a/b.d/file", ""},          {"C:\\x.y\\z", ""},           {".hidden", ".hidden"},
        {"/a/b.d/c.XML", ".XML"},
    };
    for (const auto &r : rows)
        EXPECT_EQ(getExtension(QString::fromLatin1(r.in)), QString::fromLatin1(r.out)) << r.in;
}

TEST(GetFileName, Table)
{
    EXPECT_EQ(getFileName(QStringLiteral("/a/b/c.xml")), QStringLiteral("c.xml"));
    EXPECT_EQ(getFileName(QStringLiteral("C:\\a\\b.tsm")), QStringLiteral("b.tsm"));
    EXPECT_EQ(getFileName(QStringLiteral("plain")), QStringLiteral("plain"));
    EXPECT_EQ(getFileName(QStringLiteral("/a/b/")), QString());
}

TEST(FileExists, FilesButNotFolders)
{
    QTemporaryDir dir;
    EXPECT_FALSE(fileExists(dir.path()));
    EXPECT_FALSE(fileExists(dir.filePath(QStringLiteral("none"))));
    EXPECT_FALSE(fileExists(QString()));
    ASSERT_TRUE(createBlankFile(dir.filePath(QStringLiteral("blank.txt"))));
    EXPECT_TRUE(fileExists(dir.filePath(QStringLiteral("blank.txt"))));
}

TEST(CreateBlankFile, OneLineEndAndFailure)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.tsm"));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("previous content");
    old.close();
    ASSERT_TRUE(createBlankFile(path));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("\r\n"));
    EXPECT_FALSE(createBlankFile(dir.filePath(QStringLiteral("missing/t.tsm"))));
}

TEST(ConvertToBytes, Table)
{
    EXPECT_EQ(convertToBytes(1.5, QStringLiteral("kb")), 1536.0);
    EXPECT_EQ(convertToBytes(2, QStringLiteral("mb")), 2097152.0);
    EXPECT_EQ(convertToBytes(3, QStringLiteral("gb")), 3221225472.0);
    EXPECT_EQ(convertToBytes(0, QStringLiteral("kb")), 0.0);
    EXPECT_FALSE(convertToBytes(1, QStringLiteral("KB")).has_value());
    EXPECT_FALSE(convertToBytes(1, QStringLiteral("Kb")).has_value());
    EXPECT_FALSE(convertToBytes(1, QStringLiteral("tb")).has_value());
    EXPECT_FALSE(convertToBytes(1, QString()).has_value());
}

TEST(SafeFileName, Table)
{
    for (const char *ok : {"math", "Taxon 1", "a.b", "caf\xc3\xa9"})
        EXPECT_TRUE(isSafeFileName(QString::fromUtf8(ok))) << ok;
    for (const char *bad : {"", "   ", "a/b", "a\\b", "..", "../x", "a\tb", "x\ny"}) {
        QString reason;
        EXPECT_FALSE(isSafeFileName(QString::fromUtf8(bad), &reason)) << bad;
        EXPECT_FALSE(reason.isEmpty());
    }
}

TEST(FilePathShown, OnlyAPathThatCanBeAFileIsShownAndALongOneIsShortenedInItsMiddle)
{
    const QString longest = u'/' + QString(255, u'a') + u'/' + QString(255, u'b');
    for (const QString &ok : {QStringLiteral("C:\\p\\caf\u00e9 \U0001F600.xml"), QStringLiteral("relative.xml"), longest})
        EXPECT_TRUE(canBeFilePath(ok)) << ok.toStdString();
    for (const QString &bad : {QStringLiteral("  "), QStringLiteral("/p/a\u0085.xml"), QStringLiteral("/p/a\u2028b.xml"),
                               QStringLiteral("/p/\u200Fx.xml"), QStringLiteral("/p/\u2067x.xml"),
                               QStringLiteral("/p/\u061Cx.xml"), QString(u'/') + QChar(0xD800), u'/' + QString(256, u'a'),
                               QString(4097, u'a').replace(100, 1, u'/')})
        EXPECT_FALSE(canBeFilePath(bad)) << bad.toStdString();
    // Never cut inside a character: a pair at either cut is kept whole or left out whole.
    const QString emoji = QStringLiteral("\U0001F600");
    EXPECT_EQ(shortenedFileName(QString(120, u'x')), QString(120, u'x'));
    EXPECT_EQ(shortenedFileName(QString(39, u'h') + emoji + QString(100, u'm') + emoji + QString(77, u't')),
              QString(39, u'h') + u'\u2026' + emoji + QString(77, u't'));
}

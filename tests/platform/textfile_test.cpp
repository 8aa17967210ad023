#include "support/testmain.h"

#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <sys/stat.h>

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

namespace {

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
}

mode_t modeOf(const QString &path)
{
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 07777 : 0;
}

} // namespace

// The steps of a checked write over an older file, as it takes them on the disk, and what it leaves: a file
// system that takes each write call in short pieces, a foreign file or link standing at the temporary name
// (never truncated nor followed: another name is taken, or the write fails), a rename that itself fails.
TEST(TextFile, CheckedWriteTakesItsStepsInOrderAndChangesNoForeignFile)
{
    enum Foreign { NoForeign, FileOnce, LinkOnce, Always };
    const QString allOpen = QStringList(100, QStringLiteral("open")).join(u'|');
    const struct {
        WriteKind kind;
        qint64 maxPiece;
        Foreign foreign;
        bool renameFails; // the temporary file is gone when the rename is called
        const char *reason; // null: written
        QString steps;
    } rows[] = {
        {WriteKind::Durable, 0, NoForeign, false, nullptr, QStringLiteral("open|write 20|sync|size|close|rename")},
        {WriteKind::Scratch, 0, NoForeign, false, nullptr, QStringLiteral("open|write 20|size|close|rename")},
        {WriteKind::Durable, 7, NoForeign, false, nullptr,
         QStringLiteral("open|write 7|write 7|write 6|sync|size|close|rename")},
        {WriteKind::Durable, 0, FileOnce, false, nullptr, QStringLiteral("open|open|write 20|sync|size|close|rename")},
        {WriteKind::Durable, 0, LinkOnce, false, nullptr, QStringLiteral("open|open|write 20|sync|size|close|rename")},
        {WriteKind::Durable, 0, Always, false, "File exists", allOpen},
        {WriteKind::Durable, 0, NoForeign, true, "No such file or directory",
         QStringLiteral("open|write 20|sync|size|close|rename")},
    };
    const QByteArray bytes = "twenty bytes, whole.";
    for (const auto &r : rows) {
        SCOPED_TRACE(r.steps.toStdString());
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("a.xml")), victim = dir.filePath(QStringLiteral("victim"));
        QFile old(target), other(victim);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old") == 3 && other.open(QIODevice::WriteOnly) &&
                    other.write("victim") == 6);
        old.close();
        other.close();
        QStringList steps, foreign;
        setWriteProbe({[&](const char *step, const QByteArray &detail) {
                           steps << QString::fromLatin1(step) +
                                        (step == QByteArrayView("write") ? u' ' + QString::fromLatin1(detail) : QString());
                           const QString at = QFile::decodeName(detail);
                           if (step == QByteArrayView("open") && (r.foreign == Always || foreign.isEmpty()) &&
                               r.foreign != NoForeign) {
                               foreign << at;
                               QFile planted(at);
                               if (r.foreign == LinkOnce)
                                   QFile::link(victim, at);
                               else if (planted.open(QIODevice::WriteOnly))
                                   planted.write("foreign");
                           }
                           if (step == QByteArrayView("rename") && r.renameFails)
                               QFile::remove(at);
                       },
                       r.maxPiece});
        QString error;
        const bool written = writeFileBytes(target, bytes, &error, r.kind);
        setWriteProbe({});
        EXPECT_EQ(written, !r.reason);
        EXPECT_EQ(error, QLatin1String(r.reason));
        EXPECT_EQ(steps.join(u'|'), r.steps);
        EXPECT_EQ(contents(target), r.reason ? QByteArray("old") : bytes);
        EXPECT_EQ(contents(victim), "victim");
        for (const QString &f : foreign)
            EXPECT_EQ(r.foreign == LinkOnce ? QFileInfo(f).symLinkTarget() : QString::fromLatin1(contents(f)),
                      r.foreign == LinkOnce ? victim : QStringLiteral("foreign"));
        // Nothing but the foreign files is left beside the target.
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 2 + foreign.size());
    }
}

// The mode of a file the checked write replaces stays; a new file gets 0666 less the file mask.
TEST(TextFile, AReplacedFileKeepsItsModeAndANewOneFollowsTheFileMask)
{
    const struct {
        int existing; // -1: no file yet
        mode_t mask, expected;
    } rows[] = {
        {0640, 022, 0640}, {0600, 022, 0600}, {0755, 077, 0755}, {-1, 022, 0644}, {-1, 077, 0600}, {-1, 0, 0666},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(testing::Message() << std::oct << r.existing << " " << r.mask);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.xml"));
        if (r.existing >= 0) {
            ASSERT_TRUE(writeTextFile(path, QStringLiteral("old")));
            ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), static_cast<mode_t>(r.existing)), 0);
        }
        const mode_t before = ::umask(r.mask);
        const bool written = writeTextFile(path, QStringLiteral("new"));
        ::umask(before);
        EXPECT_TRUE(written);
        EXPECT_EQ(modeOf(path), r.expected);
    }
}

TEST(TextFile, LineEndsBecomeCrLf)
{
    EXPECT_EQ(withCrLf(QStringLiteral("a\nb\r\nc\rd")), QStringLiteral("a\r\nb\r\nc\r\nd"));
    EXPECT_EQ(withCrLf(QString()), QString());
}

TEST(TextFile, DeclaredEncodingIsReadWithBadBytesReplacedAndTheirFirstLineNamed)
{
    const auto utf16le = [](const char16_t *text) {
        QByteArray out;
        for (; *text; ++text)
            out += QByteArray(1, static_cast<char>(*text & 0xFF)) + static_cast<char>(*text >> 8);
        return out;
    };
    const struct {
        QByteArray bytes;
        const char16_t *text;
        const char *encoding;
        int firstBadLine;
        const char *unreadable = nullptr;
        const char *contradiction = nullptr; // the encoding declared, "|" and the form of the bytes
    } rows[] = {
        // Lines ending in carriage returns alone; a sequence cut short at the end is a bad byte too.
        {"<?xml version='1.0' encoding='utf-8'?>\rM\xFCller\r\xC3", u"<?xml version='1.0' encoding='utf-8'?>\rM\uFFFDller\r\uFFFD",
         "utf-8", 2},
        // A replacement character the file holds as written is no bad byte.
        {"\xEF\xBB\xBF\xEF\xBF\xBD\n\xFF", u"\uFFFD\n\uFFFD", "UTF-8", 2},
        {"<?xml version=\"1.0\" encoding=\"ISO-8859-15\"?>\xA4", u"<?xml version=\"1.0\" encoding=\"ISO-8859-15\"?>\u20ac",
         "ISO-8859-15", 0},
        // Forms told by their first bytes that are not read at all: nothing is decoded, the form is named.
        {QByteArray("\xFF\xFE\0\0<\0\0\0", 8), u"", "", 0, "UTF-32"},
        {QByteArray("\0\0\xFE\xFF\0\0\0<", 8), u"", "", 0, "UTF-32"},
        {QByteArray("<\0\0\0?\0\0\0", 8), u"", "", 0, "UTF-32"},
        {QByteArray("\0\0\0<\0\0\0?", 8), u"", "", 0, "UTF-32"},
        {QByteArray("<\0l\0o\0m\0", 8), u"", "", 0, "UTF-16 without a byte-order mark or XML declaration"},
        {QByteArray("\0<\0l\0o\0m", 8), u"", "", 0, "UTF-16 without a byte-order mark or XML declaration"},
        {"\x4C\x6F\xA7\x94\x93", u"", "", 0, "EBCDIC"},
        // Blanks and line ends before "<" in UTF-32 and before the "<?" of a declaration in UTF-16 without a mark;
        // Windows-1252 that begins like EBCDIC.
        {QByteArray("\0\0\0\r\0\0\0\n\0\0\0<", 12), u"", "", 0, "UTF-32"},
        {QByteArray("\r\0\n\0<\0?\0", 8), u"", "", 0, "UTF-16 without a byte-order mark or XML declaration"},
        {"Lo\xA7 Lom", u"Lo\u00a7 Lom", "", 0},
        // A declaration its bytes contradict is named, and the bytes are read as they show.
        {"<?xml version='1.0' encoding='UCS-4'?>\n\xE9", u"<?xml version='1.0' encoding='UCS-4'?>\n\u00e9", "", 0,
         nullptr, "UCS-4|an encoding based on ASCII"},
        {"\xEF\xBB\xBF<?xml version='1.0' encoding='latin1'?>\xC3\xA9", u"<?xml version='1.0' encoding='latin1'?>\u00e9",
         "UTF-8", 0, nullptr, "latin1|UTF-8"},
        {"\xFF\xFE" + utf16le(u"<?xml encoding='UTF-8'?>"), u"<?xml encoding='UTF-8'?>", "UTF-16", 0, nullptr,
         "UTF-8|UTF-16"},
        {utf16le(u"<?xml encoding='UTF-16LE'?>"), u"<?xml encoding='UTF-16LE'?>", "UTF-16", 0},
    };
    for (const auto &r : rows) {
        const DecodedText decoded = decodeTextFile(r.bytes);
        EXPECT_EQ(decoded.text, QString::fromUtf16(r.text)) << r.bytes.toStdString();
        EXPECT_EQ(decoded.encoding, QLatin1String(r.encoding));
        EXPECT_EQ(decoded.firstBadLine, r.firstBadLine);
        EXPECT_EQ(decoded.unreadable, r.unreadable ? std::optional(QString::fromLatin1(r.unreadable)) : std::nullopt);
        const QStringList contradiction = QString::fromLatin1(r.contradiction).split(u'|');
        EXPECT_EQ(decoded.contradiction, r.contradiction ? std::optional(DecodedText::Contradiction{contradiction.at(0),
                                                                                                    contradiction.at(1)})
                                                         : std::nullopt);
    }
}

// The line end appended to bytes is in their own form: UTF-16 and UCS-4 in their byte order (a mark of UTF-32
// that begins like UTF-16's too), EBCDIC in EBCDIC; none to bytes cut inside a character.
TEST(TextFile, LineEndIsInTheFormOfTheBytes)
{
    const struct {
        QByteArray bytes, lineEnd;
    } rows[] = {
        {"<a/>", "\r\n"},
        {"\xEF\xBB\xBF<a/>", "\r\n"},
        {QByteArray("\xFF\xFE<\0", 4), QByteArray("\r\0\n\0", 4)},
        {QByteArray("\xFE\xFF\0<", 4), QByteArray("\0\r\0\n", 4)},
        {QByteArray("<\0?\0", 4), QByteArray("\r\0\n\0", 4)},
        {QByteArray("\0<\0l", 4), QByteArray("\0\r\0\n", 4)},
        {QByteArray("\xFF\xFE\0\0<\0\0\0", 8), QByteArray("\r\0\0\0\n\0\0\0", 8)},
        {QByteArray("\0\0\xFE\xFF", 4), QByteArray("\0\0\0\r\0\0\0\n", 8)},
        {QByteArray("\0\0<\0", 4), QByteArray("\0\0\r\0\0\0\n\0", 8)},
        {QByteArray("\0<\0\0", 4), QByteArray("\0\r\0\0\0\n\0\0", 8)},
        {"\x4C\x6F\xA7\x94", "\x0D\x25"},
        {QByteArray("\xFF\xFE<\0?", 5), ""},
        {QByteArray("\xFF\xFE\0\0<\0", 6), ""},
    };
    for (const auto &r : rows)
        EXPECT_EQ(lineEndFor(r.bytes).toHex(' '), r.lineEnd.toHex(' ')) << r.bytes.toHex(' ').toStdString();
}

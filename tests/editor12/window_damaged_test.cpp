#include "support/testmain.h"

#include "editorfixture.h"

#include "editor12/record12binding.h"
#include "frame/frmdocument.h"
#include "frame/settings.h"
#include "frame/startup.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <random>
#include <unistd.h>

using namespace ts;
using namespace ts::test;

namespace {

const QByteArray kGood = "<?xml version=\"1.0\"?>\n"
                         "<lom xmlns=\"http://www.imsglobal.org/xsd/imsmd_rootv1p2p1\">\n"
                         "   <general>\n"
                         "      <title><langstring xml:lang=\"x-none\">Kept &amp; well</langstring></title>\n"
                         "      <keyword><langstring xml:lang=\"x-none\">cells</langstring></keyword>\n"
                         "   </general>\n"
                         "   <classification>\n"
                         "      <description><langstring xml:lang=\"x-none\">life</langstring></description>\n"
                         "   </classification>\n"
                         "</lom>\n";

// Bytes that are no text at all, the same in every run.
QByteArray randomBytes()
{
    std::mt19937 random(20261208);
    QByteArray bytes(4096, '\0');
    for (char &b : bytes)
        b = static_cast<char>(random() & 0xFF);
    return bytes;
}

// Reads as another user while it lives: the tests run as root, who may read any file.
class AsOtherUser {
public:
    AsOtherUser() : m_root(geteuid() == 0) { m_root = m_root && seteuid(65534) == 0; }
    ~AsOtherUser()
    {
        if (m_root) {
            EXPECT_EQ(seteuid(0), 0);
        }
    }

private:
    bool m_root;
};

} // namespace

// Opening files that cannot be read as records, and writes that fail, with a good record in the editor.
class Damaged : public FrameTest {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        settings(0, 0);
        chooseBinding(QStringLiteral("12"));
        initXMLParser();
        ASSERT_TRUE(frmMainLoaded());
        writeFile(QStringLiteral("good.xml"), kGood);
        ASSERT_FALSE(frmMain().openSelectedFile(false, path(QStringLiteral("good.xml")), false));
        good = readRecord(frmOptions());
        ASSERT_EQ(good.titleText, QStringLiteral("Kept & well"));
        dialogs.clear();
    }
    QString shown(const QString &relative) const { return QDir::toNativeSeparators(path(relative)); }
    Record12 good;
};

TEST_F(Damaged, FilesThatCannotBeReadLeaveTheRecordAndTheFileAsTheyWere)
{
    QByteArray truncated = kGood.left(kGood.indexOf("</title>"));
    QByteArray badByte = kGood;
    badByte.replace("<?xml version=\"1.0\"?>", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
    badByte.replace("Kept &amp; well", "Caf\xC3\xA9 M\xFCller");
    const QByteArray external = "<?xml version=\"1.0\"?>\n<!DOCTYPE lom [\n  <!ENTITY ext SYSTEM \"file:///etc/passwd\">\n"
                                "]>\n" + kGood.mid(kGood.indexOf("<lom")).replace("Kept &amp; well", "&ext;");
    const QByteArray amplified = "<!DOCTYPE lom [\n<!ENTITY big \"" + QByteArray(100000, 'A') + "\">\n]>\n" +
                                 kGood.mid(kGood.indexOf("<lom")).replace("Kept &amp; well", QByteArray("&big;").repeated(20000));
    const QString parseNotice = QStringLiteral("Unsupported XML on line %1\r\n\r\n%2\r\n\r\n%3\r\n\r\nFile: %4");
    const struct {
        const char *name;
        QByteArray bytes;                     // empty: made by the row's own set-up
        std::function<void(const QString &)> make; // for what plain bytes cannot be
        bool asOtherUser;                     // opened as a user who may not read everything
        QStringList messages;
        bool shownInTextWindow;
        QString titleAfter;                   // the title of the record the editor holds afterwards
    } rows[] = {
        {"random.xml", randomBytes(), {}, false,
         {QStringLiteral("Problem encountered while opening XML file. This may affect your XML file")}, false,
         QStringLiteral("Kept & well")},
        {"truncated.xml", truncated, {}, false,
         {parseNotice.arg(QStringLiteral("4, position 72"),
                          QStringLiteral("      <title><langstring xml:lang=\"x-none\">Kept &amp; well</langstring>"),
                          QStringLiteral("Premature end of data in tag title line 4"), shown("truncated.xml"))},
         true, QStringLiteral("Kept & well")},
        {"badbyte.xml", badByte, {}, false,
         {QStringLiteral("Some bytes of %1 are not valid UTF-8; they are shown as \"\uFFFD\". The first is on line 4.")
              .arg(shown("badbyte.xml"))},
         true, QStringLiteral("Caf\u00e9 M\uFFFDller")},
        {"folder.xml", {}, [](const QString &p) { QDir().mkpath(p); }, false,
         {shown("folder.xml") + QStringLiteral(" is a folder, not a file.")}, false, QStringLiteral("Kept & well")},
        {"locked.xml", kGood,
         [](const QString &p) { QFile::setPermissions(p, {}); }, true,
         {shown("locked.xml") + QStringLiteral(" could not be read.\rPermission denied")}, false, QStringLiteral("Kept & well")},
        {"external.xml", external, {}, false,
         {parseNotice.arg(QStringLiteral("3, position 3"), QStringLiteral("  <!ENTITY ext SYSTEM \"file:///etc/passwd\">"),
                          QStringLiteral("The file refers to an external entity (\"ext\"), which is not read."),
                          shown("external.xml"))},
         true, QStringLiteral("Kept & well")},
        {"amplified.xml", amplified, {}, false,
         {parseNotice.arg(QStringLiteral("2, position 1"),
                          QStringLiteral("<!ENTITY big \"") + QString(186, QLatin1Char('A')) + QChar(0x2026),
                          QStringLiteral("The file declares an entity (\"big\"); files that declare entities are not read."),
                          shown("amplified.xml"))},
         true, QStringLiteral("Kept & well")},
        {"huge.xml", {}, [](const QString &p) { QFile f(p); f.open(QIODevice::WriteOnly); f.resize(10 * 1024 * 1024 + 1); },
         false,
         {shown("huge.xml") + QStringLiteral(" is too large to open (10.0 MB). Files of up to 10 MB are opened.")},
         false, QStringLiteral("Kept & well")},
    };
    // Another user may look into the folder (only the locked file is closed to him).
    QFile::setPermissions(m_dir->path(), QFile::permissions(m_dir->path()) | QFileDevice::ReadGroup |
                                             QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther);
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        const QString file = path(QLatin1String(r.name));
        if (!r.bytes.isEmpty())
            writeFile(QLatin1String(r.name), r.bytes);
        if (r.make)
            r.make(file);
        const QByteArray before = readFile(QLatin1String(r.name));
        // The good record in the editor, and an empty text window.
        ASSERT_FALSE(frmMain().openSelectedFile(false, path(QStringLiteral("good.xml")), false));
        frmDocument().setText(QString());
        dialogs.clear();
        if (r.asOtherUser) {
            AsOtherUser reader;
            
            frmMain().openSelectedFile(false, file, false);
        } else {
            frmMain().openSelectedFile(false, file, false);
        }
        EXPECT_EQ(dialogs.messages().join(QLatin1Char('|')).toStdString(), r.messages.join(QLatin1Char('|')).toStdString());
        EXPECT_EQ(readRecord(frmOptions()).titleText.toStdString(), r.titleAfter.toStdString());
        if (r.titleAfter == good.titleText) {
            EXPECT_EQ(readRecord(frmOptions()), good);
        }
        QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        EXPECT_EQ(readFile(QLatin1String(r.name)), before);
        // A file that does not parse still reaches the text window, to be mended by hand; nothing in it is
        // expanded.
        if (r.shownInTextWindow) {
            EXPECT_EQ(frmDocument().text().toStdString(), decodeText(before).toStdString());
        }
    }
}

TEST_F(Damaged, WriteThatFailsPartwayLeavesTheOldFileSaysWhichAndWhyAndKeepsTheRecord)
{
    writeFile(QStringLiteral("settings.dat"), "showTipAtStartup.0\r\nshowSaveOptions.1\r\n");
    writeFile(QStringLiteral("templates/mine.tsm"), "old template\r\n");
    writeFile(QStringLiteral("temp12/1.xml"), "old fragment\r\n");
    const struct {
        const char *file;
        qint64 afterBytes; // -1: at the commit
        std::function<void()> run;
        QString message;
    } rows[] = {
        // File > New: the prompt left without an answer, then the template chosen in the save dialog.
        {"templates/mine.tsm", 1000,
         [this] {
             dialogs.answer(Answer::Yes);
             dialogs.answerText(QString());
             dialogs.answerText(path(QStringLiteral("templates/mine.tsm")));
             frmMain().mnuFileNew_Click();
         },
         QStringLiteral("Unable to save %1\rNo space left on device").arg(shown("templates/mine.tsm"))},
        // The fragment of the record's classification, when the record is opened again.
        {"temp12/1.xml", -1, [this] { frmMain().openSelectedFile(false, path(QStringLiteral("good.xml")), false); },
         QStringLiteral("The classifications of this record could not be stored: the program folder's temp12 folder "
                        "(%1) could not be written.\r%2: No space left on device")
             .arg(shown("temp12"), shown("temp12/1.xml"))},
        {"settings.dat", 5, [] { tsmSaveSetings(QStringLiteral("showTipAtStartup"), 1); },
         QStringLiteral("Unable to save %1\rNo space left on device").arg(shown("settings.dat"))},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.file);
        const QByteArray before = readFile(QLatin1String(r.file));
        dialogs.clear();
        failNextWrite(QLatin1Char('/') + QLatin1String(r.file), r.afterBytes);
        r.run();
        clearWriteFault();
        EXPECT_EQ(readFile(QLatin1String(r.file)), before);
        ASSERT_FALSE(dialogs.calls().isEmpty());
        EXPECT_EQ(dialogs.calls().last().text, r.message);
        EXPECT_EQ(dialogs.calls().last().title, QStringLiteral("File Error"));
        EXPECT_EQ(readRecord(frmOptions()).titleText, good.titleText);
        EXPECT_EQ(readRecord(frmOptions()).keywordsText, good.keywordsText);
    }
    // No classification is listed whose fragment was not stored.
    EXPECT_TRUE(readRecord(frmOptions()).lstClassification.isEmpty());
}

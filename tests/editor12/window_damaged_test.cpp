#include "support/testmain.h"

#include "editorfixture.h"

#include "editor12/record12binding.h"
#include "frame/frmdocument.h"
#include "frame/settings.h"
#include "platform/textfile.h"

#include <QDir>
#include <QLabel>
#include <functional>
#include <random>
#include <unistd.h>

using namespace ts;
using namespace ts::test;

namespace {

const QByteArray kGood = "<?xml version=\"1.0\"?>\n<lom xmlns=\"http://www.imsglobal.org/xsd/imsmd_rootv1p2p1\">\n"
                         "   <general>\n"
                         "      <title><langstring xml:lang=\"x-none\">Kept &amp; well</langstring></title>\n"
                         "      <keyword><langstring xml:lang=\"x-none\">cells</langstring></keyword>\n"
                         "   </general>\n"
                         "   <classification><description><langstring>life</langstring></description></classification>\n"
                         "</lom>\n";
const QString kKept = QStringLiteral("Kept & well");

} // namespace

// Files that cannot be read as records, and writes that fail, with a good record in the editor.
class Damaged : public FrameTest {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        startMain();
        writeFile(QStringLiteral("good.xml"), kGood);
        openGood();
    }
    void openGood()
    {
        ASSERT_FALSE(frmMain().openSelectedFile(false, path(QStringLiteral("good.xml")), false));
        good = readRecord(frmOptions());
        ASSERT_EQ(good.titleText, kKept);
        dialogs.clear();
    }
    QString shown(const char *relative) const { return QDir::toNativeSeparators(path(QLatin1String(relative))); }
    Record12 good;
};

TEST_F(Damaged, FilesThatCannotBeReadLeaveTheRecordAndTheFileAsTheyWere)
{
    std::mt19937 random(20261208);
    QByteArray noise(4096, '\0');
    for (char &b : noise)
        b = static_cast<char>(random());
    QByteArray badByte = QByteArray(kGood).replace("Kept &amp; well", "Caf\xC3\xA9 M\xFCller");
    badByte.replace("<?xml version=\"1.0\"?>", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
    const QByteArray body = kGood.mid(kGood.indexOf("<lom"));
    const QByteArray external = "<!DOCTYPE lom [\n  <!ENTITY ext SYSTEM \"file:///etc/passwd\">\n]>\n" +
                                QByteArray(body).replace("Kept &amp; well", "&ext;");
    const QByteArray amplified = "<!DOCTYPE lom [\n<!ENTITY big \"" + QByteArray(100000, 'A') + "\">\n]>\n" +
                                 QByteArray(body).replace("Kept &amp; well", QByteArray("&big;").repeated(20000));
    const QString notice = QStringLiteral("Unsupported XML on line %1\r\n\r\n%2\r\n\r\n%3\r\n\r\nFile: %4");
    const QString noGeneral =
        QStringLiteral("Problem encountered while opening XML file. This may affect your XML file");
    const QString notUtf8 =
        QStringLiteral("Some bytes of %1 are not valid UTF-8; it is read as Windows-1252. The first is on line %2.");
    const QByteArray inComment = "<!-- <general> --><lom xmlns=\"%1\"><x/></lom>";
    const struct {
        const char *name;
        QByteArray bytes;
        std::function<void(const QString &)> make; // what plain bytes cannot be
        QString message;
        bool inTextWindow; // the file's text reaches the text window, to be mended by hand
        QString titleAfter;
    } rows[] = {
        {"noise.xml", noise, {}, notUtf8.arg(shown("noise.xml")).arg(1) + u'|' + noGeneral, false, kKept},
        // A "<general>" in a comment is no general element, in either binding's namespace.
        {"comment12.xml", QByteArray(inComment).replace("%1", "http://www.imsglobal.org/xsd/imsmd_rootv1p2p1"), {},
         noGeneral, false, kKept},
        {"comment2004.xml", QByteArray(inComment).replace("%1", "http://ltsc.ieee.org/xsd/LOM"), {}, noGeneral, false,
         kKept},
        // Declaring no encoding, it is UTF-8; read as Windows-1252, and said so.
        {"undeclared.xml", QByteArray(kGood).replace("Kept &amp; well", "Caf\xE7 ok"), {},
         notUtf8.arg(shown("undeclared.xml")).arg(4), true, QStringLiteral("Caf\u00e7 ok")},
        {"cut.xml", kGood.left(kGood.indexOf("</title>")), {},
         notice.arg(QStringLiteral("4, position 72"),
                    QStringLiteral("      <title><langstring xml:lang=\"x-none\">Kept &amp; well</langstring>"),
                    QStringLiteral("Premature end of data in tag title line 4"), shown("cut.xml")),
         true, kKept},
        {"badbyte.xml", badByte, {},
         QStringLiteral("Some bytes of %1 are not valid UTF-8; they are shown as \"\uFFFD\". The first is on line 4.")
             .arg(shown("badbyte.xml")),
         true, QStringLiteral("Caf\u00e9 M\uFFFDller")},
        {"folder.xml", {}, [](const QString &p) { QFile::remove(p); QDir().mkpath(p); },
         shown("folder.xml") + QStringLiteral(" is a folder, not a file."), false, kKept},
        {"locked.xml", kGood, [](const QString &p) { QFile::setPermissions(p, {}); },
         shown("locked.xml") + QStringLiteral(" could not be read.\rPermission denied"), false, kKept},
        {"external.xml", external, {},
         notice.arg(QStringLiteral("2, position 3"), QStringLiteral("  <!ENTITY ext SYSTEM \"file:///etc/passwd\">"),
                    QStringLiteral("The file refers to an external entity (\"ext\"), which is not read."),
                    shown("external.xml")),
         true, kKept},
        {"amplified.xml", amplified, {},
         notice.arg(QStringLiteral("2, position 1"), QStringLiteral("<!ENTITY big \"") + QString(186, u'A') + u'\u2026',
                    QStringLiteral("The file declares an entity (\"big\"); files that declare entities are not read."),
                    shown("amplified.xml")),
         true, kKept},
        {"huge.xml", {}, [](const QString &p) { QFile(p).resize(10 * 1024 * 1024 + 1); },
         shown("huge.xml") + QStringLiteral(" is too large to open (10.0 MB). Files of up to 10 MB are opened."), false,
         kKept},
    };
    // The tests run as root, who may read any file: the locked one is opened as another user, who may look
    // into the folder.
    QFile::setPermissions(m_dir->path(), QFile::permissions(m_dir->path()) | QFileDevice::ReadGroup |
                                             QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther);
    const bool root = geteuid() == 0;
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        const QString file = path(QLatin1String(r.name));
        writeFile(QLatin1String(r.name), r.bytes);
        if (r.make)
            r.make(file);
        const QByteArray before = readFile(QLatin1String(r.name));
        openGood();
        frmDocument().setText(QString());
        const bool asOther = root && r.name == QByteArrayView("locked.xml");
        ASSERT_TRUE(!asOther || seteuid(65534) == 0);
        frmMain().openSelectedFile(false, file, false);
        ASSERT_TRUE(!asOther || seteuid(0) == 0);
        EXPECT_EQ(dialogs.messages().join(u'|').toStdString(), r.message.toStdString());
        EXPECT_EQ(readRecord(frmOptions()).titleText, r.titleAfter);
        if (r.titleAfter == kKept) {
            EXPECT_EQ(readRecord(frmOptions()), good);
        }
        // The label names the file whose record the editor holds.
        EXPECT_EQ(frmMain().lblCurFile()->text(), QLatin1String(r.titleAfter == kKept ? "good.xml" : r.name));
        QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        EXPECT_EQ(readFile(QLatin1String(r.name)), before);
        EXPECT_EQ(frmDocument().text(), r.inTextWindow ? decodeText(before) : QString());
    }
}

TEST_F(Damaged, WriteThatFailsPartwayLeavesTheOldFileSaysWhichAndWhyAndKeepsTheRecord)
{
    writeFile(QStringLiteral("settings.dat"), "showTipAtStartup.0\r\nshowSaveOptions.1\r\n");
    writeFile(QStringLiteral("templates/mine.tsm"), "old template\r\n");
    writeFile(QStringLiteral("temp12/1.xml"), "old fragment\r\n");
    const QString noSpace = QStringLiteral("Unable to save %1\rNo space left on device");
    const struct {
        const char *file;
        qint64 afterBytes; // -1: at the commit
        std::function<void()> run;
        QString message;
    } rows[] = {
        // File > New, its prompt left without an answer, then the template chosen in the save dialog.
        {"templates/mine.tsm", 1000,
         [this] {
             answerSavePrompt({QStringLiteral("cmdYes"), QStringLiteral("close")});
             dialogs.answerText(QString());
             dialogs.answerText(path(QStringLiteral("templates/mine.tsm")));
             frmMain().mnuFileNew_Click();
         },
         noSpace.arg(shown("templates/mine.tsm"))},
        // The fragment of the record's classification, as the record is opened again.
        {"temp12/1.xml", -1, [this] { frmMain().openSelectedFile(false, path(QStringLiteral("good.xml")), false); },
         QStringLiteral("The classifications of this record could not be stored: the program folder's temp12 folder "
                        "(%1) could not be written.\r%2: No space left on device")
             .arg(shown("temp12"), shown("temp12/1.xml"))},
        {"settings.dat", 5, [] { tsmSaveSetings(QStringLiteral("showTipAtStartup"), 1); },
         noSpace.arg(shown("settings.dat"))},
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
        EXPECT_EQ(readRecord(frmOptions()).titleText, kKept);
        EXPECT_EQ(readRecord(frmOptions()).keywordsText, good.keywordsText);
    }
    // No classification is listed whose fragment was not stored.
    EXPECT_TRUE(readRecord(frmOptions()).lstClassification.isEmpty());
}

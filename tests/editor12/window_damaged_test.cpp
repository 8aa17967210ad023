#include "support/testmain.h"

#include "editorfixture.h"

#include "batch/generate.h"
#include "editor12/record12binding.h"
#include "frame/frmdocument.h"
#include "frame/settings.h"
#include "lomshift/run.h"
#include "platform/programfolder.h"
#include "platform/textfile.h"

#include <QDir>
#include <QLabel>
#include <QPrinter>
#include <QScopeGuard>
#include <cstring>
#include <filesystem>
#include <functional>
#include <random>
#include <sys/mount.h>
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
    // A file the program replaces (its old bytes written first), what makes it write the file and answers
    // what the program then said, and what it says when the write fails, up to the reason.
    struct Write {
        const char *file;
        std::function<QString()> run;
        QString said;
    };
    std::vector<Write> editorWrites()
    {
        writeFile(QStringLiteral("settings.dat"), "showTipAtStartup.0\r\nshowSaveOptions.1\r\n");
        writeFile(QStringLiteral("templates/mine.tsm"), "old template\r\n");
        writeFile(QStringLiteral("temp12/1.xml"), "old fragment\r\n");
        writeFile(QStringLiteral("out.pdf"), "%PDF old\r\n");
        const auto box = [this](const std::function<void()> &run) {
            return [this, run] {
                run();
                const DialogCall last = dialogs.calls().value(dialogs.calls().size() - 1);
                return last.title + u'|' + last.text;
            };
        };
        const QString unable = QStringLiteral("File Error|Unable to save %1\r");
        return {
            // File > New, its prompt left without an answer, then the template chosen in the save dialog.
            {"templates/mine.tsm", box([this] {
                 answerSavePrompt({QStringLiteral("cmdYes"), QStringLiteral("close")});
                 dialogs.answerText(QString());
                 dialogs.answerText(path(QStringLiteral("templates/mine.tsm")));
                 frmMain().mnuFileNew_Click();
             }),
             unable.arg(shown("templates/mine.tsm"))},
            // The fragment of the record's classification, as the record is opened again.
            {"temp12/1.xml",
             box([this] { frmMain().openSelectedFile(false, path(QStringLiteral("good.xml")), false); }),
             QStringLiteral("File Error|The classifications of this record could not be stored: the program folder's "
                            "temp12 folder (%1) could not be written.\r%2: ")
                 .arg(shown("temp12"), shown("temp12/1.xml"))},
            {"settings.dat", box([] { tsmSaveSetings(QStringLiteral("showTipAtStartup"), 1); }),
             unable.arg(shown("settings.dat"))},
            // The XML text window printed into a PDF file.
            {"out.pdf", box([this] {
                 QPrinter printer(QPrinter::HighResolution);
                 printer.setOutputFormat(QPrinter::PdfFormat);
                 printer.setOutputFileName(path(QStringLiteral("out.pdf")));
                 frmDocument().printTo(printer);
             }),
             QStringLiteral("File Save Interrupted|Your file may not have been saved.\r%1: ").arg(shown("out.pdf"))},
        };
    }
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
    QByteArray atTheLimit = QByteArray(kGood).replace("Kept &amp; well", "At the limit");
    atTheLimit.insert(atTheLimit.indexOf("</lom>"), QByteArray(10 * 1024 * 1024 - atTheLimit.size(), ' '));
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
        // A record of exactly the largest size opened; one byte more is refused.
        {"limit.xml", atTheLimit, {}, QString(), true, QStringLiteral("At the limit")},
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
    const std::vector<Write> writes = editorWrites();
    const struct {
        size_t write;
        qint64 afterBytes; // -1: at the rename
        WriteStep step;
        const char *reason; // the seam's, and the one said (the size check gives its own)
    } rows[] = {
        {0, 1000, WriteStep::Write, "No space left on device"},
        {1, -1, WriteStep::Write, "No space left on device"},
        {2, 5, WriteStep::Write, "No space left on device"},
        {0, 0, WriteStep::Sync, "Input/output error"},
        {1, 0, WriteStep::SizeCheck, "Only 90 of 91 bytes reached the disk."},
        {3, 100, WriteStep::Write, "No space left on device"},
    };
    for (const auto &r : rows) {
        const Write &w = writes.at(r.write);
        SCOPED_TRACE(w.file);
        const QByteArray before = readFile(QLatin1String(w.file));
        dialogs.clear();
        failNextWrite(QLatin1Char('/') + QLatin1String(w.file), r.afterBytes, QLatin1String(r.reason), r.step);
        EXPECT_EQ(w.run().toStdString(), (w.said + QLatin1String(r.reason)).toStdString());
        clearWriteFault();
        EXPECT_EQ(readFile(QLatin1String(w.file)), before);
        EXPECT_EQ(readRecord(frmOptions()).titleText, kKept);
        EXPECT_EQ(readRecord(frmOptions()).keywordsText, good.keywordsText);
    }
    // No classification is listed whose fragment was not stored.
    EXPECT_TRUE(readRecord(frmOptions()).lstClassification.isEmpty());
}

// A real full disk: a small file system filled to its last byte, on which the editor's files, a converted
// file and a generated file are written again over their old ones.
TEST_F(Damaged, AFullDiskLeavesEveryReplacedFileAsItWasAndSaysWhichAndWhy)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "Only root may mount the small file system that is filled here.";
    const QString disk = path(QStringLiteral("disk"));
    ASSERT_TRUE(QDir().mkpath(disk));
    if (::mount("tmpfs", QFile::encodeName(disk).constData(), "tmpfs", MS_NOSUID | MS_NODEV, "size=64k") != 0)
        GTEST_SKIP() << "A small file system could not be mounted: " << std::strerror(errno);
    const auto unmount = qScopeGuard([&disk] { ::umount2(QFile::encodeName(disk).constData(), MNT_DETACH); });
    writeFile(QStringLiteral("disk/good.xml"), "old converted\r\n");
    writeFile(QStringLiteral("disk/generated.xml"), "old generated\r\n");
    writeFile(QStringLiteral("common/scorm_template.xml"), kGood);
    std::vector<Write> writes = editorWrites();
    // The program folder's templates, fragments, settings and a printed file move onto it, reached through links.
    namespace fs = std::filesystem;
    for (const char *moved : {"templates", "temp12", "settings.dat", "out.pdf"}) {
        const fs::path here = path(QLatin1String(moved)).toStdString(), there = here.parent_path() / "disk" / moved;
        fs::copy(here, there, fs::copy_options::recursive);
        fs::remove_all(here);
        fs::create_symlink(there, here);
    }
    // Filled to its last byte.
    QFile filler(disk + QStringLiteral("/filler"));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    filler.write(QByteArray(128 * 1024, 'x'));
    ASSERT_EQ(filler.write("x", 1), -1);
    lomshift::Converter converter(QStringLiteral("Metadata"), programPath(QStringLiteral("xsl/metadataTransform.xsl")));
    const QString source = path(QStringLiteral("good.xml"));
    const lomshift::Target toDisk{false, true, disk};
    writes.push_back({"disk/good.xml",
                      [&] { return lomshift::runConversion(converter, {source}, toDisk).files[0].failure; },
                      shown("disk/good.xml") + QStringLiteral(" could not be written: ")});
    writes.push_back({"disk/generated.xml",
                      [&] {
                          Notices notices;
                          batch::generateMetadata(batch::templatePath(), *batch::getFileInfo(source),
                                                  disk + QStringLiteral("/generated.xml"), notices, WriteKind::Scratch);
                          return notices.value(0).text;
                      },
                      QStringLiteral("75::Path/File access error: %1/generated.xml could not be written. ").arg(disk)});
    for (const Write &w : writes) {
        SCOPED_TRACE(w.file);
        const QByteArray before = readFile(QLatin1String(w.file));
        dialogs.clear();
        EXPECT_EQ(w.run().toStdString(), (w.said + QStringLiteral("No space left on device")).toStdString());
        EXPECT_EQ(readFile(QLatin1String(w.file)), before);
    }
    // No temporary file stays behind.
    EXPECT_EQ(QDir(disk).entryList(QDir::Files | QDir::Hidden),
              QStringList({"filler", "generated.xml", "good.xml", "out.pdf", "settings.dat"}));
}

#include "support/testmain.h"

#include "editorfixture.h"

#include "batch/generate.h"
#include "editor12/record12binding.h"
#include "editor2004/frmoptions2004.h"
#include "editor2004/record2004binding.h"
#include "frame/frmdocument.h"
#include "lomshift/engine.h"
#include "platform/programfolder.h"
#include "platform/textfile.h"

#include <QDir>
#include <QRegularExpression>
#include <QStringEncoder>

using namespace ts;
using namespace ts::test;
using namespace Qt::StringLiterals;

namespace {

// The programs that read the bytes, a test each: the large form takes each of them a while.
enum Reader { Editor12, Editor2004, Lomshift, Batch };
const char *const kReaderNames[] = {"editor12", "editor2004", "lomshift", "batch"};

} // namespace

class Encodings : public FrameTest, public ::testing::WithParamInterface<Reader> {};

// The same bytes through every program that reads them: the editor opening them in either binding, lomshift
// converting them, and batch making metadata files from them as File > Batch hands them over. Each reads the
// same characters in the title (batch in a keyword, as it fills the title itself) and says the same of them,
// naming the file read ("%1"); bytes in a form that is not read (a row without "read") are refused by every
// program with that notice, and nothing of them is read.
TEST_P(Encodings, EveryProgramReadsTheSameBytesAsTheSameCharacters)
{
    const Reader reader = GetParam();
    const QString records[] = {
        u"<lom xmlns=\"http://www.imsglobal.org/xsd/imsmd_rootv1p2p1\">\n<general>\n<title><langstring>%1</langstring>"
        "</title><keyword><langstring>%1</langstring></keyword>\n</general>\n</lom>\n"_s,
        u"<lom xmlns=\"http://ltsc.ieee.org/xsd/LOM\">\n<general>\n<title><string language=\"x-none\">%1</string>"
        "</title>\n</general>\n</lom>\n"_s};
    const QString wide = u"Caf\u00e9 \u2013 na\u00efve \u2603 \u65e5\u672c"_s, latin = u"Caf\u00e9 na\u00efve \u00bd"_s,
                  quoted = u"\u201cCaf\u00e9\u201d \u2013 \u20ac"_s;
    const QString lone = u"Caf"_s + QChar(0xD800) + u"x"_s;
    const QString unknown = u"%1 declares the encoding \"foo-8\", which is not known here"_s,
                  emptyName = u"%1 declares the encoding \"\", which is not known here"_s;
    const auto refused = [](const char *form) {
        return u"%1 cannot be read: its bytes are in "_s + QLatin1String(form) +
               u", which this program does not read. Save it in UTF-8 and try again."_s;
    };
    const char *unmarked16 = "UTF-16 without a byte-order mark or XML declaration";
    const struct {
        const char *name, *declared, *writtenIn; // declared: the encoding the declaration names, if any
        bool mark;
        QString title, read, notice = {};
        qsizetype size = 0; // the file grows to that many bytes
        const char *order = nullptr;  // UCS-4 in this byte order, its bytes of each character taken from UTF-32BE
        const char16_t *head = nullptr; // what stands before the record in place of the XML declaration
    } rows[] = {
        {"utf8", "UTF-8", "UTF-8", false, wide, wide},
        {"utf8mark", nullptr, "UTF-8", true, wide, wide},
        {"latin1", "ISO-8859-1", "ISO-8859-1", false, latin, latin},
        {"cp1252", "windows-1252", "windows-1252", false, quoted, quoted},
        {"large", "ISO-8859-1", "ISO-8859-1", false, latin, latin, {}, 10200000}, // within the largest opened
        {"utf16le", "UTF-16", "UTF-16LE", true, wide, wide},
        {"utf16be", "UTF-16", "UTF-16BE", true, wide, wide},
        {"utf16leplain", "UTF-16", "UTF-16LE", false, wide, wide}, // no mark: told by the declaration's "<?"
        {"utf16beplain", "UTF-16", "UTF-16BE", false, wide, wide},
        {"unknown", "foo-8", "UTF-8", false, wide, wide, unknown + "; it is read as UTF-8."},
        {"unknownlatin", "foo-8", "ISO-8859-1", false, latin, latin,
         unknown + ", and some of its bytes are not valid UTF-8; it is read as Windows-1252. The first is on line 4."},
        {"badutf8", "UTF-8", "ISO-8859-1", false, latin, u"Caf\uFFFD na\uFFFDve \uFFFD"_s,
         u"Some bytes of %1 are not valid UTF-8; they are shown as \"\uFFFD\". The first is on line 4."_s},
        {"usascii", "US-ASCII", "ISO-8859-1", false, latin, u"Caf\uFFFD na\uFFFDve \uFFFD"_s,
         u"Some bytes of %1 are not valid US-ASCII; they are shown as \"\uFFFD\". The first is on line 4."_s},
        {"surrogatele", "UTF-16", "UTF-16LE", true, lone, u"Caf\uFFFDx"_s,
         u"Some bytes of %1 are not valid UTF-16; they are shown as \"\uFFFD\". The first is on line 4."_s},
        {"surrogatebe", "UTF-16", "UTF-16BE", false, lone, u"Caf\uFFFDx"_s,
         u"Some bytes of %1 are not valid UTF-16; they are shown as \"\uFFFD\". The first is on line 4."_s},
        {"emptyname", "", "UTF-8", false, wide, wide, emptyName + "; it is read as UTF-8."},
        {"emptynamelatin", "", "ISO-8859-1", false, latin, latin, emptyName + ", and some of its bytes are not valid UTF-8; it is read as Windows-1252. The first is on line 4."},
        {"undeclared", nullptr, "windows-1252", false, quoted, quoted,
         "Some bytes of %1 are not valid UTF-8; it is read as Windows-1252. The first is on line 4."},
        {"utf32le", "UTF-32", "UTF-32LE", true, wide, {},
         "%1 cannot be read: its bytes are in UTF-32, which this program does not read. Save it in UTF-8 and try "
         "again."},
        // Every other form XML tells by the first bytes, each read or refused by its name.
        {"utf32be", "UTF-32", "UTF-32BE", true, wide, {}, refused("UTF-32")},
        {"utf32leplain", "UTF-32", "UTF-32LE", false, wide, {}, refused("UTF-32")},
        {"utf32beplain", "UTF-32", "UTF-32BE", false, wide, {}, refused("UTF-32")},
        {"utf32leblanks", nullptr, "UTF-32LE", false, wide, {}, refused("UTF-32"), 0, nullptr, u"\r\n  "},
        {"ucs4in2143", "UCS-4", "UTF-32BE", true, wide, {}, refused("UCS-4 in the unusual byte order 2143"), 0, "2143"},
        {"ucs4in2143plain", "UCS-4", "UTF-32BE", false, wide, {}, refused("UCS-4 in the unusual byte order 2143"), 0,
         "2143"},
        {"ucs4in3412", "UCS-4", "UTF-32BE", true, wide, {}, refused("UCS-4 in the unusual byte order 3412"), 0, "3412"},
        {"ucs4in3412plain", "UCS-4", "UTF-32BE", false, wide, {}, refused("UCS-4 in the unusual byte order 3412"), 0,
         "3412"},
        {"utf16lenewline", nullptr, "UTF-16LE", false, wide, {}, refused(unmarked16), 0, nullptr, u"\n"},
        {"utf16beblanks", nullptr, "UTF-16BE", false, wide, {}, refused(unmarked16), 0, nullptr, u"  \r\n"},
        {"ebcdic", "IBM037", "IBM037", false, latin, {}, refused("EBCDIC")},
        {"ebcdicplain", nullptr, "IBM037", false, latin, {}, refused("EBCDIC"), 0, nullptr, u""},
        {"ebcdicnewline", nullptr, "IBM037", false, latin, {}, refused("EBCDIC"), 0, nullptr, u"\n"},
        // A declaration its bytes contradict is named, and the bytes are read as they show.
        {"asciiibm037", "IBM037", "UTF-8", false, wide, wide,
         "%1 declares the encoding \"IBM037\", but its bytes are in an encoding based on ASCII; it is read as UTF-8."},
        {"asciiutf16", "UTF-16", "windows-1252", false, quoted, quoted,
         "%1 declares the encoding \"UTF-16\", but its bytes are in an encoding based on ASCII, and some of them are "
         "not valid UTF-8; it is read as Windows-1252. The first is on line 4."},
        {"utf16latin1", "ISO-8859-1", "UTF-16LE", true, wide, wide,
         "%1 declares the encoding \"ISO-8859-1\", but its bytes are in UTF-16; it is read as UTF-16."},
    };
    startMain();
    writeFile(u"batch"_s, "stands in for the program");
    writeFile(u"sunset.gif"_s, "GIF89a");
    lomshift::Converter converter(u"Metadata"_s, programPath(u"xsl/metadataTransform.xsl"_s));
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        const bool refused = r.read.isNull();
        QStringList said, expected;
        const auto tell = [&](const QString &file, const QString &text, const QString &notice) {
            said << (!refused && text.contains(r.read) ? r.read : text) + u'|' + notice;
            expected << r.read + u'|' + (r.notice.isEmpty() ? QString() : r.notice.arg(QDir::toNativeSeparators(file)));
        };
        for (const bool scorm2004 : {false, true}) {
            const QString declared = r.declared ? u" encoding=\"%1\""_s.arg(QLatin1String(r.declared)) : QString();
            QStringEncoder encode(r.writtenIn, r.mark ? QStringEncoder::Flag::WriteBom : QStringEncoder::Flag::Default);
            const QString head = r.head ? QString::fromUtf16(r.head) : u"<?xml version=\"1.0\"%1?>\n"_s.arg(declared);
            QByteArray bytes = encode(head + records[scorm2004].arg(r.title));
            ASSERT_TRUE(encode.isValid());
            for (qsizetype at = 0; r.order && at + 4 <= bytes.size(); at += 4) {
                const QByteArray bigEndian = bytes.mid(at, 4);
                for (int i = 0; i < 4; ++i)
                    bytes[at + i] = bigEndian.at(r.order[i] - '1');
            }
            if (r.size)
                bytes.insert(bytes.lastIndexOf("</lom>"), QByteArray(r.size - bytes.size(), ' '));
            const QString name = QLatin1String(r.name) + (scorm2004 ? "2004.xml" : ".xml");
            writeFile(name, bytes);
            if (reader != (scorm2004 ? Editor2004 : Editor12))
                continue;
            // The editor of each binding, with the boxes it shows; asked to switch editors, it does.
            dialogs.clear();
            if (!refused && frmMain().scormVersion != (scorm2004 ? u"SCORM 2004"_s : u"SCORM 1.2"_s))
                dialogs.answer(Answer::Yes);
            const auto title = [&] {
                return scorm2004 ? readRecord(frmOptions2004()).titleText : readRecord(frmOptions()).titleText;
            };
            const QString before = title();
            frmMain().openSelectedFile(false, path(name), false);
            // A refused file leaves the editor's record as it was.
            tell(path(name), refused && title() == before ? QString() : title(),
                 dialogs.messages().filter(QRegularExpression(u"^(?!You are trying to open)"_s)).join(u'/'));
            if (refused)
                continue;
            // Save As writes UTF-8 under a declaration that says so (or names no encoding, as the file's did), the
            // window then holds what was written, and the file reads back as the same characters without a word.
            dialogs.clear();
            dialogs.answerText(path(u"saved-"_s + name));
            trigger("mnuFileSaveAs");
            const QByteArray saved = readFile(u"saved-"_s + name);
            EXPECT_TRUE(saved.startsWith(r.declared ? "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<lom"
                                                    : "<?xml version=\"1.0\"?>\r\n<lom"));
            EXPECT_EQ(QString::fromUtf8(saved).toUtf8(), saved);
            EXPECT_EQ(withCrLf(frmDocument().text()).toStdString(), saved.toStdString());
            frmMain().openSelectedFile(false, path(u"saved-"_s + name), false);
            EXPECT_EQ(title().toStdString(), r.read.toStdString());
            EXPECT_EQ(dialogs.messages(), QStringList());
        }
        const QString file = path(QLatin1String(r.name) + ".xml");
        if (reader == Lomshift) {
            const lomshift::Conversion conversion = converter.doConversion(file);
            if (refused) // its failure, said on the report's line that names the file
                tell(u"It"_s, conversion.text + conversion.readNotice, conversion.failure);
            else
                tell(file, conversion.text + conversion.failure, conversion.readNotice);
        }
        // batch reads what File > Batch hands over, under the name of the file chosen.
        if (reader == Batch) {
            dialogs.answerText(file);
            trigger("mnuBatch");
            const batch::CheckedTemplate checked = batch::checkTemplate(batch::handedOverTemplate());
            if (refused) {
                EXPECT_FALSE(checked.parts || checked.readNotice);
                tell(file, {}, checked.refusal.value_or(Notice{}).text);
            } else {
                Notices notices;
                ASSERT_TRUE(checked.parts &&
                            batch::writeMetadata(*checked.parts, *batch::getFileInfo(path(u"sunset.gif"_s)),
                                                 path(u"sunset.xml"_s), notices));
                tell(file, decodeText(readFile(u"sunset.xml"_s)), checked.readNotice.value_or(Notice{}).text);
            }
        }
        EXPECT_EQ(said.join(u'\n').toStdString(), expected.join(u'\n').toStdString());
    }
}

INSTANTIATE_TEST_SUITE_P(Programs, Encodings, ::testing::Values(Editor12, Editor2004, Lomshift, Batch),
                         [](const ::testing::TestParamInfo<Reader> &param) { return kReaderNames[param.param]; });

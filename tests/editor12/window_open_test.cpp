#include "support/testmain.h"

#include "editorfixture.h"

#include "frame/frmdocument.h"
#include "model12/import12.h"
#include "editor12/record12binding.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>

using namespace ts;
using namespace ts::test;

// Opening SCORM 1.2 files into the editor window through the main window, as a user does.
class WindowOpen : public FrameTest {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        startMain();
    }
    QString put(const QString &name, const QByteArray &bytes)
    {
        writeFile(name, bytes);
        return path(name);
    }
    Record12 record() { return readRecord(frmOptions()); }
};

const QByteArray kRecord = "<?xml version=\"1.0\"?>\r\n"
                           "<lom xmlns=\"http://www.imsglobal.org/xsd/imsmd_rootv1p2p1\">\r\n"
                           "   <general>\r\n"
                           "      <title>\r\n"
                           "         <langstring xml:lang=\"x-none\">Fractions &amp; Decimals</langstring>\r\n"
                           "      </title>\r\n"
                           "      <description>\r\n"
                           "         <langstring xml:lang=\"x-none\">Parts of a whole.</langstring>\r\n"
                           "      </description>\r\n"
                           "   </general>\r\n"
                           "   <classification>\r\n"
                           "      <description>\r\n"
                           "         <langstring xml:lang=\"x-none\">first</langstring>\r\n"
                           "      </description>\r\n"
                           "   </classification>\r\n"
                           "   <classification>\r\n"
                           "      <description>\r\n"
                           "         <langstring xml:lang=\"x-none\">second</langstring>\r\n"
                           "      </description>\r\n"
                           "   </classification>\r\n"
                           "</lom>\r\n";

TEST_F(WindowOpen, RecordReachesTheControlsAndTheFileStaysAsItWas)
{
    const QString file = put(QStringLiteral("lesson.xml"), kRecord);
    EXPECT_FALSE(frmMain().openSelectedFile(false, file, false));
    EXPECT_TRUE(dialogs.calls().isEmpty()) << dialogs.messages().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(record().titleText, QStringLiteral("Fractions & Decimals"));
    EXPECT_EQ(record().courseDescription, QStringLiteral("Parts of a whole."));
    EXPECT_EQ(record().lstClassification, QStringList({QStringLiteral("1"), QStringLiteral("2")}));
    EXPECT_TRUE(readFile(QStringLiteral("temp12/1.xml")).contains("first"));
    EXPECT_TRUE(readFile(QStringLiteral("temp12/2.xml")).contains("second"));
    EXPECT_EQ(readFile(QStringLiteral("lesson.xml")), kRecord);
    EXPECT_EQ(frmDocument().rtfXMLOutput()->toPlainText().toUtf8(), QByteArray(kRecord).replace("\r\n", "\n"));
    EXPECT_EQ(frmMain().lblCurFile()->text(), QStringLiteral("lesson.xml"));

    // Opening it again leaves it byte for byte the same.
    EXPECT_FALSE(frmMain().openSelectedFile(false, file, false));
    EXPECT_EQ(readFile(QStringLiteral("lesson.xml")), kRecord);
}

TEST_F(WindowOpen, ReadOnlyFileOpensNormally)
{
    const QString file = put(QStringLiteral("locked.xml"), kRecord);
    QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    EXPECT_FALSE(frmMain().openSelectedFile(false, file, false));
    QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_TRUE(dialogs.calls().isEmpty());
    EXPECT_EQ(record().titleText, QStringLiteral("Fractions & Decimals"));
    EXPECT_EQ(readFile(QStringLiteral("locked.xml")), kRecord);
}

TEST_F(WindowOpen, OpeningClearsThePreviousRecord)
{
    frmMain().dontValidate = true;
    frmOptions().setFieldText(QStringLiteral("keywordsText"), QStringLiteral("old, words"));
    frmMain().dontValidate = false;
    EXPECT_FALSE(frmMain().openSelectedFile(false, put(QStringLiteral("lesson.xml"), kRecord), false));
    EXPECT_TRUE(record().keywordsText.isEmpty());
}

TEST_F(WindowOpen, InvalidRecordOpensWithTheSchemaNotice)
{
    // Valid XML, but <description> before <title> breaks the record's order.
    QByteArray bytes = kRecord;
    bytes.replace("      <title>\r\n         <langstring xml:lang=\"x-none\">Fractions &amp; Decimals</langstring>\r\n"
                  "      </title>\r\n",
                  "");
    bytes.replace("      </description>\r\n   </general>",
                  "      </description>\r\n      <title>\r\n         <langstring>T</langstring>\r\n      </title>\r\n"
                  "   </general>");
    const QString file = put(QStringLiteral("order.xml"), bytes);
    frmMain().openSelectedFile(false, file, false);
    ASSERT_FALSE(dialogs.calls().isEmpty());
    EXPECT_EQ(dialogs.calls().last().title, QStringLiteral("Notice"));
    EXPECT_TRUE(dialogs.calls().last().text.startsWith(QStringLiteral("Unsupported XML on line ")));
    // What the walk read stays in the editor.
    EXPECT_EQ(record().titleText, QStringLiteral("T"));
    EXPECT_EQ(readFile(QStringLiteral("order.xml")), bytes);
}

TEST_F(WindowOpen, SwitchingBackAndForthBetweenEditors)
{
    const QString lom = put(QStringLiteral("lom.xml"), "<lom xmlns=\"http://ltsc.ieee.org/xsd/LOM\"><general><title>"
                                                       "<string language=\"x-none\">LOM</string></title></general>"
                                                       "</lom>\r\n");
    const QString md12 = put(QStringLiteral("md12.xml"), kRecord);
    dialogs.answer(Answer::Yes);
    EXPECT_FALSE(frmMain().openSelectedFile(false, lom, false));
    EXPECT_EQ(frmMain().scormVersion, QStringLiteral("SCORM 2004"));
    EXPECT_FALSE(frmOptions().isShownChild());

    dialogs.answer(Answer::Yes);
    EXPECT_FALSE(frmMain().openSelectedFile(false, md12, false));
    EXPECT_EQ(frmMain().scormVersion, QStringLiteral("SCORM 1.2"));
    EXPECT_TRUE(frmOptions().isShownChild());
    EXPECT_FALSE(frmOptions2004().isShownChild());
    EXPECT_EQ(record().titleText, QStringLiteral("Fractions & Decimals"));
    ASSERT_EQ(dialogs.calls().size(), 2);
    EXPECT_EQ(dialogs.calls()[1].text,
              QStringLiteral("You are trying to open a SCORM 1.2 XML file using the SCORM 2004 Editor.\r"
                             "Would you like to switch to the SCORM 1.2 Editor now?"));
}

TEST_F(WindowOpen, MinimizedEditorIsMaximizedAgain)
{
    frmOptions().setChildState(Qt::WindowMinimized);
    ASSERT_TRUE(frmOptions().childState() & Qt::WindowMinimized);
    // As a template, so that no text window comes up to take the maximized state over.
    EXPECT_TRUE(frmMain().openSelectedFile(false, put(QStringLiteral("lesson.tsm"), kRecord), true));
    EXPECT_TRUE(frmOptions().childState() & Qt::WindowMaximized);
}

TEST_F(WindowOpen, LongTitleIsKeptWhole)
{
    const QString longTitle = QString(1500, QLatin1Char('t'));
    QByteArray bytes = kRecord;
    bytes.replace("Fractions &amp; Decimals", longTitle.toUtf8());
    EXPECT_FALSE(frmMain().openSelectedFile(false, put(QStringLiteral("long.xml"), bytes), false));
    EXPECT_EQ(record().titleText, longTitle);
}

TEST_F(WindowOpen, EverySampleOpensAndFillsTheEditor)
{
    const QString samples = sharedDir() + QStringLiteral("/samples/imsmd12");
    if (sharedDir().isEmpty() || !QDir(samples).exists())
        GTEST_SKIP() << "The shared samples folder is absent; the real records were not opened.";
    for (const QString &name : QDir(samples).entryList({QStringLiteral("*.xml")}, QDir::Files)) {
        SCOPED_TRACE(name.toStdString());
        QFile::copy(samples + QLatin1Char('/') + name, path(name));
        const QByteArray before = readFile(name);
        dialogs.clear();
        failOnUnanswered = false;
        frmMain().openSelectedFile(false, path(name), false);
        EXPECT_EQ(readFile(name), before);
        // What the import reads is what the controls hold.
        Record12 expected = importMetadataFile(path(name), clearedRecord12()).record;
        const Record12 shown = record();
        EXPECT_EQ(shown.titleText, expected.titleText);
        EXPECT_EQ(shown.courseDescription, expected.courseDescription);
        EXPECT_EQ(shown.keywordsText, expected.keywordsText);
        EXPECT_EQ(shown.lstFiles, expected.lstFiles);
        EXPECT_EQ(shown.lstClassification, expected.lstClassification);
        EXPECT_FALSE(shown.titleText.isEmpty() && shown.courseDescription.isEmpty() && shown.lstFiles.isEmpty());
    }
}

TEST_F(WindowOpen, FileInASingleByteEncodingOpensWithoutAParseNotice)
{
    QByteArray bytes = kRecord;
    bytes.replace("<?xml version=\"1.0\"?>", "<?xml version=\"1.0\" encoding=\"windows-1252\"?>");
    bytes.replace("Fractions &amp; Decimals", "Caf\xE9 \x80");
    const QString file = put(QStringLiteral("latin.xml"), bytes);
    EXPECT_FALSE(frmMain().openSelectedFile(false, file, false));
    EXPECT_TRUE(dialogs.calls().isEmpty()) << dialogs.messages().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(record().titleText, QString::fromUtf8("Caf\u00e9 \u20ac"));
    EXPECT_EQ(readFile(QStringLiteral("latin.xml")), bytes);
}

#include "support/testmain.h"

#include "framefixture.h"

#include "frame/frmdocument.h"
#include "frame/startup.h"
#include "platform/programfolder.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QDir>

using namespace ts;
using namespace ts::test;

// Opening files in the frame: which files are refused, the question that switches editors, the reading
// into the SCORM 2004 editor, the text window, the parse notice and the current-file label.
class Open : public FrameTest {
protected:
    void start(const QString &binding)
    {
        settings(0, 0);
        chooseBinding(binding);
        initXMLParser();
        ASSERT_TRUE(frmMainLoaded());
    }
    QString copy(const QString &name, const QString &as = {})
    {
        const QString target = path(as.isEmpty() ? name : as);
        QFile::remove(target);
        EXPECT_TRUE(QFile::copy(testData(QStringLiteral("open/") + name), target));
        return target;
    }
    QString field2004(const char *name)
    {
        return frmOptions2004().fieldText(QLatin1String(name));
    }
};

TEST_F(Open, ExtensionMustBeXmlInLowerCase)
{
    start(QStringLiteral("2004"));
    for (const char *name : {"lesson.XML", "lesson.Xml", "lesson.txt", "lesson"}) {
        const QString file = copy(QStringLiteral("lom2004.xml"), QLatin1String(name));
        EXPECT_TRUE(frmMain().openSelectedFile(false, file, false)) << name;
        EXPECT_TRUE(field2004("titleText").isEmpty()) << name;
    }
    EXPECT_TRUE(dialogs.calls().isEmpty());
    EXPECT_FALSE(frmDocumentLoaded());
}

TEST_F(Open, ProgramDataFileIsRefusedWithAWarning)
{
    start(QStringLiteral("12"));
    const QByteArray before = readFile(QStringLiteral("lrnschemaresolution.xml"));
    EXPECT_TRUE(frmMain().openSelectedFile(false, path(QStringLiteral("lrnschemaresolution.xml")), false));
    ASSERT_EQ(dialogs.calls().size(), 1);
    EXPECT_EQ(dialogs.calls()[0].text, QStringLiteral("This file is required for Tagsmith to run. Please do not edit."));
    EXPECT_EQ(dialogs.calls()[0].title, QStringLiteral("Warning"));
    EXPECT_EQ(dialogs.calls()[0].icon, Icon::Critical);
    EXPECT_EQ(readFile(QStringLiteral("lrnschemaresolution.xml")), before);
    // Through the dialog too.
    dialogs.answerText(path(QStringLiteral("lrnschemaresolution.xml")));
    frmMain().mnuFileOpen_Click();
    EXPECT_EQ(dialogs.messages().size(), 2);
}

TEST_F(Open, Scorm2004FileInScorm12ModeAsksToSwitch)
{
    start(QStringLiteral("12"));
    const QString file = copy(QStringLiteral("lom2004.xml"));
    const QByteArray before = readFile(QStringLiteral("lom2004.xml"));

    dialogs.answer(Answer::No);
    EXPECT_TRUE(frmMain().openSelectedFile(false, file, false));
    ASSERT_EQ(dialogs.calls().size(), 1);
    EXPECT_EQ(dialogs.calls()[0].text,
              QStringLiteral("You are trying to open a SCORM 2004 XML file using the SCORM 1.2 Editor.\r"
                             "Would you like to switch to the SCORM 2004 Editor now?"));
    EXPECT_EQ(dialogs.calls()[0].title, QStringLiteral("Switch Modes?"));
    EXPECT_EQ(dialogs.calls()[0].buttons, Buttons::YesNo);
    EXPECT_EQ(frmMain().scormVersion, QStringLiteral("SCORM 1.2"));
    EXPECT_FALSE(frmOptions2004Loaded());

    dialogs.clear();
    dialogs.answer(Answer::Yes);
    EXPECT_FALSE(frmMain().openSelectedFile(false, file, false));
    EXPECT_EQ(frmMain().scormVersion, QStringLiteral("SCORM 2004"));
    EXPECT_EQ(frmMain().lblScormVersion()->text(), QStringLiteral("SCORM 2004"));
    EXPECT_FALSE(frmOptions().isShownChild());
    EXPECT_TRUE(frmOptions2004().isShownChild());
    EXPECT_EQ(field2004("titleText"), QStringLiteral("Fractions for Beginners"));
    EXPECT_EQ(field2004("courseDescription"), QStringLiteral("Adding & subtracting fractions."));
    EXPECT_EQ(field2004("txtSize"), QStringLiteral("2048"));
    EXPECT_EQ(field2004("locationText"), QStringLiteral("lesson1.html"));
    EXPECT_TRUE(readFile(QStringLiteral("temp/1.xml")).startsWith("<classification"));
    // The file is shown as it is on disk, and left as it was.
    ASSERT_TRUE(frmDocumentLoaded());
    EXPECT_EQ(frmDocument().rtfXMLOutput()->toPlainText().toUtf8(), before);
    EXPECT_EQ(readFile(QStringLiteral("lom2004.xml")), before);
    EXPECT_EQ(frmMain().lblCurFile()->text(), QStringLiteral("lom2004.xml"));
    EXPECT_EQ(dialogs.calls().size(), 1);
}

TEST_F(Open, Scorm12FileInScorm2004ModeAsksToSwitch)
{
    start(QStringLiteral("2004"));
    const QString file = copy(QStringLiteral("scorm12.xml"));
    dialogs.answer(Answer::No);
    EXPECT_TRUE(frmMain().openSelectedFile(false, file, false));
    ASSERT_EQ(dialogs.calls().size(), 1);
    EXPECT_EQ(dialogs.calls()[0].text,
              QStringLiteral("You are trying to open a SCORM 1.2 XML file using the SCORM 2004 Editor.\r"
                             "Would you like to switch to the SCORM 1.2 Editor now?"));
    EXPECT_EQ(frmMain().scormVersion, QStringLiteral("SCORM 2004"));
}

TEST_F(Open, LomNamespaceAloneMakesAScorm2004File)
{
    start(QStringLiteral("2004"));
    const QString file = copy(QStringLiteral("lom2004.xml"));
    EXPECT_FALSE(frmMain().openSelectedFile(false, file, false));
    EXPECT_TRUE(dialogs.calls().isEmpty()) << dialogs.messages().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(field2004("titleText"), QStringLiteral("Fractions for Beginners"));
}

// A record wrapped in another element is known for SCORM 2004 by its general element alone; which forms are
// known, and what each reads into the editor with which notices, the header and reader tables show.
TEST_F(Open, WrappedScorm2004RecordReachesTheScorm2004Editor)
{
    start(QStringLiteral("12"));
    ASSERT_TRUE(QFile::copy(testData(QStringLiteral("reader2004/wrapped.xml")), path(QStringLiteral("wrapped.xml"))));
    dialogs.answer(Answer::Yes);
    EXPECT_FALSE(frmMain().openSelectedFile(false, path(QStringLiteral("wrapped.xml")), false));
    EXPECT_EQ(frmMain().scormVersion, QStringLiteral("SCORM 2004"));
    EXPECT_EQ(field2004("titleText"), QStringLiteral("Wrapped"));
    EXPECT_EQ(dialogs.pendingAnswers(), 0u);
}

// The record a file is read for tells its binding, whatever else the file holds (a general element of another
// binding in an extension, in the record's lom or in a foreign lom before it; a namespace written wrong), but for
// a file that mentions "SCORM_CAM_v1.3": the question asked, or none where the active editor is the file's, and
// the editor that reads the record's title.
TEST_F(Open, TheRecordReadTellsTheBindingOfTheFile)
{
    start(QStringLiteral("12"));
    failOnUnanswered = false;
    const QString to2004 = QStringLiteral("You are trying to open a SCORM 2004 XML file using the SCORM 1.2 Editor.\r"
                                          "Would you like to switch to the SCORM 2004 Editor now?");
    const QString to12 = QStringLiteral("You are trying to open a SCORM 1.2 XML file using the SCORM 2004 Editor.\r"
                                        "Would you like to switch to the SCORM 1.2 Editor now?");
    const QByteArray ims = "xmlns=\"http://www.imsglobal.org/xsd/imsmd_rootv1p2p1\"";
    const QByteArray title12 = "<general><title><langstring>Shape</langstring></title></general>";
    const QByteArray title2004 = "<general><title><string>Shape</string></title></general>";
    const QByteArray mistyped12 = "<lom xmlns=\"http://www.imsglp1\">" + title12 + "</lom>";
    const struct {
        const char *what;
        const char *from; // the active editor's binding
        QByteArray file;
        bool asked;
        const char *binding;
    } rows[] = {
        {"a SCORM 1.2 record whose namespace is written wrong", "2004", mistyped12, true, "SCORM 1.2"},
        {"the same in the SCORM 1.2 editor", "12", mistyped12, false, "SCORM 1.2"},
        {"a SCORM 2004 record whose namespace is written wrong", "12",
         "<lom xmlns=\"http://ltsc.ieee.orsd/LOM\">" + title2004 + "</lom>", true, "SCORM 2004"},
        {"a manifest whose inline record has a namespace that only looks like an IMS one", "2004",
         "<manifest xmlns=\"http://www.imsproject.org/xsd/imscp_rootv1p1p2\"><metadata><md:lom xmlns:md=\"http://www."
         "imsglobal.org/xsd/ims_metadata_v1p2\"><md:general><md:title><md:langstring>Shape</md:langstring></md:title>"
         "</md:general></md:lom></metadata></manifest>",
         true, "SCORM 1.2"},
        {"a SCORM 1.2 record whose extension holds a SCORM 2004 general element first", "12",
         "<lom " + ims + " xmlns:o=\"urn:o\"><o:ext><general xmlns=\"http://ltsc.ieee.org/xsd/LOM\"/></o:ext>" + title12 +
             "</lom>",
         false, "SCORM 1.2"},
        {"a SCORM 1.2 record whose lom holds a SCORM 2004 general element before its own", "2004",
         "<lom " + ims + "><general xmlns=\"http://ltsc.ieee.org/xsd/LOM\"/>" + title12 + "</lom>", true, "SCORM 1.2"},
        {"a file whose first lom element is foreign, before a SCORM 2004 record", "12",
         "<metadata><lom xmlns=\"urn:foreign\"><general/></lom><lom xmlns=\"http://ltsc.ieee.org/xsd/LOM\">" +
             title2004 + "</lom></metadata>",
         true, "SCORM 2004"},
        {"a SCORM 1.2 record that mentions SCORM_CAM_v1.3", "12",
         "<lom " + ims + "><general><title><langstring>Shape</langstring></title><description><langstring>"
                         "SCORM_CAM_v1.3</langstring></description></general></lom>",
         true, "SCORM 2004"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        const bool from2004 = QLatin1String(row.from) == QLatin1String("2004");
        if ((frmMain().scormVersion == QLatin1String("SCORM 2004")) != from2004) {
            dialogs.answer(Answer::Yes);
            frmMain().openSelectedFile(false, copy(QLatin1String(from2004 ? "lom2004.xml" : "scorm12.xml")), false);
        }
        dialogs.clear();
        writeFile(QStringLiteral("shape.xml"), row.file);
        dialogs.answer(Answer::Yes);
        EXPECT_FALSE(frmMain().openSelectedFile(false, path(QStringLiteral("shape.xml")), false));
        const bool asked = !dialogs.calls().isEmpty() && dialogs.calls()[0].title == QLatin1String("Switch Modes?");
        EXPECT_EQ(asked, row.asked);
        if (asked) {
            EXPECT_EQ(dialogs.calls()[0].text, from2004 ? to12 : to2004);
        }
        EXPECT_EQ(frmMain().scormVersion, QLatin1String(row.binding));
        EXPECT_EQ(frmMain().scormVersion == QLatin1String("SCORM 2004") ? field2004("titleText")
                                                                         : frmOptions().fieldText(QStringLiteral("titleText")),
                  QStringLiteral("Shape"));
    }
}

TEST_F(Open, MalformedFileShowsTheParseNoticeAndCountsAsFailed)
{
    start(QStringLiteral("2004"));
    writeFile(QStringLiteral("broken.xml"),
              "<lom xmlns=\"http://ltsc.ieee.org/xsd/LOM\">\r\n<general>\r\n<title><string>T</title>\r\n</lom>\r\n");
    const QByteArray before = readFile(QStringLiteral("broken.xml"));
    EXPECT_TRUE(frmMain().openSelectedFile(false, path(QStringLiteral("broken.xml")), false));
    ASSERT_FALSE(dialogs.calls().isEmpty());
    const DialogCall &notice = dialogs.calls().last();
    EXPECT_EQ(notice.title, QStringLiteral("Notice"));
    EXPECT_EQ(notice.icon, Icon::Information);
    EXPECT_TRUE(notice.text.startsWith(QStringLiteral("Unsupported XML on line 3, position "))) << notice.text.toStdString();
    EXPECT_TRUE(notice.text.contains(QStringLiteral("\r\n\r\n<title><string>T</title>\r\n\r\n")));
    EXPECT_EQ(readFile(QStringLiteral("broken.xml")), before);
}

TEST_F(Open, FileWithoutGeneralIsRefusedAndLeftAlone)
{
    start(QStringLiteral("2004"));
    writeFile(QStringLiteral("empty.xml"), "<lom xmlns=\"http://ltsc.ieee.org/xsd/LOM\"></lom>\r\n");
    EXPECT_TRUE(frmMain().openSelectedFile(false, path(QStringLiteral("empty.xml")), false));
    ASSERT_EQ(dialogs.calls().size(), 1);
    EXPECT_EQ(dialogs.calls()[0].text,
              QStringLiteral("Problem encountered while opening XML file. This may affect your XML file"));
    EXPECT_EQ(dialogs.calls()[0].title, QStringLiteral("Invalid Metadata File"));
    EXPECT_EQ(readFile(QStringLiteral("empty.xml")), QByteArray("<lom xmlns=\"http://ltsc.ieee.org/xsd/LOM\"></lom>\r\n"));
}

TEST_F(Open, DialogCancelEndsQuietly)
{
    start(QStringLiteral("12"));
    dialogs.answerText(std::nullopt);
    EXPECT_TRUE(frmMain().openSelectedFile(false, QStringLiteral("0"), false));
    ASSERT_EQ(dialogs.calls().size(), 1);
    EXPECT_EQ(dialogs.calls()[0].kind, DialogCall::Kind::OpenFile);
    EXPECT_EQ(dialogs.calls()[0].title, QStringLiteral("Open"));
    EXPECT_EQ(dialogs.calls()[0].file.filter, QStringLiteral("XML Files (*.xml)|*.xml"));
    // The program folder, or its "data" folder when there is one.
    EXPECT_EQ(dialogs.calls()[0].file.initialDir, programFolder());
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("data"))));
    dialogs.answerText(std::nullopt);
    frmMain().openSelectedFile(false, QStringLiteral("0"), false);
    EXPECT_EQ(dialogs.calls().last().file.initialDir, path(QStringLiteral("data")));
}

TEST_F(Open, MissingFileIsReportedWithTheCommonText)
{
    start(QStringLiteral("12"));
    EXPECT_TRUE(frmMain().openSelectedFile(false, path(QStringLiteral("nowhere.xml")), false));
    ASSERT_EQ(dialogs.calls().size(), 1);
    EXPECT_EQ(dialogs.calls()[0].text,
              QStringLiteral("Error 53 (File not found) in procedure openSelectedFile of Form frmMain"));
}

TEST_F(Open, DefaultTemplateOpenedAsTemplateShowsNewFile)
{
    start(QStringLiteral("2004"));
    copy(QStringLiteral("lom2004.xml"), QStringLiteral("templates/default.tsm"));
    EXPECT_TRUE(frmMain().openSelectedFile(false, path(QStringLiteral("templates/default.tsm")), true));
    EXPECT_EQ(field2004("titleText"), QStringLiteral("Fractions for Beginners"));
    EXPECT_EQ(frmMain().lblCurFile()->text(), QStringLiteral("- new file -"));
    EXPECT_FALSE(frmDocumentLoaded());
}

TEST_F(Open, FileOpenOffersNoCategoryDialogWhenNothingWasRead)
{
    start(QStringLiteral("12"));
    const QString file = copy(QStringLiteral("lom2004.xml"));
    dialogs.answerText(file);
    dialogs.answer(Answer::No); // stay with SCORM 1.2
    frmMain().action(QStringLiteral("mnuFileOpen"))->trigger();
    EXPECT_FALSE(frmMain().dontValidate);
    EXPECT_EQ(frmMain().scormVersion, QStringLiteral("SCORM 1.2"));
    EXPECT_EQ(dialogs.calls().size(), 2);
}

TEST_F(Open, ValidFileIsConfirmedOnlyWhenAsked)
{
    start(QStringLiteral("2004"));
    const QString file = copy(QStringLiteral("lom2004.xml"));
    EXPECT_FALSE(frmMain().openSelectedFile(false, file, false));
    EXPECT_TRUE(dialogs.calls().isEmpty()) << dialogs.messages().join(QLatin1Char('|')).toStdString();

    EXPECT_FALSE(frmMain().openSelectedFile(true, file, false));
    ASSERT_EQ(dialogs.calls().size(), 1);
    EXPECT_EQ(dialogs.calls()[0].text, QStringLiteral("Valid Metadata XML File\rRemember to check this file with the "
                                                      "ADL Conformance Test Suite to receive a test log."));
    EXPECT_EQ(dialogs.calls()[0].buttons, Buttons::Ok);
    EXPECT_EQ(dialogs.calls()[0].title, QStringLiteral("Tagsmith"));
}

TEST_F(Open, CurrentFileLabelNamesTheFileOrANewFileForTheDefaultTemplate)
{
    start(QStringLiteral("2004"));
    const QString file = copy(QStringLiteral("lom2004.xml"), QStringLiteral("lesson.xml"));
    frmMain().lblDefTemp()->setText(QStringLiteral("lesson.xml"));
    EXPECT_FALSE(frmMain().openSelectedFile(false, file, false));
    EXPECT_EQ(frmMain().lblCurFile()->text(), QStringLiteral("- new file -"));

    // Through the Open dialog the label shows the file's name whatever the default template is.
    dialogs.answerText(file);
    EXPECT_FALSE(frmMain().openSelectedFile(false, QStringLiteral("0"), false));
    EXPECT_EQ(frmMain().lblCurFile()->text(), QStringLiteral("lesson.xml"));

    frmMain().lblDefTemp()->setText(QStringLiteral("default.tsm"));
    frmOptions2004().showSavedStatus(QStringLiteral("Saved"));
    EXPECT_FALSE(frmMain().openSelectedFile(false, file, false));
    EXPECT_EQ(frmMain().lblCurFile()->text(), QStringLiteral("lesson.xml"));
    // Neither another record opened nor a new one is the record that was saved as a template.
    auto *saved = find<QLabel>(&frmOptions2004(), QStringLiteral("lblSaved"));
    EXPECT_TRUE(saved->text().isEmpty());
    frmOptions2004().showSavedStatus(QStringLiteral("Saved"));
    frmMain().mnuFileNew_Click();
    EXPECT_TRUE(saved->text().isEmpty());
    EXPECT_EQ(frmMain().lblCurFile()->text(), QStringLiteral("- new file -"));
}

class FileNew : public Open {};

TEST_F(FileNew, WithoutSaveOptionsClearsAtOnce)
{
    start(QStringLiteral("2004"));
    find<QLineEdit>(&frmOptions2004(), QStringLiteral("titleText"))->setText(QStringLiteral("old"));
    frmMain().action(QStringLiteral("mnuFileNew"))->trigger();
    EXPECT_TRUE(field2004("titleText").isEmpty());
    EXPECT_FALSE(frmMain().action(QStringLiteral("mnuSaveasTemplate"))->isEnabled());
    EXPECT_FALSE(frmMain().action(QStringLiteral("mnuExport"))->isEnabled());
    EXPECT_TRUE(dialogs.calls().isEmpty());
}

TEST_F(FileNew, CancelInThePromptKeepsTheRecord)
{
    start(QStringLiteral("2004"));
    writeFile(QStringLiteral("settings.dat"), "showTipAtStartup.0\r\nshowSaveOptions.1\r\n");
    find<QLineEdit>(&frmOptions2004(), QStringLiteral("titleText"))->setText(QStringLiteral("keep me"));
    answerSavePrompt({QStringLiteral("cmdCancel")});
    frmMain().mnuFileNew_Click();
    EXPECT_EQ(field2004("titleText"), QStringLiteral("keep me"));
    EXPECT_TRUE(frmMain().cancelExit);
    EXPECT_TRUE(dialogs.calls().isEmpty());

    answerSavePrompt({QStringLiteral("cmdNo")});
    frmMain().mnuFileNew_Click();
    EXPECT_TRUE(field2004("titleText").isEmpty());
}


TEST_F(FileNew, MissingOrOddSaveOptionsSettingClearsAndLeavesTheMenu)
{
    start(QStringLiteral("2004"));
    for (const char *settings : {"showTipAtStartup.0\r\n", "showTipAtStartup.0\r\nshowSaveOptions.x\r\n"}) {
        SCOPED_TRACE(settings);
        writeFile(QStringLiteral("settings.dat"), settings);
        frmMain().action(QStringLiteral("mnuSaveasTemplate"))->setEnabled(true);
        frmMain().action(QStringLiteral("mnuExport"))->setEnabled(true);
        find<QLineEdit>(&frmOptions2004(), QStringLiteral("titleText"))->setText(QStringLiteral("old"));
        frmMain().mnuFileNew_Click();
        EXPECT_TRUE(field2004("titleText").isEmpty());
        EXPECT_TRUE(frmMain().action(QStringLiteral("mnuSaveasTemplate"))->isEnabled());
        EXPECT_TRUE(frmMain().action(QStringLiteral("mnuExport"))->isEnabled());
        EXPECT_TRUE(dialogs.calls().isEmpty());
    }
}

TEST_F(FileNew, PromptClosedWithoutAnAnswerAsksForATemplateFile)
{
    start(QStringLiteral("2004"));
    writeFile(QStringLiteral("settings.dat"), "showTipAtStartup.0\r\nshowSaveOptions.1\r\n");
    auto closePrompt = [this] {
        // No template name: the prompt stays open and is closed without an answer.
        answerSavePrompt({QStringLiteral("cmdYes"), QStringLiteral("close")});
        dialogs.answerText(QString());
    };

    // Cancel in the save dialog clears the editor, without a message.
    find<QLineEdit>(&frmOptions2004(), QStringLiteral("titleText"))->setText(QStringLiteral("old"));
    closePrompt();
    dialogs.answerText(std::nullopt);
    frmMain().mnuFileNew_Click();
    ASSERT_EQ(dialogs.calls().size(), 2);
    const DialogCall &save = dialogs.calls()[1];
    EXPECT_EQ(save.kind, DialogCall::Kind::SaveFile);
    EXPECT_EQ(save.title, QStringLiteral("Save As Template"));
    EXPECT_EQ(save.file.filter, QStringLiteral("Template Files (*.tsm)|*.tsm"));
    EXPECT_TRUE(field2004("titleText").isEmpty());

    // An empty file name ends the command: nothing is saved and nothing cleared.
    dialogs.clear();
    find<QLineEdit>(&frmOptions2004(), QStringLiteral("titleText"))->setText(QStringLiteral("kept"));
    closePrompt();
    dialogs.answerText(QString());
    frmMain().mnuFileNew_Click();
    EXPECT_EQ(dialogs.calls().size(), 2);
    EXPECT_EQ(field2004("titleText"), QStringLiteral("kept"));
}

TEST_F(Open, EverySampleOpensInTheEditorOfItsBindingAndStaysAsItWas)
{
    const QString samples = sharedDir() + QStringLiteral("/samples");
    if (sharedDir().isEmpty() || !QDir(samples).exists())
        GTEST_SKIP() << "The shared samples folder is absent; the real files were not opened.";
    start(QStringLiteral("12"));
    failOnUnanswered = false;
    // Records open into the editor of their binding; manifests hold no record and are refused.
    const struct {
        const char *folder;
        bool read;
        const char *binding;
    } folders[] = {{"imsmd12", true, "SCORM 1.2"}, {"lom", true, "SCORM 2004"}, {"manifests", false, nullptr}};
    for (const auto &folder : folders) {
        const QString from = samples + QLatin1Char('/') + QLatin1String(folder.folder);
        const QStringList names = QDir(from).entryList({QStringLiteral("*.xml")}, QDir::Files);
        EXPECT_FALSE(names.isEmpty()) << folder.folder;
        for (const QString &name : names) {
            SCOPED_TRACE((QLatin1String(folder.folder) + QLatin1Char('/') + name).toStdString());
            QFile::remove(path(name));
            ASSERT_TRUE(QFile::copy(from + QLatin1Char('/') + name, path(name)));
            const QByteArray before = readFile(name);
            dialogs.clear();
            dialogs.answer(Answer::Yes); // switch editors when asked
            EXPECT_EQ(frmMain().openSelectedFile(false, path(name), false), !folder.read);
            EXPECT_EQ(readFile(name), before);
            if (!folder.read) {
                EXPECT_TRUE(dialogs.messages().contains(
                    QStringLiteral("Problem encountered while opening XML file. This may affect your XML file")));
                continue;
            }
            EXPECT_EQ(frmMain().scormVersion, QLatin1String(folder.binding));
            // Every record has a title or a description, which the editor shows.
            const bool is2004 = frmMain().scormVersion == QLatin1String("SCORM 2004");
            const QString shown =
                is2004 ? field2004("titleText") + field2004("courseDescription")
                       : frmOptions().fieldText(QStringLiteral("titleText")) +
                             frmOptions().fieldText(QStringLiteral("courseDescription"));
            EXPECT_FALSE(shown.isEmpty());
        }
    }
}

TEST_F(FileNew, TemplateFileChosenAfterTheClosedPromptIsSavedInTheTemplatesFolder)
{
    start(QStringLiteral("12"));
    writeFile(QStringLiteral("settings.dat"), "showTipAtStartup.0\r\nshowSaveOptions.1\r\n");
    frmMain().dontValidate = true;
    frmOptions().setFieldText(QStringLiteral("titleText"), QStringLiteral("Kept in the template"));
    frmMain().dontValidate = false;
    frmMain().action(QStringLiteral("mnuSaveasTemplate"))->setEnabled(true);
    frmMain().action(QStringLiteral("mnuExport"))->setEnabled(true);
    answerSavePrompt({QStringLiteral("cmdYes"), QStringLiteral("close")});
    dialogs.answerText(QString()); // no template name: the prompt is closed without an answer
    dialogs.answerText(path(QStringLiteral("elsewhere/mine.tsm")));
    frmMain().mnuFileNew_Click();
    // Saved under its name in the templates folder, whatever folder the dialog showed.
    EXPECT_TRUE(readFile(QStringLiteral("templates/mine.tsm")).contains("Kept in the template"));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("elsewhere/mine.tsm"))));
    EXPECT_TRUE(frmOptions().fieldText(QStringLiteral("titleText")).isEmpty());
    EXPECT_FALSE(frmMain().action(QStringLiteral("mnuSaveasTemplate"))->isEnabled());
    EXPECT_FALSE(frmMain().action(QStringLiteral("mnuExport"))->isEnabled());
    EXPECT_EQ(dialogs.calls().size(), 2) << dialogs.messages().join(QLatin1Char('|')).toStdString();
}

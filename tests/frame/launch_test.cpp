#include "support/testmain.h"

#include "framefixture.h"

#include "frame/webaddresses.h"
#include "platform/programfolder.h"
#include "platform/qt/desktopshell.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QRegularExpression>

using namespace ts;
using namespace ts::test;

// The commands that start the companion programs, hand a template over to batch, and open the help pages,
// the feedback page and the About box.
class Launch : public FrameTest {};

TEST_F(Launch, CompanionProgramsStartOrAreReportedMissing)
{
    startMain();
    writeFile(QStringLiteral("chosen.xml"), "<lom/>");
    const struct {
        const char *entry;
        const char *program;
    } rows[] = {{"mnuConvert", "lomshift"}, {"mnuBatch", "batch"}};
    for (const auto &row : rows) {
        for (const Shell::Result result : {Shell::Result::Ok, Shell::Result::FileNotFound}) {
            dialogs.clear();
            shell.started.clear();
            shell.nextResult = result;
            if (QLatin1String(row.program) == QLatin1String("batch"))
                dialogs.answerText(path(QStringLiteral("chosen.xml")));
            trigger(row.entry);
            EXPECT_EQ(shell.started, QStringList{QLatin1String(row.program)});
            const QStringList messages = dialogs.messages();
            if (result == Shell::Result::Ok) {
                EXPECT_TRUE(messages.isEmpty()) << row.program;
                continue;
            }
            ASSERT_EQ(messages.size(), 1) << row.program;
            EXPECT_EQ(messages[0], QStringLiteral("The file '%1' is missing from the application directory.\rPlease "
                                                  "replace this file or reinstall Tagsmith.")
                                       .arg(QLatin1String(row.program)));
            EXPECT_EQ(dialogs.calls().last().title, QStringLiteral("Missing File"));
            EXPECT_EQ(dialogs.calls().last().icon, Icon::Critical);
        }
    }
}

TEST_F(Launch, BatchHandsTheChosenFileOverWithOneMoreLineEnd)
{
    startMain();
    const struct {
        QByteArray chosen;
        QByteArray handedOver;
    } rows[] = {
        {"<lom>\xC3\xA9</lom>", "<lom>\xC3\xA9</lom>\r\n"},
        {"<lom/>\r\n", "<lom/>\r\n\r\n"},
        {"<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><lom>\xE9</lom>",
         "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><lom>\xE9</lom>\r\n"},
    };
    for (const auto &row : rows) {
        dialogs.clear();
        writeFile(QStringLiteral("chosen.xml"), row.chosen);
        dialogs.answerText(path(QStringLiteral("chosen.xml")));
        trigger("mnuBatch");
        EXPECT_EQ(readFile(QStringLiteral("common/scorm_template.xml")), row.handedOver);
    }
    const DialogCall &ask = dialogs.calls().at(0);
    EXPECT_EQ(ask.title, QStringLiteral("Select an XML file to use as a Template"));
    EXPECT_EQ(ask.file.filter, QStringLiteral("XML File (*.xml)|*.xml"));
    EXPECT_EQ(ask.file.initialDir, programFolder());

    // Without the "common" folder nothing is handed over and batch is not started.
    shell.started.clear();
    ASSERT_TRUE(QDir(path(QStringLiteral("common"))).removeRecursively());
    dialogs.clear();
    dialogs.answerText(path(QStringLiteral("chosen.xml")));
    trigger("mnuBatch");
    EXPECT_EQ(dialogs.messages(),
              QStringList{QStringLiteral("Error 76 (Path not found) in procedure mnuBatch_Click of Form frmMain")});
    EXPECT_TRUE(shell.started.isEmpty());
}

TEST_F(Launch, AStandInCompanionStartsInTheProgramFolder)
{
    startMain();
    DesktopShell desktop;
    setShell(&desktop);
    writeFile(QStringLiteral("lomshift"), "#!/bin/sh\npwd > started.txt\n");
    QFile::setPermissions(path(QStringLiteral("lomshift")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    trigger("mnuConvert");
    QElapsedTimer clock;
    clock.start();
    while (!QFile::exists(path(QStringLiteral("started.txt"))) && clock.elapsed() < 10000)
        processEvents();
    setShell(&shell);
    EXPECT_EQ(QString::fromLocal8Bit(readFile(QStringLiteral("started.txt"))).trimmed(),
              QDir(programFolder()).canonicalPath());
    EXPECT_TRUE(dialogs.calls().isEmpty());
}

TEST_F(Launch, HelpPagesOpenFromTheProgramFolderAndLinkToEachOther)
{
    startMain();
    trigger("mnuHelpContents");
    ASSERT_EQ(shell.opened, QStringList{path(QStringLiteral("help/index.html"))});
    // Every page the build delivers links only to pages that are there.
    static const QRegularExpression link(QStringLiteral("href=\"([^\"#:]+)\""));
    const QDir help(path(QStringLiteral("help")));
    const QStringList pages = help.entryList({QStringLiteral("*.html")});
    EXPECT_GE(pages.size(), 5);
    for (const QString &page : pages)
        for (const auto &m : link.globalMatch(QString::fromUtf8(readFile(QStringLiteral("help/") + page))))
            EXPECT_TRUE(help.exists(m.captured(1))) << page.toStdString() << " -> " << m.captured(1).toStdString();
}

TEST_F(Launch, FeedbackAsksFirstAndAboutLinksToTheMaker)
{
    startMain();
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        dialogs.answer(answer);
        trigger("mnuFeedback");
    }
    EXPECT_EQ(shell.opened, QStringList{feedbackPageAddress()});
    EXPECT_EQ(dialogs.calls().at(0).title, QStringLiteral("Feedback"));
    EXPECT_EQ(dialogs.calls().at(0).text,
              QStringLiteral("You are being routed to https://tagsmith.example.org/feedback to provide feedback.\rNote: "
                             "No personal information will be collect unless you provide it to us.\rDo you wish to "
                             "continue?"));

    onNextModal(
        [](QWidget *about) {
            EXPECT_EQ(about->windowTitle(), QStringLiteral("SCORM Tagsmith"));
            EXPECT_EQ(about->parentWidget(), &frmMain());
            auto *link = find<QLabel>(about, QStringLiteral("Label3"));
            emit link->linkActivated(link->text());
            about->close();
        },
        QStringLiteral("frmAbout"));
    trigger("mnuHelpAbout");
    EXPECT_EQ(shell.opened.last(), homePageAddress());
}

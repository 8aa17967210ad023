#include "support/testmain.h"

#include "framefixture.h"

#include "platform/programfolder.h"
#include "platform/qt/desktopshell.h"

#include <QDir>

#include <sys/prctl.h>

using namespace ts;
using namespace ts::test;

// The commands that start the companion programs, hand a template over to batch, and open the help pages.
class Launch : public FrameTest {};

// A present companion program starts, as the two tests below show; a missing one is reported.
TEST_F(Launch, AMissingCompanionProgramIsReportedAndNothingStarts)
{
    startMain();
    writeFile(QStringLiteral("chosen.xml"), "<lom/>");
    for (const char *program : {"lomshift", "batch"}) {
        dialogs.clear();
        if (program[0] == 'b')
            dialogs.answerText(path(QStringLiteral("chosen.xml")));
        trigger(program[0] == 'b' ? "mnuBatch" : "mnuConvert");
        EXPECT_TRUE(shell.ran.isEmpty());
        EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("The file '%1' is missing from the application "
                                                                 "directory.\rPlease replace this file or reinstall "
                                                                 "Tagsmith.")
                                                      .arg(QLatin1String(program))});
        EXPECT_EQ(dialogs.calls().last().title, QStringLiteral("Missing File"));
        EXPECT_EQ(dialogs.calls().last().icon, Icon::Critical);
    }
}

// The chosen template is handed over, and the real batch of the program folder is asked to start there.
TEST_F(Launch, BatchHandsTheChosenFileOverWithOneMoreLineEnd)
{
    startMain();
    ASSERT_TRUE(QFile::copy(QStringLiteral(TAGSMITH_PROGRAM_DIR "/batch"), path(QStringLiteral("batch"))));
    const QByteArray rows[] = {"<lom>\xC3\xA9</lom>", "<lom/>\r\n",
                               "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><lom>\xE9</lom>"};
    for (const QByteArray &chosen : rows) {
        shell.ran.clear();
        writeFile(QStringLiteral("chosen.xml"), chosen);
        dialogs.answerText(path(QStringLiteral("chosen.xml")));
        trigger("mnuBatch");
        EXPECT_EQ(readFile(QStringLiteral("common/scorm_template.xml")), chosen + "\r\n");
        const RecordingShell::Run started{path(QStringLiteral("batch")), {}, programFolder()};
        EXPECT_EQ(shell.ran, QList{started});
    }
    EXPECT_EQ(dialogs.calls().at(0).title, QStringLiteral("Select an XML file to use as a Template"));
    EXPECT_EQ(dialogs.calls().at(0).file.initialDir, programFolder());
    // A file larger than the editors open is refused as they refuse it, before anything is handed over.
    shell.ran.clear();
    writeFile(QStringLiteral("big.xml"), QByteArray(10 * 1024 * 1024 + 1, ' '));
    dialogs.answerText(path(QStringLiteral("big.xml")));
    trigger("mnuBatch");
    EXPECT_EQ(dialogs.calls().last().title + u'|' + dialogs.calls().last().text,
              QStringLiteral("Problem Loading File|%1 is too large to open (10.0 MB). Files of up to 10 MB are opened.")
                  .arg(path(QStringLiteral("big.xml"))));
    EXPECT_EQ(readFile(QStringLiteral("common/scorm_template.xml")), rows[2] + "\r\n");
    EXPECT_TRUE(shell.ran.isEmpty());
    // Without the "common" folder nothing is handed over and batch is not started.
    dialogs.clear();
    ASSERT_TRUE(QDir(path(QStringLiteral("common"))).removeRecursively());
    dialogs.answerText(path(QStringLiteral("chosen.xml")));
    trigger("mnuBatch");
    EXPECT_EQ(dialogs.messages(),
              QStringList{QStringLiteral("Error 76 (Path not found) in procedure mnuBatch_Click of Form frmMain")});
    EXPECT_TRUE(shell.ran.isEmpty());
}

TEST_F(Launch, AStandInCompanionStartsInTheProgramFolder)
{
    startMain();
    // Orphans come back here, as to the first process of a container: what is started must be reaped here.
    ASSERT_EQ(prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
    DesktopShell desktop;
    setShell(&desktop);
    writeFile(QStringLiteral("lomshift"), "#!/bin/sh\necho $$ > pid.txt\npwd > started.txt\n");
    QFile::setPermissions(path(QStringLiteral("lomshift")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    trigger("mnuConvert");
    EXPECT_TRUE(waitUntil([this] { return QFile::exists(path(QStringLiteral("started.txt"))); }));
    setShell(&shell);
    EXPECT_EQ(readFile(QStringLiteral("started.txt")).trimmed(), QFile::encodeName(QDir(programFolder()).canonicalPath()));
    EXPECT_TRUE(dialogs.calls().isEmpty());
    // It ends at once and is reaped, not left behind as a defunct process.
    const QString process = QStringLiteral("/proc/") + QLatin1String(readFile(QStringLiteral("pid.txt")).trimmed());
    EXPECT_TRUE(waitUntil([&process] { return !QFileInfo::exists(process); }));
    prctl(PR_SET_CHILD_SUBREAPER, 0);
}

TEST_F(Launch, HelpContentsOpensTheProgramsOwnPages)
{
    startMain();
    trigger("mnuHelpContents");
    EXPECT_EQ(shell.opened, QStringList{path(QStringLiteral("help/index.html"))});
    EXPECT_TRUE(readFile(QStringLiteral("help/index.html")).contains("<title>Tagsmith Help</title>"));
    // With no browser to hand the page to, a message says so and names it.
    shell.nextResult = Shell::Result::Failed;
    trigger("mnuHelpContents");
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Unable to open %1\rNo web browser could be started to "
                                                             "show it.")
                                                  .arg(path(QStringLiteral("help/index.html")))});
}

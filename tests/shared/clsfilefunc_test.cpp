#include "support/testmain.h"

#include "platform/textfile.h"
#include "shared/clsfilefunc.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <sys/stat.h>
#include <vector>

using namespace ts;
using namespace ts::test;
using F = clsFileFunc;

namespace {

const char *const kDir = "<dir>"; // the path is a folder

} // namespace

// A folder of files to work on in "w", with the home and data folders redirected into the test's own folder.
class FileFunc : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        m_home = qgetenv("HOME");
        m_data = qgetenv("XDG_DATA_HOME");
        qputenv("HOME", path(QString()).toLocal8Bit());
        qputenv("XDG_DATA_HOME", path(QStringLiteral("data")).toLocal8Bit());
        for (const char *file : {"a.txt", "b.txt", "docs/c.txt", "out2/docs/c.txt", "out2/docs/d.txt", "clash/docs"})
            writeFile(w(file), file == QLatin1String("out2/docs/c.txt")
                                   ? "old"
                                   : QFileInfo(file).baseName().toUpper().toLatin1());
        for (const char *dir : {"out", "clash/a.txt"})
            QDir().mkpath(path(w(dir)));
        QFile::link(QStringLiteral("c.txt"), path(w("docs/link")));
    }
    void TearDown() override
    {
        qputenv("HOME", m_home);
        m_data.isNull() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", m_data);
        ProgramFolderTest::TearDown();
    }
    static QString w(const char *relative) { return QStringLiteral("w/") + QString::fromUtf8(relative); }
    // What the path holds: its text, kDir for a folder, nullptr when there is nothing.
    const char *state(const QString &relative, QByteArray &text) const
    {
        const QFileInfo info(path(relative));
        if (info.isDir())
            return kDir;
        if (!info.exists())
            return nullptr;
        text = readFile(relative);
        return text.constData();
    }
    QByteArray m_home, m_data;
};

TEST_F(FileFunc, OperationsAnswerAndLeaveTheFilesAsTheyShould)
{
    enum Op { Copy, Move, Rename, Delete, Trash };
    const struct Row {
        Op op;
        const char *source; // in "w", or absolute when it begins with "/"
        const char *target;
        int flags;
        std::vector<Answer> answers;
        int result;
        std::vector<const char *> titles; // of the boxes shown, in order
        std::vector<std::pair<const char *, const char *>> after;
        const char *failWrite = nullptr; // the write of the file at that path fails after its first byte
        mode_t mode = 0; // set on the source first; every file of "after" that holds text has it then
    } rows[] = {
        // clang-format off
        {Copy, "a.txt", "copy.txt", 0, {}, F::kDone, {}, {{"w/a.txt", "A"}, {"w/copy.txt", "A"}}},
        {Copy, "a.txt", "copy.txt", 0, {}, F::kDone, {}, {{"w/a.txt", "A"}, {"w/copy.txt", "A"}}, nullptr, 0700},
        {Copy, "a.txt", "b.txt", F::FOF_NOCONFIRMATION, {}, F::kDone, {}, {{"w/b.txt", "A"}}, nullptr, 0600},
        {Copy, "a.txt", "out", 0, {}, F::kDone, {}, {{"w/out/a.txt", "A"}}},
        {Copy, "a.txt", "b.txt", 0, {Answer::Yes}, F::kDone, {"Confirm Replace"}, {{"w/b.txt", "A"}}},
        {Copy, "a.txt", "b.txt", 0, {Answer::No}, F::DE_OPCANCELLED, {"Confirm Replace"}, {{"w/b.txt", "B"}}},
        {Copy, "a.txt", "b.txt", F::FOF_NOCONFIRMATION, {}, F::kDone, {}, {{"w/b.txt", "A"}}},
        {Copy, "a.txt", "b.txt", F::FOF_RENAMEONCOLLISION, {}, F::kDone, {}, {{"w/b.txt", "B"}, {"w/b (2).txt", "A"}}},
        {Copy, "a.txt", "a.txt", F::FOF_RENAMEONCOLLISION, {}, F::kDone, {}, {{"w/a (2).txt", "A"}}},
        {Copy, "a.txt", "a.txt", 0, {}, F::DE_SAMEFILE, {"File Error"}, {{"w/a.txt", "A"}}},
        {Copy, "a.txt", "new/deep/a2.txt", 0, {Answer::Yes}, F::kDone, {"Confirm Create Folder"},
         {{"w/new/deep/a2.txt", "A"}}},
        {Copy, "a.txt", "new/a2.txt", 0, {Answer::No}, F::DE_OPCANCELLED, {"Confirm Create Folder"},
         {{"w/new", nullptr}}},
        {Copy, "a.txt", "new/a2.txt", F::FOF_NOCONFIRMMKDIR, {}, F::kDone, {}, {{"w/new/a2.txt", "A"}}},
        {Copy, "docs", "out", 0, {}, F::kDone, {},
         {{"w/out/docs/c.txt", "C"}, {"w/out/docs/link", "C"}, {"w/docs/c.txt", "C"}}},
        {Copy, "docs", "out2", 0, {Answer::Yes}, F::kDone, {"Confirm Replace"},
         {{"w/out2/docs/c.txt", "C"}, {"w/out2/docs/link", "C"}, {"w/out2/docs/d.txt", "D"}}},
        // A folder copy in which one file fails has failed.
        {Copy, "out2", "out", 0, {}, F::DE_UNKNOWN, {"File Error"},
         {{"w/out/out2/docs/c.txt", nullptr}, {"w/out2/docs/c.txt", "old"}}, "w/out/out2/docs/c.txt"},
        {Copy, "docs", "docs/inner", 0, {}, F::DE_DESTSUBTREE, {"File Error"}, {{"w/docs/inner", nullptr}}},
        {Copy, "a.txt", "clash", 0, {}, F::DE_FILEDESTISFLD, {"File Error"}, {{"w/clash/a.txt", kDir}}},
        {Copy, "docs", "clash", 0, {}, F::DE_FLDDESTISFILE, {"File Error"}, {{"w/clash/docs", "DOCS"}}},
        {Copy, "none.txt", "x.txt", 0, {}, F::ERROR_FILE_NOT_FOUND, {"File Error"}, {{"w/x.txt", nullptr}}},
        {Copy, "none.txt", "x.txt", F::FOF_NOERRORUI, {}, F::ERROR_FILE_NOT_FOUND, {}, {}},
        {Copy, "", "x.txt", 0, {}, F::DE_INVALIDFILES, {}, {}},
        {Copy, "a.txt", "", 0, {}, F::DE_INVALIDFILES, {}, {}},
        {Copy, "out2/docs/c.txt", "b.txt", F::FOF_NOCONFIRMATION, {}, F::DE_UNKNOWN, {"File Error"}, {{"w/b.txt", "B"}},
         "w/b.txt"},
        {Move, "a.txt", "moved.txt", 0, {}, F::kDone, {}, {{"w/a.txt", nullptr}, {"w/moved.txt", "A"}}},
        {Move, "docs", "out", 0, {}, F::kDone, {}, {{"w/docs", nullptr}, {"w/out/docs/c.txt", "C"}}},
        {Move, "docs", "out2", F::FOF_NOCONFIRMATION, {}, F::kDone, {},
         {{"w/docs", nullptr}, {"w/out2/docs/c.txt", "C"}, {"w/out2/docs/d.txt", "D"}}},
        // A move merged into a folder copies first: when that fails, the source stays whole.
        {Move, "out2/docs", ".", F::FOF_NOCONFIRMATION, {}, F::DE_UNKNOWN, {"File Error"},
         {{"w/out2/docs/c.txt", "old"}, {"w/out2/docs/d.txt", "D"}, {"w/docs/c.txt", "C"}}, "w/docs/c.txt"},
        {Move, "out", "out2", 0, {}, F::kDone, {}, {{"w/out", nullptr}, {"w/out2/out", kDir}}},
        {Move, "a.txt", "b.txt", 0, {Answer::No}, F::DE_OPCANCELLED, {"Confirm Replace"},
         {{"w/a.txt", "A"}, {"w/b.txt", "B"}}},
        {Rename, "a.txt", "renamed.txt", 0, {}, F::kDone, {}, {{"w/a.txt", nullptr}, {"w/renamed.txt", "A"}}},
        {Rename, "docs", "papers", 0, {}, F::kDone, {}, {{"w/docs", nullptr}, {"w/papers/c.txt", "C"}}},
        {Rename, "a.txt", "out/renamed.txt", 0, {}, F::DE_DIFFDIR, {"File Error"}, {{"w/a.txt", "A"}}},
        {Rename, "a.txt", "b.txt", 0, {}, F::ERROR_ALREADY_EXISTS, {"File Error"},
         {{"w/a.txt", "A"}, {"w/b.txt", "B"}}},
        {Rename, "a.txt", "b.txt", F::FOF_RENAMEONCOLLISION, {}, F::kDone, {},
         {{"w/b.txt", "B"}, {"w/b (2).txt", "A"}}},
        {Rename, "/", "x", F::FOF_NOERRORUI, {}, F::DE_ROOTDIR, {}, {}},
        {Rename, "a.txt", "", 0, {}, F::DE_INVALIDFILES, {}, {{"w/a.txt", "A"}}},
        {Delete, "a.txt", "", 0, {Answer::Yes}, F::kDone, {"Confirm Delete"},
         {{"w/a.txt", nullptr}, {"data/Trash", nullptr}}},
        {Delete, "a.txt", "", 0, {Answer::No}, F::DE_OPCANCELLED, {"Confirm Delete"}, {{"w/a.txt", "A"}}},
        {Delete, "a.txt", "", F::FOF_ALLOWUNDO | F::FOF_NOCONFIRMATION, {}, F::kDone, {},
         {{"w/a.txt", nullptr}, {"data/Trash/files/a.txt", "A"}}},
        {Trash, "docs", "", 0, {Answer::Yes}, F::kDone, {"Confirm Delete"},
         {{"w/docs", nullptr}, {"data/Trash/files/docs/c.txt", "C"}}},
        {Delete, "none.txt", "", 0, {}, F::ERROR_FILE_NOT_FOUND, {"File Error"}, {}},
        // clang-format on
    };
    int n = 0;
    for (const Row &r : rows) {
        SCOPED_TRACE(testing::Message() << "row " << n++ << ": " << r.source << " -> " << r.target);
        TearDown();
        SetUp();
        dialogs.clear();
        for (Answer a : r.answers)
            dialogs.answer(a);
        if (r.failWrite)
            failNextWrite(QString::fromUtf8(r.failWrite), 1);
        const QString source = *r.source == '/' || !*r.source ? QString::fromUtf8(r.source) : path(w(r.source));
        ASSERT_TRUE(!r.mode || ::chmod(QFile::encodeName(source).constData(), r.mode) == 0);
        const QString target = *r.target ? path(w(r.target)) : QString();
        // A rename takes the bare name or the whole path; rows give one of each.
        const QString newName =
            QString::fromUtf8(r.target).contains(QLatin1Char('/')) ? target : QString::fromUtf8(r.target);
        F f;
        int result = -1;
        switch (r.op) {
        case Copy: result = f.CopyFile(source, target, r.flags); break;
        case Move: result = f.MoveFile(source, target, r.flags); break;
        case Rename: result = f.RenameFile(source, newName, r.flags); break;
        case Delete: result = f.DeleteFile(source, false, r.flags); break;
        case Trash: result = f.DeleteFile(source, true, r.flags); break;
        }
        clearWriteFault();
        EXPECT_EQ(result, r.result);
        QStringList titles;
        for (const DialogCall &c : dialogs.calls())
            titles << c.title;
        QStringList expected;
        for (const char *t : r.titles)
            expected << QString::fromUtf8(t);
        EXPECT_EQ(titles.join(QLatin1Char('|')).toStdString(), expected.join(QLatin1Char('|')).toStdString());
        for (const auto &[where, what] : r.after) {
            QByteArray text;
            const char *found = state(QString::fromUtf8(where), text);
            EXPECT_STREQ(found, what) << where;
            struct stat status {};
            if (r.mode && found && found != kDir) {
                ::stat(QFile::encodeName(path(QString::fromUtf8(where))).constData(), &status);
                EXPECT_EQ(status.st_mode & 07777, r.mode) << where;
            }
        }
        EXPECT_EQ(dialogs.pendingAnswers(), 0u);
    }
}

TEST_F(FileFunc, OpenHandsDocumentsToTheDesktopAndStartsPrograms)
{
    writeFile(w("run.sh"), "#!/bin/sh\nexit 0\n");
    QFile::setPermissions(path(w("run.sh")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::setPermissions(path(w("b.txt")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString doc = path(w("a.txt")), script = path(w("run.sh"));
    const struct {
        QString file, args, dir, verb;
        Shell::Result shellAnswer;
        int result;
        QStringList opened;
        int ran;
    } rows[] = {
        {doc, {}, {}, {}, Shell::Result::Ok, F::kOpened, {doc}, 0},
        {doc, QStringLiteral("-x"), {}, QStringLiteral("Open"), Shell::Result::Ok, F::kOpened, {doc}, 0},
        {path(w("b.txt")), {}, {}, {}, Shell::Result::Ok, F::kOpened, {path(w("b.txt"))}, 0},
        {doc, {}, {}, QStringLiteral("print"), Shell::Result::Ok, F::SE_ERR_NOASSOC, {}, 0},
        {doc, {}, {}, {}, Shell::Result::Failed, F::SE_ERR_NOASSOC, {doc}, 0},
        {path(w("none")), {}, {}, {}, Shell::Result::FileNotFound, F::SE_ERR_FNF, {path(w("none"))}, 0},
        {{}, {}, {}, {}, Shell::Result::Ok, F::SE_ERR_FNF, {}, 0},
        {script, {}, path(w("none")), {}, Shell::Result::Ok, F::SE_ERR_PNF, {}, 0},
        {script, QStringLiteral("-a \"b c\""), path(w("out")), {}, Shell::Result::Ok, F::kOpened, {}, 1},
    };
    for (const auto &r : rows) {
        shell.opened.clear();
        shell.ran.clear();
        shell.nextResult = r.shellAnswer;
        EXPECT_EQ(F().OpenFile(r.file, r.args, 1, r.dir, r.verb), r.result) << r.file.toStdString();
        EXPECT_EQ(shell.opened, r.opened) << r.file.toStdString();
        ASSERT_EQ(shell.ran.size(), r.ran) << r.file.toStdString();
    }
    // The last row's program: its arguments split as a command line, in its working folder.
    EXPECT_EQ(shell.ran.constLast().program, script);
    EXPECT_EQ(shell.ran.constLast().arguments, QStringList({QStringLiteral("-a"), QStringLiteral("b c")}));
    EXPECT_EQ(shell.ran.constLast().workingFolder, path(w("out")));
}

TEST_F(FileFunc, SpecialFoldersFollowTheUsersFolders)
{
    F f;
    EXPECT_EQ(f.GetSpecialFolder(0, F::CSIDL_PROFILE), QDir::homePath());
    EXPECT_EQ(f.GetSpecialFolder(0, F::CSIDL_LOCAL_APPDATA), path(QStringLiteral("data")));
    EXPECT_EQ(f.GetSpecialFolder(0, F::CSIDL_PERSONAL),
              QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    EXPECT_EQ(f.GetSpecialFolder(0, F::CSIDL_WINDOWS), QStringLiteral("/usr"));
    EXPECT_EQ(f.GetSpecialFolder(0, F::CSIDL_SYSTEM), QStringLiteral("/usr/lib"));
    EXPECT_EQ(f.GetSpecialFolder(0, 0x7FFF), QString());
}

TEST_F(FileFunc, RegistrationWritesTheTypeItsProgramAndTheDefault)
{
    F f;
    QString ext = QStringLiteral("xyz");
    f.MakeFileDefault(QStringLiteral("Tagsmith.Document"), QString(), QStringLiteral("x"), ext);
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("data/applications"))));
    writeFile(QStringLiteral("data/applications/mimeapps.list"),
              "[Added Associations]\ntext/plain=edit.desktop\n[Default Applications]\ntext/html=web.desktop\n"
              "application/x-tagsmith.document=old.desktop\n[Removed Associations]\n");
    f.MakeFileDefault(QStringLiteral("Tagsmith.Document"), QStringLiteral("/opt/Tag smith/bin/tag$smith"),
                      QStringLiteral("Tagsmith metadata & templates"), ext);
    EXPECT_EQ(ext, QStringLiteral(".xyz"));
    QString second = QStringLiteral(".TSM");
    f.MakeFileDefault(QStringLiteral("Tagsmith.Document"), QStringLiteral("/opt/Tag smith/bin/tag$smith"),
                      QStringLiteral("Tagsmith metadata & templates"), second);
    EXPECT_EQ(second, QStringLiteral(".TSM"));
    EXPECT_EQ(readFile(QStringLiteral("data/applications/Tagsmith.Document.desktop")),
              "[Desktop Entry]\nType=Application\nName=Tagsmith.Document\n"
              "Exec=\"/opt/Tag smith/bin/tag\\\\$smith\" %f\nMimeType=application/x-tagsmith.document;\n"
              "NoDisplay=true\n");
    EXPECT_EQ(readFile(QStringLiteral("data/mime/packages/Tagsmith.Document.xml")).toStdString(),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
              "    <mime-type type=\"application/x-tagsmith.document\">\n"
              "        <comment>Tagsmith metadata &amp; templates</comment>\n"
              "        <glob pattern=\"*.xyz\"/>\n"
              "        <glob pattern=\"*.tsm\"/>\n"
              "    </mime-type>\n"
              "</mime-info>\n");
    EXPECT_EQ(readFile(QStringLiteral("data/applications/mimeapps.list")),
              "[Added Associations]\ntext/plain=edit.desktop\n[Default Applications]\ntext/html=web.desktop\n"
              "application/x-tagsmith.document=Tagsmith.Document.desktop\n[Removed Associations]\n");
    // The desktop's own tool took the type into the database it reads.
    if (!QStandardPaths::findExecutable(QStringLiteral("update-mime-database")).isEmpty()) {
        EXPECT_TRUE(readFile(QStringLiteral("data/mime/globs2")).contains("application/x-tagsmith.document:*.tsm"));
    }
}

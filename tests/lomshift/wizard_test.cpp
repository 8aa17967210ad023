#include "support/guitest.h"
#include "support/testmain.h"

#include "lomshift/common.h"
#include "lomshift/frmmain.h"
#include "platform/xmldocument.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

using namespace ts;
using namespace ts::lomshift;
using ts::test::find;
using ts::test::testData;

namespace {

const QByteArray kRecord2004 = "<lom xmlns='http://ltsc.ieee.org/xsd/LOM'><general/></lom>";

class Wizard : public ts::test::ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        Main();
        common().newFileLocation.clear();
        w = &frmMain();
    }
    void TearDown() override
    {
        if (frmMainLoaded())
            delete &frmMain();
        ProgramFolderTest::TearDown();
    }
    void click(const char *name) { find<QAbstractButton>(w, QString::fromLatin1(name))->click(); }
    int page() { return find<QTabWidget>(w, QStringLiteral("tabMainDialog"))->currentIndex(); }
    QStringList listed()
    {
        QStringList out;
        auto *list = find<QListWidget>(w, QStringLiteral("lstFiles"));
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return out;
    }
    bool green(int step)
    {
        return find<QLabel>(w, QStringLiteral("lblStep_%1").arg(step))->palette().color(QPalette::WindowText) == QColor(0, 255, 0);
    }
    QString lastMessage() { return dialogs.messages().value(dialogs.messages().size() - 1); }
    void copyIn(const QString &from, const QString &relative)
    {
        QDir().mkpath(QFileInfo(path(relative)).absolutePath());
        ASSERT_TRUE(QFile::copy(from, path(relative)));
    }
    // From the first step to the last, with the files added one by one.
    void toLastStep(const char *type, const QStringList &files)
    {
        click(type);
        click("cmdNext");
        for (const QString &file : files) {
            dialogs.answerText(file);
            click("cmdAddSingle");
        }
        click("cmdNext");
        ASSERT_EQ(page(), 2);
    }

    FrmMain *w = nullptr;
};

} // namespace

TEST_F(Wizard, EachStepIsCheckedBeforeTheNext)
{
    EXPECT_EQ(w->windowTitle(), QStringLiteral("SCORM Conversion Wizard"));
    EXPECT_TRUE(green(0) && !green(1));
    click("cmdNext");
    EXPECT_EQ(lastMessage(), QStringLiteral("Select a file type to convert"));
    EXPECT_EQ(page(), 0);
    click("optManifest");
    click("cmdNext");
    EXPECT_TRUE(page() == 1 && green(1) && find<QPushButton>(w, QStringLiteral("cmdBack"))->isEnabled());
    click("cmdNext");
    EXPECT_EQ(lastMessage(), QStringLiteral("Select a file or files to convert from SCORM 1.2 to 2004"));
    dialogs.answerText(path(QStringLiteral("a.xml")));
    click("cmdAddSingle");
    click("cmdNext");
    auto *folder = find<QLineEdit>(w, QStringLiteral("txtNewFileLocation"));
    EXPECT_TRUE(page() == 2 && green(2) && !green(3) && !folder->isEnabled());
    EXPECT_FALSE(find<QPushButton>(w, QStringLiteral("cmdNext"))->isEnabled());

    const QString missing = path(QStringLiteral("out"));
    const struct {
        const char *option; // chosen before Finish
        QString folderText;
        Answer answer; // to the question whether to create the folder
        const char *messages; // the boxes shown, joined by "|"
        bool created;
    } rows[] = {
        {nullptr, {}, Answer::Ok, "Select a location to save files to.", false},
        {"optSaveNew", {}, Answer::Ok, "Please provide a directory path to save to.", false},
        {"optSaveNew", missing, Answer::No, "Directory does not exist.Create Directory?", false},
        // A stale folder text is checked with "Overwrite originals" too.
        {"optSaveOrig", missing, Answer::Yes, "Directory does not exist.Create Directory?", true},
        // One level is created, below a folder that exists.
        {"optSaveNew", missing + QStringLiteral("/a/b"), Answer::Yes,
         "Directory does not exist.Create Directory?|76:Path not found:in frmMain cmdFinish", true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.messages);
        dialogs.clear();
        if (row.option)
            click(row.option);
        EXPECT_EQ(folder->isEnabled(), row.option && QByteArray(row.option) == "optSaveNew");
        folder->setText(row.folderText);
        if (row.answer != Answer::Ok)
            dialogs.answer(row.answer);
        click("cmdFinish");
        EXPECT_EQ(dialogs.messages().join(QLatin1Char('|')), QString::fromLatin1(row.messages));
        EXPECT_EQ(QFileInfo(missing).isDir(), row.created);
    }
    // Back and Next again restore the target chosen.
    click("cmdBack");
    click("cmdNext");
    EXPECT_TRUE(find<QRadioButton>(w, QStringLiteral("optSaveNew"))->isChecked() && folder->isEnabled());
    click("cmdBack");
    click("cmdBack");
    EXPECT_TRUE(find<QRadioButton>(w, QStringLiteral("optManifest"))->isChecked());
    EXPECT_FALSE(find<QPushButton>(w, QStringLiteral("cmdBack"))->isEnabled());
}

TEST_F(Wizard, TheListTakesXmlFilesOneByOneOrAFoldersOwn)
{
    click("optMetadata");
    click("cmdNext");
    const struct {
        std::optional<QString> answer;
        const char *message; // nullptr: the file is added
    } singles[] = {
        {std::nullopt, "No file selected"},
        {QStringLiteral("/data/B.XML"), "Not an XML file"},
        {QStringLiteral("/data.xml/notes.txt"), "Not an XML file"},
        {QStringLiteral("/data/data.xml.bak"), nullptr},
        {QStringLiteral("/data/data.xml.bak"), nullptr},
    };
    for (const auto &row : singles) {
        dialogs.clear();
        dialogs.answerText(row.answer);
        click("cmdAddSingle");
        EXPECT_EQ(dialogs.messages(), row.message ? QStringList{QString::fromLatin1(row.message)} : QStringList());
    }
    EXPECT_EQ(dialogs.calls().at(0).file.filter, QStringLiteral("XML|*.xml"));
    for (const char *name : {"pick/a.xml", "pick/b.XML", "pick/notes.txt", "pick/sub/c.xml"})
        writeFile(QString::fromLatin1(name), "<x/>");
    dialogs.answerText(path(QStringLiteral("pick")));
    click("cmdAddMulti");
    EXPECT_EQ(dialogs.calls().last().title, QStringLiteral("Select a Folder"));
    dialogs.answerText(std::nullopt);
    click("cmdAddMulti");
    EXPECT_EQ(lastMessage(), QStringLiteral("No file selected"));
    EXPECT_EQ(listed(), QStringList({QStringLiteral("/data/data.xml.bak"), QStringLiteral("/data/data.xml.bak"),
                                     path(QStringLiteral("pick/a.xml"))}));

    click("cmdRemSingle");
    EXPECT_EQ(lastMessage(), QStringLiteral("Please make a selection"));
    find<QListWidget>(w, QStringLiteral("lstFiles"))->setCurrentRow(0);
    dialogs.answer(Answer::Yes);
    click("cmdRemSingle");
    EXPECT_EQ(dialogs.calls().last().title, QStringLiteral("Confirm"));
    EXPECT_EQ(listed().size(), 2);
    dialogs.answer(Answer::No);
    click("cmdRemAll");
    EXPECT_EQ(lastMessage(), QStringLiteral("This will clear the file list. Continue?"));
    dialogs.answer(Answer::Yes);
    click("cmdRemAll");
    EXPECT_TRUE(listed().isEmpty());
}

// Both kinds of file, added singly or by folder, written over the sources or into a folder.
TEST_F(Wizard, ConvertsEveryListedFileWhereTheUserChose)
{
    const QString manifests = ts::test::sharedDir() + QStringLiteral("/samples/manifests");
    const struct {
        const char *type;
        bool byFolder, overwrite;
        QString from; // a folder of sources
        const char *root;
    } rows[] = {
        {"optMetadata", false, true, testData(QStringLiteral("writer12")), "lom"},
        {"optMetadata", true, false, testData(QStringLiteral("writer12")), "lom"},
        {"optManifest", true, true, manifests, "manifest"},
        {"optManifest", false, false, manifests, "manifest"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.type + std::to_string(row.overwrite));
        if (!QFileInfo(row.from).isDir())
            continue;
        QDir(path(QStringLiteral("in"))).removeRecursively();
        QDir(path(QStringLiteral("out"))).removeRecursively();
        QDir().mkpath(path(QStringLiteral("out")));
        QStringList sources;
        for (const QString &name : QDir(row.from).entryList({QStringLiteral("*.xml")}, QDir::Files, QDir::Name)) {
            copyIn(row.from + QLatin1Char('/') + name, QStringLiteral("in/") + name);
            sources << path(QStringLiteral("in/") + name);
        }
        if (row.byFolder) {
            click(row.type);
            click("cmdNext");
            dialogs.answerText(path(QStringLiteral("in")));
            click("cmdAddMulti");
            click("cmdNext");
        } else {
            toLastStep(row.type, sources);
        }
        click(row.overwrite ? "optSaveOrig" : "optSaveNew");
        if (!row.overwrite) {
            dialogs.answerText(path(QStringLiteral("out")));
            click("cmdBrowse");
        }
        dialogs.clear();
        dialogs.answer(Answer::Yes);
        click("cmdFinish");
        EXPECT_EQ(dialogs.messages(),
                  QStringList{QStringLiteral("Metadata Created Successfully.\rRestart the wizard (YES) or Close (NO) ?")});
        for (const QString &source : sources) {
            const QString name = QFileInfo(source).fileName();
            const QString written = row.overwrite ? source : path(QStringLiteral("out/") + name);
            QFile original(row.from + QLatin1Char('/') + name);
            ASSERT_TRUE(original.open(QIODevice::ReadOnly));
            const QByteArray before = original.readAll();
            EXPECT_EQ(readFile(row.overwrite ? QStringLiteral("in/") + name + QStringLiteral(".bak") : QStringLiteral("in/") + name),
                      before);
            XmlDocument doc;
            ASSERT_TRUE(doc.load(written)) << written.toStdString();
            EXPECT_EQ(doc.documentElement().localName(), QString::fromLatin1(row.root));
        }
        EXPECT_EQ(QDir(path(QStringLiteral("out"))).entryList(QDir::Files).size(), row.overwrite ? 0 : sources.size());
        // Yes restarts the wizard.
        EXPECT_TRUE(page() == 0 && listed().isEmpty() && !green(1) && !green(2));
        EXPECT_FALSE(find<QPushButton>(w, QStringLiteral("cmdFinish"))->isEnabled());
    }
}

TEST_F(Wizard, FilesNotConvertedOrNotWrittenAreNamedAndSuccessComesOnlyWhenAllWereWritten)
{
    writeFile(QStringLiteral("a/x.xml"), "<lom xmlns='http://www.imsglobal.org/xsd/imsmd_rootv1p2p1'/>");
    writeFile(QStringLiteral("b/x.xml"), "<lom xmlns='http://www.imsglobal.org/xsd/imsmd_rootv1p2p1'/>");
    writeFile(QStringLiteral("a/bad.xml"), kRecord2004);
    QDir().mkpath(path(QStringLiteral("out")));
    toLastStep("optMetadata", {path(QStringLiteral("a/x.xml")), path(QStringLiteral("b/x.xml")), path(QStringLiteral("a/bad.xml"))});
    click("optSaveNew");
    find<QLineEdit>(w, QStringLiteral("txtNewFileLocation"))->setText(path(QStringLiteral("out")));
    click("cmdFinish");
    EXPECT_EQ(lastMessage(), QStringLiteral("Metadata Created but process had errors.\rYour data may not be converted "
                                            "correctly.\r\r%1: not converted. A file of the same name was already written "
                                            "to %2 in this run; it was not overwritten.\r%3: not converted. It is not a "
                                            "SCORM 1.2 metadata record.")
                                 .arg(path(QStringLiteral("b/x.xml")), path(QStringLiteral("out")), path(QStringLiteral("a/bad.xml"))));
    EXPECT_TRUE(w->g_hadErrorOnGenerate && page() == 2);
    EXPECT_EQ(readFile(QStringLiteral("a/bad.xml")), kRecord2004);
    EXPECT_TRUE(readFile(QStringLiteral("out/x.xml")).startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<lom "));

    // With the second x.xml gone and bad.xml mended, the same list ends with success; No closes the wizard.
    find<QListWidget>(w, QStringLiteral("lstFiles"))->setCurrentRow(1);
    dialogs.answer(Answer::Yes);
    click("cmdRemSingle");
    writeFile(QStringLiteral("a/bad.xml"), "<lom xmlns='http://www.imsglobal.org/xsd/imsmd_rootv1p2p1'/>");
    dialogs.answer(Answer::No);
    click("cmdFinish");
    EXPECT_EQ(dialogs.calls().last().title, QStringLiteral("Confirm"));
    ts::test::processEvents();
    EXPECT_FALSE(frmMainLoaded());
}

#include "support/guitest.h"
#include "support/testmain.h"

#include "lomshift/common.h"
#include "lomshift/frmmain.h"
#include "platform/schema_support.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>

using namespace ts;
using namespace ts::lomshift;
using namespace Qt::StringLiterals;
using ts::test::find;
using ts::test::schema::readBytes;

namespace {

const QByteArray kRecord12 = "<lom xmlns='http://www.imsglobal.org/xsd/imsmd_rootv1p2p1'/>";

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
    QString p(const char *relative) const { return path(QString::fromLatin1(relative)); }
    void click(const char *name) { find<QAbstractButton>(w, QString::fromLatin1(name))->click(); }
    bool on(const char *name) { return find<QWidget>(w, QString::fromLatin1(name))->isEnabled(); }
    bool checked(const char *name) { return find<QAbstractButton>(w, QString::fromLatin1(name))->isChecked(); }
    int page() { return find<QTabWidget>(w, u"tabMainDialog"_s)->currentIndex(); }
    QListWidget *list() { return find<QListWidget>(w, u"lstFiles"_s); }
    // The captions of the step labels that are green, as "12".
    QString green()
    {
        QString out;
        for (QLabel *label : w->findChildren<QLabel *>(QRegularExpression(u"^lblStep_"_s)))
            out += label->palette().color(QPalette::WindowText) == QColor(0, 255, 0) ? label->text() : QString();
        return out;
    }
    QString lastMessage() { return dialogs.messages().value(dialogs.messages().size() - 1); }
    // From the first step to the last, with the files added one by one or by their folder.
    void toLastStep(const char *type, const QStringList &files, const QString &folder = {})
    {
        click(type);
        click("cmdNext");
        for (const QString &file : folder.isEmpty() ? files : QStringList{folder}) {
            dialogs.answerText(file);
            click(folder.isEmpty() ? "cmdAddSingle" : "cmdAddMulti");
        }
        click("cmdNext");
        ASSERT_EQ(page(), 2);
    }

    FrmMain *w = nullptr;
};

} // namespace

TEST_F(Wizard, EachStepIsCheckedBeforeTheNext)
{
    EXPECT_EQ(w->windowTitle(), u"SCORM Conversion Wizard"_s);
    EXPECT_EQ(green(), u"1"_s);
    click("cmdNext");
    EXPECT_EQ(lastMessage(), u"Select a file type to convert"_s);
    click("optManifest");
    click("cmdNext");
    EXPECT_TRUE(page() == 1 && on("cmdBack"));
    click("cmdNext");
    EXPECT_EQ(lastMessage(), u"Select a file or files to convert from SCORM 1.2 to 2004"_s);
    dialogs.answerText(p("a.xml"));
    click("cmdAddSingle");
    click("cmdNext");
    EXPECT_TRUE(page() == 2 && green() == u"123"_s && !on("txtNewFileLocation") && !on("cmdNext") && on("cmdFinish"));

    const QString missing = p("out");
    const struct {
        const char *option; // chosen before Finish
        QString folderText;
        Answer answer;        // to the question whether to create the folder
        const char *messages; // the boxes shown, joined by "|"
        bool created;
    } rows[] = {
        {nullptr, {}, Answer::Ok, "Select a location to save files to.", false},
        {"optSaveNew", {}, Answer::Ok, "Please provide a directory path to save to.", false},
        {"optSaveNew", missing, Answer::No, "Directory does not exist.Create Directory?", false},
        // A stale folder text is checked with "Overwrite originals" too.
        {"optSaveOrig", missing, Answer::Yes, "Directory does not exist.Create Directory?", true},
        // One level is created, below a folder that exists.
        {"optSaveNew", missing + u"/a/b"_s, Answer::Yes,
         "Directory does not exist.Create Directory?|76:Path not found:in frmMain cmdFinish", true},
    };
    for (const auto &row : rows) {
        dialogs.clear();
        if (row.option)
            click(row.option);
        EXPECT_EQ(on("txtNewFileLocation") && on("cmdBrowse"), row.option && QByteArray(row.option) == "optSaveNew");
        find<QLineEdit>(w, u"txtNewFileLocation"_s)->setText(row.folderText);
        if (row.answer != Answer::Ok)
            dialogs.answer(row.answer);
        click("cmdFinish");
        EXPECT_EQ(dialogs.messages().join(QLatin1Char('|')), QString::fromLatin1(row.messages));
        EXPECT_EQ(QFileInfo(missing).isDir(), row.created);
    }
    // Back and Next again restore the target chosen; back on the first step, the type chosen.
    click("cmdBack");
    click("cmdNext");
    EXPECT_TRUE(checked("optSaveNew") && on("txtNewFileLocation"));
    click("cmdBack");
    click("cmdBack");
    EXPECT_TRUE(checked("optManifest") && !on("cmdBack") && on("cmdFinish"));
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
        {u"/d/B.XML"_s, "Not an XML file"},
        {u"/d.xml/notes.txt"_s, "Not an XML file"},
        {u"/d/data.xml.bak"_s, nullptr},
        {u"/d/data.xml.bak"_s, nullptr},
    };
    for (const auto &row : singles) {
        dialogs.clear();
        dialogs.answerText(row.answer);
        click("cmdAddSingle");
        EXPECT_EQ(dialogs.messages(), row.message ? QStringList{QString::fromLatin1(row.message)} : QStringList());
        EXPECT_EQ(dialogs.calls().at(0).file.filter, u"XML|*.xml"_s);
    }
    for (const char *name : {"pick/a.xml", "pick/b.XML", "pick/notes.txt", "pick/sub/c.xml"})
        writeFile(QString::fromLatin1(name), "<x/>");
    dialogs.answerText(p("pick"));
    click("cmdAddMulti");
    EXPECT_EQ(dialogs.calls().last().title, u"Select a Folder"_s);
    dialogs.answerText(std::nullopt);
    click("cmdAddMulti");
    EXPECT_EQ(lastMessage(), u"No file selected"_s);
    ASSERT_EQ(list()->count(), 3);
    EXPECT_EQ(list()->item(2)->text(), p("pick/a.xml"));

    click("cmdRemSingle");
    EXPECT_EQ(lastMessage(), u"Please make a selection"_s);
    list()->setCurrentRow(0);
    dialogs.answer(Answer::Yes);
    click("cmdRemSingle");
    EXPECT_TRUE(dialogs.calls().last().title == QLatin1String("Confirm") && list()->count() == 2);
    dialogs.answer(Answer::No);
    dialogs.answer(Answer::Yes);
    click("cmdRemAll");
    EXPECT_EQ(list()->count(), 2);
    click("cmdRemAll");
    EXPECT_EQ(lastMessage(), u"This will clear the file list. Continue?"_s);
    EXPECT_EQ(list()->count(), 0);
    // The shared folder of real manifests (read-only) gives both of its files, as Add Single File does.
    const QString manifests = ts::test::sharedDir() + u"/samples/manifests"_s;
    if (QFileInfo(manifests).isDir()) {
        dialogs.answerText(manifests);
        click("cmdAddMulti");
        ASSERT_EQ(list()->count(), 2);
        EXPECT_EQ(QStringList({list()->item(0)->text(), list()->item(1)->text()}),
                  QStringList({manifests + u"/c02_scorm12_external-metadata_imsmanifest.xml"_s,
                               manifests + u"/c08_scorm12_location_imsmanifest.xml"_s}));
    }
}

// Both kinds of file, added singly or by folder, written over the sources (keeping backups) or into a folder
// (the sources left byte for byte as they were).
TEST_F(Wizard, ConvertsEveryListedFileWhereTheUserChose)
{
    const QString manifests = ts::test::sharedDir() + u"/samples/manifests"_s;
    const QString records = ts::test::testData(u"writer12"_s);
    const struct {
        const char *type;
        bool byFolder, overwrite;
        QString from;
        const char *root;
    } rows[] = {
        {"optMetadata", false, true, records, "lom"},
        {"optMetadata", true, false, records, "lom"},
        {"optManifest", true, true, manifests, "manifest"},
        {"optManifest", false, false, manifests, "manifest"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.type + std::to_string(row.overwrite));
        if (!QFileInfo(row.from).isDir())
            continue;
        QDir(p("in")).removeRecursively();
        QDir(p("out")).removeRecursively();
        QDir().mkpath(p("out"));
        QStringList sources = QDir(row.from).entryList({u"*.xml"_s}, QDir::Files);
        for (const QString &name : sources)
            writeFile(u"in/"_s + name, readBytes(row.from + u'/' + name));
        toLastStep(row.type, sources.replaceInStrings(QRegularExpression(u"^"_s), p("in/")),
                   row.byFolder ? p("in") : QString());
        click(row.overwrite ? "optSaveOrig" : "optSaveNew");
        if (!row.overwrite) {
            dialogs.answerText(p("out"));
            click("cmdBrowse");
        }
        dialogs.clear();
        dialogs.answer(Answer::Yes);
        click("cmdFinish");
        EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral(
                                          "Metadata Created Successfully.\rRestart the wizard (YES) or Close (NO) ?")});
        for (const QString &source : sources) {
            const QString name = QFileInfo(source).fileName();
            EXPECT_EQ(readFile(u"in/"_s + name + (row.overwrite ? u".bak"_s : QString())),
                      readBytes(row.from + u'/' + name));
            EXPECT_TRUE(readFile((row.overwrite ? u"in/"_s : u"out/"_s) + name).contains("\r\n<"_ba + row.root + ' '));
        }
        EXPECT_EQ(QDir(p("out")).entryList(QDir::Files).size(), row.overwrite ? 0 : sources.size());
        // Yes restarts the wizard.
        EXPECT_TRUE(page() == 0 && list()->count() == 0 && green() == u"1"_s && !on("cmdFinish"));
        EXPECT_FALSE(checked("optMetadata") || checked("optManifest") || checked("optSaveOrig") ||
                     checked("optSaveNew"));
    }
}

TEST_F(Wizard, FilesNotConvertedOrNotWrittenAreNamedAndSuccessComesOnlyWhenAllWereWritten)
{
    writeFile(u"a/x.xml"_s, kRecord12);
    writeFile(u"b/x.xml"_s, kRecord12);
    writeFile(u"a/bad.xml"_s, "<lom xmlns='http://ltsc.ieee.org/xsd/LOM'/>");
    QDir().mkpath(p("out"));
    toLastStep("optMetadata", {p("a/x.xml"), p("b/x.xml"), p("a/bad.xml")});
    click("optSaveNew");
    find<QLineEdit>(w, u"txtNewFileLocation"_s)->setText(p("out"));
    click("cmdFinish");
    EXPECT_EQ(lastMessage(),
              QStringLiteral("Metadata Created but process had errors.\rYour data may not be converted "
                             "correctly.\r\r%1: not converted. A file of the same name was already written "
                             "to %2 in this run; it was not overwritten.\r%3: not converted. It is not a "
                             "SCORM 1.2 metadata record.")
                  .arg(p("b/x.xml"), p("out"), p("a/bad.xml")));
    EXPECT_TRUE(w->g_hadErrorOnGenerate && page() == 2 && on("cmdFinish"));
    EXPECT_EQ(find<QPushButton>(w, u"cmdFinish"_s)->text(), u"Finish"_s);
    EXPECT_TRUE(readFile(u"out/x.xml"_s).startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<lom "));

    // Without the second x.xml and with bad.xml mended, the same list ends with success; No closes the wizard.
    list()->setCurrentRow(1);
    dialogs.answer(Answer::Yes);
    click("cmdRemSingle");
    writeFile(u"a/bad.xml"_s, kRecord12);
    dialogs.answer(Answer::No);
    click("cmdFinish");
    EXPECT_EQ(dialogs.calls().last().title, u"Confirm"_s);
    ts::test::processEvents();
    EXPECT_FALSE(frmMainLoaded());
}

#include "support/guitest.h"
#include "support/testmain.h"

#include "batch/frmbatchgenerate.h"
#include "batch/frmopenfolder.h"
#include "platform/qt/windowsize.h"
#include "shared/templatehandover.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

using namespace ts;
using namespace ts::batch;
using test::find;

namespace {

class BatchWindow : public test::ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        m_cwd = QDir::currentPath();
        QDir::setCurrent(m_dir->path());
        qputenv("XDG_DATA_HOME", path(QStringLiteral("data")).toLocal8Bit()); // the trash of deleted folders
        setAppTitle(QStringLiteral("Batch Generate"));
        dialogs.setOnCall([this](const DialogCall &call) {
            QString text = call.text + QStringLiteral(" [") + call.title + QLatin1Char(']');
            m_calls << text.replace(m_dir->path(), QStringLiteral("@"));
            if (m_onCall)
                m_onCall();
        });
        m_window = &frmBatchGenerate();
    }
    void TearDown() override
    {
        test::endModalWaits();
        delete m_window.data();
        if (frmOpenFolderLoaded())
            delete &frmOpenFolder();
        test::processEvents();
        setAppTitle(QStringLiteral("Tagsmith"));
        qunsetenv("XDG_DATA_HOME");
        QDir::setCurrent(m_cwd);
        ProgramFolderTest::TearDown();
    }
    void click(QWidget *root, const char *name) { find<QAbstractButton>(root, QLatin1String(name))->click(); }
    // Closes the window and opens it again, as batch starts anew: it takes the hand-over as it is now.
    void reopen()
    {
        delete m_window.data();
        m_window = &frmBatchGenerate();
    }
    QString templateName() const
    {
        return find<QLabel>(m_window, QStringLiteral("lblTemplateName"))->text().remove(QChar(0x200B));
    }
    QStringList listed() const
    {
        QStringList out;
        for (int i = 0; i < m_list()->count(); ++i)
            out << m_list()->item(i)->text().replace(m_dir->path(), QStringLiteral("@"));
        return out;
    }
    QListWidget *m_list() const { return find<QListWidget>(m_window, QStringLiteral("lstFiles")); }
    // Highlights the folder (a path below the test's folder) in the picker's folder list; Enter opens it.
    void highlight(QWidget *picker, const QString &relative, bool open = false)
    {
        auto *folders = find<QTreeWidget>(picker, QStringLiteral("lstFolders"));
        for (QTreeWidgetItemIterator it(folders); *it; ++it)
            if ((*it)->data(0, Qt::UserRole).toString() == path(relative))
                folders->setCurrentItem(*it);
        ASSERT_EQ(folders->currentItem()->data(0, Qt::UserRole).toString(), path(relative));
        if (open)
            QTest::keyClick(folders, Qt::Key_Return);
    }

    QPointer<FrmBatchGenerate> m_window;
    QStringList m_calls;
    std::function<void()> m_onCall;
    QString m_cwd;
};

} // namespace

TEST_F(BatchWindow, ButtonsAskAndAnswer)
{
    const struct {
        QStringList listed;
        int selected;
        const char *button;
        std::optional<Answer> answer;
        std::optional<QString> file; // the answer of the Open dialog
        QStringList calls, after;
    } rows[] = {
        {{}, -1, "cmdRemSingle", {}, {}, {"Please make a selection [Batch Generate]"}, {}},
        {{"a", "b"}, 0, "cmdRemSingle", Answer::No, {}, {"Do you wish to remove this item from the list? [Confirm]"},
         {"a", "b"}},
        {{"a", "b"}, 0, "cmdRemSingle", Answer::Yes, {}, {"Do you wish to remove this item from the list? [Confirm]"},
         {"b"}},
        {{}, -1, "cmdRemAll", Answer::Yes, {}, {"This will clear the file list. Continue? [Confirm]"}, {}},
        {{"a"}, -1, "cmdRemAll", Answer::No, {}, {"This will clear the file list. Continue? [Confirm]"}, {"a"}},
        {{"a"}, -1, "cmdAddSingle", {}, QStringLiteral("/p/b.gif"), {" []"}, {"a", "/p/b.gif"}},
        {{"a"}, -1, "cmdAddSingle", {}, std::nullopt, {" []"}, {"a"}},
        {{}, -1, "cmdGenerate", {}, {}, {"Please select source files. [Batch Generate]"}, {}},
        {{"a"}, -1, "cmdGenerate", {}, {}, {"Please select a directory to save converted files to. [Batch Generate]"},
         {"a"}},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.button);
        m_list()->clear();
        m_list()->addItems(r.listed);
        m_list()->setCurrentRow(r.selected);
        if (r.answer)
            dialogs.answer(*r.answer);
        if (QLatin1String(r.button) == QLatin1String("cmdAddSingle"))
            dialogs.answerText(r.file);
        m_calls.clear();
        click(m_window, r.button);
        EXPECT_EQ(m_calls, r.calls);
        EXPECT_EQ(listed(), r.after);
    }
}

TEST_F(BatchWindow, FinishGeneratesWhatMayGoAheadAndSumsUp)
{
    QFile::copy(test::testData(QStringLiteral("writer12/template_defaults.xml")),
                path(QStringLiteral("common/scorm_template.xml")));
    for (const char *file : {"pics/a.gif", "pics/b.jpg", "x/c.gif", "y/c.png"})
        writeFile(QLatin1String(file), "bytes");
    const struct {
        QStringList listed, calls;
        const char *buttonAtLastMessage;
        QStringList written = {"a.xml", "b.xml"};
        qint64 templateSize = 0; // the template grows to that size first
    } rows[] = {
        {{"pics/a.gif", "x/c.gif", "y/c.png", "gone.txt", "pics/b.jpg"},
         {"These files are not generated:\r@/x/c.gif: its metadata file @/out/c.xml would also be written for "
          "@/y/c.png.\r@/y/c.png: its metadata file @/out/c.xml would also be written for @/x/c.gif. [Batch Generate]",
          "53::@/gone.txt: It does not exist. [Batch Generate]", "Error generating files. [Batch Generate]"},
         "Working off"},
        {{"pics/a.gif", "pics/b.jpg"}, {"Files generated successfully! [Batch Generate]"}, "Finish on"},
        // A template too large to open is refused in one box, naming it, and nothing is generated.
        {{"pics/a.gif", "pics/b.jpg"},
         {"@/common/scorm_template.xml is too large to open (10.0 MB). Files of up to 10 MB are opened. "
          "[Problem Loading File]"},
         "Working off",
         {},
         10 * 1024 * 1024 + 1},
    };
    for (const auto &r : rows) {
        // The window takes its template when it opens.
        if (r.templateSize)
            QFile(path(QStringLiteral("common/scorm_template.xml"))).resize(r.templateSize);
        reopen();
        auto *finish = find<QPushButton>(m_window, QStringLiteral("cmdGenerate"));
        const auto button = [finish] { return finish->text() + (finish->isEnabled() ? " on" : " off"); };
        find<QLineEdit>(m_window, QStringLiteral("txtNewFileLocation"))->setText(path(QStringLiteral("out")));
        for (const QString &file : r.listed)
            m_list()->addItem(path(file));
        QString buttonAtLastMessage;
        m_onCall = [&] { buttonAtLastMessage = button(); };
        m_calls.clear();
        QDir(path(QStringLiteral("out"))).removeRecursively();
        QDir().mkpath(path(QStringLiteral("out")));
        finish->click();
        EXPECT_EQ(m_calls, r.calls);
        EXPECT_EQ(buttonAtLastMessage, QLatin1String(r.buttonAtLastMessage));
        EXPECT_EQ(QDir(path(QStringLiteral("out"))).entryList(QDir::Files), r.written);
        EXPECT_EQ(button(), QLatin1String("Finish on"));
    }
}

// The template is checked once, before anything is written, and every message about it names the file chosen
// in File > Batch ("chosen"), as "Using Template:" does; a hand-over the name was not written for is named itself,
// and so is one whose name file tells what cannot be a file's path: a damaged name never reaches a box as it is.
TEST_F(BatchWindow, TheTemplateIsCheckedOnceAndNamedAsChosen)
{
    for (int i = 0; i < 30; ++i)
        writeFile(QStringLiteral("many/%1.gif").arg(i), "x");
    const QString invalid = QStringLiteral("Could not validate selected XML file. Please correct the issue and try "
                                           "again.\rError Number: %1\r\rTemplate: chosen\rLine %2 [Invalid XML]");
    const QString longName = u'/' + QString(200, u'd') + u'/' + QString(200, u'e') + QStringLiteral("/template.xml");
    const QByteArray noGeneral = "<lom><technical/></lom>";
    const QString refused = QStringLiteral("The template holds no general element, so no metadata file can be made "
                                           "from it. Nothing was written.\r\rTemplate: %1 [Invalid Metadata File]");
    const QString handOverFile = QStringLiteral("@/common/scorm_template.xml");
    const QString unreadable = QStringLiteral("chosen cannot be read: its bytes are in %1, which this program does not "
                                              "read. Save it in UTF-8 and try again. [Notice]");
    const struct {
        QByteArray handOver;
        QStringList calls;
        bool namedEarlier = false; // the name beside it was written for an earlier hand-over
        QByteArray name = "chosen";
        QString shown = QStringLiteral("chosen");
    } rows[] = {
        {"<?xml version=\"1.0\"?>\n<lom>\n<general>\n</lom>\n",
         {invalid.arg(76).arg("4, position 7: Opening and ending tag mismatch: general line 3 and lom")}},
        {"<?Xml version='1.0'?><lom><general></general></lom>",
         {invalid.arg(64).arg("1, position 6: Invalid PI name")}},
        {"<lom><technical/></lom>", {"The template holds no general element, so no metadata file can be made from it. "
                                     "Nothing was written.\r\rTemplate: chosen [Invalid Metadata File]"}},
        {"<lom><general><title/></general></lom>",
         {"91::The template's title holds no element or text to fill\r\rTemplate: chosen [Batch Generate]"}},
        {"<lom><general></general></lom>" + QByteArray(10 * 1024 * 1024, ' '),
         {"chosen is too large to open (10.0 MB). Files of up to 10 MB are opened. [Problem Loading File]"}},
        // How its bytes were read is said once, as the editor says it; then every file is made.
        {"<?xml version='1.0' encoding='UTF-8'?><lom><general>Caf\xE9</general></lom>",
         {"Some bytes of chosen are not valid UTF-8; they are shown as \"\uFFFD\". The first is on line 1. [Notice]",
          "Files generated successfully! [Batch Generate]"}},
        {"<lom><general></general></lom>", {"Files generated successfully! [Batch Generate]"}, true, "chosen",
         handOverFile},
        // So is a record whose namespace is written wrong.
        {"<lom xmlns='http://www.imsglp1'><general></general></lom>",
         {"The metadata record's namespace is not one this program knows; it is read as SCORM 1.2. Namespace of your "
          "imported file: \"http://www.imsglp1\"\r\rTemplate: chosen [Notice]",
          "Files generated successfully! [Batch Generate]"}},
        // Bytes in a form that is not read are refused by their decoding notice.
        {QByteArray("\xFF\xFE\0\0<\0\0\0", 8), {unreadable.arg("UTF-32")}},
        {QByteArray("<\0l\0o\0m\0>\0", 10), {unreadable.arg("UTF-16 without a byte-order mark or XML declaration")}},
        {"\x4C\x6F\xA7\x94\x93", {unreadable.arg("EBCDIC")}},
        // A general element with attributes or a prefix, as the editors take it.
        {"<lom:lom xmlns:lom='http://ltsc.ieee.org/xsd/LOM'><lom:general uniqueElementName='general'></lom:general>"
         "</lom:lom>",
         {"Files generated successfully! [Batch Generate]"}},
        // A long name shortened in its middle; names that cannot be a file's path are not shown at all.
        {noGeneral, {refused.arg(longName.left(40) + u'\u2026' + longName.right(79))}, false, longName.toUtf8(),
         longName.left(40) + u'\u2026' + longName.right(79)},
        {noGeneral, {refused.arg(handOverFile)}, false, QByteArray(10 * 1024, 'n'), handOverFile},
        {noGeneral, {refused.arg(handOverFile)}, false, QByteArray("/p/line.xml\r\n").repeated(740), handOverFile},
        {noGeneral, {refused.arg(handOverFile)}, false, "/p/bell\a.xml", handOverFile},
        {noGeneral, {refused.arg(handOverFile)}, false, "/p/\xff\xfe.xml", handOverFile},
        {"<?xml version='1.0' encoding='UTF-8'?><lom><general>Caf\xE9</general></lom>",
         {"Some bytes of @/common/scorm_template.xml are not valid UTF-8; they are shown as \"\uFFFD\". The first is "
          "on line 1. [Notice]",
          "Files generated successfully! [Batch Generate]"},
         false, QStringLiteral("/p/evil\u202Elmx.gif").toUtf8(), handOverFile},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.calls.at(0).toStdString());
        QDir(path(QStringLiteral("out"))).removeRecursively();
        QDir().mkpath(path(QStringLiteral("out")));
        writeFile(QStringLiteral("common/scorm_template.xml"), r.handOver);
        // The name file as File > Batch writes it, holding the row's name.
        writeFile(QStringLiteral("common/scorm_template.name"),
                  handOverNameText(r.namedEarlier ? "earlier" : r.handOver, QString()).chopped(2) + r.name + "\r\n");
        reopen();
        for (int i = 0; i < 30; ++i)
            m_list()->addItem(path(QStringLiteral("many/%1.gif").arg(i)));
        find<QLineEdit>(m_window, QStringLiteral("txtNewFileLocation"))->setText(path(QStringLiteral("out")));
        m_calls.clear();
        click(m_window, "cmdGenerate");
        EXPECT_EQ(m_calls.join(u'|').toStdString(), r.calls.join(u'|').toStdString());
        EXPECT_EQ(QDir(path(QStringLiteral("out"))).count(), r.calls.last().startsWith(u"Files") ? 32u : 2u);
        EXPECT_EQ(templateName().replace(m_dir->path(), QStringLiteral("@")).toStdString(), r.shown.toStdString());
    }
}

TEST_F(BatchWindow, FoldersComeFromThePicker)
{
    for (const char *file : {"a/1.txt", "a/b/2.txt", "a/b/c/3.txt"})
        writeFile(QLatin1String(file), "x");
    // Add Multiple Files: the chosen folder's files and those one level below.
    test::onNextModal([this](QWidget *picker) {
        highlight(picker, QStringLiteral("a"));
        click(picker, "cmdOk");
    });
    click(m_window, "cmdAddMulti");
    EXPECT_EQ(listed(), (QStringList{"@/a/1.txt", "@/a/b/2.txt"}));
    // Browse, left by the close box: nothing chosen, and the picker is discarded.
    test::onNextModal([](QWidget *picker) { picker->close(); });
    click(m_window, "cmdBrowse");
    test::processEvents();
    EXPECT_EQ(m_calls, QStringList{"No file selected [Batch Generate]"});
    EXPECT_FALSE(frmOpenFolderLoaded());
    // Browse again: folders opened with Enter become the program's current folder.
    test::onNextModal([this](QWidget *picker) {
        highlight(picker, QStringLiteral("a"), true);
        highlight(picker, QStringLiteral("a/b"), true);
        EXPECT_EQ(find<QListWidget>(picker, QStringLiteral("lstFiles"))->item(0)->text(), QLatin1String("2.txt"));
        click(picker, "cmdOk");
    });
    click(m_window, "cmdBrowse");
    EXPECT_EQ(find<QLineEdit>(m_window, QStringLiteral("txtNewFileLocation"))->text(), path(QStringLiteral("a/b")));
    EXPECT_EQ(QDir::currentPath(), path(QStringLiteral("a/b")));
}

TEST_F(BatchWindow, PickerCreatesRenamesAndDeletesFolders)
{
    const struct {
        const char *button;
        const char *highlighted;
        std::optional<QString> name;
        std::optional<Answer> confirm;
        QStringList calls, subfolders;
    } rows[] = {
        {"imgNewFolder", "", QStringLiteral("x"), {}, {"Select a name for the folder [Folder Name]"}, {"x"}},
        {"imgNewFolder", "", QString(), {}, {"Select a name for the folder [Folder Name]"}, {"x"}},
        {"imgNewFolder", "", QStringLiteral("x"), {},
         {"Select a name for the folder [Folder Name]", "75  Path/File access error: @/w/x already exists [Batch Generate]"},
         {"x"}},
        {"imgNewFolder", "", QStringLiteral("p/q"), {},
         {"Select a name for the folder [Folder Name]",
          "52  Bad file name or number: The name may not contain \"/\" or \"\\\". [Batch Generate]"},
         {"x"}},
        {"imgRename", "w/x", QStringLiteral("y"), {}, {"Folder Name: [Folder Name]"}, {"y"}},
        {"imgDelete", "w/y", {}, Answer::No, {"Are you sure you want to move '@/w/y' to the trash? [Confirm Delete]"}, {"y"}},
        {"imgDelete", "w/y", {}, Answer::Yes, {"Are you sure you want to move '@/w/y' to the trash? [Confirm Delete]"}, {}},
    };
    QDir().mkpath(path(QStringLiteral("w")));
    QDir::setCurrent(path(QStringLiteral("w"))); // where the picker opens
    FrmOpenFolder &picker = frmOpenFolder();
    picker.show();
    auto *folders = find<QTreeWidget>(&picker, QStringLiteral("lstFolders"));
    for (const auto &r : rows) {
        SCOPED_TRACE(r.button);
        if (*r.highlighted)
            highlight(&picker, QLatin1String(r.highlighted));
        if (r.name)
            dialogs.answerText(r.name);
        if (r.confirm)
            dialogs.answer(*r.confirm);
        m_calls.clear();
        click(&picker, r.button);
        EXPECT_EQ(m_calls, r.calls);
        QStringList shown; // the open folder's subfolders, as the list shows them after the action
        for (QTreeWidgetItemIterator it(folders); *it; ++it)
            if (QFileInfo((*it)->data(0, Qt::UserRole).toString()).path() == path(QStringLiteral("w")))
                shown << (*it)->text(0);
        EXPECT_EQ(shown, r.subfolders);
    }
}

// Two File > Batch, each with its own template, start two batch programs: each window runs on the template
// that was handed over when it opened, under that template's name, whatever was handed over after it.
TEST_F(BatchWindow, EachWindowRunsOnTheTemplateItOpenedWith)
{
    writeFile(QStringLiteral("pics/a.gif"), "x");
    const auto handOver = [this](const QByteArray &identifier) {
        const QByteArray bytes = "<lom xmlns=\"http://www.imsglobal.org/xsd/imsmd_rootv1p2p1\"><general><identifier>" +
                                 identifier + "</identifier></general></lom>\r\n";
        writeFile(QStringLiteral("common/scorm_template.xml"), bytes);
        writeFile(QStringLiteral("common/scorm_template.name"),
                  handOverNameText(bytes, path(QString::fromLatin1(identifier) + QStringLiteral(".xml"))));
    };
    handOver("first");
    reopen();
    handOver("second");
    FrmBatchGenerate second; // the window of the second batch program
    // The hand-over may even be gone by the time they run.
    QFile::remove(path(QStringLiteral("common/scorm_template.xml")));
    const std::pair<QWidget *, const char *> windows[] = {{m_window, "first"}, {&second, "second"}};
    writeFile(QStringLiteral("pics/b.gif"), "x");
    for (const auto &[window, identifier] : windows) {
        SCOPED_TRACE(identifier);
        const QString out = QStringLiteral("out-") + QLatin1String(identifier);
        QDir().mkpath(path(out));
        EXPECT_EQ(find<QLabel>(window, QStringLiteral("lblTemplateName"))->text().remove(QChar(0x200B)),
                  path(QLatin1String(identifier) + QStringLiteral(".xml")));
        for (const char *file : {"pics/a.gif", "pics/b.gif"})
            find<QListWidget>(window, QStringLiteral("lstFiles"))->addItem(path(QLatin1String(file)));
        find<QLineEdit>(window, QStringLiteral("txtNewFileLocation"))->setText(path(out));
        m_calls.clear();
        // Another hand-over, written once the run's first file is in place, changes nothing of the run.
        bool first = true;
        setWriteProbe({[&](const char *step, const QByteArray &) {
            if (first && qstrcmp(step, "rename") == 0) {
                first = false;
                handOver("third");
            }
        }});
        click(window, "cmdGenerate");
        setWriteProbe({});
        EXPECT_EQ(m_calls, QStringList{"Files generated successfully! [Batch Generate]"});
        for (const char *file : {"/a.xml", "/b.xml"})
            EXPECT_TRUE(readFile(out + QLatin1String(file)).contains("<identifier>" + QByteArray(identifier) + "<"))
                << file;
    }
}

// The window opens in the middle of the screen (1366 by 768, and 1280 by 720 in a second run), wholly on it
// with its title bar and borders: the usual ones at first, and, once the window system has framed it, those it
// really has.
TEST_F(BatchWindow, OpensWholeInTheMiddleOfTheScreen)
{
    const QMargins real(1, 35, 1, 5);
    for (const bool framed : {false, true}) {
        SCOPED_TRACE(framed);
        bool shownFramed = false;
        setWindowFrameSource([&](const QWidget *) { return shownFramed ? real : QMargins(); });
        reopen();
        m_window->show();
        test::processEvents();
        if (framed) {
            shownFramed = true;
            QMoveEvent moved(m_window->pos(), m_window->pos());
            QApplication::sendEvent(m_window, &moved);
        }
        const QRect available = m_window->screen()->availableGeometry();
        const QRect whole = m_window->geometry().marginsAdded(frameOrAllowance(m_window));
        EXPECT_TRUE(available.contains(whole))
            << whole.x() << "," << whole.y() << " " << whole.width() << "x" << whole.height();
        EXPECT_LE((whole.center() - available.center()).manhattanLength(), 2);
    }
    setWindowFrameSource({});
}

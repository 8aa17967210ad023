#include "support/testmain.h"

#include "framefixture.h"

#include "frame/frmdocument.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>

using namespace ts;
using namespace ts::test;

namespace {

// A SCORM 1.2 record whose title is "Decimals", with `more` after its general element.
QByteArray record12(const char *more)
{
    return QByteArray("<?xml version=\"1.0\"?>\n<lom xmlns=\"http://www.imsglobal.org/xsd/imsmd_rootv1p2p1\">\n"
                      "<general><title><langstring xml:lang=\"x-none\">Decimals</langstring></title></general>\n") +
           more + "\n</lom>\n";
}

QString unsupported(const char *section, const char *element)
{
    return QStringLiteral("Unsupported element found in your imported file <%1>: %2")
        .arg(QLatin1String(section), QLatin1String(element));
}

} // namespace

// What a user meets with real files and everyday steps: for each, what the editor holds, the notices in
// order, the binding and the current file afterwards, and the text the XML text window holds.
class FilesAndSteps : public FrameTest {};

TEST_F(FilesAndSteps, EditorNoticesBindingCurrentFileAndTextWindow)
{
    const QString golf = sharedDir() + QStringLiteral("/samples/lom/b01_golf2004_metadata_course.xml");
    if (sharedDir().isEmpty())
        GTEST_SKIP() << "the shared samples folder is not there";
    QFile sample(golf);
    ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
    const QByteArray golfBytes = sample.readAll();
    const auto bytes = [](const char *name) {
        QFile f(testData(QLatin1String(name)));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const QByteArray lom2004 = bytes("open/lom2004.xml");
    const struct {
        const char *what;
        const char *binding;  // the editor at start: "12" or "2004"
        QByteArray file;      // opened after a SCORM 1.2 record, or empty; before an exit, switched to
        QStringList exit;     // then Exit with Yes, the save prompts answered in turn; empty: no exit
        QString field;        // "name=text" of the editor of the binding afterwards
        QStringList notices;  // every message box, in order
        const char *after;    // the binding afterwards
        const char *current;  // "Current File" afterwards
        QByteArray shown;     // what the XML text window holds afterwards
    } rows[] = {
        {"an exit called off in the save prompt", "12", {}, {QStringLiteral("cmdCancel")}, "titleText=Decimals",
         {QStringLiteral("Are you sure you want to exit?")}, "SCORM 1.2", "scorm12.xml", "<lom>unsaved</lom>"},
        // The text window and the SCORM 1.2 editor agree before the SCORM 2004 editor, opened after them, calls
        // the exit off: both stay loaded, the text window with its unsaved text.
        {"an exit called off by the later of three children", "12", lom2004,
         {QStringLiteral("cmdNo"), QStringLiteral("cmdCancel")}, "titleText=Fractions for Beginners",
         {QStringLiteral("You are trying to open a SCORM 2004 XML file using the SCORM 1.2 Editor.\rWould you like to "
                         "switch to the SCORM 2004 Editor now?"),
          QStringLiteral("Are you sure you want to exit?")},
         "SCORM 2004", "opened.xml", "<lom>unsaved</lom>"},
        {"b01: strings in two languages and a maximum version", "2004", golfBytes, {}, "titleText=Golf Explained",
         {unsupported("technical", "maximumVersion"),
          QStringLiteral("Only the first string of each field was read. Strings in other languages left out of your "
                         "imported file: <general> title (es)\r\rThe export writes each person by name alone.")},
         "SCORM 2004", "opened.xml", golfBytes},
        {"a processing instruction in a category", "12", record12("<technical><?pi x?><size>10</size></technical>"), {},
         "txtSize=10", {unsupported("technical", "pi")}, "SCORM 1.2", "opened.xml",
         record12("<technical><?pi x?><size>10</size></technical>")},
        {"a vCard on one line", "12",
         record12("<lifecycle><contribute><role><source><langstring>LOMv1.0</langstring></source><value><langstring>"
                  "Author</langstring></value></role><centity><vcard>BEGIN:VCARD VERSION:3.0 FN: EMAIL;TYPE=INTERNET: "
                  "ORG: END:VCARD</vcard></centity></contribute></lifecycle>"),
         {}, "lstFiles=,Author", {}, "SCORM 1.2", "opened.xml", {}},
        {"a truncated file of the other binding", "12", lom2004.left(lom2004.indexOf("</title>")), {}, "titleText=Decimals",
         {QStringLiteral("Unsupported XML on line 6")}, "SCORM 1.2", "scorm12.xml", bytes("open/scorm12.xml")},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        settings(0, 0);
        chooseBinding(QLatin1String(row.binding));
        initXMLParser();
        ASSERT_TRUE(frmMainLoaded());
        // A record read before: the one the called-off step or the failed opening must keep.
        const QString before = path(QStringLiteral("scorm12.xml"));
        QFile::remove(before);
        ASSERT_TRUE(QFile::copy(testData(QStringLiteral("open/scorm12.xml")), before));
        if (QByteArray(row.binding) == "12")
            frmMain().openSelectedFile(false, before, false);
        dialogs.clear();
        if (!row.file.isEmpty()) {
            writeFile(QStringLiteral("opened.xml"), row.file);
            if (!row.exit.isEmpty())
                dialogs.answer(Answer::Yes); // "Switch Modes?"
            frmMain().openSelectedFile(false, path(QStringLiteral("opened.xml")), false);
        }
        if (!row.exit.isEmpty()) {
            showXML(QString::fromUtf8(row.shown));
            writeFile(QStringLiteral("settings.dat"), "showTipAtStartup.0\r\nshowSaveOptions.1\r\n");
            dialogs.answer(Answer::Yes);
            answerSavePrompts(row.exit);
            trigger("mnuFileExit");
            processEvents();
            ASSERT_TRUE(frmMainLoaded());
        }
        processEvents();
        QStringList notices = dialogs.messages();
        for (qsizetype i = 0; i < notices.size() && i < row.notices.size(); ++i)
            if (notices[i].startsWith(row.notices[i]))
                notices[i] = row.notices[i]; // a parse notice, or what the record does not hold, by its start
        EXPECT_EQ(notices, row.notices);
        EXPECT_EQ(frmMain().scormVersion, QLatin1String(row.after));
        EXPECT_EQ(frmMain().lblCurFile()->text(), QLatin1String(row.current));
        const kit::EditorWindow &editor = frmMain().scormVersion == QLatin1String("SCORM 2004")
                                              ? static_cast<kit::EditorWindow &>(frmOptions2004())
                                              : static_cast<kit::EditorWindow &>(frmOptions());
        const QString name = row.field.section(u'=', 0, 0);
        const auto *list = qobject_cast<const QListWidget *>(editor.control(name));
        EXPECT_EQ(list ? itemTexts(list).join(u'|') : editor.fieldText(name), row.field.section(u'=', 1));
        ASSERT_TRUE(frmDocumentLoaded());
        if (!row.shown.isEmpty()) {
            // The window shows line ends as the text control holds them.
            EXPECT_EQ(frmDocument().rtfXMLOutput()->toPlainText().toUtf8(), QByteArray(row.shown).replace("\r\n", "\n"));
        }
        unloadAll();
    }
}

// Times File > Open of large SCORM 1.2 records, written on one line and on many, their bulk in free text
// ("text") or in classifications ("class"): the whole opening, then the XML text window and the editor
// drawn for the first time. Records above the size limit are refused before they are read, which is
// timed too.
//
//   openbench [sizes in MB...]      (default: 1 10 50)
//   openbench file.xml...           times the opening of the files given
//   openbench hostile               times SCORM 2004 records of many roles outside the lists, vCards of ten
//                                   lines, languages or unknown elements beside their twins without them,
//                                   with the boxes each shows and the longest box's length
//   openbench lists [counts...]     (default: 1000 10000 100000) times records of both bindings holding a list
//                                   of that many keywords, formats (SCORM 1.2) or contributors (SCORM 2004),
//                                   each beside a record of the same size holding one long keyword, and the
//                                   ratio of the two openings
//
// Build with -DTAGSMITH_BENCH=ON in a Release or RelWithDebInfo build; run with QT_QPA_PLATFORM=offscreen.

#include "editor12/frmoptions.h"
#include "editor2004/frmoptions2004.h"
#include "frame/frmdocument.h"
#include "frame/frmmain.h"
#include "frame/startup.h"
#include "platform/programfolder.h"
#include "platform/scripteddialogs.h"
#include "platform/timing.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <optional>

using namespace ts;

namespace {

void copyTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        if (it.fileInfo().isDir())
            QDir().mkpath(target);
        else if (!it.fileInfo().isExecutable())
            QFile::copy(source, target);
    }
}

// A record of `bytes` bytes. Its bulk is either its description (free text, with keywords beside it) or
// its classifications (each of which the opening stores as a fragment file). On one line: no line end
// anywhere. On many: one element per line, and the description broken into lines of about 70 characters.
QByteArray record(qint64 bytes, bool oneLine, bool classifications)
{
    const QByteArray nl = oneLine ? "" : "\r\n";
    QByteArray body = "<?xml version=\"1.0\"?>" + nl + "<lom xmlns=\"http://www.imsglobal.org/xsd/imsmd_rootv1p2p1\">" +
                      nl + "<general>" + nl + "<title><langstring xml:lang=\"en\">A large record</langstring></title>" +
                      nl;
    QByteArray tail;
    QByteArray unit;
    if (classifications) {
        body += "</general>" + nl;
        unit = "<classification>" + nl + "<purpose><source><langstring xml:lang=\"x-none\">LOMv1.0</langstring>" +
               "</source><value><langstring xml:lang=\"x-none\">Discipline</langstring></value></purpose>" + nl +
               "<description><langstring xml:lang=\"en\">Life sciences</langstring></description>" + nl +
               "<keyword><langstring xml:lang=\"en\">biology</langstring></keyword>" + nl + "</classification>" + nl;
        tail = "</lom>" + nl;
    } else {
        body += "<description><langstring xml:lang=\"en\">";
        unit = "The cell is the basic unit of life &amp; of every tissue. ";
        QByteArray keywords;
        for (int i = 0; i < 200; ++i)
            keywords += "<keyword><langstring xml:lang=\"en\">keyword " + QByteArray::number(i) + "</langstring></keyword>" +
                        nl;
        tail = "</langstring></description>" + nl + keywords + "</general>" + nl + "</lom>" + nl;
    }
    qint64 sinceBreak = 0;
    while (body.size() + unit.size() + 2 + tail.size() <= bytes) {
        body += unit;
        sinceBreak += unit.size();
        if (!oneLine && !classifications && sinceBreak > 70) {
            body += "\r\n";
            sinceBreak = 0;
        }
    }
    // Blanks up to the size asked for.
    return body + QByteArray(std::max<qint64>(0, bytes - body.size() - tail.size()), ' ') + tail;
}

// A SCORM 2004 record that holds `count` units of one kind that the editor does not keep as they are:
// contributions with roles outside the editor's list, contributions whose vCards hold ten lines, strings of
// one description in as many languages, or elements the editor has no place for. With `twin`, the record of
// the same shape and about the same size without them: the roles of the list, vCards holding the name alone
// (and blank lines as long as the others), strings without a language, keywords.
// Eight lines of a vCard beside its name; for the twin, lines of blanks as long.
QByteArray vCardLines(const QByteArray &n, bool twin)
{
    QByteArray lines = "VERSION:3.0\nN:" + n + ";Person\nORG:Company " + n + "\nEMAIL;INTERNET:p" + n +
                       "@example.org\nTEL:+1 555 " + n + "\nADR:;;" + n + " Main Street;Springfield\nURL:https://example.org/" +
                       n + "\nNOTE:Contributor " + n + "\n";
    if (twin)
        for (char &c : lines)
            c = c == '\n' ? c : ' ';
    return lines;
}

QByteArray hostileRecord(const QByteArray &kind, int count, bool twin)
{
    QByteArray general = "<title><string language=\"x-none\">Hostile</string></title>";
    QByteArray lifeCycle;
    if (kind == "languages")
        general += "<description>";
    for (int i = 0; i < count; ++i) {
        const QByteArray n = QByteArray::number(i);
        if (kind == "roles")
            lifeCycle += "<contribute><role><value>" + (twin ? QByteArray("author") : "role " + n) +
                         "</value></role><entity>VCARD\nFN:Person " + n + "</entity></contribute>";
        else if (kind == "vcards")
            lifeCycle += "<contribute><role><source>LOMv1.0</source><value>author</value></role><entity>BEGIN:VCARD\n"
                         "FN:Person " + n + "\n" + vCardLines(n, twin) + "END:VCARD</entity></contribute>";
        else if (kind == "languages")
            general += "<string language=\"" + (twin ? QByteArray("x-none") : "l-" + n) + "\">text " + n + "</string>";
        else
            general += twin ? "<keyword>k" + n + "</keyword>" : "<kexword>k" + n + "</kexword>";
    }
    if (kind == "languages")
        general += "</description>";
    return "<?xml version=\"1.0\"?><lom xmlns=\"http://ltsc.ieee.org/xsd/LOM\"><general>" + general + "</general>" +
           (lifeCycle.isEmpty() ? QByteArray() : "<lifeCycle>" + lifeCycle + "</lifeCycle>") + "</lom>";
}

// The lists a record can hold many entries of: where they stand and one entry.
struct ListCase {
    const char *name;
    bool scorm2004;
    const char *category; // the category element that holds the entries
    QByteArray (*entry)(int number);
};

const ListCase kListCases[] = {
    {"keywords", false, "general",
     [](int n) {
         return "<keyword><langstring xml:lang=\"en\">keyword " + QByteArray::number(n) + "</langstring></keyword>\r\n";
     }},
    {"formats", false, "technical",
     [](int n) { return "<format>application/x-list-" + QByteArray::number(n) + "</format>\r\n"; }},
    {"keywords", true, "general",
     [](int n) { return "<keyword><string language=\"en\">keyword " + QByteArray::number(n) + "</string></keyword>\r\n"; }},
    {"contributors", true, "lifeCycle",
     [](int n) {
         return "<contribute><entity>BEGIN:VCARD\r\nFN:Author " + QByteArray::number(n) +
                "\r\nEND:VCARD</entity></contribute>\r\n";
     }},
};

// A record of the case's binding with `count` entries of its list; with `count` 0, one keyword as long as
// makes the record `size` bytes.
QByteArray listRecord(const ListCase &c, int count, qint64 size = 0)
{
    const QByteArray ns = c.scorm2004 ? "http://ltsc.ieee.org/xsd/LOM" : "http://www.imsglobal.org/xsd/imsmd_rootv1p2p1";
    const QByteArray title = c.scorm2004 ? "<title><string language=\"en\">A long list</string></title>\r\n"
                                         : "<title><langstring xml:lang=\"en\">A long list</langstring></title>\r\n";
    const QByteArray schema =
        c.scorm2004 ? "<metaMetadata><metadataSchema>SCORM_CAM_v1.3</metadataSchema></metaMetadata>\r\n" : "";
    const QByteArray head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<lom xmlns=\"" + ns + "\">\r\n<general>\r\n" + title;
    const QByteArray tail = schema + "</lom>\r\n";
    if (count == 0) {
        const QByteArray keyword = kListCases[c.scorm2004 ? 2 : 0].entry(0);
        const QByteArray before = keyword.left(keyword.indexOf("keyword 0") + 8);
        const QByteArray after = keyword.mid(before.size());
        const qint64 fixed = head.size() + before.size() + after.size() + 12 + tail.size();
        return head + before + QByteArray(std::max<qint64>(1, size - fixed), 'x') + after + "</general>\r\n" + tail;
    }
    QByteArray entries;
    for (int n = 1; n <= count; ++n)
        entries += c.entry(n);
    const QByteArray category = c.category;
    if (category == "general")
        return head + entries + "</general>\r\n" + tail;
    return head + "</general>\r\n<" + category + ">\r\n" + entries + "</" + category + ">\r\n" + tail;
}

void chooseScorm12()
{
    auto *timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal->objectName() != QLatin1String("frmVersionSelect"))
            return;
        timer->stop();
        timer->deleteLater();
        modal->findChild<QRadioButton *>(QStringLiteral("optScorm12"))->setChecked(true);
        modal->findChild<QPushButton *>(QStringLiteral("cmdOk"))->click();
    });
    timer->start();
}

// Draws the widget as the screen would and answers the milliseconds it took.
qint64 drawn(QWidget *widget)
{
    QElapsedTimer clock;
    clock.start();
    QApplication::processEvents();
    widget->grab();
    return clock.elapsed();
}

// Opens each list case's records of the given numbers of entries, and beside each one a record of the same
// size holding one long keyword, and prints both times and their ratio.
void timeLists(ScriptedDialogs &dialogs, const QList<int> &counts)
{
    // Opened: until the opening returns; shown: until the text window and the editor are drawn as well.
    std::printf("\n%-9s %-12s %7s %9s %8s %8s %6s %8s %8s %6s  %s\n", "binding", "list", "entries", "bytes",
                "list ms", "long ms", "ratio", "list ms", "long ms", "ratio", "messages");
    std::printf("%-9s %-12s %7s %9s %-24s %-24s\n", "", "", "", "", "   opened", "   shown");
    QString binding = frmMain().scormVersion;
    for (const ListCase &c : kListCases) {
        const QString path = programPath(QStringLiteral("bench.xml"));
        // Opens the record, asked to switch editors when it is of the other binding: the milliseconds until it is
        // opened and until it is shown.
        const auto open = [&](const QByteArray &bytes) {
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly))
                return std::pair<qint64, qint64>{-1, -1};
            file.write(bytes);
            file.close();
            dialogs.clear();
            const QString wanted = c.scorm2004 ? QStringLiteral("SCORM 2004") : QStringLiteral("SCORM 1.2");
            if (binding != wanted)
                dialogs.answer(Answer::Yes);
            QElapsedTimer clock;
            clock.start();
            frmMain().openSelectedFile(false, path, false);
            const qint64 opened = clock.elapsed();
            binding = frmMain().scormVersion;
            // Then until the user sees it: the XML text window and the editor drawn.
            drawn(&frmDocument());
            drawn(c.scorm2004 ? static_cast<QWidget *>(&frmOptions2004()) : &frmOptions());
            return std::pair<qint64, qint64>{opened, clock.elapsed()};
        };
        // The editor of the binding is shown once before anything is timed.
        open(listRecord(c, 1));
        for (const int count : counts) {
            const QByteArray list = listRecord(c, count);
            const auto [listOpen, listShown] = open(list);
            const QString said = dialogs.messages().join(QLatin1String(" | ")).left(60);
            const auto [longOpen, longShown] = open(listRecord(c, 0, list.size()));
            const auto ratio = [](qint64 a, qint64 b) { return double(a) / double(std::max<qint64>(1, b)); };
            std::printf("%-9s %-12s %7d %9lld %8lld %8lld %6.2f %8lld %8lld %6.2f  %s\n",
                        c.scorm2004 ? "SCORM2004" : "SCORM1.2", c.name, count, static_cast<long long>(list.size()),
                        static_cast<long long>(listOpen), static_cast<long long>(longOpen), ratio(listOpen, longOpen),
                        static_cast<long long>(listShown), static_cast<long long>(longShown),
                        ratio(listShown, longShown), qPrintable(said));
            std::fflush(stdout);
        }
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QList<int> sizes;
    QStringList files;
    bool hostile = false;
    std::optional<QList<int>> listCounts;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("hostile"))
            hostile = true;
        else if (arg == QLatin1String("lists"))
            listCounts.emplace();
        else if (arg.endsWith(QLatin1String(".xml")))
            files << QFileInfo(arg).absoluteFilePath();
        else
            (listCounts ? *listCounts : sizes) << arg.toInt();
    }
    if (listCounts && listCounts->isEmpty())
        listCounts = QList<int>{1000, 10000, 100000};
    if (sizes.isEmpty() && files.isEmpty() && !listCounts && !hostile)
        sizes = {1, 10, 50};

    QTemporaryDir folder;
    copyTree(QStringLiteral(TAGSMITH_PROGRAM_DIR), folder.path());
    setProgramFolder(folder.path());
    QFile settings(programPath(QStringLiteral("settings.dat")));
    if (!settings.open(QIODevice::WriteOnly))
        return 1;
    settings.write("showTipAtStartup.0\r\nshowGettingStarted.0\r\nshowSelectMetadataCategory.0\r\nshowSaveOptions.0\r\n");
    settings.close();
    ScriptedDialogs dialogs;
    setDialogs(&dialogs);
    setTimerScale(0.001);
    registerEditor12();
    registerEditor2004();
    chooseScorm12();
    initXMLParser();
    frmMain().resize(1280, 900);

    if (!sizes.isEmpty() || !files.isEmpty())
        std::printf("%-12s %-6s %10s %10s %10s %10s  %s\n", "record", "lines", "bytes", "open ms", "text ms",
                    "editor ms", "messages");
    auto time = [&dialogs](const QString &path, const QString &name, const char *lines) {
        dialogs.clear();
        QElapsedTimer clock;
        clock.start();
        frmMain().openSelectedFile(false, path, false);
        const qint64 open = clock.elapsed();
        const qint64 text = frmDocumentLoaded() ? drawn(&frmDocument()) : 0;
        const qint64 editor = drawn(&frmOptions());
        std::printf("%-12s %-6s %10lld %10lld %10lld %10lld  %s\n", qPrintable(name.right(12)), lines,
                    static_cast<long long>(QFileInfo(path).size()), static_cast<long long>(open),
                    static_cast<long long>(text), static_cast<long long>(editor),
                    qPrintable(dialogs.messages().join(QLatin1String(" | ")).left(100)));
        std::fflush(stdout);
    };
    if (listCounts)
        timeLists(dialogs, *listCounts);
    for (const bool classifications : {false, true}) {
        for (const int mb : sizes) {
            for (const bool oneLine : {true, false}) {
                const QString path = programPath(QStringLiteral("bench.xml"));
                QFile file(path);
                if (!file.open(QIODevice::WriteOnly))
                    return 1;
                file.write(record(qint64(mb) * 1024 * 1024, oneLine, classifications));
                file.close();
                time(path, QStringLiteral("%1 MB %2").arg(mb).arg(classifications ? "class" : "text"),
                     oneLine ? "one" : "many");
            }
        }
    }
    for (const QString &path : files)
        time(path, QFileInfo(path).fileName(), "");

    // Records that hold many units the editor does not keep as they are open in about the time of their twins
    // without them, and show few, short boxes.
    if (hostile) {
        std::printf("\n%-10s %8s %10s %10s %10s %6s %6s %8s\n", "hostile", "count", "bytes", "open ms", "twin ms",
                    "ratio", "boxes", "longest");
        const QString path = programPath(QStringLiteral("hostile.xml"));
        const auto open = [&](const QByteArray &text) {
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly))
                return qint64(-1);
            file.write(text);
            file.close();
            dialogs.clear();
            dialogs.answer(Answer::Yes); // the switch to the SCORM 2004 editor, asked once
            QElapsedTimer clock;
            clock.start();
            frmMain().openSelectedFile(false, path, false);
            return clock.elapsed();
        };
        open(hostileRecord("roles", 1, true)); // the SCORM 2004 editor, opened before anything is timed
        const std::pair<const char *, int> kinds[] = {{"roles", 1000},       {"roles", 100000}, {"languages", 10000},
                                                      {"languages", 100000}, {"elements", 100000}, {"vcards", 10000}};
        for (const auto &[kind, count] : kinds) {
            const qint64 twin = open(hostileRecord(kind, count, true));
            const qint64 ms = open(hostileRecord(kind, count, false));
            qsizetype boxes = 0;
            qsizetype longest = 0;
            for (const DialogCall &call : dialogs.calls()) {
                if (call.title == QLatin1String("Switch Modes?"))
                    continue;
                ++boxes;
                longest = std::max(longest, call.text.size());
            }
            std::printf("%-10s %8d %10lld %10lld %10lld %6.2f %6lld %8lld\n", kind, count,
                        static_cast<long long>(QFileInfo(path).size()), static_cast<long long>(ms),
                        static_cast<long long>(twin), twin > 0 ? double(ms) / double(twin) : 0.0,
                        static_cast<long long>(boxes), static_cast<long long>(longest));
            std::fflush(stdout);
        }
    }
    setDialogs(nullptr);
    return 0;
}

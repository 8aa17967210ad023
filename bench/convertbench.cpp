// Times lomshift's conversion of many SCORM 1.2 records, converted only and then converted and written as a
// wizard run writes them (each file atomically, on the disk before it replaces the old one), beside xsltproc
// running the same stylesheet over the same files in one process (its results one after the other into one
// file), and beside xsltproc running the stylesheets as they were before they marked what they carry over
// (commit b848201, which the build takes from the repository's history into bench/xsl-b848201).
//
//   convertbench [count] [folder] [side]   (default: 1000 records in a temporary folder, both sides)
//
// side "lomshift" or "xsltproc" runs that side only, so that each can be timed as a whole process.
//
// The records are copies of the SCORM 1.2 writers' golden files; with a folder given they stay there
// (records in <folder>/in, lomshift's results in <folder>/lomshift, xsltproc's in <folder>/xsltproc.out), so
// that either side can be timed again from outside. Build with -DTAGSMITH_BENCH=ON in a Release build.

#include "lomshift/common.h"
#include "lomshift/run.h"
#include "platform/scripteddialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>

using namespace ts;

namespace {

QStringList makeRecords(const QString &folder, int count)
{
    const QDir goldens(QStringLiteral(TAGSMITH_GOLDEN_DIR));
    const QStringList names = goldens.entryList({QStringLiteral("*.xml")}, QDir::Files, QDir::Name);
    QDir().mkpath(folder);
    QStringList files;
    for (int i = 0; i < count && !names.isEmpty(); ++i) {
        const QString target = QStringLiteral("%1/record%2.xml").arg(folder).arg(i + 1, 4, 10, QLatin1Char('0'));
        QFile::remove(target);
        QFile::copy(goldens.filePath(names.at(i % names.size())), target);
        files << target;
    }
    return files;
}

// lomshift's side: every record converted, then converted and written. False when one was not written.
bool runLomshift(const QString &stylesheet, const QStringList &files, const QString &out, double &convertSeconds,
                 double &writeSeconds)
{
    QElapsedTimer timer;
    timer.start();
    lomshift::Converter converter(QStringLiteral("Metadata"), stylesheet);
    int converted = 0;
    for (const QString &file : files)
        converted += converter.doConversion(file).converted() ? 1 : 0;
    convertSeconds = timer.nsecsElapsed() / 1e9;
    std::printf("lomshift: %d of %d records converted in %.3f s\n", converted, int(files.size()), convertSeconds);
    timer.restart();
    const lomshift::RunReport report = lomshift::runConversion(converter, files, {false, true, out});
    writeSeconds = timer.nsecsElapsed() / 1e9;
    std::printf("lomshift: %d records converted and written in %.3f s (%s)\n", int(files.size()), writeSeconds,
                report.complete() ? "all written" : "NOT all written");
    return report.complete();
}

// xsltproc's side, in one process; 0 when it is not installed or the stylesheet is missing.
double runXsltproc(const QString &stylesheet, const QStringList &files, const QString &out, const char *which)
{
    const QString xsltproc = QStandardPaths::findExecutable(QStringLiteral("xsltproc"));
    if (xsltproc.isEmpty()) {
        std::printf("xsltproc: not installed\n");
        return 0;
    }
    if (!QFile::exists(stylesheet)) {
        std::printf("xsltproc: %s not found (%s)\n", which, qPrintable(stylesheet));
        return 0;
    }
    QProcess process;
    process.setStandardOutputFile(out);
    QElapsedTimer timer;
    timer.start();
    process.start(xsltproc, QStringList{QStringLiteral("--nonet"), stylesheet} + files);
    process.waitForFinished(-1);
    const double seconds = timer.nsecsElapsed() / 1e9;
    std::printf("xsltproc: %s over the same %d records in %.3f s (exit %d)\n", which, int(files.size()), seconds,
                process.exitCode());
    return seconds;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int count = args.size() > 1 ? args.at(1).toInt() : 1000;
    QTemporaryDir temporary;
    const QString folder = args.size() > 2 ? args.at(2) : temporary.path();
    const QString side = args.size() > 3 ? args.at(3) : QString();
    ScriptedDialogs dialogs; // any box is recorded, none waits
    setDialogs(&dialogs);

    const QString stylesheet = QStringLiteral(TAGSMITH_PROGRAM_DIR "/xsl/metadataTransform.xsl");
    const QStringList files = makeRecords(folder + QStringLiteral("/in"), count);
    QDir().mkpath(folder + QStringLiteral("/lomshift"));
    double convertSeconds = 0;
    double writeSeconds = 0;
    bool complete = true;
    if (side != QLatin1String("xsltproc"))
        complete = runLomshift(stylesheet, files, folder + QStringLiteral("/lomshift"), convertSeconds, writeSeconds);
    if (side != QLatin1String("lomshift")) {
        const double theirs =
            runXsltproc(stylesheet, files, folder + QStringLiteral("/xsltproc.out"), "the same stylesheet");
        const double unmarked = runXsltproc(QStringLiteral(TAGSMITH_UNMARKED_XSL "/metadataTransform.xsl"), files,
                                            folder + QStringLiteral("/xsltproc-b848201.out"),
                                            "the stylesheets before the marks");
        if (side.isEmpty() && theirs > 0)
            std::printf("ratio lomshift / xsltproc: %.2f converted only, %.2f converted and written\n",
                        convertSeconds / theirs, writeSeconds / theirs);
        if (side.isEmpty() && unmarked > 0)
            std::printf("ratio lomshift / xsltproc before the marks: %.2f converted only\n",
                        convertSeconds / unmarked);
    }
    return complete ? 0 : 1;
}

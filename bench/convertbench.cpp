// Times lomshift's conversion of many SCORM 1.2 records (each converted and written, as a wizard run does)
// beside xsltproc running the same stylesheet over the same files.
//
//   convertbench [count] [folder]   (default: 1000 records in a temporary folder)
//
// The records are copies of the SCORM 1.2 writers' golden files; with a folder given they stay there
// (records in <folder>/in, lomshift's results in <folder>/lomshift, xsltproc's in <folder>/xsltproc), so that
// either side can be timed again from outside. Build with -DTAGSMITH_BENCH=ON in a Release build.

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

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int count = args.size() > 1 ? args.at(1).toInt() : 1000;
    QTemporaryDir temporary;
    const QString folder = args.size() > 2 ? args.at(2) : temporary.path();
    ScriptedDialogs dialogs; // any box is recorded, none waits
    setDialogs(&dialogs);

    const QString stylesheet = QStringLiteral(TAGSMITH_PROGRAM_DIR "/xsl/metadataTransform.xsl");
    const QStringList files = makeRecords(folder + QStringLiteral("/in"), count);
    const QString ours = folder + QStringLiteral("/lomshift");
    const QString theirs = folder + QStringLiteral("/xsltproc");
    QDir().mkpath(ours);
    QDir().mkpath(theirs);

    QElapsedTimer timer;
    timer.start();
    lomshift::Converter converter(QStringLiteral("Metadata"), stylesheet);
    const lomshift::RunReport report = lomshift::runConversion(converter, files, {false, true, ours});
    const double oursSeconds = timer.nsecsElapsed() / 1e9;
    std::printf("lomshift: %d records converted and written in %.3f s (%s)\n", int(files.size()), oursSeconds,
                report.complete() ? "all written" : "NOT all written");

    const QString xsltproc = QStandardPaths::findExecutable(QStringLiteral("xsltproc"));
    if (xsltproc.isEmpty()) {
        std::printf("xsltproc: not installed\n");
        return report.complete() ? 0 : 1;
    }
    QProcess process;
    timer.restart();
    process.start(xsltproc, QStringList{QStringLiteral("--nonet"), QStringLiteral("-o"), theirs + QLatin1Char('/'), stylesheet} + files);
    process.waitForFinished(-1);
    const double theirSeconds = timer.nsecsElapsed() / 1e9;
    std::printf("xsltproc: the same stylesheet over the same %d records in %.3f s (exit %d)\n", int(files.size()),
                theirSeconds, process.exitCode());
    std::printf("ratio lomshift / xsltproc: %.2f\n", oursSeconds / theirSeconds);
    return report.complete() ? 0 : 1;
}

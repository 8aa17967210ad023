// Times the batch generation over many content files as the batch window runs it: one metadata file each,
// from the SCORM 1.2 default template, each replaced atomically, all of them on the disk before the time is
// taken; then `cp -r` of the metadata files written (the same bytes, the same number of files), also followed
// by a flush to the disk, for comparison. Prints files per second for both.
//
//   batchbench [files] [folder]   (default: 10000 files, in a new temporary folder that is removed after)
//
// Build with -DTAGSMITH_BENCH=ON in a Release or RelWithDebInfo build.

#include "batch/batchfile.h"
#include "batch/generate.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

using namespace ts;
using namespace ts::batch;

namespace {

void report(const char *what, qsizetype files, qint64 bytes, qint64 ms)
{
    const double seconds = static_cast<double>(ms) / 1000.0;
    std::printf("%-24s %6lld files, %9lld bytes in %7.3f s: %9.0f files/s\n", what, static_cast<long long>(files),
                static_cast<long long>(bytes), seconds, seconds > 0 ? static_cast<double>(files) / seconds : 0.0);
}

qint64 folderBytes(const QString &folder)
{
    qint64 bytes = 0;
    for (const QFileInfo &f : QDir(folder).entryInfoList(QDir::Files))
        bytes += f.size();
    return bytes;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int count = args.size() > 1 ? args.at(1).toInt() : 10000;
    QTemporaryDir temporary;
    const QString root = args.size() > 2 ? args.at(2) : temporary.path();
    const QString content = root + QStringLiteral("/content"), out = root + QStringLiteral("/out");
    QDir().mkpath(content);
    QDir().mkpath(out);
    const QString templateFile = root + QStringLiteral("/scorm_template.xml");
    QFile::copy(QStringLiteral(TAGSMITH_PROGRAM_DIR "/templates/default.tsm"), templateFile);

    // Content files of the three media types, 2 KB each.
    const char *const extensions[] = {".gif", ".wav", ".txt", ".pdf"};
    QStringList sources;
    for (int i = 0; i < count; ++i) {
        sources << content + QStringLiteral("/file%1%2").arg(i, 5, 10, QLatin1Char('0')).arg(extensions[i % 4]);
        QFile f(sources.constLast());
        if (!f.open(QIODevice::WriteOnly) || f.write(QByteArray(2048, 'x')) != 2048)
            return std::fprintf(stderr, "cannot write %s\n", qPrintable(sources.constLast())), 1;
    }

    QElapsedTimer clock;
    clock.start();
    int failed = 0;
    for (const PlannedFile &p : planOutputs(sources, out, templateFile)) {
        Notices notices;
        const std::optional<FileInfo> info = getFileInfo(p.source);
        if (p.output.isEmpty() || !info || !generateMetadata(templateFile, *info, p.output, notices, WriteKind::Scratch))
            ++failed;
    }
    if (!flushToDisk(out, nullptr))
        return std::fprintf(stderr, "cannot flush %s\n", qPrintable(out)), 1;
    const qint64 generated = clock.elapsed();
    report("batch generation", count - failed, folderBytes(out), generated);

    clock.restart();
    const int cp = QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-r"), out, root + QStringLiteral("/copy")});
    flushToDisk(root, nullptr);
    const qint64 copied = clock.elapsed();
    report("cp -r, then the flush", QDir(root + QStringLiteral("/copy")).entryList(QDir::Files).size(),
           folderBytes(root + QStringLiteral("/copy")), copied);
    if (failed || cp != 0)
        std::fprintf(stderr, "%d files failed, cp answered %d\n", failed, cp);
    return failed || cp != 0 ? 1 : 0;
}

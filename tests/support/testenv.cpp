#include "testenv.h"

#include "platform/dialogs.h"
#include "platform/programfolder.h"
#include "platform/timing.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace ts::test {

QString sharedDir()
{
    const QString dir = QStringLiteral(TAGSMITH_SHARED_DIR);
    return QFileInfo(dir).isDir() ? QDir(dir).canonicalPath() : QString();
}

QString testData(const QString &relative) { return QStringLiteral(TAGSMITH_TEST_DATA) + QLatin1Char('/') + relative; }

void prepareTestRun()
{
    // A screen of 1366 by 768 pixels, or the screen file of the tests' data that TAGSMITH_TEST_SCREEN names.
    const QString screen = qEnvironmentVariable("TAGSMITH_TEST_SCREEN", QStringLiteral("screen1366x768.json"));
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(testData(screen)));
    setTimerScale(0.001);
}

namespace {
void copyTree(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        if (it.fileInfo().isDir())
            QDir().mkpath(target);
        else if (it.fileInfo().isFile() && !it.fileInfo().isExecutable())
            QFile::copy(source, target);
    }
}
} // namespace

void ProgramFolderTest::SetUp()
{
    m_dir = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(m_dir->isValid());
    copyTree(QStringLiteral(TAGSMITH_PROGRAM_DIR), m_dir->path());
    setProgramFolder(m_dir->path());
    dialogs.setOnUnanswered([this](const DialogCall &call) {
        if (failOnUnanswered)
            ADD_FAILURE() << "Unanswered dialog: " << call.text.toStdString() << " [" << call.title.toStdString()
                          << "]";
    });
    setDialogs(&dialogs);
    setShell(&shell);
}

void ProgramFolderTest::TearDown()
{
    setDialogs(nullptr);
    setShell(nullptr);
    setProgramFolder(QString());
    m_dir.reset();
}

QString ProgramFolderTest::path(const QString &relative) const { return m_dir->path() + QLatin1Char('/') + relative; }

void ProgramFolderTest::writeFile(const QString &relative, const QByteArray &bytes) const
{
    QFile f(path(relative));
    QDir().mkpath(QFileInfo(f).absolutePath());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray ProgramFolderTest::readFile(const QString &relative) const
{
    QFile f(path(relative));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

} // namespace ts::test

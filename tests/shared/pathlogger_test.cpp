#include "support/testmain.h"

#include "shared/pathlogger.h"

#include <QDir>
#include <QTemporaryDir>
#include <QVariant>

using namespace ts;

namespace {
// "K3=sub/f.txt" for each item, the root cut off.
template <class T> QStringList keyed(const KeyedCollection<T> &c, const QString &root)
{
    QStringList out;
    for (int i = 1; i <= c.count(); ++i)
        out << c.keys().at(i - 1) + QLatin1Char('=') + QVariant(c.item(i)).toString().remove(root);
    return out;
}
// Fails its second folder, as a folder that vanished during the walk does.
struct FailingWalker : PathLogger {
    using PathLogger::PathLogger;
    mutable int calls = 0;
    void listFolder(const QString &folder, QStringList &subfolders, QStringList &files) const override
    {
        if (++calls == 2)
            throw AppError(76, QStringLiteral("Path not found"));
        PathLogger::listFolder(folder, subfolders, files);
    }
};
} // namespace

TEST(PathLogger, WalksBreadthFirstWithKeysAndCount)
{
    const struct {
        QStringList tree; // files below the root; "c/" an empty folder
        bool namesToo;    // fullFileNamesOnly false
        QStringList pathNames, fullFileNames, pathPointers;
        int count;
    } rows[] = {
        {{}, false, {"K0="}, {}, {}, 1},
        {{"b.txt", "a.txt", "sub/c.txt"}, true, {"K0=", "K2=sub/"}, {"K1=a.txt", "K2=b.txt", "K3=sub/c.txt"},
         {"K1=1", "K2=1", "K3=2"}, 4},
        {{"a/x/1.txt", "b/2.txt", "a/3.txt", "c/"}, false, {"K0=", "K2=a/", "K3=b/", "K4=c/", "K5=a/x/"},
         {"K1=a/3.txt", "K2=b/2.txt", "K3=a/x/1.txt"}, {}, 4},
    };
    for (const auto &row : rows) {
        QTemporaryDir dir;
        const QString root = dir.path() + QLatin1Char('/');
        for (const QString &entry : row.tree) {
            QDir().mkpath(QFileInfo(root + entry).absolutePath());
            QFile(root + entry).open(QIODevice::WriteOnly);
        }
        PathLogger walker;
        walker.PathLogInit();
        walker.setFullFileNamesOnly(!row.namesToo);
        walker.LogPath(row.count == 1 ? root : dir.path()); // one "/" at the end either way
        EXPECT_EQ(keyed(walker.pathNames(), root), row.pathNames);
        EXPECT_EQ(keyed(walker.fullFileNames(), root), row.fullFileNames);
        EXPECT_EQ(keyed(walker.pathPointers(), root), row.pathPointers);
        EXPECT_EQ(walker.Count(), row.count);
    }
}

TEST(PathLogger, CallsOutOfOrderAndTheConverterForm)
{
    QTemporaryDir dir;
    QDir().mkpath(dir.path() + QStringLiteral("/a"));
    QFile(dir.path() + QStringLiteral("/top.txt")).open(QIODevice::WriteOnly);
    const auto walk = [&](PathLogger &walker, const QString &tail = {}) {
        try {
            walker.LogPath(dir.path() + tail);
        } catch (const AppError &e) {
            return e.number;
        }
        return walker.Count();
    };
    PathLogger walker;
    EXPECT_EQ(walk(walker), 91); // before PathLogInit
    walker.PathLogInit();
    EXPECT_EQ(walk(walker, QStringLiteral("/missing")), 0);
    EXPECT_EQ(walk(walker), 2);
    EXPECT_EQ(walk(walker), 457); // again without PathLogInit
    // A failed walk keeps what it found; the converter's form ends it quietly.
    for (const auto &[options, result] : {std::pair{PathLogger::Options{}, 76}, {PathLogger::lomshiftOptions(), 2}}) {
        FailingWalker failing(options);
        failing.PathLogInit();
        EXPECT_EQ(walk(failing), result);
        EXPECT_EQ(failing.fullFileNames().items(), QStringList{dir.path() + QStringLiteral("/top.txt")});
    }
    PathLogger backslash({QLatin1Char('\\'), false});
    backslash.PathLogInit();
    walk(backslash);
    EXPECT_EQ(backslash.pathNames().items(), (QStringList{dir.path() + "\\", dir.path() + "\\a\\"}));
}

#include "support/testmain.h"

#include "shared/pathlogger.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QVariant>

using namespace ts;

namespace {

// A temporary tree of the given files (paths below its root; a path ending in "/" is an empty folder).
class Tree {
public:
    explicit Tree(const QStringList &entries)
    {
        for (const QString &entry : entries) {
            const QString full = root() + entry;
            if (entry.endsWith(QLatin1Char('/'))) {
                QDir().mkpath(full);
                continue;
            }
            QDir().mkpath(QFileInfo(full).absolutePath());
            QFile f(full);
            EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        }
    }
    QString root() const { return m_dir.path() + QLatin1Char('/'); }

private:
    QTemporaryDir m_dir;
};

// The items of a collection with the tree's root cut off, keyed: "K3=sub/f.txt".
template <class T> QStringList keyed(const KeyedCollection<T> &c, const QString &root)
{
    QStringList out;
    for (int i = 1; i <= c.count(); ++i)
        out << c.keys().at(i - 1) + QLatin1Char('=') + QVariant(c.item(i)).toString().remove(root);
    return out;
}

} // namespace

TEST(PathLogger, WalksBreadthFirstWithKeysAndCount)
{
    const struct {
        QStringList tree;
        bool fullFileNamesOnly;
        QStringList pathNames;
        QStringList fullFileNames;
        QStringList fileNames;
        QStringList pathPointers;
        int count;
    } rows[] = {
        {{}, true, {"K0="}, {}, {}, {}, 1},
        {{"b.txt", "a.txt", "sub/c.txt"},
         false,
         {"K0=", "K2=sub/"},
         {"K1=a.txt", "K2=b.txt", "K3=sub/c.txt"},
         {"K1=a.txt", "K2=b.txt", "K3=c.txt"},
         {"K1=1", "K2=1", "K3=2"},
         4},
        // The first level's files come before any deeper one's, whatever the names.
        {{"a/x/1.txt", "b/2.txt", "a/3.txt", "c/"},
         true,
         {"K0=", "K2=a/", "K3=b/", "K4=c/", "K5=a/x/"},
         {"K1=a/3.txt", "K2=b/2.txt", "K3=a/x/1.txt"},
         {},
         {},
         4},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.tree.join(QLatin1Char(' ')).toStdString());
        Tree tree(row.tree);
        PathLogger walker;
        walker.PathLogInit();
        walker.setFullFileNamesOnly(row.fullFileNamesOnly);
        // With or without its final separator the start folder is logged once, ending in one.
        walker.LogPath(row.count == 1 ? tree.root() : tree.root().chopped(1));
        EXPECT_EQ(keyed(walker.pathNames(), tree.root()), row.pathNames);
        EXPECT_EQ(walker.pathNames().item(1), tree.root());
        EXPECT_EQ(keyed(walker.fullFileNames(), tree.root()), row.fullFileNames);
        EXPECT_EQ(keyed(walker.fileNames(), tree.root()), row.fileNames);
        EXPECT_EQ(keyed(walker.pathPointers(), tree.root()), row.pathPointers);
        EXPECT_EQ(walker.Count(), row.count);
        // What was handed out stays after Terminate; Count and the switch keep their values.
        const KeyedCollection<QString> held = walker.fullFileNames();
        walker.Terminate();
        EXPECT_EQ(held.count(), row.count - 1);
        EXPECT_TRUE(walker.fullFileNames().isEmpty());
        EXPECT_EQ(walker.Count(), row.count);
        EXPECT_EQ(walker.fullFileNamesOnly(), row.fullFileNamesOnly);
    }
}

TEST(PathLogger, MissingFolderAndWalksOutOfOrder)
{
    Tree tree({QStringLiteral("a.txt")});
    PathLogger walker;
    EXPECT_EQ(walker.Count(), 0);
    EXPECT_FALSE(walker.fullFileNamesOnly());
    const auto fails = [&](int number) {
        try {
            walker.LogPath(tree.root());
        } catch (const AppError &e) {
            return e.number == number;
        }
        return false;
    };
    EXPECT_TRUE(fails(91)); // before PathLogInit
    walker.PathLogInit();
    EXPECT_TRUE(walker.fullFileNamesOnly());
    walker.LogPath(tree.root() + QStringLiteral("missing"));
    EXPECT_EQ(walker.Count(), 0);
    EXPECT_TRUE(walker.pathNames().isEmpty());
    walker.LogPath(tree.root());
    EXPECT_EQ(walker.Count(), 2);
    EXPECT_TRUE(fails(457)); // a second walk without PathLogInit: the start folder's key is taken
    EXPECT_EQ(walker.fullFileNames().count(), 1);
    walker.Terminate();
    EXPECT_TRUE(fails(91));
    EXPECT_EQ(walker.Count(), 1);
}

namespace {
// A walker whose second folder cannot be read.
class FailingWalker : public PathLogger {
public:
    using PathLogger::PathLogger;

protected:
    void listFolder(const QString &folder, QStringList &subfolders, QStringList &files) const override
    {
        if (++m_calls == 2)
            throw AppError(70, QStringLiteral("Permission denied"));
        PathLogger::listFolder(folder, subfolders, files);
    }

private:
    mutable int m_calls = 0;
};
} // namespace

TEST(PathLogger, ConverterFormEndsAFailedWalkQuietlyAndSeparatorIsAnOption)
{
    Tree tree({QStringLiteral("top.txt"), QStringLiteral("a/in-a.txt"), QStringLiteral("b/in-b.txt")});
    for (const bool quiet : {false, true}) {
        SCOPED_TRACE(quiet ? "converter" : "main program");
        FailingWalker walker(quiet ? PathLogger::lomshiftOptions() : PathLogger::Options{});
        walker.PathLogInit();
        bool raised = false;
        try {
            walker.LogPath(tree.root());
        } catch (const AppError &e) {
            raised = e.number == 70;
        }
        EXPECT_NE(raised, quiet);
        // What was collected before the failure stays.
        EXPECT_EQ(keyed(walker.fullFileNames(), tree.root()), QStringList{QStringLiteral("K1=top.txt")});
        EXPECT_EQ(walker.pathNames().count(), 3);
    }
    PathLogger backslash({QLatin1Char('\\'), false});
    backslash.PathLogInit();
    backslash.LogPath(tree.root().chopped(1));
    EXPECT_EQ(keyed(backslash.fullFileNames(), tree.root().chopped(1)),
              (QStringList{QStringLiteral("K1=\\top.txt"), QStringLiteral("K2=\\a\\in-a.txt"),
                           QStringLiteral("K3=\\b\\in-b.txt")}));
}

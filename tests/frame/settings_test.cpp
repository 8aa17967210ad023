#include "support/testmain.h"

#include "framefixture.h"
#include "frame/settings.h"
#include "shared/apperror.h"

#include <QFile>

using namespace ts;
using namespace ts::test;

class Settings : public FrameTest {};

TEST_F(Settings, ReadsTheLastLineNamingTheKeyUpToTheFirstEmptyLine)
{
    writeFile(QStringLiteral("settings.dat"),
              "showTipAtStartup.1\r\nshowSaveOptions.0\r\nshowSaveOptions.1\r\n\r\nshowGettingStarted.1\r\n");
    EXPECT_EQ(readSetting(QStringLiteral("showTipAtStartup")), QStringLiteral("1"));
    EXPECT_EQ(readSetting(QStringLiteral("showSaveOptions")), QStringLiteral("1"));
    EXPECT_EQ(readSetting(QStringLiteral("showGettingStarted")), QString());
    EXPECT_EQ(readSetting(QStringLiteral("unknown")), QString());
}

TEST_F(Settings, ReadingTable)
{
    const struct {
        const char *file; // nullptr: no settings file
        const char *key;
        const char *value;
    } rows[] = {
        {nullptr, "showTipAtStartup", ""},                                 // missing file: every key is off
        {"", "showTipAtStartup", ""},                                      // empty file
        {"showTipAtStartup.1\r\n", "showSaveOptions", ""},                 // key not in the file
        {"  xshowSaveOptions.1.7  \r\n", "showSaveOptions", "1"},          // the key anywhere in the line
        {"showSaveoptions.1\r\n", "showSaveOptions", ""},                  // case counts
        {"showTipAtStartup.0,showSaveOptions.1\r\n", "showSaveOptions", "1"}, // a comma ends a field
        {"showTipAtStartup.1\r\n   \r\nshowSaveOptions.1\r\n", "showSaveOptions", ""}, // a blank line ends them
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.file ? row.file : "no file");
        QFile::remove(path(QStringLiteral("settings.dat")));
        if (row.file)
            writeFile(QStringLiteral("settings.dat"), row.file);
        EXPECT_EQ(readSetting(QLatin1String(row.key)), QLatin1String(row.value));
    }
    // A line naming the key without a "." cannot be read.
    writeFile(QStringLiteral("settings.dat"), "showTipAtStartup\r\n");
    try {
        readSetting(QStringLiteral("showTipAtStartup"));
        FAIL() << "no error";
    } catch (const AppError &e) {
        EXPECT_EQ(e.number, 9);
    }
}

TEST_F(Settings, WritingTable)
{
    const struct {
        const char *before;
        const char *key;
        int value;
        const char *after;
    } rows[] = {
        {"", "showTipAtStartup", 1, ""},                                                      // empty: untouched
        {"showTipAtStartup.1\r\n", "showSaveOptions", 1, "showTipAtStartup.1\r\n\r\n"},     // never added
        {"xshowTipAtStartup.1y\r\n", "showTipAtStartup", 0, "xshowTipAtStartup.0y\r\n\r\n"}, // inside a line
        {"showSaveOptions.0\r\n\r\nshowSaveOptions.0\r\n", "showSaveOptions", 1,
         "showSaveOptions.1\r\n\r\nshowSaveOptions.1\r\n\r\n"},                               // every occurrence
        {"showSaveOptions.0\r\n", "showSaveOptions", 2, "showSaveOptions.2\r\n\r\n"},          // any other value
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.before);
        writeFile(QStringLiteral("settings.dat"), row.before);
        EXPECT_EQ(tsmSaveSetings(QLatin1String(row.key), row.value), QString());
        EXPECT_EQ(readFile(QStringLiteral("settings.dat")), QByteArray(row.after));
    }
    EXPECT_TRUE(dialogs.calls().isEmpty());
    // Without a settings file the writer says so and creates none.
    QFile::remove(path(QStringLiteral("settings.dat")));
    EXPECT_EQ(tsmSaveSetings(QStringLiteral("showTipAtStartup"), 1), QString());
    EXPECT_EQ(dialogs.messages(),
              QStringList{QStringLiteral("Error 53 (File not found) in procedure tsmSaveSetings of Module Module1")});
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("settings.dat"))));
}

TEST_F(Settings, WritingTheSameValueLeavesTheFileUnchanged)
{
    const QByteArray before = "showTipAtStartup.1\r\nshowSaveOptions.0\r\n";
    writeFile(QStringLiteral("settings.dat"), before);
    EXPECT_EQ(tsmSaveSetings(QStringLiteral("showTipAtStartup"), 1), QString());
    EXPECT_EQ(readFile(QStringLiteral("settings.dat")), before);
    EXPECT_EQ(tsmSaveSetings(QStringLiteral("showTipAtStartup"), 0), QString());
    EXPECT_EQ(readFile(QStringLiteral("settings.dat")), QByteArray("showTipAtStartup.0\r\nshowSaveOptions.0\r\n\r\n"));
    EXPECT_EQ(readSetting(QStringLiteral("showTipAtStartup")), QStringLiteral("0"));
}

TEST_F(Settings, ReadOnlyFileIsRefusedWithFileError)
{
    writeFile(QStringLiteral("settings.dat"), "showTipAtStartup.1\r\n");
    QFile::setPermissions(path(QStringLiteral("settings.dat")), QFileDevice::ReadOwner);
    EXPECT_EQ(tsmSaveSetings(QStringLiteral("showTipAtStartup"), 0), QStringLiteral("error"));
    QFile::setPermissions(path(QStringLiteral("settings.dat")), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    ASSERT_EQ(dialogs.calls().size(), 1);
    EXPECT_EQ(dialogs.calls()[0].text,
              path(QStringLiteral("settings.dat")) +
                  QStringLiteral(" is marked as Hidden or Read-Only.\rThis file can not be opened\r"
                                 "Please remove these attributes from the file and try again."));
    EXPECT_EQ(dialogs.calls()[0].title, QStringLiteral("File Error"));
    EXPECT_EQ(readFile(QStringLiteral("settings.dat")), QByteArray("showTipAtStartup.1\r\n"));
}

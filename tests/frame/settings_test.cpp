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

TEST_F(Settings, LinesTable)
{
    // The file before; the key read and written; its value read; the file after writing 0.
    const struct {
        const char *file; // nullptr: no settings file
        const char *key;
        const char *read;
        const char *afterZero;
    } rows[] = {
        {nullptr, "showSaveOptions", "", nullptr},
        {"showTipAtStartup.1\r\n", "showSaveOptions", "", "showTipAtStartup.1\r\n\r\n"}, // never added
        {" xshowSaveOptions.1y \r\n", "showSaveOptions", "1y", " xshowSaveOptions.0y \r\n\r\n"},
        {"showSaveoptions.1\r\n", "showSaveOptions", "", "showSaveoptions.1\r\n\r\n"}, // case counts
        {"a.0,showSaveOptions.1\r\n\r\nshowSaveOptions.1\r\n", "showSaveOptions", "1",
         "a.0,showSaveOptions.0\r\n\r\nshowSaveOptions.0\r\n\r\n"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.file ? row.file : "no file");
        QFile::remove(path(QStringLiteral("settings.dat")));
        if (row.file)
            writeFile(QStringLiteral("settings.dat"), row.file);
        EXPECT_EQ(readSetting(QLatin1String(row.key)), QLatin1String(row.read));
        EXPECT_EQ(tsmSaveSetings(QLatin1String(row.key), 0), QString());
        EXPECT_EQ(readFile(QStringLiteral("settings.dat")), QByteArray(row.afterZero));
    }
    EXPECT_EQ(dialogs.messages(),
              QStringList{QStringLiteral("Error 53 (File not found) in procedure tsmSaveSetings of Module Module1")});
    writeFile(QStringLiteral("settings.dat"), "showTipAtStartup\r\n"); // named without a value
    EXPECT_THROW(readSetting(QStringLiteral("showTipAtStartup")), AppError);
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

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

TEST_F(Settings, MissingFileRaisesFileNotFound)
{
    QFile::remove(path(QStringLiteral("settings.dat")));
    try {
        readSetting(QStringLiteral("showTipAtStartup"));
        FAIL() << "no error";
    } catch (const AppError &e) {
        EXPECT_EQ(e.number, 53);
    }
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

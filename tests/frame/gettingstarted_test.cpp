#include "support/testmain.h"

#include "framefixture.h"

#include "frame/frmgettingstarted.h"

#include <QFile>

using namespace ts;
using namespace ts::test;

class GettingStarted : public FrameTest {
protected:
    // The four settings with the tip, save and category values given as three characters.
    static QByteArray settingsFile(const char *v)
    {
        return QStringLiteral("showTipAtStartup.%1\r\nshowGettingStarted.0\r\nshowSaveOptions.%2\r\n"
                              "showSelectMetadataCategory.%3\r\n")
            .arg(QChar::fromLatin1(v[0]), QChar::fromLatin1(v[1]), QChar::fromLatin1(v[2]))
            .toLatin1();
    }
    // Answers the three questions from the top: 'y', 'n' or '-' (unanswered), then presses Apply.
    void apply(const char *answers)
    {
        const char *const names[3][2] = {{"optShowTipYes", "optShowTipNo"},
                                         {"optShowSaveYes", "optShowSaveNo"},
                                         {"optshowMetaCatYes", "optshowMetaCatNo"}};
        WindowInstance<FrmGettingStarted>::unload();
        for (int q = 0; q < 3; ++q)
            if (answers[q] != '-')
                find<QRadioButton>(&frmGettingStarted(), QLatin1String(names[q][answers[q] == 'y' ? 0 : 1]))
                    ->setChecked(true);
        find<QPushButton>(&frmGettingStarted(), QStringLiteral("cmdApply"))->click();
    }
};

TEST_F(GettingStarted, ApplyWritesOnlyTheAnswersAndSaysWhetherAnythingChanged)
{
    const struct {
        const char *before; // values of showTipAtStartup, showSaveOptions, showSelectMetadataCategory
        const char *answers;
        const char *after;
        const char *message; // nullptr: none
    } rows[] = {
        {"000", "---", "000", "No change made."},
        {"111", "n--", "011", "Defaults Updated."},
        {"111", "yyy", "111", "No change made."},
        {"101", "-yn", "110", "Defaults Updated."},
        {"010", "nny", "001", "Defaults Updated."},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.answers);
        dialogs.clear();
        writeFile(QStringLiteral("settings.dat"), settingsFile(row.before));
        apply(row.answers);
        EXPECT_TRUE(readFile(QStringLiteral("settings.dat")).startsWith(settingsFile(row.after)));
        ASSERT_EQ(dialogs.calls().size(), 1);
        EXPECT_EQ(dialogs.calls()[0].text, QLatin1String(row.message));
        EXPECT_EQ(dialogs.calls()[0].title, QStringLiteral("Defaults"));
        EXPECT_EQ(dialogs.calls()[0].icon, Icon::Information);
    }
    // A read-only settings file: the writer's own box, and nothing more.
    dialogs.clear();
    writeFile(QStringLiteral("settings.dat"), settingsFile("000"));
    QFile::setPermissions(path(QStringLiteral("settings.dat")), QFileDevice::ReadOwner);
    apply("yyy");
    QFile::setPermissions(path(QStringLiteral("settings.dat")), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    ASSERT_EQ(dialogs.calls().size(), 1);
    EXPECT_EQ(dialogs.calls()[0].title, QStringLiteral("File Error"));
    EXPECT_EQ(readFile(QStringLiteral("settings.dat")), settingsFile("000"));
}

TEST_F(GettingStarted, StartsUnansweredAndCloseKeepsTheAnswers)
{
    FrmGettingStarted &dialog = frmGettingStarted();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Program Defaults"));
    for (QRadioButton *option : dialog.findChildren<QRadioButton *>())
        EXPECT_FALSE(option->isChecked()) << option->objectName().toStdString();
    dialog.show();
    find<QRadioButton>(&dialog, QStringLiteral("optShowSaveNo"))->setChecked(true);
    find<QPushButton>(&dialog, QStringLiteral("cmdClose"))->click();
    EXPECT_TRUE(frmGettingStartedLoaded());
    EXPECT_FALSE(dialog.isVisible());
    dialog.show();
    EXPECT_TRUE(find<QRadioButton>(&dialog, QStringLiteral("optShowSaveNo"))->isChecked());
    EXPECT_FALSE(find<QRadioButton>(&dialog, QStringLiteral("optShowSaveYes"))->isChecked());
}

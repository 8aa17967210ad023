#include "support/testmain.h"

#include "framefixture.h"

#include "frame/frmgettingstarted.h"
#include "frame/frmtip.h"

#include <QFile>
#include <QLabel>

using namespace ts;
using namespace ts::test;

class Tip : public FrameTest {};

TEST_F(Tip, ARandomLineOfTheTipsFileFromASeededSource)
{
    FrmTip::setSeed(7);
    const struct {
        const char *file; // nullptr: no tips file
        QStringList tips;
        const char *draws;    // the tip numbers shown at load and after each Next Tip, with seed 7
        const char *emptyText; // what the label shows without tips
    } rows[] = {
        {"One\r\nTwo\r\nThree\r\n", {"One", "Two", "Three"}, "2233221", ""},
        {"One\r\n\r\nThree", {"One", "", "Three"}, "2233221", ""},
        {"", {}, "0000000", ""},
        {nullptr, {}, "0000000", "That the TIPOFDAY.TXT file was not found? \r\n\r\nCreate a text file named "
                                 "TIPOFDAY.TXT using NotePad with 1 tip per line. Then place it in the same "
                                 "directory as the application. "},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.file ? row.file : "no file");
        settings(0, 0); // the tips are loaded whatever the setting
        QFile::remove(path(QStringLiteral("TIPOFDAY.TXT")));
        if (row.file)
            writeFile(QStringLiteral("TIPOFDAY.TXT"), row.file);
        WindowInstance<FrmTip>::unload();
        FrmTip &tip = frmTip();
        EXPECT_EQ(tip.tips(), row.tips);
        QString draws;
        for (int i = 0; i < 7; ++i) {
            draws += QString::number(tip.currentTip());
            const QString shown = find<QLabel>(&tip, QStringLiteral("lblTipText"))->text();
            EXPECT_EQ(shown, row.tips.isEmpty() ? QLatin1String(row.emptyText) : row.tips.at(tip.currentTip() - 1));
            find<QPushButton>(&tip, QStringLiteral("cmdNextTip"))->click();
        }
        EXPECT_EQ(draws, QLatin1String(row.draws));
    }
    FrmTip::setSeed(std::nullopt);
}

class GettingStarted : public FrameTest {};

TEST_F(GettingStarted, ApplyWritesOnlyTheAnswersAndSaysWhetherAnythingChanged)
{
    // Tip, save and category settings before, the answers ('-' none), the settings after.
    const struct {
        const char *before, *answers, *after, *message;
    } rows[] = {{"000", "---", "000", "No change made."},
                {"111", "yyy", "111", "No change made."},
                {"101", "-yn", "110", "Defaults Updated."}};
    const char *const options[3] = {"optShowTip", "optShowSave", "optshowMetaCat"};
    for (const auto &row : rows) {
        const QString file = QStringLiteral("showTipAtStartup.%1\r\nshowSaveOptions.%2\r\nshowSelectMetadataCategory.%3\r\n");
        writeFile(QStringLiteral("settings.dat"), file.arg(row.before[0]).arg(row.before[1]).arg(row.before[2]).toLatin1());
        dialogs.clear();
        WindowInstance<FrmGettingStarted>::unload();
        for (int q = 0; q < 3; ++q)
            if (row.answers[q] != '-')
                find<QRadioButton>(&frmGettingStarted(), options[q] + QLatin1String(row.answers[q] == 'y' ? "Yes" : "No"))->setChecked(true);
        find<QPushButton>(&frmGettingStarted(), QStringLiteral("cmdApply"))->click();
        EXPECT_TRUE(readFile(QStringLiteral("settings.dat")).startsWith(file.arg(row.after[0]).arg(row.after[1]).arg(row.after[2]).toLatin1()));
        EXPECT_EQ(dialogs.messages(), QStringList{QLatin1String(row.message)}) << row.answers;
    }
}

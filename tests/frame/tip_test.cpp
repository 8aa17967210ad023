#include "support/testmain.h"

#include "framefixture.h"

#include "frame/frmtip.h"
#include "frame/settings.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QSet>

using namespace ts;
using namespace ts::test;

class Tip : public FrameTest {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        FrmTip::setSeed(7);
    }
    void TearDown() override
    {
        FrmTip::setSeed(std::nullopt);
        FrameTest::TearDown();
    }
    // A tip window loaded afresh, as each showing loads one.
    FrmTip &freshTip()
    {
        WindowInstance<FrmTip>::unload();
        return frmTip();
    }
    QString shown() { return find<QLabel>(&frmTip(), QStringLiteral("lblTipText"))->text(); }
    void nextTip() { find<QPushButton>(&frmTip(), QStringLiteral("cmdNextTip"))->click(); }
};

TEST_F(Tip, ShowsARandomLineOfTheTipsFile)
{
    const QString howTo = QStringLiteral(
        "That the TIPOFDAY.TXT file was not found? \r\n\r\nCreate a text file named TIPOFDAY.TXT using NotePad "
        "with 1 tip per line. Then place it in the same directory as the application. ");
    const struct {
        const char *file; // nullptr: no tips file
        bool readOnly;
        QStringList tips;
        QString emptyText; // what the label shows when there is no tip
    } rows[] = {
        {"One\r\nTwo\r\nThree\r\n", false, {"One", "Two", "Three"}, {}},
        {"One\r\n\r\nThree", false, {"One", "", "Three"}, {}}, // an empty line is a tip too
        {"", false, {}, {}},
        {nullptr, false, {}, howTo},
        {"One\r\n", true, {}, {}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.file ? row.file : "no file");
        dialogs.clear();
        settings(1, 0);
        const QString file = path(QStringLiteral("TIPOFDAY.TXT"));
        QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QFile::remove(file);
        if (row.file)
            writeFile(QStringLiteral("TIPOFDAY.TXT"), row.file);
        if (row.readOnly)
            QFile::setPermissions(file, QFileDevice::ReadOwner);
        FrmTip &tip = freshTip();
        EXPECT_EQ(tip.tips(), row.tips);
        EXPECT_EQ(dialogs.messages().size(), row.readOnly ? 1 : 0);
        if (row.tips.isEmpty()) {
            EXPECT_EQ(shown(), row.emptyText);
            nextTip();
            EXPECT_EQ(shown(), row.emptyText);
            continue;
        }
        // Every tip comes up in time, each one the line of its number.
        QSet<int> seen;
        for (int i = 0; i < 30; ++i) {
            ASSERT_GE(tip.currentTip(), 1);
            ASSERT_LE(tip.currentTip(), row.tips.size());
            EXPECT_EQ(shown(), row.tips.at(tip.currentTip() - 1));
            seen << tip.currentTip();
            nextTip();
        }
        EXPECT_EQ(seen.size(), row.tips.size());
    }
}

TEST_F(Tip, TheSameSeedDrawsTheSameTips)
{
    settings(1, 0);
    writeFile(QStringLiteral("TIPOFDAY.TXT"), "a\r\nb\r\nc\r\nd\r\ne\r\n");
    QList<int> first;
    QList<int> second;
    for (QList<int> *draws : {&first, &second}) {
        freshTip();
        for (int i = 0; i < 10; ++i, nextTip())
            *draws << frmTip().currentTip();
    }
    EXPECT_EQ(first, second);
    EXPECT_GT(QSet<int>(first.begin(), first.end()).size(), 1);
}

TEST_F(Tip, AlwaysShowFollowsAndWritesTheSetting)
{
    for (const int setting : {0, 1}) {
        settings(setting, 0);
        FrmTip &tip = freshTip();
        auto *box = find<QCheckBox>(&tip, QStringLiteral("chkLoadTipsAtStartup"));
        EXPECT_EQ(box->isChecked(), setting == 1);
        // The tips are there whatever the setting, for a window opened from the Help menu.
        EXPECT_FALSE(tip.tips().isEmpty());
        box->click();
        EXPECT_EQ(readSetting(QStringLiteral("showTipAtStartup")), QString::number(1 - setting));
    }
}

#include "support/testmain.h"

#include "framefixture.h"

#include "frame/frmmessage.h"
#include "frame/settings.h"
#include "frame/startup.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>

using namespace ts;
using namespace ts::test;

class SavePrompt : public FrameTest {};

TEST_F(SavePrompt, Answers)
{
    settings(0, 0);
    chooseBinding(QStringLiteral("12"));
    initXMLParser();
    ASSERT_TRUE(frmMainLoaded());
    frmOptions().setFieldText(QStringLiteral("versionText"), QStringLiteral("9.9"));
    EXPECT_TRUE(find<QCheckBox>(&frmMessage(), QStringLiteral("chkMessage"))->isChecked());
    EXPECT_EQ(find<QCheckBox>(&frmMessage(), QStringLiteral("chkMessage"))->text(), QStringLiteral("Always Show"));
    const QString overwrite = QStringLiteral("The file name you specified already exists.\rDo you want to overwrite?");
    const struct {
        const char *press;          // "cmdYes", "cmdNo", "cmdCancel" or "close"
        bool alwaysShow;            // the box ticked
        bool settingsReadOnly;
        std::optional<QString> name; // typed after Yes
        QList<Answer> answers;
        bool answered;              // the prompt hid itself
        bool dontSave;
        bool cancel;
        bool written;               // mine.tsm holds the record
        QStringList messages;
        const char *showSaveOptions;
    } rows[] = {
        {"cmdYes", true, false, QStringLiteral("mine"), {}, true, true, false, true, {}, "1"},
        {"cmdYes", false, false, QString(), {}, false, false, false, false, {}, "0"},
        {"cmdYes", true, false, QStringLiteral("old"), {Answer::No}, false, false, false, false, {overwrite}, "1"},
        {"cmdYes", true, false, QStringLiteral("old"), {Answer::Yes}, true, true, false, false, {overwrite}, "1"},
        {"cmdYes", true, false, QStringLiteral(".."), {}, false, false, false, false,
         {QStringLiteral("The name may not contain \"..\".")}, "1"},
        {"cmdYes", false, true, std::nullopt, {}, false, false, false, false, {}, "1"},
        {"cmdNo", false, false, std::nullopt, {}, true, true, false, false, {}, "0"},
        {"cmdNo", false, true, std::nullopt, {}, false, false, false, false, {}, "1"},
        {"cmdCancel", false, false, std::nullopt, {}, true, false, true, false, {}, "1"},
        {"close", true, false, std::nullopt, {}, true, false, false, false, {}, "1"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(QStringLiteral("%1 %2").arg(QLatin1String(row.press), row.name.value_or(QString())).toStdString());
        dialogs.clear();
        writeFile(QStringLiteral("settings.dat"), "showTipAtStartup.0\r\nshowSaveOptions.1\r\n");
        if (row.settingsReadOnly)
            QFile::setPermissions(path(QStringLiteral("settings.dat")), QFileDevice::ReadOwner);
        QFile::remove(path(QStringLiteral("templates/mine.tsm")));
        writeFile(QStringLiteral("templates/old.tsm"), "old\r\n");
        find<QLabel>(&frmOptions(), QStringLiteral("lblSaved"))->clear();
        if (row.name)
            dialogs.answerText(row.name);
        for (Answer a : row.answers)
            dialogs.answer(a);
        // The answers of an earlier showing are gone when the prompt comes up.
        frmMessage().userSaidDontSave = true;
        frmMain().cancelExit = true;
        bool stillOpen = false;
        onNextModal(
            [&](QWidget *prompt) {
                EXPECT_FALSE(frmMessage().userSaidDontSave);
                EXPECT_FALSE(frmMain().cancelExit);
                find<QCheckBox>(prompt, QStringLiteral("chkMessage"))->setChecked(row.alwaysShow);
                if (QLatin1String(row.press) == QLatin1String("close"))
                    prompt->close();
                else
                    find<QPushButton>(prompt, QLatin1String(row.press))->click();
                stillOpen = prompt->isVisible();
                if (stillOpen)
                    prompt->close();
            },
            QStringLiteral("frmMessage"));
        frmMessage().showModal();
        QFile::setPermissions(path(QStringLiteral("settings.dat")), QFileDevice::ReadOwner | QFileDevice::WriteOwner);

        EXPECT_EQ(stillOpen, !row.answered);
        EXPECT_EQ(frmMessage().userSaidDontSave, row.dontSave);
        EXPECT_EQ(frmMain().cancelExit, row.cancel);
        EXPECT_EQ(readFile(QStringLiteral("templates/mine.tsm")).contains(">9.9<"), row.written);
        EXPECT_EQ(readFile(QStringLiteral("templates/old.tsm")).contains(">9.9<"), row.answers.contains(Answer::Yes));
        EXPECT_EQ(find<QLabel>(&frmOptions(), QStringLiteral("lblSaved"))->text(),
                  row.dontSave && QLatin1String(row.press) == QLatin1String("cmdYes") ? QStringLiteral("Saved") : QString());
        if (row.settingsReadOnly) {
            ASSERT_EQ(dialogs.calls().size(), 1);
            EXPECT_EQ(dialogs.calls()[0].title, QStringLiteral("File Error"));
        } else {
            EXPECT_EQ(dialogs.messages(), row.messages);
        }
        EXPECT_EQ(readSetting(QStringLiteral("showSaveOptions")), QLatin1String(row.showSaveOptions));
    }
    EXPECT_EQ(frmMessage().windowTitle(), QStringLiteral("Save as Template"));
    EXPECT_EQ(find<QLabel>(&frmMessage(), QStringLiteral("lblMessage"))->text(),
              QStringLiteral("Do you wish to Save As Template before closing?"));
}

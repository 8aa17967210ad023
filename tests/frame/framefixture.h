#pragma once
// A program folder of its own, the two editors registered, and every window unloaded afterwards.

#include "support/guitest.h"
#include "support/testenv.h"

#include "editor12/frmoptions.h"
#include "editor2004/frmoptions2004.h"
#include "frame/frmmain.h"
#include "frame/startup.h"
#include "frame/windows.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QPushButton>
#include <QRadioButton>

namespace ts::test {

class FrameTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        registerEditor12();
        registerEditor2004();
    }
    void TearDown() override
    {
        unloadAll();
        ProgramFolderTest::TearDown();
    }
    static void unloadAll()
    {
        QList<QPointer<QWidget>> windows;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (isProgramWindow(w))
                windows << w;
        for (const QPointer<QWidget> &w : windows)
            delete w.data(); // a window deleted with its parent is null by now
        processEvents();
    }
    // Starts the program with the binding chosen and no tip shown.
    void startMain(const QString &binding = QStringLiteral("12"))
    {
        settings(0, 0);
        chooseBinding(binding);
        initXMLParser();
        ASSERT_TRUE(frmMainLoaded());
    }
    // Runs a menu entry of the main window, which must be enabled, as a click on it does.
    static void trigger(const char *name)
    {
        QAction *entry = frmMain().action(QLatin1String(name));
        ASSERT_TRUE(entry) << name;
        ASSERT_TRUE(entry->isEnabled()) << name;
        entry->trigger();
    }
    void settings(int tip, int gettingStarted)
    {
        writeFile(QStringLiteral("settings.dat"),
                  QStringLiteral("showTipAtStartup.%1\r\nshowGettingStarted.%2\r\nshowSelectMetadataCategory.1\r\n"
                                 "showSaveOptions.0\r\n")
                      .arg(tip)
                      .arg(gettingStarted)
                      .toLatin1());
    }
    // Presses the save-as-template prompt's buttons in order ("cmdYes"...); "close" closes it unanswered.
    static void answerSavePromptNow(QWidget *prompt, const QStringList &presses)
    {
        for (const QString &press : presses)
            press == QLatin1String("close") ? void(prompt->close()) : prompt->findChild<QPushButton *>(press)->click();
    }
    static void answerSavePrompt(const QStringList &presses)
    {
        onNextModal([presses](QWidget *prompt) { answerSavePromptNow(prompt, presses); });
    }
    // Answers the binding dialog: "12", "2004", "" (OK with nothing chosen, then closed) or "close".
    static void chooseBinding(const QString &choice)
    {
        onNextModal(
            [choice](QWidget *dialog) {
                if (choice == QLatin1String("close")) {
                    dialog->close();
                    return;
                }
                if (!choice.isEmpty())
                    dialog->findChild<QRadioButton *>(choice == QLatin1String("12") ? QStringLiteral("optScorm12")
                                                                                     : QStringLiteral("optScorm2004"))
                        ->setChecked(true);
                dialog->findChild<QPushButton *>(QStringLiteral("cmdOk"))->click();
            },
            QStringLiteral("frmVersionSelect"));
    }
};

} // namespace ts::test

#pragma once
// A program folder of its own, the two editors registered, and every window unloaded afterwards.

#include "support/guitest.h"
#include "support/testenv.h"

#include "editor12/frmoptions.h"
#include "editor2004/frmoptions2004.h"
#include "frame/frmmain.h"
#include "frame/startup.h"
#include "frame/windows.h"
#include "shared/apperror.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QPushButton>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

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
        endModalWaits();
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
    static QStringList itemTexts(const QListWidget *list)
    {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text();
        return texts;
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
    // Answers the save prompts in the order they come, one press each.
    static void answerSavePrompts(QStringList presses)
    {
        if (presses.isEmpty())
            return;
        const QString press = presses.takeFirst();
        onNextModal([press, presses](QWidget *prompt) {
            answerSavePrompts(presses);
            answerSavePromptNow(prompt, {press});
        });
    }
    // Answers the binding dialog: "12", "2004", "" (OK with nothing chosen, then closed) or "close"; `look`
    // sees the dialog first.
    static void chooseBinding(const QString &choice, std::function<void(QWidget *)> look = {})
    {
        onNextModal(
            [choice, look](QWidget *dialog) {
                if (look)
                    look(dialog);
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

// One editor window of its own, shown and active, driven by the names of its controls.
template <class W, W &(*window)()> class EditorWindowTest : public FrameTest {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        win = &window();
        win->show();
        QApplication::setActiveWindow(win);
        processEvents();
    }
    template <class T> T *ctl(const QString &name) { return find<T>(win, name); }
    template <class T> T *ctl(const char *name) { return ctl<T>(QString::fromUtf8(name)); }
    int currentTab() const { return win->SSTab1()->currentIndex(); }
    void press(const char *button)
    {
        ctl<QPushButton>(button)->click();
        processEvents();
    }
    QStringList listItems(const char *list) { return itemTexts(ctl<QListWidget>(list)); }
    // Clicks the list's item on the list's tab.
    void clickItem(const char *list, int row)
    {
        auto *box = ctl<QListWidget>(list);
        win->SSTab1()->setCurrentIndex(win->field(QString::fromUtf8(list))->tab);
        processEvents();
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, box->visualItemRect(box->item(row)).center());
        processEvents();
    }

    // A writer that runs says which it is: the probe, run as the writers' fault hook, fails it at once, and
    // its report names it.
    static void probe() { throw AppError(5, QStringLiteral("probe")); }
    static QString ran(const char *writer)
    {
        return QStringLiteral("Error 5 (probe) in procedure %1 of Form frmOptions").arg(QLatin1String(writer));
    }
    // One export, as a row of an export table gives it: the category chosen and the record put into the
    // window, each field of `set` given its value ("" also unticks a box and empties a list), the focus in
    // titleText on tab 5, then Export pressed. The one box shown is `message`: a miss brings `tab` and `focus`
    // to front and runs no writer; once a writer has run (its report starts "Error") the window is minimised.
    template <class R>
    void exportRow(const QString &category, const R &record,
                   std::initializer_list<std::pair<const char *, const char *>> set, const QString &message, int tab,
                   const char *focus)
    {
        SCOPED_TRACE(message.toStdString() + " " + category.toStdString());
        win->showNormal();
        QApplication::setActiveWindow(win);
        frmMain().dontValidate = true;
        win->setCategoryText(category);
        putRecord(*win, record);
        for (const auto &[field, value] : set)
            if (auto *box = qobject_cast<QCheckBox *>(win->control(field)))
                box->setChecked(*value);
            else if (auto *list = qobject_cast<QListWidget *>(win->control(field)))
                list->clear();
            else
                win->setFieldText(field, value);
        frmMain().dontValidate = false;
        win->SSTab1()->setCurrentIndex(5);
        ctl<QWidget>("titleText")->setFocus();
        dialogs.clear();
        press("cmbMakeXML");
        ASSERT_EQ(dialogs.messages(), QStringList({message}));
        const bool wrote = message.startsWith(QLatin1String("Error"));
        EXPECT_EQ(dialogs.calls()[0].title, wrote                                 ? "Tagsmith"
                                            : message.startsWith("Not a valid date") ? "Invalid Information"
                                                                                   : "Missing Information");
        EXPECT_EQ(win->isValid, wrote);
        EXPECT_EQ(bool(win->childState() & Qt::WindowMinimized), wrote);
        EXPECT_EQ(currentTab(), wrote || tab < 0 ? 5 : tab);
        EXPECT_TRUE(wrote || win->focusWidget() == win->control(*focus ? focus : "titleText"));
    }

    W *win = nullptr;
};

} // namespace ts::test

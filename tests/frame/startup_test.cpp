#include "support/testmain.h"

#include "framefixture.h"

#include "frame/frmbrowser.h"
#include "frame/frmdocument.h"
#include "frame/frmsplash.h"
#include "frame/frmtip.h"
#include "frame/frmversionselect.h"
#include "frame/startup.h"
#include "frame/globals.h"
#include "frame/twips.h"
#include "platform/qt/windowsize.h"

#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMoveEvent>
#include <QScreen>
#include <QTimer>
#include "platform/timing.h"
#include "platform/xmldocument.h"

using namespace ts;
using namespace ts::test;

namespace {

// A SCORM 1.2 editor whose close handling calls its unloading off once, as a cancelled save prompt does.
class ObjectingEditor : public MetadataEditor {
public:
    ObjectingEditor() { setObjectName(QStringLiteral("objecting")); }
    void clearAll() override {}
    QString createAggregation(bool) override { return {}; }
    void enableAllInterface() override {}
    void cmbMakeXML_Click() override {}
    bool Form_QueryUnload() override
    {
        ++asked;
        if (asked > 1)
            return true;
        frmMain().cancelExit = true;
        return false;
    }
    int asked = 0;
};

QPointer<ObjectingEditor> g_objecting;

// A SCORM 1.2 editor that notes what the main window's binding read while it was being created.
class RecordingEditor : public MetadataEditor {
public:
    RecordingEditor() : versionAtLoad(frmMain().scormVersion) {}
    void clearAll() override {}
    QString createAggregation(bool) override { return {}; }
    void enableAllInterface() override {}
    void cmbMakeXML_Click() override {}
    const QString versionAtLoad;
};

QPointer<RecordingEditor> g_recording;

} // namespace

class Startup : public FrameTest {};

TEST_F(Startup, ChoosingScorm12ShowsTheScorm12Editor)
{
    settings(0, 0);
    chooseBinding(QStringLiteral("12"));
    initXMLParser();
    ASSERT_TRUE(frmMainLoaded());
    EXPECT_TRUE(frmMain().isVisible());
    EXPECT_EQ(frmMain().scormVersion, QStringLiteral("SCORM 1.2"));
    EXPECT_EQ(frmMain().lblScormVersion()->text(), QStringLiteral("SCORM 1.2"));
    EXPECT_TRUE(frmOptionsLoaded());
    EXPECT_TRUE(frmOptions().isShownChild());
    EXPECT_FALSE(frmOptions2004Loaded());
    EXPECT_EQ(globals().languageCode, QStringLiteral("x-none"));
    ASSERT_TRUE(globals().xmlDoc);
    EXPECT_EQ(globals().xmlDoc->schemas(), globals().schemaCache);
    EXPECT_TRUE(dialogs.calls().isEmpty());
}

TEST_F(Startup, ChoosingScorm2004ShowsTheScorm2004Editor)
{
    settings(0, 0);
    chooseBinding(QStringLiteral("2004"));
    initXMLParser();
    ASSERT_TRUE(frmMainLoaded());
    EXPECT_EQ(frmMain().scormVersion, QStringLiteral("SCORM 2004"));
    EXPECT_EQ(frmMain().lblScormVersion()->text(), QStringLiteral("SCORM 2004"));
    ASSERT_TRUE(frmOptions2004Loaded());
    // The editor loads while the choice still reads "2004".
    EXPECT_EQ(frmOptions2004().scormVersionAtLoad(), QStringLiteral("2004"));
    EXPECT_FALSE(frmOptionsLoaded());
}

TEST_F(Startup, ClosingTheBindingDialogGivesScorm12)
{
    settings(0, 0);
    chooseBinding(QStringLiteral("close"));
    initXMLParser();
    EXPECT_EQ(frmMain().scormVersion, QStringLiteral("SCORM 1.2"));
    EXPECT_TRUE(frmOptionsLoaded());
}

TEST_F(Startup, OkWithoutChoiceAsksForOneAndStaysOpen)
{
    settings(0, 0);
    bool stillOpen = false;
    onNextModal(
        [&](QWidget *dialog) {
            dialog->findChild<QPushButton *>(QStringLiteral("cmdOk"))->click();
            stillOpen = dialog->isVisible();
            EXPECT_TRUE(frmMain().scormVersion.isEmpty());
            dialog->findChild<QRadioButton *>(QStringLiteral("optScorm2004"))->setChecked(true);
            dialog->findChild<QPushButton *>(QStringLiteral("cmdOk"))->click();
        },
        QStringLiteral("frmVersionSelect"));
    initXMLParser();
    EXPECT_TRUE(stillOpen);
    ASSERT_EQ(dialogs.calls().size(), 1);
    EXPECT_EQ(dialogs.calls()[0].text, QStringLiteral(" You must make a selection."));
    EXPECT_EQ(dialogs.calls()[0].title, QStringLiteral("Tagsmith"));
    EXPECT_EQ(dialogs.calls()[0].icon, Icon::None);
    EXPECT_EQ(frmMain().scormVersion, QStringLiteral("SCORM 2004"));
}

TEST_F(Startup, ScormVersionReadsTheChoiceRightAfterOk)
{
    settings(0, 0);
    QString afterOk;
    onNextModal(
        [&](QWidget *dialog) {
            dialog->findChild<QRadioButton *>(QStringLiteral("optScorm12"))->setChecked(true);
            dialog->findChild<QPushButton *>(QStringLiteral("cmdOk"))->click();
            afterOk = frmMain().scormVersion;
        },
        QStringLiteral("frmVersionSelect"));
    initXMLParser();
    EXPECT_EQ(afterOk, QStringLiteral("12"));
}

TEST_F(Startup, TheScorm12EditorLoadsWhileTheChoiceStillReadsTwelveOrEmpty)
{
    setEditorAccessor(
        Binding::Scorm12,
        []() -> MetadataEditor & {
            if (!g_recording)
                g_recording = new RecordingEditor;
            return *g_recording;
        },
        [] { return !g_recording.isNull(); });
    for (const auto &[choice, atLoad] : {std::pair{QStringLiteral("12"), QStringLiteral("12")},
                                         std::pair{QStringLiteral("close"), QString()}}) {
        unloadAll();
        settings(0, 0);
        chooseBinding(choice);
        initXMLParser();
        ASSERT_TRUE(g_recording) << choice.toStdString();
        EXPECT_EQ(g_recording->versionAtLoad, atLoad) << choice.toStdString();
        EXPECT_EQ(frmMain().scormVersion, QStringLiteral("SCORM 1.2"));
        EXPECT_EQ(frmMain().lblScormVersion()->text(), QStringLiteral("SCORM 1.2"));
    }
}

TEST_F(Startup, BindingDialogOffersTwoOptionsNoneChosen)
{
    FrmVersionSelect dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Select SCORM Version"));
    auto *opt12 = dialog.findChild<QRadioButton *>(QStringLiteral("optScorm12"));
    auto *opt2004 = dialog.findChild<QRadioButton *>(QStringLiteral("optScorm2004"));
    auto *ok = dialog.findChild<QPushButton *>(QStringLiteral("cmdOk"));
    ASSERT_TRUE(opt12 && opt2004 && ok);
    EXPECT_EQ(opt12->text(), QStringLiteral("SCORM 1.2"));
    EXPECT_EQ(opt2004->text(), QStringLiteral("SCORM 2004"));
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    EXPECT_FALSE(opt12->isChecked());
    EXPECT_FALSE(opt2004->isChecked());
    // The tab order: SCORM 1.2 first, then SCORM 2004, then OK.
    QStringList order;
    for (QWidget *w = dialog.nextInFocusChain(); w != &dialog; w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus)
            order << w->objectName();
    EXPECT_EQ(order, QStringList({QStringLiteral("optScorm12"), QStringLiteral("optScorm2004"), QStringLiteral("cmdOk")}));
}

// Once the window system has framed the choice (offscreen, the test gives the frame), it stands in the middle
// of the screen by the frame it really has, not by the one its first placement guessed.
TEST_F(Startup, TheBindingDialogIsCentredByTheFrameItReallyHas)
{
    const int border = decorationAllowance().width() / 2;
    const QMargins guessed(border, decorationAllowance().height() - border, border, border), real(1, 80, 1, 4);
    bool framed = false;
    setWindowFrameSource([&](const QWidget *) { return framed ? real : QMargins(); });
    FrmVersionSelect dialog;
    auto offCentre = [&dialog](const QMargins &frame) {
        return (dialog.geometry().marginsAdded(frame).center() - dialog.screen()->availableGeometry().center())
            .manhattanLength();
    };
    dialog.show();
    processEvents();
    EXPECT_LE(offCentre(guessed), 1);
    framed = true;
    QMoveEvent moved(dialog.pos(), dialog.pos());
    QApplication::sendEvent(&dialog, &moved);
    EXPECT_LE(offCentre(real), 1);
    EXPECT_GT(offCentre(guessed), 10);
    setWindowFrameSource({});
}

TEST_F(Startup, MissingSchemaShowsOnlyFileMissing)
{
    QFile::remove(path(QStringLiteral("imsmd_v1p2p2.xsd")));
    bool dialogShown = false;
    // Should the binding dialog come up after all, close it rather than hang.
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            dialogShown = true;
            modal->close();
        }
    });
    watcher.start(10);
    initXMLParser();
    processEvents();
    EXPECT_FALSE(dialogShown);
    EXPECT_FALSE(frmMainLoaded());
    ASSERT_EQ(dialogs.calls().size(), 1);
    EXPECT_EQ(dialogs.calls()[0].text,
              QStringLiteral("Unable to validate file.  Metadata schema is missing.  Expected the following schema: ") +
                  path(QStringLiteral("imsmd_v1p2p2.xsd")));
    EXPECT_EQ(dialogs.calls()[0].title, QStringLiteral("File Missing"));
    EXPECT_EQ(dialogs.calls()[0].icon, Icon::Exclamation);
}

TEST_F(Startup, SchemaThatCannotBeLoadedShowsFileMissingAndCreatesNoDocument)
{
    writeFile(QStringLiteral("imsmd_v1p2p2.xsd"), "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\"><broken");
    globals().languageCode.clear();
    globals().xmlDoc.reset();
    initXMLParser();
    processEvents();
    EXPECT_FALSE(frmMainLoaded());
    EXPECT_EQ(globals().languageCode, QStringLiteral("x-none"));
    EXPECT_FALSE(globals().xmlDoc);
    ASSERT_EQ(dialogs.calls().size(), 1);
    EXPECT_EQ(dialogs.calls()[0].text,
              QStringLiteral("Unable to validate file.  Metadata schema is missing.  Expected the following schema: ") +
                  path(QStringLiteral("imsmd_v1p2p2.xsd")));
    EXPECT_EQ(dialogs.calls()[0].title, QStringLiteral("File Missing"));
    EXPECT_EQ(dialogs.calls()[0].buttons, Buttons::Ok);
    EXPECT_EQ(dialogs.calls()[0].icon, Icon::Exclamation);
}

TEST_F(Startup, TipWindowShownOnceForEachSettingThatIsOn)
{
    for (const auto &[tip, gettingStarted, expected] :
         {std::tuple{0, 0, 0}, std::tuple{1, 0, 1}, std::tuple{0, 1, 1}, std::tuple{1, 1, 2}}) {
        unloadAll();
        settings(tip, gettingStarted);
        chooseBinding(QStringLiteral("12"));
        int shown = 0;
        std::function<void(QWidget *)> closeTip = [&](QWidget *w) {
            ++shown;
            w->findChild<QPushButton *>(QStringLiteral("cmdOk"))->click();
            if (shown < expected)
                onNextModal(closeTip, QStringLiteral("frmTip"));
        };
        if (expected > 0)
            QTimer::singleShot(0, [&] { onNextModal(closeTip, QStringLiteral("frmTip")); });
        initXMLParser();
        processEvents();
        EXPECT_EQ(shown, expected) << "tip " << tip << " gettingStarted " << gettingStarted;
    }
}

TEST_F(Startup, MissingSettingsReadAsOffAndTheLoadGoesOn)
{
    QFile::remove(path(QStringLiteral("settings.dat")));
    chooseBinding(QStringLiteral("12"));
    initXMLParser();
    ASSERT_TRUE(frmMainLoaded());
    EXPECT_TRUE(frmMain().isVisible());
    EXPECT_TRUE(dialogs.calls().isEmpty());
    EXPECT_FALSE(frmTipLoaded());
    EXPECT_EQ(frmMain().lblScormVersion()->text(), QStringLiteral("SCORM 1.2"));
}

TEST_F(Startup, DefaultTemplateIsReadAndWrittenBack)
{
    settings(0, 0);
    writeFile(QStringLiteral("templates/cdt.txt"), "mine.tsm,extra\r\nsecond line\r\n");
    chooseBinding(QStringLiteral("12"));
    initXMLParser();
    EXPECT_EQ(readFile(QStringLiteral("templates/cdt.txt")), QByteArray("mine.tsm\r\n"));
    EXPECT_EQ(frmMain().lblDefTemp()->text(), QStringLiteral("mine.tsm"));
}

TEST_F(Startup, SplashRunsStartUpOnItsThirdTickAndCloses)
{
    settings(0, 0);
    chooseBinding(QStringLiteral("12"));
    FrmSplash &splash = frmSplash();
    EXPECT_EQ(splash.ticksLeft(), 2); // the first tick came with the load
    EXPECT_TRUE(splash.timer()->isActive());
    EXPECT_EQ(splash.timer()->interval(), timerInterval(1000));
    splash.show();
    EXPECT_TRUE(waitUntil([] { return frmMainLoaded(); }));
    processEvents();
    EXPECT_FALSE(frmSplashLoaded());
}

class Exit : public FrameTest {
protected:
    void start()
    {
        settings(0, 0);
        chooseBinding(QStringLiteral("12"));
        initXMLParser();
        ASSERT_TRUE(frmMainLoaded());
    }
};

TEST_F(Exit, NoKeepsEveryWindow)
{
    start();
    dialogs.answer(Answer::No);
    frmMain().close();
    processEvents();
    ASSERT_TRUE(frmMainLoaded());
    EXPECT_TRUE(frmMain().isVisible());
    EXPECT_TRUE(frmOptionsLoaded());
    ASSERT_EQ(dialogs.calls().size(), 1);
    EXPECT_EQ(dialogs.calls()[0].text, QStringLiteral("Are you sure you want to exit?"));
    EXPECT_EQ(dialogs.calls()[0].buttons, Buttons::YesNo);
    EXPECT_EQ(dialogs.calls()[0].icon, Icon::None);
}

TEST_F(Exit, YesClosesEverything)
{
    start();
    // The XML text window in the main window, and the browser window of its own.
    showXML(QStringLiteral("<lom/>"));
    frmDocument().showChild();
    frmBrowser().showWindow();
    processEvents();
    dialogs.answer(Answer::Yes);
    frmMain().action(QStringLiteral("mnuFileExit"))->trigger();
    processEvents();
    EXPECT_FALSE(frmMainLoaded());
    EXPECT_FALSE(frmOptionsLoaded());
    EXPECT_FALSE(frmDocumentLoaded());
    EXPECT_FALSE(frmBrowserLoaded());
    EXPECT_EQ(dialogs.calls().size(), 1);
}

TEST_F(Exit, ACancelLeftFromFileNewCallsNoLaterExitOff)
{
    start();
    // File > New's prompt: "Always Show" unticked and Yes (which keeps the prompt from now on), the template
    // name not given, then Cancel.
    writeFile(QStringLiteral("settings.dat"), "showTipAtStartup.0\r\nshowSaveOptions.1\r\n");
    dialogs.answerText(QString());
    onNextModal([](QWidget *prompt) {
        prompt->findChild<QCheckBox *>(QStringLiteral("chkMessage"))->setChecked(false);
        answerSavePromptNow(prompt, {QStringLiteral("cmdYes"), QStringLiteral("cmdCancel")});
    });
    trigger("mnuFileNew");
    processEvents();
    ASSERT_TRUE(frmMain().cancelExit);
    ASSERT_TRUE(readFile(QStringLiteral("settings.dat")).contains("showSaveOptions.0"));
    // Exit asks no more about the record: Yes closes everything.
    dialogs.answer(Answer::Yes);
    trigger("mnuFileExit");
    processEvents();
    EXPECT_FALSE(frmMainLoaded());
    EXPECT_FALSE(frmOptionsLoaded());
    EXPECT_EQ(dialogs.messages(), QStringList({QStringLiteral("Are you sure you want to exit?")}));
}

TEST_F(Exit, CancelExitKeepsTheProgramRunningOnce)
{
    setEditorAccessor(
        Binding::Scorm12,
        []() -> MetadataEditor & {
            if (!g_objecting)
                g_objecting = new ObjectingEditor;
            return *g_objecting;
        },
        [] { return !g_objecting.isNull(); });
    start();
    dialogs.answer(Answer::Yes);
    frmMain().close();
    processEvents();
    ASSERT_TRUE(frmMainLoaded());
    EXPECT_TRUE(frmMain().isVisible());
    EXPECT_FALSE(frmMain().cancelExit);
    EXPECT_TRUE(g_objecting);

    dialogs.answer(Answer::Yes);
    frmMain().close();
    processEvents();
    EXPECT_FALSE(frmMainLoaded());
    EXPECT_FALSE(g_objecting);
}

TEST_F(Exit, MenuButtonsSwitchTheFiveTopMenus)
{
    start();
    const QStringList menus = {QStringLiteral("mnufile"), QStringLiteral("mnuHelp"), QStringLiteral("mnuPreferences"),
                               QStringLiteral("mnuTools"), QStringLiteral("mnuWindow")};
    frmMain().menu(QStringLiteral("mnuTools"))->menuAction()->setEnabled(false);
    // The entries below the menus keep their own states.
    QAction *save = frmMain().action(QStringLiteral("mnuFileSave"));
    QAction *exportMetadata = frmMain().action(QStringLiteral("mnuExport"));
    save->setEnabled(false);
    exportMetadata->setEnabled(true);
    frmMain().disableMenuButtons();
    EXPECT_FALSE(save->isEnabled());
    EXPECT_TRUE(exportMetadata->isEnabled());
    for (const QString &m : menus)
        EXPECT_FALSE(frmMain().menu(m)->menuAction()->isEnabled()) << m.toStdString();
    frmMain().enableMenuButtons();
    for (const QString &m : menus)
        EXPECT_TRUE(frmMain().menu(m)->menuAction()->isEnabled()) << m.toStdString();
    EXPECT_FALSE(save->isEnabled());
    EXPECT_TRUE(exportMetadata->isEnabled());
}

#include "support/testmain.h"

#include "framefixture.h"

#include "batch/frmbatchgenerate.h"
#include "frame/editors.h"
#include "frame/frmmetadatadefaultslist.h"
#include "frame/frmtip.h"
#include "lomshift/frmmain.h"
#include "platform/dialogs.h"
#include "platform/qt/qtdialogs.h"
#include "platform/qt/windowsize.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>

using namespace ts;
using namespace ts::test;

// The main window opens showing the side pane and the editor whole, also after a file of the other binding
// switched modes, on the screen the tests run on (1366 by 768, and 1280 by 720 in a second run); screenshots
// of it and of the binding dialog are left beside the test program.
class WindowSize : public FrameTest {
protected:
    // What of the labels shown in `within` is cut: reaching past `area`, or smaller than its text.
    static QStringList cutLabels(QWidget *within, QWidget *area)
    {
        QStringList cut;
        for (QLabel *label : within->findChildren<QLabel *>()) {
            if (!label->isVisibleTo(within) || label->text().isEmpty())
                continue;
            const QSize needs = label->wordWrap() ? label->minimumSizeHint() : label->sizeHint();
            if (!area->rect().contains(QRect(label->mapTo(area, QPoint()), label->size())) ||
                label->width() < needs.width() || label->height() < needs.height())
                cut << label->objectName();
        }
        return cut;
    }
};

TEST_F(WindowSize, EachEditorOpensWholeWithTheSidePane)
{
    // Each binding at start, and after "Switch Modes?" Yes for a file of the other binding.
    const std::pair<const char *, const char *> runs[] = {
        {"12", ""}, {"12", "lom2004.xml"}, {"2004", ""}, {"2004", "scorm12.xml"}};
    for (const auto &[binding, other] : runs) {
        settings(0, 0);
        chooseBinding(QLatin1String(binding), [binding](QWidget *dialog) {
            if (binding[0] == '1') {
                EXPECT_TRUE(dialog->grab().save(QDir::currentPath() + QStringLiteral("/frmVersionSelect.png")));
            }
            EXPECT_GE(dialog->width(), captionWidth(dialog->windowTitle()));
            // In the middle of the screen with its title bar, not over the main window that is not yet shown.
            const QPoint off = dialog->frameGeometry().center() - dialog->screen()->availableGeometry().center();
            EXPECT_LE(off.manhattanLength(), 3) << off.x() << "," << off.y();
        });
        initXMLParser();
        processEvents();
        FrmMain &main = frmMain();
        EXPECT_TRUE(main.grab().save(QDir::currentPath() + QStringLiteral("/frmMain-%1.png").arg(QLatin1String(binding))));
        if (*other == 's') {
            // Placed as low as it fits by a window system that reports a larger frame: the window grown for the
            // SCORM 1.2 editor is brought back onto the screen by that frame.
            setWindowFrameSource([](const QWidget *) { return QMargins(1, 20, 1, 5); });
            main.move(main.x(), main.screen()->availableGeometry().bottom() + 1 - 5 - main.height());
        }
        if (*other) {
            ASSERT_TRUE(QFile::copy(testData(QStringLiteral("open/") + QLatin1String(other)), path(other)));
            dialogs.answer(Answer::Yes);
            main.openSelectedFile(false, path(other), false);
            processEvents();
        }
        // With its title bar and borders: the usual ones where the offscreen window system reports none.
        EXPECT_TRUE(main.screen()->availableGeometry().contains(main.geometry().marginsAdded(frameOrAllowance(&main))))
            << other;
        setWindowFrameSource({});
        QWidget *viewport = main.mdiArea()->viewport();
        // The editor with its title bar, close box and Export button.
        QMdiSubWindow *editor = editorWindow(activeBinding()).subWindow();
        EXPECT_TRUE(viewport->rect().contains(editor->geometry())) << binding << other;
        EXPECT_EQ(cutLabels(find<QWidget>(&main, QStringLiteral("Picture1")), &main), QStringList()) << binding;
        // Every tab header and page, and on every page every label, among the fields it scrolls.
        auto *tabs = editor->findChild<QTabWidget *>();
        for (int i = 0; tabs && i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            processEvents(1);
            auto *page = qobject_cast<QScrollArea *>(tabs->currentWidget());
            ASSERT_TRUE(page);
            const QRect header = tabs->tabBar()->tabRect(i).translated(tabs->tabBar()->mapTo(viewport, QPoint()));
            const QRect shown(page->mapTo(viewport, QPoint()), page->size());
            EXPECT_TRUE(viewport->rect().contains(header.united(shown))) << binding << other << " tab " << i;
            EXPECT_EQ(cutLabels(page->widget(), page->widget()), QStringList()) << binding << other << " tab " << i;
        }
        unloadAll();
    }
}


// Each window opens in the middle of its owner (the main window, the wizard for its folder picker) or of the
// screen, whole on it; a second batch window a title bar (the usual 40 pixels at least) lower and further right.
TEST_F(WindowSize, EachWindowOpensInTheMiddleOfItsOwnerWholeOnTheScreen)
{
    startMain();
    auto placed = [](QWidget *window, const QWidget *over, int shift) {
        ASSERT_TRUE(window && window->isVisible());
        const QRect available = window->screen()->availableGeometry();
        const QRect whole = window->geometry().marginsAdded(frameOrAllowance(window));
        EXPECT_TRUE(available.contains(whole)) << whole.x() << "," << whole.y();
        const QRect around = over ? over->geometry().marginsAdded(frameOrAllowance(over)) : available;
        const QPoint off = whole.center() - around.center() - QPoint(shift, shift);
        EXPECT_LE(off.manhattanLength(), 2) << off.x() << "," << off.y();
    };
    using Open = QWidget *(*)();
    const struct {
        const char *window;
        Open open; // shows it
        bool overMain;
        int shift;
    } rows[] = {
        {"Metadata Templates", []() -> QWidget * {
             trigger("mnuDefaults");
             return &frmMetadataDefaultsList();
         }, true, 0},
        {"Metadata Templates of Template Creator", []() -> QWidget * {
             delete &frmMetadataDefaultsList();
             trigger("mnuTemplateCreator");
             return &frmMetadataDefaultsList();
         }, true, 0},
        {"Tip of the Day", []() -> QWidget * {
             delete &frmMetadataDefaultsList();
             trigger("mnuTip");
             return &frmTip();
         }, true, 0},
        {"SCORM Conversion Wizard", []() -> QWidget * {
             lomshift::Main();
             return &lomshift::frmMain();
         }, false, 0},
        {"Batch Generate", []() -> QWidget * {
             batch::frmBatchGenerate().show();
             return &batch::frmBatchGenerate();
         }, false, 0},
        {"a second Batch Generate", []() -> QWidget * {
             auto *second = new batch::FrmBatchGenerate;
             second->show();
             return second;
         }, false, 40},
    };
    QList<QPointer<QWidget>> opened;
    for (const auto &row : rows) {
        SCOPED_TRACE(row.window);
        opened << row.open();
        processEvents();
        placed(opened.last(), row.overMain ? &frmMain() : nullptr, row.shift);
    }
    // The wizard's folder picker, over the wizard.
    QWidget *wizard = &lomshift::frmMain();
    QApplication::setActiveWindow(wizard);
    QtDialogs real;
    setDialogs(&real);
    onNextModal([&](QWidget *picker) {
        placed(picker, wizard, 0);
        static_cast<QDialog *>(picker)->reject();
    });
    EXPECT_EQ(ts::dialogs().chooseFolder(QStringLiteral("Select a Folder"), QString()), std::nullopt);
    setDialogs(&dialogs);
    for (const QPointer<QWidget> &window : opened)
        delete window.data();
}

// A window that opens centred on a screen smaller than itself is fitted to the room there as it is shown, before
// a window system that frames it later (here: never) has framed it.
TEST_F(WindowSize, ACentredWindowLargerThanTheScreenIsFittedWhenShown)
{
    setWindowFrameSource([](const QWidget *) { return QMargins(); });
    QWidget window;
    window.resize(window.screen()->availableGeometry().size() + QSize(300, 200));
    openCentred(&window);
    window.show();
    EXPECT_EQ(window.size(), roomOnScreen(&window));
    setWindowFrameSource({});
}

// The frame a window system reports: none before it frames the window, nor while, framing it, it reports the
// outside smaller than the inside.
TEST_F(WindowSize, AFrameIsTheRoomAroundTheWindowOnceTheWindowSystemHasFramedIt)
{
    const QRect inner(682, 383, 290, 96);
    const std::pair<QRect, QMargins> rows[] = {{inner, {}},
                                               {QRect(681, 363, 292, 121), QMargins(1, 20, 1, 5)},
                                               {QRect(682, 383, 1, 1), {}},
                                               {QRect(690, 363, 292, 121), {}}};
    for (const auto &[outer, frame] : rows)
        EXPECT_EQ(frameBetween(inner, outer), frame) << outer.x() << "," << outer.width();
}

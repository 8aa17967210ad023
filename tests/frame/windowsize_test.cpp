#include "support/testmain.h"

#include "framefixture.h"

#include "frame/frmabout.h"
#include "frame/frmconvertunits.h"
#include "frame/frmgettingstarted.h"
#include "frame/frmmessage.h"
#include "frame/frmmetadatadefaultslist.h"
#include "frame/frmprocessing.h"
#include "frame/frmselectmetadatacategory.h"
#include "frame/frmtip.h"
#include "frame/frmversionselect.h"
#include "frame/windowsize.h"

#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>

using namespace ts;
using namespace ts::test;

// The sizes windows open at, on the 1366 by 768 screen the tests run on.
class WindowSize : public FrameTest {
protected:
    // The part of `inner` that lies outside `outer`'s rectangle, both in outer's coordinates; empty when
    // inner shows whole.
    static QString cut(const QWidget *inner, const QWidget *outer)
    {
        const QRect r(inner->mapTo(outer, QPoint(0, 0)), inner->size());
        return outer->rect().contains(r) ? QString() : inner->objectName() + QStringLiteral(" reaches past ") +
                                                           outer->objectName();
    }
    // Every label shown inside `within` must lie inside `area` and be as large as its text needs.
    static QStringList cutLabels(QWidget *within, QWidget *area)
    {
        QStringList problems;
        for (QLabel *label : within->findChildren<QLabel *>()) {
            if (!label->isVisibleTo(within) || label->text().isEmpty())
                continue;
            if (!cut(label, area).isEmpty())
                problems << cut(label, area);
            const QSize needs = label->wordWrap() ? label->minimumSizeHint() : label->sizeHint();
            if (label->width() < needs.width() || label->height() < needs.height())
                problems << label->objectName() + QStringLiteral(" is smaller than its text");
        }
        return problems;
    }
};

TEST_F(WindowSize, EachEditorOpensWholeWithTheSidePane)
{
    for (const char *binding : {"12", "2004"}) {
        startMain(QLatin1String(binding));
        FrmMain &main = frmMain();
        processEvents();
        const QRect room = main.screen()->availableGeometry();
        EXPECT_LE(main.width() + decorationAllowance().width(), room.width()) << binding;
        EXPECT_LE(main.height() + decorationAllowance().height(), room.height()) << binding;

        QWidget *viewport = main.mdiArea()->viewport();
        QMdiSubWindow *editor = main.mdiArea()->currentSubWindow();
        ASSERT_TRUE(editor);
        EXPECT_EQ(cut(editor, viewport).toStdString(), "") << binding;
        QWidget *pane = find<QWidget>(&main, QStringLiteral("Picture1"));
        EXPECT_EQ(cutLabels(pane, pane).join(QStringLiteral("; ")).toStdString(), "") << binding;
        // Every tab header, and on every tab every label.
        if (auto *tabs = editor->findChild<QTabWidget *>()) {
            for (int i = 0; i < tabs->count(); ++i) {
                tabs->setCurrentIndex(i);
                processEvents(1);
                const QRect header = tabs->tabBar()->tabRect(i).translated(tabs->tabBar()->mapTo(viewport, QPoint()));
                EXPECT_TRUE(viewport->rect().contains(header)) << binding << " tab " << i;
                EXPECT_EQ(cutLabels(tabs->currentWidget(), viewport).join(QStringLiteral("; ")).toStdString(), "")
                    << binding << " tab " << i;
            }
        }
        unloadAll();
    }
}

TEST_F(WindowSize, DialogsShowTheirCaptionWhole)
{
    const std::function<QWidget *()> windows[] = {
        [] { return new FrmVersionSelect; },          [] { return &frmSelectMetadataCategory(); },
        [] { return new FrmAbout; },                  [] { return &frmTip(); },
        [] { return &frmGettingStarted(); },          [] { return &frmMetadataDefaultsList(); },
        [] { return &frmMessage(); },                 [] { return new FrmConvertUnits; },
        [] { return new FrmProcessing; },
    };
    for (const auto &make : windows) {
        QWidget *window = make();
        window->adjustSize();
        EXPECT_GE(window->width(), captionWidth(window->windowTitle())) << window->objectName().toStdString();
        delete window;
    }
}

TEST_F(WindowSize, ScreenshotsForReview)
{
    // The main window with each editor, and the binding dialog, beside the test program.
    for (const char *binding : {"12", "2004"}) {
        settings(0, 0);
        onNextModal(
            [binding](QWidget *dialog) {
                if (QLatin1String(binding) == QLatin1String("12")) {
                    EXPECT_TRUE(dialog->grab().save(QDir::currentPath() + QStringLiteral("/frmVersionSelect.png")));
                }
                dialog->findChild<QRadioButton *>(QLatin1String(binding) == QLatin1String("12")
                                                      ? QStringLiteral("optScorm12")
                                                      : QStringLiteral("optScorm2004"))
                    ->setChecked(true);
                dialog->findChild<QPushButton *>(QStringLiteral("cmdOk"))->click();
            },
            QStringLiteral("frmVersionSelect"));
        initXMLParser();
        processEvents();
        const QString file = QDir::currentPath() + QStringLiteral("/frmMain-%1.png").arg(QLatin1String(binding));
        EXPECT_TRUE(frmMain().grab().save(file)) << file.toStdString();
        unloadAll();
    }
}

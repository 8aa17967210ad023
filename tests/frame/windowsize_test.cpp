#include "support/testmain.h"

#include "framefixture.h"

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

// The main window opens showing the side pane and the editor whole, on the 1366 by 768 screen the tests
// run on; screenshots of it and of the binding dialog are left beside the test program.
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
    for (const char *binding : {"12", "2004"}) {
        settings(0, 0);
        chooseBinding(QLatin1String(binding), [binding](QWidget *dialog) {
            if (binding[0] == '1') {
                EXPECT_TRUE(dialog->grab().save(QDir::currentPath() + QStringLiteral("/frmVersionSelect.png")));
            }
            EXPECT_GE(dialog->width(), captionWidth(dialog->windowTitle()));
        });
        initXMLParser();
        processEvents();
        FrmMain &main = frmMain();
        EXPECT_TRUE(main.grab().save(QDir::currentPath() + QStringLiteral("/frmMain-%1.png").arg(QLatin1String(binding))));
        EXPECT_TRUE(QRect(QPoint(), main.screen()->availableGeometry().size())
                        .contains(QRect(QPoint(), main.size() + decorationAllowance())));
        QWidget *viewport = main.mdiArea()->viewport();
        QMdiSubWindow *editor = main.mdiArea()->currentSubWindow();
        EXPECT_TRUE(viewport->rect().contains(editor->geometry())) << binding;
        EXPECT_EQ(cutLabels(find<QWidget>(&main, QStringLiteral("Picture1")), &main), QStringList()) << binding;
        // Every tab header, and on every tab every label.
        auto *tabs = editor->findChild<QTabWidget *>();
        for (int i = 0; tabs && i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            processEvents(1);
            const QRect header = tabs->tabBar()->tabRect(i).translated(tabs->tabBar()->mapTo(viewport, QPoint()));
            EXPECT_TRUE(viewport->rect().contains(header)) << binding << " tab " << i;
            EXPECT_EQ(cutLabels(tabs->currentWidget(), viewport), QStringList()) << binding << " tab " << i;
        }
        unloadAll();
    }
}

#include "mdichild.h"
#include "frmmain.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace ts {

MdiChild::MdiChild(QWidget *parent) : QWidget(parent) {}

QMdiSubWindow *MdiChild::subWindow() const { return qobject_cast<QMdiSubWindow *>(parentWidget()); }

void MdiChild::showChild()
{
    QMdiSubWindow *sub = subWindow();
    const bool created = !sub;
    if (!sub) {
        sub = frmMain().mdiArea()->addSubWindow(this);
        sub->setAttribute(Qt::WA_DeleteOnClose, false);
        sub->setWindowTitle(windowTitle());
        sub->setObjectName(objectName() + QStringLiteral("Window"));
        // A new child opens at its preferred size; the area scrolls when the child is larger than it.
        sub->resize(sub->sizeHint().expandedTo(QSize(480, 360)));
        sub->move(0, 0);
    }
    show();
    sub->show();
    // The main window grows, within its screen, to show a new child whole. A child still larger than the
    // area is made to fit it, down to its smallest size, so that its title bar and buttons stay in view and
    // its contents scroll inside it.
    if (created) {
        frmMain().makeRoomForChildren();
        sub->resize(sub->size().boundedTo(frmMain().roomForChildren()).expandedTo(sub->minimumSizeHint()));
    }
    frmMain().mdiArea()->setActiveSubWindow(sub);
}

void MdiChild::hideChild()
{
    if (QMdiSubWindow *sub = subWindow())
        sub->hide();
    else
        hide();
}

bool MdiChild::isShownChild() const
{
    // Shown in the area, whether or not the main window itself is on the screen.
    const QMdiSubWindow *sub = subWindow();
    return sub ? !sub->isHidden() : !isHidden();
}

Qt::WindowStates MdiChild::childState() const
{
    const QMdiSubWindow *sub = subWindow();
    return sub ? sub->windowState() : windowState();
}

void MdiChild::setChildState(Qt::WindowStates state)
{
    if (QMdiSubWindow *sub = subWindow()) {
        if (state & Qt::WindowMinimized)
            sub->showMinimized();
        else if (state & Qt::WindowMaximized)
            sub->showMaximized();
        else
            sub->showNormal();
    } else {
        setWindowState(state);
    }
}

void MdiChild::setCaption(const QString &caption)
{
    setWindowTitle(caption);
    if (QMdiSubWindow *sub = subWindow())
        sub->setWindowTitle(caption);
}

QString MdiChild::caption() const { return windowTitle(); }

void MdiChild::unload()
{
    if (QMdiSubWindow *sub = subWindow()) {
        sub->setWidget(nullptr);
        delete sub;
    }
    delete this;
}

} // namespace ts

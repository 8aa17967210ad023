// The main window's Window menu: the children of its area, each by its caption, to bring one to the front.
#include "frmmain.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>

namespace ts {

void FrmMain::mnuWindow_Click()
{
    QMenu *list = menu(QStringLiteral("mnuWindow"));
    // The entries of the last drop-down go with it (the menu owns them).
    list->clear();
    const QMdiSubWindow *active = m_mdiArea->activeSubWindow();
    for (QMdiSubWindow *sub : m_mdiArea->subWindowList()) {
        if (sub->isHidden() || !sub->widget())
            continue;
        // A caption is shown as it reads, an ampersand in it too.
        QString caption = sub->windowTitle();
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction *entry = list->addAction(caption);
        entry->setObjectName(QStringLiteral("mnuWindowList_") + sub->widget()->objectName());
        entry->setCheckable(true);
        entry->setChecked(sub == active);
        connect(entry, &QAction::triggered, this, [this, sub = QPointer<QMdiSubWindow>(sub)] {
            if (sub)
                showChildWindow(sub);
        });
    }
}

void FrmMain::showChildWindow(QMdiSubWindow *sub)
{
    if (sub->isMinimized())
        sub->showNormal();
    // Over a maximised child it takes the whole area, as the area shows its active child.
    m_mdiArea->setActiveSubWindow(sub);
    sub->raise();
}

} // namespace ts

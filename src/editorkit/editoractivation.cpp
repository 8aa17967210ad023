// The main window's File menu follows the active child window: an editor acts on the record, the XML text
// window on the text.

#include "editorwindow.h"

#include "frame/frmmain.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace ts::kit {

namespace {

// The entries an editor switches, in their order, and whether each is on while the editor is active.
const struct {
    const char *entry;
    bool onWhileActive;
} kFileEntries[] = {
    {"mnuSaveasTemplate", true}, {"mnuFileSaveAs", false},    {"mnuFileSave", false},
    {"mnuFilePrint", false},     {"mnuFilePageSetup", false}, {"mnuExport", true},
};

void switchFileEntries(bool editorActive)
{
    if (!frmMainLoaded())
        return;
    for (const auto &[entry, onWhileActive] : kFileEntries)
        if (QAction *action = frmMain().action(QString::fromLatin1(entry)))
            action->setEnabled(onWhileActive == editorActive);
}

} // namespace

void EditorWindow::Form_Activate()
{
    if (!m_area && frmMainLoaded()) {
        m_area = frmMain().mdiArea();
        connect(frmMain().mdiArea(), &QMdiArea::subWindowActivated, this, &EditorWindow::subWindowActivated);
    }
    m_active = true;
    switchFileEntries(true);
}

void EditorWindow::subWindowActivated(QMdiSubWindow *window)
{
    // No sub-window is active while the program is not the active one: that is no change of child.
    if (!window || window == subWindow() || !m_active)
        return;
    Form_Deactivate();
}

void EditorWindow::Form_Deactivate()
{
    m_active = false;
    switchFileEntries(false);
}

} // namespace ts::kit

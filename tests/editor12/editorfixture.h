#pragma once
// The SCORM 1.2 editor on its own, shown and active, with a program folder and scripted dialogs.

#include "../frame/framefixture.h"

#include "editor12/frmoptions.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QTabWidget>
#include <QTest>

namespace ts::test {

class EditorTest : public FrameTest {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        win = &frmOptions();
        win->show();
        QApplication::setActiveWindow(win);
        processEvents();
    }

    template <class T> T *ctl(const QString &name) { return find<T>(win, name); }
    template <class T> T *ctl(const char *name) { return find<T>(win, QString::fromUtf8(name)); }
    int currentTab() const { return win->SSTab1()->currentIndex(); }
    // Moves the focus to another control, as a click on it does, and lets the field rules run.
    void moveFocusTo(QWidget *to)
    {
        to->setFocus(Qt::MouseFocusReason);
        processEvents();
    }

    // Picks an item from the combo's open list with the mouse.
    void pick(QComboBox *combo, int index) { pickItem(combo, index); }

    FrmOptions *win = nullptr;
};

} // namespace ts::test

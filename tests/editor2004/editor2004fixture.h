#pragma once
// The SCORM 2004 editor on its own, shown and active, with a program folder and scripted dialogs.

#include "../frame/framefixture.h"

#include "editor2004/frmoptions2004.h"

#include <QComboBox>
#include <QTabWidget>
#include <QTest>

namespace ts::test {

class Editor2004Test : public FrameTest {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        win = &frmOptions2004();
        win->show();
        QApplication::setActiveWindow(win);
        processEvents();
    }

    template <class T> T *ctl(const char *name) { return find<T>(win, QString::fromUtf8(name)); }
    int currentTab() const { return win->SSTab1()->currentIndex(); }
    int tabOf(const QWidget *w) const
    {
        for (int i = 0; i < win->SSTab1()->count(); ++i)
            if (win->SSTab1()->widget(i)->isAncestorOf(w))
                return i;
        return -1;
    }
    // Brings the control's tab to front and gives it the focus, as a click on it does.
    template <class T> T *reach(const char *name)
    {
        T *c = ctl<T>(name);
        if (tabOf(c) >= 0)
            win->SSTab1()->setCurrentIndex(tabOf(c));
        processEvents();
        c->setFocus(Qt::MouseFocusReason);
        return c;
    }
    void moveFocusTo(QWidget *to)
    {
        to->setFocus(Qt::MouseFocusReason);
        processEvents();
    }
    // The category list as the user picks from it.
    void pickCategory(const QString &text)
    {
        pickItem(win->cboSelectCategory(), win->cboSelectCategory()->findText(text));
    }

    FrmOptions2004 *win = nullptr;
};

} // namespace ts::test

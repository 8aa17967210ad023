#pragma once
// The SCORM 2004 editor on its own, shown and active, with a program folder and scripted dialogs, and the
// tables it is checked against (tests/data/editor2004).

#include "../frame/framefixture.h"

#include "editor2004/frmoptions2004.h"

#include <QComboBox>

namespace ts::test {

// The tab-separated lines of a table of tests/data/editor2004.
QList<QStringList> tableRows(const QString &name);

// A line of inventory.txt, one per control: name, class, tab (-1 above the tabs), "labelName=caption", hint,
// what it shows at load (text, tick, limit, list items joined by "|"), rule ("check N", "guard", "open",
// "size") and "hidden".
struct InventoryRow {
    QStringList cells;
    QString name() const { return cells.value(0); }
    QString kind() const { return cells.value(1); }
    int tab() const { return cells.value(2).toInt(); }
    QString rule() const { return cells.value(6); }
    bool hidden() const { return cells.value(7) == QLatin1String("hidden"); }
};
QList<InventoryRow> inventory();

class Editor2004Test : public EditorWindowTest<FrmOptions2004, frmOptions2004> {
protected:
    // The tab that holds the control; -1 above the tabs.
    int tabOf(const QWidget *w) const
    {
        for (int i = 0; i < win->SSTab1()->count(); ++i)
            if (win->SSTab1()->widget(i)->isAncestorOf(w))
                return i;
        return -1;
    }
    // Brings the control's tab to front and gives it the focus, as a click on it does.
    template <class T> T *reach(const QString &name)
    {
        T *c = ctl<T>(name);
        win->SSTab1()->setCurrentIndex(std::max(0, tabOf(c)));
        processEvents();
        c->setFocus(Qt::MouseFocusReason);
        return c;
    }
    void pickCategory(const QString &text)
    {
        pickItem(win->cboSelectCategory(), win->cboSelectCategory()->findText(text));
    }
};

} // namespace ts::test

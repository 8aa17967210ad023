#pragma once
// The SCORM 2004 editor on its own, shown and active, with a program folder and scripted dialogs, and the
// tables it is checked against (tests/data/editor2004).

#include "../frame/framefixture.h"

#include "editor2004/frmoptions2004.h"

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

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

    template <class T> T *ctl(const QString &name) { return find<T>(win, name); }
    template <class T> T *ctl(const char *name) { return ctl<T>(QString::fromUtf8(name)); }
    int currentTab() const { return win->SSTab1()->currentIndex(); }
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
    void press(const char *button)
    {
        ctl<QPushButton>(button)->click();
        processEvents();
    }
    QStringList listItems(const char *list)
    {
        QStringList out;
        for (int i = 0; i < ctl<QListWidget>(list)->count(); ++i)
            out << ctl<QListWidget>(list)->item(i)->text();
        return out;
    }
    // Clicks the list's item on the list's tab.
    void clickItem(const char *list, int row)
    {
        auto *box = ctl<QListWidget>(list);
        win->SSTab1()->setCurrentIndex(tabOf(box));
        processEvents();
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, box->visualItemRect(box->item(row)).center());
        processEvents();
    }

    FrmOptions2004 *win = nullptr;
};

} // namespace ts::test

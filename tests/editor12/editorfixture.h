#pragma once
// The SCORM 1.2 editor on its own, shown and active, with a program folder and scripted dialogs.

#include "../frame/framefixture.h"

#include "editor12/frmoptions.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
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

    // Puts a text into a field as the program does.
    void set(const QString &field, const QString &text)
    {
        frmMain().dontValidate = true;
        win->setFieldText(field, text);
        frmMain().dontValidate = false;
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
        win->SSTab1()->setCurrentIndex(win->field(QString::fromUtf8(list))->tab);
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, box->visualItemRect(box->item(row)).center());
        processEvents();
    }

    FrmOptions *win = nullptr;
};

} // namespace ts::test

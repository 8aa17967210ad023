#pragma once
// Helpers for driving windows like a user: find a control by name (failing loudly when it is missing),
// act on the next modal window, let queued events run.

#include <QApplication>
#include <QString>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

class QComboBox;

namespace ts::test {

// Finds a descendant of root by objectName; fails the test (and returns nullptr) when missing.
template <class T> T *find(QObject *root, const QString &name)
{
    T *found = root ? root->findChild<T *>(name) : nullptr;
    if (!found)
        ADD_FAILURE() << "No " << T::staticMetaObject.className() << " named " << name.toStdString();
    return found;
}

// Runs action on the next window that becomes modal (or on the named one), as soon as it is shown. The
// action must close the window. Fails when no such window comes within the timeout.
void onNextModal(std::function<void(QWidget *)> action, const QString &objectName = {}, int timeoutMs = 5000);

// Lets queued events, deferred deletes and zero timers run.
void processEvents(int rounds = 3);

// Picks an item from the combo's open list with the mouse.
void pickItem(QComboBox *combo, int index);

} // namespace ts::test

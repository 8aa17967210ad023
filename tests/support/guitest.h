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
// action must close the window. A window that has not come by the end of the test fails it there
// (endModalWaits), however long the test took to get there.
void onNextModal(std::function<void(QWidget *)> action, const QString &objectName = {});
// Ends the waits of onNextModal still pending, failing the test for each: called as each test ends, so that
// no wait outlives its test.
void endModalWaits();

// Lets queued events, deferred deletes and zero timers run: each round runs what is pending until nothing
// more comes, however long that takes (a timer that keeps coming is run a bounded number of times).
void processEvents(int rounds = 3);

// Lets events run until the condition holds (true). It waits for the condition, not for a time: the limit,
// far beyond what any condition takes on a busy machine, only names a condition that never comes (false)
// before the test run's own limit ends the test unnamed.
bool waitUntil(const std::function<bool()> &condition);

// Picks an item from the combo's open list with the mouse.
void pickItem(QComboBox *combo, int index);

} // namespace ts::test

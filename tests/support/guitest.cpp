#include "guitest.h"

#include <QAbstractEventDispatcher>
#include <QAbstractItemView>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEvent>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <utility>

namespace ts::test {

namespace {

// The timers of the modal waits still pending, each named after the window it waits for.
QList<QPointer<QTimer>> &pendingModalWaits()
{
    static QList<QPointer<QTimer>> waits;
    return waits;
}

} // namespace

void onNextModal(std::function<void(QWidget *)> action, const QString &objectName)
{
    auto *timer = new QTimer;
    timer->setObjectName(objectName);
    timer->setInterval(5);
    pendingModalWaits().append(timer);
    QObject::connect(timer, &QTimer::timeout, [=]() {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || (!objectName.isEmpty() && modal->objectName() != objectName))
            return;
        timer->stop();
        pendingModalWaits().removeAll(timer);
        timer->deleteLater();
        action(modal);
    });
    timer->start();
}

void endModalWaits()
{
    for (const QPointer<QTimer> &timer : std::exchange(pendingModalWaits(), {})) {
        if (!timer)
            continue;
        ADD_FAILURE() << "No modal window " << timer->objectName().toStdString() << " appeared";
        delete timer.data();
    }
}

void processEvents(int rounds)
{
    QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
    for (int i = 0; i < rounds; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // Pass after pass until one finds nothing to do. A repeating timer may be due on every pass of a busy
        // machine, so the passes are bounded by number.
        for (int pass = 0; pass < 100 && dispatcher->processEvents(QEventLoop::AllEvents); ++pass) {
        }
    }
}

bool waitUntil(const std::function<bool()> &condition)
{
    constexpr int kNeverComing = 60000;
    QElapsedTimer clock;
    clock.start();
    // Wakes the wait below now and then to look again at a condition that no event of this program brings
    // (a file another process writes).
    QTimer wake;
    wake.start(5);
    while (!condition()) {
        if (clock.elapsed() > kNeverComing)
            return false;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QAbstractEventDispatcher::instance()->processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}

void pickItem(QComboBox *combo, int index)
{
    combo->showPopup();
    processEvents();
    QAbstractItemView *view = combo->view();
    view->scrollTo(view->model()->index(index, 0));
    const QRect item = view->visualRect(view->model()->index(index, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
    processEvents();
}

} // namespace ts::test

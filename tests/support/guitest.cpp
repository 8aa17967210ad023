#include "guitest.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEvent>
#include <QTest>
#include <QTimer>

namespace ts::test {

void onNextModal(std::function<void(QWidget *)> action, const QString &objectName, int timeoutMs)
{
    auto *timer = new QTimer;
    auto *clock = new QElapsedTimer;
    clock->start();
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [=]() {
        QWidget *modal = QApplication::activeModalWidget();
        const bool match = modal && modal->isVisible() && (objectName.isEmpty() || modal->objectName() == objectName);
        if (!match && clock->elapsed() <= timeoutMs)
            return;
        timer->stop();
        timer->deleteLater();
        delete clock;
        if (match)
            action(modal);
        else
            ADD_FAILURE() << "No modal window " << objectName.toStdString() << " appeared";
    });
    timer->start();
}

void processEvents(int rounds)
{
    for (int i = 0; i < rounds; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
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

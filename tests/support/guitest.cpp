#include "guitest.h"

#include <QElapsedTimer>
#include <QEvent>
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

} // namespace ts::test

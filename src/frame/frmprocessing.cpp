#include "frmprocessing.h"
#include "windows.h"

#include "platform/qt/windowsize.h"
#include "platform/timing.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QTimer>

namespace ts {

namespace {

// Bars appended by a tick, by the value the counter had before the tick.
int barsForStep(int step)
{
    switch (step) {
    case 4:
        return 4;
    case 3:
        return 10;
    case 2:
        return 17;
    default:
        return 0;
    }
}

const QString kStartBar = QStringLiteral("|||");

} // namespace

FrmProcessing::FrmProcessing(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_label1(new QLabel(this)),
      m_tmrEvent(new QTimer(this))
{
    setObjectName(QStringLiteral("frmProcessing"));
    setWindowTitle(QStringLiteral("Processing. . . "));
    fitCaption(this);
    setModal(true);
    markProgramWindow(this);
    openOverMain(this);

    auto *image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(style()->standardIcon(QStyle::SP_BrowserReload).pixmap(32, 32));
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setFont(QFont(QStringLiteral("Arial")));
    m_label1->setText(kStartBar);
    m_label1->setMinimumWidth(m_label1->fontMetrics().horizontalAdvance(QString(34, QLatin1Char('|'))) + 8);
    m_tmrEvent->setObjectName(QStringLiteral("tmrEvent"));

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(image);
    layout->addWidget(m_label1, 1);

    connect(m_tmrEvent, &QTimer::timeout, this, &FrmProcessing::tmrEvent_Timer);
}

void FrmProcessing::showModal()
{
    Form_Load();
    if (m_step > 0)
        exec();
}

void FrmProcessing::Form_Load()
{
    m_unloading = false;
    m_label1->setText(kStartBar);
    m_step = 4;
    m_tmrEvent->setInterval(timerInterval(250));
    tmrEvent_Timer();
    m_tmrEvent->start();
}

void FrmProcessing::tmrEvent_Timer()
{
    const int before = m_step--;
    m_label1->setText(m_label1->text() + QString(barsForStep(before), QLatin1Char('|')));
    if (m_step > 0)
        return;
    m_tmrEvent->stop();
    doneProcessing = true;
    unloadBox();
}

void FrmProcessing::unloadBox()
{
    m_unloading = true;
    done(QDialog::Accepted);
}

void FrmProcessing::reject()
{
    if (m_unloading)
        QDialog::reject();
}

void FrmProcessing::closeEvent(QCloseEvent *event)
{
    if (m_unloading)
        QDialog::closeEvent(event);
    else
        event->ignore();
}

FrmProcessing &frmProcessing() { return WindowInstance<FrmProcessing>::get(); }
bool frmProcessingLoaded() { return WindowInstance<FrmProcessing>::loaded(); }

} // namespace ts

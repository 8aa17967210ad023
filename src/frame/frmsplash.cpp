#include "frmsplash.h"
#include "startup.h"
#include "webaddresses.h"
#include "windows.h"

#include "platform/programfolder.h"
#include "platform/shell.h"
#include "platform/timing.h"

#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace ts {

FrmSplash::FrmSplash(QWidget *parent) : QWidget(parent, Qt::SplashScreen), m_tmrEvent(new QTimer(this))
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("Tagsmith"));
    setAttribute(Qt::WA_DeleteOnClose);
    markProgramWindow(this);
    m_tmrEvent->setObjectName(QStringLiteral("tmrEvent"));

    auto *image = new QLabel(QStringLiteral("Tagsmith"), this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setAlignment(Qt::AlignCenter);
    image->setStyleSheet(QStringLiteral("font-size: 28pt; font-weight: bold; color: #336699; padding: 24px;"));
    auto *copyright = new QLabel(QStringLiteral("Metadata for SCORM content packages"), this);
    copyright->setObjectName(QStringLiteral("lblCopyright"));
    copyright->setAlignment(Qt::AlignCenter);
    auto *link = new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(homePageAddress()), this);
    link->setObjectName(QStringLiteral("Label3"));
    link->setAlignment(Qt::AlignCenter);
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    connect(link, &QLabel::linkActivated, this, [] { shell().open(homePageAddress()); });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(image);
    layout->addWidget(copyright);
    layout->addWidget(link);

    connect(m_tmrEvent, &QTimer::timeout, this, &FrmSplash::tmrEvent_Timer);
    Form_Load();
}

void FrmSplash::Form_Load()
{
    m_counter = 3;
    m_tmrEvent->setInterval(timerInterval(1000));
    // The first tick at once: start-up begins after two intervals.
    tmrEvent_Timer();
    m_tmrEvent->start();
}

void FrmSplash::tmrEvent_Timer()
{
    --m_counter;
    if (m_counter > 0)
        return;
    m_tmrEvent->stop();
    initXMLParser();
    close();
}

FrmSplash &frmSplash() { return WindowInstance<FrmSplash>::get(); }
bool frmSplashLoaded() { return WindowInstance<FrmSplash>::loaded(); }

} // namespace ts

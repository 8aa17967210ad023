#include "frmversionselect.h"

#include <QEvent>
#include "frmmain.h"
#include "windowsize.h"

#include "platform/dialogs.h"

#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ts {

FrmVersionSelect::FrmVersionSelect(QWidget *parent)
    : QDialog(parent), m_optScorm12(new QRadioButton(QStringLiteral("SCORM 1.2"), this)),
      m_optScorm2004(new QRadioButton(QStringLiteral("SCORM 2004"), this))
{
    setObjectName(QStringLiteral("frmVersionSelect"));
    setWindowTitle(QStringLiteral("Select SCORM Version"));
    fitCaption(this);
    setModal(true);
    m_optScorm12->setObjectName(QStringLiteral("optScorm12"));
    m_optScorm2004->setObjectName(QStringLiteral("optScorm2004"));
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOk"));
    ok->setDefault(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_optScorm12);
    layout->addWidget(m_optScorm2004);
    layout->addWidget(ok);
    setTabOrder(m_optScorm12, m_optScorm2004);
    setTabOrder(m_optScorm2004, ok);
    connect(ok, &QPushButton::clicked, this, &FrmVersionSelect::cmdOk_Click);
}

void FrmVersionSelect::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_centredByFrame = false;
    centreOnScreen(this);
}

void FrmVersionSelect::centreByFrame()
{
    if (m_centredByFrame || !isVisible() || windowFrame(this).isNull())
        return;
    m_centredByFrame = true;
    centreOnScreen(this);
}

void FrmVersionSelect::moveEvent(QMoveEvent *event)
{
    QDialog::moveEvent(event);
    centreByFrame();
}

bool FrmVersionSelect::event(QEvent *event)
{
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::WindowActivate)
        centreByFrame();
    return handled;
}

void FrmVersionSelect::cmdOk_Click()
{
    if (m_optScorm12->isChecked()) {
        frmMain().scormVersion = QStringLiteral("12");
        accept();
    } else if (m_optScorm2004->isChecked()) {
        frmMain().scormVersion = QStringLiteral("2004");
        accept();
    } else {
        msgBox(QStringLiteral(" You must make a selection."));
    }
}

} // namespace ts

#include "frmversionselect.h"

#include "frmmain.h"

#include "platform/dialogs.h"
#include "platform/qt/windowsize.h"

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
    // The choice stands in the middle of the screen, not over the main window that is not yet shown.
    openCentred(this);
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

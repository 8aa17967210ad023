#include "frmtip.h"
#include "settings.h"
#include "windows.h"

#include "platform/programfolder.h"
#include "platform/qt/windowsize.h"
#include "platform/textfile.h"

#include <QCheckBox>
#include <QDateTime>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QVBoxLayout>

namespace ts {

namespace {
const QString kTipFile = QStringLiteral("TIPOFDAY.TXT");
std::optional<quint32> g_seed;
} // namespace

void FrmTip::setSeed(std::optional<quint32> seed) { g_seed = seed; }

FrmTip::FrmTip(QWidget *parent)
    : QDialog(parent), m_lblTipText(new QLabel(this)), m_chkLoadTipsAtStartup(new QCheckBox(QStringLiteral("&Always show"), this))
{
    setObjectName(QStringLiteral("frmTip"));
    setWindowTitle(QStringLiteral("Tip of the Day"));
    fitCaption(this);
    setAttribute(Qt::WA_DeleteOnClose);
    markProgramWindow(this);
    openOverMain(this);
    auto *title = new QLabel(QStringLiteral("Did you know..."), this);
    title->setObjectName(QStringLiteral("Label1"));
    m_lblTipText->setObjectName(QStringLiteral("lblTipText"));
    m_lblTipText->setWordWrap(true);
    m_lblTipText->setAutoFillBackground(true);
    m_lblTipText->setStyleSheet(QStringLiteral("background-color: white; padding: 8px;"));
    m_lblTipText->setMinimumSize(320, 120);
    m_chkLoadTipsAtStartup->setObjectName(QStringLiteral("chkLoadTipsAtStartup"));
    auto *next = new QPushButton(QStringLiteral("&Next Tip"), this);
    next->setObjectName(QStringLiteral("cmdNextTip"));
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOk"));
    ok->setDefault(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(m_lblTipText, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_chkLoadTipsAtStartup);
    buttons->addStretch();
    buttons->addWidget(next);
    buttons->addWidget(ok);
    layout->addLayout(buttons);

    Form_Load();
    connect(m_chkLoadTipsAtStartup, &QCheckBox::stateChanged, this,
            [this] { tsmSaveSetings(QStringLiteral("showTipAtStartup"), m_chkLoadTipsAtStartup->isChecked() ? 1 : 0); });
    connect(next, &QPushButton::clicked, this, &FrmTip::nextRandomTip);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void FrmTip::Form_Load()
{
    int show = 0;
    try {
        show = readSetting(QStringLiteral("showTipAtStartup")).toInt();
    } catch (const std::exception &) {
        // Without a readable settings file the tips are not shown at start-up; from the Help menu the
        // window still opens.
        show = 0;
    }
    m_chkLoadTipsAtStartup->setChecked(show != 0);
    // The tips are loaded whatever the setting: start-up shows the window only when it is on, and a user
    // who opens it from the Help menu gets a tip too.
    m_random.seed(g_seed ? *g_seed : static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()));
    const QString path = programPath(kTipFile);
    if (isReadOnlyOrHidden(path)) {
        showReadOnlyFileError(path);
        return;
    }
    if (!LoadTips(path)) {
        m_lblTipText->setText(QStringLiteral("That the ") + kTipFile + QStringLiteral(" file was not found? ") +
                              QStringLiteral("\r\n\r\n") + QStringLiteral("Create a text file named ") + kTipFile +
                              QStringLiteral(" using NotePad with 1 tip per line. ") +
                              QStringLiteral("Then place it in the same directory as the application. "));
    }
}

bool FrmTip::LoadTips(const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return false;
    QString text;
    if (!readTextFile(path, text))
        return false;
    m_tips.clear();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    if (!text.isEmpty())
        m_tips = text.split(QLatin1Char('\n'));
    nextRandomTip();
    return true;
}

void FrmTip::nextRandomTip()
{
    if (m_tips.isEmpty())
        return;
    // A uniform choice from 1 to the number of tips; the same tip may come twice in a row.
    m_currentTip = static_cast<int>(m_random.generateDouble() * static_cast<double>(m_tips.size()) + 1);
    DisplayCurrentTip();
}

void FrmTip::DisplayCurrentTip()
{
    if (!m_tips.isEmpty() && m_currentTip >= 1 && m_currentTip <= m_tips.size())
        m_lblTipText->setText(m_tips.at(m_currentTip - 1));
}

void showTipModal()
{
    FrmTip &tip = frmTip();
    tip.exec();
}

FrmTip &frmTip() { return WindowInstance<FrmTip>::get(); }
bool frmTipLoaded() { return WindowInstance<FrmTip>::loaded(); }

} // namespace ts

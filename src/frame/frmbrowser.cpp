#include "frmbrowser.h"
#include "frmmain.h"
#include "previewbrowser.h"
#include "twips.h"
#include "windows.h"

#include "platform/dialogs.h"
#include "platform/timing.h"
#include "shared/apperror.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QWindow>

namespace ts {

namespace {

const QString kOwner = QStringLiteral("Form frmBrowser");
// The error of an operation that the user cancelled; activation goes on after it.
constexpr int kCancelledByUser = -2147023673;

struct ToolButton {
    const char *key;
    QStyle::StandardPixmap icon;
};

const ToolButton kButtons[] = {
    {"Back", QStyle::SP_ArrowBack},         {"Forward", QStyle::SP_ArrowForward},
    {"Stop", QStyle::SP_BrowserStop},       {"Refresh", QStyle::SP_BrowserReload},
    {"Home", QStyle::SP_DirHomeIcon},       {"Search", QStyle::SP_FileDialogContentsView},
};

int errorNumber(const std::exception &e)
{
    const auto *app = dynamic_cast<const AppError *>(&e);
    return app ? app->number : 51;
}

bool isProgramWindowHandle(QWindow *window)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->windowHandle() == window)
            return isProgramWindow(w);
    return false;
}

} // namespace

FrmBrowser::FrmBrowser(QWidget *parent)
    : QWidget(parent, Qt::Window), m_tbToolBar(new QToolBar(this)), m_picAddress(new QWidget(this)),
      m_lblAddress(new QLabel(QStringLiteral("&Address:"), m_picAddress)), m_cboAddress(new QComboBox(m_picAddress)),
      m_brwWebBrowser(new PreviewBrowser(this)), m_timTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("frmBrowser"));
    markProgramWindow(this);
    openOverMain(this);
    // Closing unloads the window; the next show creates it afresh.
    setAttribute(Qt::WA_DeleteOnClose);
    resize(twipsToPixels(9000), twipsToPixels(7000));

    m_tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    m_tbToolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (const ToolButton &b : kButtons) {
        const QString key = QString::fromLatin1(b.key);
        QAction *a = m_tbToolBar->addAction(style()->standardIcon(b.icon), key);
        a->setObjectName(key);
        a->setToolTip(key);
        connect(a, &QAction::triggered, this, [this, key] { tbToolBar_ButtonClick(key); });
    }

    m_picAddress->setObjectName(QStringLiteral("picAddress"));
    m_lblAddress->setObjectName(QStringLiteral("lblAddress"));
    m_lblAddress->setBuddy(m_cboAddress);
    m_cboAddress->setObjectName(QStringLiteral("cboAddress"));
    m_cboAddress->setEditable(true);
    m_cboAddress->setInsertPolicy(QComboBox::NoInsert);
    m_cboAddress->lineEdit()->installEventFilter(this);
    connect(m_cboAddress, &QComboBox::activated, this, [this] { cboAddress_Click(); });

    m_brwWebBrowser->setObjectName(QStringLiteral("brwWebBrowser"));
    connect(m_brwWebBrowser, &PreviewBrowser::downloadComplete, this, &FrmBrowser::brwWebBrowser_PageLoaded);

    m_timTimer->setObjectName(QStringLiteral("timTimer"));
    m_timTimer->setInterval(timerInterval(5));
    connect(m_timTimer, &QTimer::timeout, this, &FrmBrowser::timTimer_Timer);

    connect(qApp, &QGuiApplication::focusWindowChanged, this, &FrmBrowser::focusWindowChanged);
    Form_Resize();
}

FrmBrowser::~FrmBrowser()
{
    // The controls still send signals and events while the base window tears them down; this window is
    // no longer there to hear them.
    m_cboAddress->lineEdit()->removeEventFilter(this);
    disconnect(m_cboAddress, nullptr, this, nullptr);
    disconnect(qApp, nullptr, this, nullptr);
}

void FrmBrowser::showWindow()
{
    show();
    raise();
    activateWindow();
}

void FrmBrowser::focusWindowChanged(QWindow *window)
{
    // Another program took the focus, or a message box of this one: no change of window of the program.
    if (!window || !isProgramWindowHandle(window))
        return;
    const QWindow *previous = m_lastFocusWindow;
    m_lastFocusWindow = window;
    if (window != windowHandle())
        return;
    if (!m_activatedSinceShown || (previous && previous != window)) {
        m_activatedSinceShown = true;
        Form_Activate();
    }
}

void FrmBrowser::hideEvent(QHideEvent *event)
{
    m_activatedSinceShown = false;
    QWidget::hideEvent(event);
}

void FrmBrowser::Form_Activate()
{
    int recorded = 0;
    bool goOn = true;
    try {
        m_brwWebBrowser->setSilent(true);
        StartingAddress = frmMainLoaded() ? frmMain().webBrowser()->locationURL() : QString();
    } catch (const std::exception &e) {
        recorded = errorNumber(e);
        goOn = recorded == kCancelledByUser;
    }
    if (goOn) {
        // From here on a failing step is passed over and the next one runs.
        const std::function<void()> steps[] = {
            [this] { m_tbToolBar->update(); },
            [this] { Form_Resize(); },
            [this] {
                m_cboAddress->move(twipsToPixels(50),
                                   m_lblAddress->y() + m_lblAddress->height() + twipsToPixels(15));
            },
            [this] {
                if (StartingAddress.isEmpty())
                    return;
                m_cboAddress->setEditText(StartingAddress);
                m_cboAddress->addItem(StartingAddress);
                m_timTimer->start();
                m_brwWebBrowser->navigate(StartingAddress);
            },
        };
        for (const auto &step : steps) {
            try {
                step();
            } catch (const std::exception &e) {
                recorded = errorNumber(e);
            }
        }
    }
    if (recorded != 0 && recorded != kCancelledByUser)
        msgBox(QString::number(recorded) + QStringLiteral("Unhandled Load Error"));
}

void FrmBrowser::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void FrmBrowser::Form_Resize()
{
    // Sizes that the margins would make negative (a very small window) are held at zero.
    const int innerWidth = width();
    const int innerHeight = height();
    m_tbToolBar->setGeometry(0, 0, innerWidth, m_tbToolBar->sizeHint().height());
    m_lblAddress->adjustSize();
    m_lblAddress->move(twipsToPixels(50), twipsToPixels(15));
    const int boxTop = m_lblAddress->y() + m_lblAddress->height() + twipsToPixels(15);
    m_picAddress->setGeometry(0, m_tbToolBar->height(), innerWidth,
                              boxTop + m_cboAddress->sizeHint().height() + twipsToPixels(60));
    m_cboAddress->setGeometry(twipsToPixels(50), boxTop, std::max(0, innerWidth - twipsToPixels(100)),
                              m_cboAddress->sizeHint().height());
    const int pageTop = m_picAddress->y() + m_picAddress->height();
    m_brwWebBrowser->setGeometry(twipsToPixels(50), pageTop, std::max(0, innerWidth - twipsToPixels(100)),
                                 std::max(0, innerHeight - pageTop - twipsToPixels(100)));
}

void FrmBrowser::cboAddress_Click()
{
    try {
        m_timTimer->start();
        m_brwWebBrowser->navigate(m_cboAddress->currentText());
    } catch (const std::exception &e) {
        reportError(e, QStringLiteral("cboAddress_Click"), kOwner);
    }
}

void FrmBrowser::cboAddress_KeyPress(int keyAscii)
{
    try {
        if (keyAscii == 13)
            cboAddress_Click();
    } catch (...) {
    }
}

bool FrmBrowser::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_cboAddress->lineEdit() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            cboAddress_KeyPress(13);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FrmBrowser::tbToolBar_ButtonClick(const QString &key)
{
    try {
        m_timTimer->start();
        if (key == QLatin1String("Back")) {
            m_brwWebBrowser->goBack();
        } else if (key == QLatin1String("Forward")) {
            m_brwWebBrowser->goForward();
        } else if (key == QLatin1String("Refresh")) {
            m_brwWebBrowser->refresh();
        } else if (key == QLatin1String("Home")) {
            m_brwWebBrowser->goHome();
        } else if (key == QLatin1String("Search")) {
            m_brwWebBrowser->goSearch();
        } else if (key == QLatin1String("Stop")) {
            m_timTimer->stop();
            m_brwWebBrowser->stop();
            setWindowTitle(m_brwWebBrowser->locationName());
        }
    } catch (...) {
    }
}

void FrmBrowser::timTimer_Timer()
{
    if (m_brwWebBrowser->busy()) {
        setWindowTitle(QStringLiteral("Working..."));
        return;
    }
    m_timTimer->stop();
    setWindowTitle(m_brwWebBrowser->locationName());
}

void FrmBrowser::brwWebBrowser_PageLoaded()
{
    try {
        setWindowTitle(m_brwWebBrowser->locationName());
    } catch (...) {
    }
}

FrmBrowser &frmBrowser() { return WindowInstance<FrmBrowser>::get(); }
bool frmBrowserLoaded() { return WindowInstance<FrmBrowser>::loaded(); }

} // namespace ts

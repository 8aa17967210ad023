#include "windowsize.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace ts {

namespace {
// The title bar's icon and its three buttons, and the margins around the caption.
constexpr int kTitleBarFurniture = 140;
} // namespace

QSize decorationAllowance() { return {8, 40}; }

int captionWidth(const QString &caption)
{
    // Title bars usually draw their caption bold, in a font close to the program's own.
    QFont font = QApplication::font();
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(caption) + kTitleBarFurniture;
}

void fitCaption(QWidget *window)
{
    window->setMinimumWidth(std::max(window->minimumWidth(), captionWidth(window->windowTitle())));
}

namespace {
const QScreen *screenOf(const QWidget *window)
{
    return window->screen() ? window->screen() : QGuiApplication::primaryScreen();
}
} // namespace

void centreOnScreen(QWidget *window)
{
    const QScreen *screen = screenOf(window);
    if (!screen)
        return;
    // The frame as the window system reports it, or the usual title bar and borders while it cannot say yet.
    const QSize frame = window->frameGeometry().size() == window->size() ? window->size() + decorationAllowance()
                                                                          : window->frameGeometry().size();
    const QRect available = screen->availableGeometry();
    window->move(available.x() + (available.width() - frame.width()) / 2,
                 available.y() + (available.height() - frame.height()) / 2);
}

QSize roomOnScreen(const QWidget *window)
{
    const QScreen *screen = screenOf(window);
    if (!screen)
        return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    return screen->availableGeometry().size() - decorationAllowance();
}

} // namespace ts

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

std::function<QMargins(const QWidget *)> &frameSource()
{
    static std::function<QMargins(const QWidget *)> source;
    return source;
}
} // namespace

QMargins windowFrame(const QWidget *window)
{
    if (frameSource())
        return frameSource()(window);
    const QRect inner = window->geometry();
    const QRect outer = window->frameGeometry();
    if (outer.size() == inner.size())
        return {};
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                    outer.bottom() - inner.bottom());
}

void setWindowFrameSource(std::function<QMargins(const QWidget *)> source) { frameSource() = std::move(source); }

void centreOnScreen(QWidget *window)
{
    const QScreen *screen = screenOf(window);
    if (!screen)
        return;
    // The title bar and borders as the window system reports them, or, while it cannot say yet (before the
    // window is first shown), the usual ones: the title bar above, the border's width on the other sides.
    const QRect inner = window->geometry();
    const int border = decorationAllowance().width() / 2;
    const QMargins reported = windowFrame(window);
    const QMargins frame =
        reported.isNull() ? QMargins(border, decorationAllowance().height() - border, border, border) : reported;
    const QSize whole = inner.size().grownBy(frame);
    const QRect available = screen->availableGeometry();
    const QPoint corner(available.x() + (available.width() - whole.width()) / 2,
                        available.y() + (available.height() - whole.height()) / 2);
    // Placed by its inside, which every window system takes as it is given.
    window->setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), inner.size()));
}

QSize roomOnScreen(const QWidget *window)
{
    const QScreen *screen = screenOf(window);
    if (!screen)
        return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    return screen->availableGeometry().size() - decorationAllowance();
}

} // namespace ts

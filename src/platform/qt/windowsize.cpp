#include "windowsize.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>

#include <algorithm>

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
    return frameBetween(window->geometry(), window->frameGeometry());
}

QMargins frameBetween(const QRect &inner, const QRect &outer)
{
    if (outer.size() == inner.size())
        return {};
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                         outer.bottom() - inner.bottom());
    // While the window system frames the window, its frame may be reported for a moment as smaller than the
    // window inside it: that is no frame yet.
    if (frame.left() < 0 || frame.top() < 0 || frame.right() < 0 || frame.bottom() < 0)
        return {};
    return frame;
}

void setWindowFrameSource(std::function<QMargins(const QWidget *)> source) { frameSource() = std::move(source); }

QMargins frameOrAllowance(const QWidget *window)
{
    const QMargins reported = windowFrame(window);
    if (!reported.isNull())
        return reported;
    const int border = decorationAllowance().width() / 2;
    return QMargins(border, decorationAllowance().height() - border, border, border);
}

void keepOnScreen(QWidget *window)
{
    const QScreen *screen = screenOf(window);
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QMargins frame = frameOrAllowance(window);
    const QRect outer = window->geometry().marginsAdded(frame);
    const QPoint corner(
        std::clamp(outer.left(), available.left(), std::max(available.left(), available.right() + 1 - outer.width())),
        std::clamp(outer.top(), available.top(), std::max(available.top(), available.bottom() + 1 - outer.height())));
    if (corner != outer.topLeft())
        window->setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), window->size()));
}

QSize roomOnScreen(const QWidget *window)
{
    const QScreen *screen = screenOf(window);
    if (!screen)
        return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    const QMargins frame = frameOrAllowance(window);
    return screen->availableGeometry().size().shrunkBy(frame).expandedTo(QSize(0, 0));
}

namespace {

// Places its window when it is shown, and once more when the window system has framed it.
class OpensCentred : public QObject {
public:
    OpensCentred(QWidget *window, const QWidget *over, int cascade)
        : QObject(window), m_window(window), m_over(over), m_cascade(std::max(cascade, 0))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_window)
            return false;
        switch (event->type()) {
        case QEvent::Show:
            m_centredByFrame = false;
            fit();
            break;
        case QEvent::Move:
        case QEvent::WindowActivate:
        // A window system that puts the frame around the window where it was asked to stand reports no move;
        // the window is painted once it is framed.
        case QEvent::Paint:
            if (!m_centredByFrame && m_window->isVisible() && !windowFrame(m_window).isNull()) {
                m_centredByFrame = true;
                fit();
            }
            break;
        default:
            break;
        }
        return false;
    }

private:
    void fit()
    {
        // No larger than the screen's room (a window cannot shrink below its smallest size).
        const QSize fitting = m_window->size().boundedTo(roomOnScreen(m_window));
        if (fitting != m_window->size())
            m_window->resize(fitting);
        const QScreen *screen = screenOf(m_window);
        if (!screen)
            return;
        const QRect available = screen->availableGeometry();
        const QMargins frame = frameOrAllowance(m_window);
        const QSize whole = m_window->size().grownBy(frame);
        const QRect around =
            m_over && m_over->isVisible() ? m_over->geometry().marginsAdded(frameOrAllowance(m_over)) : available;
        QPoint corner(around.x() + (around.width() - whole.width()) / 2,
                      around.y() + (around.height() - whole.height()) / 2);
        if (m_cascade > 0) {
            // A title bar a step (at least the usual one); as many steps as lie between the middle and the
            // screen's nearer edge.
            const int step = std::max(frame.top(), decorationAllowance().height());
            const int room = std::min(available.right() + 1 - (corner.x() + whole.width()),
                                      available.bottom() + 1 - (corner.y() + whole.height()));
            const int steps = std::max(room, 0) / step + 1;
            corner += QPoint(step, step) * (m_cascade % steps);
        }
        // Placed by its inside, which every window system takes as it is given; then brought wholly onto the
        // screen where the window it stands over reaches past an edge.
        m_window->setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), m_window->size()));
        keepOnScreen(m_window);
    }

    QWidget *m_window;
    QPointer<const QWidget> m_over;
    int m_cascade;
    bool m_centredByFrame = false;
};

} // namespace

void openCentred(QWidget *window, const QWidget *over, int cascade)
{
    window->installEventFilter(new OpensCentred(window, over, cascade));
}

} // namespace ts

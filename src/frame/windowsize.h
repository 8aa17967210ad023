#pragma once
// Sizes at which windows open: large enough to show their contents and caption whole, and no larger than
// the screen they open on (where the window's own contents then scroll).

#include <QMargins>
#include <QSize>
#include <QString>

#include <functional>

class QWidget;

namespace ts {

// The room a window manager's title bar and borders take around a window, where the window system cannot
// say before the window is shown.
QSize decorationAllowance();
// The smallest width at which a caption shows whole in a title bar, with the bar's icon and buttons.
int captionWidth(const QString &caption);
// Gives a top-level window a minimum width at which its caption shows whole.
void fitCaption(QWidget *window);
// The part of the window's screen (the primary one while it has none) a window may take, its title bar and
// borders left out.
QSize roomOnScreen(const QWidget *window);
// Moves a top-level window so that it stands, with its title bar and borders, in the middle of the part of its
// screen (the primary one while it has none) that windows may take.
void centreOnScreen(QWidget *window);
// The title bar and borders the window system has put around a top-level window; none while it has not
// framed the window (before it is shown, and always on the offscreen platform).
QMargins windowFrame(const QWidget *window);
// Tests: the frame to take for windowFrame() in place of the window system's; an empty function gives the
// window system's again.
void setWindowFrameSource(std::function<QMargins(const QWidget *)> source);

} // namespace ts

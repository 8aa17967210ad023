#pragma once
// Sizes and places at which windows open: large enough to show their contents and caption whole, and no larger
// than the screen they open on (where the window's own contents then scroll), with their title bar and borders
// on that screen. Every program's windows follow the one rule: the title bar and borders are those the window
// system reports, or, while it cannot say yet, the usual ones (decorationAllowance()).

#include <QMargins>
#include <QRect>
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
// The title bar and borders around a top-level window: windowFrame() once the window system has framed it,
// the usual ones (the allowance: the title bar above, the border's width on the other sides) before.
QMargins frameOrAllowance(const QWidget *window);
// Moves a top-level window, at its size, the least way that brings it with its title bar and borders wholly
// onto its screen's part that windows may take (its top left corner first, where it is larger).
void keepOnScreen(QWidget *window);
// Makes a top-level window open in the middle of `over` (a window of the program, while that is shown) or else of
// its screen, no larger than roomOnScreen(), whole on the screen, and once the window system has framed it,
// centred again by the frame it really has (which the first centring could only guess). The window opened as
// the `cascade`-th of its kind stands that many title bars (at least the usual ones) lower and further right, so
// that each one's title bar shows; where the next step would leave the screen, the steps start again from the middle.
void openCentred(QWidget *window, const QWidget *over = nullptr, int cascade = 0);
// The title bar and borders the window system has put around a top-level window; none while it has not
// framed the window (before it is shown).
QMargins windowFrame(const QWidget *window);
// The frame between a window's inside and its outside as the window system reports them; none where the outside
// is no larger, or (while the window is being framed) smaller on a side.
QMargins frameBetween(const QRect &inner, const QRect &outer);
// Tests: the frame to take for windowFrame() in place of the window system's; an empty function gives the
// window system's again.
void setWindowFrameSource(std::function<QMargins(const QWidget *)> source);

} // namespace ts

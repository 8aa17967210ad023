#pragma once
// Colours of the editor windows, kept as the colour codes the windows are described in (0x00BBGGRR, or a
// system colour with the high bit set) so that the profiles can be read back and compared exactly.

#include <QColor>
#include <QtGlobal>

class QWidget;

namespace ts::look {

inline constexpr quint32 kBlue = 0x00FF0000;       // help labels
inline constexpr quint32 kDarkRed = 0x00000080;    // input hints
inline constexpr quint32 kTimePart = 0x00996666;   // "Hours", "Minutes", "Seconds" and ":"
inline constexpr quint32 kWhite = 0x00FFFFFF;      // an enabled text box, combo or list
inline constexpr quint32 kButtonFace = 0x8000000F; // a greyed field; check boxes and option buttons
inline constexpr quint32 kBrowseFace = 0x00A0B4B8; // the enabled "Browse..." button

// The colour a code stands for; the system colours come from the application's palette.
QColor color(quint32 code);

// Sets the background a control shows and remembers its code.
void setBackColor(QWidget *control, quint32 code);
// The code last set by setBackColor; the button face for a control never set.
quint32 backColor(const QWidget *control);

// Sets the text colour of a label (or any control) and remembers its code.
void setForeColor(QWidget *control, quint32 code);
// The code last set by setForeColor; 0 (black, the default text colour) for a control never set.
quint32 foreColor(const QWidget *control);

} // namespace ts::look

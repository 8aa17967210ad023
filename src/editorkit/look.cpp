#include "look.h"

#include <QApplication>
#include <QPalette>
#include <QPushButton>
#include <QVariant>
#include <QWidget>

namespace ts::look {

namespace {
const char *const kBackProperty = "backColor";
const char *const kForeProperty = "foreColor";
} // namespace

QColor color(quint32 code)
{
    if (code & 0x80000000u) {
        // The system colours the window uses: the button face, anything else as the window's text.
        return (code & 0xFF) == 0x0F ? QApplication::palette().color(QPalette::Button)
                                     : QApplication::palette().color(QPalette::WindowText);
    }
    return QColor(int(code & 0xFF), int((code >> 8) & 0xFF), int((code >> 16) & 0xFF));
}

void setBackColor(QWidget *control, quint32 code)
{
    control->setProperty(kBackProperty, QVariant::fromValue(code));
    QPalette palette = control->palette();
    const QColor c = color(code);
    if (qobject_cast<QPushButton *>(control)) {
        palette.setColor(QPalette::Button, c);
    } else if (qobject_cast<QAbstractButton *>(control)) {
        // A check box or option button shows its background around the box, never inside it.
        palette.setColor(QPalette::Window, c);
    } else {
        // Text boxes, combos and lists paint their field with Base.
        palette.setColor(QPalette::Base, c);
    }
    control->setPalette(palette);
}

quint32 backColor(const QWidget *control)
{
    const QVariant v = control->property(kBackProperty);
    return v.isValid() ? v.value<quint32>() : kButtonFace;
}

void setForeColor(QWidget *control, quint32 code)
{
    control->setProperty(kForeProperty, QVariant::fromValue(code));
    QPalette palette = control->palette();
    palette.setColor(QPalette::WindowText, color(code));
    control->setPalette(palette);
}

quint32 foreColor(const QWidget *control)
{
    const QVariant v = control->property(kForeProperty);
    return v.isValid() ? v.value<quint32>() : 0;
}

} // namespace ts::look

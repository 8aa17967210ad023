#include "captionframe.h"

#include <QLabel>
#include <QStyleOptionGroupBox>
#include <QStylePainter>

namespace ts {

CaptionFrame::CaptionFrame(const QString &title, QLabel *caption, QWidget *parent)
    : QGroupBox(title, parent), m_caption(caption)
{
    m_caption->setParent(this);
    m_caption->setText(title);
    placeCaption();
}

void CaptionFrame::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    // The frame leaves the gap for its title, and the label fills it.
    option.textColor = Qt::transparent;
    painter.drawComplexControl(QStyle::CC_GroupBox, option);
}

void CaptionFrame::resizeEvent(QResizeEvent *event)
{
    QGroupBox::resizeEvent(event);
    placeCaption();
}

void CaptionFrame::placeCaption()
{
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const QRect title = style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
    m_caption->setGeometry(QRect(title.topLeft(), m_caption->sizeHint().expandedTo(title.size())));
    m_caption->raise();
}

} // namespace ts

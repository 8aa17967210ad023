#pragma once
// A frame whose caption is a label of its own (a blue help label), drawn where the frame's title goes. The
// frame keeps its title for what reads it; only the label is seen.

#include <QGroupBox>

class QLabel;

namespace ts {

class CaptionFrame : public QGroupBox {
    Q_OBJECT
public:
    CaptionFrame(const QString &title, QLabel *caption, QWidget *parent = nullptr);
    QLabel *captionLabel() const { return m_caption; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeCaption();
    QLabel *m_caption;
};

} // namespace ts

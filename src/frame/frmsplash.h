#pragma once
// The splash window: on its third timer tick (the first comes at once) it runs the start-up routine and
// closes.

#include <QWidget>

class QTimer;

namespace ts {

class FrmSplash : public QWidget {
    Q_OBJECT
public:
    explicit FrmSplash(QWidget *parent = nullptr);
    void tmrEvent_Timer();
    int ticksLeft() const { return m_counter; }
    QTimer *timer() const { return m_tmrEvent; }

private:
    void Form_Load();
    qint16 m_counter = 3;
    QTimer *m_tmrEvent;
};

FrmSplash &frmSplash();
bool frmSplashLoaded();

} // namespace ts

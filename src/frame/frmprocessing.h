#pragma once
// The "Processing. . . " box: shown modally while a document is built or validated, it runs a fixed
// animation of four ticks, the first at once and then one every 250 ms, and closes itself. It does not
// follow the caller's work.
//
//     frmProcessing().showModal();          // returns when the box has closed itself
//     if (frmProcessing().doneProcessing) {
//         frmProcessing().doneProcessing = false;
//         ...
//     }

#include <QDialog>

class QLabel;
class QTimer;

namespace ts {

class FrmProcessing : public QDialog {
    Q_OBJECT
public:
    explicit FrmProcessing(QWidget *parent = nullptr);

    // True once the box has run its course; it keeps that value after the box has closed, until the
    // caller sets it back.
    bool doneProcessing = false;

    // Loads the box afresh and runs it modally; returns once it has closed itself.
    void showModal();
    // Loading: the bar back to three bars, the counter to 4, one tick at once, then the timer.
    void Form_Load();
    void tmrEvent_Timer();

    int stepCounter() const { return m_step; }
    QLabel *bar() const { return m_label1; }
    QTimer *timer() const { return m_tmrEvent; }

    // The box closes only by itself: neither Escape nor the window's close button ends it early.
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void unloadBox();

    int m_step = 4;
    QLabel *m_label1;
    QTimer *m_tmrEvent;
    bool m_unloading = false;
};

FrmProcessing &frmProcessing();
bool frmProcessingLoaded();

} // namespace ts

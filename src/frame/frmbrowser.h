#pragma once
// The browser window: a larger view of the page in the main window's preview pane, with its own toolbar,
// address box and history. Each time it becomes the active window it opens the preview pane's page.

#include <QPointer>
#include <QWidget>

class QComboBox;
class QLabel;
class QTimer;
class QToolBar;

namespace ts {

class PreviewBrowser;

class FrmBrowser : public QWidget {
    Q_OBJECT
public:
    explicit FrmBrowser(QWidget *parent = nullptr);
    ~FrmBrowser() override;

    // The address the window opens: the preview pane's page, taken at each activation.
    QString StartingAddress;

    // Shows the window (not modally) and makes it the active window.
    void showWindow();

    void Form_Activate();
    void Form_Resize();
    void cboAddress_Click();
    void cboAddress_KeyPress(int keyAscii);
    void tbToolBar_ButtonClick(const QString &key);
    void timTimer_Timer();
    void brwWebBrowser_PageLoaded();

    QToolBar *tbToolBar() const { return m_tbToolBar; }
    QComboBox *cboAddress() const { return m_cboAddress; }
    PreviewBrowser *brwWebBrowser() const { return m_brwWebBrowser; }
    QTimer *timTimer() const { return m_timTimer; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void focusWindowChanged(QWindow *window);

    QToolBar *m_tbToolBar;
    QWidget *m_picAddress;
    QLabel *m_lblAddress;
    QComboBox *m_cboAddress;
    PreviewBrowser *m_brwWebBrowser;
    QTimer *m_timTimer;
    QPointer<QWindow> m_lastFocusWindow;
    bool m_activatedSinceShown = false;
};

FrmBrowser &frmBrowser();
bool frmBrowserLoaded();

} // namespace ts

#pragma once
// The program's browser: shows files of this computer (HTML as a page, any other text as its text,
// pictures as pictures) and keeps a history of what it showed. Addresses outside the computer are handed
// to the desktop's browser. The main window's preview pane and the browser window both use it.

#include <QStackedWidget>
#include <QStringList>

class QLabel;
class QScrollArea;
class QTextBrowser;
class QTimer;
class QUrl;

namespace ts {

class PreviewBrowser : public QStackedWidget {
    Q_OBJECT
public:
    explicit PreviewBrowser(QWidget *parent = nullptr);

    // Opens a path or address. A file of this computer is shown and added to the history after the
    // current entry (dropping the entries ahead of it); busy() is true until its download completes.
    // An address outside the computer opens in the desktop's browser and the page stays as it is.
    void navigate(const QString &address);
    // The address of the page shown, as it was navigated to; empty before the first navigation.
    QString locationURL() const;
    // The page's title; for a page without one (text, pictures) the file's name.
    QString locationName() const;
    bool busy() const { return m_busy; }
    // The engine shows no dialogs of its own; the switch is kept for callers that set it.
    bool silent() const { return m_silent; }
    void setSilent(bool silent) { m_silent = silent; }

    void goBack();
    void goForward();
    void goHome();
    void goSearch();
    void stop();
    void refresh();
    bool canGoBack() const { return m_index > 0; }
    bool canGoForward() const { return m_index + 1 < m_history.size(); }
    const QStringList &history() const { return m_history; }
    int historyIndex() const { return m_index; }

    // The start page shipped beside the program, and the web search page.
    static QString homePage();
    static QString searchPage();

    QTextBrowser *textView() const { return m_text; }
    QLabel *pictureView() const { return m_picture; }
    bool showsPicture() const;

signals:
    // Emitted each time a navigation's download has completed.
    void downloadComplete();

private:
    void display(const QString &address);
    void linkClicked(const QUrl &link);
    void completeDownload();

    QTextBrowser *m_text;
    QScrollArea *m_pictureArea;
    QLabel *m_picture;
    QTimer *m_completion;
    QStringList m_history;
    int m_index = -1;
    QString m_name;
    bool m_busy = false;
    bool m_silent = false;
};

} // namespace ts

#pragma once
// The preview pane: shows a local file (HTML or text as text, pictures as pictures) by its path.

#include <QStackedWidget>

class QLabel;
class QTextBrowser;

namespace ts {

class PreviewBrowser : public QStackedWidget {
    Q_OBJECT
public:
    explicit PreviewBrowser(QWidget *parent = nullptr);
    void navigate(const QString &pathOrUrl);
    QString locationURL() const { return m_location; }

private:
    QTextBrowser *m_text;
    QLabel *m_picture;
    QString m_location;
};

} // namespace ts

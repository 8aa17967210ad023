#pragma once
// A text box of several lines with a length limit on what the user types or pastes, as a one-line box has
// its maxLength. Text put in by the program is taken whole.

#include <QPlainTextEdit>

namespace ts {

class MultiLineText : public QPlainTextEdit {
    Q_OBJECT
    Q_PROPERTY(int maxLength READ maxLength WRITE setMaxLength)
public:
    explicit MultiLineText(QWidget *parent = nullptr);
    int maxLength() const { return m_maxLength; }
    // 0: any length.
    void setMaxLength(int length) { m_maxLength = length; }
    int length() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    // The selection without the box's own breaks of long lines (platform/qt/boxtext.h).
    QMimeData *createMimeDataFromSelection() const override;

private:
    // How many characters the user may still add in place of the selection.
    int room() const;
    int m_maxLength = 0;
};

} // namespace ts

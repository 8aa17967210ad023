#pragma once
// The text box of the XML text window: plain text with multi-level undo and redo, which also knows what
// kind of edit each undo step holds (typing, deleting, a cut, a paste...).

#include <QList>
#include <QPlainTextEdit>

#include <functional>
#include <optional>

namespace ts {

// Kinds of undo steps, as the toolbar names them.
enum class UndoKind { LastAction = 0, Typing = 1, Delete = 2, DragDrop = 3, Cut = 4, Paste = 5 };

class DocumentTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit DocumentTextBox(QWidget *parent = nullptr);

    // The kind of the step that undo or redo would take back or do again; LastAction when there is none.
    UndoKind undoKind() const;
    UndoKind redoKind() const;
    // Runs an edit whose undo step counts as the given kind.
    void editAs(UndoKind kind, const std::function<void()> &edit);
    // Shows the text from its first line at the top, with the cursor there, and keeps it so while the box is
    // shown, resized or laid out anew (its window minimised, maximised, brought back) until the user types,
    // clicks or scrolls.
    void showFromStart();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;
    bool viewportEvent(QEvent *event) override;

    void keyPressEvent(QKeyEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
    // The selection without the box's own breaks of long lines (platform/qt/boxtext.h).
    QMimeData *createMimeDataFromSelection() const override;

private:
    void undoCommandAdded();
    void keepStart();
    void contentsChange(int position, int charsRemoved, int charsAdded);

    // One kind per undo step of the document, the steps that can be redone included.
    QList<UndoKind> m_kinds;
    std::optional<UndoKind> m_pending;
    bool m_kindFromChange = false;
    bool m_dropping = false;
    bool m_holdStart = false;
};

} // namespace ts

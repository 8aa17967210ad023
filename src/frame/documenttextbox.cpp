#include "documenttextbox.h"

#include "platform/qt/boxtext.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTextDocument>

namespace ts {

DocumentTextBox::DocumentTextBox(QWidget *parent) : QPlainTextEdit(parent)
{
    connect(document(), &QTextDocument::undoCommandAdded, this, &DocumentTextBox::undoCommandAdded);
    connect(document(), &QTextDocument::contentsChange, this, &DocumentTextBox::contentsChange);
    // The scroll bars' own buttons and handle are the user's scrolling too; a change of value the layout
    // makes is not.
    for (QScrollBar *bar : {verticalScrollBar(), horizontalScrollBar()})
        connect(bar, &QAbstractSlider::actionTriggered, this, [this] { m_holdStart = false; });
    // A layout of the text that is still going on (a long text is laid out piece by piece) moves no view.
    connect(verticalScrollBar(), &QAbstractSlider::rangeChanged, this, &DocumentTextBox::keepStart);
}

void DocumentTextBox::showFromStart()
{
    moveCursor(QTextCursor::Start);
    m_holdStart = true;
    keepStart();
}

void DocumentTextBox::keepStart()
{
    if (!m_holdStart)
        return;
    if (textCursor().position() != 0 || textCursor().hasSelection()) {
        m_holdStart = false;
        return;
    }
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
}

void DocumentTextBox::resizeEvent(QResizeEvent *event)
{
    QPlainTextEdit::resizeEvent(event);
    keepStart();
}

void DocumentTextBox::showEvent(QShowEvent *event)
{
    QPlainTextEdit::showEvent(event);
    keepStart();
}

namespace {
// Keys go to the box, the mouse and the wheel to its viewport.
bool isUserInput(const QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
        return true;
    default:
        return false;
    }
}
} // namespace

bool DocumentTextBox::event(QEvent *event)
{
    if (isUserInput(event))
        m_holdStart = false;
    return QPlainTextEdit::event(event);
}

bool DocumentTextBox::viewportEvent(QEvent *event)
{
    if (isUserInput(event))
        m_holdStart = false;
    return QPlainTextEdit::viewportEvent(event);
}

UndoKind DocumentTextBox::undoKind() const
{
    const int step = document()->availableUndoSteps() - 1;
    return step >= 0 && step < m_kinds.size() ? m_kinds.at(step) : UndoKind::LastAction;
}

UndoKind DocumentTextBox::redoKind() const
{
    if (document()->availableRedoSteps() == 0)
        return UndoKind::LastAction;
    const int step = document()->availableUndoSteps();
    return step < m_kinds.size() ? m_kinds.at(step) : UndoKind::LastAction;
}

void DocumentTextBox::editAs(UndoKind kind, const std::function<void()> &edit)
{
    const std::optional<UndoKind> saved = m_pending;
    m_pending = kind;
    edit();
    m_pending = saved;
}

void DocumentTextBox::undoCommandAdded()
{
    // A new step drops the steps that could have been redone.
    const int steps = document()->availableUndoSteps();
    m_kinds.resize(std::max(0, steps - 1));
    m_kinds.append(m_pending.value_or(UndoKind::Typing));
    // Without a kind set by the command, the change itself tells typing from deleting; the document
    // reports the change right after the step.
    m_kindFromChange = !m_pending;
}

void DocumentTextBox::contentsChange(int, int charsRemoved, int charsAdded)
{
    if (!m_kindFromChange || m_kinds.isEmpty())
        return;
    m_kindFromChange = false;
    m_kinds.last() = charsAdded == 0 && charsRemoved > 0 ? UndoKind::Delete : UndoKind::Typing;
}

void DocumentTextBox::keyPressEvent(QKeyEvent *event)
{
    const int from = textCursor().selectionStart();
    if (event->matches(QKeySequence::Cut))
        editAs(UndoKind::Cut, [&] { QPlainTextEdit::keyPressEvent(event); });
    else
        QPlainTextEdit::keyPressEvent(event);
    keepTypedBreaks(this, from, textCursor().position());
}

void DocumentTextBox::dropEvent(QDropEvent *event)
{
    m_dropping = true;
    editAs(UndoKind::DragDrop, [&] { QPlainTextEdit::dropEvent(event); });
    m_dropping = false;
}

void DocumentTextBox::insertFromMimeData(const QMimeData *source)
{
    const int from = textCursor().selectionStart();
    if (m_pending)
        QPlainTextEdit::insertFromMimeData(source);
    else
        editAs(m_dropping ? UndoKind::DragDrop : UndoKind::Paste, [&] { QPlainTextEdit::insertFromMimeData(source); });
    keepTypedBreaks(this, from, textCursor().position());
}

QMimeData *DocumentTextBox::createMimeDataFromSelection() const
{
    auto *data = new QMimeData;
    data->setText(boxText(textCursor()));
    return data;
}

} // namespace ts

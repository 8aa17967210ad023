#include "multilinetext.h"

#include "platform/qt/boxtext.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>
#include <climits>

namespace ts {

MultiLineText::MultiLineText(QWidget *parent) : QPlainTextEdit(parent)
{
    // Tab moves on to the next field, as in every other box of the window.
    setTabChangesFocus(true);
}

int MultiLineText::length() const { return document()->characterCount() - 1; }

int MultiLineText::room() const
{
    if (m_maxLength <= 0)
        return INT_MAX;
    const QTextCursor cursor = textCursor();
    const int selected = cursor.selectionEnd() - cursor.selectionStart();
    return qMax(0, m_maxLength - (length() - selected));
}

void MultiLineText::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    const bool inserts = (!text.isEmpty() && text.at(0).isPrint()) || event->key() == Qt::Key_Return ||
                         event->key() == Qt::Key_Enter;
    const bool command = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (inserts && !command && room() < qMax<qsizetype>(1, text.size())) {
        event->accept(); // the box is full: the key is swallowed
        return;
    }
    const int from = textCursor().selectionStart();
    QPlainTextEdit::keyPressEvent(event);
    keepTypedBreaks(this, from, textCursor().position());
}

void MultiLineText::insertFromMimeData(const QMimeData *source)
{
    const int from = textCursor().selectionStart();
    if (!source || !source->hasText() || m_maxLength <= 0) {
        QPlainTextEdit::insertFromMimeData(source);
    } else {
        // A paste that would overflow the box is cut to what still fits.
        QMimeData fitted;
        fitted.setText(source->text().left(room()));
        QPlainTextEdit::insertFromMimeData(&fitted);
    }
    keepTypedBreaks(this, from, textCursor().position());
}

QMimeData *MultiLineText::createMimeDataFromSelection() const
{
    auto *data = new QMimeData;
    data->setText(boxText(textCursor()));
    return data;
}

void MultiLineText::inputMethodEvent(QInputMethodEvent *event)
{
    if (m_maxLength > 0 && event->commitString().size() > room()) {
        QInputMethodEvent fitted(event->preeditString(), event->attributes());
        fitted.setCommitString(event->commitString().left(room()), event->replacementStart(),
                               event->replacementLength());
        QPlainTextEdit::inputMethodEvent(&fitted);
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

} // namespace ts

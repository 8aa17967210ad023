// The field rules that every editor window applies: what a field checks while the user types in it or
// leaves it.

#include "editorwindow.h"

#include "frame/frmmain.h"
#include "platform/dialogs.h"
#include "shared/apperror.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTabWidget>
#include <QTextCursor>
#include <QTimer>

namespace ts::kit {

namespace {

const QString kListOnlyText = QStringLiteral("Please select an item from the dropdown menu");

// Only keys that change the text wipe a drop-down field; moving, tabbing away or pressing a modifier leaves the
// picked value alone.
bool editsText(const QKeyEvent &key)
{
    if (key.key() == Qt::Key_Backspace || key.key() == Qt::Key_Delete)
        return true;
    for (QKeySequence::StandardKey edit : {QKeySequence::Cut, QKeySequence::Paste, QKeySequence::Undo,
                                           QKeySequence::Redo, QKeySequence::DeleteStartOfWord,
                                           QKeySequence::DeleteEndOfWord, QKeySequence::DeleteEndOfLine})
        if (key.matches(edit))
            return true;
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = key.text();
    return !text.isEmpty() && text.at(0).isPrint();
}

} // namespace

bool EditorWindow::dontValidate() { return frmMain().dontValidate; }

void EditorWindow::connectRules()
{
    for (const Field *field : m_tables.fields) {
        const Field &spec = *field;
        QWidget *c = control(QString::fromUtf8(spec.name));
        auto *combo = qobject_cast<QComboBox *>(c);
        switch (spec.rule) {
        case Rule::FreeText:
            c->installEventFilter(this);
            break;
        case Rule::ListOnly:
            // The key rule comes from the key released in the combo.
            combo->installEventFilter(this);
            [[fallthrough]];
        case Rule::ListOnlyNoKeys:
            // Typing edits the combo's line; picking from the list sets it without an edit.
            connect(combo->lineEdit(), &QLineEdit::textEdited, this,
                    [this, combo](const QString &text) { comboEdited(combo, text); });
            break;
        case Rule::None:
            break;
        }
        if (spec.ownRule != kNoOwnRule)
            connectOwnRule(spec, c);
    }

    // The category list: every change of its text goes to categoryTextChanged, which is told whether it was
    // typed.
    m_category->installEventFilter(this);
    connect(m_category->lineEdit(), &QLineEdit::textEdited, this, [this] { m_categoryTyped = true; });
    connect(m_category->lineEdit(), &QLineEdit::textChanged, this, &EditorWindow::categoryEdited);
}

void EditorWindow::connectOwnRule(const Field &, QWidget *) {}

void EditorWindow::categoryEdited()
{
    const bool typed = m_categoryTyped;
    m_categoryTyped = false;
    categoryTextChanged(typed);
}

void EditorWindow::categoryTextChanged(bool typed)
{
    if (!typed && !m_settingCategory)
        cboSelectCategory_Click();
}

void EditorWindow::labelClicked(const QString &labelName) { emit helpLabelClicked(labelName); }

void EditorWindow::showHelp(const QString &labelName)
{
    // Labels without a help text do nothing.
    if (const HelpText *row = findHelpText(m_tables.helpTexts, labelName))
        showHelpText(*row);
}

bool EditorWindow::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
        if (auto *label = qobject_cast<QLabel *>(watched)) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton && label->rect().contains(mouse->position().toPoint()))
                labelClicked(label->objectName());
        }
        break;
    case QEvent::KeyRelease:
        if (auto *combo = qobject_cast<QComboBox *>(watched)) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (!key->isAutoRepeat())
                checkDropDown(combo, *key);
        }
        break;
    case QEvent::FocusOut: {
        if (m_reclaimingFocus || (!qobject_cast<QLineEdit *>(watched) && !qobject_cast<QPlainTextEdit *>(watched)))
            break;
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        // Another window coming to front (a message box among them) or a context menu is no leaving.
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            break;
        // The check runs once the focus has settled, so that it may bring its tab to front and take the focus
        // back while the tab control is not in the middle of switching pages.
        QTimer::singleShot(0, this, [this, box = QPointer<QWidget>(qobject_cast<QWidget *>(watched))] {
            if (box)
                leaveField(box);
        });
        break;
    }
    default:
        break;
    }
    return MetadataEditor::eventFilter(watched, event);
}

void EditorWindow::leaveField(QWidget *box)
{
    // Leaving the editor for another window, or closing it, is not leaving the field.
    const QWidget *focus = QApplication::focusWidget();
    if (!isVisible() || (focus && focus != box && !isAncestorOf(focus)))
        return;
    if (const Field *spec = field(box->objectName()))
        fieldLeft(*spec, box);
}

void EditorWindow::fieldLeft(const Field &field, QWidget *box)
{
    if (field.rule == Rule::FreeText)
        checkStringVal(fieldText(box->objectName()), box, field.tab);
}

void EditorWindow::checkStringVal(const QString &text, QWidget *box, int tab)
{
    try {
        const qsizetype less = text.indexOf(QLatin1Char('<'));
        const qsizetype greater = text.indexOf(QLatin1Char('>'));
        // "<" is reported first, wherever it stands.
        const qsizetype at = less >= 0 ? less : greater;
        if (at < 0)
            return;
        const QChar character = text.at(at);
        msgBox(QStringLiteral("Invalid character \"%1\" at location %2").arg(character).arg(at + 1), Buttons::Ok,
               Icon::Exclamation, QStringLiteral("Invalid Character"));
        // A box that cannot take the focus (disabled, hidden, or its window not shown) keeps its state.
        if (!box || !box->isEnabled() || box->isHidden() || !box->window()->isVisible())
            return;
        // The field the user went to loses the focus again here; that is not the user leaving it, and
        // checking it would send the focus back and forth between two fields that both hold markup.
        m_reclaimingFocus = true;
        m_tabs->setCurrentIndex(tab);
        box->setFocus(Qt::OtherFocusReason);
        m_reclaimingFocus = false;
        if (auto *edit = qobject_cast<QLineEdit *>(box)) {
            edit->setSelection(int(at), 1);
        } else if (auto *edit = qobject_cast<QPlainTextEdit *>(box)) {
            QTextCursor cursor = edit->textCursor();
            cursor.setPosition(int(at));
            cursor.setPosition(int(at) + 1, QTextCursor::KeepAnchor);
            edit->setTextCursor(cursor);
        }
    } catch (const AppError &e) {
        reportFailure(e, QStringLiteral("checkStringVal"));
    }
}

void EditorWindow::comboEdited(QComboBox *combo, const QString &text)
{
    if (dontValidate() || text.isEmpty())
        return;
    refuseTypedText(combo);
}

void EditorWindow::refuseTypedText(QComboBox *combo)
{
    msgBox(kListOnlyText, Buttons::Ok, Icon::Exclamation, QStringLiteral("Invalid Entry"));
    putComboText(combo, QString());
}

void EditorWindow::setComboText(QComboBox *combo, const QString &text)
{
    const QString before = combo->currentText();
    putComboText(combo, text);
    if (combo->currentText() == before)
        return;
    const Field *spec = field(combo->objectName());
    const bool listOnly = spec && (spec->rule == Rule::ListOnly || spec->rule == Rule::ListOnlyNoKeys);
    if (listOnly && !text.isEmpty() && !dontValidate())
        refuseTypedText(combo);
}

void EditorWindow::checkDropDown(QComboBox *combo, const QKeyEvent &key)
{
    if (!editsText(key))
        return;
    // Resetting the category list's text chooses no category: the profile stays as it was.
    putComboText(combo, combo == m_category ? QString::fromUtf8(m_tables.noCategoryText) : QString());
}

} // namespace ts::kit

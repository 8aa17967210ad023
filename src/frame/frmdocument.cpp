#include "frmdocument.h"
#include "documenttags.h"
#include "documenttextbox.h"
#include "documentvalidation.h"
#include "frmmain.h"
#include "frmprocessing.h"
#include "twips.h"
#include "windows.h"

#include "platform/qt/boxtext.h"
#include "platform/dialogs.h"
#include "platform/qt/printer.h"
#include "shared/apperror.h"
#include "shared/fileutil.h"

#include <QAction>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QToolBar>

namespace ts {

namespace {

const QString kOwner = QStringLiteral("Form frmDocument");

// The toolbar's buttons in their order: key, caption, and the picture of the same key.
struct ToolButton {
    const char *key;
    const char *caption;
    const char *themeIcon;
    QStyle::StandardPixmap fallback;
};

const ToolButton kButtons[] = {
    {"find", "Find", "edit-find", QStyle::SP_FileDialogContentsView},
    {"cut", "Cut", "edit-cut", QStyle::SP_DialogDiscardButton},
    {"copy", "Copy", "edit-copy", QStyle::SP_FileDialogDetailedView},
    {"paste", "Paste", "edit-paste", QStyle::SP_DialogApplyButton},
    {"undo", "&Undo", "edit-undo", QStyle::SP_ArrowBack},
    {"redo", "&Redo", "edit-redo", QStyle::SP_ArrowForward},
    {"tag", "Tag", "insert-text", QStyle::SP_FileIcon},
    {"comment", "Comment", "insert-object", QStyle::SP_MessageBoxInformation},
    {"validate", "Validate", "dialog-ok", QStyle::SP_DialogYesButton},
};

const char *const kDocumentCommands[] = {"mnuFileSave", "mnuFileSaveAs", "mnuFilePrint", "mnuFilePageSetup"};
const char *const kEditorCommands[] = {"mnuSaveasTemplate", "mnuExport"};

QString undoActionName(int kind)
{
    static const char *const names[] = {"Last Action", "Typing", "Delete", "Drag Drop", "Cut", "Paste"};
    return kind >= 0 && kind < static_cast<int>(std::size(names)) ? QString::fromLatin1(names[kind]) : QString();
}

// Switches the main window's File menu for the XML text window being the active child or not.
void switchFileMenu(bool documentActive)
{
    if (!frmMainLoaded())
        return;
    for (const char *name : kDocumentCommands)
        if (QAction *a = frmMain().action(QString::fromLatin1(name)))
            a->setEnabled(documentActive);
    for (const char *name : kEditorCommands)
        if (QAction *a = frmMain().action(QString::fromLatin1(name)))
            a->setEnabled(!documentActive);
}

} // namespace

FrmDocument::FrmDocument(QWidget *parent)
    : MdiChild(parent), m_tlbrXmlEdit(new QToolBar(this)), m_rtfXMLOutput(new DocumentTextBox(this)),
      m_tmrEvent(new QTimer(this))
{
    setObjectName(QStringLiteral("frmDocument"));
    // Until it is shown in the main window it is a window of its own, unloaded with the program.
    markProgramWindow(this);
    setCaption(QStringLiteral("frmDocument"));

    m_tlbrXmlEdit->setObjectName(QStringLiteral("tlbrXmlEdit"));
    m_tlbrXmlEdit->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_tlbrXmlEdit->setIconSize(QSize(16, 16));
    for (const ToolButton &b : kButtons) {
        const QString key = QString::fromLatin1(b.key);
        const QIcon icon = QIcon::fromTheme(QString::fromLatin1(b.themeIcon), style()->standardIcon(b.fallback));
        QAction *a = m_tlbrXmlEdit->addAction(icon, QString::fromLatin1(b.caption));
        a->setObjectName(key);
        a->setData(key);
        connect(a, &QAction::triggered, this, [this, key] { tlbrXmlEdit_ButtonClick(key); });
    }

    m_rtfXMLOutput->setObjectName(QStringLiteral("rtfXMLOutput"));
    m_rtfXMLOutput->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // Lines wrap at the visible width of the box, clear of its scroll bar.
    m_rtfXMLOutput->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_tmrEvent->setObjectName(QStringLiteral("tmrEvent"));

    Form_Load();
}

FrmDocument::~FrmDocument()
{
    // The area reports changes of child while it is torn down; this window is no longer there to hear them.
    if (m_area)
        disconnect(m_area.data(), nullptr, this, nullptr);
}

void FrmDocument::Form_Load()
{
    try {
        m_rtfXMLOutput->setPlainText(QString());
    } catch (const std::exception &e) {
        reportError(e, QStringLiteral("Form_Load"), kOwner);
    }
}

QSize FrmDocument::sizeHint() const { return {twipsToPixels(10500), twipsToPixels(7500)}; }

QPlainTextEdit *FrmDocument::rtfXMLOutput() const { return m_rtfXMLOutput; }

QAction *FrmDocument::button(const QString &key) const
{
    for (QAction *a : m_tlbrXmlEdit->actions())
        if (a->objectName() == key)
            return a;
    return nullptr;
}

// ---- Text for the main window's commands

QString FrmDocument::text() const { return boxText(m_rtfXMLOutput); }

void FrmDocument::setText(const QString &text)
{
    setBoxText(m_rtfXMLOutput, text);
    // The window may change state (maximised by the area, brought back from minimised) after its text was put
    // in: the text still shows from its first line.
    m_rtfXMLOutput->showFromStart();
}

void FrmDocument::showWrittenText(const QString &written)
{
    const QString shown = text();
    qsizetype from = 0;
    while (from < shown.size() && from < written.size() && shown.at(from) == written.at(from))
        ++from;
    if (from == shown.size() && from == written.size())
        return;
    qsizetype tail = 0;
    while (tail < shown.size() - from && tail < written.size() - from &&
           shown.at(shown.size() - 1 - tail) == written.at(written.size() - 1 - tail))
        ++tail;
    const qsizetype to = shown.size() - tail;
    // Positions of the text are those of the box up to the first break the box made in a long line.
    if (to >= kBoxBlockLength / 2) {
        setText(written);
        return;
    }
    QTextCursor cursor(m_rtfXMLOutput->document());
    cursor.setPosition(static_cast<int>(from));
    cursor.setPosition(static_cast<int>(to), QTextCursor::KeepAnchor);
    cursor.insertText(written.mid(from, written.size() - tail - from));
}

void FrmDocument::setFilePath(const QString &path)
{
    // The caption always names the file whose text the window holds, which File > Save writes to.
    m_filePath = path;
    setCaption(path.isEmpty() ? QStringLiteral("XML Edit") : getFileName(path));
}

bool FrmDocument::hasSelection() const { return m_rtfXMLOutput->textCursor().hasSelection(); }

QString FrmDocument::selectedText() const { return boxText(m_rtfXMLOutput->textCursor()); }

bool FrmDocument::print(QPrinter &printer)
{
    if (!choosePrinter(printer))
        return false;
    return printTo(printer);
}

bool FrmDocument::printTo(QPrinter &printer) const
{
    return printPlainText(printer, hasSelection() ? selectedText() : text());
}

// ---- Toolbar

void FrmDocument::tlbrXmlEdit_ButtonClick(const QString &key)
{
    using Command = void (FrmDocument::*)();
    static const struct {
        const char *key;
        Command command;
    } commands[] = {
        {"cut", &FrmDocument::Cut},         {"copy", &FrmDocument::Copy},
        {"paste", &FrmDocument::Paste},     {"undo", &FrmDocument::Undo},
        {"redo", &FrmDocument::Redo},       {"tag", &FrmDocument::addXmlTag},
        {"comment", &FrmDocument::insertComment}, {"validate", &FrmDocument::validateDocument},
    };
    if (key == QLatin1String("find")) {
        findMyText(inputBox(QStringLiteral("Find String"), QStringLiteral("Find")));
        return;
    }
    for (const auto &c : commands)
        if (key == QLatin1String(c.key)) {
            (this->*c.command)();
            return;
        }
}

void FrmDocument::findMyText(const QString &text)
{
    if (text.isEmpty())
        return;
    int start = 0;
    for (;;) {
        const QTextCursor hit = m_rtfXMLOutput->document()->find(text, start);
        if (hit.isNull())
            return;
        m_rtfXMLOutput->setTextCursor(hit);
        // The hit shows in red while the question is asked, and in the text's own colour afterwards; the
        // colouring is no edit of the text.
        QTextEdit::ExtraSelection red;
        red.cursor = hit;
        red.format.setForeground(QColor(255, 0, 0));
        m_rtfXMLOutput->setExtraSelections({red});
        const Answer next = msgBox(QStringLiteral("Find Next?"), Buttons::YesNo, Icon::None, QStringLiteral("Find"));
        m_rtfXMLOutput->setExtraSelections({});
        if (next != Answer::Yes)
            return;
        start = hit.selectionStart() + 1;
    }
}

void FrmDocument::insertComment()
{
    const QString answer = inputBox(QStringLiteral("Comment:"), QStringLiteral("Insert Comment"));
    if (answer.isEmpty())
        return;
    m_rtfXMLOutput->editAs(UndoKind::LastAction, [&] {
        m_rtfXMLOutput->insertPlainText(QStringLiteral("<!--") + answer + QStringLiteral("-->"));
    });
}

void FrmDocument::addXmlTag()
{
    const QString answer = inputBox(QStringLiteral("Opening Tag Only (<tag>) :"), QStringLiteral("Add XML Tag"));
    if (answer.isEmpty())
        return;
    const XmlTagInsertion tag = xmlTagInsertion(answer);
    if (!tag.error.isEmpty()) {
        msgBox(tag.error);
        return;
    }
    m_rtfXMLOutput->editAs(UndoKind::LastAction, [&] { m_rtfXMLOutput->insertPlainText(tag.text); });
}

void FrmDocument::validateDocument()
{
    FrmProcessing &box = frmProcessing();
    box.showModal();
    if (!box.doneProcessing)
        return;
    box.doneProcessing = false;
    validateXmlText(text());
}

// ---- Text commands

int FrmDocument::UndoType() const { return static_cast<int>(m_rtfXMLOutput->undoKind()); }
int FrmDocument::RedoType() const { return static_cast<int>(m_rtfXMLOutput->redoKind()); }
bool FrmDocument::CanPaste() const { return m_rtfXMLOutput->canPaste(); }
bool FrmDocument::CanCopy() const { return hasSelection(); }
bool FrmDocument::CanUndo() const { return m_rtfXMLOutput->document()->isUndoAvailable(); }
bool FrmDocument::CanRedo() const { return m_rtfXMLOutput->document()->isRedoAvailable(); }
void FrmDocument::Undo() { m_rtfXMLOutput->undo(); }
void FrmDocument::Redo() { m_rtfXMLOutput->redo(); }
void FrmDocument::Cut() { m_rtfXMLOutput->editAs(UndoKind::Cut, [this] { m_rtfXMLOutput->cut(); }); }
void FrmDocument::Copy() { m_rtfXMLOutput->copy(); }
void FrmDocument::Paste() { m_rtfXMLOutput->editAs(UndoKind::Paste, [this] { m_rtfXMLOutput->paste(); }); }

void FrmDocument::Clear()
{
    // Emptied as an edit, so that it can be undone.
    m_rtfXMLOutput->editAs(UndoKind::Delete, [this] {
        QTextCursor all(m_rtfXMLOutput->document());
        all.select(QTextCursor::Document);
        all.removeSelectedText();
    });
}

void FrmDocument::UpdateItems()
{
    const bool canUndo = CanUndo();
    button(QStringLiteral("undo"))->setEnabled(canUndo);
    button(QStringLiteral("undo"))
        ->setText(canUndo ? QStringLiteral("&Undo ") + undoActionName(UndoType()) : QStringLiteral("&Undo"));
    const bool canRedo = CanRedo();
    button(QStringLiteral("redo"))->setEnabled(canRedo);
    button(QStringLiteral("redo"))
        ->setText(canRedo ? QStringLiteral("&Redo ") + undoActionName(RedoType()) : QStringLiteral("&Redo"));
    const bool canCopy = CanCopy();
    button(QStringLiteral("cut"))->setEnabled(canCopy);
    button(QStringLiteral("copy"))->setEnabled(canCopy);
    button(QStringLiteral("paste"))->setEnabled(CanPaste());
}

// ---- Activation, layout and closing

void FrmDocument::Form_Activate()
{
    if (!m_area && frmMainLoaded()) {
        m_area = frmMain().mdiArea();
        connect(frmMain().mdiArea(), &QMdiArea::subWindowActivated, this, &FrmDocument::subWindowActivated);
    }
    m_active = true;
    switchFileMenu(true);
}

void FrmDocument::subWindowActivated(QMdiSubWindow *window)
{
    // No sub-window is active while the program is not the active one: that is no change of child.
    if (!window || window == subWindow() || !m_active)
        return;
    Form_Deactivate();
}

void FrmDocument::Form_Deactivate()
{
    m_active = false;
    switchFileMenu(false);
}

bool FrmDocument::Form_QueryUnload()
{
    m_active = false;
    switchFileMenu(false);
    return true;
}

void FrmDocument::Form_Unload() {}

void FrmDocument::closeEvent(QCloseEvent *event)
{
    if (!Form_QueryUnload()) {
        event->ignore();
        return;
    }
    event->accept();
    Form_Unload();
    // Closing unloads the window; the next use creates it empty. It goes once the close has finished.
    QTimer::singleShot(0, this, [this] { unload(); });
}

void FrmDocument::resizeEvent(QResizeEvent *event)
{
    MdiChild::resizeEvent(event);
    Form_Resize();
}

void FrmDocument::Form_Resize()
{
    // The box lies below the toolbar with a margin of 100 twips left, right and below. A window too small
    // for the margins gets an empty box.
    const int toolbarHeight = m_tlbrXmlEdit->sizeHint().height();
    m_tlbrXmlEdit->setGeometry(0, 0, width(), toolbarHeight);
    const int left = twipsToPixels(100);
    const int top = std::max(twipsToPixels(500), toolbarHeight);
    const int boxWidth = std::max(0, width() - twipsToPixels(200));
    const int boxHeight = std::max(0, height() - top - twipsToPixels(100));
    m_rtfXMLOutput->setGeometry(left, top, boxWidth, boxHeight);
}

FrmDocument &frmDocument() { return WindowInstance<FrmDocument>::get(); }
bool frmDocumentLoaded() { return WindowInstance<FrmDocument>::loaded(); }

bool showXML(const QString &text)
{
    try {
        FrmDocument &doc = frmDocument();
        doc.setFilePath(QString());
        doc.rtfXMLOutput()->clear();
        doc.setText(text);
        return true;
    } catch (...) {
        return false;
    }
}

} // namespace ts

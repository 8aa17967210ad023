#pragma once
// The XML text window: a child window of the main window holding generated or opened XML as plain text,
// with a toolbar to find text, use the clipboard, undo and redo, insert a tag pair or a comment, and
// validate the text. While it is the active child, the main window's Save, Save As, Print and Page Setup
// act on it.

#include "mdichild.h"

#include <QPointer>

class QMdiArea;
class QMdiSubWindow;
class QPlainTextEdit;
class QPrinter;
class QTimer;
class QToolBar;

namespace ts {

class DocumentTextBox;

class FrmDocument : public MdiChild {
    Q_OBJECT
public:
    explicit FrmDocument(QWidget *parent = nullptr);
    ~FrmDocument() override;

    QPlainTextEdit *rtfXMLOutput() const;
    QToolBar *tlbrXmlEdit() const { return m_tlbrXmlEdit; }

    // The text of the box, and what the main window's commands use of it.
    QString text() const;
    void setText(const QString &text);
    // After its text was written to a file as `written`, which differs from it in a stretch near its start
    // (the encoding its declaration names): the box shows the written text, changed only in that stretch, so
    // that the caret, the view and what can be undone stay.
    void showWrittenText(const QString &written);
    // The file the text was opened from or last saved as; empty for a text that has no file yet (an export).
    // The caption follows it: the file's name, or "XML Edit" for a text without a file.
    QString filePath() const { return m_filePath; }
    void setFilePath(const QString &path);
    bool hasSelection() const;
    QString selectedText() const;
    // The print command: the print dialog, then, unless it was cancelled, the selection (or the whole
    // text when nothing is selected) on the printer. True when printed.
    bool print(QPrinter &printer);
    // Prints the selection, or the whole text when nothing is selected, without a dialog.
    bool printTo(QPrinter &printer) const;

    // Searches the text from its start; at each hit a "Find Next?" question, Yes going on one character
    // after it. An empty text is not searched.
    void findMyText(const QString &text);
    int UndoType() const;
    int RedoType() const;
    bool CanPaste() const;
    bool CanCopy() const;
    bool CanUndo() const;
    bool CanRedo() const;
    void Undo();
    void Redo();
    void Cut();
    void Copy();
    void Paste();
    void Clear();
    // Sets the toolbar's undo, redo and clipboard buttons from the state of the box.
    void UpdateItems();

    // A click on the toolbar button of that key.
    void tlbrXmlEdit_ButtonClick(const QString &key);

    void Form_Activate() override;
    void Form_Deactivate();
    bool Form_QueryUnload() override;

    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void Form_Resize();
    void Form_Unload();
    void insertComment();
    void addXmlTag();
    void validateDocument();
    void subWindowActivated(QMdiSubWindow *window);
    QAction *button(const QString &key) const;

    QToolBar *m_tlbrXmlEdit;
    DocumentTextBox *m_rtfXMLOutput;
    QTimer *m_tmrEvent;
    QPointer<QObject> m_area; // the main window's area, whose changes of child deactivate this one
    QString m_filePath;
    bool m_active = false;
};

FrmDocument &frmDocument();
bool frmDocumentLoaded();

// Puts the text into the XML text window captioned "XML Edit" (creating it when needed); true on
// success. It does not show the window.
bool showXML(const QString &text);

} // namespace ts

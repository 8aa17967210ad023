#pragma once
// The XML text window on its own: a program folder, the scripted dialogs, and helpers to press the
// window's toolbar buttons and put text and a selection into its box.

#include "framefixture.h"

#include "frame/frmdocument.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QToolBar>

#include <functional>

namespace ts::test {

// A key pressed and released on the widget, as the keyboard would deliver it.
inline void keyClick(QWidget *widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                     const QString &text = {})
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(widget, &release);
}

// The text typed on the widget, one key at a time.
inline void typeText(QWidget *widget, const QString &text)
{
    for (const QChar ch : text)
        keyClick(widget, ch.unicode() < 128 ? ch.toUpper().unicode() : int(Qt::Key_unknown), Qt::NoModifier,
                 QString(ch));
}

class DocumentTest : public FrameTest {
protected:
    static FrmDocument &doc() { return frmDocument(); }
    static QPlainTextEdit *box() { return doc().rtfXMLOutput(); }

    // Presses the toolbar button of the key, which must be there and enabled.
    static void press(const QString &key)
    {
        QAction *button = find<QAction>(doc().tlbrXmlEdit(), key);
        ASSERT_NE(button, nullptr);
        ASSERT_TRUE(button->isEnabled()) << key.toStdString();
        button->trigger();
    }

    // Puts the text into the box and selects from start to end (the caret at start when they are equal).
    static void setText(const QString &text, int start = 0, int end = -1)
    {
        doc().setText(text);
        select(start, end < 0 ? start : end);
    }
    static void select(int start, int end)
    {
        QTextCursor c(box()->document());
        c.setPosition(start);
        c.setPosition(end, QTextCursor::KeepAnchor);
        box()->setTextCursor(c);
    }

    static QByteArray dataFile(const QString &relative)
    {
        QFile f(testData(QStringLiteral("document/") + relative));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << relative.toStdString();
        return f.readAll();
    }
    static QString dataText(const QString &relative) { return QString::fromUtf8(dataFile(relative)); }

    // The program folder's schema replaced by the tests' small one of the same namespace.
    void useTestSchema() { writeFile(QStringLiteral("imsmd_v1p2p2.xsd"), dataFile(QStringLiteral("schema.xsd"))); }
};

} // namespace ts::test

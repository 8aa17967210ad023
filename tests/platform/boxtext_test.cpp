#include "support/testmain.h"

#include "platform/boxtext.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextBlock>

using namespace ts;

namespace {

// A line of about `length` characters of markup, with no line end in it.
QString longLine(int length)
{
    QString line;
    while (line.size() < length)
        line += QStringLiteral("<keyword><langstring xml:lang=\"en\">w\u00e9rd</langstring></keyword>");
    return line;
}

// A plain-text box that runs the edits as the user makes them, through its key and paste handlers.
class Box : public QPlainTextEdit {
public:
    void press(int key, const QString &text = {})
    {
        const int from = textCursor().selectionStart();
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
        keyPressEvent(&event);
        keepTypedBreaks(this, from, textCursor().position());
    }
};

} // namespace

TEST(BoxText, LongLinesShowInShortBlocksAndTheTextStaysWhole)
{
    const QString line = longLine(kBoxBlockLength * 5 / 2);
    const struct {
        QString text;
        int blocks;
    } rows[] = {
        {QStringLiteral("<a>\r\n  <b/>\r\n</a>"), 3}, // short lines: the box as ever
        {line, 3},
        {QStringLiteral("<lom>\n") + line + QStringLiteral("\n</lom>\n"), 6},
        {QString(kBoxBlockLength * 2, QLatin1Char('x')), 2}, // nowhere to break but at the full length
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.text.left(40).toStdString());
        QPlainTextEdit box;
        setBoxText(&box, r.text);
        EXPECT_EQ(box.document()->blockCount(), r.blocks);
        for (QTextBlock b = box.document()->begin(); b.isValid(); b = b.next())
            EXPECT_LE(b.length(), kBoxBlockLength + 1);
        QString expected = r.text;
        expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        EXPECT_EQ(boxText(&box), expected);
        EXPECT_FALSE(box.document()->isUndoAvailable());
    }
}

TEST(BoxText, LineEndsTheUserMakesArePartOfTheTextAndTheBoxsOwnBreaksAreNot)
{
    const QString line = longLine(kBoxBlockLength * 2);
    Box box;
    setBoxText(&box, line);
    const int secondBlock = box.document()->findBlockByNumber(1).position();

    // Enter in the middle of the second block, and at its very start.
    QTextCursor cursor = box.textCursor();
    cursor.setPosition(secondBlock + 10);
    box.setTextCursor(cursor);
    box.press(Qt::Key_Return, QStringLiteral("\r"));
    cursor.setPosition(secondBlock);
    box.setTextCursor(cursor);
    box.press(Qt::Key_Return, QStringLiteral("\r"));
    // The box's own break before the second block is no character of the text.
    const int atBreak = secondBlock - 1;
    QString expected = line;
    expected.insert(atBreak + 10, QLatin1Char('\n'));
    expected.insert(atBreak, QLatin1Char('\n'));
    EXPECT_EQ(boxText(&box).toStdString(), expected.toStdString());

    // Each Enter is undone whole, with its line end.
    box.undo();
    box.undo();
    EXPECT_EQ(boxText(&box).toStdString(), line.toStdString());

    // A copy spanning the box's own break holds the line as it is.
    cursor.setPosition(secondBlock - 5);
    cursor.setPosition(secondBlock + 5, QTextCursor::KeepAnchor);
    box.setTextCursor(cursor);
    EXPECT_EQ(boxText(box.textCursor()), line.mid(atBreak - 4, 9));
}

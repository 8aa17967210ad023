#include "support/testmain.h"

#include "platform/qt/boxtext.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextBlock>

using namespace ts;

namespace {

// A plain-text box that takes keys as the user presses them.
class Box : public QPlainTextEdit {
public:
    void press(int position, int key, const QString &text)
    {
        QTextCursor cursor = textCursor();
        cursor.setPosition(position);
        setTextCursor(cursor);
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
        keyPressEvent(&event);
        keepTypedBreaks(this, position, textCursor().position());
    }
};

} // namespace

TEST(BoxText, LongLinesShowInShortBlocksWhileTheTextStaysWhole)
{
    QString line;
    while (line.size() < kBoxBlockLength * 2)
        line += QStringLiteral("<keyword><langstring xml:lang=\"en\">w\u00e9rd</langstring></keyword>");
    Box box;
    setBoxText(&box, QStringLiteral("<lom>\r\n") + line + QStringLiteral("\r\n</lom>"));
    EXPECT_EQ(box.document()->blockCount(), 5);
    EXPECT_EQ(boxText(&box), QStringLiteral("<lom>\n") + line + QStringLiteral("\n</lom>"));
    EXPECT_FALSE(box.document()->isUndoAvailable());

    // A line end the user types, in a block or where the box broke the line, is part of the text; a copy
    // over the box's own break holds the line as it is.
    setBoxText(&box, line);
    const int second = box.document()->findBlockByNumber(1).position();
    box.press(second + 10, Qt::Key_Return, QStringLiteral("\r"));
    box.press(second, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(boxText(&box), QString(line).insert(second + 9, u'\n').insert(second - 1, u'\n'));
    box.undo();
    box.undo();
    QTextCursor cursor(box.document());
    cursor.setPosition(second - 5);
    cursor.setPosition(second + 5, QTextCursor::KeepAnchor);
    EXPECT_EQ(boxText(cursor), line.mid(second - 5, 9));
}

// Each line end a box knows ends a line of a text that holds a long line, whichever comes first; the text
// reads back with line feeds.
TEST(BoxText, EveryLineEndOfALongTextEndsALine)
{
    const QString line(kBoxBlockLength + 1, u'x'); // shown in two blocks
    const struct {
        const char *text; // "L" stands for the long line
        int blocks;
        const char *read;
    } rows[] = {
        {"a\nL", 3, "a\nL"},          {"a\rL", 3, "a\nL"},       {"a\r\nL", 3, "a\nL"},
        {"a\u2029L", 3, "a\nL"},      {"L\r\r\nb", 4, "L\n\nb"}, {"L\n\rb\r", 5, "L\n\nb\n"},
        {"\r\nL\n", 4, "\nL\n"},      {"L", 2, "L"},             {"b\u2029\r\nL\r\n\n", 6, "b\n\nL\n\n"},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.text);
        QPlainTextEdit box;
        setBoxText(&box, QString::fromUtf8(r.text).replace(u'L', line));
        EXPECT_EQ(box.document()->blockCount(), r.blocks);
        EXPECT_EQ(boxText(&box), QString::fromUtf8(r.read).replace(u'L', line));
    }
}

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

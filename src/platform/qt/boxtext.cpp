#include "boxtext.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace ts {

namespace {

// On the block format of a block that the box's own break starts.
constexpr int kBoxBreak = QTextFormat::UserProperty + 0x6274;

bool startsAtBoxBreak(const QTextBlock &block) { return block.blockFormat().boolProperty(kBoxBreak); }

// Where a piece of a long line that starts at `from` ends: after the last ">" or blank of its last
// quarter, or at the full length (never inside a surrogate pair).
qsizetype pieceEnd(QStringView line, qsizetype from)
{
    const qsizetype limit = from + kBoxBlockLength;
    if (limit >= line.size())
        return line.size();
    for (qsizetype i = limit - 1; i > limit - kBoxBlockLength / 4; --i)
        if (line.at(i) == u'>' || line.at(i) == u' ')
            return i + 1;
    return line.at(limit - 1).isHighSurrogate() ? limit - 1 : limit;
}

// The lines of the text as a box splits them: at a line feed, a carriage return (with the line feed after
// it, if any) or a paragraph separator.
template <class Visit> void forEachLine(const QString &text, Visit visit)
{
    // Each kind of line end is looked for again only once the lines have passed the one found, so that a
    // text of a few long lines is searched through once for each kind (the search, not a loop over every
    // character, is what a large text takes its time in).
    const auto next = [&text](QChar end, qsizetype from) {
        const qsizetype at = text.indexOf(end, from);
        return at < 0 ? text.size() : at;
    };
    qsizetype lf = next(u'\n', 0), cr = next(u'\r', 0), ps = next(QChar::ParagraphSeparator, 0);
    for (qsizetype start = 0;;) {
        const qsizetype end = std::min({lf, cr, ps});
        visit(QStringView(text).mid(start, end - start));
        if (end == text.size())
            return;
        start = end + (end == cr && end + 1 == lf ? 2 : 1);
        if (lf < start)
            lf = next(u'\n', start);
        if (cr < start)
            cr = next(u'\r', start);
        if (ps < start)
            ps = next(QChar::ParagraphSeparator, start);
    }
}

} // namespace

void setBoxText(QPlainTextEdit *box, const QString &text)
{
    bool longLines = false;
    forEachLine(text, [&longLines](QStringView line) { longLines = longLines || line.size() > kBoxBlockLength; });
    if (!longLines) {
        box->setPlainText(text);
        return;
    }
    box->setPlainText(QString());
    QTextDocument *document = box->document();
    // Built in one edit, so that the box lays out only what it shows; the box's own breaks are no step
    // the user could undo.
    document->setUndoRedoEnabled(false);
    QTextBlockFormat lineStart;
    QTextBlockFormat boxBreak;
    boxBreak.setProperty(kBoxBreak, true);
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    bool first = true;
    forEachLine(text, [&](QStringView line) {
        if (!first)
            cursor.insertBlock(lineStart);
        first = false;
        for (qsizetype from = 0, end = pieceEnd(line, 0);; from = end, end = pieceEnd(line, from)) {
            cursor.insertText(line.mid(from, end - from).toString());
            if (end >= line.size())
                break;
            cursor.insertBlock(boxBreak);
        }
    });
    cursor.endEditBlock();
    document->setUndoRedoEnabled(true);
    box->moveCursor(QTextCursor::Start);
}

QString boxText(const QPlainTextEdit *box)
{
    const QTextDocument *document = box->document();
    QString out;
    out.reserve(document->characterCount());
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (block != document->begin() && !startsAtBoxBreak(block))
            out += u'\n';
        out += block.text();
    }
    return out;
}

QString boxText(const QTextCursor &selection)
{
    const QTextDocument *document = selection.document();
    const int start = selection.selectionStart();
    const int end = selection.selectionEnd();
    QString out;
    for (QTextBlock block = document->findBlock(start); block.isValid() && block.position() <= end;
         block = block.next()) {
        if (block.position() > start && !startsAtBoxBreak(block))
            out += u'\n';
        const int from = std::max(start - block.position(), 0);
        const int to = std::min(end - block.position(), block.length() - 1);
        if (to > from)
            out += block.text().mid(from, to - from);
    }
    return out;
}

void keepTypedBreaks(QPlainTextEdit *box, int from, int to)
{
    if (to <= from)
        return;
    // A new block takes the format of the one it was split from; the break the user made is a line end.
    for (QTextBlock block = box->document()->findBlock(from + 1); block.isValid() && block.position() <= to;
         block = block.next()) {
        if (block.position() > from && startsAtBoxBreak(block)) {
            // Part of the user's edit, undone with it.
            QTextCursor cursor(block);
            cursor.joinPreviousEditBlock();
            QTextBlockFormat format = cursor.blockFormat();
            format.clearProperty(kBoxBreak);
            cursor.setBlockFormat(format);
            cursor.endEditBlock();
        }
    }
}

} // namespace ts

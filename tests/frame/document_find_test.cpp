#include "support/testmain.h"

#include "document_fixture.h"

#include <QTextBlock>

using namespace ts;
using namespace ts::test;

namespace {

struct Stop {
    int start;
    int end;
    bool red; // the hit is shown in red while the question is asked
};

bool hitIsRed(const QPlainTextEdit *box, int start, int end)
{
    for (const QTextEdit::ExtraSelection &s : box->extraSelections())
        if (s.cursor.selectionStart() == start && s.cursor.selectionEnd() == end &&
            s.format.foreground().color() == QColor(255, 0, 0))
            return true;
    return false;
}

} // namespace

class DocumentFind : public DocumentTest {
protected:
    // Records the selection at each "Find Next?" question.
    void recordStops()
    {
        dialogs.setOnCall([this](const DialogCall &call) {
            if (call.kind != DialogCall::Kind::Message)
                return;
            const QTextCursor c = box()->textCursor();
            stops.push_back({c.selectionStart(), c.selectionEnd(), hitIsRed(box(), c.selectionStart(), c.selectionEnd())});
        });
    }
    std::vector<Stop> stops;
};

TEST_F(DocumentFind, StopsAtEveryHitEvenOverlappingOnesAndDoesNotStartOver)
{
    setText(QStringLiteral("aaaa"));
    recordStops();
    dialogs.answerText(QStringLiteral("aa"));
    for (int i = 0; i < 3; ++i)
        dialogs.answer(Answer::Yes);
    press(QStringLiteral("find"));

    ASSERT_EQ(dialogs.calls().size(), 4);
    const DialogCall &input = dialogs.calls().at(0);
    EXPECT_EQ(input.kind, DialogCall::Kind::Input);
    EXPECT_EQ(input.text, QStringLiteral("Find String"));
    EXPECT_EQ(input.title, QStringLiteral("Find"));
    for (int i = 1; i < 4; ++i) {
        const DialogCall &q = dialogs.calls().at(i);
        EXPECT_EQ(q.text, QStringLiteral("Find Next?"));
        EXPECT_EQ(q.title, QStringLiteral("Find"));
        EXPECT_EQ(q.buttons, Buttons::YesNo);
        EXPECT_EQ(q.icon, Icon::None);
    }
    ASSERT_EQ(stops.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(stops[i].start, i);
        EXPECT_EQ(stops[i].end, i + 2);
        EXPECT_TRUE(stops[i].red) << i;
    }
    // After the last hit the search ends: nothing more is asked, the last hit stays selected, no colour.
    EXPECT_EQ(dialogs.pendingAnswers(), 0u);
    EXPECT_EQ(box()->textCursor().selectionStart(), 2);
    EXPECT_TRUE(box()->extraSelections().isEmpty());
}

TEST_F(DocumentFind, NoAtTheFirstHitEndsTheSearch)
{
    setText(QStringLiteral("<title>\n<title>\n"));
    recordStops();
    dialogs.answerText(QStringLiteral("title"));
    dialogs.answer(Answer::No);
    press(QStringLiteral("find"));
    ASSERT_EQ(stops.size(), 1u);
    EXPECT_EQ(stops[0].start, 1);
    EXPECT_EQ(box()->textCursor().selectedText(), QStringLiteral("title"));
    EXPECT_TRUE(box()->extraSelections().isEmpty());
}

TEST_F(DocumentFind, FindsWithoutRegardToCaseAndOnLaterLines)
{
    setText(QStringLiteral("<lom>\n   <General>\n   <general/>\n"));
    recordStops();
    dialogs.answerText(QStringLiteral("GENERAL"));
    dialogs.answer(Answer::Yes);
    dialogs.answer(Answer::Yes);
    press(QStringLiteral("find"));
    ASSERT_EQ(stops.size(), 2u);
    EXPECT_EQ(stops[0].start, 10);
    EXPECT_EQ(stops[1].start, 23);
}

TEST_F(DocumentFind, TextThatDoesNotOccurGivesNoMessage)
{
    setText(QStringLiteral("<lom></lom>"), 2);
    dialogs.answerText(QStringLiteral("general"));
    press(QStringLiteral("find"));
    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_EQ(box()->textCursor().position(), 2);
}

TEST_F(DocumentFind, EmptyOrCancelledSearchReturnsAtOnce)
{
    setText(QStringLiteral("abc"), 1, 2);
    dialogs.answerText(QString());
    press(QStringLiteral("find"));
    dialogs.answerText(std::nullopt);
    press(QStringLiteral("find"));
    doc().findMyText(QString());
    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_EQ(box()->textCursor().selectedText(), QStringLiteral("b"));
}

TEST_F(DocumentFind, FoundTextIsNotColouredAfterwardsAndIsNoEdit)
{
    setText(QStringLiteral("<title>x</title>"));
    dialogs.answerText(QStringLiteral("x"));
    dialogs.answer(Answer::No);
    press(QStringLiteral("find"));
    QTextCursor at(box()->document());
    at.setPosition(8);
    EXPECT_FALSE(at.charFormat().hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_TRUE(box()->extraSelections().isEmpty());
    EXPECT_FALSE(doc().CanUndo());
    EXPECT_EQ(doc().text(), QStringLiteral("<title>x</title>"));
}

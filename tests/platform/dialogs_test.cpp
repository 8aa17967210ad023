#include "support/testmain.h"

#include "platform/dialogs.h"
#include "platform/scripteddialogs.h"

using namespace ts;

TEST(ScriptedDialogs, RecordsMessagesWithProgramTitleWhenNoneGiven)
{
    ScriptedDialogs d;
    setDialogs(&d);
    EXPECT_EQ(msgBox(QStringLiteral("Hello")), Answer::Ok);
    d.answer(Answer::Yes);
    EXPECT_EQ(msgBox(QStringLiteral("Sure?"), Buttons::YesNo, Icon::Question, QStringLiteral("Confirm")), Answer::Yes);
    setDialogs(nullptr);
    ASSERT_EQ(d.calls().size(), 2);
    EXPECT_EQ(d.calls()[0].title, QStringLiteral("Tagsmith"));
    EXPECT_EQ(d.calls()[1].title, QStringLiteral("Confirm"));
    EXPECT_EQ(d.calls()[1].icon, Icon::Question);
    EXPECT_EQ(d.messages(), QStringList({QStringLiteral("Hello"), QStringLiteral("Sure?")}));
}

TEST(ScriptedDialogs, UnansweredQuestionIsReportedAndCancelled)
{
    ScriptedDialogs d;
    int unanswered = 0;
    d.setOnUnanswered([&](const DialogCall &) { ++unanswered; });
    setDialogs(&d);
    EXPECT_EQ(msgBox(QStringLiteral("Q"), Buttons::YesNo), Answer::No);
    EXPECT_EQ(inputBox(QStringLiteral("Name")), QString());
    setDialogs(nullptr);
    EXPECT_EQ(unanswered, 2);
}

TEST(ScriptedDialogs, InputAndFileAnswersInOrder)
{
    ScriptedDialogs d;
    setDialogs(&d);
    d.answerText(QStringLiteral("mine"));
    d.answerText(std::nullopt);
    EXPECT_EQ(inputBox(QStringLiteral("Template Name")), QStringLiteral("mine"));
    FileDialogOptions o;
    o.title = QStringLiteral("Save As");
    EXPECT_FALSE(dialogs().saveFile(o).has_value());
    setDialogs(nullptr);
    EXPECT_EQ(d.calls()[1].kind, DialogCall::Kind::SaveFile);
    EXPECT_EQ(d.calls()[1].title, QStringLiteral("Save As"));
}

TEST(Dialogs, FilterOfTheProgramsBecomesQtFilter)
{
    EXPECT_EQ(toQtFilter(QStringLiteral("XML Files (*.xml)|*.xml")), QStringLiteral("XML Files (*.xml)"));
    EXPECT_EQ(toQtFilter(QStringLiteral("Template Files (*.tsm)|*.tsm|All|*.*")),
              QStringLiteral("Template Files (*.tsm);;All (*.*)"));
    EXPECT_EQ(toQtFilter(QStringLiteral("Images (*.png)")), QStringLiteral("Images (*.png)"));
}

#include "support/testmain.h"

#include "document_fixture.h"

#include <QApplication>
#include <QClipboard>

using namespace ts;
using namespace ts::test;

class DocumentEdit : public DocumentTest {};

namespace {

struct TagCase {
    const char *answer;
    const char *inserted; // nullptr when refused
    const char *message;  // the refusal
};

const char *const kTagError = "There is an error in your XML tag";

const TagCase kTagCases[] = {
    {"<title>", "<title></title>", nullptr},
    {"<langstring xml:lang=\"x-none\">", "<langstring xml:lang=\"x-none\"></langstring>", nullptr},
    {"<imsmd:entry a='1'  b=\"&amp;\">", "<imsmd:entry a='1'  b=\"&amp;\"></imsmd:entry>", nullptr},
    {"<br/>", "<br/>", nullptr},
    {"<br x=\"1\" />", "<br x=\"1\" />", nullptr},
    {"title>", nullptr, kTagError},
    {"<title", nullptr, kTagError},
    {"<", nullptr, kTagError},
    {">", nullptr, kTagError},
    {" <title>", nullptr, kTagError},
    {"<a<b>", nullptr, "There is more than one '<' in your tag"},
    {"<a<b>c>", nullptr, "There is more than one '<' in your tag"},
    {"<a>b>", nullptr, "There is more than one '>' in your tag"},
    // Answers that pass the three checks but would not give well-formed XML.
    {"<>", nullptr, kTagError},
    {"</title>", nullptr, kTagError},
    {"< title>", nullptr, kTagError},
    {"<1st>", nullptr, kTagError},
    {"<a b>", nullptr, kTagError},
    {"<a b=\"1>", nullptr, kTagError},
    {"<a b=\"1\" b=\"2\">", nullptr, kTagError},
    {"<a b=\"&nbsp;\">", nullptr, kTagError},
    {"<!-- note -->", nullptr, kTagError},
    {"<?target data?>", nullptr, kTagError},
};

} // namespace

TEST_F(DocumentEdit, AddXmlTagInsertsTheTagAndItsClosingTagOrRefusesIt)
{
    for (const TagCase &c : kTagCases) {
        SCOPED_TRACE(c.answer);
        dialogs.clear();
        setText(QStringLiteral("AB"), 1);
        dialogs.answerText(QString::fromUtf8(c.answer));
        press(QStringLiteral("tag"));

        ASSERT_GE(dialogs.calls().size(), 1);
        EXPECT_EQ(dialogs.calls().at(0).text, QStringLiteral("Opening Tag Only (<tag>) :"));
        EXPECT_EQ(dialogs.calls().at(0).title, QStringLiteral("Add XML Tag"));
        if (c.inserted) {
            EXPECT_EQ(doc().text(), QStringLiteral("A") + QString::fromUtf8(c.inserted) + QStringLiteral("B"));
            EXPECT_TRUE(dialogs.messages().isEmpty());
        } else {
            EXPECT_EQ(doc().text(), QStringLiteral("AB"));
            ASSERT_EQ(dialogs.messages().size(), 1);
            const DialogCall &box = dialogs.calls().at(1);
            EXPECT_EQ(box.text, QString::fromUtf8(c.message));
            EXPECT_EQ(box.title, QStringLiteral("Tagsmith"));
            EXPECT_EQ(box.buttons, Buttons::Ok);
        }
    }
}

TEST_F(DocumentEdit, AddXmlTagReplacesTheSelectionAndCancelChangesNothing)
{
    setText(QStringLiteral("<a>old</a>"), 3, 6);
    dialogs.answerText(QStringLiteral("<b>"));
    press(QStringLiteral("tag"));
    EXPECT_EQ(doc().text(), QStringLiteral("<a><b></b></a>"));

    for (const std::optional<QString> &answer : {std::optional<QString>(), std::optional<QString>(QString())}) {
        setText(QStringLiteral("<a>old</a>"), 3, 6);
        dialogs.answerText(answer);
        press(QStringLiteral("tag"));
        EXPECT_EQ(doc().text(), QStringLiteral("<a>old</a>"));
        EXPECT_EQ(box()->textCursor().selectedText(), QStringLiteral("old"));
    }
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(DocumentEdit, InsertCommentAtTheCaretOrOverTheSelection)
{
    setText(QStringLiteral("<a></a>"), 3);
    dialogs.answerText(QStringLiteral(" first "));
    press(QStringLiteral("comment"));
    EXPECT_EQ(doc().text(), QStringLiteral("<a><!-- first --></a>"));
    EXPECT_EQ(dialogs.calls().at(0).text, QStringLiteral("Comment:"));
    EXPECT_EQ(dialogs.calls().at(0).title, QStringLiteral("Insert Comment"));

    setText(QStringLiteral("<a>old</a>"), 3, 6);
    dialogs.answerText(QStringLiteral("new & <odd>"));
    press(QStringLiteral("comment"));
    EXPECT_EQ(doc().text(), QStringLiteral("<a><!--new & <odd>--></a>"));

    for (const std::optional<QString> &answer : {std::optional<QString>(), std::optional<QString>(QString())}) {
        setText(QStringLiteral("<a>old</a>"), 3, 6);
        dialogs.answerText(answer);
        press(QStringLiteral("comment"));
        EXPECT_EQ(doc().text(), QStringLiteral("<a>old</a>"));
    }
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(DocumentEdit, UndoAndRedoAreMultiLevelAndNameTheirKind)
{
    doc().UpdateItems();
    QAction *undo = find<QAction>(doc().tlbrXmlEdit(), QStringLiteral("undo"));
    QAction *redo = find<QAction>(doc().tlbrXmlEdit(), QStringLiteral("redo"));
    ASSERT_TRUE(undo && redo);
    EXPECT_EQ(undo->text(), QStringLiteral("&Undo"));
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(redo->text(), QStringLiteral("&Redo"));

    box()->setFocus();
    typeText(box(), QStringLiteral("<lom>"));
    EXPECT_EQ(doc().UndoType(), 1);
    doc().UpdateItems();
    EXPECT_EQ(undo->text(), QStringLiteral("&Undo Typing"));
    EXPECT_TRUE(undo->isEnabled());

    keyClick(box(), Qt::Key_Backspace);
    EXPECT_EQ(doc().text(), QStringLiteral("<lom"));
    doc().UpdateItems();
    EXPECT_EQ(undo->text(), QStringLiteral("&Undo Delete"));

    dialogs.answerText(QStringLiteral("<x>"));
    select(0, 0);
    press(QStringLiteral("tag"));
    EXPECT_EQ(doc().text(), QStringLiteral("<x></x><lom"));
    doc().UpdateItems();
    EXPECT_EQ(undo->text(), QStringLiteral("&Undo Last Action"));

    // Each undo takes one step back, and redo does them again, in order.
    press(QStringLiteral("undo"));
    EXPECT_EQ(doc().text(), QStringLiteral("<lom"));
    doc().UpdateItems();
    EXPECT_EQ(undo->text(), QStringLiteral("&Undo Delete"));
    EXPECT_EQ(redo->text(), QStringLiteral("&Redo Last Action"));
    EXPECT_TRUE(redo->isEnabled());
    press(QStringLiteral("undo"));
    EXPECT_EQ(doc().text(), QStringLiteral("<lom>"));
    press(QStringLiteral("undo"));
    EXPECT_EQ(doc().text(), QString());
    EXPECT_FALSE(doc().CanUndo());
    EXPECT_EQ(doc().RedoType(), 1);
    doc().UpdateItems();
    EXPECT_EQ(undo->text(), QStringLiteral("&Undo"));
    EXPECT_EQ(redo->text(), QStringLiteral("&Redo Typing"));

    press(QStringLiteral("redo"));
    press(QStringLiteral("redo"));
    EXPECT_EQ(doc().text(), QStringLiteral("<lom"));
    // A new edit drops what could have been redone.
    typeText(box(), QStringLiteral("/>"));
    EXPECT_FALSE(doc().CanRedo());
    doc().UpdateItems();
    EXPECT_EQ(redo->text(), QStringLiteral("&Redo"));
    EXPECT_FALSE(redo->isEnabled());
}

TEST_F(DocumentEdit, CutCopyAndPasteGoThroughTheClipboard)
{
    QApplication::clipboard()->clear();
    setText(QStringLiteral("<a>one</a>"), 3, 6);
    press(QStringLiteral("copy"));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("one"));
    press(QStringLiteral("cut"));
    EXPECT_EQ(doc().text(), QStringLiteral("<a></a>"));
    EXPECT_EQ(doc().UndoType(), 4);
    select(7, 7);
    press(QStringLiteral("paste"));
    press(QStringLiteral("paste"));
    EXPECT_EQ(doc().text(), QStringLiteral("<a></a>oneone"));
    EXPECT_EQ(doc().UndoType(), 5);
    press(QStringLiteral("undo"));
    EXPECT_EQ(doc().text(), QStringLiteral("<a></a>one"));

    // Select all with the keyboard, then cut: the box is empty and the clipboard holds everything.
    box()->setFocus();
    keyClick(box(), Qt::Key_A, Qt::ControlModifier);
    press(QStringLiteral("cut"));
    EXPECT_EQ(doc().text(), QString());
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("<a></a>one"));
}

TEST_F(DocumentEdit, UpdateItemsFollowsTheSelectionAndTheClipboard)
{
    QApplication::clipboard()->clear();
    setText(QStringLiteral("abc"));
    doc().UpdateItems();
    EXPECT_FALSE(find<QAction>(doc().tlbrXmlEdit(), QStringLiteral("cut"))->isEnabled());
    EXPECT_FALSE(find<QAction>(doc().tlbrXmlEdit(), QStringLiteral("copy"))->isEnabled());
    EXPECT_FALSE(find<QAction>(doc().tlbrXmlEdit(), QStringLiteral("paste"))->isEnabled());
    select(0, 1);
    QApplication::clipboard()->setText(QStringLiteral("x"));
    doc().UpdateItems();
    EXPECT_TRUE(find<QAction>(doc().tlbrXmlEdit(), QStringLiteral("cut"))->isEnabled());
    EXPECT_TRUE(find<QAction>(doc().tlbrXmlEdit(), QStringLiteral("copy"))->isEnabled());
    EXPECT_TRUE(find<QAction>(doc().tlbrXmlEdit(), QStringLiteral("paste"))->isEnabled());
}

TEST_F(DocumentEdit, ClearEmptiesTheTextAsAnEditThatCanBeUndone)
{
    setText(QStringLiteral("<lom/>"));
    doc().Clear();
    EXPECT_EQ(doc().text(), QString());
    doc().Undo();
    EXPECT_EQ(doc().text(), QStringLiteral("<lom/>"));
}

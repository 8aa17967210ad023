#include "support/testmain.h"

#include "document_fixture.h"

#include "platform/qt/printer.h"

#include <QPrinter>
#include <QRegularExpression>

using namespace ts;
using namespace ts::test;

namespace {

// The number of pages of a PDF file as its page tree states it.
int pageCount(const QByteArray &pdf)
{
    static const QRegularExpression count(QStringLiteral("/Type\\s*/Pages\\b[^>]*?/Count\\s+(\\d+)"));
    const QRegularExpressionMatch m = count.match(QString::fromLatin1(pdf));
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

QString longText()
{
    QString text = QStringLiteral("<lom>\n");
    for (int i = 0; i < 300; ++i)
        text += QStringLiteral("   <keyword><langstring xml:lang=\"x-none\">word %1</langstring></keyword>\n").arg(i);
    return text + QStringLiteral("</lom>\n");
}

} // namespace

class DocumentPrint : public DocumentTest {
protected:
    void SetUp() override
    {
        DocumentTest::SetUp();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path(QStringLiteral("out.pdf")));
    }
    QPrinter printer{QPrinter::HighResolution};
};

TEST_F(DocumentPrint, PrintsTheWholeTextWhenNothingIsSelected)
{
    setText(longText());
    dialogs.answerPrint(true);
    EXPECT_TRUE(doc().print(printer));
    ASSERT_EQ(dialogs.calls().size(), 1);
    EXPECT_EQ(dialogs.calls().at(0).kind, DialogCall::Kind::Print);
    const QByteArray pdf = readFile(QStringLiteral("out.pdf"));
    ASSERT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_GE(pageCount(pdf), 3);
}

TEST_F(DocumentPrint, PrintsOnlyTheSelection)
{
    setText(longText(), 6, 40);
    dialogs.answerPrint(true);
    EXPECT_TRUE(doc().print(printer));
    EXPECT_EQ(pageCount(readFile(QStringLiteral("out.pdf"))), 1);
}

TEST_F(DocumentPrint, CancelPrintsNothing)
{
    setText(longText());
    dialogs.answerPrint(false);
    EXPECT_FALSE(doc().print(printer));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("out.pdf"))));
}

TEST_F(DocumentPrint, AnEmptyTextPrintsOneBlankPage)
{
    EXPECT_TRUE(doc().printTo(printer));
    EXPECT_EQ(pageCount(readFile(QStringLiteral("out.pdf"))), 1);
    EXPECT_TRUE(dialogs.calls().isEmpty());
}

TEST_F(DocumentPrint, APrinterThatCannotStartIsReportedAsFailed)
{
    printer.setOutputFileName(path(QStringLiteral("no/such/folder/out.pdf")));
    EXPECT_FALSE(printPlainText(printer, QStringLiteral("<lom/>")));
    EXPECT_EQ(dialogs.calls().value(0).title + u'|' + dialogs.calls().value(0).text,
              QStringLiteral("File Save Interrupted|Your file may not have been saved.\r%1: No such file or directory")
                  .arg(path(QStringLiteral("no/such/folder/out.pdf"))));
}

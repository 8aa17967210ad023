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

// Two prints into files in a row: each goes to the file chosen for it (as the print dialog sets it), and the
// printer is left at that file, not at the temporary one it printed into.
TEST_F(DocumentPrint, EachPrintIntoAFileGoesToTheFileChosenForIt)
{
    for (const char *name : {"first.pdf", "second.pdf"}) {
        printer.setOutputFileName(path(QLatin1String(name)));
        EXPECT_TRUE(printPlainText(printer, QStringLiteral("<lom/>")));
        EXPECT_EQ(printer.outputFileName(), path(QLatin1String(name)));
        EXPECT_TRUE(readFile(QLatin1String(name)).startsWith("%PDF")) << name;
    }
    EXPECT_TRUE(dialogs.calls().isEmpty());
}

namespace {
// A printer that fails part way: after it has begun its file (it cannot add a page), or before it begins one.
class FailingPrinter : public QPrinter {
public:
    explicit FailingPrinter(bool begins) : QPrinter(QPrinter::HighResolution), m_begins(begins) {}
    bool newPage() override { return false; }
    QPaintEngine *paintEngine() const override { return m_begins ? QPrinter::paintEngine() : nullptr; }

private:
    bool m_begins;
};
} // namespace

// A print that fails leaves the user's old file as it was, with the same reason whether or not the printer had
// begun a file.
TEST_F(DocumentPrint, AFailedPrintKeepsTheOldFileAndSaysThePrinterCouldNotWriteIt)
{
    for (const bool begins : {true, false}) {
        dialogs.clear();
        writeFile(QStringLiteral("out.pdf"), "the old print");
        FailingPrinter failing(begins);
        failing.setOutputFormat(QPrinter::PdfFormat);
        failing.setOutputFileName(path(QStringLiteral("out.pdf")));
        EXPECT_FALSE(printPlainText(failing, longText()));
        EXPECT_EQ(readFile(QStringLiteral("out.pdf")), QByteArray("the old print"));
        EXPECT_EQ(dialogs.calls().value(0).title + u'|' + dialogs.calls().value(0).text,
                  QStringLiteral("File Save Interrupted|Your file may not have been saved.\r%1: The printer could not "
                                 "write it.")
                      .arg(path(QStringLiteral("out.pdf"))))
            << begins;
    }
}

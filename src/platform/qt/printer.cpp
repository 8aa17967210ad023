#include "printer.h"
#include "platform/dialogs.h"

#include <QAbstractTextDocumentLayout>
#include <QFontDatabase>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>
#include <QTextOption>

namespace ts {

QPrinter &programPrinter()
{
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}

bool choosePrinter(QPrinter &printer) { return dialogs().print(printer); }

bool pageSetup(QPrinter &printer) { return dialogs().pageSetup(printer); }

bool printPlainText(QPrinter &printer, const QString &text)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;

    QTextDocument document;
    document.documentLayout()->setPaintDevice(&printer);
    document.setDefaultFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    QTextOption option = document.defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document.setDefaultTextOption(option);
    document.setPlainText(text);

    // The painter's origin is the top left corner of the printable area; the layout breaks the text into
    // pages of that area's size, and each page is drawn in turn.
    const QRectF area = printer.pageLayout().paintRectPixels(printer.resolution());
    document.setPageSize(area.size());
    const int pages = document.pageCount();
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !printer.newPage()) {
            painter.end();
            return false;
        }
        const QRectF clip(0, page * area.height(), area.width(), area.height());
        painter.save();
        painter.translate(0, -clip.top());
        document.drawContents(&painter, clip);
        painter.restore();
    }
    return painter.end();
}

} // namespace ts

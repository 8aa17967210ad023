#include "printer.h"
#include "platform/dialogs.h"
#include "platform/textfile.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextOption>

#include <optional>

namespace ts {

QPrinter &programPrinter()
{
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}

bool choosePrinter(QPrinter &printer) { return dialogs().print(printer); }

bool pageSetup(QPrinter &printer) { return dialogs().pageSetup(printer); }

namespace {

bool paintText(QPrinter &printer, const QString &text)
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

// The bytes the printer writes into a file of its own choosing: a temporary one, removed when done.
std::optional<QByteArray> printedBytes(QPrinter &printer, const QString &text, QString &reason)
{
    const QTemporaryDir scratch;
    if (!scratch.isValid()) {
        reason = scratch.errorString();
        return std::nullopt;
    }
    // The same suffix, which tells the printer the format to write.
    const QString target = printer.outputFileName(), suffix = QFileInfo(target).suffix();
    printer.setOutputFileName(scratch.filePath(suffix.isEmpty() ? QStringLiteral("print") : "print." + suffix));
    const bool printed = paintText(printer, text);
    QFile file(printer.outputFileName());
    printer.setOutputFileName(target);
    if (!printed) {
        reason = QStringLiteral("The printer could not write it.");
        return std::nullopt;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        reason = file.errorString();
        return std::nullopt;
    }
    return file.readAll();
}

} // namespace

bool printPlainText(QPrinter &printer, const QString &text)
{
    if (printer.outputFileName().isEmpty())
        return paintText(printer, text);
    // Into a file: the old one stays until the whole new one is in its place.
    const QString target = printer.outputFileName();
    QString reason;
    const std::optional<QByteArray> bytes = printedBytes(printer, text, reason);
    if (bytes && writeFileBytes(target, *bytes, &reason))
        return true;
    msgBox(QStringLiteral("Your file may not have been saved.\r") + QDir::toNativeSeparators(target) +
               QStringLiteral(": ") + reason,
           Buttons::Ok, Icon::Exclamation, QStringLiteral("File Save Interrupted"));
    return false;
}

} // namespace ts

#pragma once
// The program's printer: one QPrinter kept for the run, so that the choices made in the page setup and
// print dialogs stay with it, and the printing of plain text on it. The dialogs go through dialogs().

#include <QString>

class QPrinter;

namespace ts {

// The printer the program prints on, created on first use.
QPrinter &programPrinter();

// The print dialog for the printer: false when the user cancelled.
bool choosePrinter(QPrinter &printer);
// The page setup dialog for the printer: false when the user cancelled.
bool pageSetup(QPrinter &printer);

// Prints the text as it stands (a fixed-pitch font, lines broken at the page width, as many pages as it
// takes). False when the printer could not be started. A printer that prints into a file prints into a
// temporary one, which replaces the file through the checked write; a failure leaves the old file as it was
// and is said in a message naming the file and the reason.
bool printPlainText(QPrinter &printer, const QString &text);

} // namespace ts

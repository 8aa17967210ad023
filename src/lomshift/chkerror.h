#pragma once
// The converter's one reporter of run-time errors: a box that names the error in words and the procedure in
// which it happened.

#include <QString>
#include <exception>

namespace ts::lomshift {

// The words for an error number, each ending in one blank; "Unknown Error " for a number the table lacks.
QString errorWords(int number);

// The box's text ("Overflow in doConversion", the longer text of 75) and title ("Error6").
QString chkErrorText(int number, const QString &procedure);

// Shows the box (OK, no icon) for the error number and the failing procedure; nothing for 0.
void chkError(int number, const QString &procedure);
// The same for a failure caught as an exception: its number when it has one, 7 when memory ran out, else
// 51 (internal error).
void chkError(const std::exception &e, const QString &procedure);

} // namespace ts::lomshift

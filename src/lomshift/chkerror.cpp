#include "chkerror.h"

#include "platform/dialogs.h"
#include "shared/apperror.h"

#include <new>

namespace ts::lomshift {

namespace {

struct ErrorWords {
    int number;
    const char *words;
};

// The run-time errors of the program's runtime and of a script engine, in words, exactly as shown.
const ErrorWords kErrors[] = {
    {5, "Invalid procedure call or argument "},
    {6, "Overflow "},
    {7, "Out of memory "},
    {9, "Subscript out of range "},
    {10, "Array fixed or temporarily locked "},
    {11, "Division by zero "},
    {13, "Type mismatch "},
    {14, "Out of string space "},
    {28, "Out of stack space "},
    {35, "Sub or Function not defined "},
    {48, "Error in loading DLL "},
    {51, "Internal Error "},
    {53, "File Not found "},
    {55, "Unknown error "},
    {57, "Device I/O error "},
    {58, "File already exists "},
    {61, "Disk full "},
    {62, "Input Past End Of File "},
    {67, "Too many files "},
    {70, "Permission denied "},
    {75, "Path/File access error "},
    {76, "Path Not found "},
    {91, "Object variable or With block variable not set "},
    {92, "For loop not initialized "},
    {94, "Invalid use of Null "},
    {322, "Can 't create necessary temporary file "},
    {424, "Object required "},
    {429, "ActiveX component can't create object "},
    {430, "Class doesn 't support Automation "},
    {432, "File name or class name not found during Automation operation "},
    {438, "Object doesn 't support this property or method "},
    {440, "Automation Error "},
    {445, "Object doesn 't support this action "},
    {446, "Object doesn 't support named arguments "},
    {447, "Object doesn 't support current locale setting "},
    {448, "Named Not Argument "},
    {449, "Argument not optional "},
    {450, "Wrong number of arguments or invalid property assignment "},
    {451, "Object not a collection "},
    {453, "Specified DLL function not found "},
    {455, "Code resource lock error "},
    {457, "This key already associated with an element of this collection "},
    {458, "Variable uses an Automation type not supported in VBScript "},
    {500, "Variable is undefined "},
    {501, "Illegal assignment "},
    {502, "Object not safe for scripting "},
    {503, "Object not safe for initializing "},
    {1001, "Out of memory "},
    {1002, "Syntax Error "},
    {1003, "Expected ':' "},
    {1004, "Expected ';' "},
    {1005, "Expected '(' "},
    {1006, "Expected ')' "},
    {1007, "Expected ']' "},
    {1008, "Expected '{' "},
    {1009, "Expected '}' "},
    {1010, "Expected Identifier "},
    {1011, "Expected '=' "},
    {1012, "Expected 'If' "},
    {1013, "Expected 'To' "},
    {1014, "Expected 'End' "},
    {1015, "Expected 'Function' "},
    {1016, "Expected 'Sub' "},
    {1017, "Expected 'Then' "},
    {1018, "Expected 'Wend' "},
    {1019, "Expected 'Loop' "},
    {1020, "Expected 'Next' "},
    {1021, "Expected 'Case' "},
    {1022, "Expected 'Select' "},
    {1023, "Expected expression "},
    {1024, "Expected statement "},
    {1025, "Expected end of statement "},
    {1026, "Expected integer constant "},
    {1027, "Expected 'While' or 'Until' "},
    {1028, "Expected 'While', 'Until', or end of statement "},
    {1029, "Too many locals or arguments "},
    {1030, "Identifier too long "},
    {1031, "Invalid Number "},
    {1032, "Invalid Character "},
    {1033, "Unterminated string constant "},
    {1034, "Unterminated comment "},
    {1035, "Nested comment "},
    {1037, "Invalid use of 'Me' keyword "},
    {1038, "'Loop' without 'Do' "},
    {1039, "Invalid 'Exit' statement "},
    {1040, "Invalid 'For' loop control variable "},
    {1041, "Name redefined "},
    {1042, " Must be first statement on the line "},
    {1043, "Can 't assign to non-ByVal argument "},
    {1044, "Can 't use parens when calling a Sub "},
    {1045, "Expected literal constant "},
    {1046, "Expected 'In' "},
    {3705, "Record already open "},
    {32766, "True "},
    {32767, "False "},
    {32811, "Element Not found "},
};

// What error 75 adds: why an installed file may be out of reach.
const char *const kAccessReasons[] = {
    "Try reinstalling the program.",
    "Reasons:",
    "File renamed",
    "File deleted / moved form install directory",
    "File not installed",
    "File Read Only",
};

} // namespace

QString errorWords(int number)
{
    for (const ErrorWords &e : kErrors)
        if (e.number == number)
            return QString::fromLatin1(e.words);
    return QStringLiteral("Unknown Error ");
}

QString chkErrorText(int number, const QString &procedure)
{
    QString text = errorWords(number) + QStringLiteral("in ") + procedure;
    if (number == err::PathFileAccess)
        for (const char *line : kAccessReasons)
            text += QLatin1Char('\r') + QString::fromLatin1(line);
    return text;
}

void chkError(int number, const QString &procedure)
{
    if (number == 0)
        return;
    msgBox(chkErrorText(number, procedure), Buttons::Ok, Icon::None, QStringLiteral("Error%1").arg(number));
}

void chkError(const std::exception &e, const QString &procedure)
{
    if (const auto *app = dynamic_cast<const AppError *>(&e))
        chkError(app->number, procedure);
    else if (dynamic_cast<const std::bad_alloc *>(&e))
        chkError(err::OutOfMemory, procedure);
    else
        chkError(51, procedure);
}

} // namespace ts::lomshift

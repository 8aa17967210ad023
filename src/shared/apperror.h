#pragma once
// A run-time failure as the programs report it: a number the handlers branch on and a description.

#include <QString>
#include <exception>

namespace ts {

struct AppError : std::exception {
    AppError(int number, QString description) : number(number), description(std::move(description)) {}
    const char *what() const noexcept override { return "AppError"; }
    int number;
    QString description;
};

// The numbers the programs branch on.
namespace err {
inline constexpr int OutOfMemory = 7;
inline constexpr int SubscriptOutOfRange = 9;
inline constexpr int TypeMismatch = 13;
inline constexpr int FileNotFound = 53;
inline constexpr int BadFileName = 52;
inline constexpr int PermissionDenied = 70;
inline constexpr int DeviceUnavailable = 68;
inline constexpr int PathFileAccess = 75;
inline constexpr int PathNotFound = 76;
inline constexpr int ObjectNotSet = 91;
inline constexpr int NotSupported = 438;
inline constexpr int DialogCancelled = 32755;
} // namespace err

// "Error n (description) in procedure proc of owner", owner being "Form frmMain" or "Module Module1".
QString errorText(const AppError &e, const QString &procedure, const QString &owner);
// The same for a failure of the standard library or Qt that has no number of its own.
QString errorText(const std::exception &e, const QString &procedure, const QString &owner);

// The box shown for error 91 by the procedures that single it out.
QString error91Text();
void showError91();

// The box shown when the system runs out of memory (error 7).
void showLowMemory();

// Shows the common error text (error 91 as its own box where special91 is true).
void reportError(const std::exception &e, const QString &procedure, const QString &owner, bool special91 = false);

} // namespace ts

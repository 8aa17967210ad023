#include "apperror.h"

#include "platform/dialogs.h"

namespace ts {

QString errorText(const AppError &e, const QString &procedure, const QString &owner)
{
    return QStringLiteral("Error %1 (%2) in procedure %3 of %4").arg(e.number).arg(e.description, procedure, owner);
}

QString errorText(const std::exception &e, const QString &procedure, const QString &owner)
{
    if (const auto *app = dynamic_cast<const AppError *>(&e))
        return errorText(*app, procedure, owner);
    return errorText(AppError(51, QString::fromLocal8Bit(e.what())), procedure, owner);
}

QString error91Text()
{
    return QStringLiteral("An unknown error has occured.\rSave your progress and restart program.\rNo data will be lost.");
}

void showError91() { msgBox(error91Text(), Buttons::Ok, Icon::Critical, QStringLiteral("Error 91")); }

void showLowMemory()
{
    msgBox(QStringLiteral("Low System Memory. Try shutting down applications."), Buttons::Ok, Icon::Critical,
           QStringLiteral("Low Memory"));
}

void reportError(const std::exception &e, const QString &procedure, const QString &owner, bool special91)
{
    const auto *app = dynamic_cast<const AppError *>(&e);
    if (special91 && app && app->number == err::ObjectNotSet) {
        showError91();
        return;
    }
    msgBox(errorText(e, procedure, owner));
}

} // namespace ts

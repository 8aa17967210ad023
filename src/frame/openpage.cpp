#include "openpage.h"

#include "platform/dialogs.h"
#include "platform/shell.h"

#include <QDir>
#include <QUrl>

namespace ts {

bool openPage(const QString &pathOrAddress)
{
    const Shell::Result result = shell().open(pathOrAddress);
    if (result == Shell::Result::Ok)
        return true;
    const bool local = QDir::isAbsolutePath(pathOrAddress) || QUrl(pathOrAddress).isLocalFile();
    const QString page = local ? QDir::toNativeSeparators(pathOrAddress) : pathOrAddress;
    const QString reason = result == Shell::Result::FileNotFound
                               ? QStringLiteral("The file does not exist.")
                               : QStringLiteral("No web browser could be started to show it.");
    msgBox(QStringLiteral("Unable to open %1\r%2").arg(page, reason), Buttons::Ok, Icon::Exclamation,
           QStringLiteral("Notice"));
    return false;
}

} // namespace ts

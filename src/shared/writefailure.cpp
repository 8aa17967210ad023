#include "writefailure.h"

#include "platform/programfolder.h"

#include <QDir>

namespace ts {

Notice writeFailureNotice(const QString &path, const QString &reason)
{
    return {QStringLiteral("Unable to save %1\r%2").arg(QDir::toNativeSeparators(path), reason),
            QStringLiteral("File Error"), Icon::Exclamation};
}

void reportWriteFailure(const QString &path, const QString &reason)
{
    showNotices({writeFailureNotice(path, reason)});
}

Notice fragmentFailureNotice(const QString &folderName, const QString &path, const QString &reason)
{
    return {QStringLiteral("The classifications of this record could not be stored: the program folder's %1 "
                           "folder (%2) could not be written.\r%3: %4")
                .arg(folderName, QDir::toNativeSeparators(programPath(folderName)),
                     QDir::toNativeSeparators(path), reason),
            QStringLiteral("File Error"), Icon::Exclamation};
}

} // namespace ts

#include "common.h"

#include "shared/apperror.h"

#include <QDir>
#include <QFileInfo>

namespace ts::lomshift {

Common &common()
{
    static Common settings;
    return settings;
}

void initVars()
{
    Common &c = common();
    c.conversionType.clear();
    c.xslPath.clear();
    c.saveOriginal = false;
    c.saveNew = false;
    c.saveAsZip = false;
}

QString stylesheetFor(const QString &conversionType)
{
    if (conversionType == QLatin1String("Metadata"))
        return QStringLiteral("xsl/metadataTransform.xsl");
    if (conversionType == QLatin1String("Manifest"))
        return QStringLiteral("xsl/manifestTransform.xsl");
    return {};
}

bool folderExists(const QString &path) { return !path.isEmpty() && QFileInfo(path).isDir(); }

void createFolder(const QString &path)
{
    const QFileInfo info(QDir::cleanPath(path));
    if (!QFileInfo(info.absolutePath()).isDir())
        throw AppError(err::PathNotFound, QStringLiteral("Path not found"));
    if (info.exists())
        throw AppError(err::PathFileAccess, QStringLiteral("Path/File access error"));
    if (!QDir().mkdir(info.absoluteFilePath()))
        throw AppError(err::PermissionDenied, QStringLiteral("Permission denied"));
}

} // namespace ts::lomshift

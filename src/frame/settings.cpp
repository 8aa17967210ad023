#include "settings.h"

#include "platform/dialogs.h"
#include "platform/programfolder.h"
#include "platform/textfile.h"
#include "shared/apperror.h"
#include "shared/writefailure.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace ts {

namespace {

QString settingsPath() { return programPath(QStringLiteral("settings.dat")); }

} // namespace

bool isReadOnlyOrHidden(const QString &path)
{
    const QFileInfo info(path);
    // The owner's write permission, not access(): a read-only file stays read-only for an administrator.
    return info.exists() && (info.isHidden() || !(info.permissions() & QFileDevice::WriteOwner));
}

void showReadOnlyFileError(const QString &path)
{
    msgBox(path + QStringLiteral(" is marked as Hidden or Read-Only.\rThis file can not be opened\r"
                                 "Please remove these attributes from the file and try again."),
           Buttons::Ok, Icon::Exclamation, QStringLiteral("File Error"));
}

QString readSetting(const QString &key)
{
    QString text;
    // A settings file that is missing or cannot be read holds no setting: every key reads as off.
    if (!readTextFile(settingsPath(), text))
        return {};
    static const QRegularExpression fieldEnd(QStringLiteral("[,\\r\\n]"));
    QString answer;
    // Fields end at a comma or a line end; an empty field ends the settings.
    qsizetype pos = 0;
    while (pos < text.size()) {
        qsizetype end = text.indexOf(fieldEnd, pos);
        if (end < 0)
            end = text.size();
        const QString field = text.mid(pos, end - pos).trimmed();
        if (field.isEmpty())
            break;
        if (field.contains(key)) {
            const qsizetype dot = field.indexOf(QLatin1Char('.'));
            if (dot < 0)
                throw AppError(err::SubscriptOutOfRange, QStringLiteral("Subscript out of range"));
            const qsizetype next = field.indexOf(QLatin1Char('.'), dot + 1);
            answer = field.mid(dot + 1, next < 0 ? -1 : next - dot - 1);
        }
        pos = end;
        // A carriage return and line feed end one field.
        if (pos < text.size() && text.at(pos) == QLatin1Char('\r') && pos + 1 < text.size() &&
            text.at(pos + 1) == QLatin1Char('\n'))
            ++pos;
        ++pos;
    }
    return answer;
}

QString tsmSaveSetings(const QString &key, int value)
{
    const QString path = settingsPath();
    try {
        QString text;
        if (!readTextFile(path, text))
            throw AppError(err::FileNotFound, QStringLiteral("File not found"));
        if (text.isEmpty())
            return {};
        const QString wanted = key + QLatin1Char('.') + QString::number(value);
        if (text.contains(wanted))
            return {};
        const int old = value == 0 ? 1 : 0;
        text.replace(key + QLatin1Char('.') + QString::number(old), wanted);
        if (isReadOnlyOrHidden(path)) {
            showReadOnlyFileError(path);
            return QStringLiteral("error");
        }
        QString error;
        if (!writeTextFile(path, text + QStringLiteral("\r\n"), &error)) {
            reportWriteFailure(path, error); // the old settings stay as they were
            return QStringLiteral("error");
        }
    } catch (const std::exception &e) {
        reportError(e, QStringLiteral("tsmSaveSetings"), QStringLiteral("Module Module1"));
    }
    return {};
}

} // namespace ts

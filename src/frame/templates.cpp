#include "templates.h"
#include "frmmain.h"
#include "settings.h"
#include "editors.h"

#include "platform/dialogs.h"
#include "shared/apperror.h"
#include "shared/writefailure.h"

#include "platform/programfolder.h"
#include "platform/textfile.h"

#include <QLabel>
#include <QRegularExpression>

namespace ts {

namespace {
QString cdtPath() { return programPath(QStringLiteral("templates/cdt.txt")); }
} // namespace

QString getDefaultTemplate()
{
    QString text;
    QString field;
    if (readTextFile(cdtPath(), text)) {
        static const QRegularExpression fieldEnd(QStringLiteral("[,\\r\\n]"));
        const qsizetype end = text.indexOf(fieldEnd);
        field = (end < 0 ? text : text.left(end)).trimmed();
    }
    return field.isEmpty() ? QStringLiteral("default.tsm") : field;
}

QString setDefaultTemplate(QString &fileName)
{
    if (fileName.isEmpty())
        fileName = QStringLiteral("default.tsm");
    const QString path = cdtPath();
    if (isReadOnlyOrHidden(path)) {
        showReadOnlyFileError(path);
        return {};
    }
    QString error;
    if (!writeTextFile(path, fileName + QStringLiteral("\r\n"), &error)) {
        reportWriteFailure(path, error);
        return {};
    }
    frmMain().lblDefTemp()->setText(fileName);
    return QStringLiteral("1");
}

bool saveTemplate(const QString &fileName, const QString &scormVersion)
{
    try {
        const Binding binding =
            scormVersion == QLatin1String("SCORM 2004") ? Binding::Scorm2004 : Binding::Scorm12;
        const QString text = editorWindow(binding).createAggregation(true);
        // An empty answer means the writer stopped at one of its checks and said why.
        if (text.isEmpty())
            return false;
        const QString path = programPath(QStringLiteral("templates/") + fileName);
        QString error;
        // The file ends with one line end; the writers end their last line with one already.
        const QString lineEnd = QStringLiteral("\r\n");
        if (!writeTextFile(path, text.endsWith(lineEnd) ? text : text + lineEnd, &error)) {
            // The old template stays as it was, and the caller keeps the record.
            reportWriteFailure(path, error);
            return false;
        }
        return true;
    } catch (const std::exception &e) {
        reportError(e, QStringLiteral("saveTemplate"), QStringLiteral("modTemplate"), true);
        return false;
    }
}

} // namespace ts

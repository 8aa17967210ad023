#include "documentwriter.h"

#include "fileutil.h"
#include "textutil.h"
#include "xmlsaferecord.h"

#include "platform/dialogs.h"
#include "platform/programfolder.h"
#include "platform/textfile.h"

#include <QDir>

namespace ts {

QString WriteContext::folder() const { return programDir.isEmpty() ? programFolder() : programDir; }

QDate WriteContext::day() const { return today.isValid() ? today : QDate::currentDate(); }

QString indentUnits(int level) { return QString(3 * qMax(level, 0), QLatin1Char(' ')); }

void XmlLines::line(int level, const QString &xml) { text += indentUnits(level) + xml + QStringLiteral("\r\n"); }

void XmlLines::element(int level, const QString &tag, const QString &value)
{
    line(level, QLatin1Char('<') + tag + QLatin1Char('>') + escapeXML(value) + QStringLiteral("</") + tag +
                    QLatin1Char('>'));
}

void XmlLines::empty() { text += QStringLiteral("\r\n"); }

QString fragmentPath(const QString &programDir, const QString &folderName, const QString &classificationId)
{
    const QString dir = programDir.isEmpty() ? programFolder() : programDir;
    return dir + QLatin1Char('/') + folderName + QLatin1Char('/') + classificationId + QStringLiteral(".xml");
}

bool storeFragment(const QString &programDir, const QString &folderName, const QString &classificationId,
                   const QString &text)
{
    QString reason;
    if (!isSafeFileName(classificationId, &reason)) {
        msgBox(QStringLiteral("The classification id \"%1\" cannot be used as a file name.\r%2")
                   .arg(classificationId, reason),
               Buttons::Ok, Icon::Exclamation, QStringLiteral("Invalid Entry"));
        return false;
    }
    const QString path = fragmentPath(programDir, folderName, classificationId);
    QString error;
    if (!writeTextFile(path, text, &error)) {
        msgBox(QStringLiteral("Unable to save the classification to %1\r%2").arg(QDir::toNativeSeparators(path), error),
               Buttons::Ok, Icon::Exclamation, QStringLiteral("File Error"));
        return false;
    }
    return true;
}

bool spliceFragments(const QString &programDir, const QString &folderName, const QStringList &ids, QString &text)
{
    const QString dir = programDir.isEmpty() ? programFolder() : programDir;
    bool cleaned = false;
    for (const QString &id : ids) {
        QString fragment;
        if (!isSafeFileName(id) || !readTextFile(fragmentPath(dir, folderName, id), fragment)) {
            msgBox(QStringLiteral("Error creating Classification, a temporary file may be missing from ") +
                   QDir::toNativeSeparators(dir + QLatin1Char('/') + folderName) +
                   QStringLiteral("\rYour metadata will not be well formed"));
            break;
        }
        const QString safe = withoutNonXmlChars(fragment);
        cleaned |= safe.size() != fragment.size();
        text += safe;
    }
    return cleaned;
}

QString showXmlRefusedText()
{
    return QStringLiteral("Error opening xml file. Make sure the folder '\\temp' is located in your program directory");
}

void reportShowXmlRefused() { msgBox(showXmlRefusedText()); }

void reportLeftOutCharacters(const QStringList &fields)
{
    if (fields.isEmpty())
        return;
    msgBox(QStringLiteral("Characters that XML cannot hold were left out of the document. These fields held "
                          "them:\r") +
               fields.join(QLatin1Char('\r')),
           Buttons::Ok, Icon::Exclamation, QStringLiteral("Characters Left Out"));
}

} // namespace ts

#include "templatehandover.h"

#include "platform/programfolder.h"
#include "platform/textfile.h"

#include <QCryptographicHash>
#include <QFile>

namespace ts {

namespace {

const QByteArray kSumPrefix = QByteArrayLiteral("sha256 ");

// A name file is one line and a path: anything far larger is no name file.
constexpr qint64 kMaxNameFileBytes = 64 * 1024;

QByteArray sumOf(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

} // namespace

QString handOverPath() { return programPath(QStringLiteral("common/scorm_template.xml")); }

QString handOverNamePath() { return programPath(QStringLiteral("common/scorm_template.name")); }

QByteArray handOverBytes(const QByteArray &chosen) { return chosen + lineEndFor(chosen); }

QByteArray handOverNameText(const QByteArray &handOver, const QString &chosenPath)
{
    return kSumPrefix + sumOf(handOver) + "\r\n" + chosenPath.toUtf8() + "\r\n";
}

QString handedOverName()
{
    QFile names(handOverNamePath());
    if (names.size() > kMaxNameFileBytes || !names.open(QIODevice::ReadOnly))
        return {};
    const QByteArray text = names.readAll();
    const qsizetype end = text.indexOf("\r\n");
    if (end < 0 || !text.startsWith(kSumPrefix))
        return {};
    QFile handOver(handOverPath());
    QCryptographicHash sum(QCryptographicHash::Sha256);
    if (!handOver.open(QIODevice::ReadOnly) || !sum.addData(&handOver) ||
        text.mid(kSumPrefix.size(), end - kSumPrefix.size()) != sum.result().toHex())
        return {};
    QByteArray name = text.mid(end + 2);
    if (name.endsWith("\r\n"))
        name.chop(2);
    return QString::fromUtf8(name);
}

} // namespace ts

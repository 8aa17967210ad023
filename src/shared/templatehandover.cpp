#include "templatehandover.h"

#include "platform/programfolder.h"
#include "platform/textfile.h"
#include "shared/fileutil.h"

#include <QCryptographicHash>
#include <QFile>
#include <QStringDecoder>

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

namespace {

// The name the name file tells for hand-over bytes of that sum.
QString nameForSum(const QByteArray &sum)
{
    QFile names(handOverNamePath());
    if (names.size() > kMaxNameFileBytes || !names.open(QIODevice::ReadOnly))
        return {};
    const QByteArray text = names.readAll();
    const qsizetype end = text.indexOf("\r\n");
    if (end < 0 || !text.startsWith(kSumPrefix) || text.mid(kSumPrefix.size(), end - kSumPrefix.size()) != sum)
        return {};
    QByteArray bytes = text.mid(end + 2);
    if (bytes.endsWith("\r\n"))
        bytes.chop(2);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString name = utf8.decode(bytes);
    return utf8.hasError() || !canBeFilePath(name) ? QString() : name;
}

} // namespace

QString handedOverName(const QByteArray &handOver) { return nameForSum(sumOf(handOver)); }

QString handedOverNameOfFile()
{
    QFile handOver(handOverPath());
    QCryptographicHash sum(QCryptographicHash::Sha256);
    if (!handOver.open(QIODevice::ReadOnly) || !sum.addData(&handOver))
        return {};
    return nameForSum(sum.result().toHex());
}

} // namespace ts

#include "documenttags.h"

#include <QXmlStreamReader>

namespace ts {

namespace {

const QString kTagError = QStringLiteral("There is an error in your XML tag");

// True when the text is exactly one element, well-formed (prefixes need not be declared: the tag goes
// into a document that may declare them).
bool isOneElement(const QString &text)
{
    QXmlStreamReader reader(text);
    reader.setNamespaceProcessing(false);
    int depth = 0;
    int elements = 0;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            if (depth++ == 0)
                ++elements;
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        case QXmlStreamReader::Characters:
        case QXmlStreamReader::StartDocument:
        case QXmlStreamReader::EndDocument:
        case QXmlStreamReader::Invalid:
            break;
        default:
            return false;
        }
    }
    return !reader.hasError() && elements == 1;
}

} // namespace

XmlTagInsertion xmlTagInsertion(const QString &answer)
{
    if (answer.size() < 2 || !answer.startsWith(QLatin1Char('<')) || !answer.endsWith(QLatin1Char('>')))
        return {kTagError, {}};
    const QString inner = answer.mid(1, answer.size() - 2);
    if (inner.contains(QLatin1Char('<')))
        return {QStringLiteral("There is more than one '<' in your tag"), {}};
    if (inner.contains(QLatin1Char('>')))
        return {QStringLiteral("There is more than one '>' in your tag"), {}};

    QString text = answer;
    if (!inner.endsWith(QLatin1Char('/'))) {
        qsizetype end = 0;
        while (end < inner.size() && !inner.at(end).isSpace() && inner.at(end) != QLatin1Char('/'))
            ++end;
        text += QStringLiteral("</") + inner.left(end) + QLatin1Char('>');
    }
    if (!isOneElement(text))
        return {kTagError, {}};
    return {{}, text};
}

} // namespace ts

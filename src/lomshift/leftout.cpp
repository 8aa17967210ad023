#include "leftout.h"

#include "platform/xmldocument.h"

#include <QHash>
#include <QSet>
#include <QStringView>

namespace ts::lomshift {

namespace {

// One element of the source, in document order, with what its subtree holds.
struct Element {
    XmlNode node;
    qsizetype end = 0;     // one past the last element of its subtree
    bool ownText = false;  // text of its own, not only of the elements inside it
    bool anyText = false;  // text anywhere in its subtree
    bool anyMark = false;  // a mark on it or on an element inside it
    bool marked = false;
};

// Lists the element and the elements inside it in document order; answers whether the subtree holds text.
void list(const XmlNode &node, QList<Element> &out)
{
    const qsizetype at = out.size();
    out.append({node});
    bool ownText = false;
    for (const XmlNode &child : node.children())
        ownText = ownText || (child.isText() && !child.text().trimmed().isEmpty());
    bool anyText = ownText;
    for (const XmlNode &child : node.elements()) {
        const qsizetype childAt = out.size();
        list(child, out);
        anyText = anyText || out[childAt].anyText;
    }
    out[at].end = out.size();
    out[at].ownText = ownText;
    out[at].anyText = anyText;
}

void name(const QList<Element> &elements, qsizetype at, const QString &path, QStringList &named)
{
    const Element &e = elements.at(at);
    if (e.marked || !e.anyText)
        return;
    if (!e.anyMark || e.ownText) {
        if (!named.contains(path))
            named << path;
        if (!e.anyMark)
            return;
    }
    for (qsizetype child = at + 1; child < e.end; child = elements.at(child).end)
        name(elements, child, path + QLatin1Char('/') + elements.at(child).node.name(), named);
}

QStringList words(const QStringList &texts)
{
    QStringList out;
    for (const QString &text : texts)
        out << text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return out;
}

} // namespace

QStringList takeLeftOut(XmlDocument &converted, const XmlDocument &source)
{
    const QStringList ids = words(converted.takeInstructions(QStringLiteral("lomshift-ids")));
    const QStringList marks = words(converted.takeInstructions(QStringLiteral("lomshift-from")));
    const XmlNode root = source.documentElement();
    if (root.isNull())
        return {};
    QList<Element> elements;
    list(root, elements);
    if (ids.size() != elements.size())
        return {};
    QHash<QString, qsizetype> index;
    for (qsizetype i = 0; i < ids.size(); ++i)
        index.insert(ids.at(i), i);
    for (const QString &mark : marks) {
        const auto found = index.constFind(mark);
        if (found != index.constEnd())
            elements[*found].marked = true;
    }
    // A mark counts for every element around the one it names.
    for (qsizetype i = elements.size() - 1; i >= 0; --i) {
        Element &e = elements[i];
        e.anyMark = e.marked;
        for (qsizetype child = i + 1; child < e.end && !e.anyMark; child = elements.at(child).end)
            e.anyMark = elements.at(child).anyMark;
    }
    QStringList named;
    for (qsizetype child = 1; child < elements.size(); child = elements.at(child).end)
        name(elements, child, elements.at(child).node.name(), named);
    return named;
}

} // namespace ts::lomshift

#include "readerwalk.h"

namespace ts::reader12 {

Walk::Walk(const XmlNode &root, Category category, Record12 &record, Notices &notices)
    : record(record), notices(notices), m_root(root), m_category(category), m_namespace(root.namespaceUri().toUtf8()),
      m_unsupportedText(unsupportedElementText(category)), m_leftOut(notices)
{
}

bool Walk::is(const XmlNode &node, const char *name) const
{
    return node.is(QLatin1StringView(name), QLatin1StringView(m_namespace));
}

XmlNode Walk::child(const XmlNode &parent, const char *name) const
{
    for (const XmlNode &c : childNodes(parent))
        if (is(c, name))
            return c;
    return {};
}

XmlNode Walk::vocabularyValue(const XmlNode &element)
{
    const QList<XmlNode> children = childNodes(element);
    if (children.size() >= 2)
        return children.at(1);
    const XmlNode value = child(element, "value");
    if (value.isNull())
        bareValue(element);
    return value;
}

bool Walk::bareValue(const XmlNode &vocabulary)
{
    if (!child(vocabulary, "value").isNull())
        return false;
    if (!hasOwnText(vocabulary))
        return false;
    ReadCheck::noValueElement(vocabulary, m_category, notices);
    return true;
}

QString Walk::stringText(const XmlNode &element) const
{
    QList<XmlNode> strings;
    for (const XmlNode &c : childNodes(element))
        if (is(c, "langstring"))
            strings.append(c);
    if (strings.isEmpty())
        return nodeText(element);
    return LeftOutStrings::firstString(sectionName(m_category) + QLatin1Char(' ') + element.localName(), strings,
                                       QStringLiteral("xml:lang"), &nodeText);
}

QString Walk::firstStringText(const XmlNode &element) const
{
    return child(element, "langstring").isNull() ? childText(element, 0) : stringText(element);
}

void Walk::run(const std::function<bool(const XmlNode &)> &other)
{
    walkCategoryChildren(
        m_root, [&](const XmlNode &c) { return applyRule(c) || (other && other(c)); },
        [this](const XmlNode &c) { unsupported(c); });
}

bool Walk::applyRule(const XmlNode &c)
{
    for (const FieldRule &rule : fieldRules(m_category)) {
        if (!is(c, rule.element))
            continue;
        switch (rule.take) {
        case Take::Skip: break;
        case Take::Text: record.*rule.field = stringText(c); break;
        case Take::FirstChild: record.*rule.field = firstStringText(c); break;
        case Take::Value: record.*rule.field = nodeText(vocabularyValue(c)); break;
        }
        return true;
    }
    return false;
}

void Walk::notice(const QString &text) { ReadCheck::notice(notices, text); }

void Walk::noticeFor(const XmlNode &node, const QString &text)
{
    notice(text);
    ReadCheck::named(node);
}

void Walk::unsupported(const XmlNode &node)
{
    noticeFor(node, m_unsupportedText + nodeName(node));
}

void Walk::unsupportedValue(const XmlNode &node, const QString &element, const QString &value)
{
    ReadCheck::unsupportedValue(node, m_category, element, value, notices);
}

bool readText(const QString &text, Category category, NodeReader reader, Record12 &record, Notices &notices,
              const std::function<void(const XmlNode &)> &after)
{
    XmlDocument document;
    if (!document.loadXML(text)) {
        const ParseTexts &texts = parseTexts(category);
        notices.append(parseErrorNotice(QLatin1String(texts.prefix), document.parseError(), QStringLiteral("\r"),
                                        texts.icon, QLatin1String(texts.title)));
        return false;
    }
    reader(document.documentElement(), record, notices);
    if (after)
        after(document.documentElement());
    return true;
}

} // namespace ts::reader12

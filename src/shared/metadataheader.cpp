#include "metadataheader.h"

#include "platform/textfile.h"
#include "platform/xmldocument.h"
#include "shared/apperror.h"

#include <QFileInfo>
#include <QList>
#include <functional>

namespace ts {

namespace {

struct Attribute {
    QString name;
    QString value; // as written, between its quotes
    QChar quote;
};

struct Tag {
    qsizetype start = 0; // where its "<" stands in the text
    QString name;
    QList<Attribute> attributes;
    bool isEnd = false;
    bool isEmpty = false; // written as <name ... />
};

bool isBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

bool isNameEnd(QChar c) { return isBlank(c) || c == u'/' || c == u'>' || c == u'='; }

// Reads the start or end tag at pos (pointing after "<"); pos ends after its ">". False when the tag is
// not complete.
bool readTag(const QString &text, qsizetype &pos, Tag &tag)
{
    const qsizetype size = text.size();
    if (pos < size && text.at(pos) == u'/') {
        tag.isEnd = true;
        ++pos;
    }
    const qsizetype nameStart = pos;
    while (pos < size && !isNameEnd(text.at(pos)))
        ++pos;
    tag.name = text.mid(nameStart, pos - nameStart);
    if (tag.name.isEmpty())
        return false;
    while (true) {
        while (pos < size && isBlank(text.at(pos)))
            ++pos;
        if (pos >= size)
            return false;
        if (text.at(pos) == u'>') {
            ++pos;
            return true;
        }
        if (text.at(pos) == u'/') {
            if (pos + 1 >= size || text.at(pos + 1) != u'>')
                return false;
            tag.isEmpty = true;
            pos += 2;
            return true;
        }
        Attribute attribute;
        const qsizetype attributeStart = pos;
        while (pos < size && !isNameEnd(text.at(pos)))
            ++pos;
        attribute.name = text.mid(attributeStart, pos - attributeStart);
        while (pos < size && isBlank(text.at(pos)))
            ++pos;
        if (attribute.name.isEmpty() || pos >= size || text.at(pos) != u'=')
            return false;
        ++pos;
        while (pos < size && isBlank(text.at(pos)))
            ++pos;
        if (pos >= size || (text.at(pos) != u'"' && text.at(pos) != u'\''))
            return false;
        attribute.quote = text.at(pos);
        const qsizetype valueEnd = text.indexOf(attribute.quote, pos + 1);
        if (valueEnd < 0)
            return false;
        attribute.value = text.mid(pos + 1, valueEnd - pos - 1);
        pos = valueEnd + 1;
        tag.attributes.append(attribute);
    }
}

// The end of the document type declaration that starts at pos, its internal subset included.
qsizetype doctypeEnd(const QString &text, qsizetype pos)
{
    int depth = 0;
    QChar quote;
    for (; pos < text.size(); ++pos) {
        const QChar c = text.at(pos);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u'[') {
            ++depth;
        } else if (c == u']') {
            --depth;
        } else if (c == u'>' && depth <= 0) {
            return pos + 1;
        }
    }
    return -1;
}

// Where the processing instruction, comment, CDATA section or declaration (the document type) that
// starts at pos ends, -1 when it does not end; pos itself when none of these starts there.
qsizetype endOfNonElementMarkup(const QString &text, qsizetype pos)
{
    const QStringView rest = QStringView(text).mid(pos);
    const auto after = [&](QLatin1String end, qsizetype from) {
        const qsizetype at = text.indexOf(end, from);
        return at < 0 ? -1 : at + end.size();
    };
    if (rest.startsWith(u"<?"))
        return after(QLatin1String("?>"), pos + 2);
    if (rest.startsWith(u"<!--"))
        return after(QLatin1String("-->"), pos + 4);
    if (rest.startsWith(u"<![CDATA["))
        return after(QLatin1String("]]>"), pos + 9);
    if (rest.startsWith(u"<!"))
        return doctypeEnd(text, pos + 2);
    return pos;
}

// Hands every start and end tag of the text to visit, in order, passing over declarations, comments,
// processing instructions, character data and the document type. Stops when visit answers false or at
// a construct that is not complete.
void scanTags(const QString &text, const std::function<bool(const Tag &)> &visit)
{
    qsizetype pos = 0;
    while ((pos = text.indexOf(u'<', pos)) >= 0) {
        qsizetype next = endOfNonElementMarkup(text, pos);
        if (next == pos) {
            Tag tag;
            tag.start = pos;
            next = pos + 1;
            if (!readTag(text, next, tag) || !visit(tag))
                return;
        }
        if (next < 0)
            return;
        pos = next;
    }
}

bool declaresNamespace(const Attribute &attribute)
{
    return attribute.name == QLatin1String("xmlns") || attribute.name.startsWith(QLatin1String("xmlns:"));
}

// The start tags that reopen the elements left open by the header, with their namespace declarations.
QString reopenedElements(const QString &header)
{
    QList<Tag> open;
    scanTags(header, [&open](const Tag &tag) {
        if (tag.isEnd) {
            if (!open.isEmpty())
                open.removeLast();
        } else if (!tag.isEmpty) {
            open.append(tag);
        }
        return true;
    });
    QString out;
    for (const Tag &tag : open) {
        out += QLatin1Char('<') + tag.name;
        for (const Attribute &attribute : tag.attributes)
            if (declaresNamespace(attribute))
                out += QLatin1Char(' ') + attribute.name + QLatin1Char('=') + attribute.quote + attribute.value +
                       attribute.quote;
        out += QLatin1Char('>');
    }
    return out;
}

QString localPart(const QString &name) { return name.mid(name.indexOf(QLatin1Char(':')) + 1); }

// The namespace a tag's prefix (or its lack of one) stands for, from the declarations on the tag itself
// and on the elements it stands in, the innermost first.
QString namespaceOf(const Tag &tag, const QList<Tag> &open)
{
    const qsizetype colon = tag.name.indexOf(QLatin1Char(':'));
    const QString declaration = colon < 0 ? QStringLiteral("xmlns") : QStringLiteral("xmlns:") + tag.name.left(colon);
    for (const Attribute &attribute : tag.attributes)
        if (attribute.name == declaration)
            return attribute.value;
    for (qsizetype i = open.size() - 1; i >= 0; --i)
        for (const Attribute &attribute : open.at(i).attributes)
            if (attribute.name == declaration)
                return attribute.value;
    return {};
}

struct GeneralTagFound {
    qsizetype start = -1;
    QString namespaceUri;
};

// The first start tag of an element named general, whatever its prefix and attributes.
GeneralTagFound firstGeneralTag(const QString &text)
{
    GeneralTagFound found;
    QList<Tag> open;
    scanTags(text, [&](const Tag &tag) {
        if (tag.isEnd) {
            if (!open.isEmpty())
                open.removeLast();
            return true;
        }
        if (localPart(tag.name) == QLatin1String("general")) {
            found = {tag.start, namespaceOf(tag, open)};
            return false;
        }
        if (!tag.isEmpty)
            open.append(tag);
        return true;
    });
    return found;
}

// The first "<general>" written exactly so that stands as markup: one inside a comment, a processing
// instruction, a CDATA section or the document type declaration is text, not the record's general
// element. Unlike the scan by tags, this one reads past tags it cannot read.
qsizetype firstGeneralAsWritten(const QString &text)
{
    qsizetype pos = 0;
    while ((pos = text.indexOf(u'<', pos)) >= 0) {
        if (QStringView(text).mid(pos).startsWith(u"<general>"))
            return pos;
        const qsizetype next = endOfNonElementMarkup(text, pos);
        if (next < 0)
            return -1;
        pos = next == pos ? pos + 1 : next;
    }
    return -1;
}

} // namespace

Notice invalidMetadataFileNotice()
{
    return {QStringLiteral("Problem encountered while opening XML file. This may affect your XML file"),
            QStringLiteral("Invalid Metadata File"), Icon::Exclamation};
}

std::optional<StrippedMetadata> stripHeader(const QString &text, Notices &notices, GeneralTag form)
{
    qsizetype general = form == GeneralTag::AnyForm ? firstGeneralTag(text).start : -1;
    if (general < 0)
        general = firstGeneralAsWritten(text);
    if (general < 0) {
        notices.append(invalidMetadataFileNotice());
        return std::nullopt;
    }
    StrippedMetadata stripped;
    stripped.original = text;
    stripped.header = text.left(general);
    stripped.text = reopenedElements(stripped.header) + text.mid(general);
    return stripped;
}

std::optional<StrippedMetadata> removeHeader(const QString &path, Notices &notices, GeneralTag form)
{
    DecodedText decoded;
    if (!readTextFile(path, decoded)) {
        notices.append(readFailureNotice(path));
        return std::nullopt;
    }
    if (decoded.unreadable) {
        notices.append(*decodingNotice(decoded, path));
        return std::nullopt;
    }
    return stripHeader(decoded.text, notices, form);
}

Notice readFailureNotice(const QString &path)
{
    const bool missing = !QFileInfo::exists(path);
    const AppError error = missing ? AppError(err::FileNotFound, QStringLiteral("File not found"))
                                   : AppError(err::PathFileAccess, QStringLiteral("Path/File access error"));
    return {QStringLiteral("Error in removeHeader - ") + QString::number(error.number) + QLatin1Char(' ') +
                error.description,
            QString(), Icon::None};
}

bool isScorm2004Document(const QString &text)
{
    if (text.contains(QLatin1String("SCORM_CAM_v1.3")))
        return true;
    QString rootNamespace;
    scanTags(text, [&rootNamespace](const Tag &root) {
        rootNamespace = namespaceOf(root, {});
        return false; // the root is the first tag
    });
    // A record wrapped in another element (a manifest's metadata) counts by the namespace of its <general>.
    return rootNamespace == QLatin1String(kLomNamespace) ||
           firstGeneralTag(text).namespaceUri == QLatin1String(kLomNamespace);
}

} // namespace ts

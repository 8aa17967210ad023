#include "generate.h"

#include "platform/xmldocument.h"
#include "shared/apperror.h"
#include "shared/fileutil.h"
#include "shared/metadataheader.h"
#include "shared/metadatarecord.h"
#include "shared/templatehandover.h"
#include "shared/textutil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <libxml/tree.h>
#include <libxml/xmlsave.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace ts::batch {

namespace {

// The keyword's text element of each binding, and the elements a new keyword follows.
struct Binding {
    const char *langString;
    const char *langAttribute;
    QStringList beforeKeyword;
};

const Binding kScorm12{"langstring", "xml:lang",
                       {"identifier", "title", "catalogentry", "language", "description", "keyword"}};
const Binding kScorm2004{"string", "language", {"identifier", "title", "language", "description", "keyword"}};

// The life cycle and its dates are filled under their IMS Meta-Data 1.2 names in every template (a SCORM
// 2004 template may use them too), and under their IEEE LOM names beside them.
const QStringList kLifecycleNames{QStringLiteral("lifecycle"), QStringLiteral("lifeCycle")};
const QStringList kDatetimeNames{QStringLiteral("datetime"), QStringLiteral("dateTime")};

const xmlChar *xc(const char *s) { return reinterpret_cast<const xmlChar *>(s); }

// An element's name as written, with its prefix, as messages give it.
QString nameOf(const xmlNode *node)
{
    return node->type == XML_ELEMENT_NODE ? XmlNode(const_cast<xmlNode *>(node)).name() : QString();
}

QByteArray namespaceOf(const xmlNode *node)
{
    return node->ns && node->ns->href ? QByteArray(reinterpret_cast<const char *>(node->ns->href)) : QByteArray();
}

// The names looked for are those of the record's namespace, the namespace of its general element: an
// element's own name (without its prefix) when it stands in that namespace, compared exactly; nothing for
// any other node. So a template is filled whatever prefix it writes its elements with, as the editors read
// it, and an element of another namespace is carried over as it is.
QString nameIn(const xmlNode *node, const QByteArray &ns)
{
    return node->type == XML_ELEMENT_NODE && namespaceOf(node) == ns
               ? QString::fromUtf8(reinterpret_cast<const char *>(node->name))
               : QString();
}

bool isBlank(const xmlNode *node) { return node->type == XML_TEXT_NODE && xmlIsBlankNode(const_cast<xmlNode *>(node)); }

// The child nodes as they are when a pass over them starts, without indentation.
QList<xmlNode *> childrenOf(xmlNode *parent)
{
    QList<xmlNode *> out;
    for (xmlNode *c = parent->children; c; c = c->next)
        if (!isBlank(c))
            out << c;
    return out;
}

QList<xmlNode *> childrenNamed(xmlNode *parent, const char *name, const QByteArray &ns)
{
    QList<xmlNode *> out;
    for (xmlNode *c : childrenOf(parent))
        if (nameIn(c, ns) == QLatin1String(name))
            out << c;
    return out;
}

void setText(xmlNode *node, const QString &value)
{
    xmlNodeSetContent(node, nullptr);
    const QByteArray utf8 = withoutNonXmlChars(value).toUtf8();
    xmlAddChild(node, xmlNewDocTextLen(node->doc, xc(utf8.constData()), static_cast<int>(utf8.size())));
}

// The node a title or description holds its text in: its first element, or text of its own.
void fillFirstChild(xmlNode *node, const QString &value)
{
    for (xmlNode *c : childrenOf(node)) {
        if (c->type == XML_ELEMENT_NODE) {
            setText(c, value);
            return;
        }
        if (c->type == XML_TEXT_NODE || c->type == XML_CDATA_SECTION_NODE) {
            xmlNodeSetContent(c, xc(withoutNonXmlChars(value).toUtf8().constData())); // kept as it is, not parsed
            return;
        }
    }
    throw AppError(err::ObjectNotSet,
                   QStringLiteral("The template's %1 holds no element or text to fill").arg(nameOf(node)));
}

// The indentation the layout gives the element in front of which this whitespace stands.
QString indentOf(const xmlNode *whitespace)
{
    if (!whitespace)
        return {};
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(whitespace->content));
    const qsizetype nl = text.lastIndexOf(QLatin1Char('\n'));
    return nl < 0 ? QString() : text.mid(nl + 1);
}

xmlNode *blankBefore(xmlNode *node) { return node && node->prev && isBlank(node->prev) ? node->prev : nullptr; }

xmlNode *newElement(xmlNode *parent, const char *name) { return xmlNewDocNode(parent->doc, parent->ns, xc(name), nullptr); }

// Puts a new element where the binding's order wants it: after the last child named in `after`, or else in
// front of the first element; the template's indentation is repeated in front of it. Answers that
// indentation.
QString insertInPlace(xmlNode *parent, xmlNode *element, const QStringList &after)
{
    const QByteArray ns = namespaceOf(element);
    xmlNode *anchor = nullptr;
    xmlNode *first = nullptr;
    for (xmlNode *c = parent->children; c; c = c->next) {
        if (c->type != XML_ELEMENT_NODE)
            continue;
        if (!first)
            first = c;
        if (after.contains(nameIn(c, ns)))
            anchor = c;
    }
    xmlNode *whitespace = blankBefore(anchor ? anchor : first);
    if (anchor) {
        xmlAddNextSibling(anchor, element);
        if (whitespace)
            xmlAddNextSibling(anchor, xmlCopyNode(whitespace, 1));
    } else if (first) {
        xmlAddPrevSibling(first, element);
        if (whitespace)
            xmlAddPrevSibling(first, xmlCopyNode(whitespace, 1));
    } else {
        xmlAddChild(parent, element);
    }
    return indentOf(whitespace);
}

void addKeyword(xmlNode *general, const Binding &binding, const QString &value)
{
    xmlNode *keyword = newElement(general, "keyword");
    xmlNode *text = newElement(general, binding.langString);
    xmlSetProp(text, xc(binding.langAttribute), xc("x-none"));
    setText(text, value);
    const QString indent = insertInPlace(general, keyword, binding.beforeKeyword);
    const bool laidOut = blankBefore(keyword) != nullptr;
    if (laidOut)
        xmlAddChild(keyword, xmlNewDocText(general->doc, xc(("\n" + indent + "   ").toUtf8().constData())));
    xmlAddChild(keyword, text);
    if (laidOut)
        xmlAddChild(keyword, xmlNewDocText(general->doc, xc(("\n" + indent).toUtf8().constData())));
}

void fillGeneral(xmlNode *general, const Binding &binding, const FileInfo &info)
{
    const QByteArray ns = namespaceOf(general);
    for (xmlNode *c : childrenOf(general)) {
        if (nameIn(c, ns) == QLatin1String("title"))
            fillFirstChild(c, titleText(info));
        else if (nameIn(c, ns) == QLatin1String("description"))
            fillFirstChild(c, info.baseName);
    }
    addKeyword(general, binding, keywordText(info));
}

void fillLifecycle(xmlNode *lifecycle, const FileInfo &info)
{
    const QByteArray ns = namespaceOf(lifecycle);
    for (xmlNode *contribute : childrenNamed(lifecycle, "contribute", ns))
        for (xmlNode *date : childrenNamed(contribute, "date", ns))
            for (xmlNode *datetime : childrenOf(date))
                if (kDatetimeNames.contains(nameIn(datetime, ns)))
                    setText(datetime, info.date);
}

// Only the first technical element with content gets the format.
void fillTechnical(xmlNode *technical, const FileInfo &info, bool &formatAdded)
{
    const QList<xmlNode *> children = childrenOf(technical);
    if (!children.isEmpty() && !formatAdded) {
        xmlNode *format = newElement(technical, "format");
        setText(format, formatText(info));
        insertInPlace(technical, format, {QStringLiteral("format")});
        formatAdded = true;
    }
    const QByteArray ns = namespaceOf(technical);
    for (xmlNode *c : children) {
        if (nameIn(c, ns) == QLatin1String("location"))
            setText(c, info.location);
        else if (nameIn(c, ns) == QLatin1String("size"))
            setText(c, info.size);
    }
}

// The first element named general in document order, whatever its prefix, namespace and attributes: where
// the template's text was cut (its header ends), which need not be the record's own.
xmlNode *firstGeneral(xmlNode *node)
{
    for (xmlNode *c = node->children; c; c = c->next) {
        if (c->type != XML_ELEMENT_NODE)
            continue;
        if (qstrcmp(reinterpret_cast<const char *>(c->name), "general") == 0)
            return c;
        if (xmlNode *inner = firstGeneral(c))
            return inner;
    }
    return nullptr;
}

// Where the serialised document's general element begins: its start tag, written with its prefix.
qsizetype startTagAt(const QString &text, const QString &qualifiedName)
{
    const QString open = QLatin1Char('<') + qualifiedName;
    for (qsizetype at = text.indexOf(open); at >= 0; at = text.indexOf(open, at + 1)) {
        const qsizetype after = at + open.size();
        if (after < text.size() && (text.at(after) == u'>' || text.at(after) == u'/' || text.at(after).isSpace()))
            return at;
    }
    return -1;
}

QString serialised(xmlDoc *doc)
{
    xmlBufferPtr buffer = xmlBufferCreate();
    // Grown by doubling, not by what each write needs: a large template is not copied over again and again.
    xmlBufferSetAllocationScheme(buffer, XML_BUFFER_ALLOC_DOUBLEIT);
    xmlSaveCtxtPtr save = xmlSaveToBuffer(buffer, "UTF-8", XML_SAVE_NO_DECL | XML_SAVE_NO_EMPTY);
    xmlSaveDoc(save, doc);
    xmlSaveClose(save);
    const QString out = QString::fromUtf8(reinterpret_cast<const char *>(xmlBufferContent(buffer)));
    xmlBufferFree(buffer);
    return out;
}

} // namespace

QString templatePath() { return handOverPath(); }

Notice failureNotice(int number, const QString &description)
{
    return {QString::number(number) + QStringLiteral("::") + description, QString(), Icon::None};
}

namespace {

// The facts a template is tried with before a run: its values are escaped as any file's are, so what the
// template makes of them it makes of every file's.
const FileInfo kTrialFile{QStringLiteral("template"), QStringLiteral(".txt"), QStringLiteral("2000-01-01"),
                          QStringLiteral("0"), QStringLiteral("template.txt")};

// The box of a template that is no XML; with the template's name, the line, position and reason too.
Notice invalidXmlNotice(const ParseError &error, const QString &templateName = {})
{
    QString text = QStringLiteral("Could not validate selected XML file. Please correct the issue and try again.") +
                   QStringLiteral("\rError Number: ") + QString::number(error.errorCode);
    if (!templateName.isEmpty())
        text += QStringLiteral("\r\rTemplate: %1\rLine %2, position %3: %4")
                    .arg(templateName, QString::number(error.line), QString::number(error.linepos), error.reason);
    return {text, QStringLiteral("Invalid XML"), Icon::Critical};
}

Notice naming(Notice notice, const QString &templateName)
{
    if (!templateName.isEmpty())
        notice.text += QStringLiteral("\r\rTemplate: ") + templateName;
    return notice;
}

// The refusal of a template without a general element, the one element every file gets its title and keyword
// in. Unlike the editors' "This may affect your XML file", it says that nothing was written, since nothing was.
Notice noGeneralNotice(const QString &templateName)
{
    return naming({QStringLiteral("The template holds no general element, so no metadata file can be made from it. "
                                  "Nothing was written."),
                   invalidMetadataFileNotice().title, Icon::Exclamation},
                  templateName);
}

// The refusal of a template whose general elements are none of them its record's own (an extension's, one
// nested in a category).
Notice noOwnGeneralNotice(const QString &templateName)
{
    return naming({QStringLiteral("The template's metadata record holds no general element of its own, so no metadata "
                                  "file can be made from it. Nothing was written."),
                   invalidMetadataFileNotice().title, Icon::Exclamation},
                  templateName);
}

// The template's text cut at its general element, found in any form (with a prefix or attributes) as the
// editors find it.
std::optional<StrippedMetadata> cutTemplate(const QString &text, Notices &notices, const QString &templateName = {})
{
    Notices none;
    std::optional<StrippedMetadata> parts = stripHeader(text, none, GeneralTag::AnyForm);
    if (!parts)
        notices.append(noGeneralNotice(templateName));
    return parts;
}

// The template filled with the facts of a file. With the template's name (its check before a run), what
// fails names it, and a body that is no XML is told by the template's own lines. With `told`, what the editors
// would say of how its record is read, when its namespace is written wrong, is told there.
std::optional<QString> filled(const StrippedMetadata &parts, const FileInfo &info, Notices &notices,
                              const QString &templateName = {}, Notices *told = nullptr)
{
    XmlDocument document;
    if (!document.loadXML(parts.text)) {
        ParseError error = document.parseError();
        if (!templateName.isEmpty() && !document.loadXML(parts.original))
            error = document.parseError();
        notices.append(invalidXmlNotice(error, templateName));
        return std::nullopt;
    }
    xmlNode *const cut = firstGeneral(reinterpret_cast<xmlNode *>(document.raw()));
    if (!cut) {
        // The general element found in the text stands where it is no element (inside the document type).
        notices.append(noGeneralNotice(templateName));
        return std::nullopt;
    }
    // The record is found as the editors find it, and its categories are its own children (the record's
    // general element alone when that is the root): a general element of an extension or of another record
    // is carried over as it is.
    const MetadataRecord record = findRecord(document);
    if (record.isNull()) {
        notices.append(noOwnGeneralNotice(templateName));
        return std::nullopt;
    }
    // The keyword is written in the form of the record's binding, told as every program tells it.
    const Binding &binding = isScorm2004File(parts.original, record) ? kScorm2004 : kScorm12;
    if (const QString line = unknownNamespaceLine(record); told && !line.isEmpty())
        told->append(naming({line, QStringLiteral("Notice")}, templateName));
    const QString generalName = nameOf(cut);
    const QByteArray ns = record.ns();
    const QList<xmlNode *> categories = record.element.raw() == record.general.raw()
                                            ? QList<xmlNode *>{record.general.raw()}
                                            : childrenOf(record.element.raw());
    try {
        bool formatAdded = false;
        for (xmlNode *category : categories) {
            const QString name = nameIn(category, ns);
            if (name == QLatin1String("general"))
                fillGeneral(category, binding, info);
            else if (kLifecycleNames.contains(name))
                fillLifecycle(category, info);
            else if (name == QLatin1String("technical"))
                fillTechnical(category, info, formatAdded);
        }
    } catch (const AppError &e) {
        const Notice failure = failureNotice(e.number, e.description);
        notices.append(templateName.isEmpty() ? failure : naming(failure, templateName));
        return std::nullopt;
    }
    // The body as the XML library writes it, from the first category on, behind the header as it was.
    QString body = serialised(document.raw());
    body = body.mid(std::max<qsizetype>(0, startTagAt(body, generalName)));
    while (body.endsWith(QLatin1Char('\n')))
        body.chop(1);
    const QString text = withCrLf(declaredUtf8(parts.header) + body) + QStringLiteral("\r\n");
    // The header is carried over as it stands, so a damaged one (its declaration, its root start tag) would
    // make a file that is no XML: the whole file is parsed before it is written. Its lines are the template's.
    XmlDocument written;
    if (!written.loadXML(text)) {
        notices.append(invalidXmlNotice(written.parseError(), templateName));
        return std::nullopt;
    }
    return text;
}

bool writeFilled(const StrippedMetadata &parts, const FileInfo &info, const QString &outputPath, Notices &notices,
                 WriteKind kind, Notices *told)
{
    const std::optional<QString> text = filled(parts, info, notices, {}, told);
    if (!text)
        return false;
    const QString folder = QFileInfo(outputPath).absolutePath();
    if (!QFileInfo(folder).isDir()) {
        notices.append(failureNotice(err::PathNotFound, QStringLiteral("Path not found: ") + folder));
        return false;
    }
    QString reason;
    if (!writeTextFile(outputPath, *text, &reason, kind)) {
        notices.append(failureNotice(err::PathFileAccess, QStringLiteral("Path/File access error: %1 could not be "
                                                                         "written. %2")
                                                              .arg(outputPath, reason)));
        return false;
    }
    return true;
}


} // namespace

Template handedOverTemplate()
{
    Template used;
    used.path = templatePath();
    const auto named = [&used](const QString &chosen) {
        used.wholeName = QDir::toNativeSeparators(chosen.isEmpty() ? used.path : chosen);
        used.name = shortenedFileName(used.wholeName);
    };
    // Refused before it is read: a template far larger would take minutes and gigabytes.
    if (QFileInfo(used.path).size() > kMaxOpenBytes) {
        named(handedOverNameOfFile());
        used.refusal = templateTooLarge(used.path, used.name);
        return used;
    }
    QFile file(used.path);
    if (file.open(QIODevice::ReadOnly)) {
        QByteArray bytes = file.readAll();
        if (file.error() == QFileDevice::NoError)
            used.bytes = std::move(bytes);
    }
    named(used.bytes ? handedOverName(*used.bytes) : QString());
    if (!used.bytes)
        used.refusal = naming(readFailureNotice(used.path), used.name);
    return used;
}

CheckedTemplate checkTemplate(const Template &used)
{
    CheckedTemplate checked;
    if (!used.bytes) {
        checked.refusal = used.refusal.value_or(naming(readFailureNotice(used.path), used.name));
        return checked;
    }
    const DecodedText decoded = decodeTextFile(*used.bytes);
    if (decoded.unreadable) {
        // Bytes in a form that is not read: refused by their decoding notice, naming it, as the editors refuse it.
        checked.refusal = decodingNotice(decoded, used.name);
        return checked;
    }
    checked.readNotice = decodingNotice(decoded, used.name);
    Notices notices;
    std::optional<StrippedMetadata> parts = cutTemplate(decoded.text, notices, used.name);
    Notices told;
    if (parts)
        filled(*parts, kTrialFile, notices, used.name, &told);
    if (!notices.isEmpty()) {
        checked.refusal = notices.constFirst();
        return checked;
    }
    if (!told.isEmpty())
        checked.recordNotice = told.constFirst();
    checked.parts = std::move(parts);
    return checked;
}

std::optional<QString> metadataText(const QString &templateText, const FileInfo &info, Notices &notices)
{
    const std::optional<StrippedMetadata> parts = cutTemplate(templateText, notices);
    return parts ? filled(*parts, info, notices) : std::nullopt;
}

std::optional<Notice> templateTooLarge(const QString &templateFile, const QString &shownAs)
{
    const std::optional<QString> refusal = tooLargeToOpen(templateFile, shownAs);
    if (!refusal)
        return std::nullopt;
    return Notice{*refusal, QStringLiteral("Problem Loading File"), Icon::Exclamation};
}

bool generateMetadata(const QString &templateFile, const FileInfo &info, const QString &outputPath,
                      Notices &notices, WriteKind kind)
{
    // Refused before it is read: a template far larger would take minutes and gigabytes for each file.
    if (const std::optional<Notice> tooLarge = templateTooLarge(templateFile)) {
        notices.append(*tooLarge);
        return false;
    }
    DecodedText decoded;
    if (!readTextFile(templateFile, decoded)) {
        notices.append(readFailureNotice(templateFile));
        return false;
    }
    if (decoded.unreadable) {
        notices.append(*decodingNotice(decoded, templateFile));
        return false;
    }
    const std::optional<StrippedMetadata> read = cutTemplate(decoded.text, notices);
    return read && writeFilled(*read, info, outputPath, notices, kind, &notices);
}

bool writeMetadata(const StrippedMetadata &parts, const FileInfo &info, const QString &outputPath, Notices &notices,
                   WriteKind kind)
{
    return writeFilled(parts, info, outputPath, notices, kind, nullptr);
}

bool flushToDisk(const QString &folder, QString *reason)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const bool flushed = fd >= 0 && ::syncfs(fd) == 0;
    if (!flushed && reason)
        *reason = QString::fromLocal8Bit(std::strerror(errno));
    if (fd >= 0)
        ::close(fd);
    return flushed;
}

} // namespace ts::batch

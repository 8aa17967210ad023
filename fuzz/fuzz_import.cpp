// libFuzzer target: the bytes of a file go through what opening it does before anything reaches a window,
// in both bindings: decoding, the choice of binding, the header cut, the parse (with the schema, as the parse
// check has it), the SCORM 1.2 walk with its fragments, the SCORM 2004 walk with its fragments and their read
// back, and the text of every node and attribute. The same bytes, taken as the hand-over template, are filled
// for one content file as batch fills it; a filled template must be XML.

#include "batch/generate.h"
#include "model12/import12.h"
#include "model2004/reader2004.h"

#include "platform/programfolder.h"
#include "platform/schemacache.h"
#include "platform/textfile.h"
#include "platform/xmldocument.h"
#include "shared/metadataheader.h"

#include <QDir>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

using namespace ts;

namespace {

std::shared_ptr<SchemaCache> g_schemas;

void walk(const XmlNode &node, std::size_t &seen)
{
    seen += static_cast<std::size_t>(node.text().size() + node.name().size() + node.attribute(QStringLiteral("xml:lang")).size());
    for (const XmlNode &child : node.children())
        walk(child, seen);
}

void importScorm12(const DecodedText &decoded)
{
    Notices notices;
    const std::optional<StrippedMetadata> stripped = stripHeader(decoded.text, notices);
    if (!stripped)
        return;
    XmlDocument document;
    if (!document.loadXML(stripped->text) && !document.loadXML(stripped->original))
        return;
    std::size_t seen = 0;
    walk(document.documentElement(), seen);
    Record12 record = clearedRecord12();
    parseMetadata(document, record, notices);
}

// As the SCORM 2004 editor opens a file: the document as it stands, else with its header cut off; then each
// classification fragment the walk stored is read back as a click on its id does.
void importScorm2004(const DecodedText &decoded)
{
    Notices notices;
    const std::optional<StrippedMetadata> stripped = stripHeader(decoded.text, notices, GeneralTag::AnyForm);
    if (!stripped)
        return;
    XmlDocument document;
    if (!document.loadXML(stripped->original) && !document.loadXML(stripped->text))
        return;
    Record2004 record;
    parseMetadata2004(document, record, notices);
    for (const QString &id : record.lstClassification) {
        QString fragment;
        if (readTextFile(programPath(QStringLiteral("temp/") + id + QStringLiteral(".xml")), fragment)) {
            Record2004 entry;
            parseClassification2004(fragment, entry, notices);
        }
    }
}

void fillTemplate(const DecodedText &decoded)
{
    const batch::FileInfo info{QStringLiteral("sunset"), QStringLiteral(".gif"), QStringLiteral("2004-03-07"),
                               QStringLiteral("20480"), QStringLiteral("/pics/sunset.gif")};
    Notices notices;
    const std::optional<QString> text = batch::metadataText(decoded.text, info, notices);
    // What batch would write is XML, or nothing is written.
    XmlDocument written;
    if (text && !written.loadXML(*text))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // A program folder of its own, for the fragments the walks store.
    static QTemporaryDir folder;
    QDir(folder.path()).mkpath(QStringLiteral("temp12"));
    QDir(folder.path()).mkpath(QStringLiteral("temp"));
    setProgramFolder(folder.path());
    g_schemas = std::make_shared<SchemaCache>();
    g_schemas->add(QString::fromLatin1(kImsMd12Namespace), QStringLiteral(TAGSMITH_PROGRAM_DIR "/imsmd_v1p2p2.xsd"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const DecodedText decoded = decodeTextFile(bytes);
    isScorm2004Document(decoded.text);

    XmlDocument checked;
    checked.setSchemas(g_schemas);
    checked.loadXML(decoded.text);

    importScorm12(decoded);
    importScorm2004(decoded);
    fillTemplate(decoded);
    return 0;
}

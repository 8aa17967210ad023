// libFuzzer target: the bytes of a file go through what opening it does before anything reaches a window:
// decoding, the choice of binding, the header cut, the parse (with the schema, as the parse check has it),
// the SCORM 1.2 walk with its fragments, and the text of every node and attribute.

#include "model12/import12.h"

#include "platform/programfolder.h"
#include "platform/schemacache.h"
#include "platform/textfile.h"
#include "platform/xmldocument.h"
#include "shared/metadataheader.h"

#include <QDir>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
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

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // A program folder of its own, for the fragments the walk stores.
    static QTemporaryDir folder;
    QDir(folder.path()).mkpath(QStringLiteral("temp12"));
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

    Notices notices;
    const std::optional<StrippedMetadata> stripped = stripHeader(decoded.text, notices);
    if (!stripped)
        return 0;
    XmlDocument document;
    if (!document.loadXML(stripped->text) && !document.loadXML(stripped->original))
        return 0;
    std::size_t seen = 0;
    walk(document.documentElement(), seen);
    Record12 record = clearedRecord12();
    parseMetadata(document, record, notices);
    return 0;
}

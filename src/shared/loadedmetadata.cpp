#include "loadedmetadata.h"

namespace ts {

LoadedMetadata loadMetadataFile(const QString &path, const MetadataForm &form)
{
    LoadedMetadata loaded;
    const std::optional<StrippedMetadata> stripped = removeHeader(path, loaded.notices, form.generalTag);
    if (!stripped)
        return loaded;
    auto document = std::make_unique<XmlDocument>();
    const QString &first = form.wholeTextFirst ? stripped->original : stripped->text;
    const QString &second = form.wholeTextFirst ? stripped->text : stripped->original;
    if (!document->loadXML(first)) {
        // The failure is told by the file's own lines, not by those of the text without its header.
        const ParseError firstError = document->parseError();
        if (!document->loadXML(second)) {
            loaded.parseError = form.wholeTextFirst ? firstError : document->parseError();
            loaded.headerCut = true;
            loaded.header = stripped->header;
            return loaded;
        }
    }
    if (form.findGeneral(*document).isNull()) {
        // The "<general>" that was found is no element of the document (it stands in a place the cut did
        // not tell from markup).
        loaded.notices.append(invalidMetadataFileNotice());
        return loaded;
    }
    loaded.headerCut = true;
    loaded.header = stripped->header;
    loaded.document = std::move(document);
    return loaded;
}

} // namespace ts

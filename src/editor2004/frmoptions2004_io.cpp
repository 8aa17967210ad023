// The SCORM 2004 editor window's reading of metadata files: the window's side of the reader, which knows
// no widgets.

#include "frmoptions2004.h"

#include "import2004.h"
#include "record2004binding.h"

#include "frame/frmmain.h"
#include "model2004/reader2004.h"
#include "platform/xmldocument.h"
#include "shared/metadataheader.h"
#include "shared/notice.h"

namespace ts {

MetadataEditor::ReadOutcome FrmOptions2004::readMetadataFile(const QString &path)
{
    if (!initXMLParser2004())
        return ReadOutcome::NotRead;
    Notices notices;
    const std::optional<StrippedMetadata> stripped = removeHeader(path, notices);
    showNotices(notices);
    if (!stripped)
        return ReadOutcome::NotRead;
    side2004().metadataHeader2004 = stripped->header;
    XmlDocument &doc = *side2004().xmlDoc2004;
    // A document that does not parse leaves the record in the editor as it was.
    if (!doc.loadXML(stripped->text))
        return ReadOutcome::NotParsed; // the opening's parse check reports why
    clearAll();
    Record2004 read = readRecord(*this);
    Notices found;
    const bool whole = parseMetadata2004(doc, read, found);
    FrmMain &main = frmMain();
    const bool filling = main.dontValidate;
    main.dontValidate = true;
    putRecord(*this, read);
    main.dontValidate = filling;
    showNotices(found);
    return whole ? ReadOutcome::Read : ReadOutcome::ReadFailed;
}

XmlDocument &FrmOptions2004::xmlDocument()
{
    if (!side2004().xmlDoc2004)
        initXMLParser2004();
    return side2004().xmlDoc2004 ? *side2004().xmlDoc2004 : MetadataEditor::xmlDocument();
}

} // namespace ts

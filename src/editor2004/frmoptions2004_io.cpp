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

MetadataEditor::ReadOutcome FrmOptions2004::readMetadataFile(LoadedMetadata &loaded)
{
    if (!initXMLParser2004())
        return ReadOutcome::NotRead;
    if (!loaded.headerCut) {
        showNotices(loaded.notices);
        return ReadOutcome::NotRead; // no general element, or no access to the file
    }
    side2004().metadataHeader2004 = loaded.header;
    // A document that does not parse leaves the record in the editor as it was.
    if (!loaded.document) {
        showNotices(loaded.notices);
        return ReadOutcome::NotParsed; // the opening's parse check reports why
    }
    clearAll();
    Record2004 read = readRecord(*this);
    const bool whole = parseMetadata2004(*loaded.document, read, loaded.notices);
    FrmMain &main = frmMain();
    const bool filling = main.dontValidate;
    main.dontValidate = true;
    putRecord(*this, read);
    main.dontValidate = filling;
    showNotices(loaded.notices);
    return whole ? ReadOutcome::Read : ReadOutcome::ReadFailed;
}

XmlDocument &FrmOptions2004::xmlDocument()
{
    if (!side2004().xmlDoc2004)
        initXMLParser2004();
    return side2004().xmlDoc2004 ? *side2004().xmlDoc2004 : MetadataEditor::xmlDocument();
}

} // namespace ts

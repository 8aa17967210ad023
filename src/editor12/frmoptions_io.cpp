// The SCORM 1.2 editor window's writers and its reading of metadata files: the window's side of the
// writer and import libraries, which know no widgets.
#include "frmoptions.h"
#include "model12/import12.h"
#include "record12binding.h"

#include "frame/frmmain.h"
#include "frame/globals.h"
#include "platform/xmldocument.h"
#include "shared/metadataheader.h"
#include "shared/notice.h"
#include "model12/writer12.h"

namespace ts {

QString FrmOptions::createAggregation(bool forTemplate) { return runWriter12(Writer12::Aggregation, forTemplate); }

void FrmOptions::createSCO() { runWriter12(Writer12::SCO, false); }

void FrmOptions::createAsset()
{
    wrap = QStringLiteral("\r\n");
    runWriter12(Writer12::Asset, false);
}

QString FrmOptions::runWriter12(Writer12 writer, bool forTemplate)
{
    return runWriter([this, writer] { return writeDocument12(writer, readRecord(*this), writeContext()); },
                     forTemplate);
}

MetadataEditor::ReadOutcome FrmOptions::readMetadataFile(LoadedMetadata &loaded)
{
    const ImportResult result = importLoadedMetadata(loaded, clearedRecord12());
    // The editor is cleared and filled only with a document that was read: a file that cannot be parsed
    // leaves the record in the editor as it was.
    if (result.loaded) {
        clearAll();
        FrmMain &main = frmMain();
        const bool filling = main.dontValidate;
        main.dontValidate = true;
        putRecord(*this, result.record);
        main.dontValidate = filling;
    }
    showNotices(result.notices);
    if (!result.headerCut)
        return ReadOutcome::NotRead; // no general element, or no access to the file
    if (!result.loaded)
        return ReadOutcome::NotParsed;
    return result.ok ? ReadOutcome::Read : ReadOutcome::ReadFailed;
}

XmlDocument &FrmOptions::xmlDocument()
{
    if (!globals().xmlDoc) {
        globals().xmlDoc = std::make_shared<XmlDocument>();
        globals().xmlDoc->setSchemas(globals().schemaCache);
    }
    return *globals().xmlDoc;
}

} // namespace ts

// The SCORM 1.2 editor window's writers and its reading of metadata files: the window's side of the
// writer and import libraries, which know no widgets.
#include "frmoptions.h"
#include "model12/import12.h"
#include "record12binding.h"

#include "frame/frmdocument.h"
#include "frame/frmmain.h"
#include "frame/frmprocessing.h"
#include "frame/globals.h"
#include "platform/programfolder.h"
#include "platform/xmldocument.h"
#include "shared/metadataheader.h"
#include "shared/notice.h"
#include "model12/writer12.h"

#include <QDate>

namespace ts {

QString FrmOptions::createAggregation(bool forTemplate) { return runWriter(WriterKind::Aggregation, forTemplate); }

void FrmOptions::createSCO() { runWriter(WriterKind::SCO, false); }

void FrmOptions::createAsset()
{
    wrap = QStringLiteral("\r\n");
    runWriter(WriterKind::Asset, false);
}

WriteContext12 FrmOptions::writeContext() const
{
    WriteContext12 context;
    context.optionalOnly = optionalOnly;
    context.today = QDate::currentDate();
    if (!globals().languageCode.isEmpty())
        context.languageCode = globals().languageCode;
    context.programDir = programFolder();
    return context;
}

QString FrmOptions::runWriter(WriterKind kind, bool forTemplate)
{
    frmProcessing().showModal();
    frmProcessing().doneProcessing = false;
    const WriteContext12 context = writeContext();

    const Writer12 writer = kind == WriterKind::SCO     ? Writer12::SCO
                            : kind == WriterKind::Asset ? Writer12::Asset
                                                        : Writer12::Aggregation;
    xmlFile.clear();
    const WriteResult12 result = writeDocument12(writer, readRecord(*this), context);
    // Back to the field the check stopped at.
    if (result.status == WriteStatus12::Stopped && result.focus.isSet())
        focusField(result.focus.control, result.focus.tab, result.focus.clear, result.focus.enable);
    if (!result.done())
        return {};
    xmlFile = result.text;
    if (forTemplate)
        return result.text;
    if (showXML(result.text))
        frmDocument().showChild();
    else
        reportShowXmlRefused12();
    return {};
}

MetadataEditor::ReadOutcome FrmOptions::readMetadataFile(const QString &path)
{
    const ImportResult result = importMetadataFile(path, clearedRecord12());
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
        return ReadOutcome::NotRead; // no header to cut, or no access to the file
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

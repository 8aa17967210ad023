// The SCORM 1.2 editor's classifications: each one the list names is kept as a fragment file temp12/<id>.xml
// below the program folder, written from the classification fields and read back into them.

#include "frmoptions.h"
#include "record12binding.h"

#include "model12/buildxml.h"
#include "model12/reader12.h"
#include "model12/writer12.h"
#include "platform/programfolder.h"
#include "shared/notice.h"

#include <QListWidget>

namespace ts {

bool FrmOptions::writeClassification(const QString &id)
{
    // The id is checked as a file name first; a refused id or a failed write is said, and nothing is listed.
    return buildClassificationXML(id, readRecord(*this), writeContext());
}

void FrmOptions::readClassification(const QString &id)
{
    const QString text = kit::readFragmentFile(fragmentPath12(programFolder(), id));
    // The reader sets what the fragment holds and leaves the other fields as they are.
    Record12 entry = readRecord(*this);
    entry.lstTaxon.clear();
    Notices notices;
    parseClassification(text, entry, notices);
    setFieldText(QStringLiteral("classificationCombo"), entry.classificationCombo);
    setFieldText(QStringLiteral("classificationText"), entry.classificationText);
    setFieldText(QStringLiteral("classificationKeywordsText"), entry.classificationKeywordsText);
    setFieldText(QStringLiteral("txtTaxonSource"), entry.txtTaxonSource);
    static_cast<QListWidget *>(control(QStringLiteral("lstTaxon")))->addItems(entry.lstTaxon);
    showNotices(notices);
}

} // namespace ts

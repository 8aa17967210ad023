// The SCORM 2004 editor as a window around its writers: the durations and age range composed from their
// lists, the writers, the export, the classifications kept as fragment files temp/<id>.xml, and what its
// closing asks when the save prompt was closed without an answer.

#include "frmoptions2004.h"

#include "checks2004.h"
#include "record2004binding.h"

#include "frame/frmmain.h"
#include "frame/templates.h"
#include "model2004/build2004.h"
#include "model2004/duration2004.h"
#include "model2004/reader2004.h"
#include "model2004/writer2004.h"
#include "platform/dialogs.h"
#include "platform/programfolder.h"
#include "shared/fileutil.h"
#include "shared/notice.h"

#include <QComboBox>
#include <QListWidget>

namespace ts {

namespace {
const char *const kDurationParts[6] = {"cboYrDuration",   "cboMoDuration",  "cboDayDuration",
                                       "cboHourDuration", "cboMinDuration", "cboSecDuration"};
const char *const kTypicalTimeParts[6] = {"cboYear", "cboMonth", "cboDay", "cboHour", "cboMin", "cboSec"};
} // namespace

// ----- Durations and age range -----

void FrmOptions2004::calculateDuration() { composeDurationInto(kDurationParts, "txtDuration", "calculateDuration()"); }

void FrmOptions2004::calulateTypicalTime()
{
    composeDurationInto(kTypicalTimeParts, "txtTypicalTime", "calculateTypicalTime()");
}

void FrmOptions2004::composeDurationInto(const char *const (&parts)[6], const char *box, const char *procedure)
{
    try {
        const auto part = [this, &parts](int i) { return fieldText(QString::fromLatin1(parts[i])); };
        DurationParts values{part(0), part(1), part(2), part(3), part(4), part(5)};
        const QString text = composeDuration(values);
        // An empty list shows "00" afterwards; typed parts stay as they are.
        const QString composed[6] = {values.years, values.months,  values.days,
                                     values.hours, values.minutes, values.seconds};
        for (int i = 0; i < 6; ++i)
            if (part(i) != composed[i])
                setFieldText(QString::fromLatin1(parts[i]), composed[i]);
        setFieldText(QString::fromLatin1(box), text);
    } catch (const std::exception &e) {
        reportFailure(e, QString::fromLatin1(procedure));
    }
}

void FrmOptions2004::cboMaxAge_Click()
{
    const QString minAge = fieldText(QStringLiteral("cboMinAge"));
    const QString maxAge = fieldText(QStringLiteral("cboMaxAge"));
    const bool noBound = minAge.isEmpty() && (maxAge.isEmpty() || maxAge.toLower() == QLatin1String("no max"));
    setFieldText(QStringLiteral("txtTypicalAgeRange"), noBound ? QString() : composeAgeRange(minAge, maxAge));
}

// ----- Writers and export -----

QString FrmOptions2004::createAggregation(bool forTemplate)
{
    return runWriter2004(Writer2004::Aggregation, forTemplate);
}

void FrmOptions2004::createSCO() { runWriter2004(Writer2004::SCO, false); }

void FrmOptions2004::createAsset() { runWriter2004(Writer2004::Asset, false); }

QString FrmOptions2004::runWriter2004(Writer2004 writer, bool forTemplate)
{
    // The texts the writers write are composed afresh from the lists as they are now.
    calculateDuration();
    calulateTypicalTime();
    return runWriter([this, writer] { return writeDocument2004(writer, readRecord(*this), writeContext()); },
                     forTemplate);
}

void FrmOptions2004::cmbMakeXML_Click()
{
    // The category of an export is the text the list shows now; assets require less.
    const std::optional<Writer2004> category = writerForCategory2004(cboSelectCategory()->currentText());
    const Writer2004 writer = category.value_or(Writer2004::Aggregation);
    const std::optional<bool> relaxed = category ? std::optional<bool>(writer == Writer2004::Asset) : std::nullopt;
    exportRecord(relaxed, kit::rows(checks2004::kCategories), [this, writer] {
        switch (writer) {
        case Writer2004::Aggregation:
            createAggregation(false);
            break;
        case Writer2004::SCO:
            createSCO();
            break;
        case Writer2004::Asset:
            createAsset();
            break;
        }
    });
}

bool FrmOptions2004::checkUserData(bool relaxed)
{
    return kit::checkUserData(*this, kit::rows(checks2004::kCategories), relaxed);
}

// ----- Classifications -----

bool FrmOptions2004::writeClassification(const QString &id)
{
    // The id is checked as a file name first; a refused id or a failed write is said, and nothing is listed.
    return buildClassificationXML2004(id, readRecord(*this), writeContext());
}

void FrmOptions2004::readClassification(const QString &id)
{
    const QString text = kit::readFragmentFile(fragmentPath2004(programFolder(), id));
    // The reader sets what the fragment holds and leaves the other fields as they are.
    Record2004 entry = readRecord(*this);
    entry.lstTaxon.clear();
    Notices notices;
    parseClassification2004(text, entry, notices);
    setFieldText(QStringLiteral("classificationCombo"), entry.classificationCombo);
    setFieldText(QStringLiteral("classificationText"), entry.classificationText);
    setFieldText(QStringLiteral("classificationKeywordsText"), entry.classificationKeywordsText);
    setFieldText(QStringLiteral("txtTaxonSource"), entry.txtTaxonSource);
    static_cast<QListWidget *>(control(QStringLiteral("lstTaxon")))->addItems(entry.lstTaxon);
    showNotices(notices);
}

// ----- Closing -----

bool FrmOptions2004::saveTemplateOnClosing()
{
    FileDialogOptions options;
    options.title = QStringLiteral("Save As Template");
    options.filter = QStringLiteral("Template Files (*.tsm)|*.tsm");
    options.initialDir = programPath(QStringLiteral("templates"));
    options.defaultExt = QStringLiteral("tsm");
    // Whatever folder is chosen, the template goes into the templates folder: the question of replacing one
    // is asked about that folder, below.
    options.confirmOverwrite = false;
    const std::optional<QString> chosen = dialogs().saveFile(options);
    if (!chosen)
        return false;
    const QString name = getFileName(*chosen);
    if (name.isEmpty() || !checkTemplateName(name))
        return false;
    const QString fileName = withTemplateExtension(name);
    return mayReplaceTemplate(fileName) && saveTemplate(fileName, frmMain().scormVersion);
}

} // namespace ts

// The SCORM 1.2 editor as a window: its export, its "Browse..." button, and what its closing asks when the
// save prompt was closed without an answer.

#include "checks12.h"
#include "frmoptions.h"

#include "frame/frmmain.h"
#include "frame/frmmetadatadefaultslist.h"
#include "frame/templates.h"
#include "model12/writer12.h"
#include "platform/dialogs.h"
#include "shared/apperror.h"
#include "shared/fileutil.h"

#include <QComboBox>

namespace ts {

namespace {

QString owner() { return QStringLiteral("Form frmOptions"); }

} // namespace

void FrmOptions::cmbMakeXML_Click()
{
    // The category of an export is the text the list shows now; assets require less.
    const std::optional<Writer12> writer = writerForCategory12(cboSelectCategory()->currentText());
    const std::optional<bool> relaxed = writer ? std::optional<bool>(*writer == Writer12::Asset) : std::nullopt;
    exportRecord(relaxed, kit::rows(checks12::kCategories), [this, writer] {
        switch (*writer) {
        case Writer12::Aggregation:
            createAggregation(false);
            break;
        case Writer12::SCO:
            createSCO();
            break;
        case Writer12::Asset:
            createAsset();
            break;
        }
    });
}

bool FrmOptions::checkUserData(bool relaxed) { return kit::checkUserData(*this, kit::rows(checks12::kCategories), relaxed); }

void FrmOptions::cmdBrowse_Click()
{
    try {
        FileDialogOptions options;
        options.title = QStringLiteral("Select File");
        options.filter = QStringLiteral("All Files (*.*)|*.*");
        const std::optional<QString> chosen = dialogs().openFile(options);
        if (!chosen || chosen->isEmpty())
            return;
        // The location names the folder of the chosen file, with its closing separator.
        setFieldText(QStringLiteral("locationText"), chosen->left(chosen->size() - getFileName(*chosen).size()));
    } catch (const std::exception &e) {
        reportError(e, QStringLiteral("cmdBrowse_Click"), owner());
    }
}

bool FrmOptions::Form_QueryUnload()
{
    if (frmMetadataDefaultsListLoaded())
        delete &frmMetadataDefaultsList();
    return EditorWindow::Form_QueryUnload();
}

bool FrmOptions::saveTemplateOnClosing()
{
    const QString name = inputBox(QStringLiteral("Template Name: "));
    if (name.isEmpty())
        return true;
    if (!checkTemplateName(name))
        return false;
    // A No to replacing an existing template closes without saving.
    const QString fileName = withTemplateExtension(name);
    if (!mayReplaceTemplate(fileName))
        return true;
    return saveTemplate(fileName, frmMain().scormVersion);
}

} // namespace ts

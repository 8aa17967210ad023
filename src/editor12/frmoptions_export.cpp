// The SCORM 1.2 editor as a window: its export, its template "Save" and "Browse..." buttons, and its closing,
// which offers to keep the record as a template.

#include "checks12.h"
#include "frmoptions.h"

#include "frame/frmdocument.h"
#include "frame/frmmain.h"
#include "frame/frmmetadatadefaultslist.h"
#include "frame/handover.h"
#include "frame/settings.h"
#include "frame/templates.h"
#include "model12/writer12.h"
#include "platform/dialogs.h"
#include "shared/apperror.h"
#include "shared/fileutil.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QTimer>

namespace ts {

namespace {

QString owner() { return QStringLiteral("Form frmOptions"); }

// Closing leaves nothing in the File menu that acts on the record.
void disableRecordCommands()
{
    for (const char *name : {"mnuSaveasTemplate", "mnuExport"})
        if (QAction *action = frmMain().action(QString::fromLatin1(name)))
            action->setEnabled(false);
}

} // namespace

void FrmOptions::cmbMakeXML_Click()
{
    try {
        // The category of an export is the text the list shows now.
        const std::optional<Writer12> writer = writerForCategory12(cboSelectCategory()->currentText());
        if (!writer) {
            msgBox(QStringLiteral("Select a Metadata Category"), Buttons::Ok, Icon::Exclamation,
                   QStringLiteral("Missing Information"));
            isValid = false;
            return;
        }
        // Assets require less.
        isValid = checkUserData(*writer == Writer12::Asset);
        if (!isValid)
            return;
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
        // The text window the writer opened comes into view, also when the writer stopped at a check.
        // Minimising makes the editor the area's active child; the text window is made active again.
        setChildState(Qt::WindowMinimized);
        if (frmDocumentLoaded() && frmDocument().isShownChild())
            frmDocument().showChild();
    } catch (const std::exception &e) {
        reportError(e, QStringLiteral("cmbMakeXML_Click"), owner(), true);
    }
}

bool FrmOptions::checkUserData(bool relaxed) { return kit::checkUserData(*this, kit::rows(checks12::kCategories), relaxed); }

void FrmOptions::cmdSetDefaults_Click()
{
    wrap = QStringLiteral("\r\n");
    EditorWindow::cmdSetDefaults_Click();
}

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
    bool holding = false;
    try {
        if (frmMetadataDefaultsListLoaded())
            delete &frmMetadataDefaultsList();
        // Taken as a whole number: a missing or odd setting is a type mismatch, and the window closes.
        bool isNumber = false;
        const int showSaveOptions = readSetting(QStringLiteral("showSaveOptions")).trimmed().toInt(&isNumber);
        if (!isNumber)
            throw AppError(err::TypeMismatch, QStringLiteral("Type mismatch"));
        if (showSaveOptions == 0) {
            disableRecordCommands();
            return true;
        }
        holding = true;
        switch (showSaveAsTemplatePrompt()) {
        case SavePromptAnswer::DontSave:
            return true;
        case SavePromptAnswer::Cancel:
            return false;
        case SavePromptAnswer::Closed:
            break;
        }
        if (!saveTemplateOnClosing()) {
            // The record the user meant to keep stays, and so does the program when it was closing.
            frmMain().cancelExit = true;
            return false;
        }
        disableRecordCommands();
        return true;
    } catch (const AppError &e) {
        if (e.number != err::TypeMismatch)
            reportError(e, QStringLiteral("Form_QueryUnload"), owner(), true);
    } catch (const std::exception &e) {
        reportError(e, QStringLiteral("Form_QueryUnload"), owner(), true);
    }
    return !holding;
}

bool FrmOptions::saveTemplateOnClosing()
{
    const QString name = inputBox(QStringLiteral("Template Name: "));
    if (name.isEmpty())
        return true;
    if (!checkTemplateName(name))
        return false;
    const QString fileName = name + QStringLiteral(".tsm");
    if (fileExists(templatePath(fileName)) &&
        msgBox(QStringLiteral("The file name you specified already exists.\rDo you want to overwrite?"),
               Buttons::YesNo) != Answer::Yes)
        return true;
    return saveTemplate(fileName, frmMain().scormVersion);
}

void FrmOptions::closeEvent(QCloseEvent *event)
{
    if (!Form_QueryUnload()) {
        event->ignore();
        return;
    }
    event->accept();
    // Closing unloads the window; the next use creates it anew. It goes once the close has finished.
    QTimer::singleShot(0, this, [this] { unload(); });
}

} // namespace ts

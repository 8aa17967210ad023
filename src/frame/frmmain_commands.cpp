// The main window's File, Preferences and Tools commands that act on the XML text window, the editors and
// the templates.
#include "frmmain.h"

#include "editors.h"
#include "frmdocument.h"
#include "frmgettingstarted.h"
#include "frmmetadatadefaultslist.h"
#include "globals.h"
#include "templates.h"

#include "platform/dialogs.h"
#include "platform/programfolder.h"
#include "platform/qt/printer.h"
#include "platform/textfile.h"
#include "shared/apperror.h"
#include "shared/fileutil.h"
#include "shared/textutil.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>

namespace ts {

namespace {

const QString kOwner = QStringLiteral("Form frmMain");

AppError cancelled() { return AppError(err::DialogCancelled, QStringLiteral("Cancel was selected.")); }

// Shows the template list in the given mode, or brings it to front in that mode when it is shown already.
void showTemplateList(const QString &mode)
{
    globals().templateFormMode = mode;
    FrmMetadataDefaultsList &list = frmMetadataDefaultsList();
    const bool shown = list.isVisible();
    list.show();
    if (shown)
        list.setUI();
    list.raise();
    list.activateWindow();
}

} // namespace

QString dataFolder()
{
    const QString data = programPath(QStringLiteral("data"));
    return QFileInfo(data).isDir() ? data : programFolder();
}

FrmDocument *FrmMain::activeDocument() const
{
    const QMdiSubWindow *sub = m_mdiArea->currentSubWindow();
    return sub && !sub->isHidden() ? qobject_cast<FrmDocument *>(sub->widget()) : nullptr;
}

bool FrmMain::hasActiveChild() const
{
    const QMdiSubWindow *sub = m_mdiArea->currentSubWindow();
    return sub && !sub->isHidden();
}

void FrmMain::mnufile_Click()
{
    const bool editorCommands = !activeDocument() && editorLoaded(activeBinding());
    action(QStringLiteral("mnuSaveasTemplate"))->setEnabled(editorCommands);
    action(QStringLiteral("mnuExport"))->setEnabled(editorCommands);
}

void FrmMain::mnuOpenTemplate_Click()
{
    dontValidate = true;
    try {
        FileDialogOptions options;
        options.title = QStringLiteral("Select Template");
        options.initialDir = programPath(QStringLiteral("templates"));
        options.filter = QStringLiteral("Template File (*.tsm)|*.tsm");
        const std::optional<QString> chosen = dialogs().openFile(options);
        if (!chosen)
            throw cancelled();
        if (chosen->isEmpty() || getExtension(*chosen) != QLatin1String(".tsm")) {
            msgBox(getFileName(*chosen) + QStringLiteral(" is not a vaild template file."), Buttons::Ok,
                   Icon::Exclamation, QStringLiteral("Invalid File"));
        } else {
            if (fileExists(*chosen))
                openTemplate(*chosen);
            editorWindow(activeBinding()).showChild();
        }
    } catch (const AppError &e) {
        if (e.number == err::OutOfMemory)
            msgBox(QStringLiteral("Low System Memory. Try shutting down one or more applications."), Buttons::Ok,
                   Icon::Critical, QStringLiteral("Low Memory"));
        else if (e.number != err::DialogCancelled)
            reportError(e, QStringLiteral("mnuOpenTemplate_Click"), kOwner);
    } catch (const std::exception &e) {
        reportError(e, QStringLiteral("mnuOpenTemplate_Click"), kOwner);
    }
    dontValidate = false;
}

bool FrmMain::saveDocument(FrmDocument &document, const QString &path)
{
    QString error;
    // The file is written in UTF-8, whatever encoding the file it was opened from declared, and the window
    // then shows the text that the file holds.
    const QString written = declaredUtf8(document.text());
    if (writeTextFile(path, withCrLf(written), &error)) {
        document.showWrittenText(written);
        return true;
    }
    // The file on the disk is as it was before.
    msgBox(QStringLiteral("Your file may not have been saved.\r") + QDir::toNativeSeparators(path) +
               QStringLiteral(": ") + error,
           Buttons::Ok, Icon::Exclamation, QStringLiteral("File Save Interrupted"));
    return false;
}

void FrmMain::mnuFileSave_Click()
{
    FrmDocument *document = activeDocument();
    if (!document)
        return;
    // A text that has no file yet (an export) is saved under a name the user chooses.
    if (document->filePath().isEmpty())
        mnuFileSaveAs_Click();
    else
        saveDocument(*document, document->filePath());
}

void FrmMain::mnuFileSaveAs_Click()
{
    FrmDocument *document = activeDocument();
    if (!document)
        return;
    try {
        FileDialogOptions options;
        options.title = QStringLiteral("Save As");
        options.filter = QStringLiteral("XML Files (*.xml)|*.xml");
        const QFileInfo current(document->filePath());
        options.initialDir = document->filePath().isEmpty() ? dataFolder() : current.absolutePath();
        options.fileName = current.fileName();
        const std::optional<QString> chosen = dialogs().saveFile(options);
        if (!chosen || chosen->isEmpty())
            return;
        // The caption and the window's file change only once the text is in the file.
        if (!saveDocument(*document, *chosen))
            return;
        document->setFilePath(*chosen);
        // The record is in that file now.
        m_lblCurFile->setText(getFileName(*chosen));
    } catch (const std::exception &) {
        msgBox(QStringLiteral("Your file may not have been saved."), Buttons::Ok, Icon::Exclamation,
               QStringLiteral("File Save Interrupted"));
    }
}

void FrmMain::mnuSaveasTemplate_Click()
{
    try {
        const std::optional<QString> typed = dialogs().input(QStringLiteral("Template Name: "), QString(), QString());
        if (!typed || !checkTemplateName(*typed))
            return;
        const QString fileName = *typed + QStringLiteral(".tsm");
        const bool exists = fileExists(templatePath(fileName));
        if (exists && msgBox(QStringLiteral("The file name you specified already exists.\rDo you want to overwrite?"),
                             Buttons::YesNo) != Answer::Yes)
            return;
        // An existing template replaced is marked "Saved"; a record that could not be written is not.
        if (saveTemplate(fileName, scormVersion) && exists)
            editorWindow(activeBinding()).showSavedStatus(QStringLiteral("Saved"));
    } catch (const std::exception &e) {
        reportError(e, QStringLiteral("mnuSaveasTemplate_Click"), kOwner);
    }
}

void FrmMain::mnuFilePageSetup_Click()
{
    try {
        pageSetup(programPrinter());
    } catch (...) {
        // The printer's settings stay as they were.
    }
}

void FrmMain::mnuFilePrint_Click()
{
    FrmDocument *document = activeDocument();
    if (!document)
        return;
    try {
        QPrinter &printer = programPrinter();
        // The print dialog offers the selection, chosen already, when there is one.
        printer.setPrintRange(document->hasSelection() ? QPrinter::Selection : QPrinter::AllPages);
        document->print(printer);
    } catch (...) {
        // Printing ends where it failed.
    }
}

void FrmMain::mnuExport_Click()
{
    try {
        editorWindow(activeBinding()).cmbMakeXML_Click();
    } catch (const std::exception &) {
        msgBox(QStringLiteral("Can not generate, no information available"), Buttons::Ok, Icon::Exclamation,
               QStringLiteral("Notice"));
    }
}

void FrmMain::mnuDefaults_Click() { showTemplateList(QStringLiteral("Set_Default_Mode")); }

void FrmMain::mnuResetDefaults_Click()
{
    FrmGettingStarted &defaults = frmGettingStarted();
    defaults.show();
    defaults.raise();
    defaults.activateWindow();
}

void FrmMain::mnuTemplateCreator_Click()
{
    MetadataEditor &editor = editorWindow(activeBinding());
    editor.showChild();
    editor.setChildState(Qt::WindowNoState);
    showTemplateList(QStringLiteral("Edit_Mode"));
}

} // namespace ts

// What both editor windows do around their writers: a writer run, the export, the template "Save" button and
// closing with its offer to keep the record as a template.

#include "editorwindow.h"

#include "frame/frmdocument.h"
#include "frame/frmmain.h"
#include "frame/frmprocessing.h"
#include "frame/globals.h"
#include "frame/handover.h"
#include "frame/settings.h"
#include "platform/dialogs.h"
#include "platform/programfolder.h"
#include "shared/apperror.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QTimer>

namespace ts::kit {

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

WriteContext EditorWindow::writeContext() const
{
    WriteContext context;
    context.optionalOnly = optionalOnly;
    context.today = QDate::currentDate();
    if (!globals().languageCode.isEmpty())
        context.languageCode = globals().languageCode;
    context.programDir = programFolder();
    return context;
}

QString EditorWindow::runWriter(const std::function<WriteResult()> &write, bool forTemplate)
{
    frmProcessing().showModal();
    frmProcessing().doneProcessing = false;
    xmlFile.clear();
    const WriteResult result = write();
    // Back to the field the check stopped at.
    if (result.status == WriteStatus::Stopped && result.focus.isSet())
        focusField(result.focus.control, result.focus.tab, result.focus.clear, result.focus.enable);
    if (!result.done())
        return {};
    xmlFile = result.text;
    if (forTemplate)
        return result.text;
    if (showXML(result.text))
        frmDocument().showChild();
    else
        reportShowXmlRefused();
    return {};
}

void EditorWindow::exportRecord(std::optional<bool> relaxed, std::span<const RequiredCategory> checks,
                                const std::function<void()> &write)
{
    try {
        if (!relaxed) {
            msgBox(QStringLiteral("Select a Metadata Category"), Buttons::Ok, Icon::Exclamation,
                   QStringLiteral("Missing Information"));
            isValid = false;
            return;
        }
        isValid = kit::checkUserData(*this, checks, *relaxed);
        if (!isValid)
            return;
        write();
        // The text window the writer opened comes into view, also when the writer stopped at a check.
        // Minimising makes the editor the area's active child; the text window is made active again.
        setChildState(Qt::WindowMinimized);
        if (frmDocumentLoaded() && frmDocument().isShownChild())
            frmDocument().showChild();
    } catch (const std::exception &e) {
        reportError(e, QStringLiteral("cmbMakeXML_Click"), owner(), true);
    }
}

void EditorWindow::cmdSetDefaults_Click()
{
    wrap = QStringLiteral("\r\n");
    MetadataEditor::cmdSetDefaults_Click();
}

bool EditorWindow::Form_QueryUnload()
{
    bool holding = false;
    try {
        // A type mismatch in the setting closes the window.
        if (saveOptionsSetting() == 0) {
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

int EditorWindow::saveOptionsSetting() const
{
    bool isNumber = false;
    const int value = readSetting(QStringLiteral("showSaveOptions")).trimmed().toInt(&isNumber);
    if (!isNumber)
        throw AppError(err::TypeMismatch, QStringLiteral("Type mismatch"));
    return value;
}

void EditorWindow::closeEvent(QCloseEvent *event)
{
    if (!Form_QueryUnload()) {
        event->ignore();
        return;
    }
    event->accept();
    // Closing unloads the window; the next use creates it anew. It goes once the close has finished.
    QTimer::singleShot(0, this, [this] { unload(); });
}

} // namespace ts::kit

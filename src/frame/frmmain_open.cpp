// Opening a metadata file or a template into the editor of its binding, and File > Open and File > New.
#include "frmmain.h"

#include "editors.h"
#include "frmdocument.h"
#include "handover.h"
#include "settings.h"
#include "templates.h"

#include "platform/dialogs.h"
#include "platform/programfolder.h"
#include "platform/textfile.h"
#include "platform/xmldocument.h"
#include "shared/apperror.h"
#include "shared/fileutil.h"
#include "shared/metadataheader.h"
#include "shared/notice.h"
#include "shared/readcheck.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>

namespace ts {

namespace {

const QString kOwner = QStringLiteral("Form frmMain");

QString bindingName(Binding b)
{
    return b == Binding::Scorm2004 ? QStringLiteral("SCORM 2004") : QStringLiteral("SCORM 1.2");
}

Binding otherBinding(Binding b) { return b == Binding::Scorm2004 ? Binding::Scorm12 : Binding::Scorm2004; }

// The question before a content file's record is started from a default template of the other binding.
QString defaultTemplateQuestion(const QString &name, Binding templateBinding, Binding active)
{
    return QStringLiteral("The default template for content files, \"%1\", is a %2 template, and you are using the "
                          "%3 Editor.\rWould you like to switch to the %2 Editor now?")
        .arg(name, bindingName(templateBinding), bindingName(active));
}

// The name part of a path: after its last separator, the whole path when there is none.
QString namePart(const QString &path) { return getFileName(path); }

void problemLoading(const QString &text)
{
    msgBox(text, Buttons::Ok, Icon::Exclamation, QStringLiteral("Problem Loading File"));
}

// Reads the file to open, or says why it cannot be opened (nothing has changed then): a file in a form of bytes
// that is not read is refused by its decoding notice.
std::optional<DecodedText> readFileToOpen(const QString &path)
{
    const QFileInfo info(path);
    const QString shown = QDir::toNativeSeparators(path);
    if (info.isDir()) {
        problemLoading(shown + QStringLiteral(" is a folder, not a file."));
        return std::nullopt;
    }
    if (!info.isFile())
        throw AppError(err::FileNotFound, QStringLiteral("File not found"));
    if (const std::optional<QString> tooLarge = tooLargeToOpen(path)) {
        problemLoading(*tooLarge);
        return std::nullopt;
    }
    DecodedText decoded;
    QString reason;
    if (!readTextFile(path, decoded, &reason)) {
        problemLoading(shown + QStringLiteral(" could not be read.\r") + reason);
        return std::nullopt;
    }
    if (const std::optional<Notice> notice = decodingNotice(decoded, path))
        showNotices({*notice});
    if (decoded.unreadable)
        return std::nullopt;
    return decoded;
}

} // namespace

bool FrmMain::openSelectedFile(bool showValidateMessage, const QString &openFilePath, bool isTemplate)
{
    bool result = false;
    try {
        QString path = openFilePath;
        QString fileTitle;
        const bool fromDialog = openFilePath == QLatin1String("0");
        if (fromDialog) {
            FileDialogOptions options;
            options.title = QStringLiteral("Open");
            options.initialDir = dataFolder();
            options.filter = QStringLiteral("XML Files (*.xml)|*.xml");
            const std::optional<QString> chosen = dialogs().openFile(options);
            if (!chosen)
                throw AppError(err::DialogCancelled, QStringLiteral("Cancel was selected."));
            path = *chosen;
            fileTitle = namePart(path);
        }

        if (isTemplate)
            result = true;
        else if (getExtension(path) != QLatin1String(".xml"))
            return true;

        if (path == programPath(QStringLiteral("lrnschemaresolution.xml"))) {
            msgBox(QStringLiteral("This file is required for Tagsmith to run. Please do not edit."), Buttons::Ok,
                   Icon::Critical, QStringLiteral("Warning"));
            return true;
        }

        const std::optional<DecodedText> decoded = readFileToOpen(path);
        if (!decoded)
            return true;
        const QString &text = decoded->text;

        // The file is read and parsed before anything changes, and the record it is read for tells its binding.
        // One of the other binding that cannot be read is not worth a switch: the editor, the binding and the
        // current file stay, and nothing is asked.
        LoadedMetadata loaded;
        const Binding binding = loadInItsBinding(text, path, loaded);
        if (bindingName(binding) != scormVersion) {
            if (!loaded.parsed()) {
                showNotices(loaded.notices);
                if (loaded.headerCut)
                    showNotices({xmlFileParseNotice(loaded.parseError, path)});
                return true;
            }
            const QString question =
                binding == Binding::Scorm2004
                    ? QStringLiteral("You are trying to open a SCORM 2004 XML file using the SCORM 1.2 Editor.\r"
                                     "Would you like to switch to the SCORM 2004 Editor now?")
                    : QStringLiteral("You are trying to open a SCORM 1.2 XML file using the SCORM 2004 Editor.\r"
                                     "Would you like to switch to the SCORM 1.2 Editor now?");
            if (msgBox(question, Buttons::YesNo, Icon::None, QStringLiteral("Switch Modes?")) != Answer::Yes)
                return true;
        }

        // The editor of the file's binding, in front. It is cleared only once the document has loaded.
        MetadataEditor &editor = showEditorOf(binding);

        const MetadataEditor::ReadOutcome outcome = editor.readMetadataFile(loaded);
        if (outcome == MetadataEditor::ReadOutcome::NotRead)
            return true;
        if (outcome != MetadataEditor::ReadOutcome::Read)
            result = true;

        // The parse check, on the stripped text for a template and on the file as it is for a document,
        // which the text window shows (also when it could not be read, so that it can be mended by hand).
        XmlDocument &doc = editor.xmlDocument();
        if (isTemplate) {
            Notices ignored;
            const std::optional<StrippedMetadata> stripped = stripHeader(text, ignored);
            doc.loadXML(stripped ? stripped->text : text);
        } else {
            FrmDocument &window = frmDocument();
            window.setText(text);
            window.setFilePath(path);
            window.showChild();
            doc.loadXML(window.text());
        }
        if (!doc.parseError().ok()) {
            showNotices({xmlFileParseNotice(doc.parseError(), path)});
        } else if (showValidateMessage) {
            msgBox(QStringLiteral("Valid Metadata XML File\rRemember to check this file with the ADL Conformance "
                                  "Test Suite to receive a test log."));
        }

        // The label names the file whose record the editor holds, which stays when the file did not parse.
        if (outcome == MetadataEditor::ReadOutcome::NotParsed)
            return result;
        if (fromDialog) {
            m_lblCurFile->setText(namePart(fileTitle));
        } else {
            const QString name = namePart(path);
            m_lblCurFile->setText(name == m_lblDefTemp->text() ? newFileLabel() : name);
        }
    } catch (const AppError &e) {
        switch (e.number) {
        case err::DialogCancelled:
        case err::PathFileAccess:
            return true;
        case 10:
            break;
        case 12:
            msgBox(QStringLiteral("Unable to load metadata xml file."), Buttons::Ok, Icon::Exclamation,
                   QStringLiteral("Problem Loading File"));
            break;
        default:
            reportError(e, QStringLiteral("openSelectedFile"), kOwner);
            // A failed load is reported as such to the caller.
            return true;
        }
    } catch (const std::exception &e) {
        reportError(e, QStringLiteral("openSelectedFile"), kOwner);
        return true;
    }
    return result;
}

MetadataEditor &FrmMain::showEditorOf(Binding binding)
{
    if (editorLoaded(otherBinding(binding)))
        editorWindow(otherBinding(binding)).hideChild();
    MetadataEditor &editor = editorWindow(binding);
    if (editor.childState() & Qt::WindowMinimized)
        editor.setChildState(Qt::WindowMaximized);
    editor.showChild();
    scormVersion = bindingName(binding);
    m_lblScormVersion->setText(scormVersion);
    return editor;
}

MetadataEditor &FrmMain::recordFromDefaultTemplate(const QString &path)
{
    const Binding active = activeBinding();
    DecodedText decoded;
    const bool read = readTextFile(path, decoded) && !decoded.unreadable;
    // A template without values (the one installed with the program) gives the empty record of either
    // binding, and is not worth a question.
    bool readTemplate = !read || !templateHoldsNoValues(decoded.text);
    // Otherwise the template decides the editor, unless the user keeps the one in use, which then starts its
    // empty record. One of the other binding that cannot be read is not worth a question: its opening says why.
    const Binding binding = read && isScorm2004Document(decoded.text) ? Binding::Scorm2004 : Binding::Scorm12;
    Binding kept = active;
    if (readTemplate && read && binding != active && loadMetadata(binding, path).parsed()) {
        if (msgBox(defaultTemplateQuestion(getFileName(path), binding, active), Buttons::YesNo, Icon::None,
                   QStringLiteral("Switch Modes?")) == Answer::Yes)
            kept = binding;
        else
            readTemplate = false;
    }
    // In front, and cleared before the template is read: one that cannot be read leaves nothing of the record
    // shown before.
    MetadataEditor &editor = showEditorOf(kept);
    editor.clearAll();
    if (readTemplate) {
        // Read for its values, without naming what it holds beside them: that is named when the template
        // itself is opened.
        ReadCheck::Quiet quiet;
        openTemplate(path);
    }
    return editor;
}

void FrmMain::mnuFileOpen_Click()
{
    dontValidate = true;
    try {
        if (!openSelectedFile(false, QStringLiteral("0"), false) &&
            readSetting(QStringLiteral("showSelectMetadataCategory")).toInt() != 0)
            showMetadataCategoryDialog();
    } catch (const AppError &e) {
        if (e.number == err::OutOfMemory)
            showLowMemory();
        else if (e.number != err::PathFileAccess)
            reportError(e, QStringLiteral("mnuFileOpen_Click"), kOwner);
    } catch (const std::exception &e) {
        reportError(e, QStringLiteral("mnuFileOpen_Click"), kOwner);
    }
    dontValidate = false;
}

void FrmMain::mnuFileNew_Click()
{
    MetadataEditor &editor = editorWindow(activeBinding());
    auto clearEditor = [&] {
        action(QStringLiteral("mnuSaveasTemplate"))->setEnabled(false);
        action(QStringLiteral("mnuExport"))->setEnabled(false);
        editor.clearAll();
    };
    try {
        editor.showChild();
        // Taken as a whole number: a missing or non-numeric setting is a type mismatch, which clears the
        // editor and leaves the menu as it is.
        bool isNumber = false;
        const int showSaveOptions = readSetting(QStringLiteral("showSaveOptions")).trimmed().toInt(&isNumber);
        if (!isNumber)
            throw AppError(err::TypeMismatch, QStringLiteral("Type mismatch"));
        if (showSaveOptions == 0) {
            clearEditor();
            return;
        }
        switch (showSaveAsTemplatePrompt()) {
        case SavePromptAnswer::DontSave:
            editor.clearAll();
            return;
        case SavePromptAnswer::Cancel:
            return;
        case SavePromptAnswer::Closed:
            break;
        }
        FileDialogOptions options;
        options.title = QStringLiteral("Save As Template");
        options.filter = QStringLiteral("Template Files (*.tsm)|*.tsm");
        options.initialDir = programPath(QStringLiteral("templates"));
        const std::optional<QString> chosen = dialogs().saveFile(options);
        if (!chosen)
            throw AppError(err::DialogCancelled, QStringLiteral("Cancel was selected."));
        if (chosen->isEmpty())
            return;
        // The record is not cleared unless it was saved: a failed save keeps it.
        if (saveTemplate(getFileName(*chosen), scormVersion))
            clearEditor();
    } catch (const AppError &e) {
        switch (e.number) {
        case err::DialogCancelled:
        case err::TypeMismatch:
            editor.clearAll();
            break;
        case err::PathFileAccess:
            break;
        case err::ObjectNotSet:
            showError91();
            editor.clearAll();
            break;
        case err::OutOfMemory:
            showLowMemory();
            editor.clearAll();
            break;
        default:
            reportError(e, QStringLiteral("mnuFileNew_Click"), kOwner);
            editor.clearAll();
        }
    } catch (const std::exception &e) {
        reportError(e, QStringLiteral("mnuFileNew_Click"), kOwner);
        editor.clearAll();
    }
}

} // namespace ts

#pragma once
// The frame's view of the two metadata editor windows. The editor libraries build on the frame, so the
// frame reaches them through this interface; the program registers both at start.

#include "mdichild.h"

#include "shared/loadedmetadata.h"

#include <functional>

namespace ts {

class XmlDocument;

enum class Binding { Scorm12, Scorm2004 };

class MetadataEditor : public MdiChild {
    Q_OBJECT
public:
    using MdiChild::MdiChild;
    // Resets every field, option pair and list to the state of a new record.
    virtual void clearAll() = 0;
    // The whole document of a content aggregation; for a template it is answered, otherwise shown.
    virtual QString createAggregation(bool forTemplate) = 0;
    // Enables every data-entry control, whatever the category.
    virtual void enableAllInterface() = 0;
    // The editor's export: checks, then the writer of the chosen category.
    virtual void cmbMakeXML_Click() = 0;

    // Writes a text into the category list (cboSelectCategory) as the program does, picking the list's item
    // of that text where there is one; the editor reacts to it through its own category handling.
    virtual void putCategoryText(const QString &text);
    // Sets a text box's text (one line or several) or ticks a check box, found by its name, as the program
    // fills a field. False when the editor has no such control.
    bool putFieldText(const QString &name, const QString &text);
    bool tickCheckBox(const QString &name);

    // Template editing. In the template-editing state the category list (cboSelectCategory) and "Export
    // Metadata" (cmbMakeXML) are hidden and the template "Save" button (cmdSetDefaults) is shown; false puts
    // the window back in its normal state. The controls are found by those names.
    virtual void setTemplateEditing(bool editing);
    bool isTemplateEditing() const;
    // Shows a status text ("Saved") in the window's label lblSaved.
    virtual void showSavedStatus(const QString &text);
    // Resets what speaks of the record held before: the "Saved" status goes, and the main window's
    // current-file label shows a new record. Each clearAll runs it; an opening names its file afterwards.
    void resetRecordLabels();
    // Saves the record as templateFormMode says: in "Edit_Mode" as the template being edited (asking for a
    // name when there is none), in "Set_Default_Mode" as the default template; in any other mode nothing is
    // saved and the answer is true. False when nothing was written that should have been.
    bool saveEditedTemplate();
    // The template "Save" button: saves, then leaves template editing, clears the record, hides the
    // template list and switches the main window's menus on. A failed save keeps the record and the state.
    virtual void cmdSetDefaults_Click();
    // How the "Save" button reports a failure: the common error text ("in procedure cmbSetDefaults_Click of
    // <window>") by default, error 91 in its own box.
    virtual void reportTemplateSaveFailure(const std::exception &e);

    // How reading a metadata file into the editor went.
    enum class ReadOutcome {
        Read,       // the document was read whole
        ReadFailed, // the document was read, but not whole: the editor holds what was read
        NotParsed,  // the document could not be parsed: the editor holds the record it held before
        NotRead,    // nothing could be read (no general element, no access): the opening ends here
    };
    // Puts a metadata file that the reader of the editor's binding loaded (loadMetadata) into the editor and
    // shows what the reading has to say. The editor is cleared and filled only with a parsed document. The
    // file is never written.
    virtual ReadOutcome readMetadataFile(LoadedMetadata &loaded);
    // The XML document of the editor's binding, with its schemas, for the parse check of an opened file.
    virtual XmlDocument &xmlDocument();
};

// Registers how the reader of a binding loads its files, which needs no editor window.
void setMetadataLoader(Binding binding, std::function<LoadedMetadata(const QString &path)> loader);
// The file read and parsed by the reader of the binding; nothing is read without one.
LoadedMetadata loadMetadata(Binding binding, const QString &path);
// The binding of a metadata file whose decoded text is given, told by the record that is read as every program
// tells it (isScorm2004File), and the file as the reader of that binding loads it.
Binding loadInItsBinding(const QString &text, const QString &path, LoadedMetadata &loaded);

// Registers how to reach (and create on first use) the editor of a binding.
void setEditorAccessor(Binding binding, std::function<MetadataEditor &()> accessor,
                       std::function<bool()> isLoaded);
// The editor of the binding, created on first use.
MetadataEditor &editorWindow(Binding binding);
bool editorLoaded(Binding binding);
// The binding that frmMain().scormVersion names.
Binding activeBinding();

} // namespace ts

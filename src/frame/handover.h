#pragma once
// Questions the opening and File > New put to the user through windows of their own: the metadata
// category dialog and the save-as-template prompt.

#include <QString>

namespace ts {

// Asks for the metadata category of the file just opened (frmSelectMetadataCategory, modal), which the
// dialog puts into both editors.
void showMetadataCategoryDialog();

enum class SavePromptAnswer { DontSave, Cancel, Closed };
// Shows the save-as-template prompt frmMessage, which saves the record of the active editor itself on Yes.
// Yes and No both answer DontSave; Cancel (which sets frmMain().cancelExit) answers Cancel; a prompt
// closed without an answer answers Closed.
SavePromptAnswer showSaveAsTemplatePrompt();

} // namespace ts

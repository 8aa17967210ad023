#pragma once
// Questions the opening and File > New put to the user through windows of their own: the metadata
// category dialog and the save-as-template prompt. Until those windows exist, plain boxes stand in for
// them; the windows replace these functions' bodies.

#include <QString>

namespace ts {

// Asks for the metadata category of the file just opened.
void showMetadataCategoryDialog();

enum class SavePromptAnswer { Saved, DontSave, Cancel, Closed };
// Offers to save the record of the active editor as a template. Cancel sets frmMain().cancelExit.
SavePromptAnswer showSaveAsTemplatePrompt();

} // namespace ts

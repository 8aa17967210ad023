#include "handover.h"
#include "frmmain.h"
#include "frmmessage.h"

namespace ts {

void showMetadataCategoryDialog()
{
    // The category dialog is not part of this program yet: the user picks the category in the editor.
}

SavePromptAnswer showSaveAsTemplatePrompt()
{
    FrmMessage &prompt = frmMessage();
    prompt.showModal();
    if (prompt.userSaidDontSave)
        return SavePromptAnswer::DontSave; // No, or Yes with the template written
    if (frmMain().cancelExit)
        return SavePromptAnswer::Cancel;
    return SavePromptAnswer::Closed;
}

} // namespace ts

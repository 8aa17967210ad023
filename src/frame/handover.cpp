#include "handover.h"
#include "frmmain.h"
#include "frmmessage.h"
#include "frmselectmetadatacategory.h"

namespace ts {

void showMetadataCategoryDialog() { frmSelectMetadataCategory().showModal(); }

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

#include "handover.h"
#include "frmmain.h"
#include "templates.h"

#include "platform/dialogs.h"
#include "shared/fileutil.h"

#include "platform/programfolder.h"

namespace ts {

void showMetadataCategoryDialog()
{
    // The category dialog is not part of this program yet: the user picks the category in the editor.
}

SavePromptAnswer showSaveAsTemplatePrompt()
{
    frmMain().cancelExit = false;
    const Answer answer = msgBox(QStringLiteral("Do you wish to Save As Template before closing?"),
                                 Buttons::YesNoCancel, Icon::Question, QStringLiteral("Save as Template"));
    if (answer == Answer::Cancel) {
        frmMain().cancelExit = true;
        return SavePromptAnswer::Cancel;
    }
    if (answer == Answer::No)
        return SavePromptAnswer::DontSave;
    const QString name = inputBox(QStringLiteral("Template Name: "));
    if (name.isEmpty())
        return SavePromptAnswer::Closed;
    QString reason;
    if (!isSafeFileName(name, &reason)) {
        msgBox(reason, Buttons::Ok, Icon::Exclamation, QStringLiteral("Invalid Entry"));
        return SavePromptAnswer::Closed;
    }
    const QString fileName = name + QStringLiteral(".tsm");
    if (fileExists(programPath(QStringLiteral("templates/") + fileName)) &&
        msgBox(QStringLiteral("The file name you specified already exists.\rDo you want to overwrite?"),
               Buttons::YesNo) != Answer::Yes)
        return SavePromptAnswer::Closed;
    return saveTemplate(fileName, frmMain().scormVersion) ? SavePromptAnswer::Saved : SavePromptAnswer::Closed;
}

} // namespace ts

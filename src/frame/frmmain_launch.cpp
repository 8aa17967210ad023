// The main window's commands that reach outside the program (the companion programs, the help pages, the
// feedback page) and the Help menu's windows.
#include "frmmain.h"

#include "frmabout.h"
#include "frmtip.h"
#include "openpage.h"
#include "settings.h"
#include "webaddresses.h"

#include "platform/dialogs.h"
#include "platform/programfolder.h"
#include "platform/shell.h"
#include "platform/textfile.h"
#include "shared/apperror.h"
#include "shared/fileutil.h"
#include "shared/templatehandover.h"
#include "shared/writefailure.h"

#include <QFile>
#include <QFileInfo>

namespace ts {

namespace {
const QString kOwner = QStringLiteral("Form frmMain");
} // namespace

void FrmMain::startCompanion(const QString &fileName)
{
    if (shell().startProgram(fileName) != Shell::Result::FileNotFound)
        return;
    msgBox(QStringLiteral("The file '%1' is missing from the application directory.\rPlease replace this file or "
                          "reinstall Tagsmith.")
               .arg(fileName),
           Buttons::Ok, Icon::Critical, QStringLiteral("Missing File"));
}

void FrmMain::mnuConvert_Click() { startCompanion(QStringLiteral("lomshift")); }

bool FrmMain::writeHandOver(const QString &source)
{
    // A template larger than the editors open is refused as they refuse it, before anything is handed over.
    if (const std::optional<QString> tooLarge = tooLargeToOpen(source)) {
        msgBox(*tooLarge, Buttons::Ok, Icon::Exclamation, QStringLiteral("Problem Loading File"));
        return false;
    }
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly)) {
        if (!isReadOnlyOrHidden(source))
            throw AppError(err::PathFileAccess, file.errorString());
        showReadOnlyFileError(source);
        return false;
    }
    // The file as it is, and one line end more; beside it, the name of the file chosen.
    const QByteArray bytes = handOverBytes(file.readAll());
    if (!QFileInfo(programPath(QStringLiteral("common"))).isDir())
        throw AppError(err::PathNotFound, QStringLiteral("Path not found"));
    QString error;
    for (const auto &[target, content] : {std::pair{handOverPath(), bytes},
                                          std::pair{handOverNamePath(), handOverNameText(bytes, source)}}) {
        if (!writeFileBytes(target, content, &error)) {
            reportWriteFailure(target, error);
            return false;
        }
    }
    return true;
}

void FrmMain::mnuBatch_Click()
{
    try {
        FileDialogOptions options;
        options.title = QStringLiteral("Select an XML file to use as a Template");
        options.initialDir = dataFolder();
        options.filter = QStringLiteral("XML File (*.xml)|*.xml");
        const std::optional<QString> chosen = dialogs().openFile(options);
        if (!chosen)
            return;
        // batch reads the hand-over file: it starts only once that holds the chosen template.
        if (writeHandOver(*chosen))
            startCompanion(QStringLiteral("batch"));
    } catch (const std::exception &e) {
        reportError(e, QStringLiteral("mnuBatch_Click"), kOwner);
    }
}

void FrmMain::mnuHelpContents_Click()
{
    openPage(programPath(QStringLiteral("help/index.html")));
}

void FrmMain::mnuFeedback_Click()
{
    const QString address = feedbackPageAddress();
    if (msgBox(QStringLiteral("You are being routed to %1 to provide feedback.\rNote: No personal information will "
                              "be collect unless you provide it to us.\rDo you wish to continue?")
                   .arg(address),
               Buttons::YesNo, Icon::None, QStringLiteral("Feedback")) == Answer::Yes)
        openPage(address);
}

void FrmMain::mnuTip_Click()
{
    FrmTip &tip = frmTip();
    tip.show();
    tip.raise();
    tip.activateWindow();
}

void FrmMain::mnuHelpAbout_Click()
{
    try {
        FrmAbout about(this);
        about.exec();
    } catch (const std::exception &e) {
        reportError(e, QStringLiteral("mnuHelpAbout_Click"), kOwner);
    }
}

} // namespace ts

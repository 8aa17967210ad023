// The template files themselves: creating, deleting and opening templates for the template list.
#include "editors.h"
#include "frmmain.h"
#include "frmmetadatadefaultslist.h"
#include "globals.h"
#include "templates.h"

#include "platform/dialogs.h"
#include "platform/programfolder.h"
#include "platform/textfile.h"
#include "platform/xmldocument.h"
#include "shared/apperror.h"
#include "shared/fileutil.h"
#include "shared/metadataheader.h"

#include <QFile>
#include <QLabel>

namespace ts {

namespace {
const QString kDefault = QStringLiteral("default.tsm");

void refillList()
{
    if (frmMetadataDefaultsListLoaded())
        frmMetadataDefaultsList().populateTemplateList();
}
} // namespace

QString templatePath(const QString &fileName) { return programPath(QStringLiteral("templates/") + fileName); }

bool checkTemplateName(const QString &name)
{
    QString reason;
    if (isSafeFileName(name, &reason))
        return true;
    msgBox(reason, Buttons::Ok, Icon::Exclamation, QStringLiteral("Invalid Entry"));
    return false;
}

QString withTemplateExtension(const QString &name)
{
    return name.endsWith(QLatin1String(".tsm"), Qt::CaseInsensitive) ? name : name + QStringLiteral(".tsm");
}

bool mayReplaceTemplate(const QString &fileName)
{
    return !fileExists(templatePath(fileName)) ||
           msgBox(QStringLiteral("The file name you specified already exists.\rDo you want to overwrite?"),
                  Buttons::YesNo) == Answer::Yes;
}

bool newTemplateFile(const QString &name)
{
    const QString fileName = name + QStringLiteral(".tsm");
    if (fileExists(templatePath(fileName)) &&
        msgBox(QStringLiteral("File exists. Would you like to add it again?.\r If so, this will overwrite your "
                              "current template file?"),
               Buttons::YesNo) != Answer::Yes)
        return false;
    // Written in one step: a record that cannot be written leaves neither a blank template nor an emptied one.
    return saveTemplate(fileName, frmMain().scormVersion);
}

bool deleteTemplate(const QString &fileName)
{
    if (msgBox(QStringLiteral("This will delete your template from the hard drive. Do you wish to delete the "
                              "template?"),
               Buttons::YesNo, Icon::None, QStringLiteral("Confirm")) != Answer::Yes)
        return false;
    const bool isDefault = fileName == frmMain().lblDefTemp()->text();
    if (isDefault &&
        msgBox(QStringLiteral("This is the default template, deleting this template will cause default.tsm to "
                              "become your new default template.\rContinue?"),
               Buttons::YesNo, Icon::None, QStringLiteral("Confirm")) != Answer::Yes)
        return false;
    QFile file(templatePath(fileName));
    if (!file.remove()) {
        msgBox(QStringLiteral("The template ") + file.fileName() + QStringLiteral(" could not be deleted: ") +
                   file.errorString(),
               Buttons::Ok, Icon::Exclamation, QStringLiteral("File Error"));
        refillList();
        return false;
    }
    if (isDefault) {
        QString error;
        if (!fileExists(templatePath(kDefault)) &&
            !writeTextFile(templatePath(kDefault), QStringLiteral("<xml></xml>\r\n"), &error))
            reportError(AppError(err::PathFileAccess, error), QStringLiteral("deleteTemplate"),
                        QStringLiteral("Module modTemplate"));
        refillList();
        QString name = kDefault;
        setDefaultTemplate(name);
        return true;
    }
    refillList();
    return true;
}

bool templateHoldsNoValues(const QString &text)
{
    XmlDocument doc;
    return doc.loadXML(text) && doc.documentElement().text().trimmed().isEmpty();
}

bool openTemplate(const QString &path)
{
    FrmMain &main = frmMain();
    main.dontValidate = true;
    bool opened = false;
    try {
        globals().templateFileName = getFileName(path);
        main.openSelectedFile(false, path, true);
        // The opening reports its own failures; the template is open when the editor of its binding is the
        // active one (the user may have kept the other binding), and never when its bytes are not read at all.
        DecodedText decoded;
        LoadedMetadata loaded;
        opened = readTextFile(path, decoded) && !decoded.unreadable &&
                 loadInItsBinding(decoded.text, path, loaded) == activeBinding();
    } catch (const AppError &e) {
        if (e.number == err::OutOfMemory)
            showLowMemory();
        else if (e.number != err::PathFileAccess)
            reportError(e, QStringLiteral("openTemplate"), QStringLiteral("Module modTemplate"));
    } catch (const std::exception &e) {
        reportError(e, QStringLiteral("openTemplate"), QStringLiteral("Module modTemplate"));
    }
    main.dontValidate = false;
    return opened;
}

} // namespace ts

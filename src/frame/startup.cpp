#include "startup.h"
#include "frmmain.h"
#include "globals.h"

#include "platform/dialogs.h"
#include "platform/programfolder.h"
#include "platform/schemacache.h"
#include "platform/xmldocument.h"
#include "shared/apperror.h"

namespace ts {

void initXMLParser()
{
    Globals &g = globals();
    g.languageCode = QStringLiteral("x-none");
    g.schemaCache = std::make_shared<SchemaCache>();
    const QString schemaPath = programPath(schemaFileName());
    try {
        QString reason;
        if (!g.schemaCache->add(QString::fromLatin1(kImsMd12Namespace), schemaPath, &reason))
            throw AppError(err::FileNotFound, reason);
        g.xmlDoc = std::make_shared<XmlDocument>();
        g.xmlDoc->setSchemas(g.schemaCache);
        FrmMain &main = frmMain();
        main.MDIForm_Load();
        main.show();
    } catch (const std::exception &) {
        if (frmMainLoaded())
            unloadFrmMain();
        showSchemaMissing(schemaPath);
    }
}

QString schemaMissingText(const QString &schemaPath)
{
    return QStringLiteral("Unable to validate file.  Metadata schema is missing.  Expected the following schema: ") +
           schemaPath;
}

void showSchemaMissing(const QString &schemaPath)
{
    msgBox(schemaMissingText(schemaPath), Buttons::Ok, Icon::Exclamation, QStringLiteral("File Missing"));
}

} // namespace ts

// The editors' template-editing state and their template "Save" button, the same for both bindings.
#include "editors.h"
#include "frmmain.h"
#include "frmmetadatadefaultslist.h"
#include "globals.h"
#include "templates.h"

#include "platform/dialogs.h"
#include "shared/apperror.h"

#include <QLabel>
#include <QPushButton>

namespace ts {

void MetadataEditor::setTemplateEditing(bool editing)
{
    for (const char *name : {"cboSelectCategory", "cmbMakeXML"})
        if (auto *w = findChild<QWidget *>(QString::fromLatin1(name)))
            w->setVisible(!editing);
    if (auto *save = findChild<QPushButton *>(QStringLiteral("cmdSetDefaults"))) {
        save->setVisible(editing);
        connect(save, &QPushButton::clicked, this, &MetadataEditor::cmdSetDefaults_Click, Qt::UniqueConnection);
    }
}

bool MetadataEditor::isTemplateEditing() const
{
    const auto *save = findChild<QPushButton *>(QStringLiteral("cmdSetDefaults"));
    return save && !save->isHidden();
}

void MetadataEditor::showSavedStatus(const QString &text)
{
    if (auto *label = findChild<QLabel *>(QStringLiteral("lblSaved"))) {
        label->setText(text);
        label->show();
    }
}

void MetadataEditor::resetRecordLabels()
{
    if (auto *label = findChild<QLabel *>(QStringLiteral("lblSaved"))) {
        label->clear();
        label->hide();
    }
    if (frmMainLoaded())
        frmMain().lblCurFile()->setText(newFileLabel());
}

bool MetadataEditor::saveEditedTemplate()
{
    const Globals &g = globals();
    QString fileName;
    if (g.templateFormMode == QLatin1String("Edit_Mode")) {
        fileName = g.templateFileName;
        if (fileName.isEmpty()) {
            // A template of another name is replaced only after a Yes.
            const QString name = inputBox(QStringLiteral("Template Name"));
            if (name.isEmpty() || !checkTemplateName(name))
                return false;
            fileName = withTemplateExtension(name);
            if (!mayReplaceTemplate(fileName))
                return false;
        }
    } else if (g.templateFormMode == QLatin1String("Set_Default_Mode")) {
        fileName = getDefaultTemplate();
    } else {
        return true;
    }
    return saveTemplate(fileName, frmMain().scormVersion);
}

void MetadataEditor::cmdSetDefaults_Click()
{
    try {
        if (!saveEditedTemplate())
            return;
        setTemplateEditing(false);
        clearAll();
        if (frmMetadataDefaultsListLoaded())
            frmMetadataDefaultsList().hide();
        globals().templateFormMode = QStringLiteral("Set_Default_Mode");
        frmMain().enableMenuButtons();
    } catch (const std::exception &e) {
        reportTemplateSaveFailure(e);
    }
}

void MetadataEditor::reportTemplateSaveFailure(const std::exception &e)
{
    reportError(e, QStringLiteral("cmbSetDefaults_Click"), objectName(), true);
}

} // namespace ts

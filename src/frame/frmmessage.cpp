#include "frmmessage.h"
#include "editors.h"
#include "frmmain.h"
#include "settings.h"
#include "templates.h"
#include "windows.h"

#include "platform/dialogs.h"
#include "platform/programfolder.h"
#include "platform/qt/windowsize.h"
#include "shared/apperror.h"
#include "shared/fileutil.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ts {

namespace {
const QString kOwner = QStringLiteral("Form frmMessage");
}

FrmMessage::FrmMessage(QWidget *parent)
    : QDialog(parent), m_lblMessage(new QLabel(this)), m_chkMessage(new QCheckBox(this))
{
    setObjectName(QStringLiteral("frmMessage"));
    markProgramWindow(this);
    openOverMain(this);
    setModal(true);
    m_lblMessage->setObjectName(QStringLiteral("lblMessage"));
    m_chkMessage->setObjectName(QStringLiteral("chkMessage"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_lblMessage);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_chkMessage);
    buttons->addStretch();
    const struct {
        const char *name;
        const char *caption;
        void (FrmMessage::*slot)();
    } answers[] = {{"cmdYes", "Yes", &FrmMessage::cmdYes_Click},
                   {"cmdNo", "No", &FrmMessage::cmdNo_Click},
                   {"cmdCancel", "Cancel", &FrmMessage::cmdCancel_Click}};
    for (const auto &[name, caption, slot] : answers) {
        auto *b = new QPushButton(QString::fromLatin1(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        buttons->addWidget(b);
        connect(b, &QPushButton::clicked, this, slot);
    }
    layout->addLayout(buttons);
    Form_Load();
}

void FrmMessage::Form_Load()
{
    try {
        m_chkMessage->setChecked(true);
        m_lblMessage->setText(QStringLiteral("Do you wish to Save As Template before closing?"));
        setWindowTitle(QStringLiteral("Save as Template"));
        fitCaption(this);
        m_chkMessage->setText(QStringLiteral("Always Show"));
    } catch (const std::exception &e) {
        reportError(e, QStringLiteral("Form_Load"), kOwner);
    }
}

void FrmMessage::showModal()
{
    userSaidDontSave = false;
    frmMain().cancelExit = false;
    exec();
}

bool FrmMessage::saveAlwaysShow()
{
    return tsmSaveSetings(QStringLiteral("showSaveOptions"), m_chkMessage->isChecked() ? 1 : 0) !=
           QLatin1String("error");
}

void FrmMessage::cmdYes_Click()
{
    try {
        if (!saveAlwaysShow())
            return;
        // Every way out but a written template leaves the prompt open for another answer.
        const QString name = inputBox(QStringLiteral("Template Name: "));
        if (name.isEmpty() || !checkTemplateName(name))
            return;
        const QString fileName = withTemplateExtension(name);
        if (!mayReplaceTemplate(fileName) || !saveTemplate(fileName, frmMain().scormVersion))
            return;
        editorWindow(activeBinding()).showSavedStatus(QStringLiteral("Saved"));
        userSaidDontSave = true;
        hide();
    } catch (const std::exception &e) {
        reportError(e, QStringLiteral("cmdYes_Click"), kOwner);
    }
}

void FrmMessage::cmdNo_Click()
{
    try {
        if (!saveAlwaysShow())
            return;
        userSaidDontSave = true;
        hide();
    } catch (const std::exception &e) {
        reportError(e, QStringLiteral("cmdNo_Click"), kOwner);
    }
}

void FrmMessage::cmdCancel_Click()
{
    try {
        hide();
        frmMain().cancelExit = true;
    } catch (const std::exception &e) {
        reportError(e, QStringLiteral("cmdCancel_Click"), kOwner);
    }
}

FrmMessage &frmMessage() { return WindowInstance<FrmMessage>::get(); }
bool frmMessageLoaded() { return WindowInstance<FrmMessage>::loaded(); }

} // namespace ts

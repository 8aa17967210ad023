#include "frmmetadatadefaultslist.h"
#include "editors.h"
#include "frmmain.h"
#include "globals.h"
#include "templates.h"
#include "windows.h"

#include "platform/dialogs.h"
#include "platform/programfolder.h"
#include "platform/qt/windowsize.h"
#include "shared/apperror.h"
#include "shared/fileutil.h"
#include "shared/pathlogger.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace ts {

namespace {

const QString kOwner = QStringLiteral("Form frmMetadataDefaultsList");
const QString kEdit = QStringLiteral("Edit");

QPushButton *button(QWidget *parent, const char *name, const char *caption)
{
    auto *b = new QPushButton(QString::fromLatin1(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

FrmMetadataDefaultsList::FrmMetadataDefaultsList(QWidget *parent)
    : QWidget(parent, Qt::Window), m_lstTemplates(new QListWidget(this)),
      m_cmdAddNew(button(this, "cmdAddNew", "Add New")), m_cmdDelete(button(this, "cmdDelete", "Delete")),
      m_cmdUseSelected(button(this, "cmdUseSelected", "Use As Default")), m_cmdClose(button(this, "cmdClose", "Close"))
{
    setObjectName(QStringLiteral("frmMetadataDefaultsList"));
    setWindowTitle(QStringLiteral("Metadata Templates"));
    fitCaption(this);
    setAttribute(Qt::WA_DeleteOnClose);
    markProgramWindow(this);
    openOverMain(this);
    m_lstTemplates->setObjectName(QStringLiteral("lstTemplates"));
    m_cmdAddNew->hide();
    m_cmdDelete->hide();

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_lstTemplates, 1);
    auto *buttons = new QVBoxLayout;
    for (QPushButton *b : {m_cmdUseSelected, m_cmdAddNew, m_cmdDelete, m_cmdClose})
        buttons->addWidget(b);
    buttons->addStretch();
    layout->addLayout(buttons);

    connect(m_cmdAddNew, &QPushButton::clicked, this, &FrmMetadataDefaultsList::cmdAddNew_Click);
    connect(m_cmdDelete, &QPushButton::clicked, this, &FrmMetadataDefaultsList::cmdDelete_Click);
    connect(m_cmdUseSelected, &QPushButton::clicked, this, &FrmMetadataDefaultsList::cmdUseSelected_Click);
    connect(m_cmdClose, &QPushButton::clicked, this, &FrmMetadataDefaultsList::cmdClose_Click);
}

FrmMetadataDefaultsList::~FrmMetadataDefaultsList()
{
    // Unloading gives the main window its menus back.
    enableAll();
    if (frmMainLoaded())
        frmMain().enableMenuButtons();
}

template <class F> void FrmMetadataDefaultsList::guarded(const char *procedure, F work)
{
    try {
        work();
    } catch (const std::exception &e) {
        reportError(e, QString::fromLatin1(procedure), kOwner);
    }
}

void FrmMetadataDefaultsList::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Every showing, not only the first: Close gives the menus back each time.
    setUI();
    if (frmMainLoaded())
        frmMain().disableMenuButtons();
}

bool FrmMetadataDefaultsList::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        setUI(); // the list follows the folder every time the window comes to front
    else if (event->type() == QEvent::WindowDeactivate)
        enableAll();
    return QWidget::event(event);
}

void FrmMetadataDefaultsList::enableAll()
{
    for (QPushButton *b : {m_cmdAddNew, m_cmdClose, m_cmdDelete, m_cmdUseSelected})
        b->setEnabled(true);
}

void FrmMetadataDefaultsList::setUI()
{
    const bool editing = globals().templateFormMode == QLatin1String("Edit_Mode");
    m_cmdUseSelected->setText(editing ? kEdit : QStringLiteral("Use As Default"));
    m_cmdAddNew->setVisible(editing);
    m_cmdDelete->setVisible(editing);
    populateTemplateList();
}

void FrmMetadataDefaultsList::populateTemplateList()
{
    m_lstTemplates->clear();
    PathLogger walker;
    walker.PathLogInit();
    walker.setFullFileNamesOnly(true);
    QString failure;
    try {
        walker.LogPath(programPath(QStringLiteral("templates")));
    } catch (const AppError &e) {
        if (e.number != err::NotSupported)
            failure = QString::number(e.number) + e.description +
                      QStringLiteral(" in populateTemplateList in Form modTemplate on line 0");
    }
    const KeyedCollection<QString> files = walker.fullFileNames();
    walker.Terminate();
    for (const QString &file : files.items()) {
        const QString name = getFileName(file);
        if (name != QLatin1String("cdt.txt"))
            m_lstTemplates->addItem(name);
    }
    if (!failure.isEmpty())
        msgBox(failure);
}

void FrmMetadataDefaultsList::cmdAddNew_Click()
{
    guarded("cmdAddNew_Click", [this] {
        m_cmdUseSelected->setEnabled(false);
        m_cmdDelete->setEnabled(false);
        const QString name = inputBox(QStringLiteral("Template Name"));
        if (name.isEmpty()) {
            msgBox(QStringLiteral("Please type a name for your file"));
        } else if (checkTemplateName(name) && newTemplateFile(name)) {
            const QString fileName = name + QStringLiteral(".tsm");
            if (m_lstTemplates->findItems(fileName, Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty())
                m_lstTemplates->addItem(fileName);
        }
        m_cmdUseSelected->setEnabled(true);
        m_cmdDelete->setEnabled(true);
    });
}

void FrmMetadataDefaultsList::cmdDelete_Click()
{
    guarded("cmdDelete_Click", [this] {
        m_cmdUseSelected->setEnabled(false);
        m_cmdAddNew->setEnabled(false);
        const QList<QListWidgetItem *> selected = m_lstTemplates->selectedItems();
        if (!selected.isEmpty())
            deleteTemplate(selected.first()->text());
        m_cmdUseSelected->setEnabled(true);
        m_cmdAddNew->setEnabled(true);
    });
}

void FrmMetadataDefaultsList::cmdUseSelected_Click()
{
    guarded("cmdUseSelected_Click", [this] {
        const QList<QListWidgetItem *> selected = m_lstTemplates->selectedItems();
        if (selected.isEmpty()) {
            msgBox(QStringLiteral("Please select a template for use"));
            return;
        }
        QString fileName = selected.first()->text();
        if (m_cmdUseSelected->text() != kEdit) {
            // Said only once cdt.txt holds the new default.
            if (setDefaultTemplate(fileName) == QLatin1String("1"))
                msgBox(QStringLiteral("Template \"") + fileName + QStringLiteral("\" set as Default Template."));
            return;
        }
        if (!openTemplate(templatePath(fileName)))
            return;
        MetadataEditor &editor = editorWindow(activeBinding());
        editor.enableAllInterface();
        editor.setTemplateEditing(true);
        m_cmdAddNew->setEnabled(false);
        m_cmdDelete->setEnabled(false);
    });
}

void FrmMetadataDefaultsList::cmdClose_Click()
{
    guarded("cmdClose_Click", [this] {
        // The editor's record is cleared only when closing ends its template editing, and only after the
        // user has answered whether to keep the changes.
        const Binding binding = activeBinding();
        if (m_cmdUseSelected->text() == kEdit && editorLoaded(binding) && editorWindow(binding).isTemplateEditing()) {
            MetadataEditor &editor = editorWindow(binding);
            const Answer answer = msgBox(QStringLiteral("Save Changes?"), Buttons::YesNoCancel);
            if (answer == Answer::Cancel || (answer == Answer::Yes && !editor.saveEditedTemplate()))
                return;
            editor.setTemplateEditing(false);
            editor.clearAll();
        }
        globals().templateFormMode = QStringLiteral("Set_Default_Mode");
        hide();
        enableAll();
        frmMain().enableMenuButtons();
    });
}

FrmMetadataDefaultsList &frmMetadataDefaultsList() { return WindowInstance<FrmMetadataDefaultsList>::get(); }
bool frmMetadataDefaultsListLoaded() { return WindowInstance<FrmMetadataDefaultsList>::loaded(); }

} // namespace ts

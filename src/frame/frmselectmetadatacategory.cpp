#include "frmselectmetadatacategory.h"
#include "editors.h"
#include "frmmain.h"
#include "settings.h"
#include "windows.h"

#include "platform/dialogs.h"
#include "platform/qt/windowsize.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ts {

namespace {

const char *const kCategories[] = {
    "Content Aggregation Meta-Data (MD-XML1)",
    "Content Aggregation Meta-Data (MD-XML1 + Optional)",
    "SCO Meta-Data(MD-XML1)",
    "SCO Meta-Data(MD-XML1 + Optional)",
    "Asset Meta-Data(MD-XML1)",
    "Asset Meta-Data(MD-XML1 + Optional)",
};

const QString kSetting = QStringLiteral("showSelectMetadataCategory");

} // namespace

FrmSelectMetadataCategory::FrmSelectMetadataCategory(QWidget *parent)
    : QDialog(parent), m_cboSelectCategory(new QComboBox(this)),
      m_check1(new QCheckBox(QStringLiteral("Always Show "), this))
{
    setObjectName(QStringLiteral("frmSelectMetadataCategory"));
    setWindowTitle(QStringLiteral("Select a metadata file type"));
    setModal(true);
    markProgramWindow(this);
    openOverMain(this);

    const QFont arial(QStringLiteral("Arial"));
    auto *label = new QLabel(QStringLiteral("What type of metadata file is this?"), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setFont(arial);
    m_cboSelectCategory->setObjectName(QStringLiteral("cboSelectCategory"));
    m_cboSelectCategory->setFont(arial);
    m_cboSelectCategory->setEditable(true);
    m_cboSelectCategory->setInsertPolicy(QComboBox::NoInsert);
    for (const char *category : kCategories)
        m_cboSelectCategory->addItem(QString::fromLatin1(category));
    m_cboSelectCategory->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_check1->setObjectName(QStringLiteral("Check1"));
    auto *ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("cmdOk"));
    ok->setDefault(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_cboSelectCategory);
    auto *row = new QHBoxLayout;
    row->addWidget(m_check1);
    row->addStretch();
    row->addWidget(ok);
    layout->addLayout(row);
    fitCaption(this);

    // Typing in the list is its change; a pick from the list is not.
    connect(m_cboSelectCategory->lineEdit(), &QLineEdit::textEdited, this,
            &FrmSelectMetadataCategory::cboSelectCategory_Change);
    connect(ok, &QPushButton::clicked, this, &FrmSelectMetadataCategory::cmdOk_Click);
    Form_Load();
}

void FrmSelectMetadataCategory::Form_Load()
{
    const int show = readSetting(kSetting).toInt();
    m_cboSelectCategory->setCurrentIndex(-1);
    m_cboSelectCategory->setEditText(QStringLiteral("Select Metadata File"));
    m_check1->setChecked(show == 1);
}

void FrmSelectMetadataCategory::showModal() { exec(); }

void FrmSelectMetadataCategory::cboSelectCategory_Change()
{
    if (frmMain().dontValidate)
        return;
    msgBox(QStringLiteral("Please select an item from the dropdown menu"), Buttons::Ok, Icon::Exclamation,
           QStringLiteral("Invalid Entry"));
    m_cboSelectCategory->setCurrentIndex(-1);
    m_cboSelectCategory->setEditText(QString());
}

void FrmSelectMetadataCategory::cmdOk_Click()
{
    try {
        if (tsmSaveSetings(kSetting, m_check1->isChecked() ? 1 : 0) == QLatin1String("error"))
            return;
        FrmMain &main = frmMain();
        main.dontValidate = true;
        main.isFromSelectMetadata = true;
        // Both editors take the answer, whichever binding is active; each applies it through its own list.
        const QString text = m_cboSelectCategory->currentText();
        editorWindow(Binding::Scorm12).putCategoryText(text);
        editorWindow(Binding::Scorm2004).putCategoryText(text);
        accept();
    } catch (const std::exception &) {
        msgBox(QStringLiteral("Error in cmdOk_Click in Form frmSelectMetadataCategory"));
    }
}

bool FrmSelectMetadataCategory::Form_QueryUnload()
{
    if (!m_cboSelectCategory->currentText().isEmpty())
        return true;
    msgBox(QStringLiteral("Please select a metadata file type"), Buttons::Ok, Icon::Exclamation,
           QStringLiteral("Metadata File Select"));
    return false;
}

void FrmSelectMetadataCategory::closeEvent(QCloseEvent *event)
{
    if (!Form_QueryUnload()) {
        event->ignore();
        return;
    }
    event->accept();
    unloadNow();
}

void FrmSelectMetadataCategory::reject()
{
    // Escape is the close box's way out from the keyboard.
    if (Form_QueryUnload())
        unloadNow();
}

void FrmSelectMetadataCategory::unloadNow()
{
    // The modal show returns, and the next question starts afresh with a new dialog.
    done(QDialog::Rejected);
    WindowInstance<FrmSelectMetadataCategory>::ptr() = nullptr;
    deleteLater();
}

FrmSelectMetadataCategory &frmSelectMetadataCategory() { return WindowInstance<FrmSelectMetadataCategory>::get(); }
bool frmSelectMetadataCategoryLoaded() { return WindowInstance<FrmSelectMetadataCategory>::loaded(); }

} // namespace ts

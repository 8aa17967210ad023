#include "frmoptions2004.h"

#include "import2004.h"

#include "model2004/reader2004.h"

#include "frame/frmmain.h"
#include "platform/xmldocument.h"
#include "shared/notice.h"
#include "frame/windows.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ts {

namespace {
const char *const kChecks[] = {"javascriptCheck", "htmlCheck",  "gifCheck",   "quicktimeCheck",
                               "wavCheck",        "realMediaCheck", "flashCheck", "powerpointCheck",
                               "pdfCheck",        "javaCheck",  "excelCheck", "jpgCheck"};
const char *const kTexts[] = {"txtSize", "titleText", "courseDescription", "locationText"};

// The members of the record that the window shows so far, each in the text box of its name.
struct Shown {
    const char *name;
    QString Record2004::*member;
};
const Shown kShown[] = {
    {"titleText", &Record2004::titleText},
    {"courseDescription", &Record2004::courseDescription},
    {"txtSize", &Record2004::txtSize},
    {"locationText", &Record2004::locationText},
};
} // namespace

FrmOptions2004::FrmOptions2004(QWidget *parent) : MetadataEditor(parent)
{
    m_scormVersionAtLoad = frmMain().scormVersion;
    setObjectName(QStringLiteral("frmOptions2004"));
    markProgramWindow(this);
    setWindowTitle(QStringLiteral("SCORM 2004 Metadata"));
    auto *layout = new QVBoxLayout(this);
    auto *category = new QComboBox(this);
    category->setObjectName(QStringLiteral("cboSelectCategory"));
    category->setEditable(true);
    category->setEditText(QStringLiteral("Select Metadata Category"));
    layout->addWidget(category);
    auto *form = new QFormLayout;
    for (const char *name : kTexts) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        form->addRow(QString::fromLatin1(name), edit);
    }
    layout->addLayout(form);
    for (const char *name : kChecks) {
        auto *check = new QCheckBox(QString::fromLatin1(name), this);
        check->setObjectName(QString::fromLatin1(name));
        layout->addWidget(check);
    }
    auto *exportButton = new QPushButton(QStringLiteral("Export Metadata"), this);
    exportButton->setObjectName(QStringLiteral("cmbMakeXML"));
    auto *save = new QPushButton(QStringLiteral("Save"), this);
    save->setObjectName(QStringLiteral("cmdSetDefaults"));
    save->hide();
    auto *saved = new QLabel(this);
    saved->setObjectName(QStringLiteral("lblSaved"));
    saved->hide();
    layout->addWidget(exportButton);
    layout->addWidget(save);
    layout->addWidget(saved);
    layout->addStretch();
}

void FrmOptions2004::clearAll()
{
    for (QLineEdit *e : findChildren<QLineEdit *>())
        if (e->objectName() != QLatin1String("qt_spinbox_lineedit") && e->parent() == this)
            e->clear();
    for (QCheckBox *c : findChildren<QCheckBox *>())
        c->setChecked(false);
}

QString FrmOptions2004::createAggregation(bool) { return {}; }
void FrmOptions2004::enableAllInterface() {}
void FrmOptions2004::cmbMakeXML_Click() {}

void FrmOptions2004::Form_Activate()
{
    FrmMain &main = frmMain();
    for (const char *on : {"mnuSaveasTemplate", "mnuExport"})
        if (QAction *a = main.action(QString::fromLatin1(on)))
            a->setEnabled(true);
    for (const char *off : {"mnuFileSave", "mnuFileSaveAs", "mnuFilePrint", "mnuFilePageSetup"})
        if (QAction *a = main.action(QString::fromLatin1(off)))
            a->setEnabled(false);
}

MetadataEditor::ReadOutcome FrmOptions2004::readMetadataFile(const QString &path)
{
    if (!initXMLParser2004())
        return ReadOutcome::NotRead;
    LoadedMetadata2004 loaded = loadMetadataFile2004(path);
    if (!loaded.headerCut) {
        showNotices(loaded.notices);
        return ReadOutcome::NotRead; // no header to cut, or no access to the file
    }
    side2004().metadataHeader2004 = loaded.header;
    if (!loaded.document) {
        showNotices(loaded.notices);
        return ReadOutcome::NotParsed; // the opening's parse check reports why
    }
    // The editor is cleared and filled only with a document that was read.
    clearAll();
    Record2004 read = record();
    const bool whole = parseMetadata2004(*loaded.document, read, loaded.notices);
    const bool filling = frmMain().dontValidate;
    frmMain().dontValidate = true;
    showRecord(read);
    frmMain().dontValidate = filling;
    showNotices(loaded.notices);
    return whole ? ReadOutcome::Read : ReadOutcome::ReadFailed;
}

Record2004 FrmOptions2004::record() const
{
    Record2004 out;
    for (const Shown &f : kShown)
        if (auto *edit = findChild<QLineEdit *>(QString::fromLatin1(f.name)))
            out.*f.member = edit->text();
    return out;
}

void FrmOptions2004::showRecord(const Record2004 &record)
{
    for (const Shown &f : kShown)
        if (auto *edit = findChild<QLineEdit *>(QString::fromLatin1(f.name)))
            edit->setText(record.*f.member);
}

XmlDocument &FrmOptions2004::xmlDocument()
{
    if (!side2004().xmlDoc2004)
        initXMLParser2004();
    return side2004().xmlDoc2004 ? *side2004().xmlDoc2004 : MetadataEditor::xmlDocument();
}

FrmOptions2004 &frmOptions2004() { return WindowInstance<FrmOptions2004>::get(); }
bool frmOptions2004Loaded() { return WindowInstance<FrmOptions2004>::loaded(); }

void registerEditor2004()
{
    setEditorAccessor(Binding::Scorm2004, []() -> MetadataEditor & { return frmOptions2004(); },
                      frmOptions2004Loaded);
}

} // namespace ts

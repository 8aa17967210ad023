#include "frmmain.h"
#include "common.h"
#include "run.h"

#include "platform/dialogs.h"
#include "platform/programfolder.h"
#include "platform/qt/windowsize.h"
#include "shared/apperror.h"
#include "shared/fileutil.h"
#include "shared/pathlogger.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace ts::lomshift {

namespace {

const QString kTrue = QStringLiteral("True");
const QString kNoDirectory = QStringLiteral("Directory does not exist.");

QPointer<FrmMain> &instance()
{
    static QPointer<FrmMain> window;
    return window;
}

template <class T> T *named(T *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel *text(const QString &caption, QWidget *parent, bool heading = false)
{
    auto *label = new QLabel(caption, parent);
    label->setWordWrap(true);
    if (heading) {
        QFont font = label->font();
        font.setBold(true);
        font.setPointSizeF(font.pointSizeF() * 1.3);
        label->setFont(font);
    }
    return label;
}

// Both options of a pair cleared, which a user cannot do.
void clearOptions(QRadioButton *a, QRadioButton *b)
{
    for (QRadioButton *option : {a, b}) {
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
}

void setColour(QLabel *label, const QColor &colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

// The walker of Add Multiple Files: only the picked folder's own files are taken, so its subfolders are not
// walked at all.
class OwnFilesLogger : public PathLogger {
public:
    using PathLogger::PathLogger;

protected:
    void listFolder(const QString &folder, QStringList &subfolders, QStringList &files) const override
    {
        PathLogger::listFolder(folder, subfolders, files);
        subfolders.clear();
    }
};

} // namespace

FrmMain::FrmMain(QWidget *parent)
    : QWidget(parent), m_tabMainDialog(named(new QTabWidget(this), "tabMainDialog")),
      m_cmdBack(named(new QPushButton(QStringLiteral("< Back"), this), "cmdBack")),
      m_cmdNext(named(new QPushButton(QStringLiteral("Next >"), this), "cmdNext")),
      m_cmdFinish(named(new QPushButton(QStringLiteral("Finish"), this), "cmdFinish")),
      m_cmdCancel(named(new QPushButton(QStringLiteral("Cancel"), this), "cmdCancel"))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("SCORM Conversion Wizard"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto *steps = new QHBoxLayout;
    for (int i = 0; i < 4; ++i) {
        m_lblStep[i] = new QLabel(QString::number(i + 1), this);
        m_lblStep[i]->setObjectName(QStringLiteral("lblStep_%1").arg(i));
        QFont font = m_lblStep[i]->font();
        font.setBold(true);
        m_lblStep[i]->setFont(font);
        steps->addWidget(m_lblStep[i]);
    }
    steps->addStretch();
    buildPages();
    m_tabMainDialog->tabBar()->hide();
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *b : {m_cmdBack, m_cmdNext, m_cmdFinish, m_cmdCancel})
        buttons->addWidget(b);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(steps);
    layout->addWidget(m_tabMainDialog, 1);
    layout->addLayout(buttons);
    setMinimumSize(560, 420);
    // In the middle of the screen, whole with its title bar and borders, as the main program's windows open.
    openCentred(this);

    connect(m_cmdNext, &QPushButton::clicked, this, &FrmMain::cmdNext_Click);
    connect(m_cmdBack, &QPushButton::clicked, this, &FrmMain::cmdBack_Click);
    connect(m_cmdFinish, &QPushButton::clicked, this, &FrmMain::cmdFinish_Click);
    connect(m_cmdCancel, &QPushButton::clicked, this, &FrmMain::cmdCancel_Click);

    trapped("Form_Load", [this] {
        g_hadErrorOnGenerate = false;
        m_cmdFinish->setEnabled(false);
        m_cmdBack->setEnabled(false);
        setPage(0);
        resetSteps();
        changeState(QStringLiteral("disabled"));
    });
}

void FrmMain::buildPages()
{
    auto *typePage = new QWidget;
    m_optMetadata = named(new QRadioButton(QStringLiteral("Metadata files"), typePage), "optMetadata");
    m_optManifest = named(new QRadioButton(QStringLiteral("Manifest files"), typePage), "optManifest");
    auto *typeLayout = new QVBoxLayout(typePage);
    typeLayout->addWidget(text(QStringLiteral("Welcome to the SCORM Conversion Wizard"), typePage, true));
    typeLayout->addWidget(
        text(QStringLiteral("This wizard will allow you to convert SCORM 1.2 files to SCORM 2004."), typePage));
    typeLayout->addWidget(m_optMetadata);
    typeLayout->addWidget(m_optManifest);
    typeLayout->addStretch();
    typeLayout->addWidget(text(QStringLiteral("To continue click Next."), typePage));

    auto *filesPage = new QWidget;
    m_lstFiles = named(new QListWidget(filesPage), "lstFiles");
    auto *fileButtons = new QHBoxLayout;
    const struct {
        const char *name;
        const char *caption;
        void (FrmMain::*handler)();
    } listButtons[] = {
        {"cmdAddSingle", "Add Single File...", &FrmMain::cmdAddSingle_Click},
        {"cmdAddMulti", "Add Multiple Files...", &FrmMain::cmdAddMulti_Click},
        {"cmdRemSingle", "Remove", &FrmMain::cmdRemSingle_Click},
        {"cmdRemAll", "Remove All", &FrmMain::cmdRemAll_Click},
    };
    for (const auto &b : listButtons) {
        auto *button = named(new QPushButton(QString::fromLatin1(b.caption), filesPage), b.name);
        connect(button, &QPushButton::clicked, this, b.handler);
        fileButtons->addWidget(button);
    }
    auto *filesLayout = new QVBoxLayout(filesPage);
    filesLayout->addWidget(text(QStringLiteral("Select Files"), filesPage, true));
    filesLayout->addWidget(text(
        QStringLiteral("You can select a single file or an entire directory of files to be converted."), filesPage));
    filesLayout->addWidget(m_lstFiles, 1);
    filesLayout->addLayout(fileButtons);
    filesLayout->addWidget(text(QStringLiteral("To continue click Next."), filesPage));

    auto *targetPage = new QWidget;
    m_optSaveOrig = named(new QRadioButton(QStringLiteral("Overwrite originals"), targetPage), "optSaveOrig");
    m_optSaveNew = named(new QRadioButton(QStringLiteral("Save files to new location"), targetPage), "optSaveNew");
    m_txtNewFileLocation = named(new QLineEdit(targetPage), "txtNewFileLocation");
    m_cmdBrowse = named(new QPushButton(QStringLiteral("Browse ..."), targetPage), "cmdBrowse");
    // Saving into a zip file is not offered: the box stays clear and cannot be ticked.
    m_optSaveAsZip = named(new QCheckBox(QStringLiteral("Save as .zip file"), targetPage), "optSaveAsZip");
    m_optSaveAsZip->setEnabled(false);
    auto *folderRow = new QHBoxLayout;
    folderRow->addWidget(m_txtNewFileLocation, 1);
    folderRow->addWidget(m_cmdBrowse);
    auto *targetLayout = new QVBoxLayout(targetPage);
    targetLayout->addWidget(text(QStringLiteral("Output Settings"), targetPage, true));
    targetLayout->addWidget(
        text(QStringLiteral("Please select how you would like the file output to your system."), targetPage));
    targetLayout->addWidget(m_optSaveOrig);
    targetLayout->addWidget(m_optSaveNew);
    targetLayout->addLayout(folderRow);
    targetLayout->addWidget(m_optSaveAsZip);
    targetLayout->addStretch();
    targetLayout->addWidget(text(QStringLiteral("When you are done click Finish."), targetPage));
    connect(m_optSaveOrig, &QRadioButton::clicked, this, &FrmMain::optSaveOrig_Click);
    connect(m_optSaveNew, &QRadioButton::clicked, this, &FrmMain::optSaveNew_Click);
    connect(m_cmdBrowse, &QPushButton::clicked, this, &FrmMain::cmdBrowse_Click);

    for (QWidget *page : {typePage, filesPage, targetPage})
        m_tabMainDialog->addTab(page, QString());
}

template <class F> void FrmMain::trapped(const char *control, F handler)
{
    int number = 0;
    QString description;
    try {
        handler();
        return;
    } catch (const AppError &e) {
        number = e.number;
        description = e.description;
    } catch (const std::bad_alloc &) {
        number = err::OutOfMemory;
        description = QStringLiteral("Out of memory");
    } catch (const std::exception &e) {
        number = 51;
        description = QString::fromLocal8Bit(e.what());
    }
    if (number != 0 && number != err::DialogCancelled)
        msgBox(QStringLiteral("%1:%2:in frmMain %3").arg(number).arg(description, QString::fromLatin1(control)));
}

void FrmMain::setPage(int index) { m_tabMainDialog->setCurrentIndex(index); }

void FrmMain::markStep(int index) { setColour(m_lblStep[index], QColor(0, 255, 0)); }

void FrmMain::resetSteps()
{
    for (QLabel *label : m_lblStep)
        setColour(label, Qt::black);
    markStep(0);
}

void FrmMain::changeState(const QString &state)
{
    const bool enabled = state == QLatin1String("enabled");
    if (!enabled && state != QLatin1String("disabled"))
        return;
    m_txtNewFileLocation->setEnabled(enabled);
    m_txtNewFileLocation->setReadOnly(!enabled);
    QPalette palette = m_txtNewFileLocation->palette();
    palette.setColor(QPalette::Base, enabled ? QColor(255, 255, 255) : palette.color(QPalette::Window));
    m_txtNewFileLocation->setPalette(palette);
    m_cmdBrowse->setEnabled(enabled);
}

void FrmMain::optSaveOrig_Click() { changeState(QStringLiteral("disabled")); }
void FrmMain::optSaveNew_Click() { changeState(QStringLiteral("enabled")); }

QString FrmMain::checkTabContent(int index)
{
    Common &c = common();
    switch (index) {
    case 0:
        if (!m_optMetadata->isChecked() && !m_optManifest->isChecked())
            return QStringLiteral("Select a file type to convert");
        c.conversionType = m_optMetadata->isChecked() ? QStringLiteral("Metadata") : QStringLiteral("Manifest");
        c.xslPath = stylesheetFor(c.conversionType);
        return kTrue;
    case 1:
        if (m_lstFiles->count() == 0 || m_lstFiles->item(0)->text().isEmpty())
            return QStringLiteral("Select a file or files to convert from SCORM 1.2 to 2004");
        return kTrue;
    case 2: {
        c.saveAsZip = m_optSaveAsZip->isChecked();
        const QString folder = m_txtNewFileLocation->text();
        if (!m_optSaveOrig->isChecked() && !m_optSaveNew->isChecked())
            return QStringLiteral("Select a location to save files to.");
        if (m_optSaveNew->isChecked() && folder.isEmpty())
            return QStringLiteral("Please provide a directory path to save to.");
        if (!folder.isEmpty() && !folderExists(folder))
            return kNoDirectory;
        c.saveOriginal = m_optSaveOrig->isChecked();
        c.saveNew = m_optSaveNew->isChecked();
        c.newFileLocation = folder;
        return kTrue;
    }
    default:
        return kTrue;
    }
}

void FrmMain::restoreTargetChoice()
{
    Common &c = common();
    if (c.saveOriginal) {
        m_optSaveOrig->setChecked(true);
        changeState(QStringLiteral("disabled"));
    } else if (!c.saveNew) {
        clearOptions(m_optSaveOrig, m_optSaveNew);
        changeState(QStringLiteral("disabled"));
    } else {
        m_optSaveNew->setChecked(true);
        changeState(QStringLiteral("enabled"));
    }
}

void FrmMain::cmdNext_Click()
{
    trapped("cmdNext", [this] {
        const int page = m_tabMainDialog->currentIndex();
        if (page == 1)
            restoreTargetChoice();
        const QString result = checkTabContent(page);
        if (result != kTrue) {
            msgBox(result);
            return;
        }
        const int last = m_tabMainDialog->count() - 1;
        if (page >= last)
            return;
        setPage(page + 1);
        m_cmdBack->setEnabled(true);
        markStep(page + 1);
        if (page + 1 == last) {
            m_cmdFinish->setEnabled(true);
            m_cmdNext->setEnabled(false);
        }
    });
}

void FrmMain::cmdBack_Click()
{
    trapped("cmdBack", [this] {
        int page = m_tabMainDialog->currentIndex();
        if (page != 0) {
            setPage(--page);
            m_cmdNext->setEnabled(true);
            if (page == 0)
                m_cmdBack->setEnabled(false);
        }
        Common &c = common();
        if (page == 0) {
            if (c.conversionType == QLatin1String("Metadata"))
                m_optMetadata->setChecked(true);
            else if (c.conversionType == QLatin1String("Manifest"))
                m_optManifest->setChecked(true);
            else
                clearOptions(m_optMetadata, m_optManifest);
        } else if (page == 1) {
            c.saveOriginal = m_optSaveOrig->isChecked();
            c.saveNew = m_optSaveNew->isChecked();
        }
    });
}

void FrmMain::cmdFinish_Click()
{
    trapped("cmdFinish", [this] {
        // Every step is checked, not only the one shown: a run never starts on a list or a target that was
        // changed or left unchecked.
        QString result = kTrue;
        for (int page = 0; page < m_tabMainDialog->count() && result == kTrue; ++page)
            result = checkTabContent(page);
        if (result == kNoDirectory) {
            if (msgBox(result + QStringLiteral("Create Directory?"), Buttons::YesNo) == Answer::Yes)
                createFolder(m_txtNewFileLocation->text());
            return;
        }
        if (result != kTrue) {
            msgBox(result);
            return;
        }
        run();
    });
}

void FrmMain::run()
{
    g_hadErrorOnGenerate = false;
    m_cmdFinish->setEnabled(false);
    m_cmdFinish->setText(QStringLiteral("Working"));
    m_cmdFinish->repaint();
    const Common &c = common();
    QStringList files;
    for (int i = 0; i < m_lstFiles->count(); ++i)
        files << m_lstFiles->item(i)->text();
    Converter converter(c.conversionType, programPath(c.xslPath));
    RunReport report;
    try {
        report = runConversion(converter, files, {c.saveOriginal, c.saveNew, c.newFileLocation});
    } catch (...) {
        m_cmdFinish->setEnabled(true);
        m_cmdFinish->setText(QStringLiteral("Finish"));
        throw;
    }
    m_cmdFinish->setEnabled(true);
    m_cmdFinish->setText(QStringLiteral("Finish"));
    g_hadErrorOnGenerate = !report.complete();
    if (g_hadErrorOnGenerate) {
        msgBox(report.problemsText());
        return;
    }
    const Answer again =
        msgBox(QStringLiteral("Metadata Created Successfully.\rRestart the wizard (YES) or Close (NO) ?"),
               Buttons::YesNo, Icon::None, QStringLiteral("Confirm"));
    if (again == Answer::Yes)
        reloadWizard();
    else
        close();
}

void FrmMain::reloadWizard()
{
    initVars();
    setPage(0);
    m_cmdBack->setEnabled(false);
    m_cmdFinish->setEnabled(false);
    m_cmdNext->setEnabled(true);
    resetSteps();
    m_lstFiles->clear();
    m_txtNewFileLocation->clear();
    clearOptions(m_optMetadata, m_optManifest);
    clearOptions(m_optSaveOrig, m_optSaveNew);
}

void FrmMain::cmdCancel_Click() { close(); }

void FrmMain::cmdAddSingle_Click()
{
    trapped("cmdAddSingle", [this] {
        FileDialogOptions options;
        options.filter = QStringLiteral("XML|*.xml");
        const QString name = dialogs().openFile(options).value_or(QString());
        if (name.isEmpty())
            msgBox(QStringLiteral("No file selected"));
        else if (getFileName(name).contains(QLatin1String(".xml")))
            m_lstFiles->addItem(name);
        else
            msgBox(QStringLiteral("Not an XML file"));
    });
}

void FrmMain::cmdAddMulti_Click()
{
    trapped("cmdAddMulti", [this] {
        const QString folder = dialogs().chooseFolder(QStringLiteral("Select a Folder"), QString()).value_or(QString());
        if (folder.isEmpty()) {
            msgBox(QStringLiteral("No file selected"));
            return;
        }
        OwnFilesLogger logger(PathLogger::lomshiftOptions());
        logger.PathLogInit();
        logger.setFullFileNamesOnly(true);
        logger.LogPath(folder);
        const KeyedCollection<QString> found = logger.fullFileNames();
        logger.Terminate();
        for (int i = 1; i <= found.count(); ++i)
            if (getFileName(found.item(i)).contains(QLatin1String(".xml")))
                m_lstFiles->addItem(found.item(i));
    });
}

void FrmMain::cmdRemSingle_Click()
{
    trapped("cmdRemSingle", [this] {
        QListWidgetItem *item = m_lstFiles->currentItem();
        if (!item || !item->isSelected()) {
            msgBox(QStringLiteral("Please make a selection"));
            return;
        }
        if (msgBox(QStringLiteral("Do you wish to remove this item from the list?"), Buttons::YesNo, Icon::None,
                   QStringLiteral("Confirm")) == Answer::Yes)
            delete item;
    });
}

void FrmMain::cmdRemAll_Click()
{
    trapped("cmdRemAll", [this] {
        if (msgBox(QStringLiteral("This will clear the file list. Continue?"), Buttons::YesNo, Icon::None,
                   QStringLiteral("Confirm")) == Answer::Yes)
            m_lstFiles->clear();
    });
}

void FrmMain::cmdBrowse_Click()
{
    trapped("cmdBrowse", [this] {
        const std::optional<QString> folder = dialogs().chooseFolder(QStringLiteral("Select a Folder"), QString());
        if (folder && !folder->isEmpty())
            m_txtNewFileLocation->setText(*folder);
    });
}

FrmMain &frmMain()
{
    if (!instance())
        instance() = new FrmMain();
    return *instance();
}

bool frmMainLoaded() { return !instance().isNull(); }

void Main()
{
    setAppTitle(QStringLiteral("lomshift"));
    initVars();
    frmMain().show();
}

} // namespace ts::lomshift

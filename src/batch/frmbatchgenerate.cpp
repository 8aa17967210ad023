#include "frmbatchgenerate.h"
#include "batchfile.h"
#include "frmopenfolder.h"
#include "generate.h"

#include "platform/dialogs.h"
#include "platform/programfolder.h"
#include "platform/qt/windowsize.h"
#include "shared/apperror.h"
#include "shared/pathlogger.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QLineEdit>
#include <QListWidget>
#include <QLockFile>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace ts::batch {

namespace {

QPointer<FrmBatchGenerate> g_window;

// The tall banner on the left of the window.
QPixmap banner()
{
    QPixmap pixmap(140, 420);
    QPainter painter(&pixmap);
    QLinearGradient gradient(0, 0, 0, pixmap.height());
    gradient.setColorAt(0, QColor(0x1f, 0x3a, 0x68));
    gradient.setColorAt(1, QColor(0x5b, 0x8d, 0xc9));
    painter.fillRect(pixmap.rect(), gradient);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 6; ++i) { // a stack of sheets, one per generated file
        painter.setBrush(QColor(255, 255, 255, 90 + 25 * i));
        painter.drawRect(30 + 4 * i, 250 - 14 * i, 60, 78);
    }
    return pixmap;
}

QLabel *label(QWidget *parent, const char *name, const QString &text)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setWordWrap(true);
    return l;
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

// How many batch windows of this program folder stand open; each holds the lock of its place while it is open,
// and the lock of a window whose program ended without closing it is taken over.
constexpr int kPlaces = 16;

QString placeLockPath(int place) { return programPath(QStringLiteral("common/batch-window-%1.lock").arg(place)); }

int slashes(const QString &path) { return static_cast<int>(path.count(QLatin1Char('/'))); }

} // namespace

FrmBatchGenerate::FrmBatchGenerate(QWidget *parent)
    : QWidget(parent), m_lstFiles(new QListWidget(this)), m_txtNewFileLocation(new QLineEdit(this)),
      m_lblTemplateName(new QLabel(this)), m_cmdGenerate(button(this, "cmdGenerate", QStringLiteral("Finish"))),
      m_template(handedOverTemplate())
{
    setObjectName(QStringLiteral("frmBatchGenerate"));
    setWindowTitle(QStringLiteral("Batch Generate"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto *image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(banner());
    image->setAlignment(Qt::AlignTop);
    // The white area behind the texts holds them.
    auto *area = label(this, "Label8", QString());
    area->setAutoFillBackground(true);
    area->setStyleSheet(QStringLiteral("QLabel#Label8 { background-color: white; }"));
    auto *heading = label(area, "Label9", QStringLiteral("Welcome to the SCORM Batch Wizard"));
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.4);
    heading->setFont(bold);
    auto *intro = label(area, "Label4",
                        QStringLiteral("This wizard will allow you to generate many XML files based on the data "
                                       "currently in Tagsmith."));
    auto *above = label(area, "Label5",
                        QStringLiteral("Select a single file or an entire directory of files to be converted."));
    m_lstFiles->setObjectName(QStringLiteral("lstFiles"));
    m_lstFiles->setParent(area);
    m_lstFiles->setSelectionMode(QAbstractItemView::SingleSelection);
    auto *addSingle = button(area, "cmdAddSingle", QStringLiteral("Add Single File..."));
    auto *addMulti = button(area, "cmdAddMulti", QStringLiteral("Add Multiple Files..."));
    auto *remSingle = button(area, "cmdRemSingle", QStringLiteral("Remove"));
    auto *remAll = button(area, "cmdRemAll", QStringLiteral("Remove All"));
    auto *target = label(area, "Label12", QStringLiteral("Select a directory to store the generated files."));
    m_txtNewFileLocation->setObjectName(QStringLiteral("txtNewFileLocation"));
    m_txtNewFileLocation->setParent(area);
    auto *browse = button(area, "cmdBrowse", QStringLiteral("Browse ..."));
    auto *using_ = label(area, "Label3", QStringLiteral("Using Template:"));
    using_->setWordWrap(false);
    m_lblTemplateName->setObjectName(QStringLiteral("lblTemplateName"));
    m_lblTemplateName->setParent(area);
    m_lblTemplateName->setWordWrap(true);
    m_lblTemplateName->setTextFormat(Qt::PlainText); // a path is no markup
    auto *cancel = button(this, "cmdCancel", QStringLiteral("Cancel"));

    auto *listButtons = new QVBoxLayout;
    for (QPushButton *b : {addSingle, addMulti, remSingle, remAll})
        listButtons->addWidget(b);
    listButtons->addStretch();
    auto *listRow = new QHBoxLayout;
    listRow->addWidget(m_lstFiles, 1);
    listRow->addLayout(listButtons);
    auto *targetRow = new QHBoxLayout;
    targetRow->addWidget(m_txtNewFileLocation, 1);
    targetRow->addWidget(browse);
    auto *templateRow = new QHBoxLayout;
    templateRow->addWidget(using_);
    templateRow->addWidget(m_lblTemplateName, 1);
    auto *texts = new QVBoxLayout(area);
    texts->addWidget(heading);
    texts->addWidget(intro);
    texts->addSpacing(8);
    texts->addWidget(above);
    texts->addLayout(listRow, 1);
    texts->addSpacing(8);
    texts->addWidget(target);
    texts->addLayout(targetRow);
    texts->addLayout(templateRow);
    auto *columns = new QHBoxLayout;
    columns->setSpacing(0);
    columns->addWidget(image);
    columns->addWidget(area, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel);
    buttons->addWidget(m_cmdGenerate);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);
    resize(620, 460);
    // In the middle of the screen, whole with its title bar and borders, as the main program's windows open; a
    // window opened while others are open stands below and beside the last, its title bar in view.
    openCentred(this, nullptr, claimPlace());

    connect(addSingle, &QPushButton::clicked, this, &FrmBatchGenerate::cmdAddSingle_Click);
    connect(addMulti, &QPushButton::clicked, this, &FrmBatchGenerate::cmdAddMulti_Click);
    connect(remSingle, &QPushButton::clicked, this, &FrmBatchGenerate::cmdRemSingle_Click);
    connect(remAll, &QPushButton::clicked, this, &FrmBatchGenerate::cmdRemAll_Click);
    connect(browse, &QPushButton::clicked, this, &FrmBatchGenerate::cmdBrowse_Click);
    connect(m_cmdGenerate, &QPushButton::clicked, this, &FrmBatchGenerate::cmdGenerate_Click);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    showTemplateName();
}

FrmBatchGenerate::~FrmBatchGenerate() = default;

int FrmBatchGenerate::claimPlace()
{
    for (int place = 0; place < kPlaces; ++place) {
        auto lock = std::make_unique<QLockFile>(placeLockPath(place));
        lock->setStaleLockTime(0);
        if (lock->tryLock(0)) {
            m_place = std::move(lock);
            return place;
        }
    }
    // Every place taken, or none to be had where the folder cannot be written: the middle.
    return 0;
}

void FrmBatchGenerate::showTemplateName()
{
    // A long path may break after each separator rather than widen the window; the whole of a shortened one
    // is in the tool tip.
    const bool handedOver = m_template.bytes || QFileInfo::exists(m_template.path);
    const QString shown = handedOver ? m_template.name : QString();
    m_lblTemplateName->setText(QString(shown).replace(QDir::separator(), QDir::separator() + QStringLiteral("\u200B")));
    m_lblTemplateName->setToolTip(handedOver ? m_template.wholeName : QString());
}

void FrmBatchGenerate::cmdAddSingle_Click()
{
    const std::optional<QString> file = dialogs().openFile(FileDialogOptions{});
    if (file && !file->isEmpty())
        m_lstFiles->addItem(*file);
}

void FrmBatchGenerate::cmdAddMulti_Click()
{
    const QString folder = openFolder(true, 1, QString(), false);
    if (folder.isEmpty()) {
        msgBox(QStringLiteral("No file selected"));
        return;
    }
    QStringList files;
    try {
        PathLogger walker;
        walker.PathLogInit();
        walker.setFullFileNamesOnly(true);
        walker.LogPath(folder);
        walker.Count();
        files = walker.fullFileNames().items();
        walker.Terminate();
    } catch (const AppError &e) {
        reportError(e, QStringLiteral("cmdAddMulti_Click"), QStringLiteral("Form frmBatchGenerate"));
        return;
    }
    // The files of the first level that holds any, and of the level below it.
    const int firstDepth = files.isEmpty() ? 0 : slashes(files.constFirst());
    for (const QString &file : files) {
        if (slashes(file) > firstDepth + 1)
            break;
        m_lstFiles->addItem(file);
    }
}

void FrmBatchGenerate::cmdRemSingle_Click()
{
    QListWidgetItem *item = m_lstFiles->currentItem();
    if (!item || !item->isSelected()) {
        msgBox(QStringLiteral("Please make a selection"));
        return;
    }
    if (msgBox(QStringLiteral("Do you wish to remove this item from the list?"), Buttons::YesNo, Icon::None,
               QStringLiteral("Confirm")) == Answer::Yes)
        delete item;
}

void FrmBatchGenerate::cmdRemAll_Click()
{
    if (msgBox(QStringLiteral("This will clear the file list. Continue?"), Buttons::YesNo, Icon::None,
               QStringLiteral("Confirm")) == Answer::Yes)
        m_lstFiles->clear();
}

void FrmBatchGenerate::cmdBrowse_Click()
{
    const QString folder = openFolder(true, 1, QString(), false);
    if (folder.isEmpty())
        msgBox(QStringLiteral("No file selected"));
    else
        m_txtNewFileLocation->setText(folder);
}

void FrmBatchGenerate::cmdGenerate_Click()
{
    if (m_lstFiles->count() == 0) {
        msgBox(QStringLiteral("Please select source files."));
        return;
    }
    if (m_txtNewFileLocation->text().isEmpty()) {
        msgBox(QStringLiteral("Please select a directory to save converted files to."));
        return;
    }
    m_cmdGenerate->setEnabled(false);
    m_cmdGenerate->setText(QStringLiteral("Working"));
    const Run run = generateAll();
    if (run == Run::Generated) {
        m_cmdGenerate->setEnabled(true);
        m_cmdGenerate->setText(QStringLiteral("Finish"));
        msgBox(QStringLiteral("Files generated successfully!"));
    } else {
        // A refused template has said so in its one box, and nothing was generated.
        if (run == Run::SomeFailed)
            msgBox(QStringLiteral("Error generating files."));
        m_cmdGenerate->setEnabled(true);
        m_cmdGenerate->setText(QStringLiteral("Finish"));
    }
}

FrmBatchGenerate::Run FrmBatchGenerate::generateAll()
{
    // The window's template is checked once for the run, under the name of the file the user chose: one that
    // cannot be used is said once, before anything is written, and the run stops.
    const CheckedTemplate checked = checkTemplate(m_template);
    if (checked.refusal) {
        showNotices({*checked.refusal});
        return Run::TemplateRefused;
    }
    if (checked.readNotice)
        showNotices({*checked.readNotice});
    if (checked.recordNotice)
        showNotices({*checked.recordNotice});
    QStringList sources;
    for (int i = 0; i < m_lstFiles->count(); ++i)
        sources << m_lstFiles->item(i)->text();
    const QList<PlannedFile> plan = planOutputs(sources, m_txtNewFileLocation->text(), templatePath());
    QStringList refused;
    for (const PlannedFile &p : plan)
        if (!p.refusal.isEmpty())
            refused << p.refusal;
    if (!refused.isEmpty()) {
        // A box that fits on the screen: the first refusals, and how many more there are.
        constexpr qsizetype kShown = 20;
        QStringList lines = refused.mid(0, kShown);
        if (refused.size() > kShown)
            lines << QStringLiteral("... and %1 more.").arg(refused.size() - kShown);
        msgBox(QStringLiteral("These files are not generated:\r") + lines.join(QLatin1Char('\r')), Buttons::Ok,
               Icon::Exclamation);
    }
    bool allWritten = refused.isEmpty();
    bool anyWritten = false;
    for (const PlannedFile &p : plan) {
        if (p.output.isEmpty())
            continue;
        QString reason;
        const std::optional<FileInfo> info = getFileInfo(p.source, &reason);
        Notices notices;
        if (!info)
            notices << failureNotice(QFileInfo::exists(p.source) ? err::PathFileAccess : err::FileNotFound,
                                     p.source + QStringLiteral(": ") + reason);
        const bool written = info && writeMetadata(*checked.parts, *info, p.output, notices, WriteKind::Scratch);
        showNotices(notices);
        allWritten = allWritten && written;
        anyWritten = anyWritten || written;
    }
    // The files written reach the disk before the run says so.
    QString reason;
    if (anyWritten && !flushToDisk(m_txtNewFileLocation->text(), &reason)) {
        showNotices({failureNotice(err::PathFileAccess, QStringLiteral("Path/File access error: the metadata files in "
                                                                       "%1 could not be written to the disk. %2")
                                                            .arg(m_txtNewFileLocation->text(), reason))});
        allWritten = false;
    }
    return allWritten ? Run::Generated : Run::SomeFailed;
}

FrmBatchGenerate &frmBatchGenerate()
{
    if (!g_window)
        g_window = new FrmBatchGenerate;
    return *g_window;
}

bool frmBatchGenerateLoaded() { return !g_window.isNull(); }

} // namespace ts::batch

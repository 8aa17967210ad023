#include "frmmain.h"

#include "editors.h"
#include "folderlist.h"
#include "frmtip.h"
#include "frmversionselect.h"
#include "mdichild.h"
#include "previewbrowser.h"
#include "settings.h"
#include "templates.h"
#include "twips.h"
#include "windows.h"

#include "platform/dialogs.h"
#include "platform/programfolder.h"
#include "platform/writtenfiles.h"
#include "platform/qt/windowsize.h"
#include "shared/apperror.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileSystemWatcher>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace ts {

namespace {

const QString kOwner = QStringLiteral("Form frmMain");

struct MenuEntry {
    const char *name;    // empty for a separator
    const char *caption;
    bool checkable = false;
};

struct TopMenu {
    const char *name;
    const char *caption;
    std::initializer_list<MenuEntry> entries;
};

const TopMenu kMenus[] = {
    {"mnufile",
     "&File",
     {{"mnuFileNew", "&New"},
      {"mnuFileOpen", "&Open..."},
      {"mnuOpenTemplate", "Open Template"},
      {"", ""},
      {"mnuFileSave", "&Save"},
      {"mnuFileSaveAs", "Save &As..."},
      {"mnuSaveasTemplate", "Save as Template"},
      {"", ""},
      {"mnuFilePageSetup", "Page Setup..."},
      {"mnuFilePrint", "&Print..."},
      {"", ""},
      {"mnuExport", "&Export Metadata"},
      {"", ""},
      {"mnuFileExit", "Exit"}}},
    {"mnuWindow", "&Window", {}},
    {"mnuPreferences",
     "Preferences",
     {{"mnuDefaults", "Set Default Template..."},
      {"mnuWebFilesOnly", "Only Display Web Files ", true},
      {"mnuResetDefaults", "Reset Program Defaults"}}},
    {"mnuTools",
     "&Tools",
     {{"mnuTemplateCreator", "Template Creator..."},
      {"mnuConvert", "Convert SCORM 1.2 to 2004..."},
      {"mnuBatch", "Batch Generate..."}}},
    {"mnuHelp",
     "&Help",
     {{"mnuHelpContents", "Contents..."},
      {"mnuFeedback", "&Feedback..."},
      {"", ""},
      {"mnuTip", "Tip of the Day..."},
      {"mnuHelpAbout", "About Tagsmith..."}}},
};

QLabel *label(QWidget *parent, const QString &name, const QString &text)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

// A label of the side pane that names a file: a name longer than the pane is shown shortened in its middle,
// whole in its tool tip; its text stays the whole name.
class FileNameLabel : public QLabel {
public:
    using QLabel::QLabel;
    QSize minimumSizeHint() const override { return {0, QLabel::minimumSizeHint().height()}; }
    QSize sizeHint() const override { return {0, QLabel::sizeHint().height()}; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        setToolTip(text());
        QPainter painter(this);
        const QRect area = contentsRect();
        painter.drawText(area, static_cast<int>(alignment()),
                         fontMetrics().elidedText(text(), Qt::ElideMiddle, area.width()));
    }
};

QLabel *fileNameLabel(QWidget *parent, const QString &name, const QString &text)
{
    auto *l = new FileNameLabel(text, parent);
    l->setObjectName(name);
    l->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    return l;
}

} // namespace

FrmMain::FrmMain()
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Tagsmith"));
    markProgramWindow(this);
    setAttribute(Qt::WA_DeleteOnClose);
    resize(twipsToPixels(13800), 640);

    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setObjectName(QStringLiteral("mdiArea"));
    // Children larger than the area scroll; they never force the frame wider than its own layout.
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &FrmMain::onSubWindowActivated);

    buildMenus();
    buildSidePane();

    auto *central = new QWidget(this);
    auto *layout = new QHBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_picture1);
    layout->addWidget(m_imgSlider);
    layout->addWidget(m_mdiArea, 1);
    setCentralWidget(central);
}

FrmMain::~FrmMain()
{
    // The area reports activations while it is torn down; this window is no longer there to hear them.
    disconnect(m_mdiArea, nullptr, this, nullptr);
    setWrittenListener({});
}

void FrmMain::buildMenus()
{
    for (const TopMenu &top : kMenus) {
        QMenu *menu = menuBar()->addMenu(QString::fromLatin1(top.caption));
        menu->setObjectName(QString::fromLatin1(top.name));
        menu->menuAction()->setObjectName(QString::fromLatin1(top.name));
        m_topMenus << menu;
        for (const MenuEntry &entry : top.entries) {
            if (!*entry.name) {
                menu->addSeparator();
                continue;
            }
            QAction *a = menu->addAction(QString::fromLatin1(entry.caption));
            a->setObjectName(QString::fromLatin1(entry.name));
            a->setCheckable(entry.checkable);
        }
    }
    using Handler = void (FrmMain::*)();
    static const struct {
        const char *name;
        Handler handler;
    } handlers[] = {
        {"mnuFileNew", &FrmMain::mnuFileNew_Click},
        {"mnuFileOpen", &FrmMain::mnuFileOpen_Click},
        {"mnuOpenTemplate", &FrmMain::mnuOpenTemplate_Click},
        {"mnuFileSave", &FrmMain::mnuFileSave_Click},
        {"mnuFileSaveAs", &FrmMain::mnuFileSaveAs_Click},
        {"mnuSaveasTemplate", &FrmMain::mnuSaveasTemplate_Click},
        {"mnuFilePageSetup", &FrmMain::mnuFilePageSetup_Click},
        {"mnuFilePrint", &FrmMain::mnuFilePrint_Click},
        {"mnuExport", &FrmMain::mnuExport_Click},
        {"mnuDefaults", &FrmMain::mnuDefaults_Click},
        {"mnuWebFilesOnly", &FrmMain::mnuWebFilesOnly_Click},
        {"mnuResetDefaults", &FrmMain::mnuResetDefaults_Click},
        {"mnuTemplateCreator", &FrmMain::mnuTemplateCreator_Click},
        {"mnuConvert", &FrmMain::mnuConvert_Click},
        {"mnuBatch", &FrmMain::mnuBatch_Click},
        {"mnuHelpContents", &FrmMain::mnuHelpContents_Click},
        {"mnuFeedback", &FrmMain::mnuFeedback_Click},
        {"mnuTip", &FrmMain::mnuTip_Click},
        {"mnuHelpAbout", &FrmMain::mnuHelpAbout_Click},
    };
    for (const auto &h : handlers)
        connect(action(QString::fromLatin1(h.name)), &QAction::triggered, this, h.handler);
    // Exit closes the window, whose close runs the exit question.
    connect(action(QStringLiteral("mnuFileExit")), &QAction::triggered, this, &QWidget::close);
    connect(menu(QStringLiteral("mnufile")), &QMenu::aboutToShow, this, &FrmMain::mnufile_Click);
    connect(menu(QStringLiteral("mnuWindow")), &QMenu::aboutToShow, this, &FrmMain::mnuWindow_Click);
    // The top menus in the order they are switched: File, Help, Preferences, Tools, Window.
    m_topMenus = {menu(QStringLiteral("mnufile")), menu(QStringLiteral("mnuHelp")),
                  menu(QStringLiteral("mnuPreferences")), menu(QStringLiteral("mnuTools")),
                  menu(QStringLiteral("mnuWindow"))};
}

QWidget *FrmMain::headerBar(const QString &name, const QString &caption)
{
    // A picture with its label lying on it; the label is placed by placeHeaderLabel.
    auto *bar = new QWidget(m_picture1);
    bar->setFixedHeight(twipsToPixels(300));
    auto *picture = label(bar, QStringLiteral("imgHeaderBar") + name, QString());
    picture->setStyleSheet(QStringLiteral("background-color: #336699;"));
    picture->setGeometry(0, 0, twipsToPixels(3400), twipsToPixels(300));
    auto *text = label(bar, QStringLiteral("lblHeaderBar") + name, caption);
    text->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));
    text->adjustSize();
    return bar;
}

void FrmMain::placeHeaderLabel(const QString &name)
{
    auto *picture = findChild<QLabel *>(QStringLiteral("imgHeaderBar") + name);
    auto *text = findChild<QLabel *>(QStringLiteral("lblHeaderBar") + name);
    if (!picture || !text)
        throw AppError(err::ObjectNotSet, QStringLiteral("Object variable or With block variable not set"));
    text->move(twipsToPixels(16), picture->y() + twipsToPixels(2));
}

void FrmMain::buildSidePane()
{
    m_picture1 = new QWidget(this);
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    auto *pane = new QVBoxLayout(m_picture1);
    pane->setContentsMargins(4, 4, 4, 4);

    pane->addWidget(headerBar(QStringLiteral("Directory"), QStringLiteral("Directory List")));
    m_frame2 = new QGroupBox(m_picture1);
    m_frame2->setObjectName(QStringLiteral("Frame2"));
    auto *lists = new QVBoxLayout(m_frame2);
    m_driveList = new QComboBox(m_frame2);
    m_driveList->setObjectName(QStringLiteral("DriveList"));
    for (const QString &drive : driveRoots())
        m_driveList->addItem(style()->standardIcon(QStyle::SP_DriveHDIcon), drive, drive);
    m_dir1 = new FolderList(m_frame2);
    m_dir1->setObjectName(QStringLiteral("Dir1"));
    // The lists start in the home folder; the file list stays empty until a folder or drive is chosen.
    m_dir1->startAt(QDir::homePath());
    m_fileList = new QListWidget(m_frame2);
    m_fileList->setObjectName(QStringLiteral("FileList"));
    connect(m_driveList, &QComboBox::activated, this, &FrmMain::DriveList_Change);
    connect(m_dir1, &FolderList::pathChanged, this, &FrmMain::Dir1_Change);
    // The folder clicked again is read anew; the one the lists start in is listed at its first click.
    connect(m_dir1, &FolderList::reopened, this,
            [this] { m_listedFolder.isEmpty() ? Dir1_Change() : refreshFileList(); });
    // What is written into the shown folder is listed: by the program at once, by other programs (a batch run)
    // a moment after they began, and again after each further moment while they go on writing.
    m_folderWatch = new QFileSystemWatcher(this);
    m_folderChanged = new QTimer(this);
    m_folderChanged->setSingleShot(true);
    m_folderChanged->setInterval(200);
    connect(m_folderWatch, &QFileSystemWatcher::directoryChanged, m_folderChanged, [this] {
        if (!m_folderChanged->isActive())
            m_folderChanged->start();
    });
    connect(m_folderChanged, &QTimer::timeout, this, &FrmMain::refreshFileList);
    setWrittenListener([main = QPointer<FrmMain>(this)](const QString &path) {
        if (main)
            QMetaObject::invokeMethod(main, [main, path] { main->fileWritten(path); });
    });
    // A click picks a file, and so does Enter on the current one (the event filter). The list's activation
    // is not used: a double-click would pick the file a second time after its first click.
    connect(m_fileList, &QListWidget::itemClicked, this, &FrmMain::FileList_Click);
    m_fileList->installEventFilter(this);
    lists->addWidget(m_driveList);
    lists->addWidget(m_dir1);
    lists->addWidget(m_fileList);
    pane->addWidget(m_frame2, 3);

    pane->addWidget(headerBar(QStringLiteral("Preview"), QStringLiteral("Preview")));
    m_webBrowser = new PreviewBrowser(m_picture1);
    m_webBrowser->setObjectName(QStringLiteral("WebBrowser1"));
    pane->addWidget(m_webBrowser, 2);
    m_lblFileName = fileNameLabel(m_picture1, QStringLiteral("lblFileName"), QString());
    pane->addWidget(m_lblFileName);
    m_frame1 = new QGroupBox(QStringLiteral("Enlarge"), m_picture1);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    auto *enlarge = new QVBoxLayout(m_frame1);
    auto *enlargeText = label(m_frame1, QStringLiteral("lblEnlarge"), QStringLiteral("Click To Enlarge"));
    enlarge->addWidget(enlargeText);
    pane->addWidget(m_frame1);
    m_frame1->setCursor(Qt::PointingHandCursor);
    m_frame1->installEventFilter(this);
    enlargeText->installEventFilter(this);

    pane->addWidget(headerBar(QStringLiteral("Params"), QStringLiteral("Parameters")));
    auto *params = new QGroupBox(m_picture1);
    params->setObjectName(QStringLiteral("frmParams"));
    auto *grid = new QVBoxLayout(params);
    grid->addWidget(label(params, QStringLiteral("lblScormVersion_"), QStringLiteral("SCORM Version")));
    m_lblScormVersion = label(params, QStringLiteral("lblScormVersion"), QStringLiteral("SCORM 1.2"));
    grid->addWidget(m_lblScormVersion);
    grid->addWidget(label(params, QStringLiteral("lblCurFile_"), QStringLiteral("Current File")));
    m_lblCurFile = fileNameLabel(params, QStringLiteral("lblCurFile"), newFileLabel());
    grid->addWidget(m_lblCurFile);
    grid->addWidget(label(params, QStringLiteral("lblDefTemp_"), QStringLiteral("Default Template")));
    m_lblDefTemp = fileNameLabel(params, QStringLiteral("lblDefTemp"), QStringLiteral("- Default -"));
    grid->addWidget(m_lblDefTemp);
    pane->addWidget(params);

    m_imgSlider = label(this, QStringLiteral("imgSlider"), QStringLiteral("\u2039"));
    m_imgSlider->setFixedWidth(10);
    m_imgSlider->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    m_imgSlider->setCursor(Qt::PointingHandCursor);
    m_imgSlider->installEventFilter(this);
}

bool FrmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_fileList && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_fileList->currentItem()) {
            FileList_Click();
            return true;
        }
    }
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        if (watched == m_imgSlider) {
            imgSlider_Click();
            return true;
        }
        if (watched == m_frame1 || watched->parent() == m_frame1) {
            Frame1_Click();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

QMenu *FrmMain::menu(const QString &objectName) const { return findChild<QMenu *>(objectName); }

QAction *FrmMain::action(const QString &objectName) const
{
    for (QAction *a : findChildren<QAction *>())
        if (a->objectName() == objectName && !a->menu())
            return a;
    return nullptr;
}

void FrmMain::disableMenuButtons()
{
    for (QMenu *m : m_topMenus)
        m->menuAction()->setEnabled(false);
}

void FrmMain::enableMenuButtons()
{
    for (QMenu *m : m_topMenus)
        m->menuAction()->setEnabled(true);
}

void FrmMain::MDIForm_Load()
{
    try {
        FrmVersionSelect dialog(this);
        dialog.exec();

        const Binding binding = scormVersion == QLatin1String("2004") ? Binding::Scorm2004 : Binding::Scorm12;
        QString name = getDefaultTemplate();
        setDefaultTemplate(name);
        editorWindow(binding).showChild();
        scormVersion = binding == Binding::Scorm2004 ? QStringLiteral("SCORM 2004") : QStringLiteral("SCORM 1.2");

        m_lblScormVersion->setText(scormVersion);
        // 13800 twips wide at the least; wider and taller where the side pane and the editor need it.
        resize(twipsToPixels(13800), height());
        for (const QString &bar : {QStringLiteral("Directory"), QStringLiteral("Preview"), QStringLiteral("Params")})
            placeHeaderLabel(bar);
        action(QStringLiteral("mnuWebFilesOnly"))->setChecked(false);
        loadSideBar();
        makeRoomForChildren();
        if (readSetting(QStringLiteral("showTipAtStartup")).toInt() == 1)
            showTipModal();
        if (readSetting(QStringLiteral("showGettingStarted")).toInt() == 1)
            showTipModal();
    } catch (const std::exception &e) {
        reportError(e, QStringLiteral("MDIForm_Load"), kOwner);
    }
}

QSize FrmMain::areaOverhead() const
{
    // The side pane and its slider beside the area, the menu bar above it, and the area's frame around it.
    const int frame = 2 * m_mdiArea->frameWidth();
    return {m_picture1->minimumWidth() + m_imgSlider->width() + frame, menuBar()->sizeHint().height() + frame};
}

QSize FrmMain::roomForChildren() const { return size() - areaOverhead(); }

void FrmMain::makeRoomForChildren()
{
    QSize children(0, 0);
    for (const QMdiSubWindow *sub : m_mdiArea->subWindowList())
        if (!sub->isHidden())
            children = children.expandedTo(QSize(sub->geometry().right() + 1, sub->geometry().bottom() + 1));
    const QSize overhead = areaOverhead();
    const int width = overhead.width() + children.width();
    const int height = std::max(m_picture1->minimumSizeHint().height() + menuBar()->sizeHint().height(),
                                children.height() + overhead.height());
    // It only grows: a size the user gave it (maximized among them) stays.
    const QSize wanted = size().expandedTo(QSize(width, height).boundedTo(roomOnScreen(this)));
    if (wanted == size() || isMaximized() || isFullScreen())
        return;
    resize(wanted);
    // A window on the screen that now reaches past its edge is brought back onto it, with its title bar and
    // borders as the window system reports them (the usual ones while it has not yet said); one not yet shown
    // is placed by the window system.
    if (isVisible())
        keepOnScreen(this);
}

bool FrmMain::MDIForm_QueryUnload()
{
    try {
        if (msgBox(QStringLiteral("Are you sure you want to exit?"), Buttons::YesNo) != Answer::Yes)
            return false;
        // Every other window of the program, the children first; an editor may offer to save its record
        // as a template and may call the close off. Nothing is unloaded before every child has agreed:
        // a close called off leaves every window with its text as it was.
        // A Cancel from before (File > New's prompt) calls no close off.
        cancelExit = false;
        QList<MdiChild *> closing;
        for (QMdiSubWindow *sub : m_mdiArea->subWindowList()) {
            auto *child = qobject_cast<MdiChild *>(sub->widget());
            if (!child)
                continue;
            if (child->Form_QueryUnload())
                closing << child;
            if (cancelExit) {
                // The children asked so far let go of the File menu: the current one takes it back.
                if (QMdiSubWindow *current = m_mdiArea->currentSubWindow())
                    if (auto *active = qobject_cast<MdiChild *>(current->widget()))
                        active->Form_Activate();
                return true;
            }
        }
        for (MdiChild *child : closing)
            child->unload();
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w != this && isProgramWindow(w) && !isAncestorOf(w))
                w->deleteLater();
    } catch (const std::exception &e) {
        reportError(e, QStringLiteral("MDIForm_QueryUnload"), kOwner);
    }
    return true;
}

bool FrmMain::MDIForm_Unload()
{
    try {
        if (cancelExit) {
            // A save prompt was cancelled on the way: the program keeps running. The windows that
            // agreed to close are gone; the one that objected stays.
            cancelExit = false;
            return false;
        }
    } catch (const std::exception &e) {
        reportError(e, QStringLiteral("MDIForm_Unload"), kOwner);
    }
    return true;
}

void FrmMain::closeEvent(QCloseEvent *event)
{
    if (m_closing) {
        event->accept();
        return;
    }
    if (!MDIForm_QueryUnload() || !MDIForm_Unload()) {
        event->ignore();
        return;
    }
    m_closing = true;
    event->accept();
}

void FrmMain::onSubWindowActivated()
{
    QMdiSubWindow *sub = m_mdiArea->activeSubWindow();
    if (!sub)
        return;
    if (auto *child = qobject_cast<MdiChild *>(sub->widget()))
        child->Form_Activate();
}

FrmMain &frmMain() { return WindowInstance<FrmMain>::get(); }
bool frmMainLoaded() { return WindowInstance<FrmMain>::loaded(); }
void unloadFrmMain() { WindowInstance<FrmMain>::unload(); }

} // namespace ts

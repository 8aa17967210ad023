#include "folderlist.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QStyle>

namespace ts::batch {

namespace {

constexpr int kPathRole = Qt::UserRole;

bool canOpen(const QString &folder)
{
    const QFileInfo info(folder);
    return info.isDir() && info.isReadable() && info.isExecutable();
}

} // namespace

FolderList::FolderList(QWidget *parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    // Nothing here folds, so no branch shows the sign of folding.
    setStyleSheet(QStringLiteral("QTreeView::branch { image: none; border-image: none; }"));
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem *item) {
        if (item && setPath(item->data(0, kPathRole).toString()))
            emit pathChanged();
    });
}

bool FolderList::setPath(const QString &folder)
{
    const QString clean = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    if (!canOpen(clean))
        return false;
    m_path = clean;
    fill(clean);
    return true;
}

QString FolderList::highlighted() const
{
    const QTreeWidgetItem *item = currentItem();
    return item ? item->data(0, kPathRole).toString() : m_path;
}

void FolderList::refresh()
{
    const QString highlight = highlighted();
    QString folder = m_path;
    while (!canOpen(folder) && folder != QDir::rootPath())
        folder = QFileInfo(folder).path();
    if (folder == m_path) {
        fill(highlight); // a highlighted folder that is gone leaves the open one highlighted
        return;
    }
    if (setPath(folder))
        emit pathChanged();
}

void FolderList::fill(const QString &highlight)
{
    clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    // The folders from the root down to the open one, each a child of the one above.
    QStringList chain;
    for (QString f = m_path;; f = QFileInfo(f).path()) {
        chain.prepend(f);
        if (QDir(f).isRoot())
            break;
    }
    QTreeWidgetItem *parent = nullptr;
    for (const QString &f : chain) {
        const QString name = QDir(f).isRoot() ? f : QFileInfo(f).fileName();
        auto *item = parent ? new QTreeWidgetItem(parent, {name}) : new QTreeWidgetItem(this, {name});
        item->setIcon(0, open);
        item->setData(0, kPathRole, f);
        parent = item;
    }
    QTreeWidgetItem *current = parent;
    const QStringList subfolders =
        QDir(m_path).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : subfolders) {
        auto *item = new QTreeWidgetItem(parent, {name});
        item->setIcon(0, closed);
        item->setData(0, kPathRole, QDir(m_path).filePath(name));
        if (item->data(0, kPathRole).toString() == highlight)
            current = item;
    }
    expandAll();
    setCurrentItem(current);
}

} // namespace ts::batch

#pragma once
// A folder list: the open folder with every folder above it, each one level deeper than its parent, and
// the open folder's subfolders below it. Clicking an entry highlights it; double-clicking it (or Enter)
// opens it.

#include <QTreeWidget>

namespace ts::batch {

class FolderList : public QTreeWidget {
    Q_OBJECT
public:
    explicit FolderList(QWidget *parent = nullptr);

    QString path() const { return m_path; }
    // Opens the folder; false, and nothing changes, when it cannot be read.
    bool setPath(const QString &folder);
    // The full path of the highlighted entry; the open folder when none is highlighted.
    QString highlighted() const;
    // Lists the open folder again, keeping the highlight; when the open folder is gone, the nearest folder
    // above it that is still there is opened.
    void refresh();

signals:
    // The open folder changed.
    void pathChanged();

private:
    void fill(const QString &highlight);

    QString m_path;
};

} // namespace ts::batch

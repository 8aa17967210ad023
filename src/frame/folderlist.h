#pragma once
// The folder list of the main window's file browser: the folders from the root down to the current one,
// then the current folder's subfolders, each indented by its depth. Activating a folder (a double click,
// or Enter) makes it the current one; a click on the current one, or activating it, opens it again.

#include <QListWidget>

namespace ts {

class FolderList : public QListWidget {
    Q_OBJECT
public:
    explicit FolderList(QWidget *parent = nullptr);

    // The current folder, whose files the file list shows.
    QString path() const { return m_path; }
    // Makes the folder the current one and refills the list; pathChanged follows when it differs from the
    // one before. A path that is no folder raises AppError 76 and changes nothing.
    void setPath(const QString &path);
    // Sets the current folder without reporting a change (the folder the list starts in).
    void startAt(const QString &path);

signals:
    void pathChanged();
    // The current folder was clicked or activated again: what is shown of it is to be read anew.
    void reopened();

private:
    void fill();
    void addFolder(const QString &path, const QString &name, int depth, bool open);

    QString m_path;
};

// The main window's drives: the home folder, then every mounted volume that holds files (not the system's
// own pseudo file systems), by the path of its root.
QStringList driveRoots();
// Of the drives, the one whose root holds the path most closely (the home folder before the volume holding it).
QString driveOf(const QStringList &drives, const QString &path);

} // namespace ts

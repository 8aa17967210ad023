#pragma once
// A child window of the main window's multiple-document area: the editor windows and the XML text
// window. The child is shown in a sub-window of the area, created when it is first shown.

#include <QWidget>

class QMdiSubWindow;

namespace ts {

class MdiChild : public QWidget {
    Q_OBJECT
public:
    explicit MdiChild(QWidget *parent = nullptr);

    // Shows the child in the main window's area (adding it on first use) and activates it.
    void showChild();
    void hideChild();
    bool isShownChild() const;
    Qt::WindowStates childState() const;
    void setChildState(Qt::WindowStates state);
    void setCaption(const QString &caption);
    QString caption() const;
    QMdiSubWindow *subWindow() const;

    // Runs when the child becomes the active child of the main window.
    virtual void Form_Activate() {}
    // Runs before the child is unloaded; false calls the unloading off.
    virtual bool Form_QueryUnload() { return true; }
    // Destroys the child with its sub-window; its accessor creates a new one on next use.
    void unload();
};

} // namespace ts

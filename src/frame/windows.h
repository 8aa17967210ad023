#pragma once
// Program-wide windows: one instance each, created on first use through its accessor and destroyed when
// unloaded, after which the accessor creates a new one. Tests destroy and recreate them the same way.

#include <QPointer>
#include <QWidget>

namespace ts {

template <class T> class WindowInstance {
public:
    static T &get()
    {
        if (!ptr())
            ptr() = new T();
        return *ptr();
    }
    static bool loaded() { return !ptr().isNull(); }
    static void unload() { delete ptr().data(); }
    static QPointer<T> &ptr()
    {
        static QPointer<T> p;
        return p;
    }
};

// Marks a top-level window as one of the program's, so that closing the program unloads it.
void markProgramWindow(QWidget *window);
bool isProgramWindow(const QWidget *window);
// Makes a window of the program open in the middle of the main window while that is shown, else of the screen,
// whole on the screen.
void openOverMain(QWidget *window);

} // namespace ts

#include "support/testmain.h"

#include "editor2004fixture.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

using namespace ts;
using namespace ts::test;

namespace {

// The controls a user sees on a page: fields, lists, buttons and labels (a combo's own line is the combo).
QList<QWidget *> seenControls(QWidget *page)
{
    QList<QWidget *> out;
    for (QWidget *w : page->findChildren<QWidget *>()) {
        const bool control = qobject_cast<QLabel *>(w) || qobject_cast<QAbstractButton *>(w) ||
                             qobject_cast<QComboBox *>(w) || qobject_cast<QListWidget *>(w) ||
                             qobject_cast<QPlainTextEdit *>(w) ||
                             (qobject_cast<QLineEdit *>(w) && !qobject_cast<QComboBox *>(w->parentWidget()));
        if (control && w->isVisibleTo(page))
            out << w;
    }
    return out;
}

QRect on(QWidget *page, QWidget *w) { return QRect(w->mapTo(page, QPoint(0, 0)), w->size()); }

} // namespace

class Layout : public Editor2004Test {};

// At the window's default size every tab shows its labels, captions and buttons whole, inside the page,
// and no two controls cover each other; each tab is written beside the test program for a look.
TEST_F(Layout, EveryTabShowsItsControlsWholeAndApart)
{
    win->setCategoryText(QStringLiteral("Content Aggregation Meta-Data (MD-XML1 + Optional)"));
    for (int tab = 0; tab < win->SSTab1()->count(); ++tab) {
        win->SSTab1()->setCurrentIndex(tab);
        processEvents();
        QWidget *page = win->SSTab1()->widget(tab);
        const QList<QWidget *> controls = seenControls(page);
        EXPECT_GT(controls.size(), 4) << tab;
        for (QWidget *w : controls) {
            const std::string name = w->objectName().toStdString() + " on tab " + std::to_string(tab);
            EXPECT_TRUE(page->rect().contains(on(page, w))) << name;
            EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry())) << name;
            if (auto *label = qobject_cast<QLabel *>(w)) {
                EXPECT_GE(label->contentsRect().width(), label->fontMetrics().horizontalAdvance(label->text())) << name;
                EXPECT_GE(label->height(), label->fontMetrics().height()) << name;
            } else if (qobject_cast<QAbstractButton *>(w)) {
                EXPECT_GE(w->width(), w->sizeHint().width()) << name;
            }
            for (QWidget *other : controls) {
                if (other != w && !w->isAncestorOf(other) && !other->isAncestorOf(w)) {
                    EXPECT_FALSE(on(page, w).intersects(on(page, other)))
                        << name << " and " << other->objectName().toStdString();
                }
            }
        }
        const QString file =
            QCoreApplication::applicationDirPath() + QStringLiteral("/frmOptions2004_tab%1.png").arg(tab);
        EXPECT_TRUE(win->grab().save(file)) << file.toStdString();
    }
}

#include "support/testmain.h"

#include "editorfixture.h"

#include <QCoreApplication>
#include <QImage>

using namespace ts;
using namespace ts::test;

// Renders every tab of the window to a picture beside the test program, for a look at the layout.
class Screenshot : public EditorTest {};

TEST_F(Screenshot, EveryTabRendersToAPicture)
{
    // Before any category: the record's fields greyed.
    const QString closed = QCoreApplication::applicationDirPath() + QStringLiteral("/frmOptions_closed.png");
    ASSERT_TRUE(win->grab().save(closed)) << closed.toStdString();
    win->setCategoryText(QStringLiteral("Content Aggregation Meta-Data (MD-XML1 + Optional)"));
    for (int tab = 0; tab < win->SSTab1()->count(); ++tab) {
        win->SSTab1()->setCurrentIndex(tab);
        processEvents();
        const QString file =
            QCoreApplication::applicationDirPath() + QStringLiteral("/frmOptions_tab%1.png").arg(tab);
        const QPixmap picture = win->grab();
        EXPECT_GT(picture.width(), 600);
        EXPECT_GT(picture.height(), 400);
        ASSERT_TRUE(picture.save(file)) << file.toStdString();
        EXPECT_FALSE(QImage(file).isNull());
    }
}

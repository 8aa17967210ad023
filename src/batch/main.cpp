// batch: one metadata file per content file, from the template the main program hands over.
#include "batch/frmbatchgenerate.h"
#include "platform/dialogs.h"
#include "platform/qt/desktop.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("batch"));
    ts::setAppTitle(QStringLiteral("Batch Generate"));
    ts::useDesktopServices();
    ts::batch::frmBatchGenerate().show();
    return app.exec();
}

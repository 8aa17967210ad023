// lomshift: the SCORM 1.2 to SCORM 2004 conversion wizard.
#include "lomshift/frmmain.h"
#include "platform/qt/desktop.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lomshift"));
    ts::useDesktopServices();
    ts::lomshift::Main();
    return app.exec();
}

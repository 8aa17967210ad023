// tagsmith: the metadata editor.
#include "editor12/frmoptions.h"
#include "editor2004/frmoptions2004.h"
#include "frame/frmsplash.h"
#include "platform/qt/desktop.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tagsmith"));
    ts::useDesktopServices();
    ts::registerEditor12();
    ts::registerEditor2004();
    ts::frmSplash().show();
    return app.exec();
}

#include "platform/qt_desktop.h"
#include "view/window_style.h"
#include "window/gridly.h"

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("gridly"));  // names the user's settings folder
    QApplication::setStyle(new WindowStyle);
    QtDesktop desktop(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation));
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    gridly window(desktop, QCoreApplication::applicationDirPath(), arguments);
    desktop.setParentWindow(&window);
    if (!window.Form_Load())
        return 0;
    window.show();
    return QApplication::exec();
}

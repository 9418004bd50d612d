#include "kvmainwindow.h"
#include "translations.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Karvo::installTranslators(app);
    // Lets Wayland desktops match the window with its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.karvo.Karvo"));
    KvMainWindow window;
    window.show();
    return app.exec();
}

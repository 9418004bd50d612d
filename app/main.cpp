#include "commandline.h"
#include "kvmainwindow.h"
#include "qtcompat.h"
#include "translations.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    Karvo::enableHighDpiScaling();
    // Any argument means the command line, which must run without a display.
    if (argc > 1) {
        QCoreApplication app(argc, argv);
        Karvo::installTranslators(app);
        return Karvo::runCommandLine(app);
    }
    QApplication app(argc, argv);
    // Settings in ~/.config/karvo/karvo.conf, the undo store in
    // ~/.local/share/karvo/karvo/undo.
    QCoreApplication::setOrganizationName(QStringLiteral("karvo"));
    QCoreApplication::setApplicationName(QStringLiteral("karvo"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Karvo"));
    Karvo::installTranslators(app);
    // Lets Wayland desktops match the window with its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.karvo.Karvo"));
    KvMainWindow window;
    window.show();
    return app.exec();
}

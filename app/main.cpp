#include "kvmainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Settings in ~/.config/karvo/karvo.conf, the undo store in
    // ~/.local/share/karvo/karvo/undo.
    QCoreApplication::setOrganizationName(QStringLiteral("karvo"));
    QCoreApplication::setApplicationName(QStringLiteral("karvo"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Karvo"));
    // Lets Wayland desktops match the window with its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.karvo.Karvo"));
    KvMainWindow window;
    window.show();
    return app.exec();
}

#include "commandline.h"
#include "kvmainwindow.h"
#include "openwith.h"
#include "qtcompat.h"
#include "streaming.h"
#include "translations.h"

#include <QApplication>
#include <QStackedWidget>
#include <QTimer>

#include <cstdio>

namespace {

// For tests of the window driven from outside, with no display to look at:
// with KARVO_PRINT_SUMMARY set, the summary a run ends on is printed to
// standard output and the window closes.
void printSummaryAndQuit(KvMainWindow &window)
{
    auto *pages = window.findChild<QStackedWidget *>(QStringLiteral("stackedWidget"));
    if (!pages)
        qFatal("KARVO_PRINT_SUMMARY: the window has no stackedWidget");
    QObject::connect(pages, &QStackedWidget::currentChanged, &window, [pages] {
        QWidget *page = pages->currentWidget();
        if (page->objectName() != QLatin1String("resultPage"))
            return;
        const QByteArray text = page->accessibleDescription().toUtf8() + '\n';
        std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
}

} // namespace

int main(int argc, char *argv[])
{
    Karvo::keepBuffers();
    Karvo::enableHighDpiScaling();
    const Karvo::OpenWith openWith = Karvo::openWithArguments(argc, argv);
    // Any other argument means the command line, which must run without a
    // display.
    if (argc > 1 && !openWith.window) {
        QCoreApplication app(argc, argv);
        Karvo::installTranslators(app);
        return Karvo::runCommandLine(app);
    }
    // Qt takes no arguments of its own from Open With: the files are ours.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    // Settings in ~/.config/karvo/karvo.conf, the undo store in
    // ~/.local/share/karvo/karvo/undo.
    QCoreApplication::setOrganizationName(QStringLiteral("karvo"));
    QCoreApplication::setApplicationName(QStringLiteral("karvo"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Karvo"));
    Karvo::installTranslators(app);
    // Lets Wayland desktops match the window with its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.karvo.Karvo"));
    KvMainWindow mainWindow;
    if (qEnvironmentVariableIsSet("KARVO_PRINT_SUMMARY"))
        printSummaryAndQuit(mainWindow);
    mainWindow.show();
    // Once the window is up, the files go to it as a drop of them would.
    if (openWith.window)
        QTimer::singleShot(0, &mainWindow, [&mainWindow, &openWith] { Karvo::startOpenWith(mainWindow, openWith); });
    return app.exec();
}

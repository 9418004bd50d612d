#include "kvmainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    KvMainWindow window;
    window.show();
    return app.exec();
}

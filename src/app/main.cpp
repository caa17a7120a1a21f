#include "applicationidentity.h"
#include "mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    setApplicationIdentity();
    enableHighDpiScaling();

    QApplication app(argc, argv);
    int exitCode = 0;
    {
        MainWindow window;   // its destructor stores the preferences
        window.show();
        exitCode = app.exec();
    }
    return exitCode;
}

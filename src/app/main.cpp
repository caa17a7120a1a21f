#include "applicationidentity.h"
#include "mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    setApplicationIdentity();
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    // Sizes follow the screen's scale factor, and icons draw from their @2x pictures
    // there instead of blowing up the small ones; Qt 6 does both by itself.
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#endif

    QApplication app(argc, argv);
    int exitCode = 0;
    {
        MainWindow window;   // its destructor stores the preferences
        window.show();
        exitCode = app.exec();
    }
    return exitCode;
}

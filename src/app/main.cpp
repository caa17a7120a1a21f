#include "mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("Quillary"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.2.0.0"));
    QCoreApplication::setOrganizationName(QStringLiteral("Halvex"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("https://www.halvex.example"));

    QApplication app(argc, argv);
    int exitCode = 0;
    {
        MainWindow window;   // its destructor stores the preferences
        window.show();
        exitCode = app.exec();
    }
    return exitCode;
}

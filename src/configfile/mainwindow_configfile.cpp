// Generate and Import commands of the main window.
#include "app/mainwindow.h"
#include "ui_mainwindow.h"

void MainWindow::generateConfigurationFile()
{
}

void MainWindow::writeConfigurationFile(const QString &path)
{
    Q_UNUSED(path);
}

void MainWindow::importConfigurationFile()
{
}

void MainWindow::readConfigurationFile(const QString &path)
{
    Q_UNUSED(path);
}

// Help menu commands of the main window.
#include "app/mainwindow.h"

void MainWindow::on_action_About_triggered()
{
}

void MainWindow::on_actionContact_Technical_Support_triggered()
{
}

void MainWindow::on_actionHalvex_Home_Page_triggered()
{
}

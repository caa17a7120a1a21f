// Interface language of the main window and the preference file that remembers it.
#include "app/mainwindow.h"
#include "ui_mainwindow.h"

// Every language command runs the same routine; the option values go back to
// their defaults because the lists are refilled, while the ticks stay.
void MainWindow::switchLanguage(QAction *chosen)
{
    uncheckLanguageActions();
    chosen->setChecked(true);
    changeLanguage();
    fillOptionLists();
    applyDefaultSettings();
}

void MainWindow::uncheckLanguageActions()
{
    ui->actionDefault->setChecked(false);
    ui->action_English->setChecked(false);
    ui->action_Fran_ais->setChecked(false);
}

void MainWindow::changeLanguage()
{
    ui->retranslateUi(this);
}

void MainWindow::readPreferenceFile(QString path)
{
    Q_UNUSED(path);
}

void MainWindow::writePreferenceFile(QString path)
{
    Q_UNUSED(path);
}

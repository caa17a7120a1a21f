// Help menu commands of the main window.
#include "app/mainwindow.h"

#include "help/aboutwindows.h"
#include "help/helptexts.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>

void MainWindow::on_action_About_triggered()
{
    auto *about = new AboutWindows;
    about->setAttribute(Qt::WA_DeleteOnClose);   // parentless, so nothing else would free it
    about->fillInfos();
    // Keep the dialog type: a bare close-button hint would turn it into a plain top-level
    // window for the window manager (own task-bar entry, not kept above the main window).
    about->setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint);
    about->show();   // modal from its form, so the main window waits without a nested loop
}

void MainWindow::on_actionContact_Technical_Support_triggered()
{
    QDesktopServices::openUrl(
        Help::supportMailUrl(tr("Halvex support request (from:"), tr("( write here your question... )")));
}

void MainWindow::on_actionHalvex_Home_Page_triggered()
{
    QDesktopServices::openUrl(QUrl(QCoreApplication::organizationDomain(), QUrl::TolerantMode));
}

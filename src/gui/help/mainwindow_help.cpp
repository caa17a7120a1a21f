// Help menu commands of the main window.
#include "app/mainwindow.h"

#include "help/aboutwindows.h"
#include "help/addressdialog.h"
#include "help/helptexts.h"
#include "help/manualdialog.h"

#include <QCoreApplication>
#include <QUrl>
#include <QWhatsThis>

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

// One manual beside the window, brought to the front when asked for again.
void MainWindow::on_action_Manual_triggered()
{
    auto *manual = findChild<ManualDialog *>();
    if (!manual)
        manual = new ManualDialog(this);
    manual->show();
    manual->raise();
    manual->activateWindow();
}

void MainWindow::on_action_WhatsThis_triggered()
{
    QWhatsThis::enterWhatsThisMode();
}

// Where no e-mail program or browser opens, the user still gets the address.
void MainWindow::on_actionContact_Technical_Support_triggered()
{
    AddressDialog::openOrShow(
        Help::supportMailUrl(tr("Halvex support request (from:"), tr("( write here your question... )")),
        tr("Contact Technical Support"),
        tr("No e-mail program could be opened. Write to technical support at this address:"), Help::supportAddress(),
        this);
}

void MainWindow::on_actionHalvex_Home_Page_triggered()
{
    const QString address = QCoreApplication::organizationDomain();
    AddressDialog::openOrShow(QUrl(address, QUrl::TolerantMode), tr("Halvex Home Page"),
                              tr("No web browser could be opened. The home page is at this address:"), address, this);
}

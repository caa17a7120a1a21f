#include "helpcommands.h"

#include "help/aboutwindows.h"
#include "help/addressdialog.h"
#include "help/helptexts.h"
#include "help/manualdialog.h"

#include <QUrl>
#include <QWhatsThis>

void HelpCommands::showAbout()
{
    auto *about = new AboutWindows;
    about->setAttribute(Qt::WA_DeleteOnClose);   // parentless, so nothing else would free it
    about->fillInfos();
    // Keep the dialog type: a bare close-button hint would turn it into a plain top-level
    // window for the window manager (own task-bar entry, not kept above the main window).
    about->setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint);
    about->show();
}

void HelpCommands::showManual(QWidget *window)
{
    auto *manual = window->findChild<ManualDialog *>();
    if (!manual)
        manual = new ManualDialog(window);
    manual->show();
    manual->raise();
    manual->activateWindow();
}

void HelpCommands::enterWhatsThisMode()
{
    QWhatsThis::enterWhatsThisMode();
}

void HelpCommands::contactTechnicalSupport(QWidget *window)
{
    AddressDialog::openOrShow(
        Help::supportMailUrl(tr("Halvex support request (from:"), tr("( write here your question... )")),
        tr("Contact Technical Support"),
        tr("No e-mail program could be opened. Write to technical support at this address:"), Help::supportAddress(),
        window);
}

void HelpCommands::openHomePage(QWidget *window)
{
    const QString address = QCoreApplication::organizationDomain();
    AddressDialog::openOrShow(QUrl(address, QUrl::TolerantMode), tr("Halvex Home Page"),
                              tr("No web browser could be opened. The home page is at this address:"), address, window);
}

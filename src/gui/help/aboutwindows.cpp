#include "aboutwindows.h"
#include "ui_aboutwindows.h"

#include "help/helptexts.h"

#include <QSysInfo>

AboutWindows::AboutWindows(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::AboutWindows)
{
    ui->setupUi(this);
}

AboutWindows::~AboutWindows()
{
    delete ui;
}

void AboutWindows::fillInfos()
{
    ui->retranslateUi(this);   // the title starts again from the bare "About"
    ui->label_infos->setText(Help::aboutInformation(osDescription()));
    setWindowTitle(windowTitle() + QLatin1Char(' ') + QCoreApplication::applicationName());
}

QString AboutWindows::osDescription()
{
    QString description = tr("Unkown OS");
#ifdef Q_OS_WIN
    description = tr("Microsoft") + QLatin1Char(' ') + QSysInfo::productType() + QLatin1Char(' ')
                  + QSysInfo::productVersion();
#else
    // Other systems name themselves, e.g. "Debian GNU/Linux 12 (bookworm)" or "macOS 14.4".
    const QString ownName = QSysInfo::prettyProductName();
    if (!ownName.isEmpty())
        description = ownName;
#endif
    return description;
}

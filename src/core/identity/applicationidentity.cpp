#include "applicationidentity.h"

#include <QCoreApplication>
#include <QStandardPaths>

namespace {

const char programName[] = "Quillary";

} // namespace

void setApplicationIdentity()
{
    QCoreApplication::setApplicationName(QString::fromLatin1(programName));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.2.0.0"));
    QCoreApplication::setOrganizationName(QStringLiteral("Halvex"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("https://www.halvex.example"));
}

QString programDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QLatin1Char('/')
           + QCoreApplication::organizationName() + QLatin1Char('/') + QLatin1String(programName);
}

void enableHighDpiScaling()
{
#if QT_VERSION_MAJOR < 6
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#endif
}

#include "applicationidentity.h"

#include <QCoreApplication>

void setApplicationIdentity()
{
    QCoreApplication::setApplicationName(QStringLiteral("Quillary"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.2.0.0"));
    QCoreApplication::setOrganizationName(QStringLiteral("Halvex"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("https://www.halvex.example"));
}

void enableHighDpiScaling()
{
#if QT_VERSION_MAJOR < 6
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#endif
}

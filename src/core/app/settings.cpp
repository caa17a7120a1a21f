#include "settings.h"

#include "files/resolvedname.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <cerrno>

namespace {

const QString lastFolderKey = QStringLiteral("files/lastFolder");

// On Windows QFileInfo::isWritable() looks at the read-only attribute only, which a
// folder such as Program Files does not carry although a user may not write there:
// only trying tells.
bool mayWriteIn(const QFileInfo &folder)
{
#ifdef Q_OS_WIN
    QTemporaryFile probe(folder.absoluteFilePath() + QStringLiteral("/XXXXXX.tmp"));
    return probe.open();
#else
    return folder.isWritable();
#endif
}

} // namespace

namespace Settings {

QString fileName()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/')
           + QCoreApplication::organizationName() + QLatin1Char('/') + QCoreApplication::applicationName()
           + QStringLiteral(".conf");
}

bool usable()
{
    for (const QString &name : {fileName(), fileName() + QStringLiteral(".lock")}) {
        const ResolvedName resolved = resolveName(name);
        if ((resolved.exists && !resolved.regular) || resolved.error == ELOOP)
            return false;
    }
    return true;
}

QString lastFolder()
{
    return usable() ? QSettings().value(lastFolderKey).toString() : QString();
}

void setLastFolder(const QString &folder)
{
    if (usable())
        QSettings().setValue(lastFolderKey, folder);
}

QString firstWritableFolder(const QStringList &candidates, const QString &lastResort)
{
    for (const QString &folder : candidates) {
        const QFileInfo info(folder);
        if (!folder.isEmpty() && info.isDir() && mayWriteIn(info))
            return info.absoluteFilePath();
    }
    return lastResort;
}

QString startFolder()
{
    return firstWritableFolder({lastFolder(), QCoreApplication::applicationDirPath(),
                                QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)},
                               QDir::homePath());
}

} // namespace Settings

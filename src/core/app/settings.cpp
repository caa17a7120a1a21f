#include "settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString lastFolderKey = QStringLiteral("files/lastFolder");

} // namespace

namespace Settings {

QString lastFolder()
{
    return QSettings().value(lastFolderKey).toString();
}

void setLastFolder(const QString &folder)
{
    QSettings().setValue(lastFolderKey, folder);
}

QString firstWritableFolder(const QStringList &candidates, const QString &lastResort)
{
    for (const QString &folder : candidates) {
        const QFileInfo info(folder);
        if (!folder.isEmpty() && info.isDir() && info.isWritable())
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

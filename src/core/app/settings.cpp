#include "settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString lastFolderKey = QStringLiteral("files/lastFolder");
const QString recentFilesKey = QStringLiteral("files/recent");
const QString windowGeometryKey = QStringLiteral("window/geometry");

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

QStringList recentFiles()
{
    return QSettings().value(recentFilesKey).toStringList().mid(0, MaxRecentFiles);
}

void addRecentFile(const QString &path)
{
    const QString file = QFileInfo(path).absoluteFilePath();
    QStringList files = recentFiles();
    files.removeAll(file);
    files.prepend(file);
    QSettings().setValue(recentFilesKey, QStringList(files.mid(0, MaxRecentFiles)));
}

void clearRecentFiles()
{
    QSettings().remove(recentFilesKey);
}

QByteArray windowGeometry()
{
    return QSettings().value(windowGeometryKey).toByteArray();
}

void setWindowGeometry(const QByteArray &geometry)
{
    QSettings().setValue(windowGeometryKey, geometry);
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

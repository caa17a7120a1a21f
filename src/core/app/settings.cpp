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
const QString recentFilesKey = QStringLiteral("files/recent");
const QString windowGeometryKey = QStringLiteral("window/geometry");

QString paneKey(Settings::Pane pane)
{
    return pane == Settings::Pane::Preview ? QStringLiteral("window/previewShown") : QStringLiteral("window/toolBarShown");
}

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

QStringList recentFiles()
{
    return usable() ? QSettings().value(recentFilesKey).toStringList().mid(0, MaxRecentFiles) : QStringList();
}

void addRecentFile(const QString &path)
{
    if (!usable())
        return;
    const QString file = QFileInfo(path).absoluteFilePath();
    QStringList files = recentFiles();
    files.removeAll(file);
    files.prepend(file);
    QSettings().setValue(recentFilesKey, QStringList(files.mid(0, MaxRecentFiles)));
}

void clearRecentFiles()
{
    if (usable())
        QSettings().remove(recentFilesKey);
}

QByteArray windowGeometry()
{
    return usable() ? QSettings().value(windowGeometryKey).toByteArray() : QByteArray();
}

void setWindowGeometry(const QByteArray &geometry)
{
    if (usable())
        QSettings().setValue(windowGeometryKey, geometry);
}

std::optional<bool> paneShown(Pane pane)
{
    if (!usable())
        return std::nullopt;
    const QVariant shown = QSettings().value(paneKey(pane));
    return shown.isValid() ? std::optional<bool>(shown.toBool()) : std::nullopt;
}

void setPaneShown(Pane pane, bool shown)
{
    if (usable())
        QSettings().setValue(paneKey(pane), shown);
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

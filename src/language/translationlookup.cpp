#include "translationlookup.h"

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>

namespace Translation {

QString languageCode(const QString &localeName)
{
    return localeName.section(QLatin1Char('_'), 0, 0);
}

QStringList searchFolders(const QString &workingDir, const QString &applicationDir)
{
    // The executable sits in <prefix>/bin, the translations in <prefix>/<datadir>/...;
    // an absolute data folder is taken as it is.
    const QString installed = QStringLiteral(QUILLARY_TRANSLATIONS_DIR);
    const QString installedDir = QDir::isAbsolutePath(installed)
                                     ? installed
                                     : QDir::cleanPath(applicationDir + QLatin1String("/../") + installed);
    return {workingDir, applicationDir, installedDir};
}

QStringList searchFolders()
{
    return searchFolders(QDir::currentPath(), QCoreApplication::applicationDirPath());
}

bool loadFromFolders(QTranslator &translator, const QString &fileName, const QStringList &folders)
{
    for (const QString &folder : folders) {
        if (translator.load(fileName, folder))
            return true;
    }
    return false;
}

} // namespace Translation

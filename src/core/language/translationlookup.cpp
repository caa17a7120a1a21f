#include "translationlookup.h"

#include "files/regularfile.h"
#include "language/languageglobals.h"
#include "language/translationcheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>

namespace Translation {

namespace {

// Ours have about 10 KiB; a far larger file is not read.
constexpr qint64 MaxFileBytes = 4 << 20;

// The names QTranslator tries in a folder ("LanguageData_fr_CA.qm", "LanguageData_fr_CA",
// "LanguageData_fr.qm", "LanguageData_fr"), but only those that still name a language:
// a bare "LanguageData" or "LanguageData.qm" where the program is started would
// replace every language by whatever it holds.
QStringList candidateNames(QString name)
{
    QStringList names;
    for (;;) {
        names << name + QLatin1String(".qm") << name;
        const int cut = qMax(name.lastIndexOf(QLatin1Char('_')), name.lastIndexOf(QLatin1Char('.')));
        if (cut <= translationFilePrefix.size())
            return names;
        name.truncate(cut);
    }
}

} // namespace

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
    return {applicationDir, installedDir, workingDir};
}

QStringList searchFolders()
{
    return searchFolders(QDir::currentPath(), QCoreApplication::applicationDirPath());
}

bool loadFromFolders(QTranslator &translator, QByteArray &bytes, const QString &fileName, const QStringList &folders)
{
    static_cast<void>(translator.load(static_cast<const uchar *>(nullptr), 0));   // only empties it
    bytes.clear();
    for (const QString &folder : folders) {
        for (const QString &name : candidateNames(fileName)) {
            QFile file(QDir(folder).filePath(name));
            if (!openRegularFile(file, QIODevice::ReadOnly) || file.size() > MaxFileBytes)
                continue;
            const QByteArray read = file.readAll();
            if (isSoundTranslationFile(read)
                && translator.load(reinterpret_cast<const uchar *>(read.constData()), int(read.size()), folder)) {
                bytes = read;
                return true;
            }
        }
    }
    return false;
}

} // namespace Translation

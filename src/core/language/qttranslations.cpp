#include "qttranslations.h"

#include <QDir>
#include <QLibraryInfo>

namespace Translation {

QString qtFileName(const QString &languageCode)
{
    return QStringLiteral("qtbase_") + languageCode;
}

QStringList qtSearchFolders(const QString &applicationDir)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#else
    const QString qtFolder = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
#endif
    return {applicationDir, QDir(applicationDir).filePath(QStringLiteral("translations")), qtFolder};
}

} // namespace Translation

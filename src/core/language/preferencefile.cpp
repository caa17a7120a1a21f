#include "preferencefile.h"

#include "files/atomicsave.h"
#include "files/regularfile.h"
#include "language/languageglobals.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>

namespace Preferences {

namespace {

// The real file has about a hundred bytes; a larger one is not ours and is never
// read whole, whatever it holds.
constexpr qint64 MaxHeadBytes = 64 * 1024;

#ifdef Q_OS_WIN
const char lineEnd[] = "\r\n";
#else
const char lineEnd[] = "\n";
#endif

// Stored in English whatever the interface language.
QString languageName(QLocale::Language language)
{
    return QLocale::languageToString(language);
}

QString lineAt(const QList<QByteArray> &lines, int index)
{
    if (index >= lines.size())
        return QString();
    QByteArray line = lines.at(index);
    if (line.endsWith('\r'))
        line.chop(1);
    return QString::fromLocal8Bit(line.constData(), line.size());   // NUL bytes included
}

} // namespace

QString resolvedPath(const QString &path)
{
    if (!path.isEmpty())
        return path;
    return QDir(QCoreApplication::applicationDirPath())
        .absoluteFilePath(QCoreApplication::applicationName() + preferenceFileSuffix);
}

std::optional<Language> parseLanguage(const QByteArray &head)
{
    const QList<QByteArray> lines = head.split('\n');
    const QString signature = lineAt(lines, 0);
    if (!signature.contains(playerModelCode) || !signature.contains(preferenceFileVersion))
        return std::nullopt;
    const QString value = lineAt(lines, 4);
    if (value == languageName(QLocale::English))
        return Language::English;
    if (value == languageName(QLocale::French))
        return Language::French;
    return Language::Default;
}

std::optional<Language> readLanguage(const QString &path)
{
    QFile file(resolvedPath(path));
    if (!openRegularFile(file, QIODevice::ReadOnly))
        return std::nullopt;
    return parseLanguage(file.read(MaxHeadBytes));
}

QByteArray fileContents(Language language)
{
    QString value = defaultLanguageName;
    if (language == Language::English)
        value = languageName(QLocale::English);
    else if (language == Language::French)
        value = languageName(QLocale::French);

    const QString name = QCoreApplication::applicationName();
    const QStringList lines = {
        playerModelCode + preferenceFileVersion,
        name + QLatin1Char(' ') + preferenceFileTitle,
        QStringLiteral("Generate by: ") + name + QLatin1Char(' ') + QCoreApplication::applicationVersion(),
        QStringLiteral("*** Default Language:"),
        value,
    };
    QByteArray contents;
    for (const QString &line : lines)
        contents += line.toLocal8Bit() + lineEnd;
    return contents;
}

bool writeLanguage(const QString &path, Language language)
{
    return saveAtomically(resolvedPath(path), fileContents(language)).saved;
}

} // namespace Preferences

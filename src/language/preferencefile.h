#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The preference file remembers the interface language between runs in five text
// lines: a signature line, three descriptive lines, and the language.
namespace Preferences {

enum class Language { Default, English, French };

// The fixed texts of the file, handed in by the program's globals.
struct FileFormat {
    QString modelCode;    // line 1 must contain it...
    QString version;      // ...and this; both are written there, back to back
    QString title;        // line 2, after the application name
    QString defaultName;  // line 5 for the Default choice
    QString suffix;       // after the application name in the fallback file name
};

// `path`, or for an empty path the file named after the application beside the executable.
QString resolvedPath(const QString &path, const FileFormat &format);

// The language named by the start of a file. Nothing when line 1 is not ours;
// Default when line 5 is missing or is not exactly a language name.
std::optional<Language> parseLanguage(const QByteArray &head, const FileFormat &format);

// Same for the file at `path` (see resolvedPath); nothing when it is missing or unreadable.
std::optional<Language> readLanguage(const QString &path, const FileFormat &format);

// The whole file, with the platform's line ends.
QByteArray fileContents(Language language, const FileFormat &format);

// Replaces the file at `path` (see resolvedPath) only once every byte has been
// written; false when that was not possible, leaving any old file as it was.
bool writeLanguage(const QString &path, Language language, const FileFormat &format);

} // namespace Preferences

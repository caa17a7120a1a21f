#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The preference file remembers the interface language between runs in five text
// lines: a signature line, three descriptive lines, and the language. Its fixed
// texts are the program's globals.
namespace Preferences {

enum class Language { Default, English, French };

// `path`, or for an empty path the file named after the application beside the executable.
QString resolvedPath(const QString &path);

// The language named by the start of a file. Nothing when line 1 is not ours;
// Default when line 5 is missing or is not exactly a language name.
std::optional<Language> parseLanguage(const QByteArray &head);

// Same for the file at `path` (see resolvedPath); nothing when it is missing, unreadable
// or no regular file.
std::optional<Language> readLanguage(const QString &path);

// The whole file, with the platform's line ends.
QByteArray fileContents(Language language);

// Replaces the file at `path` (see resolvedPath) only once every byte has been
// written; false when that was not possible, leaving any old file as it was.
bool writeLanguage(const QString &path, Language language);

} // namespace Preferences

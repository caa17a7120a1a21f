#pragma once

#include <QString>
#include <QStringList>

class QTranslator;

// Where the interface translations are found. A program started from a desktop
// menu runs in the user's home folder, so the working directory alone is not
// enough: the files sit beside the executable (build tree) and in the installed
// data folder. Those two come first: a stray or broken file in whatever folder
// the program is started from must not replace the program's own translations.
namespace Translation {

// Language code of a locale name: the part before the first "_" ("fr" for "fr_FR");
// a name without "_" stays whole.
QString languageCode(const QString &localeName);

// The folders searched, in order: `applicationDir`, the installed data folder
// relative to it, then `workingDir`.
QStringList searchFolders(const QString &workingDir, const QString &applicationDir);

// The same for this process.
QStringList searchFolders();

// Loads `fileName` from the first folder where QTranslator's own name rules find it
// (with the ".qm" suffix, bare, then shortened at its last "_" or "."). Only a regular
// file that passes isSoundTranslationFile() counts; any other is passed over as if it
// were missing. The translator reads from `bytes`, which must stay as they are while
// it is in use. On failure the translator is left empty.
bool loadFromFolders(QTranslator &translator, QByteArray &bytes, const QString &fileName, const QStringList &folders);

} // namespace Translation

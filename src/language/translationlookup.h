#pragma once

#include <QString>
#include <QStringList>

class QTranslator;

// Where the interface translations are found. A program started from a desktop
// menu runs in the user's home folder, so the working directory alone is not
// enough: the files also sit beside the executable (build tree) and in the
// installed data folder.
namespace Translation {

// Language code of a locale name: the part before the first "_" ("fr" for "fr_FR");
// a name without "_" stays whole.
QString languageCode(const QString &localeName);

// The folders searched, in order: `workingDir`, `applicationDir`, then the installed
// data folder relative to `applicationDir`.
QStringList searchFolders(const QString &workingDir, const QString &applicationDir);

// The same for this process.
QStringList searchFolders();

// Loads `fileName` from the first folder where QTranslator's own name rules find it
// (with the ".qm" suffix, bare, then shortened at its last "_" or "."). On failure
// the translator is left empty.
bool loadFromFolders(QTranslator &translator, const QString &fileName, const QStringList &folders);

} // namespace Translation

#pragma once

#include <QString>
#include <QStringList>

// Qt's own translations: the texts of its dialogs and standard buttons (file dialogs,
// progress dialogs, Yes/No/Cancel), shipped by Qt rather than by this program.
namespace Translation {

// Base name of Qt's translation for a language code: "qtbase_fr".
QString qtFileName(const QString &languageCode);

// Where they are looked for, in order: beside the executable and in the
// "translations" folder there (where a Windows install puts them), then Qt's own
// translations folder (on Debian, from Qt's translation package).
QStringList qtSearchFolders(const QString &applicationDir);

} // namespace Translation

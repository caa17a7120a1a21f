#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

// Process-wide values of the interface language and its preference file. Like the
// window's other globals (app/globals.h), one instance each, alive from before main()
// until after it returns. GUI thread only.
extern QTranslator appTranslator;
extern const QString translationFilePrefix;   // "LanguageData_"
extern const QLocale localeEnglish;
extern const QLocale localeFrench;
extern const QString preferenceFileSuffix;    // ".cfg"
extern const QString preferenceFileVersion;   // "1.10"
extern const QString playerModelCode;         // "PLX7"
extern const QString preferenceFileTitle;     // "(Configuration File)"
extern QString preferenceFilePath;
extern const QString defaultLanguageName;     // "(default)"

#include "languageglobals.h"

QTranslator appTranslator;
const QString translationFilePrefix = QStringLiteral("LanguageData_");
const QLocale localeEnglish(QLocale::English, QLocale::AnyCountry);
const QLocale localeFrench(QLocale::French, QLocale::AnyCountry);
const QString preferenceFileSuffix = QStringLiteral(".cfg");
const QString preferenceFileVersion = QStringLiteral("1.10");
const QString playerModelCode = QStringLiteral("PLX7");
const QString preferenceFileTitle = QStringLiteral("(Configuration File)");
QString preferenceFilePath;
const QString defaultLanguageName = QStringLiteral("(default)");

#include "globals.h"

QString configFilePath;
QStringList optionKeywords;
QStringList functionKeywords;

#pragma once

#include <QString>
#include <QStringList>

// Process-wide values shared by the window's commands; one instance each, alive
// from before main() until after it returns. GUI thread only. Those of the interface
// language are the language's own: language/languageglobals.h.
extern QString configFilePath;                // last file generated or imported
extern QStringList optionKeywords;
extern QStringList functionKeywords;

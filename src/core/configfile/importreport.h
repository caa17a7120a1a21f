#pragma once

#include "configreader.h"

#include <QString>

// The import's report as text, in the installed language.
namespace ConfigReader {

// "#ID:--------------------------> OK" or "... ERROR Line(4)", in the installed language.
QString reportLineText(const ReportLine &line);

// The kept report lines as the import's message box shows them.
QString reportHtml(const Report &report);

// One line on the whole report, in the installed language: "3 of 11 option lines
// refused", or that none was refused, or that the file held no option line.
QString reportSummary(const Report &report);

} // namespace ConfigReader

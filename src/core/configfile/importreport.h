#pragma once

#include "configreader.h"

#include <QString>

// The import's report as text, in the installed language.
namespace ConfigReader {

// "#ID:--------------------------> OK" or "... ERROR Line(4)", in the installed language.
QString reportLineText(const ReportLine &line);

// The kept report lines, one a line, in file order; then how many more there were.
QString reportLinesText(const Report &report);

// What a note says, without where: "#VOLUME: '99' is outside 0 to 64; the row keeps 32".
QString noteText(const Note &note);

// A note with its line: "Line 3: #VOLUME: ..."; a note on the whole file as it is.
QString noteLineText(const Note &note);

// The reasons and warnings under their heading, one a line, as they were made; empty
// when there are none.
QString notesText(const Report &report);

// One line on the whole report: how many option lines, refused lines and warnings.
QString reportSummary(const Report &report);

// Why a file whose bytes are not text is not read.
QString notTextMessage();

} // namespace ConfigReader

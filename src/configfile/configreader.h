#pragma once

#include "options/optioncatalogue.h"

#include <QString>

class QIODevice;

// Reading a configuration file back: which lines carry an option, what value they
// give, and the HTML report of what was taken over (OK) or refused (ERROR).
namespace ConfigReader {

// Stored before every parse; fails every acceptance test.
constexpr quint32 NoValue = 0xFFFFFFFFu;

// Characters kept from each line after its leading white space. Only the key (at
// most 15) and its value field (at most 12) can matter; the rest of a line is never
// held in memory, however long it is.
constexpr int KeptLineLength = 64;

// Report lines kept for display; an absurd file (millions of option lines) must not
// build a report of gigabytes.
constexpr int MaxReportLines = 10000;

// True when the trimmed line begins with `key`; `value` receives the number read from
// the `width` characters after the key (non-digits dropped), or NoValue.
bool parseNumericOption(const QString &line, const QString &key, int width, quint32 &value);

// True when the trimmed line begins with `key`; `position` receives the 1-based
// position of the function token right after the key, or NoValue.
bool parseFunctionOption(const QString &line, const QString &key, quint32 &position);

// Appends "<br>#KEY:-----...> OK</br>" or "... ERROR Line(n)</br>".
void appendReportLine(const QString &key, bool ok, qint64 lineNumber, QString &report);

struct Report {
    QString html;          // the kept report lines
    int lines = 0;         // report lines in `html`
    qint64 omitted = 0;    // report lines beyond the limit, not kept
};

// Applies one line to `states` and reports it when it carries an option; only the
// first KeptLineLength characters after its leading white space matter. Returns
// whether it carried an option.
bool applyLine(const QString &line, qint64 lineNumber, Options::OptionStates &states, Report &report,
               int maxReportLines = MaxReportLines);

// Reads every line of `device` (opened for reading, preferably in text mode so that
// CR LF reads as LF) into `states`. UTF-8 unless the file starts with a Unicode byte
// order mark. Lines are numbered from 1; a last line without a line break counts.
Report readConfigFile(QIODevice &device, Options::OptionStates &states, int maxReportLines = MaxReportLines);

} // namespace ConfigReader

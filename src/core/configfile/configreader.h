#pragma once

#include "linesource.h"
#include "options/optioncatalogue.h"

#include <QVector>
#include <QString>

#include <array>
#include <functional>
#include <optional>

class QIODevice;

// Reading a configuration file back: which lines carry an option, what value they
// give, and the report of what was taken over (OK) or refused (ERROR).
namespace ConfigReader {

// Stored before every parse; fails every acceptance test.
constexpr quint32 NoValue = 0xFFFFFFFFu;

// Report lines kept for display; an absurd file (millions of option lines) must not
// build a report of gigabytes.
constexpr int MaxReportLines = 10000;

// True when the trimmed line begins with `key`; `value` receives the number read from
// the `width` characters after the key (non-digits dropped), or NoValue.
bool parseNumericOption(const QString &line, const QString &key, int width, quint32 &value);

// True when the trimmed line begins with `key`; `position` receives the 1-based
// position of the function token right after the key, or NoValue.
bool parseFunctionOption(const QString &line, const QString &key, quint32 &position);

struct ReportLine {
    int row;
    bool ok;
    qint64 lineNumber;
};

struct Report {
    QVector<ReportLine> lines;   // the first MaxReportLines of them
    qint64 optionLines = 0;    // lines that carried an option
    qint64 refused = 0;        // of which the value was refused
    // Per row, the line whose value was refused, when that was the row's last line; else 0.
    std::array<qint64, Options::OptionCount> refusedLine{};
    bool stopped = false;      // the progress callback stopped the reading midway
    bool readFailed = false;   // the device failed a read: the file was not read to its end
};

// The option key of a row as it begins its lines: "#ID:", "#INPUT07:".
const QString &keyOf(int row);

// Applies one line (numbered from 1) to `states` and reports it when it carries an
// option; returns that report line.
std::optional<ReportLine> applyLine(const QString &line, qint64 lineNumber, Options::OptionStates &states,
                                    Report &report);

// Hears every report line as it is made, also those past MaxReportLines.
using LineReported = std::function<void(const ReportLine &)>;

// Reads every line of `device` into `states`, or the lines up to where `progress` stops it
// or a read fails; a stopped or failed reading leaves only part of the file in `states`.
Report readConfigFile(QIODevice &device, Options::OptionStates &states, const Progress &progress = {},
                      const LineReported &reported = {});

} // namespace ConfigReader

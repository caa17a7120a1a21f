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
// give, and the report of what was taken over (OK) or refused (ERROR), with a note on
// every line that was refused, skipped or read differently from what it says.
namespace ConfigReader {

// Stored before every parse; fails every acceptance test.
constexpr quint32 NoValue = 0xFFFFFFFFu;

// Report lines and notes kept for display; an absurd file (millions of option lines)
// must not build a report of gigabytes.
constexpr int MaxReportLines = 10000;

// Lines of a repeated option named in its note: the first ones and the last.
constexpr int ListedLines = 4;

struct ReportLine {
    int row;
    bool ok;
    qint64 lineNumber;
};

// Why a line, or the whole file, is not plainly OK: the reason of an ERROR line, or a
// warning. Plain values; importreport.h makes them into text.
struct Note {
    enum Kind : quint8 {
        Refused,        // an ERROR line: its value cannot be taken
        NotAnOption,    // shaped like an option line ("#WORD:", "WORD:"), yet no option's key
        ReadAs,         // the value is cut to its field or has characters dropped
        Repeated,       // the option is given on several lines; on the last of them
        NoOptionLine,   // the file holds no option line at all; on line 0
    };
    Kind kind = Refused;
    qint64 lineNumber = 0;
    int row = -1;       // the option; NotAnOption: the one meant, -1 when none is close
    int lastRow = -1;   // NotAnOption: the key's number fits no option of its kind, which are row to lastRow
    QString written;    // NotAnOption: the key up to its colon; Refused, ReadAs: the value as the line has it
    QString read;       // Refused, ReadAs: what was read of the value; empty when nothing
    int kept = 0;       // Refused: the value the row keeps
    qint64 count = 0;   // Repeated: the lines that give the option, the first of them in `lines`
    std::array<qint64, ListedLines> lines{};
    qint64 taken = 0;   // Repeated: the line whose value the row holds; 0 when every line was refused

    bool isError() const { return kind == Refused; }
    bool operator==(const Note &other) const
    {
        return kind == other.kind && lineNumber == other.lineNumber && row == other.row && lastRow == other.lastRow
               && written == other.written && read == other.read && kept == other.kept && count == other.count
               && lines == other.lines && taken == other.taken;
    }
};

// Where an option was given: counted as the lines come, made into a Repeated note at the end.
struct RowLines {
    qint64 count = 0;
    std::array<qint64, ListedLines> first{};
    qint64 last = 0;
    qint64 taken = 0;
};

struct Report {
    QVector<ReportLine> lines;   // the first MaxReportLines of them
    QVector<Note> notes;         // the first MaxReportLines: line by line, then those on the whole file
    qint64 optionLines = 0;      // lines that carried an option
    qint64 refused = 0;          // of which the value was refused
    qint64 warnings = 0;         // notes that are not the reason of a refused line
    // Per row, the note on its last line (refused, or read differently), if any: lineNumber 0 when none.
    std::array<Note, Options::OptionCount> rowNotes{};
    std::array<RowLines, Options::OptionCount> rowLines{};
    bool stopped = false;      // the progress callback stopped the reading midway
    bool readFailed = false;   // the device failed a read: the file was not read to its end
    bool notText = false;      // NUL characters or bytes that decode to no text: the reading stopped there
};

// The option key of a row as it begins its lines: "#ID:", "#INPUT07:".
const QString &keyOf(int row);

// Hears every report line and note as it is made, also those past MaxReportLines.
struct Listener {
    std::function<void(const ReportLine &)> line;
    std::function<void(const Note &)> note;
};

// Applies one line (numbered from 1) to `states` and reports it when it carries an
// option or is shaped like one; returns the report line of an option line.
std::optional<ReportLine> applyLine(const QString &line, qint64 lineNumber, Options::OptionStates &states,
                                    Report &report, const Listener &listener = {});

// After the last line: the notes on the whole file (repeated options, no option line).
void finishReport(Report &report, const Listener &listener = {});

// Reads every line of `device` into `states`, or the lines up to where `progress` stops it,
// a read fails or the bytes turn out not to be text; such a reading leaves only part of
// the file in `states`.
Report readConfigFile(QIODevice &device, Options::OptionStates &states, const Progress &progress = {},
                      const Listener &listener = {});

} // namespace ConfigReader

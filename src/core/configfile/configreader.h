#pragma once

#include "options/optioncatalogue.h"

#include <QVector>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QIODevice;

// Reading a configuration file back: which lines carry an option, what value they
// give, and the report of what was taken over (OK) or refused (ERROR).
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

// Hears how far a reading has come after every piece read from the device; returning
// false stops the reading there. The total is the device's size.
using Progress = std::function<bool(qint64 bytesRead, qint64 totalBytes)>;

// The lines of a device opened for reading, one at a time. The bytes are decoded
// first (UTF-8, or UTF-16/32 when a byte order mark says so), then split at line
// feeds. Carriage returns are dropped wherever they stand and so is the leading
// white space; of the rest only the first KeptLineLength characters are kept.
// The lines are the same however the device hands out its bytes.
class LineSource
{
public:
    explicit LineSource(QIODevice &device, Progress progress = {});
    ~LineSource();

    // The next line, or false at the end. A last line without a line break counts.
    bool next(QString &line);

    // True when the progress callback stopped the reading.
    bool stopped() const { return m_stopped; }

    // True when the device failed a read: the lines given were only part of it.
    bool failed() const { return m_failed; }

private:
    bool decodeMore();

    struct Decoder;
    QIODevice &m_device;
    const Progress m_progress;
    const qint64 m_total;
    qint64 m_read = 0;
    bool m_stopped = false;
    bool m_failed = false;
    std::unique_ptr<Decoder> m_decoder;
    QByteArray m_chunk;   // its first m_held bytes are read and not yet decoded
    qint64 m_held = 0;
    QString m_text;       // decoded, not yet split
    qsizetype m_pos = 0;
};

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

// "#ID:--------------------------> OK" or "... ERROR Line(4)", in the installed language.
QString reportLineText(const ReportLine &line);

// The kept report lines as the import's message box shows them.
QString reportHtml(const Report &report);

// One line on the whole report, in the installed language: "3 of 11 option lines
// refused", or that none was refused, or that the file held no option line.
QString reportSummary(const Report &report);

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

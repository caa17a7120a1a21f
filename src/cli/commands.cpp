#include "commands.h"

#include "configfile/configreader.h"
#include "configfile/importreport.h"
#include "configfile/configwriter.h"
#include "document/optiondocument.h"
#include "files/atomicsave.h"
#include "files/regularfile.h"
#include "files/resolvedname.h"
#include "options/decimalnumber.h"
#include "options/optioncatalogue.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QVector>

#include <climits>
#include <cstdio>
#include <optional>
#include <utility>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#endif
#ifdef Q_OS_UNIX
#include <cerrno>
#include <unistd.h>
#endif

namespace Cli {

namespace {

// Standard output, written in large pieces: a report may run to millions of lines.
class Output
{
public:
    Output() { m_buffer.reserve(2 * FlushSize); }   // kept from one piece to the next
    void write(const QByteArray &bytes)
    {
        m_buffer.append(bytes);
        if (m_buffer.size() >= FlushSize)
            flush();
    }
    void line(const QString &text) { write(text.toLocal8Bit() + '\n'); }

    // False once standard output has refused a byte (a full disk, a closed pipe).
    bool flush()
    {
        const size_t size = size_t(m_buffer.size());
        m_ok = m_ok && std::fwrite(m_buffer.constData(), 1, size, stdout) == size && std::fflush(stdout) == 0;
        m_buffer.resize(0);
        return m_ok;
    }

private:
    static constexpr int FlushSize = 1 << 16;
    QByteArray m_buffer;
    bool m_ok = true;
};

// A key or value as the messages show it: in quotes, control characters escaped.
QString quoted(const QString &text)
{
    const QString shown = quotedForMessage(text);
    return shown == text ? QLatin1Char('\'') + text + QLatin1Char('\'') : shown;
}

// Opens `file` for reading as the window's import does: regular files only, never
// blocking. Returns why it cannot, or an empty text.
QString openToRead(QFile &file)
{
    QString why;
    return openRegularFile(file, QIODevice::ReadOnly, &why) ? QString() : why;
}

// The descriptor a name stands for when it names one of the process's own open files
// ("/dev/stdout", "/dev/fd/3"): written to as the shell opened it, appending where it
// was asked to, never replaced. -1 otherwise.
int descriptorOf(const QString &name)
{
    if (name == QLatin1String("/dev/stdout"))
        return 1;
    if (name == QLatin1String("/dev/stderr"))
        return 2;
    for (const QLatin1String folder : {QLatin1String("/dev/fd/"), QLatin1String("/proc/self/fd/")}) {
        if (!name.startsWith(folder))
            continue;
        if (const auto fd = Options::decimalNumber(QStringView(name).mid(folder.size()), INT_MAX))
            return int(*fd);
    }
    return -1;
}

// Writes `bytes` to the open descriptor `fd`; empty, or why it could not.
QString writeToDescriptor(int fd, const QByteArray &bytes)
{
#ifdef Q_OS_UNIX
    for (qint64 done = 0; done < bytes.size();) {
        const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return systemError(written < 0 ? errno : EIO);
        done += written;
    }
    return QString();
#else
    Q_UNUSED(fd)
    Q_UNUSED(bytes)
    return systemError(EBADF);
#endif
}

// A report line as printed. A file may hold millions of option lines, nearly all OK:
// those are made once per option.
void printReportLine(const ConfigReader::ReportLine &line, Output &out)
{
    static std::array<QByteArray, Options::OptionCount> okLines;
    QByteArray &ok = okLines[line.row];
    if (!line.ok)
        out.line(ConfigReader::reportLineText(line));
    else if (!ok.isEmpty())
        out.write(ok);
    else
        out.write(ok = ConfigReader::reportLineText(line).toLocal8Bit() + '\n');
}

// The row of a key as a person types it: the keyword with or without its '#', in any
// case ("ID", "#input01", "Button2"); -1 when no option has it.
int rowOfKey(const QString &key)
{
    const QString keyword = key.startsWith(QLatin1Char('#')) ? key : QLatin1Char('#') + key;
    for (int r = 0; r < Options::OptionCount; ++r) {
        if (Options::catalogue()[r].keyword.compare(keyword, Qt::CaseInsensitive) == 0)
            return r;
    }
    return -1;
}

// Reads the row of each key in `keys`; false, naming the first bad key, when any is.
bool rowsOfKeys(const QString &option, const QStringList &keys, std::array<bool, Options::OptionCount> &rows)
{
    for (const QString &key : keys) {
        const int row = rowOfKey(key);
        if (row < 0) {
            printError(QStringLiteral("%1: no option has the key %2 (see --help)").arg(option, quoted(key)));
            return false;
        }
        rows[row] = true;
    }
    return true;
}

// The row and value of each "KEY=VALUE"; empty, naming the first bad one, when any is.
std::optional<QVector<std::pair<int, int>>> valuesToSet(const QStringList &pairs)
{
    QVector<std::pair<int, int>> values;
    for (const QString &pair : pairs) {
        const QString what = QStringLiteral("--set ") + quotedForMessage(pair) + QStringLiteral(": ");
        const int equals = pair.indexOf(QLatin1Char('='));
        if (equals < 0) {
            printError(what + QStringLiteral("KEY=VALUE expected"));
            return std::nullopt;
        }
        const QString key = pair.left(equals), text = pair.mid(equals + 1);
        const int row = rowOfKey(key);
        if (row < 0) {
            printError(what + QStringLiteral("no option has the key %1 (see --help)").arg(quoted(key)));
            return std::nullopt;
        }
        const Options::OptionRow &option = Options::catalogue()[row];
        const int value = Options::valueFromText(option.kind, text);
        if (value < 0) {
            const bool number = Options::facts(option.kind).encoding == Options::Encoding::Number
                                && Options::isDecimal(text);
            const QString fault = number ? QStringLiteral("out of range for") : QStringLiteral("not a value of");
            printError(what + QStringLiteral("%1 is %2 %3, which takes %4")
                                  .arg(quoted(text), fault, option.keyword, Options::acceptedValues(option.kind)));
            return std::nullopt;
        }
        values.append({row, value});
    }
    return values;
}

// Where a note is, as compilers name places: "config.txt:3: ", or "config.txt: " for the whole file.
QString notePlace(const QString &name, const ConfigReader::Note &note)
{
    return quotedForMessage(name) + QLatin1Char(':') + (note.lineNumber > 0 ? QString::number(note.lineNumber) + ':' : QString())
           + QLatin1Char(' ');
}

// A note as one line of JSON, for scripts: where, what kind, what the line holds, and the
// sentence check prints.
QString jsonNote(const QString &name, const ConfigReader::Note &note)
{
    using Note = ConfigReader::Note;
    static const char *const kinds[] = {"refused", "not-an-option", "read-as", "repeated", "no-option-line"};
    QJsonObject object{{QStringLiteral("file"), name},
                       {QStringLiteral("line"), note.lineNumber > 0 ? QJsonValue(note.lineNumber) : QJsonValue()},
                       {QStringLiteral("verdict"), note.isError() ? "error" : "warning"},
                       {QStringLiteral("kind"), kinds[note.kind]},
                       {QStringLiteral("message"), ConfigReader::noteText(note)}};
    const auto keyword = [](int row) { return Options::catalogue()[row].keyword; };
    if (note.kind == Note::NotAnOption) {
        object.insert(QStringLiteral("key"), note.written);
        if (note.row >= 0 && note.lastRow < 0)
            object.insert(QStringLiteral("suggestion"), keyword(note.row));
    } else if (note.kind != Note::NoOptionLine) {
        object.insert(QStringLiteral("key"), keyword(note.row));
    }
    if (note.kind == Note::Refused || note.kind == Note::ReadAs) {
        object.insert(QStringLiteral("value"), note.written);
        object.insert(QStringLiteral("read"), note.read);
    }
    if (note.kind == Note::Repeated) {
        object.insert(QStringLiteral("count"), note.count);
        object.insert(QStringLiteral("taken"), note.taken > 0 ? QJsonValue(note.taken) : QJsonValue());
    }
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

// The rows as the window shows them after importing `name`. False, naming the file, the
// line and why, when the import refuses a line or, unless lenient, warns: the window
// would show a refused row ticked at its default, a misspelt option unticked, a cut
// value cut; a script would write that for what the base file meant.
bool readBase(const QString &name, bool lenient, Options::OptionStates &states)
{
    QFile file(name);
    const QString why = openToRead(file);
    if (!why.isEmpty()) {
        printError(QStringLiteral("--from %1: %2").arg(quotedForMessage(name), why));
        return false;
    }
    states = Options::defaultStates(false);
    std::optional<ConfigReader::Note> first;
    ConfigReader::Listener listener;
    listener.note = [&first, lenient](const ConfigReader::Note &note) {
        if (!first && (note.isError() || !lenient))
            first = note;
    };
    const ConfigReader::Report report = ConfigReader::readConfigFile(file, states, {}, listener);
    if (report.readFailed || report.notText) {
        printError(QStringLiteral("--from %1: %2")
                       .arg(quotedForMessage(name), report.notText ? ConfigReader::notTextMessage() : file.errorString()));
        return false;
    }
    if (first) {
        printError(QStringLiteral("--from ") + notePlace(name, *first) + ConfigReader::noteText(*first)
                   + QStringLiteral(" (refused: %1, warnings: %2; 'quillary-cli check' lists them%3); nothing written")
                         .arg(report.refused)
                         .arg(report.warnings)
                         .arg(first->isError() ? QString() : QStringLiteral(", --lenient takes the file as it reads")));
        return false;
    }
    return true;
}

// What check found in the files so far: how many refused a line, only warned, or could not be read.
struct Tally {
    int refusing = 0;
    int warned = 0;
    int unreadable = 0;
};

// Prints what is left of standard output; Failed, and why, when it refused a byte.
Status finish(Output &out)
{
    if (out.flush())
        return Success;
    printError(QStringLiteral("standard output cannot be written"));
    return Failed;
}

// Reads a file opened for reading, printing its report lines, notes and summary as `options` ask.
ConfigReader::Report printReport(QFile &file, const QString &name, const CheckOptions &options, Output &out)
{
    const bool full = options.fullReport();
    if (full)
        out.line(quotedForMessage(name) + QLatin1Char(':'));
    ConfigReader::Listener listener;
    if (full)
        listener.line = [&out](const ConfigReader::ReportLine &line) { printReportLine(line, out); };
    listener.note = [&out, &name, &options](const ConfigReader::Note &note) {
        out.line(options.json ? jsonNote(name, note) : notePlace(name, note) + ConfigReader::noteText(note));
    };
    Options::OptionStates states = Options::defaultStates(false);
    const ConfigReader::Report read = ConfigReader::readConfigFile(file, states, {}, listener);
    if (full && !read.readFailed && !read.notText)
        out.line(ConfigReader::reportSummary(read));
    return read;
}

// A file that cannot be read, or is not text: named on standard error, and as JSON in that output.
void printUnreadable(const QString &name, const QString &why, const CheckOptions &options, Output &out)
{
    if (options.json) {
        out.line(QString::fromUtf8(QJsonDocument(QJsonObject{{QStringLiteral("file"), name},
                                                              {QStringLiteral("line"), QJsonValue()},
                                                              {QStringLiteral("verdict"), "unreadable"},
                                                              {QStringLiteral("message"), why}})
                                       .toJson(QJsonDocument::Compact)));
    }
    out.flush();   // the error after what was printed before it
    printError(quotedForMessage(name) + QStringLiteral(": ") + why);
}

void checkFile(const QString &name, const CheckOptions &options, Output &out, Tally &tally)
{
    QFile file(name);
    QString why = openToRead(file);
    if (why.isEmpty()) {
        const ConfigReader::Report read = printReport(file, name, options, out);
        if (!read.readFailed && !read.notText) {
            tally.refusing += read.refused > 0 ? 1 : 0;
            tally.warned += read.refused == 0 && read.warnings > 0 ? 1 : 0;
            return;
        }
        why = read.notText ? ConfigReader::notTextMessage() : file.errorString();
    }
    printUnreadable(name, why, options, out);
    ++tally.unreadable;
}

// The rows that --only and --unset keep and leave out, and the values --set gives.
struct Selection {
    std::array<bool, Options::OptionCount> kept{};
    std::array<bool, Options::OptionCount> left{};
    QVector<std::pair<int, int>> values;
};

// The keys and values of generate, checked; nothing when any is wrong, which is named.
std::optional<Selection> selection(const Changes &changes)
{
    Selection chosen;
    chosen.kept.fill(changes.only.isEmpty());
    const auto values = valuesToSet(changes.set);
    if (!rowsOfKeys(QStringLiteral("--only"), changes.only, chosen.kept)
        || !rowsOfKeys(QStringLiteral("--unset"), changes.unset, chosen.left) || !values)
        return std::nullopt;
    for (const auto &value : *values) {
        if (chosen.left[value.first]) {
            printError(QStringLiteral("%1 is both set and unset").arg(Options::catalogue()[value.first].keyword));
            return std::nullopt;
        }
    }
    chosen.values = *values;
    return chosen;
}

// Replaces the file named `output` by `bytes` once they are complete; Failed, saying why
// and where the old bytes are, when it cannot.
Status saveOutput(const QString &output, const QByteArray &bytes)
{
    const SaveOutcome outcome = saveAtomically(output, bytes);
    if (outcome.saved)
        return Success;
    const QString after = outcome.restored ? QStringLiteral(" (the file was put back as it was)")
                          : outcome.backup.isEmpty()
                              ? QString()
                              : QStringLiteral(" (the file could not be put back as it was: its old content is "
                                               "kept in %1)").arg(quotedForMessage(outcome.backup));
    printError(QStringLiteral("%1: not written: %2%3").arg(quotedForMessage(output), outcome.error, after));
    return Failed;
}

// Writes the file: "-" to standard output, a name of one of the process's open files to
// it as the shell opened it, anything else replaced whole.
Status writeOutput(const QString &output, const QByteArray &bytes)
{
    if (output == QLatin1String("-")) {
#ifdef Q_OS_WIN
        _setmode(_fileno(stdout), _O_BINARY);   // the CR LF as they are
#endif
        Output out;
        out.write(bytes);
        return finish(out);
    }
    if (const int fd = descriptorOf(output); fd >= 0) {
        const QString why = writeToDescriptor(fd, bytes);
        if (!why.isEmpty())
            printError(QStringLiteral("%1: not written: %2").arg(quotedForMessage(output), why));
        return why.isEmpty() ? Success : Failed;
    }
    return saveOutput(output, bytes);
}

} // namespace

void printError(const QString &text)
{
    std::fputs(qPrintable(QStringLiteral("quillary-cli: ") + text + QLatin1Char('\n')), stderr);
}

Status check(const QStringList &files, const CheckOptions &options)
{
    Output out;
    Tally tally;
    for (const QString &name : files)
        checkFile(name, options, out, tally);
    if (files.size() > 1 && options.fullReport()) {
        out.line(QStringLiteral("%1 files: %2 clean, %3 with refused lines, %4 with warnings only, %5 unreadable "
                                "or not text")
                     .arg(files.size())
                     .arg(files.size() - tally.refusing - tally.warned - tally.unreadable)
                     .arg(tally.refusing)
                     .arg(tally.warned)
                     .arg(tally.unreadable));
    }
    if (finish(out) == Failed || tally.unreadable > 0)
        return Failed;
    return tally.refusing > 0 || (tally.warned > 0 && !options.lenient) ? Refused : Success;
}

Status generate(const Changes &changes)
{
    const std::optional<Selection> chosen = selection(changes);
    if (!chosen)
        return Failed;
    // The window's document: its start-up rows, or what it holds after importing the base file.
    Document::OptionDocument document;
    Document::Rows rows = document.rows();
    if (!changes.from.isEmpty() && !readBase(changes.from, changes.lenient, rows.states))
        return Failed;
    for (int r = 0; r < Options::OptionCount; ++r)
        rows.states[r].included = rows.states[r].included && chosen->kept[r] && !chosen->left[r];
    for (const auto &value : chosen->values)
        rows = rows.withState(value.first, {true, value.second});
    document.setRows(rows);
    return writeOutput(changes.output, ConfigWriter::fileContents(document.states()));
}

QString keyTable()
{
    // Options that differ only in their number (the inputs, the buttons) share a line.
    const auto stem = [](const QString &keyword) { return Options::splitKeyword(keyword).stem; };
    const auto &rows = Options::catalogue();
    QStringList table;
    for (int r = 0, last = 0; r < Options::OptionCount; r = last + 1) {
        for (last = r; last + 1 < Options::OptionCount && stem(rows[last + 1].keyword) == stem(rows[r].keyword);)
            ++last;
        QString keys = rows[r].keyword.mid(1);
        if (last > r)
            keys += QStringLiteral(" to ") + rows[last].keyword.mid(1);
        const bool asAbove = r > 0 && rows[r - 1].kind == rows[r].kind;
        table << QStringLiteral("  ") + keys.leftJustified(20) + QLatin1Char(' ')
                     + (asAbove ? QStringLiteral("as above") : Options::acceptedValues(rows[r].kind));
    }
    return table.join(QLatin1Char('\n'));
}

} // namespace Cli

#include "configreader.h"

#include "keyhint.h"
#include "linesource.h"
#include "options/decimalnumber.h"

namespace ConfigReader {

namespace {

// Where a key's rows start in the key table: from its length and its two characters
// before the colon, which tell all keys apart ("#INPUT07:", "#BUTTON2:"). Far cheaper
// than a hash of the whole text; a slot shared all the same only costs a comparison.
constexpr int KeySlots = 256;

int keySlot(QStringView key)
{
    const auto back = [key](qsizetype n) { return key.size() > n ? key[key.size() - 1 - n].unicode() : 0u; };
    return int((uint(key.size()) * 31u + back(1) * 7u + back(2)) % KeySlots);
}

// The keys ("#ID:", "#INPUT07:": the keyword and its colon begin every option line),
// and their rows by slot, each slot's rows chained: first[slot], next[row]; -1 ends a chain.
struct KeyTable {
    std::array<QString, Options::OptionCount> keys;
    qsizetype longest = 0;
    std::array<qint8, KeySlots> first;
    std::array<qint8, Options::OptionCount> next;
};

const KeyTable &keyTable()
{
    static const KeyTable table = [] {
        KeyTable t;
        t.first.fill(-1);
        for (int r = Options::OptionCount - 1; r >= 0; --r) {
            t.keys[r] = Options::catalogue()[r].keyword + QLatin1Char(':');
            t.longest = qMax(t.longest, qsizetype(t.keys[r].size()));
            const int slot = keySlot(t.keys[r]);
            t.next[r] = t.first[slot];
            t.first[slot] = qint8(r);
        }
        return t;
    }();
    return table;
}

// The row whose key begins `line` after its leading white space, or -1. A key ends
// with the only colon in it, so a line begins with a key exactly when its text up to
// its first colon is that key. Every line of a file comes here: the colon is looked
// for only where a key can end.
int rowOfKey(QStringView line, const KeyTable &table)
{
    qsizetype start = 0;
    while (start < line.size() && line[start].isSpace())
        ++start;
    const QStringView head = line.mid(start, table.longest);
    qsizetype colon = 0;
    while (colon < head.size() && head[colon] != QLatin1Char(':'))
        ++colon;
    if (colon == head.size())
        return -1;
    const QStringView key = head.left(colon + 1);
    for (int row = table.first[keySlot(key)]; row >= 0; row = table.next[row]) {
        if (key == table.keys[row])
            return row;
    }
    return -1;
}

// The digits of a number's value field, the first `width` characters of `text`, as they
// are read: everything but the digits is dropped, so " -5" reads as 5.
class FieldDigits
{
public:
    FieldDigits(QStringView text, int width)
    {
        for (const QChar c : text.left(width)) {
            if (Options::isAsciiDigit(c) && m_count < qsizetype(m_digits.size()))
                m_digits[m_count++] = c;
        }
    }
    QStringView digits() const { return QStringView(m_digits.data(), m_count); }
    // The number they make, or NoValue when there is none. Fields hold at most 5
    // characters, so that the number always fits.
    quint32 number() const { return Options::decimalNumber(digits()).value_or(NoValue); }

private:
    std::array<QChar, 8> m_digits;
    qsizetype m_count = 0;
};

} // namespace

const QString &keyOf(int row)
{
    return keyTable().keys[row];
}

namespace {

void addNote(Note note, Report &report, const Listener &listener)
{
    if (note.kind != Note::Refused)
        ++report.warnings;
    if (listener.note)
        listener.note(note);
    if (report.notes.size() < MaxReportLines)
        report.notes.append(std::move(note));
}

// The note on a line shaped like an option line whose key is no option's, if it is one.
std::optional<Note> keyNote(QStringView line, qint64 lineNumber)
{
    const QStringView key = optionShapedKey(line);
    if (key.isEmpty())
        return std::nullopt;
    const KeyHint hint = hintForKey(key);
    Note note;
    note.kind = Note::NotAnOption;
    note.lineNumber = lineNumber;
    note.row = hint.row;
    note.lastRow = hint.lastRow;
    note.written = key.toString();
    return note;
}

// What a value field reads as, and whether it says just that: as a token, the token alone;
// as a number, its field holds only digits and nothing follows it.
struct ReadValue {
    quint32 parsed;   // a number, a function's index, or NoValue
    bool plain;
};

ReadValue readValue(QStringView written, const Options::KindFacts &facts)
{
    if (facts.encoding == Options::Encoding::Token) {
        qsizetype length = 0;
        const int index = Options::functionIndexAtStart(written, &length);
        return {index >= 0 ? quint32(index) : NoValue, length == written.size()};
    }
    return {FieldDigits(written, facts.fieldWidth).number(),
            written.size() <= facts.fieldWidth && Options::isDecimal(written)};
}

// A value on one option line, as read.
struct ValueOnLine {
    int row;
    qint64 lineNumber;
    QStringView written;
    const Options::KindFacts &facts;
    ReadValue read;
    int value;   // the editor's, or -1: refused
    int kept;    // the row's value before the line
};

// The note on a line whose value was refused or read otherwise than it says: rare, so only
// now is the text of what was read made. White space alone before the digits changes
// nothing they say, and is no note.
void noteValue(Note &note, const ValueOnLine &line)
{
    note.kind = line.value < 0 ? Note::Refused : Note::ReadAs;
    note.lineNumber = line.lineNumber;
    note.row = line.row;
    note.written = line.written.toString();
    note.read = line.facts.encoding == Options::Encoding::Token
                    ? Options::functionToken(int(line.read.parsed))   // empty for NoValue
                    : FieldDigits(line.written, line.facts.fieldWidth).digits().toString();
    note.kept = line.kept;
    if (line.value >= 0 && note.read == line.written.trimmed())
        note.lineNumber = 0;
}

// Counts an option line: in the report's totals, the lines that give its option, and the
// report lines kept for display.
void countLine(const ReportLine &line, Report &report)
{
    ++report.optionLines;
    if (!line.ok)
        ++report.refused;
    RowLines &given = report.rowLines[line.row];
    if (given.count < ListedLines)
        given.first[given.count] = line.lineNumber;
    ++given.count;
    given.last = line.lineNumber;
    if (line.ok)
        given.taken = line.lineNumber;
    if (report.lines.size() < MaxReportLines)
        report.lines.append(line);
}

} // namespace

std::optional<ReportLine> applyLine(const QString &line, qint64 lineNumber, Options::OptionStates &states,
                                    Report &report, const Listener &listener)
{
    const KeyTable &table = keyTable();
    const int row = rowOfKey(line, table);
    if (row < 0) {
        if (std::optional<Note> note = keyNote(line, lineNumber))
            addNote(std::move(*note), report, listener);
        return std::nullopt;
    }
    const Options::ValueKind kind = Options::catalogue()[row].kind;
    // The value as the line has it: everything after the key, white space around the line dropped.
    const QStringView written = QStringView(line).trimmed().mid(table.keys[row].size());
    const ReadValue read = readValue(written, Options::facts(kind));
    const int value = Options::valueForNumber(kind, read.parsed);
    Options::OptionState &state = states[row];
    Note &rowNote = report.rowNotes[row];
    rowNote.lineNumber = 0;
    if (value < 0 || !read.plain)
        noteValue(rowNote, {row, lineNumber, written, Options::facts(kind), read, value, state.value});
    state.included = true;
    if (value >= 0)
        state.value = value;
    const ReportLine reported{row, value >= 0, lineNumber};
    countLine(reported, report);
    if (listener.line)
        listener.line(reported);
    if (rowNote.lineNumber != 0)   // after its line: the reason follows the ERROR
        addNote(rowNote, report, listener);
    return reported;
}

void finishReport(Report &report, const Listener &listener)
{
    for (int row = 0; row < Options::OptionCount; ++row) {
        const RowLines &given = report.rowLines[row];
        if (given.count < 2)
            continue;
        Note note;
        note.kind = Note::Repeated;
        note.lineNumber = given.last;
        note.row = row;
        note.count = given.count;
        note.lines = given.first;
        note.taken = given.taken;
        addNote(std::move(note), report, listener);
    }
    if (report.optionLines == 0) {
        Note note;
        note.kind = Note::NoOptionLine;
        addNote(std::move(note), report, listener);
    }
}

Report readConfigFile(QIODevice &device, Options::OptionStates &states, const Progress &progress,
                      const Listener &listener)
{
    Report report;
    LineSource source(device, progress);
    QString line;
    qint64 lineNumber = 0;
    // Bytes that are no text are not read on: whatever lines they hold mean nothing.
    while (source.next(line) && !source.notText())
        applyLine(line, ++lineNumber, states, report, listener);
    report.stopped = source.stopped();
    report.readFailed = source.failed();
    report.notText = source.notText();
    if (!report.stopped && !report.readFailed && !report.notText)
        finishReport(report, listener);
    return report;
}

} // namespace ConfigReader

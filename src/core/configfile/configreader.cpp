#include "configreader.h"

#include "linesource.h"

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
int rowOfKey(QStringView line)
{
    qsizetype start = 0;
    while (start < line.size() && line[start].isSpace())
        ++start;
    const KeyTable &table = keyTable();
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

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The number in the value field, the first `width` characters of `text`, or NoValue
// when it holds no digit. Everything but the digits is dropped: " -5" reads as 5. The
// field is at most 5 characters wide, so the number always fits.
quint32 numberInField(QStringView text, int width)
{
    bool anyDigit = false;
    quint32 number = 0;
    for (QChar c : text.left(width)) {
        if (isAsciiDigit(c)) {
            number = number * 10 + quint32(c.unicode() - '0');
            anyDigit = true;
        }
    }
    return anyDigit ? number : NoValue;
}

} // namespace

const QString &keyOf(int row)
{
    return keyTable().keys[row];
}

bool parseNumericOption(const QString &line, const QString &key, int width, quint32 &value)
{
    value = NoValue;
    const QStringView trimmed = QStringView(line).trimmed();
    if (!trimmed.startsWith(key))
        return false;
    value = numberInField(trimmed.mid(key.size()), width);
    return true;
}

bool parseFunctionOption(const QString &line, const QString &key, quint32 &position)
{
    position = NoValue;
    const QStringView trimmed = QStringView(line).trimmed();
    if (!trimmed.startsWith(key))
        return false;
    const int index = Options::functionIndexAtStart(trimmed.mid(key.size()));
    if (index >= 0)
        position = quint32(index) + 1;
    return true;
}

std::optional<ReportLine> applyLine(const QString &line, qint64 lineNumber, Options::OptionStates &states,
                                    Report &report)
{
    const int row = rowOfKey(line);
    if (row < 0)
        return std::nullopt;
    const Options::ValueKind kind = Options::catalogue()[row].kind;
    const Options::KindFacts &facts = Options::facts(kind);
    quint32 parsed = NoValue;
    if (facts.encoding == Options::Encoding::Token) {
        parseFunctionOption(line, keyOf(row), parsed);
        --parsed;   // the position counts from 1, the list from 0; NoValue stays out of range
    } else {
        parseNumericOption(line, keyOf(row), facts.fieldWidth, parsed);
    }
    const int value = Options::valueForNumber(kind, parsed);
    Options::OptionState &state = states[row];
    state.included = true;
    if (value >= 0)
        state.value = value;
    ++report.optionLines;
    report.refusedLine[row] = value >= 0 ? 0 : lineNumber;
    if (value < 0)
        ++report.refused;
    const ReportLine reported{row, value >= 0, lineNumber};
    if (report.lines.size() < MaxReportLines)
        report.lines.append(reported);
    return reported;
}

Report readConfigFile(QIODevice &device, Options::OptionStates &states, const Progress &progress,
                      const LineReported &reported)
{
    Report report;
    LineSource source(device, progress);
    QString line;
    qint64 lineNumber = 0;
    while (source.next(line)) {
        const std::optional<ReportLine> applied = applyLine(line, ++lineNumber, states, report);
        if (applied && reported)
            reported(*applied);
    }
    report.stopped = source.stopped();
    report.readFailed = source.failed();
    return report;
}

} // namespace ConfigReader

#include "configreader.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QTextCodec>
#include <QTextDecoder>

#include <memory>
#include <vector>

namespace ConfigReader {

namespace {

using Options::ValueKind;

struct KeyRule {
    QString key;   // "#ID:", "#INPUT07:", ...
    int row;
};

// The keys in the order in which every line is tried: the numeric options, then the
// functions. No key is the beginning of another, so a line matches at most one.
const std::vector<KeyRule> &keyRules()
{
    static const std::vector<KeyRule> rules = [] {
        std::vector<KeyRule> rows;
        auto add = [&rows](int row) {
            rows.push_back({QLatin1String(Options::catalogue()[row].keyword) + QLatin1Char(':'), row});
        };
        for (int r = 0; r < Options::OptionCount; ++r) {
            if (Options::catalogue()[r].kind != ValueKind::Function)
                add(r);
        }
        for (int r = 0; r < Options::OptionCount; ++r) {
            if (Options::catalogue()[r].kind == ValueKind::Function)
                add(r);
        }
        return rows;
    }();
    return rules;
}

// Characters of the value field after a numeric key.
int fieldWidth(ValueKind kind)
{
    switch (kind) {
    case ValueKind::Id:
    case ValueKind::Boot:
        return 3;
    case ValueKind::Volume:
        return 2;
    case ValueKind::Power:
    case ValueKind::Monitoring:
        return 1;
    case ValueKind::Baudrate:
        return 5;
    case ValueKind::Function:
        break;
    }
    return 0;
}

// The row value (spin value or list index) that a parsed value stands for, or -1
// when the row's editor cannot take it. The ID box starts at 1: an ID of 0 would be
// reported as taken over while the window shows 1.
int acceptedValue(ValueKind kind, quint32 parsed)
{
    switch (kind) {
    case ValueKind::Id:
        return parsed >= 1 && parsed <= 127 ? int(parsed) : -1;
    case ValueKind::Volume:
        return parsed <= 64 ? int(parsed) : -1;
    case ValueKind::Power:
        return parsed <= 1 ? int(parsed) : -1;
    case ValueKind::Monitoring:
        return parsed <= 3 ? int(parsed) : -1;
    case ValueKind::Boot:
        return parsed <= 999 ? int(parsed) : -1;
    case ValueKind::Baudrate:
        return Options::baudrateItemList().indexOf(QString::number(parsed));
    case ValueKind::Function:
        return parsed - 1 < quint32(Options::FunctionCount) ? int(parsed - 1) : -1;
    }
    return -1;
}

QString tr(const char *text)
{
    return QCoreApplication::translate("MainWindow", text);
}

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

bool parseNumericOption(const QString &line, const QString &key, int width, quint32 &value)
{
    value = NoValue;
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(key))
        return false;
    // Everything but the digits of the field is dropped: "#ID: -5" reads as 5. The
    // field is at most 5 characters wide, so the number always fits.
    bool anyDigit = false;
    quint32 number = 0;
    for (QChar c : QStringView(trimmed).mid(key.size(), width)) {
        if (isAsciiDigit(c)) {
            number = number * 10 + quint32(c.unicode() - '0');
            anyDigit = true;
        }
    }
    if (anyDigit)
        value = number;
    return true;
}

bool parseFunctionOption(const QString &line, const QString &key, quint32 &position)
{
    position = NoValue;
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(key))
        return false;
    const int index = Options::functionIndexAtStart(QStringView(trimmed).mid(key.size()));
    if (index >= 0)
        position = quint32(index) + 1;
    return true;
}

void appendReportLine(const QString &key, bool ok, qint64 lineNumber, QString &report)
{
    report += QLatin1String("<br>") + key.leftJustified(30, QLatin1Char('-')) + QLatin1String("> ");
    if (ok)
        report += tr("OK");
    else
        report += tr("ERROR") + QLatin1Char(' ') + tr("Line") + QLatin1Char('(') + QString::number(lineNumber) + QLatin1Char(')');
    report += QLatin1String("</br>");
}

bool applyLine(const QString &line, qint64 lineNumber, Options::OptionStates &states, Report &report,
               int maxReportLines)
{
    if (!line.startsWith(QLatin1Char('#')))
        return false;
    for (const KeyRule &rule : keyRules()) {
        const ValueKind kind = Options::catalogue()[rule.row].kind;
        quint32 parsed = NoValue;
        const bool matched = kind == ValueKind::Function
                                 ? parseFunctionOption(line, rule.key, parsed)
                                 : parseNumericOption(line, rule.key, fieldWidth(kind), parsed);
        if (!matched)
            continue;
        Options::OptionValue &state = states[rule.row];
        state.included = true;
        const int value = acceptedValue(kind, parsed);
        if (value >= 0)
            state.value = value;
        if (report.lines < maxReportLines) {
            appendReportLine(rule.key, value >= 0, lineNumber, report.html);
            ++report.lines;
        } else {
            ++report.omitted;
        }
        return true;
    }
    return false;
}

Report readConfigFile(QIODevice &device, Options::OptionStates &states, int maxReportLines)
{
    constexpr int ChunkSize = 64 * 1024;
    Report report;
    QByteArray chunk(ChunkSize, Qt::Uninitialized);
    std::unique_ptr<QTextDecoder> decoder;
    QString line;            // the kept start of the current line
    bool lineOpen = false;   // characters read since the last line break
    bool leading = true;     // still in the line's leading white space
    qint64 lineNumber = 0;
    const auto endLine = [&] {
        applyLine(line.trimmed(), ++lineNumber, states, report, maxReportLines);
        line.clear();
        lineOpen = false;
        leading = true;
    };
    qint64 read;
    while ((read = device.read(chunk.data(), ChunkSize)) > 0) {
        if (!decoder) {
            // Like a text stream: UTF-8, unless a byte order mark says otherwise.
            QTextCodec *codec = QTextCodec::codecForUtfText(QByteArray::fromRawData(chunk.constData(), int(read)),
                                                            QTextCodec::codecForMib(106));
            decoder.reset(codec->makeDecoder());
        }
        const QString text = decoder->toUnicode(chunk.constData(), int(read));
        QStringView rest(text);
        while (!rest.isEmpty()) {
            const qsizetype end = rest.indexOf(QLatin1Char('\n'));
            QStringView piece = end < 0 ? rest : rest.left(end);
            lineOpen = lineOpen || !piece.isEmpty();
            if (leading) {
                qsizetype blanks = 0;
                while (blanks < piece.size() && piece[blanks].isSpace())
                    ++blanks;
                piece = piece.mid(blanks);
                leading = piece.isEmpty();
            }
            line.append(piece.data(), int(qMin<qsizetype>(piece.size(), KeptLineLength - line.size())));
            if (end < 0)
                break;
            endLine();
            rest = rest.mid(end + 1);
        }
    }
    if (lineOpen)
        endLine();
    return report;
}

} // namespace ConfigReader

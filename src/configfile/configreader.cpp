#include "configreader.h"

#include <QCoreApplication>
#include <QIODevice>
#if QT_VERSION_MAJOR >= 6
#include <QStringDecoder>
#else
#include <QTextCodec>
#include <QTextDecoder>
#endif

#include <memory>
#include <optional>
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
            rows.push_back({Options::catalogue()[row].keyword + QLatin1Char(':'), row});
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

// Equal texts, compared from the end, where keys of the same length differ
// ("#INPUT01:", "#INPUT02:", ...).
bool sameText(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = a.size() - 1; i >= 0; --i) {
        if (a[i] != b[i])
            return false;
    }
    return true;
}

// The rule whose key begins `line`, or null. A key ends with the only colon in it, so
// a line begins with a key exactly when its text up to its first colon is that key;
// comparing just that text is far cheaper than a prefix test per key.
const KeyRule *ruleForLine(QStringView line)
{
    const qsizetype colon = line.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return nullptr;
    const QStringView key = line.left(colon + 1);
    for (const KeyRule &rule : keyRules()) {
        if (sameText(key, rule.key))
            return &rule;
    }
    return nullptr;
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

// The translated words of the report, looked up once per file rather than per line.
struct ReportWords {
    QString ok = QCoreApplication::translate("MainWindow", "OK");
    QString error = QCoreApplication::translate("MainWindow", "ERROR");
    QString line = QCoreApplication::translate("MainWindow", "Line");
};

void appendReportLine(const QString &key, bool ok, qint64 lineNumber, QString &report, const ReportWords &words)
{
    static const QString dashes(30, QLatin1Char('-'));
    report += QLatin1String("<br>");
    report += key;
    report.append(dashes.constData(), qMax(0, dashes.size() - key.size()));
    report += QLatin1String("> ");
    if (ok) {
        report += words.ok;
    } else {
        report += words.error;
        report += QLatin1Char(' ');
        report += words.line;
        report += QLatin1Char('(');
        report += QString::number(lineNumber);
        report += QLatin1Char(')');
    }
    report += QLatin1String("</br>");
}

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The parsers on a view of the line: the reader hands over lines without copying them.
bool parseNumeric(QStringView line, const QString &key, int width, quint32 &value)
{
    value = NoValue;
    const QStringView trimmed = line.trimmed();
    if (!trimmed.startsWith(key))
        return false;
    // Everything but the digits of the field is dropped: "#ID: -5" reads as 5. The
    // field is at most 5 characters wide, so the number always fits.
    bool anyDigit = false;
    quint32 number = 0;
    for (QChar c : trimmed.mid(key.size(), width)) {
        if (isAsciiDigit(c)) {
            number = number * 10 + quint32(c.unicode() - '0');
            anyDigit = true;
        }
    }
    if (anyDigit)
        value = number;
    return true;
}

bool parseFunction(QStringView line, const QString &key, quint32 &position)
{
    position = NoValue;
    const QStringView trimmed = line.trimmed();
    if (!trimmed.startsWith(key))
        return false;
    const int index = Options::functionIndexAtStart(trimmed.mid(key.size()));
    if (index >= 0)
        position = quint32(index) + 1;
    return true;
}

// `line` comes trimmed.
bool applyLine(QStringView line, qint64 lineNumber, Options::OptionStates &states, Report &report,
               int maxReportLines, const ReportWords &words)
{
    const KeyRule *rule = ruleForLine(line);
    if (!rule)
        return false;
    const ValueKind kind = Options::catalogue()[rule->row].kind;
    quint32 parsed = NoValue;
    if (kind == ValueKind::Function)
        parseFunction(line, rule->key, parsed);
    else
        parseNumeric(line, rule->key, fieldWidth(kind), parsed);
    Options::OptionValue &state = states[rule->row];
    state.included = true;
    const int value = acceptedValue(kind, parsed);
    if (value >= 0)
        state.value = value;
    if (report.lines < maxReportLines) {
        appendReportLine(rule->key, value >= 0, lineNumber, report.html, words);
        ++report.lines;
    } else {
        ++report.omitted;
    }
    return true;
}

} // namespace

bool parseNumericOption(const QString &line, const QString &key, int width, quint32 &value)
{
    return parseNumeric(line, key, width, value);
}

bool parseFunctionOption(const QString &line, const QString &key, quint32 &position)
{
    return parseFunction(line, key, position);
}

void appendReportLine(const QString &key, bool ok, qint64 lineNumber, QString &report)
{
    appendReportLine(key, ok, lineNumber, report, ReportWords());
}

bool applyLine(const QString &line, qint64 lineNumber, Options::OptionStates &states, Report &report,
               int maxReportLines)
{
    return applyLine(QStringView(line).trimmed(), lineNumber, states, report, maxReportLines, ReportWords());
}

Report readConfigFile(QIODevice &device, Options::OptionStates &states, int maxReportLines)
{
    constexpr int ChunkSize = 64 * 1024;
    Report report;
    QByteArray chunk(ChunkSize, Qt::Uninitialized);
#if QT_VERSION_MAJOR >= 6
    std::optional<QStringDecoder> decoder;
#else
    std::unique_ptr<QTextDecoder> decoder;
#endif
    QString line;            // the kept start of a line that began in an earlier chunk
    bool lineOpen = false;   // characters read since the last line break
    bool leading = true;     // still in the line's leading white space
    qint64 lineNumber = 0;
    const ReportWords words;
    // The leading white space was never kept; the end is trimmed here.
    const auto endLine = [&](QStringView kept) {
        applyLine(kept.trimmed(), ++lineNumber, states, report, maxReportLines, words);
        line.resize(0);   // keeps the buffer for the next line
        lineOpen = false;
        leading = true;
    };
    qint64 read;
    while ((read = device.read(chunk.data(), ChunkSize)) > 0) {
        if (!decoder) {
            // Like a text stream: UTF-8, unless a byte order mark says otherwise.
#if QT_VERSION_MAJOR >= 6
            decoder.emplace(QStringConverter::encodingForData(QByteArrayView(chunk.constData(), read))
                                .value_or(QStringConverter::Utf8));
#else
            QTextCodec *codec = QTextCodec::codecForUtfText(QByteArray::fromRawData(chunk.constData(), int(read)),
                                                            QTextCodec::codecForMib(106));
            decoder.reset(codec->makeDecoder());
#endif
        }
#if QT_VERSION_MAJOR >= 6
        const QString text = decoder->decode(QByteArrayView(chunk.constData(), read));
#else
        const QString text = decoder->toUnicode(chunk.constData(), int(read));
#endif
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
            if (end >= 0 && line.isEmpty()) {
                endLine(piece.left(KeptLineLength));   // the whole line is in this chunk
            } else {
                line.append(piece.data(), int(qMin<qsizetype>(piece.size(), KeptLineLength - line.size())));
                if (end < 0)
                    break;
                endLine(line);
            }
            rest = rest.mid(end + 1);
        }
    }
    if (lineOpen)
        endLine(line);
    return report;
}

} // namespace ConfigReader

#include "configreader.h"

#include <QCoreApplication>
#include <QIODevice>

#include <cstring>

#if QT_VERSION_MAJOR >= 6
#include <QStringDecoder>
#else
#include <QTextCodec>
#include <QTextDecoder>
#endif

namespace ConfigReader {

// A decoder that keeps its state between pieces, so that a character split across
// two reads comes out whole. It drops a byte order mark at the start of the text
// only: the decoders would also drop one that happens to begin a later piece.
struct LineSource::Decoder {
#if QT_VERSION_MAJOR >= 6
    explicit Decoder(const QByteArray &head)
        : Decoder(QStringConverter::encodingForData(head).value_or(QStringConverter::Utf8))
    {
    }
    explicit Decoder(QStringConverter::Encoding encoding)
        : decoder(encoding, QStringConverter::Flag::ConvertInitialBom), utf8(encoding == QStringConverter::Utf8)
    {
    }
    QString convert(const char *bytes, qint64 size) { return decoder.decode(QByteArrayView(bytes, size)); }
    QStringDecoder decoder;
#else
    static constexpr int Utf8Mib = 106;
    explicit Decoder(const QByteArray &head)
        : Decoder(QTextCodec::codecForUtfText(head, QTextCodec::codecForMib(Utf8Mib)))
    {
    }
    explicit Decoder(QTextCodec *codec)
        : decoder(codec->makeDecoder(QTextCodec::IgnoreHeader)), utf8(codec->mibEnum() == Utf8Mib)
    {
    }
    QString convert(const char *bytes, qint64 size) { return decoder->toUnicode(bytes, int(size)); }
    std::unique_ptr<QTextDecoder> decoder;
#endif
    const bool utf8;
    bool started = false;

    QString decode(const char *bytes, qint64 size)
    {
        QString text = convert(bytes, size);
        if (!started && !text.isEmpty()) {
            started = true;
            if (text.front() == QChar(QChar::ByteOrderMark))
                text.remove(0, 1);
        }
        return text;
    }

    // How many of the `size` bytes of a full chunk to decode now, so that the text does
    // not depend on where the chunk ends. UTF-8 decoders answer an invalid sequence cut
    // by the end of a piece differently from the same bytes in one piece, so a piece
    // ends after its last ASCII byte, where no sequence is open, and the rest waits for
    // the next chunk. 0: no ASCII byte at all.
    qint64 decodableLength(const char *bytes, qint64 size) const
    {
        if (!utf8)
            return size;
        while (size > 0 && uchar(bytes[size - 1]) >= 0x80)
            --size;
        return size;
    }
};

namespace {

// Bytes decoded at a time.
constexpr qint64 ChunkSize = 64 * 1024;

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

const QString &keyOf(int row)
{
    return keyTable().keys[row];
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

// Qt 6.4's string hash (behind every QHash of strings, QCommandLineParser's among them)
// leaves the upper halves of the AVX registers in use, and every SSE instruction after
// it, in Qt's string functions and in ours, then waits on them: a file was read two to
// three times slower. Clearing them costs nothing where the processor has them.
void clearUpperVectorState()
{
#if defined(Q_PROCESSOR_X86) && (defined(Q_CC_GNU) || defined(Q_CC_CLANG))
    if (__builtin_cpu_supports("avx"))
        __asm__ volatile("vzeroupper");
#endif
}

} // namespace

LineSource::LineSource(QIODevice &device, Progress progress)
    : m_device(device), m_progress(std::move(progress)), m_total(device.size())
{
}

LineSource::~LineSource() = default;

bool LineSource::decodeMore()
{
    if (m_stopped || m_failed)
        return false;
    clearUpperVectorState();   // the progress callback may have run anything
    m_text.clear();
    m_pos = 0;
    m_chunk.resize(ChunkSize);
    while (m_text.isEmpty()) {
        // The chunk is filled however few bytes each read brings, so that the text is
        // decoded in the same pieces whatever the device hands out.
        bool atEnd = false;
        while (!atEnd && m_held < ChunkSize) {
            const qint64 read = m_device.read(m_chunk.data() + m_held, ChunkSize - m_held);
            m_failed = read < 0;
            atEnd = read <= 0;
            if (atEnd)
                break;
            m_held += read;
            m_read += read;
            m_stopped = m_progress && !m_progress(m_read, m_total);
            if (m_stopped)
                return false;
        }
        // After a failed read, the bytes held may end in the middle of a line: none is given.
        if (m_failed || m_held == 0)
            return false;
        if (!m_decoder)   // the first bytes tell the encoding
            m_decoder = std::make_unique<Decoder>(QByteArray::fromRawData(m_chunk.constData(), int(m_held)));
        qint64 length = atEnd ? m_held : m_decoder->decodableLength(m_chunk.constData(), m_held);
        // A full chunk without a single ASCII byte is decoded all the same: where it
        // ends can then matter only more than 64 KiB into a line.
        if (length == 0)
            length = m_held;
        // Carriage returns are dropped wherever they stand, as a text-mode read of a
        // UTF-8 file always did; only after decoding, so that UTF-16 stays in step.
        m_text = m_decoder->decode(m_chunk.constData(), length).remove(QLatin1Char('\r'));
        m_held -= length;
        std::memmove(m_chunk.data(), m_chunk.constData() + length, size_t(m_held));
    }
    return true;
}

bool LineSource::next(QString &line)
{
    line.resize(0);
    bool open = false;      // characters read since the last line feed
    bool leading = true;    // still in the line's leading white space
    while (m_pos < m_text.size() || decodeMore()) {
        open = true;
        const QStringView rest = QStringView(m_text).mid(m_pos);
        const qsizetype end = rest.indexOf(QLatin1Char('\n'));
        const QStringView piece = end < 0 ? rest : rest.left(end);
        m_pos += end < 0 ? piece.size() : end + 1;
        qsizetype start = 0;
        while (leading && start < piece.size() && piece[start].isSpace())
            ++start;
        leading = start == piece.size() && leading;
        const QStringView kept = piece.mid(start, KeptLineLength - line.size());
        line.append(kept.data(), int(kept.size()));
        if (end >= 0)
            return true;
    }
    return open && !m_stopped && !m_failed;
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

namespace {

// The translated words of the report, looked up once per report rather than per line.
struct ReportWords {
    QString ok = QCoreApplication::translate("MainWindow", "OK");
    QString error = QCoreApplication::translate("MainWindow", "ERROR");
    QString line = QCoreApplication::translate("MainWindow", "Line");
};

// A report line as the command-line check prints it, and as the import's box shows it
// between "<br>" and "</br>": "#ID:--------------------------> OK" or "... ERROR Line(4)".
void appendLineText(const QString &key, bool ok, qint64 lineNumber, QString &text, const ReportWords &words)
{
    constexpr int PaddedKeyLength = 30;
    text += key;
    text += QString(qMax(0, PaddedKeyLength - int(key.size())), QLatin1Char('-'));
    text += QLatin1String("> ");
    if (ok) {
        text += words.ok;
    } else {
        text += words.error;
        text += QLatin1Char(' ');
        text += words.line;
        text += QLatin1Char('(');
        text += QString::number(lineNumber);
        text += QLatin1Char(')');
    }
}

} // namespace

QString reportLineText(const ReportLine &line)
{
    QString text;
    appendLineText(keyOf(line.row), line.ok, line.lineNumber, text, ReportWords());
    return text;
}

QString reportHtml(const Report &report)
{
    const ReportWords words;
    QString html;
    for (const ReportLine &line : report.lines) {
        html += QLatin1String("<br>");
        appendLineText(keyOf(line.row), line.ok, line.lineNumber, html, words);
        html += QLatin1String("</br>");
    }
    return html;
}

QString reportSummary(const Report &report)
{
    if (report.optionLines == 0)
        return QCoreApplication::translate("MainWindow", "No option line found");
    if (report.refused == 0)
        return QCoreApplication::translate("MainWindow", "No option line refused, %1 in all").arg(report.optionLines);
    return QCoreApplication::translate("MainWindow", "%1 of %2 option lines refused")
        .arg(report.refused)
        .arg(report.optionLines);
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

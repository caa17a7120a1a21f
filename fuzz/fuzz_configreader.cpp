// libFuzzer target over the configuration file reader: any bytes a user may pick as
// a configuration file. Beyond crashes and undefined behaviour it checks that
//  - the reader's lines are those of a plain reading of the whole input: decoded in
//    one piece, split at line ends (LF, CR+ LF, or CR), each line trimmed and cut to
//    the kept length;
//  - the reader decodes the input in small pieces (some 30 to 60 to an input, their
//    size taken from the input), so that every input crosses piece boundaries, as a
//    large file crosses those of the usual 64 KiB;
//  - the same holds when the device hands out 1 to 16 bytes per read (sizes taken
//    from the input), so that lines, characters and line ends fall across reads;
//  - every value those lines hand to the window is one its editor can hold.
// The token lookup is checked once for all 2007 tokens by the option tests.
#include "configfile/configreader.h"

#include <QBuffer>
#if QT_VERSION_MAJOR >= 6
#include <QStringDecoder>
#else
#include <QTextCodec>
#include <QTextDecoder>
#endif

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

// A line as it matters: without the white space around it, cut to the kept length.
QStringView kept(QStringView line)
{
    return line.trimmed().left(ConfigReader::KeptLineLength).trimmed();
}

// The lines of a text, as views into it.
using Lines = QVector<QStringView>;

Lines splitLines(const QString &text)
{
    Lines lines;
    for (qsizetype from = 0; from < text.size();) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), from);
        end = end < 0 ? text.size() : end;   // a last line without its line feed counts
        lines.append(kept(QStringView(text).mid(from, end - from)));
        from = end + 1;
    }
    return lines;
}

// `text` receives the decoded input; the lines point into it.
Lines wholeLines(const QByteArray &bytes, QString &text)
{
#if QT_VERSION_MAJOR >= 6
    QStringDecoder decoder(QStringConverter::encodingForData(bytes).value_or(QStringConverter::Utf8),
                           QStringConverter::Flag::ConvertInitialBom);
    text = decoder.decode(bytes);
#else
    QTextCodec *codec = QTextCodec::codecForUtfText(bytes, QTextCodec::codecForMib(106));
    const std::unique_ptr<QTextDecoder> decoder(codec->makeDecoder(QTextCodec::IgnoreHeader));
    text = decoder->toUnicode(bytes);
#endif
    if (text.startsWith(QChar(QChar::ByteOrderMark)))
        text.remove(0, 1);
    // Not with a regular expression: it finds nothing in text that is not valid UTF-16.
    if (!text.contains(QLatin1Char('\r')))
        return splitLines(text);
    QString ends;
    ends.reserve(text.size());
    for (qsizetype i = 0, run = 0; i < text.size(); i = run) {
        for (run = i; run < text.size() && text.at(int(run)) == QLatin1Char('\r');)
            ++run;
        if (run == i)   // no return here
            ends += text.at(int(run++));
        else if (run < text.size() && text.at(int(run)) == QLatin1Char('\n'))
            ends += text.at(int(run++));   // returns before a line feed: that line feed alone
        else
            ends += QString(int(run - i), QLatin1Char('\n'));
    }
    text = ends;
    return splitLines(text);
}

// Hands out 1 to 16 bytes per read, the sizes taken from the input itself.
class ShortReads : public QIODevice
{
public:
    explicit ShortReads(const QByteArray &bytes) : m_bytes(bytes) { open(ReadOnly | Unbuffered); }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 max) override
    {
        if (m_at == m_bytes.size())
            return 0;
        const qint64 size = qMin(qMin(max, m_bytes.size() - m_at), qint64(1 + (uchar(m_bytes[int(m_at)]) & 15)));
        std::memcpy(data, m_bytes.constData() + m_at, size_t(size));
        m_at += size;
        return size;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    const QByteArray m_bytes;
    qint64 m_at = 0;
};

// Each line the reader gives is applied to `states`, when given.
void requireLines(QIODevice &device, const Lines &expected, Options::OptionStates *states = nullptr)
{
    ConfigReader::LineSource source(device);
    ConfigReader::Report report;
    QString line;
    int count = 0;
    while (source.next(line)) {
        require(count < expected.size() && kept(line) == expected[count++]);
        if (states)
            ConfigReader::applyLine(line, count, *states, report);
    }
    require(count == expected.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    QString text;
    const Lines expected = wholeLines(bytes, text);
    // Some 30 to 60 pieces to an input, whatever its size.
    ConfigReader::setPieceSize(4 + (size > 0 ? data[size - 1] & 31 : 0) + qint64(size / 64));

    QByteArray copy = bytes;
    QBuffer whole(&copy);
    whole.open(QIODevice::ReadOnly);
    Options::OptionStates states = Options::defaultStates(false);
    requireLines(whole, expected, &states);
    ShortReads pieces(bytes);
    requireLines(pieces, expected);
    for (int r = 0; r < Options::OptionCount; ++r) {
        const Options::KindFacts &facts = Options::facts(Options::catalogue()[r].kind);
        require(states[r].value >= facts.minimum && states[r].value <= facts.maximum);
    }
    return 0;
}

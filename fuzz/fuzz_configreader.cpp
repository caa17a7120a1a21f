// libFuzzer target over the configuration file reader: any bytes a user may pick as
// a configuration file. Beyond crashes and undefined behaviour it checks that
//  - the reader's lines are those of a plain reading of the whole input: decoded in
//    one piece, split at line ends (LF, CR+ LF, or CR), each line trimmed and cut to
//    the kept length;
//  - the reader decodes the input in small pieces (4 to 35 bytes, the size taken from
//    the input), so that every input crosses piece boundaries, as a large file crosses
//    those of the usual 64 KiB;
//  - the same holds when the device hands out 1 to 16 bytes per read (sizes taken
//    from the input), so that lines, characters and line ends fall across reads;
//  - every value those lines hand to the window is one its editor can hold.
// The token lookup is checked once for all 2007 tokens by the option tests.
#include "configfile/configreader.h"

#include <QBuffer>
#include <QRegularExpression>
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
QString kept(const QString &line)
{
    return line.trimmed().left(ConfigReader::KeptLineLength).trimmed();
}

QStringList wholeLines(const QByteArray &bytes)
{
#if QT_VERSION_MAJOR >= 6
    QStringDecoder decoder(QStringConverter::encodingForData(bytes).value_or(QStringConverter::Utf8),
                           QStringConverter::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
#else
    QTextCodec *codec = QTextCodec::codecForUtfText(bytes, QTextCodec::codecForMib(106));
    const std::unique_ptr<QTextDecoder> decoder(codec->makeDecoder(QTextCodec::IgnoreHeader));
    QString text = decoder->toUnicode(bytes);
#endif
    if (text.startsWith(QChar(QChar::ByteOrderMark)))
        text.remove(0, 1);
    static const QRegularExpression returnsBeforeLineFeed(QStringLiteral("\r+\n"));
    QStringList lines = text.replace(returnsBeforeLineFeed, QStringLiteral("\n"))
                            .replace(QLatin1Char('\r'), QLatin1Char('\n'))
                            .split(QLatin1Char('\n'));
    if (lines.constLast().isEmpty())
        lines.removeLast();   // the end of the last line, not an empty line after it
    for (QString &line : lines)
        line = kept(line);
    return lines;
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

void requireLines(QIODevice &device, const QStringList &expected)
{
    ConfigReader::LineSource source(device);
    QString line;
    int count = 0;
    while (source.next(line))
        require(count < expected.size() && kept(line) == expected[count++]);
    require(count == expected.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    const QStringList expected = wholeLines(bytes);
    ConfigReader::setPieceSize(4 + (size > 0 ? data[size - 1] & 31 : 0));

    QByteArray copy = bytes;
    QBuffer whole(&copy);
    whole.open(QIODevice::ReadOnly);
    requireLines(whole, expected);
    ShortReads pieces(bytes);
    requireLines(pieces, expected);

    Options::OptionStates states = Options::defaultStates(false);
    ConfigReader::Report report;
    qint64 lineNumber = 0;
    for (const QString &line : expected)
        ConfigReader::applyLine(line, ++lineNumber, states, report);
    for (int r = 0; r < Options::OptionCount; ++r) {
        const Options::KindFacts &facts = Options::facts(Options::catalogue()[r].kind);
        require(states[r].value >= facts.minimum && states[r].value <= facts.maximum);
    }
    return 0;
}

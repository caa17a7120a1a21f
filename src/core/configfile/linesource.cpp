#include "linesource.h"

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
    bool invalid() const { return decoder.hasError(); }
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
    bool invalid() const { return decoder->hasFailure(); }
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
        // A NUL byte of UTF-8 is a NUL character, and far quicker found among the bytes.
        m_notText = m_notText || m_decoder->invalid()
                    || (m_decoder->utf8 ? std::memchr(m_chunk.constData(), 0, size_t(length)) != nullptr
                                        : m_text.contains(QChar(QChar::Null)));
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

} // namespace ConfigReader

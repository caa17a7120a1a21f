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
        : decoder(QStringConverter::encodingForData(head).value_or(QStringConverter::Utf8),
                  QStringConverter::Flag::ConvertInitialBom)
    {
        setUnit(head);
    }
    QString convert(const char *bytes, qint64 size) { return decoder.decode(QByteArrayView(bytes, size)); }
    bool invalid() const { return decoder.hasError(); }
    QStringDecoder decoder;
#else
    static constexpr int Utf8Mib = 106;
    explicit Decoder(const QByteArray &head)
        : decoder(QTextCodec::codecForUtfText(head, QTextCodec::codecForMib(Utf8Mib))->makeDecoder(QTextCodec::IgnoreHeader))
    {
        setUnit(head);
    }
    QString convert(const char *bytes, qint64 size) { return decoder->toUnicode(bytes, int(size)); }
    bool invalid() const { return decoder->hasFailure(); }
    std::unique_ptr<QTextDecoder> decoder;
#endif
    int unit = 1;             // bytes per code unit: 1 (UTF-8), 2 or 4
    bool started = false;

    // The unit as the byte order mark tells it, as both Qt's decoders read it.
    void setUnit(const QByteArray &head)
    {
        const auto starts = [&head](const char *mark, int size) { return head.startsWith(QByteArray(mark, size)); };
        unit = starts("\xff\xfe\0\0", 4) || starts("\0\0\xfe\xff", 4) ? 4
               : starts("\xff\xfe", 2) || starts("\xfe\xff", 2)     ? 2
                                                                       : 1;
    }

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
    // not depend on where the chunk ends: the decoder is never left with a sequence
    // open. UTF-8 decoders answer an invalid sequence cut by the end of a piece
    // differently from the same bytes in one piece (Qt 6's even swallows the byte after
    // it, a line feed as well), so a piece ends after its last ASCII byte, where no
    // sequence is open, or, in a chunk without one, after its last whole sequence; the
    // rest waits for the next chunk. 0: no sequence ends in the chunk. UTF-16 and
    // UTF-32 end after a whole code unit; the decoder joins the halves of a surrogate
    // pair cut in two, as it does any.
    qint64 decodableLength(const char *bytes, qint64 size) const
    {
        if (unit > 1)
            return size - size % unit;
        qint64 length = size;
        while (length > 0 && uchar(bytes[length - 1]) >= 0x80)
            --length;
        if (length > 0)
            return length;
        int open = 0;   // continuation bytes still to come
        for (qint64 at = 0; at < size; ++at) {
            const uchar byte = uchar(bytes[at]);
            if (byte < 0xC0)   // a continuation byte; one that no sequence waits for is one error
                open = qMax(open - 1, 0);
            else   // a lead byte ends what was open; F8 to FF begin nothing
                open = byte >= 0xF8 ? 0 : byte >= 0xF0 ? 3 : byte >= 0xE0 ? 2 : 1;
            if (open == 0)
                length = at + 1;
        }
        return length;
    }

    // Where to end a chunk in which no sequence ends, far into a line: before its last
    // lead byte, so that what the decoder carries into the next chunk is followed by a
    // lead byte, never by an ASCII one such as a line feed.
    static qint64 forcedLength(const char *bytes, qint64 size)
    {
        qint64 length = size - 1;
        while (length > 0 && uchar(bytes[length]) < 0xC0)
            --length;
        return length > 0 ? length : size;
    }
};

namespace {

// Bytes decoded at a time; at least 4, so that a piece always holds a whole character.
constexpr qint64 DefaultPieceSize = 64 * 1024;
constexpr qint64 MinimumPieceSize = 4;
qint64 pieceSize = DefaultPieceSize;

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

void setPieceSize(qint64 bytes)
{
    pieceSize = bytes > 0 ? qMax(bytes, MinimumPieceSize) : DefaultPieceSize;
}

LineSource::LineSource(QIODevice &device, Progress progress)
    : m_device(device), m_progress(std::move(progress)), m_total(device.size()), m_pieceSize(pieceSize)
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
    if (m_chunk.size() < m_pieceSize)
        m_chunk.resize(int(m_pieceSize));
    while (m_text.isEmpty()) {
        // The chunk is filled however few bytes each read brings, so that the text is
        // decoded in the same pieces whatever the device hands out.
        bool atEnd = false;
        while (!atEnd && m_held < m_chunk.size()) {
            const qint64 read = m_device.read(m_chunk.data() + m_held, m_chunk.size() - m_held);
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
        if (m_failed)
            return false;
        if (m_held == 0) {   // carriage returns that end the text end its last lines
            m_text.fill(QLatin1Char('\n'), int(m_openReturns));
            m_openReturns = 0;
            return !m_text.isEmpty();
        }
        if (!m_decoder)   // the first bytes tell the encoding
            m_decoder = std::make_unique<Decoder>(QByteArray::fromRawData(m_chunk.constData(), int(m_held)));
        qint64 length = atEnd ? m_held : m_decoder->decodableLength(m_chunk.constData(), m_held);
        if (length == 0 && m_chunk.size() < qMax(m_pieceSize, DefaultPieceSize)) {
            // No character ends in the chunk: it grows, up to the usual size, and is read on.
            m_chunk.resize(int(qMin(2 * qint64(m_chunk.size()), qMax(m_pieceSize, DefaultPieceSize))));
            continue;
        }
        if (length == 0)
            length = Decoder::forcedLength(m_chunk.constData(), m_held);
        m_text = m_decoder->decode(m_chunk.constData(), length);
        // A NUL character is in no text file; a NUL byte of UTF-8 is one, and far quicker
        // found among the bytes. Bytes that are no UTF-8 are most likely a comment in an
        // 8-bit code page (a Windows editor's "ANSI"): they do not make a file binary.
        // UTF-16 or UTF-32 that does not decode after its byte order mark is not text.
        m_notText = m_notText || (m_decoder->unit != 1 && m_decoder->invalid())
                    || (m_decoder->unit == 1 ? std::memchr(m_chunk.constData(), 0, size_t(length)) != nullptr
                                             : m_text.contains(QChar(QChar::Null)));
        endLinesAtLineFeeds();
        m_held -= length;
        std::memmove(m_chunk.data(), m_chunk.constData() + length, size_t(m_held));
    }
    return true;
}

namespace {

// True when every carriage return of `text` is one of a run that a line feed follows:
// the line ends of most files written on Windows, which next() drops as it goes.
bool returnsOnlyBeforeLineFeeds(const QString &text)
{
    for (qsizetype at = text.indexOf(QLatin1Char('\r')); at >= 0; at = text.indexOf(QLatin1Char('\r'), at)) {
        while (at < text.size() && text.at(int(at)) == QLatin1Char('\r'))
            ++at;
        if (at == text.size() || text.at(int(at)) != QLatin1Char('\n'))
            return false;
    }
    return true;
}

// A line without the carriage returns that ended it before its line feed.
QStringView withoutReturns(QStringView line)
{
    while (!line.isEmpty() && line.back() == QLatin1Char('\r'))
        line.chop(1);
    return line;
}

} // namespace

// Only after decoding, so that UTF-16 stays in step: a run of carriage returns before a
// line feed is dropped (CR LF, and the CR CR LF of a file put through text mode twice);
// elsewhere each carriage return ends a line, as in files that know no other line end.
// A run at the end of the text waits for what follows it. Text whose returns all come
// before a line feed is left as it is, not copied: next() drops them.
void LineSource::endLinesAtLineFeeds()
{
    if (m_openReturns == 0 && returnsOnlyBeforeLineFeeds(m_text))
        return;
    QString text;
    text.reserve(m_text.size() + int(m_openReturns));
    for (qsizetype at = 0; at < m_text.size();) {
        if (m_openReturns > 0) {
            if (m_text.at(int(at)) == QLatin1Char('\r')) {
                ++m_openReturns;
                ++at;
                continue;
            }
            if (m_text.at(int(at)) != QLatin1Char('\n'))
                text.append(QString(int(m_openReturns), QLatin1Char('\n')));
            m_openReturns = 0;
        }
        qsizetype end = m_text.indexOf(QLatin1Char('\r'), at);
        if (end < 0)
            end = m_text.size();
        text.append(m_text.constData() + at, int(end - at));
        if (end < m_text.size())
            m_openReturns = 1;
        at = end + 1;
    }
    m_text = text;
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
        const QStringView piece = end < 0 ? rest : withoutReturns(rest.left(end));
        m_pos += end < 0 ? rest.size() : end + 1;
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

#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

class QIODevice;

namespace ConfigReader {

// Characters kept from each line after its leading white space. Only the key (at
// most 15) and its value field (at most 12) can matter; the rest of a line is never
// held in memory, however long it is.
constexpr int KeptLineLength = 64;

// Hears how far a reading has come after every piece read from the device; returning
// false stops the reading there. The total is the device's size.
using Progress = std::function<bool(qint64 bytesRead, qint64 totalBytes)>;

// The lines of a device opened for reading, one at a time. The bytes are decoded
// first (UTF-8, or UTF-16/32 when a byte order mark says so), then split at line
// ends: a line feed, with any carriage returns before it (CR LF, CR CR LF), or a
// carriage return not followed by one (a file with CR line ends). The leading white
// space is dropped; of the rest only the first KeptLineLength characters are kept.
// The lines are the same however the device hands out its bytes, and with Qt 5 and 6.
// For tests and fuzzing: the bytes decoded at a time by the LineSources made from now
// on (at least 4), so that small inputs cross piece boundaries; 0: the usual 64 KiB.
void setPieceSize(qint64 bytes);

class LineSource
{
public:
    explicit LineSource(QIODevice &device, Progress progress = {});
    ~LineSource();

    // The next line, or false at the end. A last line without a line break counts.
    bool next(QString &line);

    // True when the progress callback stopped the reading.
    bool stopped() const { return m_stopped; }

    // True when the device failed a read: the lines given were only part of it.
    bool failed() const { return m_failed; }

    // True once the bytes decoded so far held a NUL character, or UTF-16 or UTF-32 that
    // does not decode: they are not text. Bytes that are no UTF-8 are read as text.
    bool notText() const { return m_notText; }

private:
    bool decodeMore();
    void endLinesAtLineFeeds();

    struct Decoder;
    QIODevice &m_device;
    const Progress m_progress;
    const qint64 m_total;
    const qint64 m_pieceSize;
    qint64 m_read = 0;
    bool m_stopped = false;
    bool m_failed = false;
    bool m_notText = false;
    std::unique_ptr<Decoder> m_decoder;
    QByteArray m_chunk;   // its first m_held bytes are read and not yet decoded
    qint64 m_held = 0;
    QString m_text;       // decoded, not yet split
    qsizetype m_pos = 0;
    qint64 m_openReturns = 0;   // carriage returns at the end of the text decoded so far
};

} // namespace ConfigReader

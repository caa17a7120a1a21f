// libFuzzer target over the configuration file reader: any bytes a user may pick as
// a configuration file. Beyond crashes and undefined behaviour it checks that
//  - the reader's lines are those of a plain reading of the whole input: decoded in
//    one piece, split at line ends (LF, CR+ LF, or CR), each line trimmed and cut to
//    the kept length;
//  - the reader decodes the input in small pieces (some 30 to 60 to an input, their
//    size taken from the input), so that every input crosses piece boundaries, as a
//    large file crosses those of the usual 64 KiB;
//  - the same holds when the device hands out 1 to 16 bytes per read (sizes taken
//    from the input), so that lines, characters and line ends fall across reads; the
//    reader fills its pieces the same either way, so each input checks one of the two
//    (taken from the input), for nearly twice the inputs a second;
//  - that reading finds the bytes to be text, or not, as a plain decoding does;
//  - every value those lines hand to the window is one its editor can hold;
//  - every reason or warning names a real line of the input, one that says what the
//    note says it does (the misspelt key, the value, the option given again);
//  - the rows read from a file without a refused line or a warning are written to a
//    file that reads back to the same rows, again without either.
// The token lookup is checked once for all 2007 tokens by the option tests.
#include "configfile/configreader.h"
#include "configfile/configwriter.h"
#include "configfile/keyhint.h"

#include <QBuffer>
#if QT_VERSION_MAJOR >= 6
#include <QStringDecoder>
#else
#include <QTextCodec>
#include <QTextDecoder>
#endif

#include <algorithm>
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

// `text` receives the decoded input, the lines point into it; `isText` tells whether it is
// text: no NUL character, and in UTF-16 or UTF-32 no sequence that does not decode.
Lines wholeLines(const QByteArray &bytes, QString &text, bool &isText)
{
#if QT_VERSION_MAJOR >= 6
    QStringDecoder decoder(QStringConverter::encodingForData(bytes).value_or(QStringConverter::Utf8),
                           QStringConverter::Flag::ConvertInitialBom);
    text = decoder.decode(bytes);
    const bool wide = decoder.hasError() && QStringConverter::encodingForData(bytes).value_or(QStringConverter::Utf8)
                                                != QStringConverter::Utf8;
#else
    QTextCodec *codec = QTextCodec::codecForUtfText(bytes, QTextCodec::codecForMib(106));
    const std::unique_ptr<QTextDecoder> decoder(codec->makeDecoder(QTextCodec::IgnoreHeader));
    text = decoder->toUnicode(bytes);
    const bool wide = decoder->hasFailure() && codec->mibEnum() != 106;
#endif
    isText = !wide && !text.contains(QChar(QChar::Null));
    if (text.startsWith(QChar(QChar::ByteOrderMark)))
        text.remove(0, 1);
    // Not with a regular expression: it finds nothing in text that is not valid UTF-16.
    if (!text.contains(QLatin1Char('\r')))
        return splitLines(text);
    // Written in place: each run of returns becomes as many line feeds, or goes when a
    // line feed follows it.
    const QChar *from = text.constData(), *end = from + text.size();
    QString ends(text.size(), Qt::Uninitialized);
    QChar *to = ends.data();
    while (from != end) {
        const QChar *run = from;
        while (run != end && *run == QLatin1Char('\r'))
            ++run;
        if (run == from || (run != end && *run == QLatin1Char('\n')))
            *to++ = *run++;   // no return here, or returns before a line feed: that line feed alone
        else
            to = std::fill_n(to, run - from, QChar(QLatin1Char('\n')));
        from = run;
    }
    ends.truncate(int(to - ends.constData()));
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

void requireLines(QIODevice &device, const Lines &expected, bool isText)
{
    ConfigReader::LineSource source(device);
    QString line;
    int count = 0;
    while (source.next(line)) {
        require(count < expected.size() && kept(line) == expected[count++]);
    }
    require(count == expected.size() && source.notText() == !isText);
}

// The note names a line of `lines` that says what the note says it does.
void requireRealLine(const ConfigReader::Note &note, const Lines &lines, qint64 optionLines)
{
    using Note = ConfigReader::Note;
    if (note.kind == Note::NoOptionLine) {
        require(note.lineNumber == 0 && optionLines == 0);
        return;
    }
    require(note.lineNumber >= 1 && note.lineNumber <= lines.size());
    const QStringView line = lines[int(note.lineNumber - 1)];
    switch (note.kind) {
    case Note::NotAnOption:
        require(ConfigReader::optionShapedKey(line) == note.written);
        break;
    case Note::Refused:
    case Note::ReadAs:
        require(line == ConfigReader::keyOf(note.row) + note.written);
        break;
    case Note::Repeated:
        require(note.count >= 2 && line.startsWith(ConfigReader::keyOf(note.row)));
        for (qint64 i = 0; i < qMin(note.count, qint64(ConfigReader::ListedLines)); ++i)
            require(lines.value(int(note.lines[size_t(i)] - 1)).startsWith(ConfigReader::keyOf(note.row)));
        break;
    default:
        require(false);
    }
}

ConfigReader::Report readBytes(QByteArray bytes, Options::OptionStates &states)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    states = Options::defaultStates(false);
    return ConfigReader::readConfigFile(buffer, states);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    QString text;
    bool isText = true;
    const Lines expected = wholeLines(bytes, text, isText);
    // Some 30 to 60 pieces to an input, whatever its size.
    const uchar last = size > 0 ? data[size - 1] : 0;
    ConfigReader::setPieceSize(4 + (last & 31) + qint64(size / 64));

    if (last & 32) {
        ShortReads pieces(bytes);
        requireLines(pieces, expected, isText);
    } else {
        QByteArray copy = bytes;
        QBuffer whole(&copy);
        whole.open(QIODevice::ReadOnly);
        requireLines(whole, expected, isText);
    }
    if (!isText)
        return 0;   // not read on: nothing of it is taken

    Options::OptionStates states;
    const ConfigReader::Report report = readBytes(bytes, states);
    for (int r = 0; r < Options::OptionCount; ++r) {
        const Options::KindFacts &facts = Options::facts(Options::catalogue()[r].kind);
        require(states[r].value >= facts.minimum && states[r].value <= facts.maximum);
    }
    for (const ConfigReader::Note &note : report.notes)
        requireRealLine(note, expected, report.optionLines);
    if (report.refused == 0 && report.warnings == 0) {
        Options::OptionStates again;
        const ConfigReader::Report reread = readBytes(ConfigWriter::fileContents(states), again);
        require(reread.refused == 0 && reread.warnings == 0 && again == states);
    }
    return 0;
}

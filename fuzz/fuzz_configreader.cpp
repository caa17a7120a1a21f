// libFuzzer target over the configuration file reader: any bytes a user may pick as
// a configuration file. Beyond crashes and undefined behaviour it checks that
//  - every value handed to the window is one its editor can hold;
//  - reading in bounded pieces gives what reading whole lines with a text stream
//    gives (states and report), for UTF-8 input: with a UTF-16 or UTF-32 byte order
//    mark, a text stream on a text-mode device re-reads bytes after the dropped
//    carriage returns, so it is no reference there;
//  - the token lookup agrees with a scan over all 2007 tokens.
#include "configfile/configreader.h"

#include <QBuffer>
#include <QTextStream>
#if QT_VERSION_MAJOR >= 6
#include <QStringConverter>
#else
#include <QTextCodec>
#endif

#include <cstdint>
#include <cstdlib>

namespace {

bool editorTakes(Options::ValueKind kind, int value)
{
    return value >= Options::facts(kind).minimum && value <= Options::facts(kind).maximum;
}

void require(bool condition)
{
    if (!condition)
        std::abort();
}

// Whole lines through a text stream, each trimmed and applied.
ConfigReader::Report readWholeLines(QByteArray bytes, Options::OptionStates &states)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly | QIODevice::Text);
    QTextStream stream(&buffer);
#if QT_VERSION_MAJOR < 6
    stream.setCodec("UTF-8");   // Qt 6 streams read UTF-8 unless told otherwise
#endif
    ConfigReader::Report report;
    qint64 lineNumber = 0;
    QString line;
    while (stream.readLineInto(&line))
        ConfigReader::applyLine(line.trimmed().left(ConfigReader::KeptLineLength), ++lineNumber, states, report);
    return report;
}

// True when the bytes start with no byte order mark or with the UTF-8 one.
bool decodedAsUtf8(const QByteArray &bytes)
{
#if QT_VERSION_MAJOR >= 6
    const std::optional<QStringConverter::Encoding> unicode = QStringConverter::encodingForData(bytes);
    return !unicode || *unicode == QStringConverter::Utf8;
#else
    const QTextCodec *unicode = QTextCodec::codecForUtfText(bytes, nullptr);
    return !unicode || unicode->mibEnum() == 106;
#endif
}

quint32 scanAllTokens(const QString &line, const QString &key)
{
    quint32 position = ConfigReader::NoValue;
    const QString trimmed = line.trimmed();
    for (int p = 1; p <= Options::FunctionCount; ++p) {
        const QString candidate = Options::functionToken(p - 1);
        if (trimmed.mid(key.size(), candidate.size()) == candidate)
            position = quint32(p);
    }
    return position;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));

    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    Options::OptionStates states = Options::defaultStates(false);
    const ConfigReader::Report report = ConfigReader::readConfigFile(buffer, states);
    for (int r = 0; r < Options::OptionCount; ++r)
        require(editorTakes(Options::catalogue()[r].kind, states[r].value));

    // The byte order mark is looked for in what the text-mode device delivers, which
    // may differ from the raw bytes (a carriage return before the mark is dropped).
    QByteArray raw = bytes;
    QBuffer textMode(&raw);
    textMode.open(QIODevice::ReadOnly | QIODevice::Text);
    if (decodedAsUtf8(textMode.readAll())) {
        Options::OptionStates reference = Options::defaultStates(false);
        const ConfigReader::Report referenceReport = readWholeLines(bytes, reference);
        require(ConfigReader::reportHtml(report) == ConfigReader::reportHtml(referenceReport)
                && report.optionLines == referenceReport.optionLines && report.refused == referenceReport.refused);
        for (int r = 0; r < Options::OptionCount; ++r)
            require(states[r].included == reference[r].included && states[r].value == reference[r].value);
    }

    const QString line = QString::fromUtf8(bytes.left(64)).prepend(QStringLiteral("#BUTTON1:"));
    quint32 position = 0;
    require(ConfigReader::parseFunctionOption(line, QStringLiteral("#BUTTON1:"), position));
    require(position == scanAllTokens(line, QStringLiteral("#BUTTON1:")));
    return 0;
}

// The configuration file without a window: the writer, the reader and its report, the save, the numbers
// as the file and the command line write them, and where the dialogs start.
#include "app/settings.h"
#include "configfile/configreader.h"
#include "configfile/configwriter.h"
#include "configfile/importreport.h"
#include "files/atomicsave.h"
#include "files/inplacebackup.h"
#include "options/decimalnumber.h"
#include "support/testapp.h"
#include "support/testdata.h"

#include <QBuffer>
#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

Q_DECLARE_METATYPE(Rows)
Q_DECLARE_METATYPE(Options::OptionStates)
Q_DECLARE_METATYPE(SaveFaults)

namespace {

const QByteArray oldFile = QByteArray("old bytes 0123456789\n").repeated(3);   // a put-back byte out of place shows

// Hands out at most `piece` bytes a read: characters and line ends are then split between reads. Past
// `failAfter` bytes, if given, every read fails as one of a failing disk.
struct Pieces : QBuffer {
    Pieces(QByteArray *bytes, qint64 piece, qint64 failAfter) : QBuffer(bytes), m_piece(piece), m_failAfter(failAfter) {}
    qint64 readData(char *data, qint64 max) override
    {
        const qint64 left = m_failAfter < 0 ? max : m_failAfter - pos();
        return left <= 0 ? -1 : QBuffer::readData(data, qMin(qMin(max, left), m_piece));
    }
    const qint64 m_piece, m_failAfter;
};

ConfigReader::Report read(QByteArray file, Options::OptionStates &states, qint64 piece = 1 << 30, qint64 failAfter = -1)
{
    Pieces buffer(&file, piece, failAfter);
    buffer.open(QIODevice::ReadOnly);
    states = Options::defaultStates(false);
    return ConfigReader::readConfigFile(buffer, states);
}

// `text` with a byte order mark, in "UTF-8", "UTF-16LE", "UTF-32BE"...; plain "UTF-8" has none.
QByteArray encoded(const QString &text, const QString &encoding)
{
    const QString marked = QChar(QChar::ByteOrderMark) + text;
    if (encoding.startsWith("UTF-8"))
        return (encoding == "UTF-8" ? text : marked).toUtf8();
    const int width = encoding.startsWith("UTF-16") ? 2 : 4;
    QByteArray bytes;
    for (const uint unit : width == 2 ? QVector<uint>(marked.utf16(), marked.utf16() + marked.size()) : marked.toUcs4())
        for (int i = 0; i < width; ++i)
            bytes += char(unit >> 8 * (encoding.endsWith("BE") ? width - 1 - i : i));
    return bytes;
}

} // namespace

class TestConfigCore : public QObject
{
    Q_OBJECT

    QString path(const QString &name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;

private slots:
    // Saved over an old file, which must be replaced whole; or, failing, left as it was. Where the
    // folder takes no temporary file, the file is written in place and put back should that fail;
    // should that fail too, its old bytes are in the backup named.
    void savesOrKeepsOldFile_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("sizeLimit");   // on every file the process writes; 0: none
        QTest::addColumn<SaveFaults>("faults");   // injected: no temporary file, write fails, putting back fails
        QTest::addColumn<Options::OptionStates>("states");
        QTest::addColumn<QByteArray>("bytes");   // in the file afterwards
        const Options::OptionStates all = Options::defaultStates(true);
        QByteArray defaults("#ID:001\r\n#VOLUME:32\r\n#POWER:0\r\n#RS_MONITORING:0\r\n#BOOT:000\r\n");
        for (int n = 1; n <= 15; ++n)   // input N plays folder N
            defaults += QString::asprintf("#INPUT%02d:FOLDER%03d\r\n", n, n).toLatin1();
        defaults += "#BUTTON1:VOLUME_MINUS\r\n#BUTTON2:VOLUME_PLUS\r\n#BAUDRATE:19200\r\n";
        QTest::newRow("defaults") << path("plain") << 0 << SaveFaults{false, -1} << all << defaults;
        QTest::newRow("nothing ticked") << path("plain") << 0 << SaveFaults{false, -1} << ticked({}) << QByteArray();
        const Rows edges{{Id, 7}, {Volume, 5}, {Input01, 8}, {Button1, 1007}, {Button2, 1008}, {Baudrate, 2}};
        QTest::newRow("edges") << path("plain") << 0 << SaveFaults{false, -1} << ticked(edges) << QByteArray("#ID:007\r\n"
            "#VOLUME:05\r\n#INPUT01:FOLDER000\r\n#BUTTON1:FOLDER999\r\n#BUTTON2:RS001\r\n#BAUDRATE:38400\r\n");
        QTest::newRow("parent is a file") << path("plain/config.txt") << 0 << SaveFaults{false, -1} << all << oldFile;
        QTest::newRow("disk full midway") << path("plain") << 100 << SaveFaults{false, -1} << all << oldFile;
        QTest::newRow("in place") << path("plain") << 0 << SaveFaults{true, -1} << all << defaults;
        QTest::newRow("in place, nothing ticked") << path("plain") << 0 << SaveFaults{true, -1} << ticked({}) << QByteArray();
        QTest::newRow("in place, write fails midway") << path("plain") << 0 << SaveFaults{true, 10} << all << oldFile;
        QTest::newRow("in place, putting back fails") << path("plain") << 0 << SaveFaults{true, 10, true} << all
                                                      << defaults.left(10) + oldFile.mid(10);
        QTest::newRow("in place, disk full midway") << path("plain") << 400 << SaveFaults{true, -1} << all << oldFile;
    }

    void savesOrKeepsOldFile()
    {
        QFETCH(QString, file);
        QFETCH(int, sizeLimit);
        QFETCH(SaveFaults, faults);
        QFETCH(Options::OptionStates, states);
        QFETCH(QByteArray, bytes);
        QVERIFY(writeFile(path("plain"), oldFile));
        const auto entries = [this] { return QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden); };
        const QStringList before = entries();
#ifdef Q_OS_UNIX
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        const rlimit limit{sizeLimit > 0 ? rlim_t(sizeLimit) : old.rlim_cur, old.rlim_max};
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
#else
        if (sizeLimit > 0)
            QSKIP("no file size limit to run into here");
#endif
        injectSaveFaults(faults);
        const SaveOutcome outcome = saveAtomically(file, ConfigWriter::fileContents(states));   // no SIGXFSZ
#ifdef Q_OS_UNIX
        setrlimit(RLIMIT_FSIZE, &old);
#endif
        QCOMPARE(outcome.saved, bytes == ConfigWriter::fileContents(states));
        QCOMPARE(outcome.restored, faults.refuseTemporaryFile && bytes == oldFile);
        QCOMPARE(readFile(path("plain")), bytes);
        QCOMPARE(entries(), before);   // no temporary file left either
        QCOMPARE(readFile(outcome.backup), faults.failRestore ? oldFile : "");   // kept only when not put back
        QCOMPARE(QDir(inPlaceBackupFolder()).entryList({"*.pending"}), {});   // and no unfinished save left behind
    }

    void readsLines_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<QString>("report");
        QTest::addColumn<qint64>("failAfter");   // bytes read before every read fails; -1: none
        const auto row = [](const char *name, const QByteArray &file, const Rows &rows, const QString &report,
                            qint64 failAfter = -1) { QTest::newRow(name) << file << rows << report << failAfter; };
        row("trimmed, cut, non-digits dropped", QByteArray(1 << 17, ' ') + "\t#ID:1a2 \t\r\n#VOLUME:100\n#POWER:10",
            {{Id, 12}, {Volume, 10}, {Power, 1}}, reportLine("#ID:") + reportLine("#VOLUME:") + reportLine("#POWER:"));
        // A line cut by the failure would read as a refused "#VOLUME:": nothing of the file is given.
        row("read fails midway", "#ID:5\n#VOLUME:7\n", {}, "", 14);
        row("near misses count as lines", "#INPUT16:PLAY\n#INPUT1:PLAY\n#BUTTON3:STOP\n#id:5\n#ID :5\n\n#VOLUME:99",
            {{Volume, 32}}, reportLine("#VOLUME:", 7));
        // A NUL is in no text: the reading stops, however the bytes are split, and nothing is taken.
        row("NUL", QByteArray("#ID:5\n\0#POWER:1\n", 16), {}, "not text");
        // Bytes that are no UTF-8 (an 8-bit code page's comment) do not stop it: the option lines still count.
        row("invalid UTF-8", "#ID:\xe9""5\n#BOOT:\xc3\x28""7\n#INPUT01:STOP\xc0",
            {{Id, 5}, {Boot, 7}, {Input01, 1}}, reportLine("#ID:") + reportLine("#BOOT:") + reportLine("#INPUT01:"));
        row("bad sequence across 64 KiB", QByteArray(65530, ' ') + "#ID:\xe2\x82""56", {{Id, 5}}, reportLine("#ID:"));
        row("no sequence ends for longer than a piece", "#ID:5\xe9\xe9\xf0\x9d\x84\n#VOLUME:10\n#POWER:\xf3\xf2\xb2\xea\xe9\n",
            {{Id, 5}, {Volume, 10}, {Power, 0}}, reportLine("#ID:") + reportLine("#VOLUME:") + reportLine("#POWER:", 3));
        // Split up, the first piece ends after E2 80: it must wait for the next, whose line feed would be lost.
        row("unfinished sequence before a line feed", "#ID\xe2\x80\n#VOLUME:10\n", {{Volume, 10}}, reportLine("#VOLUME:"));
        QByteArray noise(1 << 20, Qt::Uninitialized);
        QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
        noise.replace('#', '.').replace('\0', '.').prepend("#ID:5" + QByteArray(25 << 20, 'x') + "\n#VOLUME:99\n").append("\n#BOOT:42");
        row("25 MB line, noise", noise, {{Id, 5}, {Volume, 32}, {Boot, 42}},
            reportLine("#ID:") + reportLine("#VOLUME:", 2) + reportLine("#BOOT:"));
        // One text in every encoding and with every line end reads as its UTF-8 CR LF form.
        const QString text = QString::fromUtf8("#ID:005\n# Ünïcödé ✓ 𝄞\n#VOLUME:10\n\t#POWER:1\n#BAUDRATE:9600\n#VOLUME:99");
        for (const char *encoding : {"UTF-8", "UTF-8 with BOM", "UTF-16LE", "UTF-16BE", "UTF-32LE"}) {
            for (const char *end : {"CR LF", "LF", "CR CR LF", "CR"}) {
                const QString ends = QString(end).replace("CR", "\r").replace("LF", "\n").remove(' ');
                row(qPrintable(QString("%1, %2").arg(encoding, end)), encoded(QString(text).replace("\n", ends), encoding),
                    {{Id, 5}, {Volume, 10}, {Power, 1}, {Baudrate, 0}}, reportLine("#ID:") + reportLine("#VOLUME:")
                        + reportLine("#POWER:") + reportLine("#BAUDRATE:") + reportLine("#VOLUME:", 6));
            }
        }
    }

    void readsLines()
    {
        QFETCH(QByteArray, file);
        QFETCH(Rows, rows);
        QFETCH(QString, report);
        QFETCH(qint64, failAfter);
        Options::OptionStates states;
        // Whole, then split up: 3 bytes a read, decoded 5 bytes at a time.
        for (const qint64 piece : {1 << 30, file.size() > 1 << 16 ? 1 << 30 : 3}) {
            ConfigReader::setPieceSize(piece == 3 ? 5 : 0);
            const ConfigReader::Report got = read(file, states, piece, failAfter);
            ConfigReader::setPieceSize(0);
            QCOMPARE(got.readFailed, failAfter >= 0);
            if (failAfter >= 0 && piece == 3) {   // whole lines before the failure may come, never the one it cut
                QVERIFY(report.isEmpty() && !ConfigReader::reportLinesText(got).contains("#VOLUME"));
                continue;
            }
            QCOMPARE(got.notText ? "not text" : ConfigReader::reportLinesText(got), report);
            QCOMPARE(describe(states), describe(ticked(rows)));
        }
    }

    // The report keeps only its first lines and notes for display, yet counts them all and says how many more there
    // were, and every one is heard as it is made: the command-line check prints them all.
    void reportKeepsFirstLinesHearsAll()
    {
        const int most = ConfigReader::MaxReportLines;
        QByteArray file = QByteArray("#ID:5\n").repeated(most) + "#ID:500\n" + QByteArray("#IDX:5\n").repeated(most - 1);
        QBuffer buffer(&file);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        Options::OptionStates states = Options::defaultStates(false);
        QList<qint64> heard;
        qint64 notes = 0;
        const ConfigReader::Report report = ConfigReader::readConfigFile(buffer, states, {},
            {[&](const ConfigReader::ReportLine &line) { heard << line.lineNumber; }, [&](const auto &) { ++notes; }});
        QCOMPARE(report.lines.size(), most);
        QCOMPARE(report.lines.last().lineNumber, qint64(most));
        QCOMPARE(report.optionLines, most + 1);
        QCOMPARE(report.refused + report.warnings, notes);
        QCOMPARE(report.notes.size(), most);
        QCOMPARE(notes, most + 1);   // refused, 9999 keys that are none, #ID given again
        QCOMPARE(heard.size(), most + 1);
        QCOMPARE(heard.last(), most + 1);
        QVERIFY(ConfigReader::reportLinesText(report).endsWith("\n1 more report lines are not shown.\n"));
        QVERIFY(ConfigReader::notesText(report).endsWith("\n1 more reasons and warnings are not shown.\n"));
    }

    // Only the start of a line can matter: a 64 MB line must not be held in memory.
    void hugeLineNeedsNoMemory()
    {
#if !defined(Q_OS_UNIX) || defined(__SANITIZE_ADDRESS__)   // whose allocator keeps what was freed
        QSKIP("no peak memory figure to trust here");
#else
        const auto peakKiB = [] { rusage usage{}; getrusage(RUSAGE_SELF, &usage); return usage.ru_maxrss; };
        QByteArray file(64 << 20, 'x');   // in place: no copy raises the peak before the reading
        file.replace(0, 5, "#ID:7").replace(file.size() - 12, 12, "\n#VOLUME:12\n");
        const qint64 before = peakKiB();
        Options::OptionStates states;
        QCOMPARE(read(file, states).optionLines, 2);
        QCOMPARE(describe(states), describe(ticked({{Id, 7}, {Volume, 12}})));
        QVERIFY2(peakKiB() - before < 32 << 10, qPrintable(QString::number(peakKiB() - before)));
#endif
    }

    void roundTripsEveryState()
    {
        for (int k = 0; k < 2 * Options::FunctionCount; ++k) {
            const Options::OptionStates written = sampleStates(k);
            Options::OptionStates states;
            const ConfigReader::Report report = read(ConfigWriter::fileContents(written), states);
            QCOMPARE(report.refused + report.warnings, 0);
            QCOMPARE(describe(states), describe(written));
        }
    }

    // Where the dialogs start first: the first candidate folder that exists and may be written to.
    void startFolder_data()
    {
        QTest::addColumn<QStringList>("candidates");   // remembered, program's, documents; "": none
        QTest::addColumn<QString>("chosen");
        QVERIFY(QDir(m_dir.path()).mkpath("a") && QDir(m_dir.path()).mkpath("b") && writeFile(path("plain"), ""));
        QTest::newRow("remembered") << QStringList{"a", "b"} << "a";
        QTest::newRow("program folder") << QStringList{"", "b", "a"} << "b";
        QTest::newRow("program folder below a file") << QStringList{"", "plain/bin", "a"} << "a";
        QTest::newRow("none usable: last resort") << QStringList{"", "gone", "plain/bin"} << "-";
    }

    void startFolder()
    {
        QFETCH(QStringList, candidates);
        QFETCH(QString, chosen);
        for (QString &folder : candidates)
            folder = folder.isEmpty() ? folder : path(folder);
        QCOMPARE(Settings::firstWritableFolder(candidates, "-"), chosen == "-" ? chosen : path(chosen));
    }

    // A number as the file and the command line write it: ASCII digits alone, leading zeros allowed, up to a
    // bound however many digits there are. "decimal" is every digit ASCII, whatever the number's size.
    void decimalNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<uint>("maximum");
        QTest::addColumn<qint64>("number");   // -1: none
        QTest::addColumn<bool>("decimal");
        const uint any = std::numeric_limits<quint32>::max();
        QTest::newRow("digits") << "127" << 127u << qint64(127) << true;
        QTest::newRow("one over the bound") << "128" << 127u << qint64(-1) << true;
        QTest::newRow("leading zeros") << "0000000000000000000000000007" << 9u << qint64(7) << true;
        QTest::newRow("zero") << "0" << 0u << qint64(0) << true;
        QTest::newRow("one digit over the bound") << "5" << 3u << qint64(-1) << true;
        QTest::newRow("largest") << "4294967295" << any << qint64(any) << true;
        QTest::newRow("past 32 bits") << "4294967296" << any << qint64(-1) << true;
        QTest::newRow("twenty digits") << "18446744073709551621" << any << qint64(-1) << true;
        QTest::newRow("empty") << "" << any << qint64(-1) << false;
        QTest::newRow("sign") << "+5" << any << qint64(-1) << false;
        QTest::newRow("minus") << "-5" << any << qint64(-1) << false;
        QTest::newRow("blank before") << " 5" << any << qint64(-1) << false;
        QTest::newRow("blank after") << "5 " << any << qint64(-1) << false;
        QTest::newRow("letter among digits") << "1a2" << any << qint64(-1) << false;
        QTest::newRow("Arabic-Indic digit") << QString::fromUtf8("1\u0665") << any << qint64(-1) << false;
        QTest::newRow("full-width digit") << QString::fromUtf8("\uFF15") << any << qint64(-1) << false;
        QTest::newRow("superscript") << QString::fromUtf8("2\u00B2") << any << qint64(-1) << false;
    }

    void decimalNumbers()
    {
        QFETCH(QString, text);
        QFETCH(uint, maximum);
        QFETCH(qint64, number);
        QFETCH(bool, decimal);
        const std::optional<quint32> read = Options::decimalNumber(text, maximum);
        QCOMPARE(read ? qint64(*read) : qint64(-1), number);
        QCOMPARE(Options::isDecimal(text), decimal);
    }
};

QUILLARY_CORE_TEST_MAIN(TestConfigCore)
#include "tst_configcore.moc"

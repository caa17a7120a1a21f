#include "app/commandline.h"
#include "app/globals.h"
#include "app/mainwindow.h"
#include "app/settings.h"
#include "configfile/configreader.h"
#include "configfile/importreport.h"
#include "configfile/configwriter.h"
#include "files/atomicsave.h"
#include "files/inplacebackup.h"
#include "language/preferencefile.h"
#include "support/modaldriver.h"
#include "support/testapp.h"
#include "support/testdata.h"

#include <QtWidgets>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

Q_DECLARE_METATYPE(Rows)
Q_DECLARE_METATYPE(Options::OptionStates)
Q_DECLARE_METATYPE(SaveFaults)

namespace {

enum Way { CtrlQ, FileExit, CloseButton, ImportCommand };   // of losing the rows
enum Answer { Save, SaveCancelled, SaveFails, Discard, Cancel, Unmodified };   // to the question
enum Opening { ByImport, ByCommandLine, ByDrop };   // of a file to import
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

// Puts what `swap` names in place of the file at `path`.
bool replaceFile(const QString &swap, const QString &path)
{
    QFile::remove(path);
    QFile huge(path);   // sparse: 8 GiB that take no room and far longer than half a second to read
    if (swap == "huge")
        return huge.open(QIODevice::WriteOnly) && huge.resize(8LL << 30);
    if (swap == "directory")
        return QDir().mkdir(path);
#ifdef Q_OS_UNIX
#ifdef Q_OS_LINUX
    if (swap == "unreadable")   // a regular file to stat, whose every read fails
        return QFile::link(QStringLiteral("/proc/self/mem"), path);
#endif
    if (swap == "FIFO")
        return mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    if (swap == "socket") {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof address.sun_path);
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        const bool bound = bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
        close(fd);   // the socket's name stays
        return bound;
    }
    // A zero device node of its own where allowed (as root), so that a save that wrongly replaces
    // what the link points to never replaces /dev/zero.
    struct stat zero {};
    if (swap == "link to the zero device" && stat("/dev/zero", &zero) == 0) {
        const QString node = path + ".node";
        const bool own = mknod(QFile::encodeName(node).constData(), S_IFCHR | 0666, zero.st_rdev) == 0;
        return QFile::link(own ? node : QStringLiteral("/dev/zero"), path);
    }
#endif
    return swap == "gone";
}

// Drops `urls` on the window as a file manager does: a drop goes where the drag was taken.
void drop(QWidget &window, const QList<QUrl> &urls)
{
    QMimeData dropped;
    dropped.setUrls(urls);
    QDragEnterEvent enter(QPoint(), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QDropEvent drop(QPointF(), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    QApplication::sendEvent(&window, &drop);
}

} // namespace

class TestConfigFile : public QObject
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
        row("no sequence ends for longer than a piece", "#ID:5\xe9\xe9\xe9\xe9\xe9\n#VOLUME:10\n#POWER:\xf3\xf2\xb2\xea\xe9\n",
            {{Id, 5}, {Volume, 10}, {Power, 0}}, reportLine("#ID:") + reportLine("#VOLUME:") + reportLine("#POWER:", 3));
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

    // Every dialog an import can end with, whichever way the file came: a warning that leaves the rows alone, or
    // the report, which can be shown again until the next import; or none when a long import is cancelled. What is
    // not a regular file is neither read (import, preference file) nor replaced (generate), at once. A file with
    // no option line, or not text, leaves the rows alone. The rows whose last line was refused or read otherwise
    // than it says are marked, the tooltip saying why, until edited.
    void importEndsInUsableBox_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("swap");   // what stands in the file's place, if anything
        QTest::addColumn<int>("opening");
        QTest::addColumn<Options::OptionStates>("after");
        QTest::addColumn<QString>("text");   // of the last dialog: a box's text, or the report's summary and report
        QTest::addColumn<QStringList>("marks");   // the marked rows' tooltips
        const auto row = [](const QString &name, const QByteArray &file, const QString &swap, Opening opening,
                            const Options::OptionStates &after, const QString &text, const QStringList &marks = {}) {
            QTest::newRow(qPrintable(name)) << file << swap << int(opening) << after << text << marks;
        };
        const Options::OptionStates kept = sampleStates(2);   // every row: an import must set them all
        row("gone", "", "gone", ByCommandLine, kept, "The specified configuration file does not exist!");
        QStringList special{"directory"};
#ifdef Q_OS_UNIX
        special << "FIFO" << "socket" << "link to the zero device";
#endif
        for (const QString &swap : special)
            row(swap, "", swap, ByCommandLine, kept, "The specified configuration file cannot be opened!\nNot a regular file");
        row("cancelled", "", "huge", ByCommandLine, kept, "Reading the configuration file...");
#ifdef Q_OS_LINUX
        row("unreadable", "", "unreadable", ByCommandLine, kept, "The specified configuration file cannot be opened!\n"
            "Input/output error");
#endif
        row("taller than the screen", QByteArray("#POWER:1\n").repeated(299) + "#POWER:9\n", "", ByImport,
            ticked({{Power, 1}}), "Option lines: 300, refused: 1, warnings: 1\n" + reportLine("#POWER:").repeated(299)
                + reportLine("#POWER:", 300) + "\nReasons and warnings:\nLine 300: #POWER: '9' is outside 0 to 1 (0 Off, "
                "1 On); the row keeps 1 (On)\nLine 300: #POWER is given on 300 lines (1, 2, 3, 4, ..., 300): line 299 is "
                "taken, the later ones are refused\n", {"Line 300: #POWER: '9' is outside 0 to 1 (0 Off, 1 On); the row "
                "keeps 1 (On)"});
        const QStringList openings{"Import", "command line", "dropped"};
        for (const VerdictCase &file : verdictCases()) {
            QStringList notes = file.notes();
            notes.replaceInStrings(QRegularExpression("^-: "), "").replaceInStrings(QRegularExpression("^(\\d)"), "Line \\1");
            const QString lines = file.lines().join('\n') + (file.lines().isEmpty() ? "" : "\n");
            const QString said = lines + (notes.isEmpty() ? "" : QString(lines.isEmpty() ? "" : "\n") + "Reasons and "
                                                                    "warnings:\n" + notes.join('\n') + '\n');
            for (int opening = ByImport; opening <= (file.name == "clean" ? ByDrop : ByImport); ++opening)
                row(file.name + ", " + openings[opening], file.file, "", Opening(opening), file.rows.value_or(kept),
                    file.summary == "not text" ? "The specified configuration file cannot be imported: "
                                                     + ConfigReader::notTextMessage() + "." : file.summary + '\n' + said,
                    file.marks);
        }
    }

    void importEndsInUsableBox()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, swap);
        QFETCH(int, opening);
        QFETCH(Options::OptionStates, after);
        QFETCH(QString, text);
        QFETCH(QStringList, marks);
        MainWindow window;
        window.setOptionStates(sampleStates(2));
        QAction *again = window.findChild<QAction *>("action_Import_Report");
        again->setEnabled(true);   // as after an earlier import: this one's report replaces it, or none
        const QString name = path(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(swap.isEmpty() ? writeFile(name, file) : replaceFile(swap, name));
        bool usable = true, scrolls = false, fixed = false, wraps = false;
        ModalDriver driver;
        driver.answerMessageBox(QMessageBox::Discard);
        if (opening == ByImport)
            driver.chooseFile(name);
        driver.handleNext([&](QWidget *w) {
            if (auto *progress = qobject_cast<QProgressDialog *>(w))
                return progress->cancel();
            usable = w->findChild<QDialogButtonBox *>()->isVisible()
                     && w->screen()->availableGeometry().contains(w->frameGeometry());
            if (auto *view = w->findChild<QPlainTextEdit *>()) {   // the report, in a fixed-width font: its padding lines up
                scrolls = view->verticalScrollBar()->maximum() > 0 && view->toPlainText().contains("> ERROR Line(300)");
                fixed = QFontInfo(view->font()).fixedPitch();
                int widest = 0;
                for (const QString &line : view->toPlainText().split('\n'))
                    widest = qMax(widest, view->fontMetrics().horizontalAdvance(line));
                wraps = widest > view->viewport()->width() && view->horizontalScrollBar()->maximum() == 0;
            }
            w->close();
        });
        if (opening == ByImport)
            trigger(window, "action_Import_Configuration_File");
        else if (opening == ByCommandLine)   // as main() does, given a path relative to the working folder
            window.openFile(CommandLine::parseWindowArguments({"Quillary", QDir::current().relativeFilePath(name)}).file);
        else
            drop(window, {QUrl::fromLocalFile(name)});
        QTRY_VERIFY2(driver.finished(), qPrintable(driver.problems().join("; ")));
        QVERIFY(usable && !wraps);
        QCOMPARE(scrolls, file.size() > 1000);
        const bool taken = text.startsWith("Option lines:"), report = taken || text.startsWith("No option line");
        QCOMPARE(fixed, report);
        ModalDriver::Seen shown = driver.seen().last();
        QCOMPARE(shown.title, "Import Configuration File");
        QCOMPARE(shown.text, text);
        QCOMPARE(shown.icon, swap == "huge" ? QMessageBox::NoIcon : text.contains("refused: 0, warnings: 0")
                                                                        ? QMessageBox::Information : QMessageBox::Warning);
        QCOMPARE(describe(window.optionStates()), describe(after));
        QCOMPARE(window.isWindowModified(), !taken);
        QCOMPARE(again->isEnabled(), report);
        if (report) {   // shown again, as it was
            driver.cancelDialog();
            again->trigger();
            QCOMPARE(driver.seen().last().text, text);
        }
        const auto marked = [&window] {   // in no particular order
            QStringList marked;
            for (const QCheckBox *caption : window.findChildren<QCheckBox *>())
                if (!caption->icon().isNull() || !caption->toolTip().isEmpty())
                    marked << caption->toolTip();
            return marked.sort(), marked;
        };
        trigger(window, "action_English");   // refills the lists, yet keeps the marks and the path
        QCOMPARE(window.findChild<QLabel *>("label_Generate_Path")->text(), name);
        marks.sort();
        QCOMPARE(marked(), marks);
        for (QCheckBox *caption : window.findChildren<QCheckBox *>()) {   // an edit clears that row's mark only
            if (!caption->icon().isNull()) {
                marks.removeOne(caption->toolTip());
                caption->click();
                QCOMPARE(marked(), marks);
                break;
            }
        }
        if (swap.isEmpty() || swap == "gone" || swap == "huge" || swap == "unreadable")
            return;
        QVERIFY(!Preferences::readLanguage(name));
        if (QFileInfo(name).canonicalFilePath() == "/dev/zero")
            QSKIP("no device node of its own could be made to save to");
        const SaveOutcome generated = saveAtomically(name, ConfigWriter::fileContents(after));
        QVERIFY(!generated.saved && !generated.error.isEmpty());
        QVERIFY(QFileInfo::exists(name) && !QFileInfo(name).isFile());   // left as it was
    }

    // Several files, a folder or a web address dropped are refused at once; the status bar says why.
    void refusesOtherDrops_data()
    {
        QTest::addColumn<QStringList>("urls");
        QTest::addColumn<QString>("refusal");
        const QString file = QUrl::fromLocalFile(path("dropped.txt")).toString();
        QTest::newRow("two files") << QStringList{file, file} << "Drop one configuration file at a time.";
        QTest::newRow("folder") << QStringList{QUrl::fromLocalFile(m_dir.path()).toString()} << "A folder cannot be imported.";
        QTest::newRow("web address") << QStringList{"https://www.halvex.example/"} << "Only a file on this computer can be imported.";
    }

    void refusesOtherDrops()
    {
        QFETCH(QStringList, urls);
        QFETCH(QString, refusal);
        MainWindow window;
        drop(window, QUrl::fromStringList(urls));
        QCOMPARE(window.statusBar()->currentMessage(), refusal);
    }

    // Save writes the rows' own file again at once, and asks first if another program changed or removed it since;
    // while the rows belong to no file it is Save As, the dialog and its box. The modified marker follows the undo
    // history's clean state. When the session ends without leave to ask, unsaved rows go to a recovery file.
    void saveCommands_data()
    {
        QTest::addColumn<bool>("fromFile");   // the rows were imported from the file first
        QTest::addColumn<QString>("keys");    // or "session end"
        QTest::addColumn<QString>("onDisk");  // what another program did to the file meanwhile
        QTest::addColumn<QStringList>("dialogs");
        QTest::addColumn<bool>("saved");
        const QString save = "Save Configuration File", done = "Generate Configuration File";
        QTest::newRow("Save") << true << "Ctrl+S" << "" << QStringList() << true;
        QTest::newRow("Save, no file yet") << false << "Ctrl+S" << "" << QStringList{save, save, done} << true;
        QTest::newRow("Save As") << true << "Ctrl+Shift+S" << "" << QStringList{save, save, done} << true;
        QTest::newRow("changed on disk, saved over") << true << "Ctrl+S" << "changed" << QStringList{save} << true;
        // Closing asks first; a save given up there keeps the window open.
        QTest::newRow("changed on disk, cancelled") << true << "Ctrl+Q" << "changed" << QStringList{"Quillary", save}
                                                    << false;
        QTest::newRow("removed, saved again") << true << "Ctrl+S" << "removed" << QStringList{save} << true;
        QTest::newRow("session end") << true << "session end" << "" << QStringList() << false;
    }

    void saveCommands()
    {
        QFETCH(bool, fromFile);
        QFETCH(QString, keys);
        QFETCH(QString, onDisk);
        QFETCH(QStringList, dialogs);
        QFETCH(bool, saved);
        const QString file = path("saved.txt");
        QVERIFY(writeFile(file, "#ID:5\n"));
        Settings::clearRecentFiles();
        MainWindow window;
        window.show();
        ModalDriver driver;
        if (fromFile) {
            driver.cancelDialog();   // the import's report
            window.openFile(file);
        }
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.findChild<QSpinBox *>("spinBox_Volume")->setValue(50);
        if (onDisk == "changed") {   // one digit, as another program might change it: only the file's time tells
            QFile changed(file);
            QVERIFY(writeFile(file, "#ID:9\n") && changed.open(QIODevice::ReadWrite));
            QVERIFY(changed.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
        }
        QVERIFY(onDisk != "removed" || QFile::remove(file));
        const QByteArray before = readFile(file);
        if (keys == "Ctrl+Q")
            driver.answerMessageBox(QMessageBox::Save);
        if (!onDisk.isEmpty())
            driver.answerMessageBox(saved ? QMessageBox::Save : QMessageBox::Cancel);
        if (dialogs.size() == 3) {   // the file dialog, its question about replacing the file, the outcome
            driver.chooseFile(file);
            driver.answerMessageBox(QMessageBox::Yes);
            driver.answerMessageBox();
        }
        if (keys == "session end")
            QVERIFY(window.commitData(false));
        else
            QTest::keySequence(&window, QKeySequence(keys));
        QVERIFY2(driver.finished(), qPrintable(driver.problems().join("; ")));
        QStringList seen;
        for (const ModalDriver::Seen &dialog : driver.seen().mid(fromFile ? 1 : 0))
            seen << dialog.title;
        QCOMPARE(seen, dialogs);
        // The tool bar's twin of Save As names the key that does the same, and only that one.
        const QString twinTip = window.findChild<QAction *>("action_Generate_Configuration_File_ToolBar")->toolTip();
        QCOMPARE(twinTip.endsWith(" (" + keys + ")"), keys == "Ctrl+Shift+S");
        QCOMPARE(onDisk.isEmpty() || driver.seen().last().text.contains("changed or removed by another program"), true);
        QCOMPARE(readFile(file), saved ? ConfigWriter::fileContents(window.optionStates()) : before);
        QCOMPARE(window.windowTitle(), fromFile || saved ? "saved.txt[*] — Quillary" : "Quillary[*]");
        QCOMPARE(window.isWindowModified(), !saved);
        QVERIFY(window.isVisible());
        QCOMPARE(window.statusBar()->currentMessage(), saved ? "Saved to " + QDir::toNativeSeparators(file) : "");
        if (saved) {   // undone back to the saved rows, the marker clears again
            window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
            QVERIFY(window.isWindowModified());
            QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
            QVERIFY(!window.isWindowModified());
        }
        // The file read or saved last comes first in Open Recent, a missing one is greyed; Clear empties the list.
        QString recent = Settings::recentFiles().value(0);
        if (keys == "session end") {
            QCOMPARE(QFileInfo(recent).path(), QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation));
            QCOMPARE(readFile(recent), ConfigWriter::fileContents(window.optionStates()));
        } else {
            QCOMPARE(recent, file);
        }
        Settings::addRecentFile(path("gone.txt"));
        auto *menu = window.findChild<QMenu *>("menu_Open_Recent");
        emit menu->aboutToShow();
        const QList<QAction *> items = menu->actions();
        QCOMPARE(items.size(), Settings::recentFiles().size() + 2);   // the files, a separator, Clear
        QVERIFY(!items[0]->isEnabled() && items[0]->text().endsWith("gone.txt"));
        QVERIFY(items[1]->isEnabled() && items[1]->text().startsWith("&2 ") && items[1]->toolTip() == recent);
        items.last()->trigger();
        emit menu->aboutToShow();
        QVERIFY(Settings::recentFiles().isEmpty() && menu->actions().size() == 1 && !menu->actions()[0]->isEnabled());
    }

    // Before changed rows are lost, the user is asked; Save runs Generate, whose box tells how it went. Only a
    // save done, or Discard, lets the window close or the import go on. The dialogs start in the program's
    // folder until a file is chosen, then at that file; the next run starts in its folder.
    void unsavedChanges_data()
    {
        QTest::addColumn<int>("way");
        QTest::addColumn<int>("answer");
        const char *ways[] = {"Ctrl+Q", "File > Exit", "close button", "Import"};
        const char *answers[] = {"Save", "save cancelled", "save fails", "Discard", "Cancel", "unmodified"};
        for (int way = CtrlQ; way <= ImportCommand; ++way)
            for (int answer = Save; answer <= Unmodified; ++answer)
                QTest::addRow("%s, %s", ways[way], answers[answer]) << way << answer;
    }

    void unsavedChanges()
    {
        QFETCH(int, way);
        QFETCH(int, answer);
        configFilePath.clear();   // as if no file had ever been chosen
        Settings::setLastFolder(QString());
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
#ifdef Q_OS_WIN
        const QString file = path("bold&amp;&lt;i&gt;.txt"), program = QCoreApplication::applicationDirPath();   // no < > there
#else
        const QString file = path("<b>bold&amp;<i>.txt"), program = QCoreApplication::applicationDirPath();
#endif
        const QString refused = QCoreApplication::applicationFilePath() + "/config.txt";   // below a file
        QFile::remove(file);
        window.findChild<QSpinBox *>("spinBox_Volume")->setValue(answer == Unmodified ? 32 : 50);
        ModalDriver driver;
        const bool goesOn = answer == Save || answer == Discard || answer == Unmodified;
        if (answer != Unmodified)
            driver.answerMessageBox(answer == Discard ? QMessageBox::Discard : answer == Cancel ? QMessageBox::Cancel
                                                                                                : QMessageBox::Save);
        if (answer == Save || answer == SaveFails) {
            driver.chooseFile(answer == Save ? file : refused);
            driver.answerMessageBox();
        } else if (answer == SaveCancelled) {
            driver.cancelDialog();
        }
        if (way == ImportCommand && goesOn)
            driver.cancelDialog();   // the open dialog
        if (way == CtrlQ)
            QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
        else if (way == CloseButton)
            window.close();
        else
            trigger(window, way == FileExit ? "action_Quit" : "action_Import_Configuration_File_Toolbar");
        QVERIFY2(driver.finished(), qPrintable(driver.problems().join("; ")));
        QCOMPARE(window.isVisible(), way == ImportCommand || !goesOn);
        QCOMPARE(readFile(file), answer == Save ? ConfigWriter::fileContents(window.optionStates()) : "");
        QCOMPARE(window.isWindowModified(), answer != Save && answer != Unmodified);
        // Every dialog in turn: the question; the save dialog, in the program's folder at first; the save's outcome,
        // done or why not with the path as typed; the open dialog, at the file chosen last.
        QStringList expected;
        if (answer != Unmodified)
            expected << "Quillary: The options have been modified.\nDo you want to save your changes?";
        if (answer == Save || answer == SaveCancelled || answer == SaveFails)
            expected << "Save Configuration File: " + program + "/config.txt";
        if (answer == Save || answer == SaveFails)
            expected << "Generate Configuration File: " + (answer == Save ? "<b>Create configuration file done!</b>"
                : "Impossible to create configuration file!\n" + refused + ": " + saveAtomically(refused, {}).error);
        if (way == ImportCommand && goesOn)
            expected << "Open Configuration File: " + (answer == Save ? file : program);
        QStringList seen;
        for (const ModalDriver::Seen &dialog : driver.seen())
            seen << dialog.title + ": " + dialog.text;
        QCOMPARE(seen, expected);
        QCOMPARE(driver.seen().value(2).format, answer == SaveFails ? Qt::PlainText : Qt::AutoText);
        QCOMPARE(window.statusBar()->currentMessage(), answer == Save ? "Saved to " + QDir::toNativeSeparators(file) : "");
        auto *label = window.findChild<QLabel *>(QStringLiteral("label_Generate_Path"));
        QCOMPARE(label->text(), answer == Save ? file : answer == SaveFails ? refused : "");
        QVERIFY(label->sizeHint().width() >= label->fontMetrics().horizontalAdvance(label->text()));   // tags shown as typed
        QCOMPARE(Settings::startFolder(), answer == Save ? m_dir.path() : program);   // for the next run
        QVERIFY(QSettings().fileName().startsWith(QDir::homePath()));   // never the user's own
    }
};

QUILLARY_TEST_MAIN(TestConfigFile)
#include "tst_configfile.moc"

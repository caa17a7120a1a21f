#include "app/commandline.h"
#include "app/globals.h"
#include "app/mainwindow.h"
#include "app/settings.h"
#include "configfile/configreader.h"
#include "configfile/configwriter.h"
#include "files/atomicsave.h"
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

namespace {

enum Way { CtrlQ, FileExit, CloseButton, ImportCommand };   // of losing the rows
enum Answer { Save, SaveCancelled, SaveFails, Discard, Cancel, Unmodified };   // to the question
const QByteArray oldFile(60, '#');

// Sample k of 2 * 2007: row r holds the value (k / 2 + 100 r), wrapped into its range, so that every function
// stands on every input and button. Odd samples untick every third row, which then holds its default, as
// after an import.
Options::OptionStates sampleStates(int k)
{
    Options::OptionStates states;
    for (int r = 0; r < Options::OptionCount; ++r) {
        const Options::KindFacts &facts = Options::facts(Options::catalogue()[r].kind);
        const bool included = k % 2 == 0 || (k + r) % 3 != 0;
        states[r] = {included, included ? facts.minimum + (k / 2 + 100 * r) % (facts.maximum - facts.minimum + 1)
                                        : Options::catalogue()[r].defaultValue};
    }
    return states;
}

// Hands out at most `piece` bytes a read: characters and line ends are then split between reads.
struct Pieces : QBuffer {
    Pieces(QByteArray *bytes, qint64 piece) : QBuffer(bytes), m_piece(piece) {}
    qint64 readData(char *data, qint64 max) override { return QBuffer::readData(data, qMin(max, m_piece)); }
    const qint64 m_piece;
};

ConfigReader::Report read(QByteArray file, Options::OptionStates &states, qint64 piece = 1 << 30)
{
    Pieces buffer(&file, piece);
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

// A file of one huge line, "#ID:7xxx...", then "#VOLUME:12", made up as it is read.
struct HugeLine : QIODevice {
    explicit HugeLine(qint64 length) : m_length(length) { open(ReadOnly); }
    qint64 size() const override { return m_length + m_tail.size(); }
    qint64 readData(char *data, qint64 max) override
    {
        const qint64 start = pos(), n = qMin(max, size() - start);
        for (qint64 at = start; at < start + n; ++at)
            *data++ = at < 5 ? "#ID:7"[at] : at < m_length ? 'x' : m_tail[int(at - m_length)];
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }
    const QByteArray m_tail = "\n#VOLUME:12\n";
    qint64 m_length;
};

} // namespace

class TestConfigFile : public QObject
{
    Q_OBJECT

    QString path(const QString &name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;

private slots:
    // Saved over an old file, which must be replaced whole; or, failing, left as it was. Where the
    // folder takes no temporary file, the file is written in place and put back should that fail.
    void savesOrKeepsOldFile_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("inPlace");    // as if the folder refused temporary files
        QTest::addColumn<int>("sizeLimit");   // on every file the process writes; 0: none
        QTest::addColumn<int>("failAfter");   // bytes written before an injected failure; -1: none
        QTest::addColumn<Options::OptionStates>("states");
        QTest::addColumn<QByteArray>("bytes");   // in the file afterwards
        const Options::OptionStates all = Options::defaultStates(true);
        const QByteArray defaults(
            "#ID:001\r\n#VOLUME:32\r\n#POWER:0\r\n#RS_MONITORING:0\r\n#BOOT:000\r\n#INPUT01:FOLDER001\r\n"
            "#INPUT02:FOLDER002\r\n#INPUT03:FOLDER003\r\n#INPUT04:FOLDER004\r\n#INPUT05:FOLDER005\r\n"
            "#INPUT06:FOLDER006\r\n#INPUT07:FOLDER007\r\n#INPUT08:FOLDER008\r\n#INPUT09:FOLDER009\r\n"
            "#INPUT10:FOLDER010\r\n#INPUT11:FOLDER011\r\n#INPUT12:FOLDER012\r\n#INPUT13:FOLDER013\r\n"
            "#INPUT14:FOLDER014\r\n#INPUT15:FOLDER015\r\n#BUTTON1:VOLUME_MINUS\r\n#BUTTON2:VOLUME_PLUS\r\n"
            "#BAUDRATE:19200\r\n");
        QTest::newRow("defaults") << path("plain") << false << 0 << -1 << all << defaults;
        QTest::newRow("nothing ticked") << path("plain") << false << 0 << -1 << ticked({}) << QByteArray();
        const Rows edges{{Id, 7}, {Volume, 5}, {Input01, 8}, {Button1, 1007}, {Button2, 1008}, {Baudrate, 2}};
        QTest::newRow("edges") << path("plain") << false << 0 << -1 << ticked(edges) << QByteArray("#ID:007\r\n"
            "#VOLUME:05\r\n#INPUT01:FOLDER000\r\n#BUTTON1:FOLDER999\r\n#BUTTON2:RS001\r\n#BAUDRATE:38400\r\n");
        QTest::newRow("parent is a file") << path("plain/config.txt") << false << 0 << -1 << all << oldFile;
        QTest::newRow("disk full midway") << path("plain") << false << 100 << -1 << all << oldFile;
        QTest::newRow("in place") << path("plain") << true << 0 << -1 << all << defaults;
        QTest::newRow("in place, nothing ticked") << path("plain") << true << 0 << -1 << ticked({}) << QByteArray();
        QTest::newRow("in place, write fails midway") << path("plain") << true << 0 << 10 << all << oldFile;
        QTest::newRow("in place, disk full midway") << path("plain") << true << 100 << -1 << all << oldFile;
    }

    void savesOrKeepsOldFile()
    {
        QFETCH(QString, file);
        QFETCH(bool, inPlace);
        QFETCH(int, sizeLimit);
        QFETCH(int, failAfter);
        QFETCH(Options::OptionStates, states);
        QFETCH(QByteArray, bytes);
        QVERIFY(writeFile(path("plain"), oldFile));
        const auto entries = [this] { return QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden); };
        const QStringList before = entries();
#ifdef Q_OS_UNIX
        std::signal(SIGXFSZ, SIG_IGN);   // a write past the size limit then fails like one on a full disk
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        const rlimit limit{sizeLimit > 0 ? rlim_t(sizeLimit) : old.rlim_cur, old.rlim_max};
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
#else
        if (sizeLimit > 0)
            QSKIP("no file size limit to run into here");
#endif
        injectSaveFaults({inPlace, failAfter});
        const SaveOutcome outcome = saveAtomically(file, ConfigWriter::fileContents(states));
#ifdef Q_OS_UNIX
        setrlimit(RLIMIT_FSIZE, &old);
#endif
        QCOMPARE(outcome.saved, bytes != oldFile);
        QCOMPARE(outcome.restored, inPlace && bytes == oldFile);
        QCOMPARE(readFile(path("plain")), bytes);
        QCOMPARE(entries(), before);   // no temporary file left either
    }

    void readsLines_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<QString>("report");
        const auto row = [](const char *name, const QByteArray &file, const Rows &rows, const QString &report) {
            QTest::newRow(name) << file << rows << report;
        };
        row("every range's ends, the baud rate's field", "#ID:1\n#ID:127\n#ID:128\n#VOLUME:0\n#VOLUME:64\n#VOLUME:65\n"
            "#POWER:1\n#POWER:2\n#RS_MONITORING:3\n#RS_MONITORING:4\n#BOOT:999\n#BAUDRATE:384001\n\n#VOLUME:-\n#ID:000",
            {{Id, 127}, {Volume, 64}, {Power, 1}, {Monitor, 3}, {Boot, 999}, {Baudrate, 2}},
            "<br>#ID:--------------------------> OK</br>" + reportLine("#ID:") + reportLine("#ID:", 3)
                + reportLine("#VOLUME:").repeated(2) + "<br>#VOLUME:----------------------> ERROR Line(6)</br>"
                + reportLine("#POWER:") + reportLine("#POWER:", 8) + reportLine("#RS_MONITORING:")
                + reportLine("#RS_MONITORING:", 10) + reportLine("#BOOT:") + reportLine("#BAUDRATE:")
                + reportLine("#VOLUME:", 14) + reportLine("#ID:", 15));
        row("trimmed, cut, non-digits dropped", QByteArray(1 << 17, ' ') + "\t#ID:1a2 \t\r\n#VOLUME:100\n#POWER:10",
            {{Id, 12}, {Volume, 10}, {Power, 1}}, reportLine("#ID:") + reportLine("#VOLUME:") + reportLine("#POWER:"));
        row("baud with unit, blank, cut", "#BAUDRATE:38400bps\n#BAUDRATE: 9600\n#BAUDRATE:115200", {{Baudrate, 0}},
            reportLine("#BAUDRATE:").repeated(2) + reportLine("#BAUDRATE:", 3));
        row("tokens", "#INPUT01:PLAYER\n#BUTTON2:RS999\n#INPUT02: PLAY\n#INPUT03:RS000\n#INPUT04:FOLDER5",
            {{Input01, 0}, {Button2, 2006}, {Input01 + 1, 10}, {Input01 + 2, 11}, {Input01 + 3, 12}},
            reportLine("#INPUT01:") + reportLine("#BUTTON2:") + reportLine("#INPUT02:", 3) + reportLine("#INPUT03:", 4)
                + reportLine("#INPUT04:", 5));
        row("near misses count as lines", "#INPUT16:PLAY\n#INPUT1:PLAY\n#BUTTON3:STOP\n#id:5\n#ID :5\n\n#VOLUME:99",
            {{Volume, 32}}, reportLine("#VOLUME:", 7));
        // Hostile files: whatever surrounds them, the option lines still count ('#' kept out of the noise).
        row("NUL, invalid UTF-8", QByteArray("#ID:\0\0\x35\n\0#POWER:1\n#BOOT:\xc3\x28""7\n#INPUT01:STOP\xc0", 42),
            {{Id, 5}, {Boot, 7}, {Input01, 1}}, reportLine("#ID:") + reportLine("#BOOT:") + reportLine("#INPUT01:"));
        row("bad sequence across 64 KiB", QByteArray(65530, ' ') + "#ID:\xe2\x82""56", {{Id, 5}}, reportLine("#ID:"));
        QByteArray noise(1 << 20, Qt::Uninitialized);
        QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
        noise.replace('#', '.').prepend("#ID:5" + QByteArray(25 << 20, 'x') + "\n#VOLUME:99\n").append("\n#BOOT:42");
        row("25 MB line, noise", noise, {{Id, 5}, {Volume, 32}, {Boot, 42}},
            reportLine("#ID:") + reportLine("#VOLUME:", 2) + reportLine("#BOOT:"));
        // One text in every encoding and with every line end reads as its UTF-8 CR LF form.
        const QString text = QString::fromUtf8("#ID:005\n# Ünïcödé ✓ 𝄞\n#VOLUME:10\n\t#POWER:1\n#BAUDRATE:9600\n#VOLUME:99");
        for (const char *encoding : {"UTF-8", "UTF-8 with BOM", "UTF-16LE", "UTF-16BE", "UTF-32LE"}) {
            for (const char *end : {"CR LF", "LF", "CR CR LF"}) {
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
        Options::OptionStates states;
        for (const qint64 piece : {1 << 30, file.size() > 1 << 16 ? 1 << 30 : 3}) {   // whole, then split up
            QCOMPARE(ConfigReader::reportHtml(read(file, states, piece)), report);
            QCOMPARE(describe(states), describe(ticked(rows)));
        }

    }

    // Only the start of a line can matter: a 300 MB line must not be held in memory.
    void hugeLineNeedsNoMemory()
    {
#if defined(Q_OS_UNIX) && !defined(__SANITIZE_ADDRESS__)   // whose allocator keeps what was freed
        const auto peakKiB = [] { rusage usage{}; getrusage(RUSAGE_SELF, &usage); return usage.ru_maxrss; };
        const qint64 before = peakKiB();
        HugeLine file(300LL << 20);
        Options::OptionStates states = Options::defaultStates(false);
        QCOMPARE(ConfigReader::readConfigFile(file, states).optionLines, 2);
        QCOMPARE(describe(states), describe(ticked({{Id, 7}, {Volume, 12}})));
        QVERIFY2(peakKiB() - before < 32 << 10, qPrintable(QString::number(peakKiB() - before)));
#endif
    }

    void roundTripsEveryState()
    {
        for (int k = 0; k < 2 * Options::FunctionCount; ++k) {
            const Options::OptionStates written = sampleStates(k);
            Options::OptionStates states;
            QCOMPARE(read(ConfigWriter::fileContents(written), states).refused, 0);
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

    // The rows go to a file and back through the window's commands; the dialogs start in the program's
    // folder at first, then from the last file chosen, also in the next run.
    void roundTripsThroughWindow()
    {
        configFilePath.clear();   // as if no file had ever been chosen
        Settings::setLastFolder(QString());
        MainWindow window;
        const Options::OptionStates written = sampleStates(1031);
        const QString file = path("<b>bold&amp;<i>.txt");
        QStringList proposals;
        const auto noteProposal = [&proposals](QWidget *w) {   // of a file dialog, which it then cancels
            auto *dialog = qobject_cast<QFileDialog *>(w);
            proposals << (dialog ? QFileInfo(dialog->selectedFiles().value(0)).absoluteFilePath() : "no file dialog");
            w->close();
        };
        ModalDriver driver;
        driver.handleNext(noteProposal);
        trigger(window, "action_Generate_Configuration_File");
        window.setOptionStates(written);
        driver.chooseFile(file);
        driver.closeMessageBox();
        trigger(window, "action_Generate_Configuration_File_ToolBar");
        QCOMPARE(readFile(file), ConfigWriter::fileContents(written));
        driver.handleNext(noteProposal);
        trigger(window, "action_Import_Configuration_File");
        window.setOptionStates(sampleStates(0));   // every row must be reset
        driver.answerMessageBox(QMessageBox::Discard);
        driver.chooseFile(file);
        driver.closeMessageBox();
        trigger(window, "action_Import_Configuration_File_Toolbar");
        configFilePath.clear();   // as at the next start
        MainWindow restarted;
        driver.handleNext(noteProposal);
        trigger(restarted, "action_Generate_Configuration_File");
        QVERIFY2(driver.finished(), qPrintable(driver.problems().join("; ")));
        QCOMPARE(proposals, QStringList({QCoreApplication::applicationDirPath() + "/config.txt", file,
                                         path("config.txt")}));
        QVERIFY(QSettings().fileName().startsWith(QDir::homePath()));   // never the user's own
        QCOMPARE(describe(window.optionStates()), describe(written));
        QVERIFY2(!driver.boxes().value(2).text.contains("ERROR"), qPrintable(driver.boxes().value(2).text));
        auto *label = window.findChild<QLabel *>(QStringLiteral("label_Generate_Path"));
        QCOMPARE(label->text(), file);
        QVERIFY(label->sizeHint().width() >= label->fontMetrics().horizontalAdvance(file));   // tags shown, not applied
    }

    // Every box an import can end with: a warning that leaves the rows alone, or the report; or none
    // when a long import is cancelled. What is not a regular file is neither read (import, preference
    // file) nor replaced (generate), at once. The rows whose last line was refused are marked until edited.
    void importEndsInUsableBox_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("swap");   // what takes the file's place once it is picked, if anything
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QStringList>("marks");
        const Rows kept{{Id, 77}, {Button2, 2005}};
        const QString done = QStringLiteral("<br><b>Import configuration file done!</b></br>|");
        const QStringList none;
        QTest::newRow("gone") << QByteArray() << "gone" << kept << "The specified configuration file does not exist!|2"
                              << none;
        QStringList special{"directory"};
#ifdef Q_OS_UNIX
        special << "FIFO" << "socket" << "link to the zero device";
#endif
        for (const QString &swap : special)
            QTest::newRow(qPrintable(swap)) << QByteArray("#ID:5\n") << swap << kept
                                            << "The specified configuration file cannot be opened!|2" << none;
        QTest::newRow("cancelled") << QByteArray() << "huge" << kept << "cancelled" << none;
        QTest::newRow("none refused") << QByteArray("#ID:5\n") << "" << Rows{{Id, 5}}
            << "No option line refused, 1 in all<br>" + reportLine("#ID:") + "<br></br>" + done + "1" << none;
        QTest::newRow("short report") << QByteArray("#ID:200\n#ID:5\n#VOLUME:7\n#VOLUME:77\n#INPUT01:play\n#POWER:0\n")
            << "" << Rows{{Id, 5}, {Volume, 7}, {Power, 0}, {Input01, 9}} << "3 of 6 option lines refused<br>"
                   + reportLine("#ID:", 1) + reportLine("#ID:") + reportLine("#VOLUME:") + reportLine("#VOLUME:", 4)
                   + reportLine("#INPUT01:", 5) + reportLine("#POWER:") + "<br></br>" + done + "2"
            << QStringList{"checkBox_Volume: Line 4: value refused", "checkBox_Input01: Line 5: value refused"};
        QTest::newRow("taller than the screen") << QByteArray("#VOLUME:7\n").repeated(299) + "#VOLUME:77\n" << ""
            << Rows{{Volume, 7}} << "1 of 300 option lines refused" + done + "2"
            << QStringList{"checkBox_Volume: Line 300: value refused"};
    }

    void importEndsInUsableBox()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, swap);
        QFETCH(Rows, rows);
        QFETCH(QString, box);
        QFETCH(QStringList, marks);
        MainWindow window;
        window.setOptionStates(ticked({{Id, 77}, {Button2, 2005}}));
        const QString name = path(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(writeFile(name, file));
        QString shown;   // as "title|text|icon"
        bool usable = false, scrolls = false, fixed = false, swapped = swap.isEmpty();
        ModalDriver driver;
        driver.answerMessageBox(QMessageBox::Discard);
        driver.handleNext([&](QWidget *w) {
            auto *dialog = qobject_cast<QFileDialog *>(w);
            QObject::connect(dialog, &QFileDialog::fileSelected, [&] { swapped = swapped || replaceFile(swap, name); });
            dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(name);
            static_cast<QDialog *>(dialog)->accept();
        });
        driver.handleNext([&](QWidget *w) {
            if (auto *progress = qobject_cast<QProgressDialog *>(w)) {
                progress->cancel();
                shown = "Import Configuration File|cancelled", usable = true;
                return;
            }
            auto *box = qobject_cast<QMessageBox *>(w);
            auto *view = w->findChild<QTextBrowser *>(QStringLiteral("importReportView"));
            QAbstractButton *ok = box ? box->button(QMessageBox::Ok) : nullptr;
            usable = ok && ok->isVisible() && w->screen()->availableGeometry().contains(w->frameGeometry());
            scrolls = view && view->verticalScrollBar()->maximum() > 0
                      && view->toPlainText().contains(QLatin1String("> ERROR Line(300)"));
            QTextDocument text;   // report lines in a fixed-width font: their padding lines up
            text.setHtml(box ? box->text() : "");
            const QTextCursor line = (view ? view->document() : &text)->find("--> ");
            fixed = !line.isNull() && QFontInfo(line.charFormat().font()).fixedPitch();
            shown = box ? QString("%1|%2|%3").arg(box->windowTitle(), box->text()).arg(box->icon()) : "no box";
            shown.remove(QRegularExpression("</?span[^>]*>"));
            w->close();
        });
        trigger(window, "action_Import_Configuration_File");
        QVERIFY2(driver.finished(), qPrintable(driver.problems().join("; ")));
        QVERIFY(usable);
        QCOMPARE(scrolls, file.size() > 1000);
        QVERIFY(swapped);
        QCOMPARE(fixed, scrolls || box.contains("--> "));
        QCOMPARE(shown, "Import Configuration File|" + box);
        QCOMPARE(describe(window.optionStates()), describe(ticked(rows)));
        QCOMPARE(window.isWindowModified(), !box.contains("done!"));
        const auto marked = [&window] {
            QStringList marked;
            for (const QCheckBox *caption : window.findChildren<QCheckBox *>())
                if (!caption->icon().isNull() || !caption->toolTip().isEmpty())
                    marked << caption->objectName() + ": " + caption->toolTip();
            return marked;
        };
        trigger(window, "action_English");   // keeps the marks and the path
        QCOMPARE(window.findChild<QLabel *>("label_Generate_Path")->text(), name);
        QCOMPARE(marked(), marks);
        if (!marks.isEmpty()) {   // an edit clears that row's mark only
            window.findChild<QCheckBox *>(marks[0].section(':', 0, 0))->click();
            QCOMPARE(marked(), marks.mid(1));
        }
        if (swap.isEmpty() || swap == "gone" || swap == "huge")
            return;
        QVERIFY(!Preferences::readLanguage(name));
        if (QFileInfo(name).canonicalFilePath() == "/dev/zero")
            QSKIP("no device node of its own could be made to save to");
        const SaveOutcome generated = saveAtomically(name, ConfigWriter::fileContents(ticked(rows)));
        QVERIFY(!generated.saved && !generated.error.isEmpty());
        QVERIFY(QFileInfo::exists(name) && !QFileInfo(name).isFile());   // left as it was
    }

    // Before changed rows are lost, the user is asked; Save runs Generate. Only a save
    // done, or Discard, lets the window close or the import go on.
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
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QString file = path("unsaved.txt");
        QFile::remove(file);
        window.findChild<QSpinBox *>("spinBox_Volume")->setValue(answer == Unmodified ? 32 : 50);
        ModalDriver driver;
        const bool goesOn = answer == Save || answer == Discard || answer == Unmodified;
        if (answer != Unmodified)
            driver.answerMessageBox(answer == Discard ? QMessageBox::Discard : answer == Cancel ? QMessageBox::Cancel
                                                                                                : QMessageBox::Save);
        if (answer == Save || answer == SaveFails) {
            driver.chooseFile(answer == Save ? file : QCoreApplication::applicationFilePath() + "/config.txt");
            driver.closeMessageBox();
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
            trigger(window, way == FileExit ? "action_Quit" : "action_Import_Configuration_File");
        QVERIFY2(driver.finished(), qPrintable(driver.problems().join("; ")));
        QCOMPARE(window.isVisible(), way == ImportCommand || !goesOn);
        QCOMPARE(readFile(file), answer == Save ? ConfigWriter::fileContents(window.optionStates()) : "");
        QCOMPARE(window.isWindowModified(), answer != Save && answer != Unmodified);
        // The save's outcome: done, and where the file went; or why not, the path shown as typed.
        const QString refused = QCoreApplication::applicationFilePath() + "/config.txt";
        const QString outcome = answer == Save ? "<b>Create configuration file done!</b>"
                                               : "Impossible to create configuration file!\n" + refused + ": "
                                                     + saveAtomically(refused, {}).error;
        QCOMPARE(driver.boxes().value(1).text, answer == Save || answer == SaveFails ? outcome : "");
        QCOMPARE(driver.boxes().value(1).format, answer == SaveFails ? Qt::PlainText : Qt::AutoText);
        QCOMPARE(window.statusBar()->currentMessage(), answer == Save ? "Saved to " + file : "");
    }

    // A file named on the command line or dropped is imported as Import does; other drops change nothing.
    void opensFileFromOutside_data()
    {
        QTest::addColumn<QStringList>("names");   // dropped; "" first: the rest is the command line
        QTest::addColumn<QString>("refusal");
        const QString file = QUrl::fromLocalFile(path("opened.txt")).toString();
        QTest::newRow("command line") << QStringList{"", QDir::current().relativeFilePath(path("opened.txt"))} << "";
        QTest::newRow("dropped") << QStringList{file} << "";
        QTest::newRow("two files") << QStringList{file, file} << "Drop one configuration file at a time.";
        QTest::newRow("folder") << QStringList{QUrl::fromLocalFile(m_dir.path()).toString()} << "A folder cannot be imported.";
        QTest::newRow("web address") << QStringList{"https://www.halvex.example/"} << "Only a file on this computer can be imported.";
    }

    void opensFileFromOutside()
    {
        QFETCH(QStringList, names);
        QFETCH(QString, refusal);
        QVERIFY(writeFile(path("opened.txt"), "#ID:5\n"));
        MainWindow window;
        window.setOptionStates(ticked({{Id, 9}}));   // unsaved changes
        ModalDriver driver;
        if (refusal.isEmpty()) {
            driver.answerMessageBox(QMessageBox::Discard);
            driver.closeMessageBox();
        }
        if (names.first().isEmpty()) {   // as main() does
            window.openFile(CommandLine::parseWindowArguments(QStringList{"Quillary"} + names.mid(1)).file);
        } else {
            QMimeData dropped;
            dropped.setUrls(QUrl::fromStringList(names));
            QDragEnterEvent enter(QPoint(), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
            QDropEvent drop(QPointF(), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&window, &enter);   // a drop goes where the drag was taken
            QApplication::sendEvent(&window, &drop);
        }
        QTRY_VERIFY2(driver.finished(), qPrintable(driver.problems().join("; ")));
        QCOMPARE(window.statusBar()->currentMessage(), refusal);
        QCOMPARE(describe(window.optionStates()), describe(ticked({{Id, refusal.isEmpty() ? 5 : 9}})));
        QCOMPARE(window.findChild<QLabel *>("label_Generate_Path")->text(), refusal.isEmpty() ? path("opened.txt") : "");
        QCOMPARE(driver.boxes().value(1).text.startsWith("No option line refused, 1 in all"), refusal.isEmpty());
    }
};

QUILLARY_TEST_MAIN(TestConfigFile)
#include "tst_configfile.moc"

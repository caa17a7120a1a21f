#include "app/globals.h"
#include "app/mainwindow.h"
#include "configfile/configreader.h"
#include "configfile/configwriter.h"
#include "core/atomicsave.h"
#include "support/modaldriver.h"
#include "support/testapp.h"

#include <QtWidgets>

#include <csignal>
#include <sys/resource.h>

using Rows = QList<QPair<int, int>>;   // row, value: the ticked rows
Q_DECLARE_METATYPE(Rows)
Q_DECLARE_METATYPE(Options::OptionStates)

#define VERIFY_DRIVER(driver) QVERIFY2((driver).finished(), qPrintable((driver).problems().join("; ")))

namespace {

enum Row { Id, Volume, Power, Monitor, Boot, Input01, Button1 = 20, Button2, Baudrate };

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString reportLine(const char *key, int errorLine = 0)
{
    const QString padded = QString::fromLatin1(key).leftJustified(30, QLatin1Char('-'));
    return errorLine ? QStringLiteral("<br>%1> ERROR Line(%2)</br>").arg(padded).arg(errorLine)
                     : QStringLiteral("<br>%1> OK</br>").arg(padded);
}

Options::OptionStates ticked(const Rows &rows)
{
    Options::OptionStates states = Options::defaultStates(false);
    for (const auto &row : rows)
        states[row.first] = {true, row.second};
    return states;
}

// Function row r gets index (k / 2 + 100 r) mod 2007: samples 0 to 2 * 2007 - 1 put every index on every
// input and button. Even samples tick every row; unticked rows hold their defaults, as after an import.
Options::OptionStates randomStates(QRandomGenerator &random, int k)
{
    static const int low[] = {1, 0, 0, 0, 0, 0, 0}, high[] = {128, 65, 2, 4, 1000, 0, 3};   // by ValueKind
    Options::OptionStates states;
    for (int r = 0, functionRow = 0; r < Options::OptionCount; ++r) {
        const int kind = int(Options::catalogue()[r].kind);
        const int value = kind == int(Options::ValueKind::Function)
                              ? (k / 2 + 100 * functionRow++) % Options::FunctionCount
                              : random.bounded(low[kind], high[kind]);
        const bool included = k % 2 == 0 || random.bounded(2) != 0;
        states[r] = {included, included ? value : Options::catalogue()[r].defaultValue};
    }
    return states;
}

// Rows as text, so that a failed comparison names the row that differs.
QStringList describe(const Options::OptionStates &states)
{
    QStringList rows;
    for (const Options::OptionValue &row : states)
        rows << QString::number(row.value) + (row.included ? "" : " (off)");
    return rows;
}

ConfigReader::Report read(QByteArray file, Options::OptionStates &states)
{
    QBuffer buffer(&file);
    buffer.open(QIODevice::ReadOnly | QIODevice::Text);   // as the window opens files
    states = Options::defaultStates(false);
    return ConfigReader::readConfigFile(buffer, states);
}

struct FullDevice : QBuffer {   // takes 100 bytes, then fails like a full disk
    qint64 writeData(const char *data, qint64 size) override
    {
        return pos() < 100 ? QBuffer::writeData(data, qMin(size, 100 - pos())) : -1;
    }
};

QStringList boxes(const ModalDriver &driver)   // each as "title|text|icon"
{
    QStringList all;
    for (const ModalDriver::Box &box : driver.boxes())
        all << QStringLiteral("%1|%2|%3").arg(box.title, box.text).arg(box.icon);
    return all;
}

void trigger(MainWindow &window, const char *action)
{
    window.findChild<QAction *>(action)->trigger();
}

// The next modal is a file dialog: note the file it proposes, then cancel it.
void noteProposal(ModalDriver &driver, QString &proposed)
{
    driver.handleNext([&proposed](QWidget *w) {
        auto *dialog = qobject_cast<QFileDialog *>(w);
        proposed = dialog ? QFileInfo(dialog->selectedFiles().value(0)).absoluteFilePath() : QString();
        w->close();
    });
}

// A file of one huge line between two option lines, made up as it is read.
class HugeLine : public QIODevice
{
public:
    explicit HugeLine(qint64 length) : m_length(length) { open(ReadOnly); }
    qint64 size() const override { return m_head.size() + m_length + m_tail.size(); }

protected:
    qint64 readData(char *data, qint64 max) override
    {
        const qint64 start = pos(), n = qMin(max, size() - start);
        for (qint64 i = 0; i < n; ++i) {
            const qint64 at = start + i, inTail = at - m_head.size() - m_length;
            data[i] = at < m_head.size() ? m_head[int(at)] : inTail < 0 ? 'x' : m_tail[int(inTail)];
        }
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    const QByteArray m_head = "#ID:7", m_tail = "\n#VOLUME:12\n";
    qint64 m_length;
};

qint64 peakMemoryKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

class TestConfigFile : public QObject
{
    Q_OBJECT

    QString path(const QString &name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;

private slots:
    void writesPlayerFormat_data()
    {
        QTest::addColumn<Options::OptionStates>("states");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("defaults") << Options::defaultStates(true) << QByteArray(
            "#ID:001\r\n#VOLUME:32\r\n#POWER:0\r\n#RS_MONITORING:0\r\n#BOOT:000\r\n"
            "#INPUT01:FOLDER001\r\n#INPUT02:FOLDER002\r\n#INPUT03:FOLDER003\r\n#INPUT04:FOLDER004\r\n"
            "#INPUT05:FOLDER005\r\n#INPUT06:FOLDER006\r\n#INPUT07:FOLDER007\r\n#INPUT08:FOLDER008\r\n"
            "#INPUT09:FOLDER009\r\n#INPUT10:FOLDER010\r\n#INPUT11:FOLDER011\r\n#INPUT12:FOLDER012\r\n"
            "#INPUT13:FOLDER013\r\n#INPUT14:FOLDER014\r\n#INPUT15:FOLDER015\r\n"
            "#BUTTON1:VOLUME_MINUS\r\n#BUTTON2:VOLUME_PLUS\r\n#BAUDRATE:19200\r\n");
        QTest::newRow("nothing ticked") << ticked({}) << QByteArray();
        QTest::newRow("zero-filled") << ticked({{Id, 7}, {Volume, 5}, {Boot, 7}})
                                     << QByteArray("#ID:007\r\n#VOLUME:05\r\n#BOOT:007\r\n");
        QTest::newRow("largest") << ticked({{Id, 127}, {Monitor, 3}, {Baudrate, 2}})
                                 << QByteArray("#ID:127\r\n#RS_MONITORING:3\r\n#BAUDRATE:38400\r\n");
        QTest::newRow("folders on buttons") << ticked({{Button1, 8}, {Button2, 1007}})
                                            << QByteArray("#BUTTON1:FOLDER000\r\n#BUTTON2:FOLDER999\r\n");
        QTest::newRow("serial on buttons") << ticked({{Button1, 1008}, {Button2, 2006}})
                                           << QByteArray("#BUTTON1:RS001\r\n#BUTTON2:RS999\r\n");
    }

    void writesPlayerFormat()
    {
        QFETCH(Options::OptionStates, states);
        QFETCH(QByteArray, bytes);
        const QString file = path(QStringLiteral("format.txt"));
        QVERIFY(writeFile(file, QByteArray(5000, '#')));   // a longer file is replaced, not overwritten
        QVERIFY(ConfigWriter::saveConfigFile(file, states));
        QCOMPARE(readFile(file), bytes);
    }

    void failedSaveChangesNothing_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("sizeLimit");   // on every file the process writes; 0 for none
        QTest::addColumn<bool>("writerFails");
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("folder.txt")));
        QTest::newRow("directory") << path(QStringLiteral("folder.txt")) << 0 << false;
        QTest::newRow("parent is a file") << path(QStringLiteral("plain/config.txt")) << 0 << false;
        QTest::newRow("disk full midway") << path(QStringLiteral("plain")) << 100 << false;
        QTest::newRow("writer fails") << path(QStringLiteral("plain")) << 0 << true;
    }

    void failedSaveChangesNothing()
    {
        QFETCH(QString, file);
        QFETCH(int, sizeLimit);
        QFETCH(bool, writerFails);
        QVERIFY(writeFile(path(QStringLiteral("plain")), "x"));
        const auto entries = [this] { return QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden); };
        const QStringList before = entries();
        std::signal(SIGXFSZ, SIG_IGN);   // a write past the size limit then fails like one on a full disk
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        const rlimit limit{sizeLimit ? rlim_t(sizeLimit) : old.rlim_cur, old.rlim_max};
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
        const bool saved = writerFails ? saveAtomically(file, [](QIODevice &device) { return device.write("#ID") < 0; })
                                       : ConfigWriter::saveConfigFile(file, Options::defaultStates(true));
        setrlimit(RLIMIT_FSIZE, &old);
        QVERIFY(!saved);
        QCOMPARE(readFile(path(QStringLiteral("plain"))), QByteArray("x"));
        QCOMPARE(entries(), before);   // no temporary file left either
    }

    void reportsDeviceFailingMidway()
    {
        FullDevice device;
        QVERIFY(device.open(QIODevice::WriteOnly));
        QVERIFY(!ConfigWriter::writeConfigFile(device, Options::defaultStates(true)));
        QCOMPARE(device.data().size(), 100);
    }

    void readsLines_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<QString>("report");
        const auto row = [](const char *name, const QByteArray &file, const Rows &rows, const QString &report) {
            QTest::newRow(name) << file << rows << report;
        };
        const QString id = reportLine("#ID:"), baud = reportLine("#BAUDRATE:");
        row("report examples", "#ID:005\n\n#VOLUME:99\n", {{Id, 5}, {Volume, 32}},
            QStringLiteral("<br>#ID:--------------------------> OK</br>"
                           "<br>#VOLUME:----------------------> ERROR Line(3)</br>"));
        row("trimmed", " \t #ID:12 \t\r\n", {{Id, 12}}, id);
        row("non-digits dropped", "#ID:1a2\n#VOLUME:-5", {{Id, 12}, {Volume, 5}}, id + reportLine("#VOLUME:"));
        row("numbers cut", "#ID:1234\n#VOLUME:100\n#BOOT:1000\n#POWER:10",
            {{Id, 123}, {Volume, 10}, {Boot, 100}, {Power, 1}},
            id + reportLine("#VOLUME:") + reportLine("#BOOT:") + reportLine("#POWER:"));
        row("repeated key, out of range", "#ID:5\n#ID:000\n#ID:200", {{Id, 5}},
            id + reportLine("#ID:", 2) + reportLine("#ID:", 3));
        row("baud with unit", "#BAUDRATE:38400bps", {{Baudrate, 2}}, baud);
        row("blank in field, baud cut", "#BAUDRATE: 9600\n#BAUDRATE:115200", {{Baudrate, 0}},
            baud + reportLine("#BAUDRATE:", 2));
        row("token then text, button RS999", "#INPUT01:PLAYER\n#BUTTON2:RS999", {{Input01, 0}, {Button2, 2006}},
            reportLine("#INPUT01:") + reportLine("#BUTTON2:"));
        row("tokens refused", "#INPUT01:play\n#INPUT02: PLAY\n#INPUT03:RS000\n#INPUT04:FOLDER5",
            {{Input01, 9}, {Input01 + 1, 10}, {Input01 + 2, 11}, {Input01 + 3, 12}},
            reportLine("#INPUT01:", 1) + reportLine("#INPUT02:", 2) + reportLine("#INPUT03:", 3)
                + reportLine("#INPUT04:", 4));
        row("near misses count as lines", "#INPUT16:PLAY\n#INPUT1:PLAY\n#BUTTON3:STOP\n#id:5\n#ID :5\n\n#VOLUME:99",
            {{Volume, 32}}, reportLine("#VOLUME:", 7));
    }

    void readsLines()
    {
        QFETCH(QByteArray, file);
        QFETCH(Rows, rows);
        QFETCH(QString, report);
        Options::OptionStates states;
        QCOMPARE(read(file, states).html, report);
        QCOMPARE(describe(states), describe(ticked(rows)));
    }

    void survivesHostileFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<QString>("report");
        QByteArray binary(1 << 20, Qt::Uninitialized);
        QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(binary.data()), binary.size() / 4);
        binary.replace('#', '.');   // no option line by chance
        QTest::newRow("binary") << binary + "\n#ID:42\n" << Rows{{Id, 42}} << reportLine("#ID:");
        QTest::newRow("NUL bytes") << QByteArray("#ID:\0\0\x35\n\0#VOLUME:10\n#POWER:1\0\n", 30)
                                   << Rows{{Id, 5}, {Power, 1}} << reportLine("#ID:") + reportLine("#POWER:");
        QTest::newRow("invalid UTF-8") << QByteArray("\xc0\xff\xfe\n#BOOT:\xc3\x28""7\n#INPUT01:STOP\xc0\n")
                                       << Rows{{Boot, 7}, {Input01, 1}}
                                       << reportLine("#BOOT:") + reportLine("#INPUT01:");
        QTest::newRow("25 MB line") << "#ID:5" + QByteArray(25 << 20, 'x') + "\n#VOLUME:99\n#POWER:1"
                                    << Rows{{Id, 5}, {Volume, 32}, {Power, 1}}
                                    << reportLine("#ID:") + reportLine("#VOLUME:", 2) + reportLine("#POWER:");
    }

    void survivesHostileFiles() { readsLines(); }

    // Only the start of a line can matter: a 300 MB line must not be held in memory.
    void hugeLineNeedsNoMemory()
    {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("the sanitizer's allocator keeps freed memory");
#endif
        const qint64 before = peakMemoryKiB();
        HugeLine file(300LL << 20);
        Options::OptionStates states = Options::defaultStates(false);
        const ConfigReader::Report report = ConfigReader::readConfigFile(file, states);
        QCOMPARE(report.lines, 2);
        QCOMPARE(states[0].value, 7);
        QCOMPARE(states[1].value, 12);
        QVERIFY2(peakMemoryKiB() - before < 32 * 1024, qPrintable(QString::number(peakMemoryKiB() - before)));
    }

    void roundTripsEveryState()
    {
        QRandomGenerator random(20240611);   // seeded: a failure replays
        for (int k = 0; k < 2 * Options::FunctionCount; ++k) {
            const Options::OptionStates written = randomStates(random, k);
            Options::OptionStates states;
            const QString report = read(ConfigWriter::fileContents(written), states).html;
            QCOMPARE(describe(states), describe(written));
            QVERIFY2(!report.contains(QLatin1String("ERROR")), qPrintable(report));
        }
    }

    void generates_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("written");
        QTest::newRow("markup in the name") << QStringLiteral("<b>bold&amp;<i>.txt") << true;
        QTest::newRow("parent is a file") << QStringLiteral("plain/config.txt") << false;
    }

    void generates()
    {
        QFETCH(QString, name);
        QFETCH(bool, written);
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QVERIFY(writeFile(path(QStringLiteral("plain")), "x"));
        const QString file = path(name);
        ModalDriver driver;
        driver.chooseFile(file);
        driver.closeMessageBox();
        QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
        VERIFY_DRIVER(driver);
        QCOMPARE(readFile(file), written ? ConfigWriter::fileContents(Options::defaultStates(true)) : QByteArray());
        auto *label = window.findChild<QLabel *>(QStringLiteral("label_Generate_Path"));
        QCOMPARE(label->text(), file);
        // Rendered as markup the tags would take no room; as text every character does.
        QVERIFY(label->sizeHint().width() >= label->fontMetrics().horizontalAdvance(file));
        const QString box = written ? "<b>Create configuration file done!</b>|1"
                                    : "Impossible to create configuration file!|2";
        QCOMPARE(boxes(driver), QStringList{"Generate Configuration File|" + box});
    }

    void roundTripsThroughWindow()
    {
        configFilePath.clear();   // as if no file had been chosen yet
        MainWindow window;
        QRandomGenerator random(31);
        const Options::OptionStates written = randomStates(random, random.bounded(2 * Options::FunctionCount));
        const QString file = path(QStringLiteral("roundtrip.txt"));
        QString firstProposal, nextProposal;
        ModalDriver driver;
        noteProposal(driver, firstProposal);
        trigger(window, "action_Generate_Configuration_File");
        trigger(window, "action_Unselect_All_options");
        driver.chooseFile(file);
        driver.closeMessageBox();
        trigger(window, "action_Generate_Configuration_File");
        noteProposal(driver, nextProposal);
        trigger(window, "action_Import_Configuration_File");
        window.setOptionStates(written);
        driver.chooseFile(file);
        driver.handleNext([](QWidget *w) {
            if (auto *box = qobject_cast<QMessageBox *>(w))
                box->button(QMessageBox::Yes)->click();
        });
        driver.closeMessageBox();
        trigger(window, "action_Generate_Configuration_File");
        QCOMPARE(readFile(file), ConfigWriter::fileContents(written));
        window.setOptionStates(randomStates(random, 0));   // every row must be reset
        driver.chooseFile(file);
        driver.closeMessageBox();
        trigger(window, "action_Import_Configuration_File_Toolbar");
        VERIFY_DRIVER(driver);
        QCOMPARE(firstProposal, QCoreApplication::applicationDirPath() + QStringLiteral("/config.txt"));
        QCOMPARE(nextProposal, file);
        QCOMPARE(describe(window.optionStates()), describe(written));
        QVERIFY2(!boxes(driver).value(2).contains(QLatin1String("ERROR")), qPrintable(boxes(driver).value(2)));
    }

    void warnsWithoutTouchingRows_data()
    {
        QTest::addColumn<bool>("becomesFolder");
        QTest::addColumn<QString>("warning");
        QTest::newRow("gone") << false << QStringLiteral("The specified configuration file does not exist!");
        QTest::newRow("now a folder") << true << QStringLiteral("The specified configuration file cannot be opened!");
    }

    void warnsWithoutTouchingRows()
    {
        QFETCH(bool, becomesFolder);
        QFETCH(QString, warning);
        MainWindow window;
        const Options::OptionStates before = ticked({{Id, 77}, {Button2, 2005}});
        window.setOptionStates(before);
        const QString file = path(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(writeFile(file, "#ID:9\n"));
        QString proposal;
        ModalDriver driver;
        driver.handleNext([&](QWidget *w) {   // picked, then gone before the window reads it
            auto *dialog = qobject_cast<QFileDialog *>(w);
            QObject::connect(dialog, &QFileDialog::fileSelected, [&] {
                QFile::remove(file);
                becomesFolder && QDir().mkpath(file);
            });
            dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(file);
            static_cast<QDialog *>(dialog)->accept();
        });
        driver.closeMessageBox();
        trigger(window, "action_Import_Configuration_File");
        noteProposal(driver, proposal);
        trigger(window, "action_Generate_Configuration_File");
        VERIFY_DRIVER(driver);
        QCOMPARE(proposal, file);
        QCOMPARE(describe(window.optionStates()), describe(before));
        QCOMPARE(boxes(driver), QStringList{"Import Configuration File|" + warning + "|2"});
    }

    void keepsReportUsable_data()
    {
        QTest::addColumn<int>("optionLines");
        QTest::newRow("short") << 3;
        QTest::newRow("taller than the screen") << 300;
    }

    void keepsReportUsable()
    {
        QFETCH(int, optionLines);
        MainWindow window;
        const QString file = path(QStringLiteral("report.txt"));
        QVERIFY(writeFile(file, QByteArray("#VOLUME:7\n").repeated(optionLines - 1) + "#VOLUME:77\n"));
        QString text, inView;
        bool usable = false;
        ModalDriver driver;
        driver.chooseFile(file);
        driver.handleNext([&](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            auto *view = w->findChild<QTextBrowser *>(QStringLiteral("importReportView"));
            QAbstractButton *ok = box ? box->button(QMessageBox::Ok) : nullptr;
            usable = ok && ok->isVisible() && w->screen()->availableGeometry().contains(w->frameGeometry())
                     && (!view || view->verticalScrollBar()->maximum() > 0);
            text = box ? box->text() : QString();
            inView = view ? view->toPlainText() : QString();
            w->close();
        });
        trigger(window, "action_Import_Configuration_File");
        VERIFY_DRIVER(driver);
        QVERIFY(usable);
        const QString report = reportLine("#VOLUME:").repeated(optionLines - 1) + reportLine("#VOLUME:", optionLines);
        const QString done = QStringLiteral("<br><b>Import configuration file done!</b></br>");
        QCOMPARE(text, optionLines < 10 ? report + "<br></br>" + done : done);
        QCOMPARE(inView.contains(QStringLiteral("> ERROR Line(%1)").arg(optionLines)), optionLines >= 10);
    }
};

QUILLARY_TEST_MAIN(TestConfigFile)
#include "tst_configfile.moc"

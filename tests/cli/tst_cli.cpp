// quillary-cli as scripts run it: exit status, output and file left, against the window's reader and writer.
#include "configfile/configreader.h"
#include "configfile/configwriter.h"
#include "support/testapp.h"
#include "support/testdata.h"

enum Status { Success, Refused, Failed };   // the tool's exit statuses
const QByteArray oldFile = "old\r\n";

class TestCli : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

    void writeFile(const QString &name, const QByteArray &bytes) { QVERIFY(::writeFile(m_dir.filePath(name), bytes)); }

private slots:
    void runs_data()
    {
        QTest::addColumn<QStringList>("arguments");   // "ulimit" first: every write to a file fails
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("printed");   // on standard output and error, as they come
        QTest::addColumn<QByteArray>("written");   // in out.txt afterwards, which held oldFile
        // Option lines of every kind of value, read leniently, and lines that are skipped.
        writeFile("every.txt", "# PLX7\n\n  #ID:5 \r\n#VOLUME:100\n#POWER:1\n#RS_MONITORING:3\n#BOOT:7\n#INPUT01:PLAYER\n"
                               "#INPUT03:FOLDER999\n#BUTTON2:RS999\n#BAUDRATE:38400bps\n#INPUT16:PLAY\n#id:9\n");
        writeFile("ok.txt", "#ID:5\n");
        writeFile("bad.txt", "#ID:5\n\n#VOLUME:99\n");
        const QByteArray okReport = "ok.txt:\n#ID:--------------------------> OK\nNo option line refused, 1 in all\n";
        QFile every(m_dir.filePath("every.txt"));
        Options::OptionStates states = Options::defaultStates(false);   // as the window imports it
        QVERIFY(every.open(QIODevice::ReadOnly) && ConfigReader::readConfigFile(every, states).refused == 0);
        const QStringList generate{"generate", "-o", "out.txt"};
        const auto row = [](const char *name, const QStringList &arguments, int status, const QByteArray &printed,
                            const QByteArray &written = oldFile) {
            QTest::newRow(name) << arguments << status << printed << written;
        };
        row("check, all OK", {"check", "ok.txt"}, Success, okReport);
        row("check, refused line", {"check", "bad.txt"}, Refused, "bad.txt:\n#ID:--------------------------> OK\n"
            "#VOLUME:----------------------> ERROR Line(3)\n1 of 2 option lines refused\n");
        row("check, unreadable file", {"check", "gone.txt", "ok.txt"}, Failed, "quillary-cli: gone.txt: no such file\n"
            + okReport + "2 files: 1 without a refused line, 0 with refused lines, 1 unreadable\n");
        row("start-up state changed, to stdout", {"generate", "--only", "ID,input03,POWER", "--unset", "#power", "--set",
            "#Input03=RS500", "-o", "-"}, Success, "#ID:001\r\n#INPUT03:RS500\r\n");
        row("from every kind of line", generate + QStringList{"--from", "every.txt"}, Success, "",
            ConfigWriter::fileContents(states));
        row("bad key", generate + QStringList{"--set", "TEMPO=3"}, Failed,
            "quillary-cli: --set TEMPO=3: no option has the key 'TEMPO' (see --help)\n");
        row("bad value", generate + QStringList{"--set", "baudrate=115200"}, Failed, "quillary-cli: --set baudrate=115200: "
            "'115200' is not a value of #BAUDRATE, which takes 9600, 19200, 38400\n");
        row("out of range", generate + QStringList{"--set", "VOLUME=65"}, Failed,
            "quillary-cli: --set VOLUME=65: '65' is out of range for #VOLUME, which takes 0 to 64\n");
        row("from a refused line", generate + QStringList{"--from", "bad.txt"}, Failed, "quillary-cli: --from bad.txt:3: "
            "the value of #VOLUME is refused (1 refused in all; 'quillary-cli check' lists them); nothing written\n");
        row("write fails", QStringList{"ulimit"} + generate, Failed, "quillary-cli: out.txt: not written: File too large\n");
    }

    void runs()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QByteArray, printed);
        QFETCH(QByteArray, written);
        writeFile("out.txt", oldFile);
        QProcess cli;
        cli.setWorkingDirectory(m_dir.path());
        cli.setProcessChannelMode(QProcess::MergedChannels);
        const bool limited = arguments.first() == "ulimit";   // a limit of the process's own: even root cannot pass it
        cli.start("/bin/sh", QStringList{"-c", QString(limited ? "trap '' XFSZ; ulimit -f 0; " : "") + "exec \"$0\" \"$@\"",
                                         QUILLARY_CLI} + arguments.mid(limited ? 1 : 0));
        QVERIFY(cli.waitForFinished(20000));
        QCOMPARE(cli.readAll(), printed);
        QCOMPARE(cli.exitCode(), status);
        QCOMPARE(readFile(m_dir.filePath("out.txt")), written);
    }
};

QUILLARY_TEST_MAIN(TestCli)
#include "tst_cli.moc"

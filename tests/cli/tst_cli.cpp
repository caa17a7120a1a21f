// quillary-cli as scripts run it: exit status, output and file left, against the window's reader and writer.
#include "configfile/configreader.h"
#include "configfile/configwriter.h"
#include "configfile/importreport.h"
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
        const auto row = [](const QString &name, const QStringList &arguments, int status, const QString &printed,
                            const QByteArray &written = oldFile) {
            QTest::newRow(qPrintable(name)) << arguments << status << printed.toUtf8() << written;
        };
        // Every file of the table, checked in full (report lines, each note after its line, the summary), then
        // quietly (the notes alone) and leniently (warnings alone pass).
        Options::OptionStates cutRows;   // as the window shows them after importing "cut and dropped"
        for (const VerdictCase &file : verdictCases()) {
            writeFile(file.name, file.file);
            cutRows = file.name == "cut and dropped" ? file.rows.value() : cutRows;
            QString full = file.name + ":\n", quiet;
            for (const QString &said : file.said) {
                const bool note = !said.startsWith('#');
                const QString text = note ? file.name + ':' + QString(said).replace(QRegularExpression("^-:"), "") : said;
                full += text + '\n';
                quiet += note ? text + '\n' : "";
            }
            const bool notText = file.summary == "not text", refused = !file.lines().filter("ERROR").isEmpty();
            const QString why = "quillary-cli: " + file.name + ": " + ConfigReader::notTextMessage() + '\n';
            row("check, " + file.name, {"check", file.name}, notText ? Failed : file.notes().isEmpty() ? Success : Refused,
                notText ? full + why : full + file.summary + '\n');
            row("check quietly, leniently, " + file.name, {"check", "--quiet", "--lenient", file.name},
                notText ? Failed : refused ? Refused : Success, notText ? why : quiet);
        }
        row("check, unreadable file", {"check", "gone.txt", "clean"}, Failed, "quillary-cli: gone.txt: no such file\n"
            "clean:\n" + verdictCases().first().lines().join('\n') + "\nOption lines: 6, refused: 0, warnings: 0\n"
            "2 files: 1 clean, 0 with refused lines, 0 with warnings only, 1 unreadable or not text\n");
        row("check, as JSON", {"check", "--format=json", "repeated", "empty"}, Refused,
            R"({"file":"repeated","key":"#VOLUME","kind":"refused","line":5,"message":"#VOLUME: '99' is outside 0 to 64; )"
            R"(the row keeps 10","read":"99","value":"99","verdict":"error"})" "\n"
            R"({"count":6,"file":"repeated","key":"#ID","kind":"repeated","line":8,"message":"#ID is given on 6 lines )"
            R"((2, 3, 4, 6, ..., 8): the last, line 8, is taken","taken":8,"verdict":"warning"})" "\n"
            R"({"count":2,"file":"repeated","key":"#VOLUME","kind":"repeated","line":5,"message":"#VOLUME is given on 2 )"
            R"(lines (1, 5): line 1 is taken, the later ones are refused","taken":1,"verdict":"warning"})" "\n"
            R"({"file":"empty","kind":"no-option-line","line":null,"message":"The file holds no option line; nothing )"
            R"(is taken from it.","verdict":"warning"})" "\n");
        const QStringList generate{"generate", "-o", "out.txt"};
        row("start-up state changed, to stdout", {"generate", "--only", "ID,input03,POWER", "--unset", "#power", "--set",
            "#Input03=RS500", "-o", "-"}, Success, "#ID:001\r\n#INPUT03:RS500\r\n");
        // A base file read otherwise than it says is taken only leniently, as the window would import it.
        row("from cut values, leniently", generate + QStringList{"--lenient", "--from", "cut and dropped"}, Success, "",
            ConfigWriter::fileContents(cutRows));
        row("from misspelt keys", generate + QStringList{"--from", "misspelt keys"}, Failed, "quillary-cli: --from "
            "misspelt keys:1: '#VOLUM:' is not an option; did you mean #VOLUME? (refused: 0, warnings: 16; 'quillary-cli "
            "check' lists them, --lenient takes the file as it reads); nothing written\n");
        row("from a refused line, leniently", generate + QStringList{"--from", "refused", "--lenient"}, Failed,
            "quillary-cli: --from refused:1: #ID: '200' is outside 1 to 127; the row keeps 1 (refused: 7, warnings: 1; "
            "'quillary-cli check' lists them); nothing written\n");
        row("bad key", generate + QStringList{"--set", "TEMPO=3"}, Failed,
            "quillary-cli: --set TEMPO=3: no option has the key 'TEMPO' (see --help)\n");
        row("bad value", generate + QStringList{"--set", "baudrate=115200"}, Failed, "quillary-cli: --set baudrate=115200: "
            "'115200' is not a value of #BAUDRATE, which takes 9600, 19200, 38400\n");
        row("out of range", generate + QStringList{"--set", "VOLUME=65"}, Failed,
            "quillary-cli: --set VOLUME=65: '65' is out of range for #VOLUME, which takes 0 to 64\n");
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

// quillary-cli as scripts run it: exit status, output and file left, against the window's reader and writer; and
// every way found of making it (or the window, which shares its file code) read or write a file that was not named.
#include "app/settings.h"
#include "configfile/configreader.h"
#include "configfile/configwriter.h"
#include "configfile/importreport.h"
#include "files/inplacebackup.h"
#include "files/resolvedname.h"
#include "language/translationlookup.h"
#include "support/testapp.h"
#include "support/testdata.h"

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

enum Status { Success, Refused, Failed };   // the tool's exit statuses
const QByteArray oldFile = "old\r\n";

class TestCli : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    InPlaceBackup m_running;

    void writeFile(const QString &name, const QByteArray &bytes) { QVERIFY(::writeFile(m_dir.filePath(name), bytes)); }

    // What a script cannot do: the window's own settings and translations, and a save cut short by a kill.
    QByteArray inProcess(const QString &what)
    {
        QByteArray said;
        if (what == "@settings") {   // a FIFO as the settings file: nothing remembered is read or stored, no hang
            const QString file = Settings::fileName();
            QDir().mkpath(QFileInfo(file).path());
            QFile::remove(file);
            if (mkfifo(QFile::encodeName(file).constData(), 0600) != 0)
                return "no FIFO";
            Settings::setLastFolder(m_dir.path());
            Settings::addRecentFile(file);
            Settings::setWindowGeometry("geometry");
            said = Settings::lastFolder().toUtf8() + Settings::recentFiles().join(' ').toUtf8() + Settings::windowGeometry()
                   + (Settings::usable() ? " usable" : " unusable");
            QFile::remove(file);
            Settings::setLastFolder(m_dir.path());
            said += QSettings().fileName() == file && Settings::lastFolder() == m_dir.path() ? " then used" : "";
        } else if (what == "@language") {   // a bare LanguageData(.qm) where the program starts is no language
            QDir(m_dir.path()).mkdir("lang");
            for (const char *name : {"lang/LanguageData.qm", "lang/LanguageData"})
                QFile::copy(QUILLARY_QM_DIR "/LanguageData_fr.qm", m_dir.filePath(name));
            QTranslator translator;
            QByteArray bytes;
            Translation::loadFromFolders(translator, bytes, "LanguageData_de", {m_dir.filePath("lang")});
            said = "Play: " + translator.translate("MainWindow", "Play").toUtf8();
        } else if (what == "@interrupted") {   // killed while writing in place: told once, at the next start;
            InPlaceBackup torn, done;                   // not when the file holds its new bytes, nor while a
            QString why;                                // save runs (its note locked by this process)
            if (!torn.keep(QFile::encodeName(m_dir.filePath("torn.txt")), "old", "new", why)
                || !done.keep(QFile::encodeName(m_dir.filePath("done.txt")), "old", "new", why)
                || !m_running.keep(QFile::encodeName(m_dir.filePath("running.txt")), "old", "new", why))
                return why.toUtf8();
            ::writeFile(m_dir.filePath("torn.txt"), "neld");
            ::writeFile(m_dir.filePath("done.txt"), "new");
        }
        return said;
    }

private slots:
    void initTestCase()
    {
        // The backups of saves in place go to a data folder that the other user of the rows may write too.
        QStandardPaths::setTestModeEnabled(false);
        QVERIFY(QFile::setPermissions(m_dir.path(), QFile::permissions(m_dir.path()) | QFile::ExeOther | QFile::ReadOther));
        const QString backups = m_dir.filePath("data/Halvex/Quillary/in-place-backups");
        QVERIFY(QDir().mkpath(backups));
        for (QString folder = backups; folder != m_dir.path(); folder = QFileInfo(folder).path())
            QVERIFY(QFile::setPermissions(folder, QFileDevice::Permissions(0x7777)));
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir.filePath("data")));
        qputenv("LC_ALL", "C.UTF-8");   // a name's byte 0xe9 alone is then no character
    }

    void cleanupTestCase() { QProcess::execute("chmod", {"-R", "u+rwX", m_dir.path()}); }   // the read-only folder

    void runs_data()
    {
        // A shell script in the temporary folder: `cli` runs the tool, `other` runs a program as another user than
        // root, for whom a folder's permissions count; `@name ...` first does what inProcess() does.
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("status");       // of the script's last command
        QTest::addColumn<QByteArray>("printed");   // what inProcess() said, then standard output and error as they come
        QTest::addColumn<QByteArray>("written");   // in out.txt afterwards, which held oldFile
        const auto row = [](const QString &name, const QString &script, int status, const QByteArray &printed,
                            const QByteArray &written = oldFile) {
            QTest::newRow(qPrintable(name)) << script << status << printed << written;
        };
        // Every file of the table, checked in full (report lines, each note after its line, the summary), then
        // quietly (the notes alone) and leniently (warnings alone pass).
        Options::OptionStates cutRows;   // as the window shows them after importing "cut and dropped"
        for (const VerdictCase &file : verdictCases()) {
            writeFile(file.name, file.file);
            cutRows = file.name == "cut and dropped" ? file.rows.value() : cutRows;
            const QString name = quotedForMessage(file.name);
            QString full = name + ":\n", quiet;
            for (const QString &said : file.said) {
                const bool note = !said.startsWith('#');
                const QString text = note ? name + ':' + QString(said).replace(QRegularExpression("^-:"), "") : said;
                full += text + '\n';
                quiet += note ? text + '\n' : "";
            }
            const bool notText = file.summary == "not text", refused = !file.lines().filter("ERROR").isEmpty();
            const QString why = "quillary-cli: " + name + ": " + ConfigReader::notTextMessage() + '\n';
            row("check, " + file.name, "cli check '" + file.name + "'", notText ? Failed : file.notes().isEmpty() ? Success
                : Refused, (notText ? full + why : full + file.summary + '\n').toUtf8());
            row("check quietly, leniently, " + file.name, "cli check --quiet --lenient '" + file.name + "'",
                notText ? Failed : refused ? Refused : Success, (notText ? why : quiet).toUtf8());
        }
        writeFile("ok.txt", "#ID:5\n");
        const QByteArray ok = "#ID:--------------------------> OK\n";
        const QByteArray loop = "not written: Too many levels of symbolic links\n";
        row("check, unreadable file, its reason", "cli check gone.txt clean", Failed, "quillary-cli: gone.txt: No such file "
            "or directory\nclean:\n" + verdictCases().first().lines().join('\n').toUtf8() + "\nOption lines: 6, refused: 0, "
            "warnings: 0\n2 files: 1 clean, 0 with refused lines, 0 with warnings only, 1 unreadable or not text\n");
        row("check, as JSON", "cli check --format=json repeated empty", Refused,
            R"({"file":"repeated","key":"#VOLUME","kind":"refused","line":5,"message":"#VOLUME: '99' is outside 0 to 64; )"
            R"(the row keeps 10","read":"99","value":"99","verdict":"error"})" "\n"
            R"({"count":6,"file":"repeated","key":"#ID","kind":"repeated","line":8,"message":"#ID is given on 6 lines )"
            R"((2, 3, 4, 6, ..., 8): the last, line 8, is taken","taken":8,"verdict":"warning"})" "\n"
            R"({"count":2,"file":"repeated","key":"#VOLUME","kind":"repeated","line":5,"message":"#VOLUME is given on 2 )"
            R"(lines (1, 5): line 1 is taken, the later ones are refused","taken":1,"verdict":"warning"})" "\n"
            R"({"file":"empty","kind":"no-option-line","line":null,"message":"The file holds no option line; nothing )"
            R"(is taken from it.","verdict":"warning"})" "\n");
        row("start-up state changed, to stdout", "cli generate --only ID,input03,POWER --unset '#power' --set "
            "'#Input03=RS500' -o -", Success, "#ID:001\r\n#INPUT03:RS500\r\n");
        // A base file read otherwise than it says is taken only leniently, as the window would import it.
        row("from cut values, leniently", "cli generate -o out.txt --lenient --from 'cut and dropped'", Success, "",
            ConfigWriter::fileContents(cutRows));
        row("from misspelt keys", "cli generate -o out.txt --from 'misspelt keys'", Failed, "quillary-cli: --from "
            "'misspelt keys':1: '#VOLUM:' is not an option; did you mean #VOLUME? (refused: 0, warnings: 19; 'quillary-cli "
            "check' lists them, --lenient takes the file as it reads); nothing written\n");
        row("from a refused line, leniently", "cli generate -o out.txt --from refused --lenient", Failed,
            "quillary-cli: --from refused:1: #ID: '200' is outside 1 to 127; the row keeps 1 (refused: 7, warnings: 1; "
            "'quillary-cli check' lists them); nothing written\n");
        row("bad key", "cli generate --set TEMPO=3 -o out.txt", Failed,
            "quillary-cli: --set TEMPO=3: no option has the key 'TEMPO' (see --help)\n");
        row("bad value", "cli generate --set baudrate=115200 -o out.txt", Failed, "quillary-cli: --set baudrate=115200: "
            "'115200' is not a value of #BAUDRATE, which takes 9600, 19200, 38400\n");
        row("out of range; leading zeros count for nothing", "cli generate --set VOLUME=65 -o out.txt; cli generate --only ID "
            "--set ID=0000000005 -o -", Success, "quillary-cli: --set VOLUME=65: '65' is out of range for #VOLUME, which "
            "takes 0 to 64\n#ID:005\r\n");
        row("file-size limit: an error, no SIGXFSZ", "prlimit --fsize=1 \"$CLI\" generate -o out.txt; ulimit -f 0; cli generate "
            "-o out.txt", Failed, QByteArray("quillary-cli: out.txt: not written: File too large\n").repeated(2));
        row("links and .. followed as the system does", "mkdir -p releases/v2 releases/shared shared && ln -s releases/v2 "
            "current && ln -s ../shared/config.txt releases/v2/config.txt && mkfifo shared/config.txt && cli generate --only "
            "ID -o current/config.txt && cli check current/../shared/config.txt && ls -F shared", Success,
            "current/../shared/config.txt:\n" + ok + "Option lines: 1, refused: 0, warnings: 0\nconfig.txt|\n");
        // The file goes again at the end: QTemporaryDir cannot name it to remove it.
        row("name not valid in the encoding", "f=$(printf 'p\\351.txt'); echo '#ID:5' > \"$f\"; cli generate -o \"$f\"; "
            "cli check \"$f\"; s=$?; cli \"$f\"; rm \"$f\"; exit $s", Failed, QByteArray("quillary-cli: 'p\\xe9.txt' is not "
            "valid in the system's encoding: such a name cannot be read or written as it is; rename the file\n").repeated(3));
        row("40 links followed, 41 not, a loop", "mkfifo end && ln -s end l41 && i=40 && while [ $i -gt 0 ]; do ln -s "
            "l$((i + 1)) l$i; i=$((i - 1)); done; ln -s loop loop; cli generate -o l2; cli generate -o l1; cli generate -o "
            "loop; ls -F end loop", Success, "quillary-cli: l2: not written: Not a regular file\nquillary-cli: l1: " + loop
            + "quillary-cli: loop: " + loop + "end|\nloop@\n");
        row("a name ending in / or /. is a folder", "cli generate -o new/.; cli generate -o new/; test ! -e new", Success,
            "quillary-cli: new/.: not written: Is a directory\nquillary-cli: new/: not written: Is a directory\n");
        row("piece of 64 KiB without ASCII before a line", "head -c 65536 /dev/zero | tr '\\000' '\\351' > big.txt && "
            "printf '\\n#VOLUME:10\\n' >> big.txt && cli check big.txt", Success,
            "big.txt:\n#VOLUME:----------------------> OK\nOption lines: 1, refused: 0, warnings: 0\n");
        row("carriage returns only", "printf '#ID:005\\r#VOLUME:10\\r\\r#POWER:2\\r' > cr.txt && cli check cr.txt", Refused,
            "cr.txt:\n" + ok + "#VOLUME:----------------------> OK\n#POWER:-----------------------> ERROR Line(4)\n"
            "cr.txt:4: #POWER: '2' is outside 0 to 1 (0 Off, 1 On); the row keeps 0 (Off)\nOption lines: 3, refused: 1, warnings: 0\n");
        row("255-byte name replaced", "n=$(printf '%0255d' 0) && echo old > $n && cli generate --only ID -o $n && cat $n && "
            "test -z \"$(ls | grep quillary-)\"", Success, "#ID:001\r\n");
        row("settings file is a FIFO", "@settings", Success, " unusable then used");
        row("bare LanguageData in the working folder", "@language", Success, "Play: ");
        row("file of another user in a sticky folder", "mkdir -m 1777 sticky && echo old > sticky/config.txt && chmod 666 "
            "sticky/config.txt && other \"$CLI\" generate --only ID -o sticky/config.txt && cat sticky/config.txt", Success,
            "#ID:001\r\n");
        row("stray temporary files of ours removed", "touch a.quillary-AbC123 config.txt.quillary-Zz9Zz9 o.quillary-1 "
            "p.quillary-a-b_c. && mkdir d.quillary-XyZ987 && ln -s ok.txt l.quillary-QQQ111 && cli generate -o out.txt && "
            "ls -d *quillary*", Success, "d.quillary-XyZ987\nl.quillary-QQQ111\no.quillary-1\np.quillary-a-b_c.\n",
            ConfigWriter::fileContents(Options::defaultStates(true)));
        row("16 MiB in a read-only folder written in place, one byte more not", "mkdir ro && truncate -s 16M ro/edge.txt && "
            "truncate -s 16777217 ro/big.txt && chmod 666 ro/*.txt && chmod 555 ro && other \"$CLI\" generate -o ro/edge.txt && "
            "other \"$CLI\" generate -o ro/big.txt", Failed, "quillary-cli: ro/big.txt: not written: No temporary file "
            "can be made in its folder (Permission denied), and the file is too large to be written in place (over 16 MiB)\n");
        row("argument with a line feed", "cli generate --set \"$(printf 'ID=5\\nquillary-cli: forged')\" -o out.txt", Failed,
            "quillary-cli: --set 'ID=5\\nquillary-cli: forged': '5\\nquillary-cli: forged' is not a value of #ID, which "
            "takes 1 to 127\n");
        row("appended to standard output and error", "cli generate --only ID -o /dev/stdout >> out.txt && cli generate --only "
            "POWER -o /dev/stderr 2>> out.txt", Success, "", oldFile + "#ID:001\r\n#POWER:0\r\n");
        row("in-place save cut short, told once", "@interrupted cli check ok.txt; cli check ok.txt; cat torn.txt", Success,
            "quillary-cli: An in-place save of " + QFile::encodeName(m_dir.filePath("torn.txt")) + " did not finish: the file "
            "may be damaged. Its old content is kept in " + QFile::encodeName(inPlaceBackupFolder()) + "/torn.txt-");
    }

    void runs()
    {
        QFETCH(QString, script);
        QFETCH(int, status);
        QFETCH(QByteArray, printed);
        QFETCH(QByteArray, written);
        writeFile("out.txt", oldFile);
        const QString hook = script.startsWith('@') ? script.section(' ', 0, 0) : QString();
        const QByteArray said = inProcess(hook);
        QProcess cli;
        cli.setWorkingDirectory(m_dir.path());
        cli.setProcessChannelMode(QProcess::MergedChannels);
        cli.start("/bin/sh", {"-c", "CLI=\"$0\"; cli() { \"$CLI\" \"$@\"; }; other() { if [ \"$(id -u)\" = 0 ]; then setpriv "
                                    "--reuid=65534 --regid=65534 --clear-groups \"$@\"; else \"$@\"; fi; }\n"
                                    + script.mid(hook.size()), QUILLARY_CLI});
        QVERIFY(cli.waitForFinished(20000));
        const QByteArray got = said + cli.readAll();
        if (hook == "@interrupted") {   // the backup's name is the file's, then the time and a random number
            QVERIFY2(got.startsWith(printed) && got.endsWith(".bak.\n" + okReport(2) + "neld"), got);
            QCOMPARE(got.count("did not finish"), 1);   // the file that holds its new bytes is no loss
            QCOMPARE(readFile(QString(got).section(" kept in ", 1).section(".\n", 0, 0)), "old");
        } else {
            QCOMPARE(got, printed);
        }
        QCOMPARE(cli.exitCode(), status);
        QCOMPARE(readFile(m_dir.filePath("out.txt")), written);
    }

private:
    static QByteArray okReport(int times)
    {
        return QByteArray("ok.txt:\n#ID:--------------------------> OK\nOption lines: 1, refused: 0, warnings: 0\n").repeated(times);
    }
};

QUILLARY_CORE_TEST_MAIN(TestCli)
#include "tst_cli.moc"

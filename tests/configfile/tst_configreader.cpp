#include "configfile/configreader.h"
#include "configfile/configwriter.h"
#include "randomstates.h"
#include "support/testapp.h"

#include <QBuffer>
#include <QTemporaryDir>

using Changes = QList<QPair<int, int>>;   // row, value: rows expected ticked
Q_DECLARE_METATYPE(Changes)

namespace {

enum Row { Id, Volume, Power, Monitor, Boot, Input01, Input15 = 19, Button1, Button2, Baudrate };

QString padded(const char *key)
{
    return QString::fromLatin1(key).leftJustified(30, QLatin1Char('-'));
}

QString ok(const char *key)
{
    return QStringLiteral("<br>%1> OK</br>").arg(padded(key));
}

QString error(const char *key, int line)
{
    return QStringLiteral("<br>%1> ERROR Line(%2)</br>").arg(padded(key)).arg(line);
}

// Reads like the window does: text mode, rows unticked at their defaults.
ConfigReader::Report readDevice(QIODevice &device, Options::OptionStates &states)
{
    states = Options::defaultStates(false);
    return ConfigReader::readConfigFile(device, states);
}

ConfigReader::Report readBytes(const QByteArray &bytes, Options::OptionStates &states)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly | QIODevice::Text);
    return readDevice(buffer, states);
}

Options::OptionStates withChanges(const Changes &changes)
{
    Options::OptionStates states = Options::defaultStates(false);
    for (const auto &change : changes)
        states[change.first] = {true, change.second};
    return states;
}

} // namespace

class TestConfigReader : public QObject
{
    Q_OBJECT

private slots:
    void readsLines_data();
    void readsLines();
    void reportLineFormat();
    void parsersStoreNoValueMarker();
    void roundTripsEveryWrittenFile();
    void survivesHostileFiles_data();
    void survivesHostileFiles();
    void boundsTheReport();

private:
    QTemporaryDir m_dir;
};

void TestConfigReader::readsLines_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Changes>("changes");
    QTest::addColumn<QString>("report");

    QTest::newRow("empty file") << QByteArray() << Changes{} << QString();
    QTest::newRow("blanks around") << QByteArray(" \t #ID:12 \t\n") << Changes{{Id, 12}} << ok("#ID:");
    QTest::newRow("letters dropped") << QByteArray("#ID:1a2") << Changes{{Id, 12}} << ok("#ID:");
    QTest::newRow("sign dropped") << QByteArray("#ID:-5") << Changes{{Id, 5}} << ok("#ID:");
    QTest::newRow("blank in field") << QByteArray("#ID: 5") << Changes{{Id, 5}} << ok("#ID:");
    QTest::newRow("id cut") << QByteArray("#ID:1234") << Changes{{Id, 123}} << ok("#ID:");
    QTest::newRow("id empty") << QByteArray("#ID:") << Changes{{Id, 1}} << error("#ID:", 1);
    QTest::newRow("id no digit") << QByteArray("#ID:abc") << Changes{{Id, 1}} << error("#ID:", 1);
    QTest::newRow("id too big") << QByteArray("#ID:200") << Changes{{Id, 1}} << error("#ID:", 1);
    QTest::newRow("id zero refused") << QByteArray("#ID:000") << Changes{{Id, 1}} << error("#ID:", 1);
    QTest::newRow("id 127") << QByteArray("#ID:127") << Changes{{Id, 127}} << ok("#ID:");
    QTest::newRow("non-ASCII digit") << QByteArray("#VOLUME:\xd9\xa3") << Changes{{Volume, 32}}
                                     << error("#VOLUME:", 1);
    QTest::newRow("volume 64") << QByteArray("#VOLUME:64") << Changes{{Volume, 64}} << ok("#VOLUME:");
    QTest::newRow("volume 65") << QByteArray("#VOLUME:65") << Changes{{Volume, 32}} << error("#VOLUME:", 1);
    QTest::newRow("volume cut") << QByteArray("#VOLUME:100") << Changes{{Volume, 10}} << ok("#VOLUME:");
    QTest::newRow("power 1") << QByteArray("#POWER:1") << Changes{{Power, 1}} << ok("#POWER:");
    QTest::newRow("power 2") << QByteArray("#POWER:2") << Changes{{Power, 0}} << error("#POWER:", 1);
    QTest::newRow("power cut") << QByteArray("#POWER:10") << Changes{{Power, 1}} << ok("#POWER:");
    QTest::newRow("monitoring 3") << QByteArray("#RS_MONITORING:3") << Changes{{Monitor, 3}}
                                  << ok("#RS_MONITORING:");
    QTest::newRow("monitoring 4") << QByteArray("#RS_MONITORING:4") << Changes{{Monitor, 0}}
                                  << error("#RS_MONITORING:", 1);
    QTest::newRow("boot 999") << QByteArray("#BOOT:999") << Changes{{Boot, 999}} << ok("#BOOT:");
    QTest::newRow("boot cut") << QByteArray("#BOOT:1000") << Changes{{Boot, 100}} << ok("#BOOT:");
    QTest::newRow("baud 9600") << QByteArray("#BAUDRATE:9600") << Changes{{Baudrate, 0}} << ok("#BAUDRATE:");
    QTest::newRow("baud unit") << QByteArray("#BAUDRATE:38400bps") << Changes{{Baudrate, 2}} << ok("#BAUDRATE:");
    QTest::newRow("baud blank") << QByteArray("#BAUDRATE: 9600") << Changes{{Baudrate, 0}} << ok("#BAUDRATE:");
    QTest::newRow("baud cut") << QByteArray("#BAUDRATE:115200") << Changes{{Baudrate, 1}}
                              << error("#BAUDRATE:", 1);
    QTest::newRow("play") << QByteArray("#INPUT01:PLAY") << Changes{{Input01, 0}} << ok("#INPUT01:");
    QTest::newRow("token then text") << QByteArray("#INPUT01:PLAYER") << Changes{{Input01, 0}} << ok("#INPUT01:");
    QTest::newRow("lower case") << QByteArray("#INPUT01:play") << Changes{{Input01, 9}} << error("#INPUT01:", 1);
    QTest::newRow("blank before token") << QByteArray("#INPUT01: PLAY") << Changes{{Input01, 9}}
                                        << error("#INPUT01:", 1);
    QTest::newRow("folder 999") << QByteArray("#INPUT01:FOLDER999") << Changes{{Input01, 1007}} << ok("#INPUT01:");
    QTest::newRow("short folder") << QByteArray("#INPUT01:FOLDER5") << Changes{{Input01, 9}}
                                  << error("#INPUT01:", 1);
    QTest::newRow("rs000") << QByteArray("#INPUT01:RS000") << Changes{{Input01, 9}} << error("#INPUT01:", 1);
    QTest::newRow("input 15") << QByteArray("#INPUT15:VOLUME_MINUS") << Changes{{Input15, 7}} << ok("#INPUT15:");
    QTest::newRow("button rs996") << QByteArray("#BUTTON2:RS996") << Changes{{Button2, 2003}} << ok("#BUTTON2:");
    QTest::newRow("button rs999") << QByteArray("#BUTTON1:RS999") << Changes{{Button1, 2006}} << ok("#BUTTON1:");
    QTest::newRow("near misses keep line numbers")
        << QByteArray("#INPUT16:PLAY\n#INPUT1:PLAY\n#BUTTON3:STOP\n#id:5\n#ID :5\n; comment\n\n#VOLUME:99")
        << Changes{{Volume, 32}} << error("#VOLUME:", 8);
    QTest::newRow("repeated key") << QByteArray("#ID:5\n#ID:200\n") << Changes{{Id, 5}}
                                  << ok("#ID:") + error("#ID:", 2);
    QTest::newRow("CR LF") << QByteArray("#ID:7\r\n#VOLUME:99\r\n") << Changes{{Id, 7}, {Volume, 32}}
                           << ok("#ID:") + error("#VOLUME:", 2);
    QTest::newRow("UTF-8 byte order mark") << QByteArray("\xef\xbb\xbf#ID:9\n") << Changes{{Id, 9}} << ok("#ID:");
    QTest::newRow("Unicode blanks") << QByteArray("\xc2\xa0\xe3\x80\x80#ID:9\xe2\x80\x83\n") << Changes{{Id, 9}}
                                    << ok("#ID:");
    QTest::newRow("UTF-16 with byte order mark") << QByteArray("\xff\xfe#\0I\0D\0:\0004\0\n\0", 14)
                                                 << Changes{{Id, 4}} << ok("#ID:");
}

void TestConfigReader::readsLines()
{
    QFETCH(QByteArray, file);
    QFETCH(Changes, changes);
    QFETCH(QString, report);

    Options::OptionStates states;
    const ConfigReader::Report result = readBytes(file, states);
    QCOMPARE(result.html, report);
    QCOMPARE(describeStates(states), describeStates(withChanges(changes)));
}

void TestConfigReader::reportLineFormat()
{
    // The two report lines shown to users as examples, character for character.
    Options::OptionStates states;
    const ConfigReader::Report result = readBytes("#ID:005\n\n#VOLUME:99\n", states);
    QCOMPARE(result.html, QStringLiteral("<br>#ID:--------------------------> OK</br>"
                                         "<br>#VOLUME:----------------------> ERROR Line(3)</br>"));
    QCOMPARE(result.lines, 2);
}

void TestConfigReader::parsersStoreNoValueMarker()
{
    // A caller's old value must never survive a parse, matched or not.
    quint32 value = 7;
    QVERIFY(!ConfigReader::parseNumericOption(QStringLiteral("#VOLUME:10"), QStringLiteral("#ID:"), 3, value));
    QCOMPARE(value, ConfigReader::NoValue);
    value = 7;
    QVERIFY(ConfigReader::parseNumericOption(QStringLiteral(" #ID:x "), QStringLiteral("#ID:"), 3, value));
    QCOMPARE(value, ConfigReader::NoValue);
    quint32 position = 7;
    QVERIFY(ConfigReader::parseFunctionOption(QStringLiteral("#BUTTON1:RS999"), QStringLiteral("#BUTTON1:"), position));
    QCOMPARE(position, quint32(2007));
    QVERIFY(ConfigReader::parseFunctionOption(QStringLiteral("#BUTTON1:"), QStringLiteral("#BUTTON1:"), position));
    QCOMPARE(position, ConfigReader::NoValue);
}

void TestConfigReader::roundTripsEveryWrittenFile()
{
    // Seeded, so a failure can be replayed; 119 samples cover every function index.
    QRandomGenerator random(20240611);
    for (int k = 0; k < 600; ++k) {
        const Options::OptionStates written = randomStates(random, k);
        Options::OptionStates read;
        const ConfigReader::Report report = readBytes(ConfigWriter::fileContents(written), read);
        QCOMPARE(describeStates(read), describeStates(expectedAfterImport(written)));
        QVERIFY2(!report.html.contains(QLatin1String("ERROR")), qPrintable(report.html));
    }
}

void TestConfigReader::survivesHostileFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Changes>("changes");
    QTest::addColumn<QString>("report");

    QByteArray binary(1 << 20, Qt::Uninitialized);
    QRandomGenerator random(7);
    for (char &byte : binary)
        byte = char(random.bounded(256));
    binary.replace('#', '.');   // no option line can start by chance
    QTest::newRow("binary") << "\x80" + binary + "\n#ID:42\n" << Changes{{Id, 42}} << ok("#ID:");

    QTest::newRow("NUL bytes") << QByteArray("#ID:\0\0\x35\n\0#VOLUME:10\n#POWER:1\0\n", 30)
                               << Changes{{Id, 5}, {Power, 1}} << ok("#ID:") + ok("#POWER:");
    QTest::newRow("invalid UTF-8") << QByteArray("\xc0\xff\xfe\n#BOOT:\xc3\x28""7\n\xed\xa0\x80#ID:3\n#INPUT02:STOP\xc0\n")
                                   << Changes{{Boot, 7}, {Input01 + 1, 1}} << ok("#BOOT:") + ok("#INPUT02:");

    // One line of 30 MB: the lines after it are read with their true numbers.
    const QByteArray longLine = "#ID:5" + QByteArray(30 << 20, 'x');
    QTest::newRow("very long line") << longLine + "\n#VOLUME:99\n#POWER:1" << Changes{{Id, 5}, {Volume, 32}, {Power, 1}}
                                    << ok("#ID:") + error("#VOLUME:", 2) + ok("#POWER:");
    QTest::newRow("long leading blanks") << QByteArray(3 << 20, ' ') + "#BOOT:12\n" << Changes{{Boot, 12}} << ok("#BOOT:");
}

void TestConfigReader::survivesHostileFiles()
{
    QFETCH(QByteArray, file);
    QFETCH(Changes, changes);
    QFETCH(QString, report);

    QFile out(m_dir.filePath(QStringLiteral("hostile.txt")));
    QVERIFY(out.open(QIODevice::WriteOnly));
    QCOMPARE(out.write(file), qint64(file.size()));
    out.close();
    file.clear();

    QFile in(out.fileName());
    QVERIFY(in.open(QIODevice::ReadOnly | QIODevice::Text));
    Options::OptionStates states;
    const ConfigReader::Report result = readDevice(in, states);
    QCOMPARE(result.html, report);
    QCOMPARE(describeStates(states), describeStates(withChanges(changes)));
}

void TestConfigReader::boundsTheReport()
{
    QByteArray file;
    for (int i = 0; i < 25; ++i)
        file += "#ID:7\n";
    file += "#ID:0\n";
    Options::OptionStates states = Options::defaultStates(false);
    QBuffer buffer(&file);
    buffer.open(QIODevice::ReadOnly);
    const ConfigReader::Report report = ConfigReader::readConfigFile(buffer, states, 20);
    QCOMPARE(report.lines, 20);
    QCOMPARE(report.omitted, qint64(6));
    QCOMPARE(report.html.count(QLatin1String("<br>")), 20);
    // Lines past the kept report are still applied.
    QVERIFY(states[Id].included);
    QCOMPARE(states[Id].value, 7);
}

QUILLARY_TEST_MAIN(TestConfigReader)
#include "tst_configreader.moc"

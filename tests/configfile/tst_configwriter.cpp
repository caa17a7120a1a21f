#include "configfile/configwriter.h"
#include "core/atomicsave.h"
#include "support/testapp.h"
#include "testfiles.h"

#include <QTemporaryDir>

namespace {

// Takes `limit` bytes, then fails like a full disk.
class FailingDevice : public QIODevice
{
public:
    explicit FailingDevice(qint64 limit) : m_limit(limit) { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }
    QByteArray written;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        const qint64 room = m_limit - written.size();
        if (room <= 0)
            return -1;
        written.append(data, int(qMin(size, room)));
        return qMin(size, room);
    }

private:
    qint64 m_limit;
};

using Ticked = QList<QPair<int, int>>;   // row, value

} // namespace

class TestConfigWriter : public QObject
{
    Q_OBJECT

private slots:
    void writesPlayerFormat_data();
    void writesPlayerFormat();
    void refusesUnusablePaths_data();
    void refusesUnusablePaths();
    void reportsDeviceFailingMidway();
    void keepsExistingFileOnFailure();
    void replacesExistingFile();

private:
    QTemporaryDir m_dir;
};

void TestConfigWriter::writesPlayerFormat_data()
{
    QTest::addColumn<Ticked>("ticked");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("nothing ticked") << Ticked{} << QByteArray();
    QTest::newRow("short numbers zero-filled")
        << Ticked{{0, 7}, {1, 5}, {4, 7}} << QByteArray("#ID:007\r\n#VOLUME:05\r\n#BOOT:007\r\n");
    QTest::newRow("largest numbers") << Ticked{{0, 127}, {4, 999}, {3, 3}}
                                     << QByteArray("#ID:127\r\n#RS_MONITORING:3\r\n#BOOT:999\r\n");
    QTest::newRow("function token ends")
        << Ticked{{5, 0}, {6, 7}, {7, 8}, {8, 1007}, {9, 1008}, {10, 2006}, {20, 2004}, {21, 2006}}
        << QByteArray("#INPUT01:PLAY\r\n#INPUT02:VOLUME_MINUS\r\n#INPUT03:FOLDER000\r\n#INPUT04:FOLDER999\r\n"
                      "#INPUT05:RS001\r\n#INPUT06:RS999\r\n#BUTTON1:RS997\r\n#BUTTON2:RS999\r\n");
    QTest::newRow("baud rate text") << Ticked{{22, 2}, {2, 1}}
                                    << QByteArray("#POWER:1\r\n#BAUDRATE:38400\r\n");
}

void TestConfigWriter::writesPlayerFormat()
{
    QFETCH(Ticked, ticked);
    QFETCH(QByteArray, bytes);

    Options::OptionStates states = Options::defaultStates(false);
    for (const auto &row : ticked)
        states[row.first] = {true, row.second};
    const QString path = m_dir.filePath(QStringLiteral("format.txt"));
    QVERIFY(ConfigWriter::saveConfigFile(path, states));
    QCOMPARE(readFile(path), bytes);
}

void TestConfigWriter::refusesUnusablePaths_data()
{
    QTest::addColumn<QString>("path");
    QVERIFY(writeFile(m_dir.filePath(QStringLiteral("plain")), "x"));
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("folder.txt")));
    QTest::newRow("directory") << m_dir.filePath(QStringLiteral("folder.txt"));
    QTest::newRow("parent is a file") << m_dir.filePath(QStringLiteral("plain/config.txt"));
}

void TestConfigWriter::refusesUnusablePaths()
{
    QFETCH(QString, path);
    const bool wasDir = QFileInfo(path).isDir();
    QVERIFY(!ConfigWriter::saveConfigFile(path, Options::defaultStates(true)));
    QCOMPARE(QFileInfo(path).isDir(), wasDir);
    QCOMPARE(readFile(m_dir.filePath(QStringLiteral("plain"))), QByteArray("x"));
}

void TestConfigWriter::reportsDeviceFailingMidway()
{
    FailingDevice device(100);
    QVERIFY(!ConfigWriter::writeConfigFile(device, Options::defaultStates(true)));
    QCOMPARE(device.written.size(), 100);
}

void TestConfigWriter::keepsExistingFileOnFailure()
{
    const QString path = m_dir.filePath(QStringLiteral("keep.txt"));
    const QByteArray old = "#ID:042\r\n#VOLUME:10\r\n";
    QVERIFY(writeFile(path, old));
    const bool saved = saveAtomically(path, [](QIODevice &device) {
        device.write(ConfigWriter::fileContents(Options::defaultStates(true)).left(100));
        return false;   // like a disk filling up after 100 bytes
    });
    QVERIFY(!saved);
    QCOMPARE(readFile(path), old);
    QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("keep.txt*")}, QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("keep.txt")});
}

void TestConfigWriter::replacesExistingFile()
{
    const QString path = m_dir.filePath(QStringLiteral("twice.txt"));
    QVERIFY(writeFile(path, QByteArray(5000, '#')));
    QVERIFY(ConfigWriter::saveConfigFile(path, Options::defaultStates(true)));
    const QByteArray bytes = readFile(path);
    QCOMPARE(bytes.size(), 422);
    QCOMPARE(bytes.count("\r\n"), 23);
    QCOMPARE(bytes.count('\n'), 23);
    QCOMPARE(bytes.count('\r'), 23);
    QVERIFY(bytes.startsWith("#ID:001\r\n#VOLUME:32\r\n#POWER:0\r\n#RS_MONITORING:0\r\n#BOOT:000\r\n#INPUT01:FOLDER001\r\n"));
    QVERIFY(bytes.endsWith("#INPUT15:FOLDER015\r\n#BUTTON1:VOLUME_MINUS\r\n#BUTTON2:VOLUME_PLUS\r\n#BAUDRATE:19200\r\n"));
}

QUILLARY_TEST_MAIN(TestConfigWriter)
#include "tst_configwriter.moc"

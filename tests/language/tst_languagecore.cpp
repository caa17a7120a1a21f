// Reading and writing the preference file, and where the translations are looked up.
#include "preferencetestfiles.h"
#include "support/testapp.h"

#include "app/globals.h"
#include "language/preferencefile.h"
#include "language/translationlookup.h"

#include <QTemporaryDir>
#include <QTranslator>

static Preferences::FileFormat format()
{
    return {playerModelCode, preferenceFileVersion, preferenceFileTitle, defaultLanguageName, preferenceFileSuffix};
}

class TestLanguageCore : public QObject
{
    Q_OBJECT

private slots:
    void readingRules_data();
    void readingRules();
    void writeIsAllOrNothing_data();
    void writeIsAllOrNothing();
    void searchOrder_data();
    void searchOrder();
};

void TestLanguageCore::readingRules_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("expected");   // the language, or "unchanged" when the file is not ours

    const QByteArray binary("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xfe\0\x01", 20);
    QTest::newRow("English") << fiveLines("English") << "English";
    QTest::newRow("French") << fiveLines("French") << "French";
    QTest::newRow("marks reversed among text") << fiveLines("French", "v1.10 for PLX7") << "French";
    QTest::newRow("model code only") << fiveLines("French", "PLX7") << "unchanged";
    QTest::newRow("version only") << fiveLines("French", "1.10") << "unchanged";
    QTest::newRow("lower-case name") << fiveLines("english") << "Default";
    QTest::newRow("trailing blank") << fiveLines("English ") << "Default";
    QTest::newRow("CR LF line ends") << QByteArray("PLX71.10\r\n2\r\n3\r\n4\r\nFrench\r\n") << "French";
    QTest::newRow("empty") << QByteArray() << "unchanged";
    QTest::newRow("truncated after line 1") << QByteArray("PLX71.10\n") << "Default";
    QTest::newRow("binary") << binary << "unchanged";
    QTest::newRow("binary after line 1") << QByteArray("PLX71.10\n" + binary) << "Default";
    QTest::newRow("NUL in line 5") << fiveLines(QByteArray("French\0x", 8)) << "Default";
}

void TestLanguageCore::readingRules()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, expected);

    const auto language = Preferences::parseLanguage(contents, format());
    const QStringList names = {"Default", "English", "French"};
    QCOMPARE(language ? names.at(int(*language)) : "unchanged", expected);
}

void TestLanguageCore::writeIsAllOrNothing_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("written");
    QTest::newRow("replaces a longer file") << "old.cfg" << true;
    QTest::newRow("folder is a regular file") << "plain/Quillary.cfg" << false;
    QTest::newRow("file is a folder") << "folder" << false;
}

// A handle opened before the write still sees the old bytes only if the file was
// replaced whole rather than overwritten in place.
void TestLanguageCore::writeIsAllOrNothing()
{
    QFETCH(QString, target);
    QFETCH(bool, written);

    QTemporaryDir dir;
    const QByteArray old(10000, 'z');
    QVERIFY(writeFile(dir.filePath("old.cfg"), old) && writeFile(dir.filePath("plain"), old));
    QVERIFY(QDir(dir.path()).mkdir("folder"));
    QFile before(dir.filePath("old.cfg"));
    QVERIFY(before.open(QIODevice::ReadOnly));

    QCOMPARE(Preferences::writeLanguage(dir.filePath(target), Preferences::Language::French, format()), written);
    QCOMPARE(before.readAll(), old);
    QCOMPARE(readFile(dir.filePath("old.cfg")), written ? fiveLines("French") : old);
    QCOMPARE(readFile(dir.filePath("plain")), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"old.cfg", "plain"}));
}

void TestLanguageCore::searchOrder_data()
{
    QTest::addColumn<QStringList>("present");   // working dir, executable dir, installed: translation or "-"
    QTest::addColumn<QString>("play");          // "Play" as translated by what was loaded
    QTest::newRow("working directory first") << QStringList{"fr", "en", "en"} << "Lecture";
    QTest::newRow("beside the executable next") << QStringList{"-", "fr", "en"} << "Lecture";
    QTest::newRow("installed folder last") << QStringList{"-", "en", "fr"} << "Play";
    QTest::newRow("installed folder alone") << QStringList{"-", "-", "fr"} << "Lecture";
    QTest::newRow("nowhere") << QStringList{"-", "-", "-"} << "";
}

void TestLanguageCore::searchOrder()
{
    QFETCH(QStringList, present);
    QFETCH(QString, play);

    QTemporaryDir root;
    const QString home = root.filePath("home"), bin = root.filePath("prefix/bin");
    const QStringList places = {home, bin, QDir::cleanPath(root.filePath("prefix/" QUILLARY_TRANSLATIONS_DIR))};
    for (int i = 0; i < places.size(); ++i) {
        QVERIFY(QDir().mkpath(places[i]));
        const QString qm = QString(QUILLARY_QM_DIR "/LanguageData_%1.qm").arg(present[i]);
        QVERIFY(present[i] == "-" || QFile::copy(qm, places[i] + "/LanguageData_xx.qm"));
    }
    QTranslator translator;
    const QStringList folders = Translation::searchFolders(home, bin);
    QCOMPARE(Translation::loadFromFolders(translator, "LanguageData_xx", folders), !play.isEmpty());
    QCOMPARE(translator.translate("MainWindow", "Play"), play);
    QCOMPARE(Translation::searchFolders().mid(0, 2),
             (QStringList{QDir::currentPath(), QCoreApplication::applicationDirPath()}));
}

QUILLARY_TEST_MAIN(TestLanguageCore)
#include "tst_languagecore.moc"

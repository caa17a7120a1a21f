// Where the translation files are looked up, and in which order.
#include "support/testapp.h"

#include "language/translationlookup.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>

class TestTranslationLookup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void languageCode_data();
    void languageCode();
    void searchOrder_data();
    void searchOrder();
    void failedLoadEmptiesTranslator();
    void processFoldersStartWithWorkingDirectory();

private:
    QTemporaryDir m_store;   // one compiled marker translation per folder kind
};

namespace {

const char fileName[] = "LanguageData_xx";

// A translation that renders "Play" as `marker`, so the test can tell which file won.
bool compileMarker(const QString &qmPath, const QString &marker)
{
    const QString tsPath = qmPath + QStringLiteral(".ts");
    QFile ts(tsPath);
    if (!ts.open(QIODevice::WriteOnly))
        return false;
    ts.write(QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
                            "<TS version=\"2.1\" language=\"fr\"><context><name>MainWindow</name>"
                            "<message><source>Play</source><translation>%1</translation></message>"
                            "</context></TS>\n")
                 .arg(marker)
                 .toUtf8());
    ts.close();
    return QProcess::execute(QStringLiteral(QUILLARY_LRELEASE), {QStringLiteral("-silent"), tsPath,
                                                                 QStringLiteral("-qm"), qmPath})
           == 0;
}

} // namespace

void TestTranslationLookup::initTestCase()
{
    QVERIFY(m_store.isValid());
    for (const char *marker : {"cwd", "exe", "installed"})
        QVERIFY(compileMarker(m_store.filePath(QLatin1String(marker)), QLatin1String(marker)));
}

void TestTranslationLookup::languageCode_data()
{
    QTest::addColumn<QString>("localeName");
    QTest::addColumn<QString>("code");
    QTest::newRow("French") << "fr_FR" << "fr";
    QTest::newRow("English") << "en_US" << "en";
    QTest::newRow("script and country") << "zh_Hant_TW" << "zh";
    QTest::newRow("no country") << "C" << "C";
    QTest::newRow("empty") << "" << "";
}

void TestTranslationLookup::languageCode()
{
    QFETCH(QString, localeName);
    QFETCH(QString, code);
    QCOMPARE(Translation::languageCode(localeName), code);
}

void TestTranslationLookup::searchOrder_data()
{
    // Which marker goes into which folder under which name; empty: none there.
    QTest::addColumn<QString>("inWorkingDir");
    QTest::addColumn<QString>("besideExecutable");
    QTest::addColumn<QString>("installed");
    QTest::addColumn<QString>("expected");   // the marker read back; empty: nothing loaded

    const QString qm = QLatin1String(fileName) + QStringLiteral(".qm");
    const QString bare = QLatin1String(fileName);
    const QString shortened = QStringLiteral("LanguageData.qm");
    QTest::newRow("all three: working directory") << qm << qm << qm << "cwd";
    QTest::newRow("beside the executable beats installed") << "" << qm << qm << "exe";
    QTest::newRow("installed only") << "" << "" << qm << "installed";
    QTest::newRow("working directory beats installed") << qm << "" << qm << "cwd";
    QTest::newRow("name without suffix") << "" << bare << qm << "exe";
    QTest::newRow("shortened name counts in its folder") << shortened << qm << "" << "cwd";
    QTest::newRow("other names do not count") << "LanguageData_yy.qm" << "" << "" << "";
    QTest::newRow("nowhere") << "" << "" << "" << "";
}

void TestTranslationLookup::searchOrder()
{
    QFETCH(QString, inWorkingDir);
    QFETCH(QString, besideExecutable);
    QFETCH(QString, installed);
    QFETCH(QString, expected);

    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString work = root.filePath(QStringLiteral("home"));
    const QString prefix = root.filePath(QStringLiteral("prefix"));
    const QString bin = prefix + QStringLiteral("/bin");
    const QStringList folders = Translation::searchFolders(work, bin);
    QCOMPARE(folders, (QStringList{work, bin, QDir::cleanPath(prefix + QStringLiteral("/" QUILLARY_TRANSLATIONS_DIR))}));

    const QStringList markers = {QStringLiteral("cwd"), QStringLiteral("exe"), QStringLiteral("installed")};
    const QStringList names = {inWorkingDir, besideExecutable, installed};
    for (int i = 0; i < folders.size(); ++i) {
        QVERIFY(QDir().mkpath(folders[i]));
        if (!names[i].isEmpty())
            QVERIFY(QFile::copy(m_store.filePath(markers[i]), folders[i] + QLatin1Char('/') + names[i]));
    }

    QTranslator translator;
    QCOMPARE(Translation::loadFromFolders(translator, QLatin1String(fileName), folders), !expected.isEmpty());
    QCOMPARE(translator.translate("MainWindow", "Play"), expected.isEmpty() ? QString() : expected);
}

void TestTranslationLookup::failedLoadEmptiesTranslator()
{
    QTranslator translator;
    QVERIFY(Translation::loadFromFolders(translator, QStringLiteral("cwd"), {m_store.path()}));
    QVERIFY(!translator.isEmpty());
    QVERIFY(!Translation::loadFromFolders(translator, QStringLiteral("LanguageData_none"), {m_store.path()}));
    QVERIFY(translator.isEmpty());
}

void TestTranslationLookup::processFoldersStartWithWorkingDirectory()
{
    const QString before = QDir::currentPath();
    QTemporaryDir elsewhere;
    QVERIFY(elsewhere.isValid());
    QVERIFY(QDir::setCurrent(elsewhere.path()));
    const QStringList folders = Translation::searchFolders();
    QVERIFY(QDir::setCurrent(before));
    QCOMPARE(folders.value(0), QDir(elsewhere.path()).canonicalPath());
    QCOMPARE(folders.value(1), QCoreApplication::applicationDirPath());
}

QUILLARY_TEST_MAIN(TestTranslationLookup)
#include "tst_translationlookup.moc"

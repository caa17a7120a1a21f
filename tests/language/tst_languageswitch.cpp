// The Languages menu with the real translations, and the preference file across window lifetimes.
#include "preferencetestfiles.h"
#include "support/modaldriver.h"
#include "support/testapp.h"

#include "app/mainwindow.h"
#include "configfile/configwriter.h"
#include "options/optioncatalogue.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>

#include <memory>

namespace {

QAction *action(const MainWindow &window, const QString &name)
{
    return window.findChild<QAction *>(name);
}

QStringList checkedLanguages(const MainWindow &window)
{
    QStringList checked;
    for (const char *name : {"actionDefault", "action_English", "action_Fran_ais"})
        if (action(window, name)->isChecked())
            checked << name;
    return checked;
}

// A caption, list items (two with a number after a translated word) and a message text.
QStringList shownTexts(const MainWindow &window)
{
    auto item = [&](const char *box, int index) { return window.findChild<QComboBox *>(box)->itemText(index); };
    return {window.findChild<QCheckBox *>("checkBox_ID")->text(), item("comboBox_Power", 0),
            item("comboBox_Input01", Options::FirstFolderIndex), item("comboBox_Button2", Options::FirstSerialIndex),
            QCoreApplication::translate("MainWindow", "( write here your question... )")};
}

const QStringList englishTexts = {"ID:", "Off", "Folder 000", "Serial command 001", "( write here your question... )"};
const QStringList frenchTexts = {"ID :", "Désactivé", "Dossier 000", "Commande série 001",
                                 "( écrivez votre question ici... )"};
const bool frenchSystem = QLocale::system().name().startsWith("fr");

// Every third row unticked, every value `shift` off its default.
Options::OptionStates editedRows(int shift)
{
    Options::OptionStates states = Options::defaultStates(true);
    for (int r = 0; r < Options::OptionCount; ++r)
        states[r] = {r % 3 != 0, states[r].value + shift};
    return states;
}

// One entry per row, so a failure names the row.
QStringList describe(const Options::OptionStates &states)
{
    QStringList rows;
    for (int r = 0; r < Options::OptionCount; ++r)
        rows << QString("%1: %2 %3").arg(r + 1).arg(states[r].included).arg(states[r].value);
    return rows;
}

// The per-user data folder, or a file in it.
QString dataFolder(const QString &file = QString())
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + file;
}

} // namespace

class TestLanguageSwitch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(QDir::setCurrent(QUILLARY_QM_DIR)); }
    void init() { cleanup(); }
    void cleanup() { QFile::remove(dataFolder()); QDir(dataFolder()).removeRecursively(); }
    void switchLanguage_data();
    void switchLanguage();
    void preferenceRoundTrip_data();
    void preferenceRoundTrip();
    void blockedPreferenceFile_data();
    void blockedPreferenceFile();
};

void TestLanguageSwitch::switchLanguage_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("English to French") << "action_English" << "action_Fran_ais" << frenchTexts;
    QTest::newRow("French to English") << "action_Fran_ais" << "action_English" << englishTexts;
    // Default follows the system, and falls back to the built-in English texts.
    QTest::newRow("French to Default") << "action_Fran_ais" << "actionDefault"
                                       << (frenchSystem ? frenchTexts : englishTexts);
}

// Values go back to their defaults, ticks stay, and the player's file does not
// depend on the interface language.
void TestLanguageSwitch::switchLanguage()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QStringList, expected);

    MainWindow window;
    const Options::OptionStates edited = editedRows(1);
    window.setOptionStates(edited);
    QCOMPARE(describe(window.optionStates()), describe(edited));
    const QByteArray configFile = ConfigWriter::fileContents(edited);
    action(window, from)->trigger();
    action(window, to)->trigger();
    QCOMPARE(shownTexts(window), expected);
    QCOMPARE(checkedLanguages(window), QStringList{to});
    QCOMPARE(describe(window.optionStates()), describe(editedRows(0)));

    window.setOptionStates(edited);
    QCOMPARE(ConfigWriter::fileContents(window.optionStates()), configFile);
}

void TestLanguageSwitch::preferenceRoundTrip_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<int>("closing");        // Ctrl+Q, File > Exit, close button
    QTest::addColumn<QByteArray>("fifthLine");
    QTest::addColumn<QString>("caption");    // of checkBox_ID at the next start
    QTest::newRow("French, Ctrl+Q") << "action_Fran_ais" << 0 << QByteArray("French") << "ID :";
    QTest::newRow("English, File > Exit") << "action_English" << 1 << QByteArray("English") << "ID:";
    QTest::newRow("Default, close button") << "actionDefault" << 2 << QByteArray("(default)")
                                           << (frenchSystem ? "ID :" : "ID:");
}

// Closing ends the event loop as in main(); the file is written when the window is destroyed.
void TestLanguageSwitch::preferenceRoundTrip()
{
    QFETCH(QString, chosen);
    QFETCH(int, closing);
    QFETCH(QByteArray, fifthLine);
    QFETCH(QString, caption);

    auto window = std::make_unique<MainWindow>();   // the data folder does not exist yet
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    action(*window, "action_Fran_ais")->trigger();
    action(*window, chosen)->trigger();
    QTimer::singleShot(0, window.get(), [&] {
        if (closing == 0)
            QTest::keyClick(window.get(), Qt::Key_Q, Qt::ControlModifier);
        else if (closing == 1)
            action(*window, "action_Quit")->trigger();
        else
            window->close();
    });
    QTimer::singleShot(10000, window.get(), [] { QCoreApplication::exit(2); });   // never hang
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY2(!QFile::exists(dataFolder("/Quillary.cfg")), "written before the window was destroyed");
    window.reset();
    QCOMPARE(readFile(dataFolder("/Quillary.cfg")), fiveLines(fifthLine));

    MainWindow next;
    QCOMPARE(checkedLanguages(next), QStringList{chosen});
    QCOMPARE(next.findChild<QCheckBox *>("checkBox_ID")->text(), caption);
    QCOMPARE(describe(next.optionStates()), describe(Options::defaultStates(true)));
}

void TestLanguageSwitch::blockedPreferenceFile_data()
{
    QTest::addColumn<QString>("blocked");      // what stands in the way
    QTest::addColumn<QByteArray>("contents");  // null: it is a folder
    QTest::addColumn<QByteArray>("after");     // what it holds once the window is gone
    QTest::newRow("data folder is a regular file") << dataFolder() << QByteArray("keep me") << QByteArray("keep me");
    QTest::newRow("preference file is a folder") << dataFolder("/Quillary.cfg") << QByteArray()
                                                 << QByteArray("<unreadable>");
    QTest::newRow("binary preference file") << dataFolder("/Quillary.cfg") << QByteArray("\0\xff\nFrench\n", 10)
                                            << fiveLines("English");
}

// Silently the Default language; an obstacle is left as it was, a foreign file replaced.
void TestLanguageSwitch::blockedPreferenceFile()
{
    QFETCH(QString, blocked);
    QFETCH(QByteArray, contents);
    QFETCH(QByteArray, after);

    QVERIFY(QDir().mkpath(contents.isNull() ? blocked : QFileInfo(blocked).path()));
    QVERIFY(contents.isNull() || writeFile(blocked, contents));
    ModalDriver driver;
    {
        MainWindow window;
        QCOMPARE(checkedLanguages(window), QStringList{"actionDefault"});
        action(window, "action_English")->trigger();
    }
    QVERIFY2(driver.finished(), qPrintable(driver.problems().join("; ")));
    QCOMPARE(readFile(blocked), after);
}

QUILLARY_TEST_MAIN(TestLanguageSwitch)
#include "tst_languageswitch.moc"

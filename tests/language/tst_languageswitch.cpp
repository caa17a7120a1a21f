// The Languages menu with the real translation files, and the preference file
// across window lifetimes.
#include "support/testapp.h"

#include "app/globals.h"
#include "app/mainwindow.h"
#include "configfile/configwriter.h"
#include "language/preferencefile.h"
#include "options/optioncatalogue.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolBar>

#include <memory>

namespace {

// Object-name stems of the 23 rows, in row order.
QStringList rowStems()
{
    QStringList stems = {"ID", "Volume", "Power", "Monitor", "Boot"};
    for (int n = 1; n <= 15; ++n)
        stems << QStringLiteral("Input%1").arg(n, 2, 10, QLatin1Char('0'));
    stems << "Button1" << "Button2" << "Baudrate";
    return stems;
}

template<typename T>
T *child(const QObject &parent, const QString &name)
{
    T *found = parent.findChild<T *>(name);
    if (!found)
        qFatal("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
    return found;
}

QCheckBox *tick(const MainWindow &window, const QString &stem)
{
    return child<QCheckBox>(window, QStringLiteral("checkBox_") + stem);
}

// The rows as the window shows them: tick, and spin value or list index.
Options::OptionStates shownStates(const MainWindow &window)
{
    Options::OptionStates states;
    const QStringList stems = rowStems();
    for (int r = 0; r < Options::OptionCount; ++r) {
        states[r].included = tick(window, stems[r])->isChecked();
        if (auto *spin = window.findChild<QSpinBox *>(QStringLiteral("spinBox_") + stems[r]))
            states[r].value = spin->value();
        else
            states[r].value = child<QComboBox>(window, QStringLiteral("comboBox_") + stems[r])->currentIndex();
    }
    return states;
}

// Moves every row away from its default, unticking every third one.
void editRows(MainWindow &window)
{
    const QStringList stems = rowStems();
    for (int r = 0; r < Options::OptionCount; ++r) {
        tick(window, stems[r])->setChecked(r % 3 != 0);
        if (auto *spin = window.findChild<QSpinBox *>(QStringLiteral("spinBox_") + stems[r]))
            spin->setValue(spin->maximum());
        else if (auto *box = child<QComboBox>(window, QStringLiteral("comboBox_") + stems[r]))
            box->setCurrentIndex(box->count() - 1 - r % 2);
    }
}

QAction *action(const MainWindow &window, const QString &name)
{
    return child<QAction>(window, name);
}

QStringList checkedLanguageActions(const MainWindow &window)
{
    QStringList checked;
    for (const char *name : {"actionDefault", "action_English", "action_Fran_ais"}) {
        if (action(window, QLatin1String(name))->isChecked())
            checked << QLatin1String(name);
    }
    return checked;
}

// A sample of every kind of text the language changes: form texts, list items,
// and texts only looked up when a command runs.
QStringList visibleTexts(const MainWindow &window)
{
    auto item = [&](const char *box, int index) {
        return child<QComboBox>(window, QLatin1String(box))->itemText(index);
    };
    return {
        tick(window, "ID")->text(),
        child<QLabel>(window, "label_Input03_Infos_2")->text(),
        child<QLabel>(window, "label")->text(),
        child<QMenu>(window, "menuFile")->title(),
        action(window, "action_Quit")->text(),
        action(window, "actionDefault")->text(),
        child<QToolBar>(window, "toolBar")->windowTitle(),
        item("comboBox_Power", 0),
        item("comboBox_Monitor", 3),
        item("comboBox_Input01", 0),
        item("comboBox_Input01", 8),
        item("comboBox_Button2", 1008),
        item("comboBox_Baudrate", 2),
        QCoreApplication::translate("MainWindow", "Previous folder"),
        QCoreApplication::translate("MainWindow", "( write here your question... )"),
        QCoreApplication::translate("AboutWindows", "About"),
    };
}

const QStringList englishTexts = {
    "ID:", "Input 4 function (#INPUT04)", "Path:", "&File", "&Exit", "&Default", "toolBar",
    "Off", "Advanced monitoring mode", "Play", "Folder 000", "Serial command 001", "38400",
    "Previous folder", "( write here your question... )", "About",
};
const QStringList frenchTexts = {
    "ID :", "Fonction (#INPUT04)", "Chemin :", "&Fichier", "&Quitter", "Par &défaut",
    "Barre d'outils", "Désactivé", "Avancée", "Lecture", "Dossier 000",
    "Commande série 001", "38400", "Dossier précédent", "( écrivez votre question ici... )",
    "À propos de",
};

QString dataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

QString preferenceFile()
{
    return dataFolder() + QStringLiteral("/Quillary.cfg");
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

Preferences::FileFormat format()
{
    return {playerModelCode, preferenceFileVersion, preferenceFileTitle, defaultLanguageName,
            preferenceFileSuffix};
}

// One "row: tick value" entry per row, so a failure names the row.
QStringList describe(const Options::OptionStates &states)
{
    QStringList rows;
    for (int r = 0; r < Options::OptionCount; ++r)
        rows << QStringLiteral("%1: %2 %3").arg(r + 1).arg(states[r].included).arg(states[r].value);
    return rows;
}

} // namespace

class TestLanguageSwitch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void switchTranslatesWindow_data();
    void switchTranslatesWindow();
    void switchResetsValuesKeepsTicks_data();
    void switchResetsValuesKeepsTicks();
    void preferenceRoundTrip_data();
    void preferenceRoundTrip();
    void startWithUnusablePreferences_data();
    void startWithUnusablePreferences();
    void closingWritesOnce_data();
    void closingWritesOnce();

private:
    void removeDataFolder();
};

void TestLanguageSwitch::initTestCase()
{
    // The build puts the translations beside the program; run from there, as the
    // program finds them in its working directory first.
    QVERIFY(QDir::setCurrent(QStringLiteral(QUILLARY_QM_DIR)));
    QVERIFY(QFile::exists(QStringLiteral("LanguageData_fr.qm")));
    QVERIFY(QFile::exists(QStringLiteral("LanguageData_en.qm")));
}

void TestLanguageSwitch::init()
{
    removeDataFolder();
}

void TestLanguageSwitch::cleanup()
{
    removeDataFolder();
}

void TestLanguageSwitch::removeDataFolder()
{
    const QFileInfo folder(dataFolder());
    if (folder.isDir())
        QDir(folder.filePath()).removeRecursively();
    else
        QFile::remove(folder.filePath());
}

void TestLanguageSwitch::switchTranslatesWindow_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QStringList>("expected");

    // Default follows the system: French on a French system, the built-in English
    // texts where no translation exists (LanguageData_de, say).
    const bool frenchSystem = QLocale::system().name().startsWith(QLatin1String("fr"));
    QTest::newRow("English to French") << "action_English" << "action_Fran_ais" << frenchTexts;
    QTest::newRow("French to English") << "action_Fran_ais" << "action_English" << englishTexts;
    QTest::newRow("French to Default") << "action_Fran_ais" << "actionDefault"
                                       << (frenchSystem ? frenchTexts : englishTexts);
    QTest::newRow("French to French") << "action_Fran_ais" << "action_Fran_ais" << frenchTexts;
}

void TestLanguageSwitch::switchTranslatesWindow()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QStringList, expected);

    MainWindow window;
    editRows(window);
    const QByteArray configFile = ConfigWriter::fileContents(shownStates(window));

    action(window, from)->trigger();
    action(window, to)->trigger();
    QCOMPARE(visibleTexts(window), expected);
    QCOMPARE(checkedLanguageActions(window), QStringList{to});
    QCOMPARE(window.windowTitle(), QStringLiteral("Quillary"));
    for (const char *box : {"comboBox_Input01", "comboBox_Input15", "comboBox_Button1"})
        QCOMPARE(child<QComboBox>(window, QLatin1String(box))->count(), Options::FunctionCount);

    // The file the player gets does not depend on the interface language.
    editRows(window);
    QCOMPARE(ConfigWriter::fileContents(shownStates(window)), configFile);
}

void TestLanguageSwitch::switchResetsValuesKeepsTicks_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::newRow("Default again") << "actionDefault";
    QTest::newRow("English") << "action_English";
    QTest::newRow("French") << "action_Fran_ais";
}

void TestLanguageSwitch::switchResetsValuesKeepsTicks()
{
    QFETCH(QString, chosen);

    MainWindow window;
    editRows(window);
    Options::OptionStates expected = Options::defaultStates(false);
    const Options::OptionStates edited = shownStates(window);
    for (int r = 0; r < Options::OptionCount; ++r)
        expected[r].included = edited[r].included;

    action(window, chosen)->trigger();
    QCOMPARE(describe(shownStates(window)), describe(expected));
    QCOMPARE(checkedLanguageActions(window), QStringList{chosen});
}

void TestLanguageSwitch::preferenceRoundTrip_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("caption");   // of checkBox_ID at the next start

    const QString systemCaption =
        QLocale::system().name().startsWith(QLatin1String("fr")) ? QStringLiteral("ID :") : QStringLiteral("ID:");
    QTest::newRow("French") << "action_Fran_ais" << int(Preferences::Language::French) << "ID :";
    QTest::newRow("English") << "action_English" << int(Preferences::Language::English) << "ID:";
    QTest::newRow("Default") << "actionDefault" << int(Preferences::Language::Default) << systemCaption;
}

void TestLanguageSwitch::preferenceRoundTrip()
{
    QFETCH(QString, chosen);
    QFETCH(int, language);
    QFETCH(QString, caption);

    {
        // First run: the data folder does not exist yet and is made at start.
        MainWindow window;
        QVERIFY(QFileInfo(dataFolder()).isDir());
        action(window, "action_Fran_ais")->trigger();
        action(window, chosen)->trigger();
        QVERIFY2(!QFile::exists(preferenceFile()), "written before the window was destroyed");
    }
    QCOMPARE(readFile(preferenceFile()),
             Preferences::fileContents(Preferences::Language(language), format()));

    MainWindow next;
    QCOMPARE(checkedLanguageActions(next), QStringList{chosen});
    QCOMPARE(tick(next, "ID")->text(), caption);
    QCOMPARE(describe(shownStates(next)), describe(Options::defaultStates(true)));
}

void TestLanguageSwitch::startWithUnusablePreferences_data()
{
    QTest::addColumn<QString>("kind");   // what stands where the file or its folder should be
    QTest::addColumn<QByteArray>("contents");
    QTest::newRow("lower-case name") << "file" << QByteArray("PLX71.10\n2\n3\n4\nfrench\n");
    QTest::newRow("empty") << "file" << QByteArray();
    QTest::newRow("binary") << "file" << QByteArray("\x00\xff\xfe\x01\nFrench\n", 12);
    QTest::newRow("truncated after line 1") << "file" << QByteArray("PLX71.10\n");
    QTest::newRow("file is a folder") << "folder at file" << QByteArray();
    QTest::newRow("data folder is a file") << "file at folder" << QByteArray("keep me");
}

// Every such start is silent and in the Default language; whatever stood in the
// way is left as it was when the window goes.
void TestLanguageSwitch::startWithUnusablePreferences()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, contents);

    QVERIFY(QDir().mkpath(QFileInfo(dataFolder()).path()));
    QString blocker = preferenceFile();
    if (kind == QLatin1String("file at folder"))
        blocker = dataFolder();
    else
        QVERIFY(QDir().mkpath(dataFolder()));
    if (kind == QLatin1String("folder at file")) {
        QVERIFY(QDir().mkpath(blocker));
    } else {
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }

    {
        MainWindow window;
        QCOMPARE(checkedLanguageActions(window), QStringList{"actionDefault"});
        action(window, "action_English")->trigger();
    }
    if (kind == QLatin1String("folder at file"))
        QVERIFY(QFileInfo(blocker).isDir());
    else if (kind == QLatin1String("file at folder"))
        QCOMPARE(readFile(blocker), contents);
    else
        QCOMPARE(readFile(blocker), Preferences::fileContents(Preferences::Language::English, format()));
}

void TestLanguageSwitch::closingWritesOnce_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Ctrl+Q") << "shortcut";
    QTest::newRow("File > Exit") << "menu";
    QTest::newRow("close button") << "close";
}

// As in main(): closing ends the event loop, and the window writes the file when
// it is destroyed afterwards, not before.
void TestLanguageSwitch::closingWritesOnce()
{
    QFETCH(QString, how);

    auto window = std::make_unique<MainWindow>();
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    action(*window, "action_Fran_ais")->trigger();

    QTimer::singleShot(0, window.get(), [&] {
        if (how == QLatin1String("shortcut"))
            QTest::keyClick(window.get(), Qt::Key_Q, Qt::ControlModifier);
        else if (how == QLatin1String("menu"))
            action(*window, "action_Quit")->trigger();
        else
            window->close();
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, qApp, [] { QCoreApplication::exit(2); });
    watchdog.start(10000);
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!window->isVisible());
    QVERIFY2(!QFile::exists(preferenceFile()), "written before the window was destroyed");

    window.reset();
    QCOMPARE(readFile(preferenceFile()), Preferences::fileContents(Preferences::Language::French, format()));
}

QUILLARY_TEST_MAIN(TestLanguageSwitch)
#include "tst_languageswitch.moc"

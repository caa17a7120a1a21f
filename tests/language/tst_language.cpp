// The preference file, the translation lookup, and the Languages menu across window lifetimes.
#include "support/modaldriver.h"
#include "support/testapp.h"
#include "support/testdata.h"

#include "app/mainwindow.h"
#include "language/preferencefile.h"
#include "language/translationcheck.h"
#include "language/translationlookup.h"
#include "options/optioncatalogue.h"

#include <QtWidgets>

#include <memory>

namespace {

// A preference file as the program writes it, unless told otherwise.
// The preference file is a text file: CR LF ends its lines on Windows.
#ifdef Q_OS_WIN
const QByteArray eol = "\r\n";
#else
const QByteArray eol = "\n";
#endif

QByteArray fiveLines(const QByteArray &fifth, const QByteArray &first = "PLX71.10")
{
    return first + eol + "Quillary (Configuration File)" + eol + "Generate by: Quillary 1.2.0.0" + eol
           + "*** Default Language:" + eol + fifth + eol;
}

// The French translation cut short ("cut"), or with its first section, the language name, passed
// off as a table of contexts of size 0 ("bad"), by which an unchecked QTranslator divides.
QByteArray brokenFrench(const QString &damage)
{
    QByteArray qm = readFile(QUILLARY_QM_DIR "/LanguageData_fr.qm");
    if (damage == "cut")
        return qm.left(qm.size() * 2 / 3);
    return qm.replace(16, 7, QByteArray("\x2f\0\0\0\x05\0\0", 7));   // tag, length 5, size 0
}

// A translation file made up of these sections: a tag, then the section's bytes in hexadecimal.
QByteArray qmFile(const QList<QPair<int, QByteArray>> &sections)
{
    QByteArray qm = QByteArray::fromHex("3cb86418caef9c95cd211cbf60a1bddd");
    for (const auto &[tag, hex] : sections) {
        const QByteArray bytes = QByteArray::fromHex(hex);
        qm += char(tag) + QByteArray::fromHex(QByteArray::number(bytes.size(), 16).rightJustified(8, '0')) + bytes;
    }
    return qm;
}

const QByteArray binary("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xfe\0\x01", 20);

// The checked language actions, then a caption, list items (two with a number after a
// translated word) and a message text.
QStringList shown(const MainWindow &window)
{
    QStringList shown;
    for (const char *name : {"actionDefault", "action_English", "action_Fran_ais"})
        if (window.findChild<QAction *>(name)->isChecked())
            shown << name;
    auto item = [&](const char *box, int index) { return window.findChild<QComboBox *>(box)->itemText(index); };
    return shown << window.findChild<QCheckBox *>("checkBox_ID")->text() << item("comboBox_Power", 0)
                 << item("comboBox_Input01", Options::FirstFolderIndex)
                 << item("comboBox_Button2", Options::FirstSerialIndex)
                 << QCoreApplication::translate("MainWindow", "( write here your question... )")
                 << QCoreApplication::translate("QPlatformTheme", "Cancel");   // Qt's own, from Qt's translations
}

// Default follows the system, and falls back to the built-in English texts.
QStringList shownIn(const QString &language)
{
    if (language == "action_Fran_ais" || (language == "actionDefault" && QLocale::system().name().startsWith("fr")))
        return {language, "ID :", "Désactivé", "Dossier 000", "Commande série 001", "( écrivez votre question ici... )",
                "Annuler"};
    return {language, "ID:", "Off", "Folder 000", "Serial command 001", "( write here your question... )", "Cancel"};
}

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT

    // The per-user data folder and the preference file in it.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString file = data + "/Quillary.cfg";

private slots:
    void initTestCase() { QVERIFY(QDir::setCurrent(QUILLARY_QM_DIR)); }
    void init() { cleanup(); }
    void cleanup() { QFile::remove(data); QDir(data).removeRecursively(); }

    void readingRules_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("expected");   // the language, or "unchanged" when the file is not ours
        QTest::newRow("English") << fiveLines("English") << "English";
        QTest::newRow("French") << fiveLines("French") << "French";
        QTest::newRow("marks reversed among text") << fiveLines("French", "v1.10 for PLX7") << "French";
        QTest::newRow("model code only") << fiveLines("French", "PLX7") << "unchanged";
        QTest::newRow("version only") << fiveLines("French", "1.10") << "unchanged";
        QTest::newRow("lower-case name") << fiveLines("english") << "Default";
        QTest::newRow("trailing blank") << fiveLines("English ") << "Default";
        QTest::newRow("empty") << QByteArray() << "unchanged";
        QTest::newRow("truncated after line 1") << QByteArray("PLX71.10\n") << "Default";
        QTest::newRow("binary") << binary << "unchanged";
        QTest::newRow("NUL in line 5") << fiveLines(QByteArray("French\0x", 8)) << "Default";
    }
    void readingRules()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, expected);
        const auto language = Preferences::parseLanguage(contents);
        QCOMPARE(language ? QStringList({"Default", "English", "French"}).at(int(*language)) : "unchanged", expected);
    }

    // What QTranslator reads from a file is checked before it may load it: every length and offset.
    void translationFileCheck_data()
    {
        QTest::addColumn<QByteArray>("qm");
        QTest::addColumn<bool>("sound");
        // Messages: a source text "a", the translation "b", an old 4-byte item, the end; a hash
        // pointing at them; contexts: a one-bucket table and the name "c" in the pool after it; the
        // plural rule "between 2 and 4, or 1".
        const QPair<int, QByteArray> messages{0x69, "060000000161 03000000020062 0500000000 01"},
            hashes{0x42, "6861736800000000"}, contexts{0x2f, "0001 0001 0000 0163 00"}, rules{0x88, "040204fd0101"},
            name{0xa7, "6672"};
        const auto with = [&](const QPair<int, QByteArray> &changed) {
            QList<QPair<int, QByteArray>> sections{messages, hashes, contexts, rules, name};
            for (auto &section : sections)
                section = section.first == changed.first ? changed : section;
            return qmFile(changed.first == 0x96 ? sections << changed : sections);
        };
        QTest::newRow("sound") << with(name) << true;
        QTest::newRow("real French") << readFile(QUILLARY_QM_DIR "/LanguageData_fr.qm") << true;
        QTest::newRow("other magic") << with(name).replace(0, 1, "x") << false;
        QTest::newRow("more files to load") << with({0x96, "78"}) << false;
        QTest::newRow("section twice") << with(name) + with(name).mid(16) << false;
        QTest::newRow("empty section") << with({0x88, ""}) << false;
        QTest::newRow("section past the end") << with(name).chopped(1) << false;
        QTest::newRow("unknown message item") << with({0x69, "09000000016101"}) << false;
        QTest::newRow("translation of odd length") << with({0x69, "03000000016101"}) << false;
        QTest::newRow("hash to no message") << with({0x42, "6861736800000001"}) << false;
        QTest::newRow("hashes cut") << with({0x42, "68617368000000"}) << false;
        QTest::newRow("no context buckets") << with({0x2f, "00000000"}) << false;
        QTest::newRow("context past the end") << with({0x2f, "0001 0009 0000 0163 00"}) << false;
        QTest::newRow("context name cut") << with({0x2f, "0001 0001 0000 0563 00"}) << false;
        QTest::newRow("rule without operand") << with({0x88, "01"}) << false;
        QTest::newRow("unknown rule") << with({0x88, "0501"}) << false;
        QTest::newRow("rule marked invalid") << with({0x88, "8101"}) << false;
        QTest::newRow("rule ending in a joiner") << with({0x88, "0101fd"}) << false;
    }

    void translationFileCheck()
    {
        QFETCH(QByteArray, qm);
        QFETCH(bool, sound);
        QCOMPARE(Translation::isSoundTranslationFile(qm), sound);
    }

    void searchOrder_data()
    {
        // Working dir, executable dir, installed: a translation, broken French (see brokenFrench) or "-".
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QString>("play");   // "Play" as translated by what was loaded
        QTest::newRow("beside the executable first") << QStringList{"fr", "en", "fr"} << "Play";
        QTest::newRow("installed folder next") << QStringList{"en", "-", "fr"} << "Lecture";
        QTest::newRow("working directory last") << QStringList{"fr", "-", "-"} << "Lecture";
        QTest::newRow("broken files passed over") << QStringList{"en", "bad", "cut"} << "Play";
        QTest::newRow("nowhere, or broken only") << QStringList{"-", "cut", "bad"} << "";
    }
    void searchOrder()
    {
        QFETCH(QStringList, present);
        QFETCH(QString, play);
        QTemporaryDir root;
        const QString home = root.filePath("home"), bin = root.filePath("prefix/bin");
        const QStringList places = {home, bin, QDir::cleanPath(root.filePath("prefix/" QUILLARY_TRANSLATIONS_DIR))};
        for (int i = 0; i < places.size(); ++i) {
            QVERIFY(QDir().mkpath(places[i]));
            const QString qm = QString(QUILLARY_QM_DIR "/LanguageData_%1.qm").arg(present[i]);
            const QString copy = places[i] + "/LanguageData_xx.qm";
            QVERIFY(present[i] == "-" || QFile::copy(qm, copy) || writeFile(copy, brokenFrench(present[i])));
        }
        QTranslator translator;
        QByteArray bytes;
        QCOMPARE(Translation::loadFromFolders(translator, bytes, "LanguageData_xx", Translation::searchFolders(home, bin)),
                 !play.isEmpty());
        QCOMPARE(translator.translate("MainWindow", "Play"), play);
        QCOMPARE(Translation::searchFolders().first(), QCoreApplication::applicationDirPath());
        QCOMPARE(Translation::searchFolders().last(), QDir::currentPath());
    }

    void switchAndRestart_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("foreign");    // where a file not ours stands at the start, if anywhere
        QTest::addColumn<QByteArray>("saved");   // what the preference file, or that file, holds at the end
        QTest::addColumn<QString>("next");       // the language at the next start
        const QString english = "action_English", french = "action_Fran_ais", byDefault = "actionDefault";
        QTest::newRow("English to French") << english << french << "" << fiveLines("French") << french;
        QTest::newRow("French to English, over a foreign file") << french << english << file << fiveLines("English")
                                                                << english;
        QTest::newRow("French to Default") << french << byDefault << "" << fiveLines("(default)") << byDefault;
        QTest::newRow("data folder is a regular file") << french << english << data << binary << byDefault;
    }
    // Values and ticks stay, and the player's file does not depend on the interface language. The window's size and place,
    // and the preview and the tool bar shown or hidden, come back in the next run.
    // Closing (the changes discarded) ends the event loop as in main(); the preference file is
    // written when the window is destroyed, silently, and an obstacle is left as it was.
    void switchAndRestart()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, foreign);
        QFETCH(QByteArray, saved);
        QFETCH(QString, next);
        const QString kept = foreign.isEmpty() ? file : foreign;
        QVERIFY(foreign.isEmpty() || (QDir().mkpath(QFileInfo(foreign).path()) && writeFile(foreign, binary)));
        const QByteArray before = readFile(kept);
        auto window = std::make_unique<MainWindow>();
        QCOMPARE(shown(*window), shownIn("actionDefault"));
        window->show();
        const Options::OptionStates edited = sampleStates(3);   // every third row unticked, the others changed
        window->setOptionStates(edited);
        trigger(*window, from);
        trigger(*window, to);
        // Their View items turn the preview and the tool bar round.
        const bool previewHidden = !window->findChild<QDockWidget *>()->isHidden();
        const bool toolBarHidden = !window->findChild<QToolBar *>()->isHidden();
        trigger(*window, "action_View_Preview");
        trigger(*window, "action_View_Tool_Bar");
        QCOMPARE(shown(*window), shownIn(to));
        QCOMPARE(describe(window->optionStates()), describe(edited));
        // The next run opens as wide as the window was left, and no taller than its screen.
        const QRect available = window->screen()->availableGeometry();
        window->setGeometry(available.x() + 9, available.y() + 9, available.width() - 18, 2 * available.height());
        const int width = window->width();
        ModalDriver driver;
        driver.answerMessageBox(QMessageBox::Discard);
        QTimer::singleShot(0, window.get(), [&] { window->close(); });
        QTimer::singleShot(10000, window.get(), [] { QCoreApplication::exit(2); });   // never hang
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY2(readFile(kept) == before, "written before the window was destroyed");
        window.reset();
        QVERIFY2(driver.finished(), qPrintable(driver.problems().join("; ")));
        QCOMPARE(readFile(kept), saved);
        MainWindow again;
        QCOMPARE(again.width(), width);
        QCOMPARE(again.findChild<QDockWidget *>()->isHidden(), previewHidden);
        QCOMPARE(again.findChild<QToolBar *>()->isHidden(), toolBarHidden);
        QVERIFY(again.frameGeometry().height() <= available.height());
        QCOMPARE(shown(again), shownIn(next));
        QCOMPARE(describe(again.optionStates()), describe(Options::defaultStates(true)));
    }
};

QUILLARY_TEST_MAIN(TestLanguage)
#include "tst_language.moc"

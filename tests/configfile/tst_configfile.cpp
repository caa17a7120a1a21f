// The configuration file in the window: Import and its report, files dropped, Save and Save As, and the
// question before unsaved rows are lost.
#include "app/commandline.h"
#include "app/globals.h"
#include "app/mainwindow.h"
#include "app/settings.h"
#include "configfile/configwriter.h"
#include "configfile/importreport.h"
#include "files/atomicsave.h"
#include "language/preferencefile.h"
#include "support/modaldriver.h"
#include "support/testapp.h"
#include "support/testdata.h"

#include <QtWidgets>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

Q_DECLARE_METATYPE(Options::OptionStates)

namespace {

enum Way { CtrlQ, FileExit, CloseButton, ImportCommand };   // of losing the rows
enum Answer { Save, SaveCancelled, SaveFails, Discard, Cancel, Unmodified };   // to the question
enum Opening { ByImport, ByCommandLine, ByDrop };   // of a file to import

// Puts what `swap` names in place of the file at `path`.
bool replaceFile(const QString &swap, const QString &path)
{
    QFile::remove(path);
    QFile huge(path);   // sparse: 8 GiB that take no room and far longer than half a second to read
    if (swap == "huge")
        return huge.open(QIODevice::WriteOnly) && huge.resize(8LL << 30);
    if (swap == "directory")
        return QDir().mkdir(path);
#ifdef Q_OS_UNIX
#ifdef Q_OS_LINUX
    if (swap == "unreadable")   // a regular file to stat, whose every read fails
        return QFile::link(QStringLiteral("/proc/self/mem"), path);
#endif
    if (swap == "FIFO")
        return mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    if (swap == "socket") {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof address.sun_path);
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        const bool bound = bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
        close(fd);   // the socket's name stays
        return bound;
    }
    // A zero device node of its own where allowed (as root), so that a save that wrongly replaces
    // what the link points to never replaces /dev/zero.
    struct stat zero {};
    if (swap == "link to the zero device" && stat("/dev/zero", &zero) == 0) {
        const QString node = path + ".node";
        const bool own = mknod(QFile::encodeName(node).constData(), S_IFCHR | 0666, zero.st_rdev) == 0;
        return QFile::link(own ? node : QStringLiteral("/dev/zero"), path);
    }
#endif
    return swap == "gone";
}

// Drops `urls` on the window as a file manager does: a drop goes where the drag was taken.
void drop(QWidget &window, const QList<QUrl> &urls)
{
    QMimeData dropped;
    dropped.setUrls(urls);
    QDragEnterEvent enter(QPoint(), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QDropEvent drop(QPointF(), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    QApplication::sendEvent(&window, &drop);
}

} // namespace

class TestConfigFile : public QObject
{
    Q_OBJECT

    QString path(const QString &name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;

private slots:
    // Every dialog an import can end with, whichever way the file came: a warning that leaves the rows alone, or
    // the report, which can be shown again until the next import; or none when a long import is cancelled. What is
    // not a regular file is neither read (import, preference file) nor replaced (generate), at once. A file with
    // no option line, or not text, leaves the rows alone. The rows whose last line was refused or read otherwise
    // than it says are marked, the tooltip saying why, until edited.
    void importEndsInUsableBox_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("swap");   // what stands in the file's place, if anything
        QTest::addColumn<int>("opening");
        QTest::addColumn<Options::OptionStates>("after");
        QTest::addColumn<QString>("text");   // of the last dialog: a box's text, or the report's summary and report
        QTest::addColumn<QStringList>("marks");   // the marked rows' tooltips
        const auto row = [](const QString &name, const QByteArray &file, const QString &swap, Opening opening,
                            const Options::OptionStates &after, const QString &text, const QStringList &marks = {}) {
            QTest::newRow(qPrintable(name)) << file << swap << int(opening) << after << text << marks;
        };
        const Options::OptionStates kept = sampleStates(2);   // every row: an import must set them all
        row("gone", "", "gone", ByCommandLine, kept, "The specified configuration file does not exist!");
        QStringList special{"directory"};
#ifdef Q_OS_UNIX
        special << "FIFO" << "socket" << "link to the zero device";
#endif
        for (const QString &swap : special)
            row(swap, "", swap, ByCommandLine, kept, "The specified configuration file cannot be opened!\nNot a regular file");
        row("cancelled", "", "huge", ByCommandLine, kept, "Reading the configuration file...");
#ifdef Q_OS_LINUX
        row("unreadable", "", "unreadable", ByCommandLine, kept, "The specified configuration file cannot be opened!\n"
            "Input/output error");
#endif
        row("taller than the screen", QByteArray("#POWER:1\n").repeated(299) + "#POWER:9\n", "", ByImport,
            ticked({{Power, 1}}), "Option lines: 300, refused: 1, warnings: 1\n" + reportLine("#POWER:").repeated(299)
                + reportLine("#POWER:", 300) + "\nReasons and warnings:\nLine 300: #POWER: '9' is outside 0 to 1 (0 Off, "
                "1 On); the row keeps 1 (On)\nLine 300: #POWER is given on 300 lines (1, 2, 3, 4, ..., 300): line 299 is "
                "taken, the later ones are refused\n", {"Line 300: #POWER: '9' is outside 0 to 1 (0 Off, 1 On); the row "
                "keeps 1 (On)"});
        const QStringList openings{"Import", "command line", "dropped"};
        for (const VerdictCase &file : verdictCases()) {
            QStringList notes = file.notes();
            notes.replaceInStrings(QRegularExpression("^-: "), "").replaceInStrings(QRegularExpression("^(\\d)"), "Line \\1");
            const QString lines = file.lines().join('\n') + (file.lines().isEmpty() ? "" : "\n");
            const QString said = lines + (notes.isEmpty() ? "" : QString(lines.isEmpty() ? "" : "\n") + "Reasons and "
                                                                    "warnings:\n" + notes.join('\n') + '\n');
            for (int opening = ByImport; opening <= (file.name == "clean" ? ByDrop : ByImport); ++opening)
                row(file.name + ", " + openings[opening], file.file, "", Opening(opening), file.rows.value_or(kept),
                    file.summary == "not text" ? "The specified configuration file cannot be imported: "
                                                     + ConfigReader::notTextMessage() + "." : file.summary + '\n' + said,
                    file.marks);
        }
    }

    void importEndsInUsableBox()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, swap);
        QFETCH(int, opening);
        QFETCH(Options::OptionStates, after);
        QFETCH(QString, text);
        QFETCH(QStringList, marks);
        MainWindow window;
        window.setOptionStates(sampleStates(2));
        QAction *again = window.findChild<QAction *>("action_Import_Report");
        again->setEnabled(true);   // as after an earlier import: this one's report replaces it, or none
        const QString name = path(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(swap.isEmpty() ? writeFile(name, file) : replaceFile(swap, name));
        bool usable = true, scrolls = false, fixed = false, wraps = false;
        ModalDriver driver;
        driver.answerMessageBox(QMessageBox::Discard);
        if (opening == ByImport)
            driver.chooseFile(name);
        driver.handleNext([&](QWidget *w) {
            if (auto *progress = qobject_cast<QProgressDialog *>(w))
                return progress->cancel();
            usable = w->findChild<QDialogButtonBox *>()->isVisible()
                     && w->screen()->availableGeometry().contains(w->frameGeometry());
            if (auto *view = w->findChild<QPlainTextEdit *>()) {   // the report, in a fixed-width font: its padding lines up
                scrolls = view->verticalScrollBar()->maximum() > 0 && view->toPlainText().contains("> ERROR Line(300)");
                fixed = QFontInfo(view->font()).fixedPitch();
                int widest = 0;
                for (const QString &line : view->toPlainText().split('\n'))
                    widest = qMax(widest, view->fontMetrics().horizontalAdvance(line));
                wraps = widest > view->viewport()->width() && view->horizontalScrollBar()->maximum() == 0;
            }
            w->close();
        });
        if (opening == ByImport)
            trigger(window, "action_Import_Configuration_File");
        else if (opening == ByCommandLine)   // as main() does, given a path relative to the working folder
            window.openFile(CommandLine::parseWindowArguments({"Quillary", QDir::current().relativeFilePath(name)}).file);
        else
            drop(window, {QUrl::fromLocalFile(name)});
        QTRY_VERIFY2(driver.finished(), qPrintable(driver.problems().join("; ")));
        QVERIFY(usable && !wraps);
        QCOMPARE(scrolls, file.size() > 1000);
        const bool taken = text.startsWith("Option lines:"), report = taken || text.startsWith("No option line");
        QCOMPARE(fixed, report);
        ModalDriver::Seen shown = driver.seen().last();
        QCOMPARE(shown.title, "Import Configuration File");
        QCOMPARE(shown.text, text);
        QCOMPARE(shown.icon, swap == "huge" ? QMessageBox::NoIcon : text.contains("refused: 0, warnings: 0")
                                                                        ? QMessageBox::Information : QMessageBox::Warning);
        QCOMPARE(describe(window.optionStates()), describe(after));
        QCOMPARE(window.isWindowModified(), !taken);
        QCOMPARE(again->isEnabled(), report);
        if (report) {   // shown again, as it was
            driver.cancelDialog();
            again->trigger();
            QCOMPARE(driver.seen().last().text, text);
        }
        const auto marked = [&window] {   // in no particular order
            QStringList marked;
            for (const QCheckBox *caption : window.findChildren<QCheckBox *>())
                if (!caption->icon().isNull() || !caption->toolTip().isEmpty())
                    marked << caption->toolTip();
            return marked.sort(), marked;
        };
        trigger(window, "action_English");   // refills the lists, yet keeps the marks and the path
        QCOMPARE(window.findChild<QLabel *>("label_Generate_Path")->text(), name);
        marks.sort();
        QCOMPARE(marked(), marks);
        for (QCheckBox *caption : window.findChildren<QCheckBox *>()) {   // an edit clears that row's mark only
            if (!caption->icon().isNull()) {
                marks.removeOne(caption->toolTip());
                caption->click();
                QCOMPARE(marked(), marks);
                break;
            }
        }
        if (swap.isEmpty() || swap == "gone" || swap == "huge" || swap == "unreadable")
            return;
        QVERIFY(!Preferences::readLanguage(name));
        if (QFileInfo(name).canonicalFilePath() == "/dev/zero")
            QSKIP("no device node of its own could be made to save to");
        const SaveOutcome generated = saveAtomically(name, ConfigWriter::fileContents(after));
        QVERIFY(!generated.saved && !generated.error.isEmpty());
        QVERIFY(QFileInfo::exists(name) && !QFileInfo(name).isFile());   // left as it was
    }

    // Several files, a folder or a web address dropped are refused at once; the status bar says why.
    void refusesOtherDrops_data()
    {
        QTest::addColumn<QStringList>("urls");
        QTest::addColumn<QString>("refusal");
        const QString file = QUrl::fromLocalFile(path("dropped.txt")).toString();
        QTest::newRow("two files") << QStringList{file, file} << "Drop one configuration file at a time.";
        QTest::newRow("folder") << QStringList{QUrl::fromLocalFile(m_dir.path()).toString()} << "A folder cannot be imported.";
        QTest::newRow("web address") << QStringList{"https://www.halvex.example/"} << "Only a file on this computer can be imported.";
    }

    void refusesOtherDrops()
    {
        QFETCH(QStringList, urls);
        QFETCH(QString, refusal);
        MainWindow window;
        drop(window, QUrl::fromStringList(urls));
        QCOMPARE(window.statusBar()->currentMessage(), refusal);
    }

    // Save writes the rows' own file again at once, and asks first if another program changed or removed it since;
    // while the rows belong to no file it is Save As, the dialog and its box. The modified marker follows the undo
    // history's clean state. When the session ends without leave to ask, unsaved rows go to a recovery file.
    void saveCommands_data()
    {
        QTest::addColumn<bool>("fromFile");   // the rows were imported from the file first
        QTest::addColumn<QString>("keys");    // or "session end"
        QTest::addColumn<QString>("onDisk");  // what another program did to the file meanwhile
        QTest::addColumn<QStringList>("dialogs");
        QTest::addColumn<bool>("saved");
        const QString save = "Save Configuration File", done = "Generate Configuration File";
        QTest::newRow("Save") << true << "Ctrl+S" << "" << QStringList() << true;
        QTest::newRow("Save, no file yet") << false << "Ctrl+S" << "" << QStringList{save, save, done} << true;
        QTest::newRow("Save As") << true << "Ctrl+Shift+S" << "" << QStringList{save, save, done} << true;
        QTest::newRow("changed on disk, saved over") << true << "Ctrl+S" << "changed" << QStringList{save} << true;
        // Closing asks first; a save given up there keeps the window open.
        QTest::newRow("changed on disk, cancelled") << true << "Ctrl+Q" << "changed" << QStringList{"Quillary", save}
                                                    << false;
        QTest::newRow("removed, saved again") << true << "Ctrl+S" << "removed" << QStringList{save} << true;
        QTest::newRow("session end") << true << "session end" << "" << QStringList() << false;
    }

    void saveCommands()
    {
        QFETCH(bool, fromFile);
        QFETCH(QString, keys);
        QFETCH(QString, onDisk);
        QFETCH(QStringList, dialogs);
        QFETCH(bool, saved);
        const QString file = path("saved.txt");
        QVERIFY(writeFile(file, "#ID:5\n"));
        Settings::clearRecentFiles();
        MainWindow window;
        window.show();
        ModalDriver driver;
        if (fromFile) {
            driver.cancelDialog();   // the import's report
            window.openFile(file);
        }
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.findChild<QSpinBox *>("spinBox_Volume")->setValue(50);
        if (onDisk == "changed") {   // one digit, as another program might change it: only the file's time tells
            QFile changed(file);
            QVERIFY(writeFile(file, "#ID:9\n") && changed.open(QIODevice::ReadWrite));
            QVERIFY(changed.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
        }
        QVERIFY(onDisk != "removed" || QFile::remove(file));
        const QByteArray before = readFile(file);
        if (keys == "Ctrl+Q")
            driver.answerMessageBox(QMessageBox::Save);
        if (!onDisk.isEmpty())
            driver.answerMessageBox(saved ? QMessageBox::Save : QMessageBox::Cancel);
        if (dialogs.size() == 3) {   // the file dialog, its question about replacing the file, the outcome
            driver.chooseFile(file);
            driver.answerMessageBox(QMessageBox::Yes);
            driver.answerMessageBox();
        }
        if (keys == "session end")
            QVERIFY(window.commitData(false));
        else
            QTest::keySequence(&window, QKeySequence(keys));
        QVERIFY2(driver.finished(), qPrintable(driver.problems().join("; ")));
        QStringList seen;
        for (const ModalDriver::Seen &dialog : driver.seen().mid(fromFile ? 1 : 0))
            seen << dialog.title;
        QCOMPARE(seen, dialogs);
        // The tool bar's twin of Save As names the key that does the same, and only that one.
        const QString twinTip = window.findChild<QAction *>("action_Generate_Configuration_File_ToolBar")->toolTip();
        QCOMPARE(twinTip.endsWith(" (" + keys + ")"), keys == "Ctrl+Shift+S");
        QCOMPARE(onDisk.isEmpty() || driver.seen().last().text.contains("changed or removed by another program"), true);
        QCOMPARE(readFile(file), saved ? ConfigWriter::fileContents(window.optionStates()) : before);
        QCOMPARE(window.windowTitle(), fromFile || saved ? "saved.txt[*] — Quillary" : "Quillary[*]");
        QCOMPARE(window.isWindowModified(), !saved);
        QVERIFY(window.isVisible());
        QCOMPARE(window.statusBar()->currentMessage(), saved ? "Saved to " + QDir::toNativeSeparators(file) : "");
        if (saved) {   // undone back to the saved rows, the marker clears again
            window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
            QVERIFY(window.isWindowModified());
            QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
            QVERIFY(!window.isWindowModified());
        }
        // The file read or saved last comes first in Open Recent, a missing one is greyed; Clear empties the list.
        QString recent = Settings::recentFiles().value(0);
        if (keys == "session end") {
            QCOMPARE(QFileInfo(recent).path(), QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation));
            QCOMPARE(readFile(recent), ConfigWriter::fileContents(window.optionStates()));
        } else {
            QCOMPARE(recent, file);
        }
        Settings::addRecentFile(path("gone.txt"));
        auto *menu = window.findChild<QMenu *>("menu_Open_Recent");
        emit menu->aboutToShow();
        const QList<QAction *> items = menu->actions();
        QCOMPARE(items.size(), Settings::recentFiles().size() + 2);   // the files, a separator, Clear
        QVERIFY(!items[0]->isEnabled() && items[0]->text().endsWith("gone.txt"));
        QVERIFY(items[1]->isEnabled() && items[1]->text().startsWith("&2 ") && items[1]->toolTip() == recent);
        items.last()->trigger();
        emit menu->aboutToShow();
        QVERIFY(Settings::recentFiles().isEmpty() && menu->actions().size() == 1 && !menu->actions()[0]->isEnabled());
    }

    // Before changed rows are lost, the user is asked; Save runs Generate, whose box tells how it went. Only a
    // save done, or Discard, lets the window close or the import go on. The dialogs start in the program's
    // folder until a file is chosen, then at that file; the next run starts in its folder.
    void unsavedChanges_data()
    {
        QTest::addColumn<int>("way");
        QTest::addColumn<int>("answer");
        const char *ways[] = {"Ctrl+Q", "File > Exit", "close button", "Import"};
        const char *answers[] = {"Save", "save cancelled", "save fails", "Discard", "Cancel", "unmodified"};
        for (int way = CtrlQ; way <= ImportCommand; ++way)
            for (int answer = Save; answer <= Unmodified; ++answer)
                QTest::addRow("%s, %s", ways[way], answers[answer]) << way << answer;
    }

    void unsavedChanges()
    {
        QFETCH(int, way);
        QFETCH(int, answer);
        configFilePath.clear();   // as if no file had ever been chosen
        Settings::setLastFolder(QString());
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
#ifdef Q_OS_WIN
        const QString file = path("bold&amp;&lt;i&gt;.txt"), program = QCoreApplication::applicationDirPath();   // no < > there
#else
        const QString file = path("<b>bold&amp;<i>.txt"), program = QCoreApplication::applicationDirPath();
#endif
        const QString refused = QCoreApplication::applicationFilePath() + "/config.txt";   // below a file
        QFile::remove(file);
        window.findChild<QSpinBox *>("spinBox_Volume")->setValue(answer == Unmodified ? 32 : 50);
        ModalDriver driver;
        const bool goesOn = answer == Save || answer == Discard || answer == Unmodified;
        if (answer != Unmodified)
            driver.answerMessageBox(answer == Discard ? QMessageBox::Discard : answer == Cancel ? QMessageBox::Cancel
                                                                                                : QMessageBox::Save);
        if (answer == Save || answer == SaveFails) {
            driver.chooseFile(answer == Save ? file : refused);
            driver.answerMessageBox();
        } else if (answer == SaveCancelled) {
            driver.cancelDialog();
        }
        if (way == ImportCommand && goesOn)
            driver.cancelDialog();   // the open dialog
        if (way == CtrlQ)
            QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
        else if (way == CloseButton)
            window.close();
        else
            trigger(window, way == FileExit ? "action_Quit" : "action_Import_Configuration_File_Toolbar");
        QVERIFY2(driver.finished(), qPrintable(driver.problems().join("; ")));
        QCOMPARE(window.isVisible(), way == ImportCommand || !goesOn);
        QCOMPARE(readFile(file), answer == Save ? ConfigWriter::fileContents(window.optionStates()) : "");
        QCOMPARE(window.isWindowModified(), answer != Save && answer != Unmodified);
        // Every dialog in turn: the question; the save dialog, in the program's folder at first; the save's outcome,
        // done or why not with the path as typed; the open dialog, at the file chosen last.
        QStringList expected;
        if (answer != Unmodified)
            expected << "Quillary: The options have been modified.\nDo you want to save your changes?";
        if (answer == Save || answer == SaveCancelled || answer == SaveFails)
            expected << "Save Configuration File: " + program + "/config.txt";
        if (answer == Save || answer == SaveFails)
            expected << "Generate Configuration File: " + (answer == Save ? "<b>Create configuration file done!</b>"
                : "Impossible to create configuration file!\n" + refused + ": " + saveAtomically(refused, {}).error);
        if (way == ImportCommand && goesOn)
            expected << "Open Configuration File: " + (answer == Save ? file : program);
        QStringList seen;
        for (const ModalDriver::Seen &dialog : driver.seen())
            seen << dialog.title + ": " + dialog.text;
        QCOMPARE(seen, expected);
        QCOMPARE(driver.seen().value(2).format, answer == SaveFails ? Qt::PlainText : Qt::AutoText);
        QCOMPARE(window.statusBar()->currentMessage(), answer == Save ? "Saved to " + QDir::toNativeSeparators(file) : "");
        auto *label = window.findChild<QLabel *>(QStringLiteral("label_Generate_Path"));
        QCOMPARE(label->text(), answer == Save ? file : answer == SaveFails ? refused : "");
        QVERIFY(label->sizeHint().width() >= label->fontMetrics().horizontalAdvance(label->text()));   // tags shown as typed
        QCOMPARE(Settings::startFolder(), answer == Save ? m_dir.path() : program);   // for the next run
        QVERIFY(QSettings().fileName().startsWith(QDir::homePath()));   // never the user's own
    }
};

QUILLARY_TEST_MAIN(TestConfigFile)
#include "tst_configfile.moc"

// The Generate and Import commands through the real window: its menu actions,
// shortcuts and tool-bar buttons, dialogs and message boxes.
#include "app/globals.h"
#include "app/mainwindow.h"
#include "configfile/configreader.h"
#include "configfile/configwriter.h"
#include "randomstates.h"
#include "support/modaldriver.h"
#include "support/testapp.h"
#include "testfiles.h"
#include "windowrows.h"

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolBar>

namespace {

const QString importDone = QStringLiteral("<br></br><br><b>Import configuration file done!</b></br>");

QString reportLine(const char *key, int errorLine = 0)
{
    const QString padded = QString::fromLatin1(key).leftJustified(30, QLatin1Char('-'));
    return errorLine ? QStringLiteral("<br>%1> ERROR Line(%2)</br>").arg(padded).arg(errorLine)
                     : QStringLiteral("<br>%1> OK</br>").arg(padded);
}

// Runs a command the way a user would: "menu" triggers the menu action, "shortcut"
// presses its key, "toolbar" clicks the tool-bar twin's button.
void runCommand(MainWindow &window, const QString &how, const char *menuAction, const char *toolBarAction,
                Qt::Key key)
{
    if (how == QLatin1String("shortcut")) {
        QTest::keyClick(&window, key, Qt::ControlModifier);
    } else if (how == QLatin1String("toolbar")) {
        auto *action = window.findChild<QAction *>(toolBarAction);
        QWidget *button = window.findChild<QToolBar *>()->widgetForAction(action);
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
    } else {
        window.findChild<QAction *>(menuAction)->trigger();
    }
}

void generate(MainWindow &window, const QString &how = QStringLiteral("menu"))
{
    runCommand(window, how, "action_Generate_Configuration_File", "action_Generate_Configuration_File_ToolBar",
               Qt::Key_S);
}

void import(MainWindow &window, const QString &how = QStringLiteral("menu"))
{
    runCommand(window, how, "action_Import_Configuration_File", "action_Import_Configuration_File_Toolbar",
               Qt::Key_O);
}

// The next modal is a file dialog: type `path` as its file name and accept, from a
// later event when `deferred` so that the driver can answer a box the dialog opens
// (it asks before replacing a file). Typing rather than selectFile(): selectFile()
// leaves the name alone while the name field has the focus.
void choose(ModalDriver &driver, const QString &path, bool deferred = false)
{
    driver.handleNext([path, deferred](QWidget *w) {
        auto *dialog = qobject_cast<QDialog *>(w);
        w->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
        if (deferred)
            QTimer::singleShot(0, dialog, &QDialog::accept);
        else
            dialog->accept();
    });
}

// The next modal is the file dialog: check where it starts, then cancel it.
void expectDialogAt(ModalDriver &driver, const QString &path, QString *problem)
{
    driver.handleNext([path, problem](QWidget *w) {
        auto *dialog = qobject_cast<QFileDialog *>(w);
        const QString shown = dialog ? dialog->selectedFiles().value(0) : QString();
        if (QFileInfo(shown) != QFileInfo(path))
            *problem = QStringLiteral("dialog starts at \"%1\", expected \"%2\"").arg(shown, path);
        w->close();
    });
}

// The next modal is the open dialog: pick `path`; once picked, `meanwhile` runs
// before the window gets to read it (the file vanishes, becomes a folder, ...).
void chooseFileThen(ModalDriver &driver, const QString &path, const std::function<void()> &meanwhile)
{
    driver.handleNext([path, meanwhile](QWidget *w) {
        QObject::connect(qobject_cast<QFileDialog *>(w), &QFileDialog::fileSelected, meanwhile);
        w->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
        qobject_cast<QDialog *>(w)->accept();
    });
}

// The next modal is the save dialog's question before replacing a file: say yes.
void confirmReplace(ModalDriver &driver, bool *confirmed)
{
    driver.handleNext([confirmed](QWidget *w) {
        auto *box = qobject_cast<QMessageBox *>(w);
        *confirmed = box && box->button(QMessageBox::Yes);
        *confirmed ? box->button(QMessageBox::Yes)->click() : void(w->close());
    });
}

QLabel *pathLabel(MainWindow &window)
{
    return window.findChild<QLabel *>(QStringLiteral("label_Generate_Path"));
}

} // namespace

class TestConfigFileWindow : public QObject
{
    Q_OBJECT

private slots:
    void proposesConfigFileInProgramFolderFirst();
    void generatesThroughEachTrigger_data();
    void generatesThroughEachTrigger();
    void showsMarkupInPathAsText();
    void generatingTwiceReplacesFile();
    void warnsWhenFileCannotBeCreated();
    void dialogsStartFromLastChosenPath();
    void importsThroughEachTrigger_data();
    void importsThroughEachTrigger();
    void warnsWithoutTouchingRows_data();
    void warnsWithoutTouchingRows();
    void keepsLongReportUsable_data();
    void keepsLongReportUsable();
    void roundTripsWindowStates();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

void TestConfigFileWindow::proposesConfigFileInProgramFolderFirst()
{
    MainWindow window;
    ModalDriver driver;
    QString problem;
    expectDialogAt(driver, QCoreApplication::applicationDirPath() + QStringLiteral("/config.txt"), &problem);
    generate(window);
    QVERIFY2(driver.finished(), qPrintable(driver.problems().join("; ")));
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QVERIFY(driver.boxes().isEmpty());
    QVERIFY(pathLabel(window)->text().isEmpty());
}

void TestConfigFileWindow::generatesThroughEachTrigger_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("menu") << QStringLiteral("menu");
    QTest::newRow("Ctrl+S") << QStringLiteral("shortcut");
    QTest::newRow("tool bar") << QStringLiteral("toolbar");
}

void TestConfigFileWindow::generatesThroughEachTrigger()
{
    QFETCH(QString, how);
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const QString file = path(QStringLiteral("generated-%1.txt").arg(how));

    ModalDriver driver;
    choose(driver, file);
    driver.closeMessageBox();
    generate(window, how);
    QVERIFY2(driver.finished(), qPrintable(driver.problems().join("; ")));

    const QByteArray bytes = readFile(file);
    QCOMPARE(bytes.size(), 422);
    QCOMPARE(bytes, ConfigWriter::fileContents(Options::defaultStates(true)));
    QCOMPARE(pathLabel(window)->text(), file);
    QCOMPARE(configFilePath, file);
    QCOMPARE(driver.boxes().size(), 1);
    QCOMPARE(driver.boxes()[0].title, QStringLiteral("Generate Configuration File"));
    QCOMPARE(driver.boxes()[0].text, QStringLiteral("<b>Create configuration file done!</b>"));
    QCOMPARE(driver.boxes()[0].icon, QMessageBox::Information);
}

void TestConfigFileWindow::showsMarkupInPathAsText()
{
    MainWindow window;
    const QString file = path(QStringLiteral("<b>bold&amp;<i>.txt"));
    ModalDriver driver;
    choose(driver, file);
    driver.closeMessageBox();
    generate(window);
    QVERIFY2(driver.finished(), qPrintable(driver.problems().join("; ")));

    QLabel *label = pathLabel(window);
    QCOMPARE(label->text(), file);
    QCOMPARE(label->textFormat(), Qt::PlainText);
    // Rendered as markup the tags would take no room; as text every character does.
    QVERIFY(label->sizeHint().width() >= label->fontMetrics().horizontalAdvance(file));
}

void TestConfigFileWindow::generatingTwiceReplacesFile()
{
    MainWindow window;
    const QString file = path(QStringLiteral("twice.txt"));
    ModalDriver driver;
    choose(driver, file);
    driver.closeMessageBox();
    generate(window);
    QCOMPARE(readFile(file).size(), 422);

    // Nothing ticked: the second file is empty, and that is a success.
    window.findChild<QAction *>(QStringLiteral("action_Unselect_All_options"))->trigger();
    bool confirmed = false;
    choose(driver, file, true);
    confirmReplace(driver, &confirmed);
    driver.closeMessageBox();
    generate(window);
    QVERIFY2(driver.finished(), qPrintable(driver.problems().join("; ")));
    QVERIFY(confirmed);
    QVERIFY(QFileInfo::exists(file));
    QCOMPARE(readFile(file), QByteArray());
    QCOMPARE(driver.boxes().size(), 2);
    QCOMPARE(driver.boxes()[1].icon, QMessageBox::Information);
}

void TestConfigFileWindow::warnsWhenFileCannotBeCreated()
{
    MainWindow window;
    QVERIFY(writeFile(path(QStringLiteral("regular")), "x"));
    const QString file = path(QStringLiteral("regular/config.txt"));
    ModalDriver driver;
    choose(driver, file);
    driver.closeMessageBox();
    generate(window);
    QVERIFY2(driver.finished(), qPrintable(driver.problems().join("; ")));

    QCOMPARE(pathLabel(window)->text(), file);
    QCOMPARE(readFile(path(QStringLiteral("regular"))), QByteArray("x"));
    QCOMPARE(driver.boxes().size(), 1);
    QCOMPARE(driver.boxes()[0].title, QStringLiteral("Generate Configuration File"));
    QCOMPARE(driver.boxes()[0].text, QStringLiteral("Impossible to create configuration file!"));
    QCOMPARE(driver.boxes()[0].icon, QMessageBox::Warning);
}

void TestConfigFileWindow::dialogsStartFromLastChosenPath()
{
    MainWindow window;
    const QString generated = path(QStringLiteral("last-generated.txt"));
    const QString imported = path(QStringLiteral("last-imported.txt"));
    QVERIFY(writeFile(imported, "#ID:3\n"));
    QString problem;
    ModalDriver driver;
    choose(driver, generated);
    driver.closeMessageBox();
    generate(window);
    expectDialogAt(driver, generated, &problem);
    import(window);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    choose(driver, imported);
    driver.closeMessageBox();
    import(window);
    expectDialogAt(driver, imported, &problem);
    generate(window);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QVERIFY2(driver.finished(), qPrintable(driver.problems().join("; ")));
    QCOMPARE(pathLabel(window)->text(), imported);
}

void TestConfigFileWindow::importsThroughEachTrigger_data()
{
    generatesThroughEachTrigger_data();
}

void TestConfigFileWindow::importsThroughEachTrigger()
{
    QFETCH(QString, how);
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QRandomGenerator random(11);
    WindowRows::write(window, randomStates(random, 3));   // all of it must be reset
    const QString file = path(QStringLiteral("import-%1.txt").arg(how));
    QVERIFY(writeFile(file, "; heading\r\n  #ID:5\r\n#VOLUME:99\r\n#BUTTON1:RS999\r\n#BAUDRATE:9600"));

    ModalDriver driver;
    choose(driver, file);
    driver.closeMessageBox();
    import(window, how);
    QVERIFY2(driver.finished(), qPrintable(driver.problems().join("; ")));

    Options::OptionStates expected = Options::defaultStates(false);
    expected[0] = {true, 5};
    expected[1].included = true;
    expected[20] = {true, 2006};
    expected[22] = {true, 0};
    QCOMPARE(describeStates(WindowRows::read(window)), describeStates(expected));
    QCOMPARE(pathLabel(window)->text(), file);
    QCOMPARE(driver.boxes().size(), 1);
    QCOMPARE(driver.boxes()[0].title, QStringLiteral("Import Configuration File"));
    QCOMPARE(driver.boxes()[0].text, reportLine("#ID:") + reportLine("#VOLUME:", 3) + reportLine("#BUTTON1:")
                                         + reportLine("#BAUDRATE:") + importDone);
    QCOMPARE(driver.boxes()[0].icon, QMessageBox::Information);
}

void TestConfigFileWindow::warnsWithoutTouchingRows_data()
{
    QTest::addColumn<bool>("becomesFolder");
    QTest::addColumn<QString>("warning");
    QTest::newRow("file gone") << false << QStringLiteral("The specified configuration file does not exist!");
    QTest::newRow("now a folder") << true << QStringLiteral("The specified configuration file cannot be opened!");
}

void TestConfigFileWindow::warnsWithoutTouchingRows()
{
    QFETCH(bool, becomesFolder);
    QFETCH(QString, warning);
    MainWindow window;
    QRandomGenerator random(5);
    const Options::OptionStates before = randomStates(random, 1);
    WindowRows::write(window, before);
    const QString file = path(QStringLiteral("vanishing.txt"));
    QVERIFY(writeFile(file, "#ID:9\n"));

    ModalDriver driver;
    chooseFileThen(driver, file, [file, becomesFolder] {
        QFile::remove(file);
        if (becomesFolder)
            QDir().mkpath(file);
    });
    driver.closeMessageBox();
    import(window);
    QVERIFY2(driver.finished(), qPrintable(driver.problems().join("; ")));
    QDir(file).removeRecursively();

    QCOMPARE(describeStates(WindowRows::read(window)), describeStates(before));
    QCOMPARE(pathLabel(window)->text(), file);
    QCOMPARE(driver.boxes().size(), 1);
    QCOMPARE(driver.boxes()[0].title, QStringLiteral("Import Configuration File"));
    QCOMPARE(driver.boxes()[0].text, warning);
    QCOMPARE(driver.boxes()[0].icon, QMessageBox::Warning);
}

void TestConfigFileWindow::keepsLongReportUsable_data()
{
    QTest::addColumn<int>("optionLines");
    QTest::addColumn<QString>("leftOut");
    QTest::newRow("fits the box") << 5 << QString();
    QTest::newRow("taller than the screen") << 40 << QString();
    QTest::newRow("beyond the limit") << ConfigReader::MaxReportLines + 50
                                      << QStringLiteral("50 more report lines are not shown.");
}

void TestConfigFileWindow::keepsLongReportUsable()
{
    QFETCH(int, optionLines);
    QFETCH(QString, leftOut);
    MainWindow window;
    const QString file = path(QStringLiteral("long.txt"));
    QVERIFY(writeFile(file, QByteArray("#VOLUME:7\n").repeated(optionLines - 1) + "#VOLUME:77\n"));

    QString text, report;
    bool okReachable = false;
    ModalDriver driver;
    choose(driver, file);
    driver.handleNext([&](QWidget *w) {
        auto *box = qobject_cast<QMessageBox *>(w);
        text = box->text();
        if (auto *view = box->findChild<QTextBrowser *>())
            report = view->toPlainText();
        QAbstractButton *ok = box->button(QMessageBox::Ok);
        okReachable = ok && ok->isVisible() && box->screen()->availableGeometry().contains(box->frameGeometry());
        box->accept();
    });
    import(window);
    QVERIFY2(driver.finished(), qPrintable(driver.problems().join("; ")));
    QVERIFY(okReachable);
    QCOMPARE(window.findChild<QSpinBox *>(QStringLiteral("spinBox_Volume"))->value(), 7);

    const QString lastLine = QStringLiteral("#VOLUME:----------------------> ERROR Line(%1)").arg(optionLines);
    if (optionLines == 5) {
        // Short enough: the report stands in the box itself.
        QVERIFY(report.isEmpty());
        QCOMPARE(text.count(QLatin1String("<br>#VOLUME:")), optionLines);
        QVERIFY(text.endsWith(reportLine("#VOLUME:", optionLines) + importDone));
        return;
    }
    QVERIFY(text.contains(QLatin1String("<b>Import configuration file done!</b>")));
    const int shown = qMin(optionLines, ConfigReader::MaxReportLines);
    QCOMPARE(report.count(QLatin1String("#VOLUME:----------------------> OK")), shown - (leftOut.isEmpty() ? 1 : 0));
    QCOMPARE(report.contains(lastLine), leftOut.isEmpty());
    if (!leftOut.isEmpty())
        QVERIFY(report.trimmed().endsWith(leftOut));
}

void TestConfigFileWindow::roundTripsWindowStates()
{
    MainWindow window;
    QRandomGenerator random(31);
    // Samples 110 to 129 put RS997 and RS998 on the buttons, among others.
    for (int k = 110; k < 130; ++k) {
        Options::OptionStates written = randomStates(random, k);
        written[20].included = written[21].included = true;
        WindowRows::write(window, written);
        const QString file = path(QStringLiteral("roundtrip-%1.txt").arg(k));
        ModalDriver driver;
        choose(driver, file);
        driver.closeMessageBox();
        generate(window);
        WindowRows::write(window, randomStates(random, k + 1));
        choose(driver, file);
        driver.closeMessageBox();
        import(window);
        QVERIFY2(driver.finished(), qPrintable(driver.problems().join("; ")));
        QCOMPARE(describeStates(WindowRows::read(window)), describeStates(expectedAfterImport(written)));
        QVERIFY2(!driver.boxes().value(1).text.contains(QLatin1String("ERROR")), qPrintable(driver.boxes().value(1).text));
    }
}

QUILLARY_TEST_MAIN(TestConfigFileWindow)
#include "tst_configfile_window.moc"

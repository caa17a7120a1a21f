// The option catalogue and the main window as the user finds it: rows, defaults,
// the commands that reset and tick them, shortcuts and tool-bar twins.
#include "app/globals.h"
#include "app/mainwindow.h"
#include "support/modaldriver.h"
#include "support/testapp.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QSpinBox>

static void trigger(QWidget &window, const QString &action)
{
    QAction *a = window.findChild<QAction *>(action);
    QVERIFY2(a, qPrintable(action));
    a->trigger();
}

class TestOptions : public QObject
{
    Q_OBJECT

private slots:
    void functionList_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("token");
        QTest::newRow("first") << 0 << "Play" << "PLAY";
        QTest::newRow("last named") << 7 << "Volume -" << "VOLUME_MINUS";
        QTest::newRow("first folder") << 8 << "Folder 000" << "FOLDER000";
        QTest::newRow("last folder") << 1007 << "Folder 999" << "FOLDER999";
        QTest::newRow("first serial") << 1008 << "Serial command 001" << "RS001";
        QTest::newRow("last serial") << 2006 << "Serial command 999" << "RS999";
        QTest::newRow("no current item") << -1 << QString() << QString();
        QTest::newRow("past the end") << 2007 << QString() << QString();
    }

    void functionList()
    {
        QFETCH(int, index);
        QFETCH(QString, text);
        QFETCH(QString, token);
        QCOMPARE(Options::functionItemList().value(index), text);
        QCOMPARE(Options::functionToken(index), token);
    }

    // The reader maps every token back to its own index, whatever follows it; no token
    // begins another, so a token cut short is none.
    void everyTokenRoundTrips()
    {
        for (int i = 0; i < Options::FunctionCount; ++i) {
            const QString token = Options::functionToken(i);
            QCOMPARE(Options::functionIndexAtStart(token), i);
            QCOMPARE(Options::functionIndexAtStart(token + "9_Z"), i);
            QCOMPARE(Options::functionIndexAtStart(token.chopped(1)), -1);
        }
    }

    void tokenRecognition_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("index");
        QTest::newRow("trailing text ignored") << "PLAYER" << 0;
        QTest::newRow("folder with extra digit") << "FOLDER0012" << 9;
        QTest::newRow("lower case") << "play" << -1;
        QTest::newRow("leading blank") << " PLAY" << -1;
        QTest::newRow("short folder number") << "FOLDER5" << -1;
        QTest::newRow("serial zero does not exist") << "RS000" << -1;
        QTest::newRow("bare prefix") << "FOLDER" << -1;
        QTest::newRow("non-ascii digits") << QString::fromUtf8("RS\u0661\u0662\u0663") << -1;
    }

    void tokenRecognition()
    {
        QFETCH(QString, text);
        QFETCH(int, index);
        QCOMPARE(Options::functionIndexAtStart(text), index);
    }

    void windowAfterStart()
    {
        MainWindow window;
        QCOMPARE(window.windowTitle(), QString("Quillary"));
        QVector<int> values;
        for (const Options::OptionState &row : window.optionStates()) {
            QVERIFY(row.included);
            values << row.value;
        }
        QCOMPARE(values, QVector<int>({1, 32, 0, 0, 0, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21,
                                       22, 23, 7, 6, 1}));
        QCOMPARE(window.findChild<QComboBox *>("comboBox_Input15")->currentText(), QString("Folder 015"));
        QCOMPARE(window.findChild<QComboBox *>("comboBox_Monitor")->currentText(), QString("No monitoring mode"));
        QCOMPARE(window.findChild<QComboBox *>("comboBox_Baudrate")->currentText(), QString("19200"));
        QVERIFY(window.findChild<QLabel *>("label_Generate_Path")->text().isEmpty());
        // Object names that break the pattern, as other code looks them up.
        QCOMPARE(window.findChild<QLabel *>("label_Input03_Infos_2")->text(), QString("Input 4 function (#INPUT04)"));
        for (const char *name : {"label_Input05_infos", "label_Input06_infos", "label_Input15_infos"})
            QVERIFY2(window.findChild<QLabel *>(name), name);
        const auto functionBoxes = window.findChildren<QComboBox *>(QRegularExpression("^comboBox_(Input|Button)"));
        QCOMPARE(functionBoxes.size(), 17);
        for (const QComboBox *box : functionBoxes)
            QCOMPARE(box->count(), Options::FunctionCount);

        // The keys belong to the File menu, even after retranslating; and a second
        // window or a refill must not grow the keyword lists.
        MainWindow second;
        trigger(second, "action_English");
        for (QAction *a : second.findChildren<QAction *>(QRegularExpression("_Tool[Bb]ar$")))
            QVERIFY2(a->shortcut().isEmpty(), qPrintable(a->objectName()));
        QCOMPARE(optionKeywords, Options::optionKeywordTable());
        QCOMPARE(functionKeywords, Options::functionKeywordTable());
    }

    void commands_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("ticks");   // -1: kept and values reset to defaults; 0: none; 1: all
        QTest::newRow("defaults, menu") << "actionDefault_settings" << -1;
        QTest::newRow("defaults, tool bar") << "actionDefault_settings_ToolBar" << -1;
        QTest::newRow("select all, menu") << "action_Select_All_Options" << 1;
        QTest::newRow("select all, tool bar") << "action_Select_All_Options_Toolbar" << 1;
        QTest::newRow("unselect all, menu") << "action_Unselect_All_options" << 0;
        QTest::newRow("unselect all, tool bar") << "action_Unselect_All_options_Toolbar" << 0;
    }

    void commands()
    {
        QFETCH(QString, action);
        QFETCH(int, ticks);
        MainWindow window;
        Options::OptionStates before = Options::defaultStates(true);   // every value off its default
        for (Options::OptionState &row : before)
            row.value += 1;
        before[1].included = before[8].included = false;
        window.setOptionStates(before);
        trigger(window, action);
        const Options::OptionStates after = window.optionStates();
        for (int r = 0; r < Options::OptionCount; ++r) {
            QCOMPARE(after[r].value, ticks < 0 ? Options::catalogue()[r].defaultValue : before[r].value);
            QCOMPARE(after[r].included, ticks < 0 ? before[r].included : ticks == 1);
        }
    }

    void spinBoxLimits_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::newRow("ID") << "spinBox_ID" << 1 << 127;
        QTest::newRow("volume") << "spinBox_Volume" << 0 << 64;
        QTest::newRow("boot") << "spinBox_Boot" << 0 << 999;
    }

    void spinBoxLimits()
    {
        QFETCH(QString, name);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        MainWindow window;
        const auto *box = window.findChild<QSpinBox *>(name);
        QCOMPARE(qMakePair(box->minimum(), box->maximum()), qMakePair(minimum, maximum));
    }

    void shortcuts_data()
    {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("action");
        QTest::newRow("Ctrl+S opens a dialog") << QKeySequence("Ctrl+S") << "action_Generate_Configuration_File";
        QTest::newRow("Ctrl+O opens a dialog") << QKeySequence("Ctrl+O") << "action_Import_Configuration_File";
        QTest::newRow("Ctrl+D") << QKeySequence("Ctrl+D") << "actionDefault_settings";
        QTest::newRow("Ctrl+C") << QKeySequence("Ctrl+C") << "action_Select_All_Options";
        QTest::newRow("Ctrl+U") << QKeySequence("Ctrl+U") << "action_Unselect_All_options";
        QTest::newRow("Ctrl+Q") << QKeySequence("Ctrl+Q") << "action_Quit";
    }

    void shortcuts()
    {
        QFETCH(QKeySequence, keys);
        QFETCH(QString, action);
        MainWindow window;
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QSignalSpy triggered(window.findChild<QAction *>(action), &QAction::triggered);
        ModalDriver driver;
        if (QString(QTest::currentDataTag()).endsWith("dialog"))
            driver.cancelDialog();
        QTest::keySequence(&window, keys);
        QCOMPARE(triggered.count(), 1);
        QVERIFY2(driver.finished(), qPrintable(driver.problems().join("; ")));
        QCOMPARE(window.isVisible(), action != "action_Quit");
    }

    // The lists are sized without measuring every item at show time; they must
    // still show their longest item in full.
    void listsAreWideEnoughForTheirItems()
    {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (QComboBox *box : window.findChildren<QComboBox *>()) {
            int widest = 0;
            for (int i = 0; i < box->count(); ++i)
                widest = qMax(widest, box->fontMetrics().horizontalAdvance(box->itemText(i)));
            QStyleOptionComboBox option;
            option.initFrom(box);
            const QRect text = box->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                            QStyle::SC_ComboBoxEditField, box);
            QVERIFY2(text.width() >= widest, qPrintable(box->objectName()));
        }
    }
};

QUILLARY_TEST_MAIN(TestOptions)
#include "tst_options.moc"

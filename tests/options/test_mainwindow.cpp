// The main window as the user finds it: rows, defaults, the commands that reset
// and tick them, shortcuts and tool-bar twins.
#include "app/globals.h"
#include "app/mainwindow.h"
#include "support/modaldriver.h"
#include "support/testapp.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSpinBox>

namespace {

// Some values that differ from every default, with rows 2 and 9 unticked.
Options::OptionStates edited()
{
    Options::OptionStates states = Options::defaultStates(true);
    for (int r = 0; r < Options::OptionCount; ++r)
        states[r].value += 1;
    states[1].included = false;
    states[8].included = false;
    return states;
}

void trigger(QWidget &window, const char *action)
{
    QAction *a = window.findChild<QAction *>(action);
    QVERIFY2(a, action);
    a->trigger();
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void startsWithEveryRowTickedAtItsDefault()
    {
        MainWindow window;
        QCOMPARE(window.windowTitle(), QString("Quillary"));
        QVector<int> values;
        for (const Options::OptionValue &row : window.optionStates()) {
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
    }

    // Filled once per window and never grown by a second window or a refill.
    void keywordListsStayFilledOnce()
    {
        MainWindow first;
        MainWindow second;
        trigger(second, "action_English");
        QCOMPARE(optionKeywords, Options::optionKeywordTable());
        QCOMPARE(functionKeywords, Options::functionKeywordTable());
    }

    void commands_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("resetsValues");
        QTest::addColumn<int>("ticks");   // -1 unchanged, 0 none, 1 all
        QTest::newRow("defaults, menu") << "actionDefault_settings" << true << -1;
        QTest::newRow("defaults, tool bar") << "actionDefault_settings_ToolBar" << true << -1;
        QTest::newRow("select all, menu") << "action_Select_All_Options" << false << 1;
        QTest::newRow("select all, tool bar") << "action_Select_All_Options_Toolbar" << false << 1;
        QTest::newRow("unselect all, menu") << "action_Unselect_All_options" << false << 0;
        QTest::newRow("unselect all, tool bar") << "action_Unselect_All_options_Toolbar" << false << 0;
    }

    void commands()
    {
        QFETCH(QString, action);
        QFETCH(bool, resetsValues);
        QFETCH(int, ticks);
        MainWindow window;
        const Options::OptionStates before = edited();
        window.setOptionStates(before);
        trigger(window, qPrintable(action));
        const Options::OptionStates after = window.optionStates();
        for (int r = 0; r < Options::OptionCount; ++r) {
            const int expectedValue = resetsValues ? Options::catalogue()[r].defaultValue : before[r].value;
            QCOMPARE(after[r].value, expectedValue);
            const bool expectedTick = ticks < 0 ? before[r].included : ticks == 1;
            QCOMPARE(after[r].included, expectedTick);
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
        auto *box = window.findChild<QSpinBox *>(name);
        QVERIFY(box);
        box->setValue(minimum - 1);
        QCOMPARE(box->value(), minimum);
        box->setValue(maximum + 1);
        QCOMPARE(box->value(), maximum);
    }

    void shortcuts_data()
    {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("opensDialog");
        QTest::newRow("Ctrl+S") << QKeySequence("Ctrl+S") << "action_Generate_Configuration_File" << true;
        QTest::newRow("Ctrl+O") << QKeySequence("Ctrl+O") << "action_Import_Configuration_File" << true;
        QTest::newRow("Ctrl+D") << QKeySequence("Ctrl+D") << "actionDefault_settings" << false;
        QTest::newRow("Ctrl+C") << QKeySequence("Ctrl+C") << "action_Select_All_Options" << false;
        QTest::newRow("Ctrl+U") << QKeySequence("Ctrl+U") << "action_Unselect_All_options" << false;
        QTest::newRow("Ctrl+Q") << QKeySequence("Ctrl+Q") << "action_Quit" << false;
    }

    void shortcuts()
    {
        QFETCH(QKeySequence, keys);
        QFETCH(QString, action);
        QFETCH(bool, opensDialog);
        MainWindow window;
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QSignalSpy triggered(window.findChild<QAction *>(action), &QAction::triggered);
        ModalDriver driver;
        if (opensDialog)
            driver.cancelDialog();
        QTest::keySequence(&window, keys);
        QCOMPARE(triggered.count(), 1);
        QVERIFY2(driver.finished(), qPrintable(driver.problems().join("; ")));
        if (action == "action_Quit")
            QVERIFY(!window.isVisible());
    }

    // The tool bar offers no shortcuts of its own: the keys belong to the File menu.
    void toolBarActionsHaveNoShortcut()
    {
        MainWindow window;
        for (QAction *a : window.findChildren<QAction *>(QRegularExpression("_Tool[Bb]ar$")))
            QVERIFY2(a->shortcut().isEmpty(), qPrintable(a->objectName()));
        trigger(window, "action_English");   // retranslating must not bring one back
        for (QAction *a : window.findChildren<QAction *>(QRegularExpression("_Tool[Bb]ar$")))
            QVERIFY2(a->shortcut().isEmpty(), qPrintable(a->objectName()));
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

QUILLARY_TEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"

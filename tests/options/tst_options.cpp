// The option catalogue and the main window as the user finds it: rows, defaults,
// the commands that reset and tick them, shortcuts and tool-bar twins.
#include "app/elidedlabel.h"
#include "app/globals.h"
#include "app/mainwindow.h"
#include "app/readablecolour.h"
#include "options/functionsearch.h"
#include "support/modaldriver.h"
#include "support/testapp.h"
#include "support/testdata.h"

#include <QtWidgets>

#include <algorithm>

enum { Unchanged = -1 };
enum Ticks { TicksKept, NoneTicked, AllTicked };
constexpr int enter = Qt::Key_Return;

class TestOptions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(QDir::setCurrent(QUILLARY_QM_DIR)); }
    void cleanup() { QFile::remove(preferenceFilePath); }   // every window opens in the default language

    // Every value of every kind reads back from its text, and only from the text as written. A token is read at
    // the start of a longer value too; no token begins another, so a token cut short is none. Past either end of
    // the list there is none. The parser's and the writer's tables pin the tokens down.
    void everyValueRoundTrips()
    {
        for (int k = 0; k <= int(Options::ValueKind::Baudrate); ++k) {
            const auto kind = Options::ValueKind(k);
            const Options::KindFacts &facts = Options::facts(kind);
            for (int value = facts.minimum; value <= facts.maximum; ++value)
                QCOMPARE(Options::valueFromText(kind, Options::valueText(kind, value)), value);
            for (const QString &typed : {' ' + Options::valueText(kind, facts.minimum),
                                         Options::valueText(kind, facts.maximum) + '0'})
                QCOMPARE(Options::valueFromText(kind, typed), -1);
        }
        for (int i = 0; i < Options::FunctionCount; ++i) {
            const QString token = Options::functionToken(i);
            QCOMPARE(Options::functionIndexAtStart(token + "9_Z"), i);
            QCOMPARE(Options::functionIndexAtStart(token.chopped(1)), -1);
        }
        for (int outside : {-1, Options::FunctionCount})
            QVERIFY(Options::functionToken(outside).isEmpty() && Options::functionItemText(outside).isEmpty());
    }

    // The rows at start-up, with lists of all 2007 functions. The language tests check that the lists' texts
    // follow the language; the import's table, that a refill of the lists keeps the rows' marks.
    void windowAfterStart()
    {
        MainWindow window;
        QCOMPARE(window.windowTitle(), QString("Quillary[*]"));
        QCOMPARE(describe(window.optionStates()), describe(Options::defaultStates(true)));
        QCOMPARE(window.findChild<QComboBox *>("comboBox_Input15")->currentText(), QString("Folder 015"));
        QCOMPARE(window.findChild<QComboBox *>("comboBox_Monitor")->currentText(), QString("No monitoring mode"));
        QCOMPARE(window.findChild<QComboBox *>("comboBox_Baudrate")->currentText(), QString("19200"));
        for (const QString range : {"spinBox_ID 1 127", "spinBox_Volume 0 64", "spinBox_Boot 0 999"}) {
            const auto *box = window.findChild<QSpinBox *>(range.section(' ', 0, 0));
            QCOMPARE(QString("%1 %2 %3").arg(box->objectName()).arg(box->minimum()).arg(box->maximum()), range);
        }
        QVERIFY(window.findChild<QLabel *>("label_Generate_Path")->text().isEmpty());
        // Object names that break the pattern, as other code looks them up.
        QCOMPARE(window.findChild<QLabel *>("label_Input03_Infos_2")->text(), QString("Input 4 function (#INPUT04)"));
        for (const char *name : {"label_Input05_infos", "label_Input06_infos", "label_Input15_infos"})
            QVERIFY2(window.findChild<QLabel *>(name), name);
        const auto boxes = window.findChildren<QComboBox *>(QRegularExpression("^comboBox_(Input|Button)"));
        QCOMPARE(boxes.size(), 17);
        for (const QComboBox *box : boxes)
            QCOMPARE(box->count(), Options::FunctionCount);
        MainWindow second;   // neither a second window nor a refill may grow the keyword lists
        trigger(second, "action_Fran_ais");
        QCOMPARE(optionKeywords, Options::optionKeywordTable());
        QCOMPARE(functionKeywords, Options::functionKeywordTable());
    }

    // The commands on rows whose values are all off their defaults, two of them unticked. The window shows it
    // is modified ("[*]" in the title) while the rows differ from those at start-up.
    void commands_data()
    {
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<bool>("modified");
        QTest::newRow("defaults, menu") << QStringList{"actionDefault_settings"} << int(TicksKept) << true;
        QTest::newRow("defaults, tool bar") << QStringList{"actionDefault_settings_ToolBar"} << int(TicksKept) << true;
        QTest::newRow("select all, menu") << QStringList{"action_Select_All_Options"} << int(AllTicked) << true;
        QTest::newRow("select all, tool bar") << QStringList{"action_Select_All_Options_Toolbar"} << int(AllTicked) << true;
        QTest::newRow("unselect all, menu") << QStringList{"action_Unselect_All_options"} << int(NoneTicked) << true;
        QTest::newRow("unselect all, tool bar") << QStringList{"action_Unselect_All_options_Toolbar"} << int(NoneTicked)
                                                << true;
        QTest::newRow("back to start-up") << QStringList{"actionDefault_settings", "action_Fran_ais",
                                                         "action_Select_All_Options"} << int(AllTicked) << false;
    }

    void commands()
    {
        QFETCH(QStringList, actions);
        QFETCH(int, ticks);
        QFETCH(bool, modified);
        MainWindow window;
        Options::OptionStates before = sampleStates(2);
        before[Volume].included = before[Input01 + 3].included = false;
        window.setOptionStates(before);
        for (const QString &action : actions)
            trigger(window, action);
        const Options::OptionStates after = window.optionStates();
        for (int r = 0; r < Options::OptionCount; ++r) {
            QCOMPARE(after[r].value, actions.first().startsWith("actionDefault") ? Options::catalogue()[r].defaultValue
                                                                                 : before[r].value);
            QCOMPARE(after[r].included, ticks == TicksKept ? before[r].included : ticks == AllTicked);
        }
        QCOMPARE(window.isWindowModified(), modified);
    }

    // The File menu's keys trigger its commands; the tool bar's twins, which open the same dialogs, have none,
    // even after a language change.
    void shortcuts()
    {
        MainWindow window;
        trigger(window, "action_English");
        window.show();
        const QRegularExpression twinEnding("_Tool[Bb]ar$");   // the twin's tooltip names the menu's shortcut
        for (QAction *a : window.findChildren<QAction *>(twinEnding)) {
            const QString keys = window.findChild<QAction *>(a->objectName().remove(twinEnding))->shortcut().toString();
            QVERIFY2(a->shortcut().isEmpty() && a->toolTip().endsWith(" (" + keys + ")"), qPrintable(a->objectName()));
        }
        ModalDriver driver;
        for (const char *twin : {"action_Generate_Configuration_File_ToolBar", "action_Import_Configuration_File_Toolbar"}) {
            driver.cancelDialog();
            trigger(window, twin);
        }
        for (const QString keys : {"Ctrl+S action_Generate_Configuration_File", "Ctrl+O action_Import_Configuration_File",
                                   "Ctrl+D actionDefault_settings", "Ctrl+C action_Select_All_Options",
                                   "Ctrl+U action_Unselect_All_options", "Ctrl+Q action_Quit"}) {
            QSignalSpy triggered(window.findChild<QAction *>(keys.section(' ', 1)), &QAction::triggered);
            if (keys.endsWith("_File"))
                driver.cancelDialog();
            else if (keys.endsWith("_Quit"))
                driver.answerMessageBox(QMessageBox::Discard);   // the rows were unticked
            window.activateWindow();   // again, after a dialog
            QVERIFY(QTest::qWaitForWindowActive(&window));
            QTest::keySequence(&window, QKeySequence(keys.section(' ', 0, 0)));
            QVERIFY2(triggered.count() == 1, qPrintable(keys));
        }
        QVERIFY2(driver.finished(), qPrintable(driver.problems().join("; ")));
        QStringList titles;
        for (const ModalDriver::Seen &dialog : driver.seen())
            titles << dialog.title;
        const QStringList fileDialogs{"Save Configuration File", "Open Configuration File"};
        QCOMPARE(titles, fileDialogs + fileDialogs + QStringList("Quillary"));
        QVERIFY(!window.isVisible());
    }

    // Typed on a focused function list, then Enter or Escape: what the list holds after.
    void typingSelects_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("index");
        const QString en = "action_English", fr = "action_Fran_ais";
        QTest::newRow("text in French") << fr << "Lecture" << enter << 0;
        QTest::newRow("token with underscore") << en << "VOLUME_MINUS" << enter << 7;
        QTest::newRow("text with sign") << fr << "volume -" << enter << 7;
        QTest::newRow("folder text in French") << fr << "Dossier 000" << enter << 8;
        QTest::newRow("last folder") << en << "Folder 999" << enter << 1007;
        QTest::newRow("first digits: the value first") << en << "folder 5" << enter << 13;
        QTest::newRow("token, any language") << fr << "RS001" << enter << 1008;
        QTest::newRow("serial text in French, short number") << fr << "Commande série 1" << enter << 1008;
        QTest::newRow("serial short form") << en << "rs 12" << enter << 1019;
        QTest::newRow("last serial") << en << "Serial command 999" << enter << 2006;
        QTest::newRow("no match") << en << "xyz" << enter << int(Unchanged);
        QTest::newRow("Escape") << en << "f537" << int(Qt::Key_Escape) << int(Unchanged);
    }

    void typingSelects()
    {
        QFETCH(QString, language);
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(int, index);
        MainWindow window;
        trigger(window, language);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        // A list at the top and one at the bottom of the window: the search opens below the one, above the other.
        auto *box = window.findChild<QComboBox *>(typed.size() % 2 ? "comboBox_Input01" : "comboBox_Button2");
        window.findChild<QScrollArea *>()->ensureWidgetVisible(box);
        const int before = box->currentIndex();
        box->setFocus();
        QSignalSpy changed(box, qOverload<int>(&QComboBox::currentIndexChanged));
        QWidget *const focused = nullptr;   // keys go where the keyboard's would
        for (const QChar c : typed)
            QTest::sendKeyEvent(QTest::Click, focused, Qt::Key_unknown, c, Qt::NoModifier);
        const QRect popup = QApplication::activePopupWidget()->geometry(), boxArea(box->mapToGlobal(QPoint()), box->size());
        QVERIFY(box->screen()->availableGeometry().contains(popup) && !popup.intersects(boxArea));
        QTest::keyClick(focused, Qt::Key(key));
        QCOMPARE(box->currentIndex(), index == Unchanged ? before : index);
        QCOMPARE(changed.count(), index == Unchanged ? 0 : 1);
        QCOMPARE(window.isWindowModified(), index != Unchanged);
        QCOMPARE(box->toolTip().section('\n', 0, 0), Options::functionToken(box->currentIndex()));
        // Enter on no match keeps the search open and says so.
        QWidget *search = QApplication::activePopupWidget();
        QCOMPARE(search && search->findChild<QLabel *>()->isVisible(), key == enter && index == Unchanged);
        delete search;
    }

    // Every function comes first for a short form of its token: "F537", "R012", "N T".
    void everyFunctionWithinEightKeys()
    {
        const Options::FunctionSearch search;
        const QRegularExpression laterLetters("(?<=[A-Z])[A-Z]+");
        for (int i = 0; i < Options::FunctionCount; ++i) {
            const QString typed = Options::functionToken(i).remove(laterLetters).replace('_', ' ');
            const QVector<int> rank = search.ranks(typed);
            const auto before = [&](int other) { return other != Options::FunctionSearch::NoMatch && other < rank[i]; };
            QVERIFY2(typed.size() <= 8 && rank[i] != Options::FunctionSearch::NoMatch
                         && std::none_of(rank.begin(), rank.end(), before),
                     qPrintable(typed));
        }
    }

    // The shared list follows the language in place: no value moves, every text is the catalogue's.
    void listsFollowTheLanguage()
    {
        MainWindow window;
        int indexChanges = 0;
        for (QComboBox *box : window.findChildren<QComboBox *>())
            connect(box, qOverload<int>(&QComboBox::currentIndexChanged), [&] { ++indexChanges; });
        const auto boxes = window.findChildren<QComboBox *>(QRegularExpression("^comboBox_(Input|Button)"));
        for (const QString folder : {"Dossier 000", "Folder 000"}) {
            trigger(window, folder.startsWith('D') ? "action_Fran_ais" : "action_English");
            QCOMPARE(boxes.first()->itemText(Options::FirstFolderIndex), folder);
            for (int i = 0; i < Options::FunctionCount; ++i)
                QCOMPARE(boxes.at(i % boxes.size())->itemText(i), Options::functionItemText(i));
        }
        QCOMPARE(indexChanges, 0);
    }

    // ctest runs this once more at scale factor 2, where the screen is half as wide.
    void rowsFitTheWindow_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("points");
        QTest::addColumn<QString>("input01Name");
        for (int points : {9, 11}) {
            QTest::addRow("English, %d pt", points) << "action_English" << points << "Input 01";
            QTest::addRow("French, %d pt", points) << "action_Fran_ais" << points << QString::fromUtf8("Entrée 01");
        }
    }

    void rowsFitTheWindow()
    {
        QFETCH(QString, language);
        QFETCH(int, points);
        QFETCH(QString, input01Name);
        const QFont original = QApplication::font();
        QApplication::setFont(QFont(original.family(), points));
        const auto restore = qScopeGuard([&] { QApplication::setFont(original); });
        MainWindow window;
        // A light theme at 9 pt, a dark one at 11: the descriptions and the path are readable, yet softer than
        // the captions. Known figures first: black on white, and the old fixed grey on a light window.
        QCOMPARE(ReadableColour::contrastRatio(Qt::black, Qt::white), 21.0);
        QCOMPARE(qRound(10 * ReadableColour::contrastRatio(QColor(172, 163, 153), QColor(239, 239, 239))), 22);
        const QPalette palette(points == 9 ? QColor(239, 239, 239) : QColor(53, 53, 53));   // text in contrast
        window.setPalette(palette);
        const auto contrast = [&](const QWidget *w) {
            return ReadableColour::contrastRatio(w->palette().color(QPalette::WindowText), palette.color(QPalette::Window));
        };
        const double plain = contrast(&window), path = contrast(window.findChild<QLabel *>("label_Generate_Path"));
        qInfo("descriptions and path %.2f:1, window text %.2f:1", path, plain);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        trigger(window, language);   // the window fits the new texts
        QTest::qWait(0);
        // A long path must not force the window wider.
        window.findChild<QLabel *>("label_Generate_Path")->setText("/" + QString(300, 'x') + "/config.txt");
        QTest::qWait(0);
        QVERIFY(window.minimumSizeHint().width() <= window.width());
        const auto *area = window.findChild<QScrollArea *>("scrollArea");
        QVERIFY(!area->horizontalScrollBar()->isVisible());
        QCOMPARE(window.findChild<QWidget *>("comboBox_Input01")->accessibleName(), input01Name);
        const auto infos = area->widget()->findChildren<ElidedLabel *>();
        QCOMPARE(infos.size(), Options::OptionCount);
        // Descriptions give way only where the screen is too narrow for the rows.
        const bool roomy = window.frameGeometry().width() < window.screen()->availableGeometry().width();
        QSet<int> editorLefts;
        for (const ElidedLabel *info : infos) {
            QVERIFY2(!roomy || !info->isElided(), qPrintable(info->objectName()));
            const QWidget *editor = info->buddy();
            QVERIFY2(editor, qPrintable(info->objectName()));
            const auto *caption = area->widget()->findChild<QCheckBox *>("checkBox_" + editor->objectName().section('_', 1));
            QVERIFY2(caption->width() >= caption->sizeHint().width(), qPrintable(caption->objectName()));
            const QRect shown(editor->mapTo(area->viewport(), QPoint()), editor->size());
            QVERIFY2(shown.left() >= 0 && shown.right() < area->viewport()->width(), qPrintable(editor->objectName()));
            editorLefts << shown.left();
            QVERIFY(editor->accessibleName().contains(caption->text().remove(':').trimmed()));
            // The lists are sized without measuring every item at show time, yet show their longest in full.
            if (const auto *list = qobject_cast<const QComboBox *>(editor)) {
                int widest = 0;
                for (int i = 0; i < list->count(); ++i)
                    widest = qMax(widest, list->fontMetrics().horizontalAdvance(list->itemText(i)));
                QStyleOptionComboBox option;
                option.initFrom(list);
                const QRect text = list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                                 QStyle::SC_ComboBoxEditField, list);
                QVERIFY2(text.width() >= widest, qPrintable(list->objectName()));
            }
            QCOMPARE(editor->accessibleDescription(), info->text());
            QVERIFY(contrast(info) >= ReadableColour::MinimumContrast && contrast(info) < plain && contrast(info) == path);
        }
        QCOMPARE(editorLefts.size(), 1);
    }
};

QUILLARY_TEST_MAIN(TestOptions)
#include "tst_options.moc"

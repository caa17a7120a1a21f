// The option catalogue and the rows of the main window as the user edits them: every change one step to undo
// and redo, picking by typing, the wheel, and the rows' layout.
#include "app/mainwindow.h"
#include "configfile/configwriter.h"
#include "document/optiondocument.h"
#include "language/languageglobals.h"
#include "options/functionsearch.h"
#include "preview/filepreview.h"
#include "support/modaldriver.h"
#include "support/testapp.h"
#include "support/testdata.h"
#include "widgets/elidedlabel.h"
#include "widgets/readablecolour.h"

#include <QtWidgets>

#include <algorithm>
#include <numeric>

enum { Unchanged = -1 };
// Ways of changing the rows; the last four are commands, in this order.
enum Change { TypeId, SetVolume, PickInput01, ClickVolume, ClickId, ResetId, ImportOther, Defaults, SelectAll,
              UnselectAll, French };
// Ways of moving between the preview's lines and the rows.
enum Selecting { ClickLine, EnterOnLine, WalkLines, FocusEditor, FocusCaption, TickCaption };
constexpr int enter = Qt::Key_Return;

Q_DECLARE_METATYPE(Options::OptionStates)

namespace {

// Rows off their defaults in places, two of them unticked, as read from a file.
Options::OptionStates startingRows()
{
    Options::OptionStates states = Options::defaultStates(true);
    states[Id].value = 5;
    states[Input01].value = Options::FirstFolderIndex;
    states[Volume].included = states[Input01 + 3].included = false;
    return states;
}

// The rows as the widgets show them, which must be the document's.
Options::OptionStates shown(const MainWindow &window)
{
    const auto captions = window.findChildren<QCheckBox *>(QRegularExpression("^checkBox_"));
    const auto infos = window.findChild<QScrollArea *>("scrollArea")->widget()->findChildren<ElidedLabel *>();
    Options::OptionStates states;
    for (int r = 0; r < Options::OptionCount; ++r) {
        const auto *spin = qobject_cast<const QSpinBox *>(infos[r]->buddy());
        states[r] = {captions[r]->isChecked(), spin ? spin->value() : qobject_cast<QComboBox *>(infos[r]->buddy())->currentIndex()};
    }
    return states;
}

QWidget *editorOf(const MainWindow &window, int row)
{
    return window.findChild<QScrollArea *>("scrollArea")->widget()->findChildren<ElidedLabel *>()[row]->buddy();
}

// The rows marked as off their default: "bd" for a bold caption that says so to a screen reader.
QStringList changedMarks(const MainWindow &window)
{
    QStringList marks;
    for (const QCheckBox *caption : window.findChildren<QCheckBox *>(QRegularExpression("^checkBox_")))
        marks << QString(caption->font().bold() ? "b" : "") + (caption->accessibleDescription().isEmpty() ? "" : "d");
    return marks;
}

QStringList changedMarks(const Options::OptionStates &states)
{
    QStringList marks;
    for (int r = 0; r < Options::OptionCount; ++r)
        marks << (states[r].value == Options::catalogue()[r].defaultValue ? "" : "bd");
    return marks;
}

// The file as the preview shows it, each line given the line end that its note names.
QByteArray previewed(const MainWindow &window)
{
    QByteArray file;
    const auto *lines = window.findChild<QListWidget *>("listWidget_Lines");
    for (int i = 0; i < lines->count(); ++i)
        file += lines->item(i)->text().toLatin1() + "\r\n";
    return file;
}

} // namespace

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
        // The few texts the lists are measured by are as wide as the widest item and token whatever each
        // character's width: here its code, so that no two digits are as wide.
        const auto width = [](const QString &text) {
            return std::accumulate(text.begin(), text.end(), 0, [](int sum, QChar c) { return sum + c.unicode(); });
        };
        const auto widest = [&width](const QStringList &texts) {
            int most = 0;
            for (const QString &text : texts)
                most = std::max(most, width(text));
            return most;
        };
        QStringList items, tokens;
        for (int i = 0; i < Options::FunctionCount; ++i) {
            const QString token = Options::functionToken(i);
            QCOMPARE(Options::functionIndexAtStart(token + "9_Z"), i);
            QCOMPARE(Options::functionIndexAtStart(token.chopped(1)), -1);
            items << Options::functionItemText(i);
            tokens << token;
        }
        QVERIFY(widest(Options::functionItemWidthSamples()) >= widest(items));
        QVERIFY(widest(Options::functionTokenWidthSamples()) >= widest(tokens));
        for (int outside : {-1, Options::FunctionCount})
            QVERIFY(Options::functionToken(outside).isEmpty() && Options::functionItemText(outside).isEmpty());
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
        QTest::newRow("whole word before a word's start") << fr << "suivant" << enter << 4;
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
        QSignalSpy retold(window.findChild<QComboBox *>("comboBox_Input01")->model(), &QAbstractItemModel::dataChanged);
        trigger(window, language);
        // A new language tells the lists' views that every function's text changed, the last one too.
        const int lastRetold = retold.isEmpty() ? -1 : retold.last().at(1).toModelIndex().row();
        QVERIFY(language != "action_Fran_ais" || lastRetold == Options::FunctionCount - 1);
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

    // Each kind of change is one step: undone and redone at once, with the Undo item saying what it undoes. The rows
    // come from a file, so the modified marker clears again when undoing back to it. A language change is no step.
    void undoRedo_data()
    {
        QTest::addColumn<int>("change");
        QTest::addColumn<Options::OptionStates>("after");
        QTest::addColumn<QString>("undone");   // what the Undo item names
        const Options::OptionStates before = startingRows();
        const auto with = [&before](const Rows &rows) {
            Options::OptionStates states = before;
            for (const auto &row : rows)
                states[row.first] = {true, row.second};
            return states;
        };
        Options::OptionStates defaults = Options::defaultStates(true), none = before, all = before;
        defaults[Volume].included = defaults[Input01 + 3].included = false;
        for (int r = 0; r < Options::OptionCount; ++r)
            none[r].included = !(all[r].included = true);
        Options::OptionStates unticked = before;
        unticked[Id].included = false;
        QTest::newRow("value typed") << int(TypeId) << with({{Id, 127}}) << "ID 5 → 127";
        QTest::newRow("value in an unticked row ticks it") << int(SetVolume) << with({{Volume, 40}}) << "Volume 32 → 40";
        QTest::newRow("value picked by typing") << int(PickInput01) << with({{Input01, 14}})
                                                << "Input 01 Folder 000 → Folder 006";
        QTest::newRow("tick") << int(ClickVolume) << with({{Volume, 32}}) << "Tick Volume";
        QTest::newRow("untick") << int(ClickId) << unticked << "Untick ID";
        QTest::newRow("reset to default") << int(ResetId) << with({{Id, 1}}) << "Reset ID to default";
        QTest::newRow("defaults") << int(Defaults) << defaults << "Default settings";
        QTest::newRow("select all") << int(SelectAll) << all << "Select all options";
        QTest::newRow("unselect all") << int(UnselectAll) << none << "Unselect all options";
        QTest::newRow("import") << int(ImportOther) << ticked({{Boot, 7}}) << "Import of other.txt";
        // No step of its own: Undo still undoes the import that brought the rows, and says so in French now.
        QTest::newRow("language") << int(French) << before << "Importation de before.txt";
    }

    void undoRedo()
    {
        QFETCH(int, change);
        QFETCH(Options::OptionStates, after);
        QFETCH(QString, undone);
        QTemporaryDir dir;
        const Options::OptionStates before = startingRows();
        QVERIFY(writeFile(dir.filePath("before.txt"), ConfigWriter::fileContents(before))
                && writeFile(dir.filePath("other.txt"), "#BOOT:7\n"));
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        ModalDriver driver;
        driver.cancelDialog();   // the import's report
        window.openFile(dir.filePath("before.txt"));
        QCOMPARE(window.windowTitle(), QString("before.txt[*] — Quillary"));
        window.activateWindow();   // again, after the report
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *volume = window.findChild<QSpinBox *>("spinBox_Volume");
        const auto dimmed = [volume] {
            return volume->palette().color(QPalette::Text) == volume->palette().color(QPalette::Disabled, QPalette::Text);
        };
        QVERIFY(dimmed());
        QSignalSpy changed(&window.document(), &Document::OptionDocument::changed);   // what a view of the rows hears
        if (change == TypeId) {   // typed, keyboard focus kept: the window's Ctrl+Z still undoes
            auto *id = window.findChild<QSpinBox *>("spinBox_ID");
            id->setFocus();
            QTest::keyClick(id, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(id, "127");
        } else if (change == SetVolume) {
            volume->setValue(4);
            volume->setValue(40);
        } else if (change == PickInput01) {
            window.findChild<QComboBox *>("comboBox_Input01")->setFocus();
            QWidget *const focused = nullptr;
            QTest::keyClicks(focused, "folder 6");
            QTest::keyClick(focused, Qt::Key_Return);
        } else if (change == ClickVolume || change == ClickId) {
            window.findChild<QCheckBox *>(change == ClickId ? "checkBox_ID" : "checkBox_Volume")->click();
        } else if (change == ResetId) {   // from the spin box's context menu, after its text commands, by its key
            QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(1, 1), QPoint(1, 1));
            QApplication::sendEvent(window.findChild<QSpinBox *>("spinBox_ID"), &menu);
            QVERIFY(QApplication::activePopupWidget()->actions().size() > 2);
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_D);
        } else if (change == ImportOther) {
            driver.cancelDialog();
            window.openFile(dir.filePath("other.txt"));
            window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window));
        } else {
            trigger(window, QStringList{"actionDefault_settings", "action_Select_All_Options_Toolbar",
                                        "action_Unselect_All_options", "action_Fran_ais"}.at(change - Defaults));
        }
        QVERIFY2(driver.finished(), qPrintable(driver.problems().join("; ")));
        QCOMPARE(changed.isEmpty(), change == French);
        auto *undo = window.findChild<QAction *>("action_Undo");
        auto *redo = window.findChild<QAction *>("action_Redo");
        const bool kept = change == ImportOther || change == French;   // the rows' file: the other, or still before.txt
        const auto press = [&window](Qt::Key key, Qt::KeyboardModifiers modifiers) {   // where the keyboard's go
            QWidget *focused = QApplication::focusWidget();
            QTest::keyClick(focused ? focused : &window, key, modifiers);
        };
        for (int round = 0; round < 2; ++round) {   // done, undone, redone; then again with the other Redo key
            QCOMPARE(describe(window.optionStates()), describe(after));
            QCOMPARE(describe(shown(window)), describe(after));
            QCOMPARE(changedMarks(window), changedMarks(after));
            QCOMPARE(previewed(window), ConfigWriter::fileContents(after));
            QCOMPARE(undo->text(), (change == French ? "&Annuler " : "&Undo ") + undone);
            QCOMPARE(window.isWindowModified(), !kept);
            QCOMPARE(dimmed(), !after[Volume].included);
            press(Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(describe(shown(window)), describe(change == French ? Options::defaultStates(true) : before));
            QCOMPARE(describe(window.optionStates()), describe(shown(window)));
            QCOMPARE(changedMarks(window), changedMarks(window.optionStates()));
            QCOMPARE(window.isWindowModified(), kept);
            QVERIFY(redo->isEnabled());
            if (round == 0)
                press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
            else
                press(Qt::Key_Y, Qt::ControlModifier);
        }
        QCOMPARE(describe(window.optionStates()), describe(after));
    }

    // The preview shows the writer's lines, one item a line, for any rows; as wide as it asks, the widest in full.
    void previewShowsTheFile()
    {
        MainWindow window;
        FilePreview alone;
        alone.setDocument(window.document());   // at start-up: with the widest line, #BUTTON1:VOLUME_MINUS
        alone.resize(alone.sizeHint());
        alone.show();
        const auto *list = alone.findChild<QListWidget *>();
        QVERIFY(QTest::qWaitForWindowExposed(&alone) && list->viewport()->width() >= list->sizeHintForColumn(0));
        for (int k = 0; k < 2 * Options::FunctionCount; k += 43) {
            window.setOptionStates(sampleStates(k));
            QCOMPARE(previewed(window), ConfigWriter::fileContents(sampleStates(k)));
        }
    }

    // A line picked takes the user to its row; the row being edited is the line shown. An unticked row has none.
    void previewAndRowsSelectEachOther_data()
    {
        QTest::addColumn<int>("how");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("rowFocused");   // else the lines keep the keyboard
        QTest::addColumn<bool>("hasLine");
        QTest::newRow("line clicked") << int(ClickLine) << int(Button2) << true << true;
        QTest::newRow("Enter on a line") << int(EnterOnLine) << int(Baudrate) << true << true;
        QTest::newRow("lines walked: the rows follow") << int(WalkLines) << int(Baudrate) << false << true;
        QTest::newRow("spin box focused") << int(FocusEditor) << int(Id) << true << true;
        QTest::newRow("list focused") << int(FocusEditor) << int(Button1) << true << true;
        QTest::newRow("caption focused") << int(FocusCaption) << int(Input01) << true << true;
        QTest::newRow("unticked row focused") << int(FocusEditor) << int(Volume) << true << false;
        QTest::newRow("unticked row ticked: its new line") << int(TickCaption) << int(Volume) << true << true;
    }

    void previewAndRowsSelectEachOther()
    {
        QFETCH(int, how);
        QFETCH(int, row);
        QFETCH(bool, rowFocused);
        QFETCH(bool, hasLine);
        MainWindow window;
        window.findChild<QAction *>("action_View_Preview")->setChecked(true);
        window.setOptionStates(startingRows());
        window.resize(window.width(), 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *lines = window.findChild<QListWidget *>("listWidget_Lines");
        const QString keyword = Options::catalogue()[row].keyword + ':';
        QListWidgetItem *line = lines->findItems(keyword, Qt::MatchStartsWith).value(0);
        lines->setCurrentRow(lines->count() - 1);   // another line than the row's, or its own
        if (how == ClickLine) {
            lines->scrollToItem(line);
            QTest::mouseClick(lines->viewport(), Qt::LeftButton, {}, lines->visualItemRect(line).center());
        } else if (how == EnterOnLine || how == WalkLines) {
            lines->setFocus();
            lines->setCurrentRow(0);
            QTest::keyClick(lines, how == WalkLines ? Qt::Key_End : Qt::Key_Up);   // the first line, or the last
            QTest::keyClick(lines, how == WalkLines ? Qt::Key_Up : Qt::Key_End);
            QTest::keyClick(lines, how == WalkLines ? Qt::Key_Down : Qt::Key_Return);
        } else {
            QWidget *caption = window.findChild<QScrollArea *>()->widget()->findChildren<QCheckBox *>()[row];
            (how >= FocusCaption ? caption : editorOf(window, row))->setFocus();
            if (how == TickCaption)
                QTest::keyClick(caption, Qt::Key_Space);
        }
        QWidget *editor = editorOf(window, row), *focused = QApplication::focusWidget();
        QCOMPARE(focused == editor || editor->isAncestorOf(focused), rowFocused && how < FocusCaption);
        QCOMPARE(focused == lines, !rowFocused);
        QCOMPARE(lines->currentItem() ? lines->currentItem()->text().section(':', 0, 0) + ':' : "", hasLine ? keyword : "");
        QCOMPARE(lines->selectedItems().size(), int(hasLine));
        const QWidget *viewport = window.findChild<QScrollArea *>()->viewport();
        QVERIFY(how >= FocusEditor || viewport->rect().contains(QRect(editor->mapTo(viewport, QPoint()), editor->size())));
    }

    // The wheel turns only the editor that has the keyboard focus; over any other it scrolls the rows.
    void wheelTurnsOnlyTheFocusedEditor_data()
    {
        QTest::addColumn<QString>("editor");
        QTest::addColumn<bool>("focused");
        for (const char *editor : {"spinBox_Volume", "comboBox_Input15"}) {
            QTest::addRow("%s, unfocused", editor) << editor << false;
            QTest::addRow("%s, focused", editor) << editor << true;
        }
    }

    void wheelTurnsOnlyTheFocusedEditor()
    {
        QFETCH(QString, editor);
        QFETCH(bool, focused);
        MainWindow window;
        window.resize(window.width(), 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QWidget *box = window.findChild<QWidget *>(editor);
        if (focused)
            box->setFocus();
        const QScrollBar *bar = window.findChild<QScrollArea *>("scrollArea")->verticalScrollBar();
        const Options::OptionStates before = window.optionStates();
        const QPoint inside(box->width() / 2, box->height() / 2);
        QWheelEvent wheel(inside, box->mapToGlobal(inside), QPoint(), QPoint(0, -QWheelEvent::DefaultDeltasPerStep),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(box, &wheel);
        QCOMPARE(window.optionStates() == before, !focused);
        QCOMPARE(bar->value() > 0, !focused);
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
        // Not framed yet, it leaves room for the frame the window manager will add.
        QVERIFY(window.height() < window.screen()->availableGeometry().height());
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
        // In every menu each item has a key of its own.
        for (const QWidget *menu : window.findChildren<QWidget *>(QRegularExpression("^menu"))) {
            QStringList keys;
            for (const QAction *item : menu->actions()) {
                const QString text = QString(item->text()).remove("&&");
                const QString key = text.contains('&') ? text.mid(text.indexOf('&') + 1, 1).toLower() : QString();
                QVERIFY2(key.isEmpty() || !keys.contains(key), qPrintable(menu->objectName() + ": " + text));
                keys << key;
            }
        }
        // A long path must not force the window wider.
        window.findChild<QLabel *>("label_Generate_Path")->setText("/" + QString(300, 'x') + "/config.txt");
        QTest::qWait(0);
        QVERIFY(window.minimumSizeHint().width() <= window.width());
        const auto *area = window.findChild<QScrollArea *>("scrollArea");
        QVERIFY(!area->horizontalScrollBar()->isVisible());
        QCOMPARE(window.findChild<QWidget *>("comboBox_Input01")->accessibleName(), input01Name);
        const auto infos = area->widget()->findChildren<ElidedLabel *>();
        QCOMPARE(infos.size(), Options::OptionCount);
        QVERIFY(window.frameGeometry().height() <= window.screen()->availableGeometry().height());
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

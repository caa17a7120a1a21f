// The option catalogue: lists, tokens and defaults that the file format relies on.
#include "options/optioncatalogue.h"
#include "support/testapp.h"

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void keywordTables()
    {
        QCOMPARE(Options::optionKeywordTable(),
                 QStringList({"#ID", "#VOLUME", "#POWER", "#RS_MONITORING", "#BOOT", "#INPUT", "#BUTTON",
                              "#BAUDRATE"}));
        QCOMPARE(Options::functionKeywordTable(),
                 QStringList({"PLAY", "STOP", "NEXT_TRACK", "PREV_TRACK", "NEXT_FOLD", "PREV_FOLD",
                              "VOLUME_PLUS", "VOLUME_MINUS", "FOLDER", "RS"}));
    }

    void functionList_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("token");
        QTest::newRow("first") << 0 << "Play" << "PLAY";
        QTest::newRow("last named") << 7 << "Volume -" << "VOLUME_MINUS";
        QTest::newRow("first folder") << 8 << "Folder 000" << "FOLDER000";
        QTest::newRow("folder 42") << 50 << "Folder 042" << "FOLDER042";
        QTest::newRow("last folder") << 1007 << "Folder 999" << "FOLDER999";
        QTest::newRow("first serial") << 1008 << "Serial command 001" << "RS001";
        QTest::newRow("last serial") << 2006 << "Serial command 999" << "RS999";
    }

    void functionList()
    {
        QFETCH(int, index);
        QFETCH(QString, text);
        QFETCH(QString, token);
        const QStringList items = Options::functionItemList();
        QCOMPARE(items.size(), Options::FunctionCount);
        QCOMPARE(items.at(index), text);
        QCOMPARE(Options::functionToken(index), token);
        QCOMPARE(Options::functionIndexAtStart(token), index);
    }

    void tokensOutsideTheList_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("no current item") << -1;
        QTest::newRow("one past the end") << Options::FunctionCount;
        QTest::newRow("far negative") << -100000;
    }

    void tokensOutsideTheList()
    {
        QFETCH(int, index);
        QVERIFY(Options::functionToken(index).isEmpty());
    }

    // Every token maps back to its own index: the file reader depends on it.
    void everyTokenRoundTrips()
    {
        QSet<QString> seen;
        for (int i = 0; i < Options::FunctionCount; ++i) {
            const QString token = Options::functionToken(i);
            QVERIFY2(!seen.contains(token), qPrintable(token));
            seen.insert(token);
            QCOMPARE(Options::functionIndexAtStart(token), i);
        }
    }

    void tokenRecognition_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("index");
        QTest::newRow("trailing text ignored") << "PLAYER" << 0;
        QTest::newRow("lower case") << "play" << -1;
        QTest::newRow("leading blank") << " PLAY" << -1;
        QTest::newRow("short folder number") << "FOLDER5" << -1;
        QTest::newRow("serial zero does not exist") << "RS000" << -1;
        QTest::newRow("folder with extra digit") << "FOLDER0012" << 9;
        QTest::newRow("bare prefix") << "FOLDER" << -1;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("non-ascii digits") << QString::fromUtf8("RS\u0661\u0662\u0663") << -1;
    }

    void tokenRecognition()
    {
        QFETCH(QString, text);
        QFETCH(int, index);
        QCOMPARE(Options::functionIndexAtStart(text), index);
    }

    void otherLists()
    {
        QCOMPARE(Options::powerItemList(), QStringList({"Off", "On"}));
        QCOMPARE(Options::monitoringItemList(),
                 QStringList({"No monitoring mode", "Daisy chain mode", "Monitoring mode",
                              "Advanced monitoring mode"}));
        QCOMPARE(Options::baudrateItemList(), QStringList({"9600", "19200", "38400"}));
    }

    void defaults()
    {
        const Options::OptionStates states = Options::defaultStates(true);
        QVector<int> values;
        for (const Options::OptionValue &v : states) {
            QVERIFY(v.included);
            values << v.value;
        }
        QCOMPARE(values, QVector<int>({1, 32, 0, 0, 0, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21,
                                       22, 23, 7, 6, 1}));
        QVERIFY(!Options::defaultStates(false)[0].included);
    }
};

QUILLARY_TEST_MAIN(TestCatalogue)
#include "test_catalogue.moc"

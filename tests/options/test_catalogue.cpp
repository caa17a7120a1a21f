// The option catalogue: the tokens and list texts that the file format relies on.
#include "options/optioncatalogue.h"
#include "support/testapp.h"

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void keywordPositions()
    {
        // Writer and reader address these by position.
        QCOMPARE(Options::optionKeywordTable().size(), 8);
        QCOMPARE(Options::optionKeywordTable().at(5), QString("#INPUT"));
        QCOMPARE(Options::optionKeywordTable().at(6), QString("#BUTTON"));
        QCOMPARE(Options::functionKeywordTable().size(), 10);
        QCOMPARE(Options::functionKeywordTable().at(8), QString("FOLDER"));
        QCOMPARE(Options::functionKeywordTable().at(9), QString("RS"));
    }

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
        const QStringList items = Options::functionItemList();
        QCOMPARE(items.size(), Options::FunctionCount);
        QCOMPARE(items.value(index), text);
        QCOMPARE(Options::functionToken(index), token);
    }

    // Every token is distinct and maps back to its own index: the reader depends on it.
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
        QTest::newRow("non-ascii digits") << QString::fromUtf8("RS\u0661\u0662\u0663") << -1;
    }

    void tokenRecognition()
    {
        QFETCH(QString, text);
        QFETCH(int, index);
        QCOMPARE(Options::functionIndexAtStart(text), index);
    }
};

QUILLARY_TEST_MAIN(TestCatalogue)
#include "test_catalogue.moc"

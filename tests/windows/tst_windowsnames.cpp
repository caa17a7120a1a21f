#include "files/windowsnames.h"

#include <QtTest>

// Which names Windows refuses as a file's name; the rules are text only, so they are
// checked on every system.
class TestWindowsNames : public QObject
{
    Q_OBJECT

private slots:
    void refusedNames_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("refused");
        QTest::newRow("plain") << "C:/Users/Zo\u00EB/config.txt" << false;
        QTest::newRow("device") << "C:/Users/a/CON" << true;
        QTest::newRow("device, any case, extension") << "D:\\sd\\nul.txt" << true;
        QTest::newRow("device with blanks before the extension") << "lpt1 .cfg" << true;
        QTest::newRow("numbered devices") << "com9.txt" << true;
        QTest::newRow("superscript number") << QString::fromUtf8("COM\u00B2") << true;
        QTest::newRow("device name inside a longer name") << "CONFIG.txt" << false;
        QTest::newRow("device name as a folder only") << "C:/CON/config.txt" << false;
        QTest::newRow("COM without a number") << "com.txt" << false;
        QTest::newRow("trailing dot") << "config.txt." << true;
        QTest::newRow("trailing blank") << "C:\\x\\config.txt " << true;
        QTest::newRow("leading dot and blank") << " .config" << false;
        QTest::newRow("stream after a colon") << "C:/x/config.txt:hidden" << true;
        QTest::newRow("drive, relative name") << "C:config.txt" << false;
        QTest::newRow("drive, relative device") << "C:aux" << true;
        QTest::newRow("drive only") << "C:" << false;
        QTest::newRow("wildcard") << "config*.txt" << true;
        QTest::newRow("control character") << "config\t.txt" << true;
        QTest::newRow("folder only") << "C:/x/" << false;
    }

    void refusedNames()
    {
        QFETCH(QString, path);
        QFETCH(bool, refused);
        const QString why = Files::windowsNameRefusal(path);
        QVERIFY2(why.isEmpty() != refused, qPrintable(path + ": " + why));
    }
};

QTEST_APPLESS_MAIN(TestWindowsNames)
#include "tst_windowsnames.moc"

// The Help menu: the URLs handed to the desktop and the About dialog.
#include "support/testapp.h"
#include "support/testdata.h"

#include "app/mainwindow.h"
#include "help/aboutwindows.h"

#include <QtWidgets>

enum Closing { ByOk, ByEscape, ByCloseButton };   // of the About dialog

class TestHelp : public QObject
{
    Q_OBJECT
    QList<QUrl> urls;
    QTranslator translator;
    QPointer<AboutWindows> dialog;

    bool translateWith(const QString &qmPath)   // an empty path keeps English
    {
        return qmPath.isEmpty() || (translator.load(qmPath) && QCoreApplication::installTranslator(&translator));
    }

public slots:
    // Stands in for the browser and the e-mail program.
    void openUrl(const QUrl &url) { urls << url; }

private slots:
    void initTestCase()
    {
        for (const char *scheme : {"mailto", "http", "https"})
            QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "openUrl");
    }

    // A failed check must not leave a translation or a dialog behind for the next test.
    void cleanup()
    {
        urls.clear();
        QCoreApplication::removeTranslator(&translator);
        delete dialog;
    }

    void commands_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("qmPath");
        QTest::addColumn<QStringList>("url");   // the address, then each query item fully decoded
        const QString mail = QStringLiteral("actionContact_Technical_Support");
        const QString to = QStringLiteral("mailto:support@halvex.example");
        QTest::newRow("mail, English") << mail << QString() << QStringList{to,
            "subject=Halvex support request (from: Quillary - 1.2.0.0)", "body=( write here your question... )"};
        QTest::newRow("mail, translation with & # % +") << mail << HELP_TEST_QM << QStringList{to,
            QString::fromUtf8("subject=Demande d'aide & support #1 (+100% de : Quillary - 1.2.0.0)"),
            QString::fromUtf8("body=( écrivez ici votre question & vos détails #2... )")};
        QTest::newRow("mail, French") << mail << FRENCH_QM << QStringList{to,
            QString::fromUtf8("subject=Demande d'assistance Halvex (de : Quillary - 1.2.0.0)"),
            QString::fromUtf8("body=( écrivez votre question ici... )")};
        QTest::newRow("home page") << "actionHalvex_Home_Page" << QString()
                                   << QStringList{"https://www.halvex.example"};
    }

    void commands()
    {
        QFETCH(QString, action);
        QFETCH(QString, qmPath);
        QFETCH(QStringList, url);
        MainWindow window;
        QVERIFY(translateWith(qmPath));
        trigger(window, action);
        QCOMPARE(urls.size(), 1);
        // Many mail programs read a bare "+" in a query as a blank.
        QVERIFY(!urls.first().query(QUrl::FullyEncoded).contains(QLatin1Char('+')));
        QStringList parts{urls.first().toString(QUrl::RemoveQuery)};
        for (const auto &item : QUrlQuery(urls.first()).queryItems(QUrl::FullyDecoded))
            parts << item.first + '=' + item.second;
        QCOMPARE(parts, url);
    }

    void about_data()
    {
        QTest::addColumn<QString>("qmPath");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("closedBy");
        QTest::newRow("English, OK") << QString() << "About Quillary" << int(ByOk);
        QTest::newRow("English, Escape") << QString() << "About Quillary" << int(ByEscape);
        QTest::newRow("French, close button") << FRENCH_QM << QString::fromUtf8("À propos de Quillary") << int(ByCloseButton);
    }

    void about()
    {
        QFETCH(QString, qmPath);
        QFETCH(QString, title);
        QFETCH(int, closedBy);
        MainWindow window;
        QVERIFY(translateWith(qmPath));
        trigger(window, "action_About");
        dialog = qobject_cast<AboutWindows *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), title);
        QCOMPARE(dialog->windowModality(), Qt::ApplicationModal);
        QVERIFY(!dialog->windowFlags().testFlag(Qt::WindowContextHelpButtonHint));

        auto *infos = dialog->findChild<QLabel *>(QStringLiteral("label_infos"));
        QVERIFY(infos->openExternalLinks());
        const QString system = dialog->osDescription();
        QCOMPARE(infos->text(), QString::fromUtf8("<p>Quillary 1.2.0.0</p><p>Copyright © 2026 Halvex</p><p>Halvex</p>"
                                                  "<p><a href=\"https://www.halvex.example\">https://www.halvex.example"
                                                  "</a></p><p>") + system.toHtmlEscaped() + "</p>");
#ifndef Q_OS_WIN
        // The system under its own name and version, not as a Windows product.
        QVERIFY2(!system.contains("Microsoft") && system.contains(QSysInfo::productVersion()), qPrintable(system));
#else
        // As the About box of the Windows program has always put it: "Microsoft windows 10".
        QVERIFY2(QRegularExpression("^Microsoft windows (7|8|8\\.1|10|11)(sp\\d)?$").match(system).hasMatch(), qPrintable(system));
#endif

        if (closedBy == ByOk)
            QTest::mouseClick(dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
        else if (closedBy == ByEscape)
            QTest::keyClick(dialog, Qt::Key_Escape);
        else
            QVERIFY(dialog->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(dialog.isNull());
    }
};

QUILLARY_TEST_MAIN(TestHelp)
#include "tst_help.moc"

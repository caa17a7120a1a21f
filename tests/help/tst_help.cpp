// The Help menu: the URLs handed to the desktop and the About dialog.
#include "support/testapp.h"

#include "app/mainwindow.h"
#include "help/aboutwindows.h"

#include <QAction>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTranslator>
#include <QUrlQuery>

namespace {

QList<AboutWindows *> aboutDialogs()
{
    QList<AboutWindows *> dialogs;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *about = qobject_cast<AboutWindows *>(widget))
            dialogs << about;
    return dialogs;
}

AboutWindows *openAbout(MainWindow &window)
{
    window.findChild<QAction *>(QStringLiteral("action_About"))->trigger();
    return aboutDialogs().size() == 1 ? aboutDialogs().first() : nullptr;
}

} // namespace

class TestHelp : public QObject
{
    Q_OBJECT

public slots:
    // Stands in for the browser and the e-mail program.
    void openUrl(const QUrl &url) { urls << url; }

private slots:
    void initTestCase();
    void init() { urls.clear(); }
    void cleanup();
    void commands_data();
    void commands();
    void about_data();
    void about();

private:
    bool translateWith(const QString &qmPath)   // an empty path keeps English
    {
        return qmPath.isEmpty() || (translator.load(qmPath) && QCoreApplication::installTranslator(&translator));
    }

    QList<QUrl> urls;
    QTranslator translator;
};

void TestHelp::initTestCase()
{
    for (const char *scheme : {"mailto", "http", "https"})
        QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "openUrl");
}

// A failed check must not leave a translation or a dialog behind for the next test.
void TestHelp::cleanup()
{
    QCoreApplication::removeTranslator(&translator);
    qDeleteAll(aboutDialogs());
}

void TestHelp::commands_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("qmPath");
    QTest::addColumn<QString>("address");   // the URL without its query
    QTest::addColumn<QString>("subject");   // empty: no query at all
    QTest::addColumn<QString>("body");

    const QString mail = QStringLiteral("actionContact_Technical_Support");
    const QString to = QStringLiteral("mailto:support@halvex.example");
    QTest::newRow("mail, English") << mail << QString() << to
                                   << "Halvex support request (from: Quillary - 1.2.0.0)"
                                   << "( write here your question... )";
    QTest::newRow("mail, translation with & # % +")
        << mail << HELP_TEST_QM << to
        << QString::fromUtf8("Demande d'aide & support #1 (+100% de : Quillary - 1.2.0.0)")
        << QString::fromUtf8("( écrivez ici votre question & vos détails #2... )");
    QTest::newRow("mail, French") << mail << FRENCH_QM << to
                                  << QString::fromUtf8("Demande d'assistance Halvex (de : Quillary - 1.2.0.0)")
                                  << QString::fromUtf8("( écrivez votre question ici... )");
    QTest::newRow("home page") << "actionHalvex_Home_Page" << QString() << "https://www.halvex.example"
                               << QString() << QString();
}

void TestHelp::commands()
{
    QFETCH(QString, action);
    QFETCH(QString, qmPath);
    QFETCH(QString, address);
    QFETCH(QString, subject);
    QFETCH(QString, body);

    MainWindow window;
    QVERIFY(translateWith(qmPath));
    window.findChild<QAction *>(action)->trigger();

    QCOMPARE(urls.size(), 1);
    const QUrl url = urls.first();
    QCOMPARE(url.toString(QUrl::RemoveQuery), address);
    // Many mail programs read a bare "+" in a query as a blank.
    QVERIFY(!url.query(QUrl::FullyEncoded).contains(QLatin1Char('+')));
    const QUrlQuery query(url);
    QCOMPARE(query.queryItems().size(), subject.isEmpty() ? 0 : 2);
    QCOMPARE(query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded), subject);
    QCOMPARE(query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded), body);
}

void TestHelp::about_data()
{
    QTest::addColumn<QString>("qmPath");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("closedBy");   // 0: OK, 1: Escape, 2: close button

    QTest::newRow("English, OK") << QString() << "About Quillary" << 0;
    QTest::newRow("English, Escape") << QString() << "About Quillary" << 1;
    QTest::newRow("French, close button") << FRENCH_QM << QString::fromUtf8("À propos de Quillary") << 2;
}

void TestHelp::about()
{
    QFETCH(QString, qmPath);
    QFETCH(QString, title);
    QFETCH(int, closedBy);

    MainWindow window;
    QVERIFY(translateWith(qmPath));
    QPointer<AboutWindows> about = openAbout(window);
    QVERIFY(about);
    QCOMPARE(about->windowTitle(), title);
    QCOMPARE(about->windowModality(), Qt::ApplicationModal);
    QVERIFY(!about->windowFlags().testFlag(Qt::WindowContextHelpButtonHint));

    auto *infos = about->findChild<QLabel *>(QStringLiteral("label_infos"));
    QVERIFY(infos->openExternalLinks());
    QStringList paragraphs;
    auto matches = QRegularExpression(QStringLiteral("<p>(.*?)</p>")).globalMatch(infos->text());
    while (matches.hasNext())
        paragraphs << matches.next().captured(1);
    const QString system = about->osDescription();
    QCOMPARE(paragraphs, QStringList({QStringLiteral("Quillary 1.2.0.0"), QString::fromUtf8("Copyright © 2026 Halvex"),
                                      QStringLiteral("Halvex"),
                                      QStringLiteral("<a href=\"https://www.halvex.example\">https://www.halvex.example</a>"),
                                      system.toHtmlEscaped()}));
#ifndef Q_OS_WIN
    // The system under its own name and version, not as a Windows product.
    QVERIFY2(!system.contains(QLatin1String("Microsoft")) && system.contains(QSysInfo::productVersion()),
             qPrintable(system));
#endif

    if (closedBy == 0)
        QTest::mouseClick(about->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    else if (closedBy == 1)
        QTest::keyClick(about, Qt::Key_Escape);
    else
        QVERIFY(about->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(about.isNull());
}

QUILLARY_TEST_MAIN(TestHelp)
#include "tst_help.moc"

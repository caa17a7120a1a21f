// The support e-mail and home-page commands: the URLs handed to the desktop.
#include "support/testapp.h"

#include "app/mainwindow.h"
#include "help/helptexts.h"
#include "helptestsupport.h"

#include <QAction>
#include <QUrlQuery>

namespace {

struct MailFields {
    QString subject;
    QString body;
    QStringList keys;
};

MailFields decodedFields(const QUrl &url)
{
    MailFields fields;
    const QUrlQuery query(url);
    for (const auto &item : query.queryItems(QUrl::FullyDecoded))
        fields.keys << item.first;
    fields.subject = query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded);
    fields.body = query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded);
    return fields;
}

void verifySupportMail(const QUrl &url, const QString &subject, const QString &body)
{
    QVERIFY2(url.isValid(), qPrintable(url.errorString()));
    QCOMPARE(url.scheme(), QStringLiteral("mailto"));
    QCOMPARE(url.path(), QStringLiteral("support@halvex.example"));
    QVERIFY(!url.hasFragment());
    // Many mail programs read a bare "+" in a query as a blank.
    QVERIFY(!url.query(QUrl::FullyEncoded).contains(QLatin1Char('+')));
    const MailFields fields = decodedFields(url);
    QCOMPARE(fields.keys, QStringList({QStringLiteral("subject"), QStringLiteral("body")}));
    QCOMPARE(fields.subject, subject);
    QCOMPARE(fields.body, body);
}

} // namespace

class TestSupportRequest : public QObject
{
    Q_OBJECT

private slots:
    void mailFieldsSurviveEncoding_data();
    void mailFieldsSurviveEncoding();
    void plainTextGivesTheSameMail();
    void supportCommand_data();
    void supportCommand();
    void homePageCommand();
};

void TestSupportRequest::mailFieldsSurviveEncoding_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("subject");

    QTest::newRow("English") << "Halvex support request (from:" << "( write here your question... )"
                             << "Halvex support request (from: Quillary - 1.2.0.0)";
    QTest::newRow("ampersand") << "Help & support (from:" << "( question & answer )"
                               << "Help & support (from: Quillary - 1.2.0.0)";
    QTest::newRow("number sign") << "Request #1 (from:" << "( see #2 )"
                                 << "Request #1 (from: Quillary - 1.2.0.0)";
    QTest::newRow("percent escape") << "Code %41 (from:" << "( %2B means plus )"
                                    << "Code %41 (from: Quillary - 1.2.0.0)";
    QTest::newRow("stray percent and plus") << "100% +1 (from:" << "a+b %zz"
                                            << "100% +1 (from: Quillary - 1.2.0.0)";
    QTest::newRow("field syntax") << "x=y&body=forged (from:" << "?subject=again&"
                                  << "x=y&body=forged (from: Quillary - 1.2.0.0)";
    QTest::newRow("accents and lines") << QString::fromUtf8("Demande d'aide « PLX7 » (de :")
                                       << QString::fromUtf8("( écrivez ici\r\nvotre question )")
                                       << QString::fromUtf8("Demande d'aide « PLX7 » (de : Quillary - 1.2.0.0)");
}

void TestSupportRequest::mailFieldsSurviveEncoding()
{
    QFETCH(QString, prefix);
    QFETCH(QString, body);
    QFETCH(QString, subject);

    verifySupportMail(Help::supportMailUrl(prefix, body), subject, body);
}

// Encoding changes nothing for the texts that never needed it.
void TestSupportRequest::plainTextGivesTheSameMail()
{
    const QString prefix = QStringLiteral("Halvex support request (from:");
    const QString body = QStringLiteral("( write here your question... )");
    const QUrl unencoded(QStringLiteral("mailto:support@halvex.example?subject=") + prefix
                             + QStringLiteral(" Quillary - 1.2.0.0)&body=") + body,
                         QUrl::TolerantMode);
    const QUrl url = Help::supportMailUrl(prefix, body);

    QCOMPARE(url.path(), unencoded.path());
    QCOMPARE(decodedFields(url).subject, decodedFields(unencoded).subject);
    QCOMPARE(decodedFields(url).body, decodedFields(unencoded).body);
}

void TestSupportRequest::supportCommand_data()
{
    QTest::addColumn<QString>("qmPath");
    QTest::addColumn<QString>("prefix");   // empty: whatever the translation file says
    QTest::addColumn<QString>("body");

    QTest::newRow("English") << QString() << "Halvex support request (from:" << "( write here your question... )";
    QTest::newRow("translation with & and #")
        << HELP_TEST_QM << QString::fromUtf8("Demande d'aide & support #1 (+100% de :")
        << QString::fromUtf8("( écrivez ici votre question & vos détails #2... )");
    QTest::newRow("French") << FRENCH_QM << QString() << QString();
}

void TestSupportRequest::supportCommand()
{
    QFETCH(QString, qmPath);
    QFETCH(QString, prefix);
    QFETCH(QString, body);

    if (QTest::currentDataTag() == QLatin1String("French") && qmPath.isEmpty())
        QSKIP("the program has no French translation yet");

    MainWindow window;
    const TranslationScope translation(qmPath);
    QVERIFY(qmPath.isEmpty() || translation.loaded());
    if (prefix.isEmpty()) {
        prefix = translation.text("MainWindow", "Halvex support request (from:");
        body = translation.text("MainWindow", "( write here your question... )");
    }

    UrlCatcher catcher;
    window.findChild<QAction *>(QStringLiteral("actionContact_Technical_Support"))->trigger();

    QCOMPARE(catcher.urls.size(), 1);
    verifySupportMail(catcher.urls.first(), prefix + QStringLiteral(" Quillary - 1.2.0.0)"), body);
}

void TestSupportRequest::homePageCommand()
{
    MainWindow window;
    UrlCatcher catcher;
    window.findChild<QAction *>(QStringLiteral("actionHalvex_Home_Page"))->trigger();

    QCOMPARE(catcher.urls, QList<QUrl>({QUrl(QStringLiteral("https://www.halvex.example"))}));
}

QUILLARY_TEST_MAIN(TestSupportRequest)
#include "tst_supportrequest.moc"

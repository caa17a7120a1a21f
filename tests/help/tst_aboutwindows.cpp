// The About dialog as the Help menu opens it.
#include "support/testapp.h"

#include "app/mainwindow.h"
#include "help/aboutwindows.h"
#include "helptestsupport.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRegularExpression>
#include <QSysInfo>

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
    const QList<AboutWindows *> dialogs = aboutDialogs();
    return dialogs.size() == 1 ? dialogs.first() : nullptr;
}

// The hand cursor QLabel shows over a link tells where the link is drawn.
QPoint linkPosition(QLabel *label)
{
    for (int y = 0; y < label->height(); y += 2) {
        for (int x = 0; x < label->width(); x += 2) {
            QMouseEvent move(QEvent::MouseMove, QPointF(x, y), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(label, &move);
            if (label->cursor().shape() == Qt::PointingHandCursor)
                return {x, y};
        }
    }
    return {-1, -1};
}

void processDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestAboutWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void information_data();
    void information();
    void windowShape();
    void linkOpensHomePage();
    void deletedAfterClosing_data();
    void deletedAfterClosing();
};

void TestAboutWindows::initTestCase()
{
    // The pictures come from the embedded resources: a missing one would pass unnoticed.
    QVERIFY(QFile::exists(QStringLiteral(":/Images/HelpPanelCFG.png")));
}

// A failed check must not leave a dialog behind for the next test.
void TestAboutWindows::cleanup()
{
    qDeleteAll(aboutDialogs());
}

void TestAboutWindows::information_data()
{
    QTest::addColumn<QString>("qmPath");
    QTest::addColumn<QString>("title");

    QTest::newRow("English") << QString() << "About Quillary";
    QTest::newRow("translated") << HELP_TEST_QM << QString::fromUtf8("À propos de Quillary");
}

void TestAboutWindows::information()
{
    QFETCH(QString, qmPath);
    QFETCH(QString, title);

    MainWindow window;
    const TranslationScope translation(qmPath);
    AboutWindows *about = openAbout(window);
    QVERIFY(about);
    QCOMPARE(about->windowTitle(), title);

    auto *infos = about->findChild<QLabel *>(QStringLiteral("label_infos"));
    QCOMPARE(infos->alignment(), Qt::Alignment(Qt::AlignCenter));
    QVERIFY(infos->openExternalLinks());

    const QString html = infos->text();
    QStringList paragraphs;
    auto matches = QRegularExpression(QStringLiteral("<p>(.*?)</p>")).globalMatch(html);
    while (matches.hasNext())
        paragraphs << matches.next().captured(1);
    QCOMPARE(QLatin1String("<p>") + paragraphs.join(QLatin1String("</p><p>")) + QLatin1String("</p>"), html);
    QCOMPARE(paragraphs.size(), 5);

    QCOMPARE(paragraphs[0], QStringLiteral("Quillary 1.2.0.0"));
    QVERIFY2(QRegularExpression(QString::fromUtf8("^Copyright © (19|20)\\d\\d Halvex$")).match(paragraphs[1]).hasMatch(),
             qPrintable(paragraphs[1]));
    QCOMPARE(paragraphs[2], QStringLiteral("Halvex"));

    const auto link = QRegularExpression(QStringLiteral("^<a href=\"([^\"]*)\">([^<]*)</a>$")).match(paragraphs[3]);
    QVERIFY2(link.hasMatch(), qPrintable(paragraphs[3]));
    QCOMPARE(link.captured(1), QStringLiteral("https://www.halvex.example"));
    QCOMPARE(link.captured(2), link.captured(1));

    const QString system = paragraphs[4];
    QCOMPARE(system, about->osDescription());
#ifdef Q_OS_WIN
    QCOMPARE(system, translation.text("AboutWindows", "Microsoft") + QLatin1Char(' ') + QSysInfo::productType()
                         + QLatin1Char(' ') + QSysInfo::productVersion());
#else
    // The system under its own name and version, not as a Windows product.
    QVERIFY2(!system.contains(QLatin1String("Microsoft")), qPrintable(system));
    QVERIFY(system != translation.text("AboutWindows", "Unkown OS"));
    if (QSysInfo::productVersion() != QLatin1String("unknown"))
        QVERIFY2(system.contains(QSysInfo::productVersion()), qPrintable(system));
#endif
}

void TestAboutWindows::windowShape()
{
    MainWindow window;
    window.show();
    AboutWindows *about = openAbout(window);
    QVERIFY(about);
    QVERIFY(QTest::qWaitForWindowExposed(about));

    // Application-modal: the main window takes no input while it is open.
    QVERIFY(about->isModal());
    QCOMPARE(about->windowModality(), Qt::ApplicationModal);
    QCOMPARE(QApplication::activeModalWidget(), about);

    // A dialog window whose title bar has only the close button.
    QCOMPARE(about->windowType(), Qt::Dialog);
    const Qt::WindowFlags flags = about->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowContextHelpButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));

    // The size follows the contents, and the user cannot change it.
    const QSize fixedSize = about->size();
    QCOMPARE(about->minimumSize(), fixedSize);
    QCOMPARE(about->maximumSize(), fixedSize);
    QCOMPARE(fixedSize, about->layout()->totalSizeHint());
    about->resize(fixedSize + QSize(200, 200));
    QCOMPARE(about->size(), fixedSize);

    QVERIFY(!about->findChild<QLabel *>(QStringLiteral("label_Image"))->pixmap(Qt::ReturnByValue).isNull());
    QVERIFY(!about->windowIcon().isNull());
}

void TestAboutWindows::linkOpensHomePage()
{
    MainWindow window;
    AboutWindows *about = openAbout(window);
    QVERIFY(about);
    QVERIFY(QTest::qWaitForWindowExposed(about));
    UrlCatcher catcher;

    auto *infos = about->findChild<QLabel *>(QStringLiteral("label_infos"));
    const QPoint link = linkPosition(infos);
    QVERIFY(link.x() >= 0);
    QTest::mouseClick(infos, Qt::LeftButton, Qt::NoModifier, link);

    QCOMPARE(catcher.urls, QList<QUrl>({QUrl(QStringLiteral("https://www.halvex.example"))}));
    QVERIFY(about->isVisible());
}

void TestAboutWindows::deletedAfterClosing_data()
{
    QTest::addColumn<QString>("how");

    QTest::newRow("OK") << "ok";
    QTest::newRow("Escape") << "escape";
    QTest::newRow("close button") << "close";
}

void TestAboutWindows::deletedAfterClosing()
{
    QFETCH(QString, how);

    MainWindow window;
    QPointer<AboutWindows> about = openAbout(window);
    QVERIFY(about);
    QVERIFY(about->isVisible());

    if (how == QLatin1String("ok"))
        QTest::mouseClick(about->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    else if (how == QLatin1String("escape"))
        QTest::keyClick(about, Qt::Key_Escape);
    else
        QVERIFY(about->close());

    QVERIFY(about && !about->isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    processDeferredDeletes();
    QVERIFY(about.isNull());

    // The next opening builds a fresh dialog.
    QVERIFY(openAbout(window));
}

QUILLARY_TEST_MAIN(TestAboutWindows)
#include "tst_aboutwindows.moc"

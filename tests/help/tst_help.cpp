// The Help menu: the URLs handed to the desktop, the rows' explanations and the About dialog.
#include "support/testapp.h"
#include "support/testdata.h"

#include "app/mainwindow.h"
#include "help/aboutwindows.h"
#include "help/manualdialog.h"
#include "help/manualtext.h"
#include "options/optionhelp.h"
#include "support/modaldriver.h"
#include "widgets/elidedlabel.h"

#include <QtWidgets>

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
    void init()
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
        QTest::addColumn<bool>("opens");        // else the desktop opens nothing
        const QString mail = QStringLiteral("actionContact_Technical_Support");
        const QString to = QStringLiteral("mailto:support@halvex.example");
        QTest::newRow("mail, English") << mail << QString() << QStringList{to,
            "subject=Halvex support request (from: Quillary - 1.2.0.0)", "body=( write here your question... )"} << true;
        QTest::newRow("mail, translation with & # % +") << mail << HELP_TEST_QM << QStringList{to,
            QString::fromUtf8("subject=Demande d'aide & support #1 (+100% de : Quillary - 1.2.0.0)"),
            QString::fromUtf8("body=( écrivez ici votre question & vos détails #2... )")} << true;
        QTest::newRow("mail, French") << mail << FRENCH_QM << QStringList{to,
            QString::fromUtf8("subject=Demande d'assistance Halvex (de : Quillary - 1.2.0.0)"),
            QString::fromUtf8("body=( écrivez votre question ici... )")} << true;
        QTest::newRow("home page") << "actionHalvex_Home_Page" << QString()
                                   << QStringList{"https://www.halvex.example"} << true;
        QTest::newRow("no mail program") << mail << FRENCH_QM << QStringList{to} << false;
        QTest::newRow("no browser") << "actionHalvex_Home_Page" << QString()
                                    << QStringList{"https://www.halvex.example"} << false;
    }

    // Where nothing opens, a box shows the address, and its Copy button puts it on the clipboard.
    void commands()
    {
        QFETCH(QString, action);
        QFETCH(QString, qmPath);
        QFETCH(QStringList, url);
        QFETCH(bool, opens);
        for (const char *scheme : {"mailto", "https"})   // a handler without that slot: openUrl() fails
            QDesktopServices::setUrlHandler(QLatin1String(scheme), this, opens ? "openUrl" : "noSuchSlot");
        MainWindow window;
        QVERIFY(translateWith(qmPath));
        ModalDriver driver;
        QString shown;
        if (!opens) {
            QGuiApplication::clipboard()->clear();
            driver.handleNext([&shown](QWidget *box) {
                shown = box->findChild<QLineEdit *>()->text();
                box->findChild<QPushButton *>("pushButton_Copy")->click();
                static_cast<QDialog *>(box)->reject();
            });
        }
        trigger(window, action);
        QVERIFY2(driver.finished(), qPrintable(driver.problems().join("; ")));
        if (!opens) {
            const QString address = url.first().remove("mailto:");
            QCOMPARE(shown, address);
            QCOMPARE(QGuiApplication::clipboard()->text(), address);
            return;
        }
        QCOMPARE(urls.size(), 1);
        // Many mail programs read a bare "+" in a query as a blank.
        QVERIFY(!urls.first().query(QUrl::FullyEncoded).contains(QLatin1Char('+')));
        QStringList parts{urls.first().toString(QUrl::RemoveQuery)};
        for (const auto &item : QUrlQuery(urls.first()).queryItems(QUrl::FullyDecoded))
            parts << item.first + '=' + item.second;
        QCOMPARE(parts, url);
    }

    // Every row says what it does and what each of its values means, in English and in French; a number's
    // editor leads with its range.
    void everyOptionExplained()
    {
        QStringList english;
        for (const QString &qmPath : {QString(), QString(FRENCH_QM)}) {
            QVERIFY(translateWith(qmPath));
            const MainWindow window;   // explains its rows in the language installed
            const auto infos = window.findChildren<ElidedLabel *>(QRegularExpression("_[Ii]nfos"));
            QCOMPARE(infos.size(), Options::OptionCount);
            QSet<QString> purposes;   // each input and button its own
            for (int r = 0; r < Options::OptionCount; ++r) {
                purposes << Options::purpose(r);
                QStringList texts{Options::purpose(r)};
                for (const Options::ValueMeaning &value : Options::valueMeanings(r))
                    texts << value.meaning;
                for (const QString &text : texts) {   // in French, nothing left in English
                    QVERIFY2(!text.isEmpty() && (qmPath.isEmpty() || !english.contains(text)),
                             qPrintable(QString("%1: %2").arg(Options::catalogue()[r].keyword, text)));
                    if (qmPath.isEmpty())
                        english << text;
                }
                const QWidget *editor = infos[r]->buddy();
                const QString range = Options::acceptedRange(Options::catalogue()[r].kind);
                QVERIFY(infos[r]->text().contains(Options::catalogue()[r].keyword));
                QVERIFY(infos[r]->toolTip().contains(Options::purpose(r).toHtmlEscaped()));
                QCOMPARE(editor->whatsThis(), infos[r]->toolTip());
                QVERIFY(range.isEmpty() || editor->toolTip().startsWith("<p><b>" + range));
                QVERIFY(range.isEmpty() || infos[r]->toolTip().contains(range));   // in the explanation too
                // The value shown at start-up, the default, is named; so is the list's last, and every named
                // value leads a line of its own.
                const auto *list = qobject_cast<const QComboBox *>(editor);
                QStringList named{list ? list->currentText() : static_cast<const QSpinBox *>(editor)->text()};
                if (list)
                    named << list->itemText(list->count() - 1);
                for (int i = 0; list && i < qMin(list->count(), Options::FirstFolderIndex); ++i)
                    named << "<li><b>" + list->itemText(i) + "</b>";
                for (const QString &name : named)
                    QVERIFY2(infos[r]->toolTip().contains(name), qPrintable(name));
                // One line a named value, one a run of folders or of serial commands; none for a number.
                QCOMPARE(Options::valueMeanings(r).size(), list ? qMin(list->count(), Options::FirstFolderIndex + 2) : 0);
            }
            QCOMPARE(purposes.size(), Options::OptionCount);
            QVERIFY(window.findChild<QSpinBox *>("spinBox_ID")->toolTip().startsWith(QString::fromUtf8("<p><b>1–127<")));
        }
    }

    // The manual is one window beside the main one, however often it is asked for; its sections sit under the
    // window's title, none as large as a title.
    void manual()
    {
        MainWindow window;
        trigger(window, "action_Manual");
        trigger(window, "action_Manual");
        const auto manuals = window.findChildren<ManualDialog *>();
        QCOMPARE(manuals.size(), 1);
        QVERIFY(manuals.first()->isVisible() && !manuals.first()->isModal());
        QVERIFY(Help::manualHtml().contains("<h2>") && !Help::manualHtml().contains("<h1>"));
    }

    // About is modal, names the program, its version and the system it runs on, in the language installed;
    // its address opens in the browser; closed, it is gone.
    void about()
    {
        MainWindow window;
        QVERIFY(translateWith(FRENCH_QM));
        trigger(window, "action_About");
        dialog = qobject_cast<AboutWindows *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QString::fromUtf8("À propos de Quillary"));
        const auto *infos = dialog->findChild<QLabel *>(QStringLiteral("label_infos"));
        const QString system = dialog->osDescription();
        QVERIFY(infos->openExternalLinks());
        QVERIFY(infos->text().contains(QCoreApplication::applicationName() + ' ' + QCoreApplication::applicationVersion()));
        QVERIFY(infos->text().contains(system.toHtmlEscaped()));
#ifndef Q_OS_WIN
        // The system under its own name and version, not as a Windows product.
        QVERIFY2(!system.contains("Microsoft") && system.contains(QSysInfo::productVersion()), qPrintable(system));
#else
        // As the About box of the Windows program has always put it: "Microsoft windows 10".
        QVERIFY2(QRegularExpression("^Microsoft windows (7|8|8\\.1|10|11)(sp\\d)?$").match(system).hasMatch(), qPrintable(system));
#endif
        QTest::keyClick(dialog, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(dialog.isNull());
    }
};

QUILLARY_TEST_MAIN(TestHelp)
#include "tst_help.moc"

// A Qt generic plugin that lets the tests stop the installed program the way a
// user does: it closes every window once the event loop runs, so main() returns
// and the main window's destructor stores the preferences. The program itself
// is untouched; the tests load this through QT_QPA_GENERIC_PLUGINS.
//
// The plugin's key (after the colon) names a file that receives the menu bar
// titles, one per line, so a test can tell which translation was in force.
#include <QApplication>
#include <QFile>
#include <QGenericPlugin>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>
#include <QWindow>

static void reportMenuTitles(const QString &reportPath)
{
    QFile report(reportPath);
    if (!report.open(QIODevice::WriteOnly))
        return;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<QMainWindow *>(widget))
            for (QAction *menu : window->menuBar()->actions())
                report.write(menu->text().toUtf8() + '\n');
}

class CloseWindowsPlugin : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "closewindows.json")

public:
    QObject *create(const QString &, const QString &reportPath) override
    {
        auto *closer = new QObject;   // the application deletes what plugins create
        // The first zero timer fires once the event loop runs, after the window was shown;
        // the program then gets a moment of normal running before it is closed.
        QTimer::singleShot(0, closer, [closer, reportPath] {
            QTimer::singleShot(500, closer, [reportPath] {
                reportMenuTitles(reportPath);
                for (QWindow *window : QGuiApplication::topLevelWindows())
                    if (window->isVisible())
                        window->close();   // the same close request as the title bar's button
            });
        });
        return closer;
    }
};

#include "closewindows.moc"

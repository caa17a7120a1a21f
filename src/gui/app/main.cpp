#include "app/commandline.h"
#include "files/inplacebackup.h"
#include "identity/applicationidentity.h"
#include "mainwindow.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

int main(int argc, char *argv[])
{
    setApplicationIdentity();
    if (const std::optional<int> answered = CommandLine::answerWithoutWindow(argc, argv))
        return *answered;
    enableHighDpiScaling();

    QApplication app(argc, argv);
    const CommandLine::WindowRequest request = CommandLine::parseWindowArguments(app.arguments());
    if (request.exitStatus)
        return *request.exitStatus;
    int exitCode = 0;
    {
        MainWindow window;   // its destructor stores the preferences
        window.show();
        // A save in place that was cut short: where the old file went must be heard.
        const QStringList unfinished = unfinishedSaves();
        if (!unfinished.isEmpty()) {
            QTimer::singleShot(0, &window, [&window, unfinished] {
                QMessageBox::warning(&window, QCoreApplication::applicationName(), unfinished.join(QStringLiteral("\n\n")));
            });
        }
        // Once the window is up, so that the import's report box stands in front of it.
        if (!request.file.isEmpty())
            QTimer::singleShot(0, &window, [&window, &request] { window.openFile(request.file); });
        exitCode = app.exec();
    }
    return exitCode;
}

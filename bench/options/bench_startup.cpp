// Start-up benchmark: time from process start to the first painted frame of the
// real main window, and to the end of the process, against an empty QMainWindow of
// the same size, measured in this run as child processes, in turn. A third child
// shows the bare form (setupUi only: no lists, no language, no preferences), to
// tell the form's own cost from the program's. Also times a language change,
// which retranslates the option lists.
//
// Usage: bench_startup [rounds]      (children are started as: bench_startup --child empty|form|real)
#include "app/mainwindow.h"
#include "identity/applicationidentity.h"
#include "ui_mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Quits at the first paint of the watched window.
class FirstFrame : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !seen) {
            seen = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }
    bool seen = false;
};

int runChild(int argc, char **argv, const QByteArray &kind)
{
    setApplicationIdentity();
    enableHighDpiScaling();
    QApplication app(argc, argv);
    FirstFrame watcher;
    Ui::MainWindow form;
    QMainWindow *window = kind == "real" ? new MainWindow : new QMainWindow;
    if (kind == "form")
        form.setupUi(window);
    if (kind == "empty")
        window->resize(520, 640);
    window->installEventFilter(&watcher);
    window->show();
    app.exec();
    std::puts("frame");
    std::fflush(stdout);
    delete window;
    return watcher.seen ? 0 : 1;
}

struct ChildTimes {
    double frame;   // ms from start to the first frame
    double exit;    // ms from start to the end of the process
};

ChildTimes timeChild(const QString &self, const QString &mode)
{
    QProcess child;
    QElapsedTimer clock;
    clock.start();
    child.start(self, {QStringLiteral("--child"), mode});
    child.waitForReadyRead(30000);
    const double frame = clock.nsecsElapsed() / 1e6;
    child.waitForFinished(30000);
    const double exit = clock.nsecsElapsed() / 1e6;
    if (!child.readAll().contains("frame")) {
        std::fprintf(stderr, "child %s did not show a frame\n", qPrintable(mode));
        return {-1, -1};
    }
    return {frame, exit};
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double refillMs(int argc, char **argv)
{
    setApplicationIdentity();
    enableHighDpiScaling();
    QApplication app(argc, argv);
    MainWindow window;
    QAction *english = window.findChild<QAction *>(QStringLiteral("action_English"));
    std::vector<double> times;
    for (int i = 0; i < 20; ++i) {
        QElapsedTimer clock;
        clock.start();
        english->trigger();   // translation, retranslation, fillOptionLists, applyDefaultSettings
        times.push_back(clock.nsecsElapsed() / 1e6);
    }
    return median(times);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--child") == 0)
        return runChild(argc, argv, argv[2]);

    const int rounds = argc > 1 ? std::max(3, atoi(argv[1])) : 15;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QString self = QString::fromLocal8Bit(argv[0]);
    const QStringList kinds = {QStringLiteral("empty"), QStringLiteral("form"), QStringLiteral("real")};
    std::vector<double> frame[3], exit[3];
    timeChild(self, QStringLiteral("real"));   // warm the file cache
    for (int i = 0; i < rounds; ++i) {
        for (int k = 0; k < kinds.size(); ++k) {
            const ChildTimes times = timeChild(self, kinds.at(k));
            frame[k].push_back(times.frame);
            exit[k].push_back(times.exit);
        }
    }
    const auto report = [rounds](const char *what, const std::vector<double> (&times)[3], const char *goal) {
        const double empty = median(times[0]), form = median(times[1]), real = median(times[2]);
        std::printf("%s, median of %d: empty QMainWindow %.1f ms, bare form %.1f ms (%.2f), Quillary %.1f ms, "
                    "ratio %.2f%s\n",
                    what, rounds, empty, form, form / empty, real, real / empty, goal);
    };
    report("start to first frame", frame, " (goal <= 1.4)");
    report("start to exit       ", exit, "");
    const double change = refillMs(argc, argv);
    std::printf("language change incl. fillOptionLists + applyDefaultSettings, median of 20: %.2f ms (goal < 5 ms: %s)\n",
                change, change < 5 ? "met" : "MISSED");
    return 0;
}

// Import benchmark: a file of 100,000 valid option lines, read (a) line by line with
// a QTextStream and nothing else, (b) by the window's import: parse, apply to the
// widgets of a real MainWindow, build the report (the message box is not shown).
// Each is run several times, alternately; the best times and their ratio are printed.
//
// Usage: bench_import [rounds]   (default 5)
#include "../support/benchapp.h"
#include "../support/benchfile.h"
#include "app/mainwindow.h"
#include "configfile/configreader.h"
#include "configfile/importreport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>
#include <limits>

namespace {

// Import as the window does it, without the message box: read into plain values, set
// the rows once, build the report's text; returns the report lines kept.
int import(MainWindow &window, const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    Options::OptionStates states = Options::defaultStates(false);
    const ConfigReader::Report report = ConfigReader::readConfigFile(file, states);
    window.setOptionStates(states);
    const QString text = ConfigReader::reportLinesText(report) + ConfigReader::notesText(report);
    return text.isEmpty() ? 0 : int(report.lines.size());
}

qint64 readWithTextStream(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly | QIODevice::Text);
    QTextStream stream(&file);
    qint64 characters = 0;
    QString line;
    while (stream.readLineInto(&line))
        characters += line.size();
    return characters;
}

template <typename F>
double milliseconds(F run)
{
    QElapsedTimer clock;
    clock.start();
    run();
    return clock.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    Bench::prepareHeadlessApplication();
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? qMax(1, atoi(argv[1])) : 5;

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.txt"));
    if (!Bench::writeFile(path, Bench::benchmarkFile()))
        return 1;

    MainWindow window;
    const double inf = std::numeric_limits<double>::infinity();
    double stream = inf, program = inf;
    qint64 characters = 0;
    int reportLines = 0;
    for (int round = 0; round < rounds; ++round) {
        stream = qMin(stream, milliseconds([&] { characters = readWithTextStream(path); }));
        program = qMin(program, milliseconds([&] { reportLines = import(window, path); }));
    }

    std::printf("%d option lines, %lld characters, best of %d rounds\n", Bench::LineCount,
                static_cast<long long>(characters), rounds);
    std::printf("(a) QTextStream line by line         %8.1f ms\n", stream);
    std::printf("(b) import, report of %6d lines   %8.1f ms   ratio %.2f (goal <= 3)\n", reportLines, program,
                program / stream);
    return 0;
}

// quillary-cli benchmark, whole processes side by side, in turn:
//  (a) a QtCore program that reads a 100,000-line file line by line with a QTextStream,
//      against `quillary-cli check` of that file (its report goes to a file);
//  (b) a QtCore program that only starts and exits, against `quillary-cli generate`
//      of one file from a base file with one value set.
// The best time of each and their ratios are printed.
//
// Usage: bench_cli [rounds]   (default 10)
#include "../support/benchfile.h"
#include "configfile/configwriter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <limits>

namespace {

// Milliseconds from start to exit of the program; infinite when it fails, or ends with
// another status than `expected`.
double run(const QString &program, const QStringList &arguments, const QString &output, int expected = 0)
{
    QFile::remove(output);   // not timed: cutting the last report to nothing takes a while
    QProcess child;
    child.setStandardOutputFile(output);
    QElapsedTimer clock;
    clock.start();
    child.start(program, arguments);
    const bool finished = child.waitForFinished(60000);
    const double ms = clock.nsecsElapsed() / 1e6;
    if (!finished || child.exitStatus() != QProcess::NormalExit || child.exitCode() != expected) {
        std::fprintf(stderr, "%s %s failed\n", qPrintable(program), qPrintable(arguments.join(' ')));
        return std::numeric_limits<double>::infinity();
    }
    return ms;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? qMax(1, atoi(argv[1])) : 10;
    QTemporaryDir dir;
    const QString big = dir.filePath(QStringLiteral("big.txt")), base = dir.filePath(QStringLiteral("base.txt"));
    const QString report = dir.filePath(QStringLiteral("report.txt"));
    if (!Bench::writeFile(big, Bench::benchmarkFile())
        || !Bench::writeFile(base, ConfigWriter::fileContents(Options::defaultStates(true))))
        return 1;

    const QString cli = QStringLiteral(QUILLARY_CLI), baseline = QStringLiteral(BASELINE);
    const QStringList generate{QStringLiteral("generate"), QStringLiteral("--from"), base, QStringLiteral("--set"),
                               QStringLiteral("ID=7"), QStringLiteral("-o"), dir.filePath(QStringLiteral("out.txt"))};
    const double inf = std::numeric_limits<double>::infinity();
    double read = inf, check = inf, start = inf, generated = inf;
    for (int round = 0; round < rounds; ++round) {
        read = qMin(read, run(baseline, {big}, report));
        // Status 1: every option is given thousands of times, and each is warned of.
        check = qMin(check, run(cli, {QStringLiteral("check"), big}, report, 1));
        start = qMin(start, run(baseline, {}, report));
        generated = qMin(generated, run(cli, generate, report));
    }

    std::printf("best of %d rounds, whole processes\n", rounds);
    std::printf("(a) QtCore program, QTextStream reads %d lines   %7.1f ms\n", Bench::LineCount, read);
    std::printf("    quillary-cli check of the same file         %7.1f ms   ratio %.2f (goal <= 2)\n", check,
                check / read);
    std::printf("(b) QtCore program that starts and exits         %7.1f ms\n", start);
    std::printf("    quillary-cli generate --from --set -o FILE   %7.1f ms   ratio %.2f (goal <= 2)\n", generated,
                generated / start);
    return 0;
}

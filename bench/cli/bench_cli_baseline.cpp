// The baselines of bench_cli: a QtCore program that only starts and exits, and one that
// also reads a file line by line with a QTextStream.
//
// Usage: bench_cli_baseline [FILE]
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 0;
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return 1;
    QTextStream stream(&file);
    QString line;
    qint64 lines = 0;
    while (stream.readLineInto(&line))
        ++lines;
    return lines > 0 ? 0 : 1;
}

#include "testdata.h"

#include <QAction>
#include <QFile>
#include <QWidget>

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QStringList describe(const Options::OptionStates &states)
{
    QStringList rows;
    for (int r = 0; r < Options::OptionCount; ++r)
        rows << QStringLiteral("%1: %2%3").arg(r + 1).arg(states[r].value).arg(states[r].included ? "" : " (off)");
    return rows;
}

Options::OptionStates ticked(const Rows &rows)
{
    Options::OptionStates states = Options::defaultStates(false);
    for (const auto &row : rows)
        states[row.first] = {true, row.second};
    return states;
}

Options::OptionStates sampleStates(int k)
{
    Options::OptionStates states;
    for (int r = 0; r < Options::OptionCount; ++r) {
        const Options::KindFacts &facts = Options::facts(Options::catalogue()[r].kind);
        const bool included = k % 2 == 0 || (k + r) % 3 != 0;
        states[r] = {included, included ? facts.minimum + (k / 2 + 100 * r) % (facts.maximum - facts.minimum + 1)
                                        : Options::catalogue()[r].defaultValue};
    }
    return states;
}

QString reportLine(const char *key, int errorLine)
{
    const QString padded = QString::fromLatin1(key).leftJustified(30, QLatin1Char('-'));
    return "<br>" + padded + (errorLine ? QStringLiteral("> ERROR Line(%1)</br>").arg(errorLine) : "> OK</br>");
}

void trigger(QWidget &window, const QString &action)
{
    window.findChild<QAction *>(action)->trigger();
}

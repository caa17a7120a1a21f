#include "testdata.h"

#include <QFile>

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
    return padded + (errorLine ? QStringLiteral("> ERROR Line(%1)\n").arg(errorLine) : "> OK\n");
}

QList<VerdictCase> verdictCases()
{
    QFile table(QStringLiteral(QUILLARY_VERDICTS));
    if (!table.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("%s cannot be read", QUILLARY_VERDICTS);
    QList<VerdictCase> cases;
    for (QString line : QString::fromUtf8(table.readAll()).split('\n')) {
        const QString rest = line.mid(line.indexOf(' ') + 1);
        if (line.startsWith("== ")) {
            cases.append({rest, {}, {}, {}, {}, {}});
        } else if (line.startsWith('>')) {   // a line of the file: its escapes are its bytes
            QByteArray bytes = line.size() > 1 ? rest.toUtf8() : "";
            bytes.replace("\\r", "\r").replace("\\0", QByteArray(1, 0)).append(line.endsWith("\\c") ? "" : "\n");
            for (int at; (at = bytes.indexOf("\\x")) >= 0;)
                bytes.replace(at, 4, QByteArray(1, char(bytes.mid(at + 2, 2).toInt(nullptr, 16))));
            cases.last().file += bytes.replace("\\c", "");
        } else if (line.startsWith("OK ") || line.startsWith("ERROR ")) {
            const QStringList words = line.split(' ');
            cases.last().said << reportLine(qPrintable(words[1]), words.value(2).toInt()).chopped(1);
        } else if (line.startsWith("= ")) {
            cases.last().summary = rest;
        } else if (line.startsWith("~ ")) {   // "KEY:VALUE" as Generate writes them
            cases.last().rows = Options::defaultStates(false);
            for (const QString &pair : rest.split(' ')) {
                for (int r = 0; r < Options::OptionCount; ++r)
                    if (pair.startsWith(Options::catalogue()[r].keyword + ':'))
                        (*cases.last().rows)[r] = {true, Options::valueFromText(Options::catalogue()[r].kind, pair.section(':', 1))};
            }
        } else if (!line.isEmpty() && !line.startsWith('#')) {
            if (line.startsWith('*'))
                cases.last().marks << "Line " + line.remove(0, 1);
            cases.last().said << line;
        }
    }
    return cases;
}

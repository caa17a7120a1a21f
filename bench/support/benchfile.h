#pragma once
// The file the import benchmarks read, shared by them. Header only, so that every
// benchmark takes it by its path alone: the benchmarks build without the tests'
// support library.
#include "configfile/configwriter.h"

#include <QByteArray>
#include <QFile>
#include <QString>

namespace Bench {

constexpr int LineCount = 100000;

// Every option in turn, each time with another value, as Generate writes them.
inline QByteArray benchmarkFile()
{
    QByteArray bytes;
    for (int i = 0; i < LineCount; ++i) {
        const int row = i % Options::OptionCount;
        const Options::KindFacts &facts = Options::facts(Options::catalogue()[row].kind);
        Options::OptionStates one = Options::defaultStates(false);
        one[row] = {true, facts.minimum + i % (facts.maximum - facts.minimum + 1)};
        bytes += ConfigWriter::fileContents(one);
    }
    return bytes;
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace Bench

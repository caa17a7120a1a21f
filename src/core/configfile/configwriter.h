#pragma once

#include "options/optioncatalogue.h"

#include <QByteArray>
#include <QVector>

// Writing a configuration file: the exact bytes the player reads.
namespace ConfigWriter {

// One line of the file, without its line end, and the row it comes from.
struct Line {
    int row;
    QByteArray text;   // "KEYWORD:VALUE"
};

// The lines of the file: one per included row, in row order.
QVector<Line> lines(const Options::OptionStates &states);

// The whole file: those lines, each ending in CR LF whatever the platform.
QByteArray fileContents(const Options::OptionStates &states);

} // namespace ConfigWriter

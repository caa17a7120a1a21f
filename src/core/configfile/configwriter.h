#pragma once

#include "options/optioncatalogue.h"

#include <QByteArray>

// Writing a configuration file: the exact bytes the player reads.
namespace ConfigWriter {

// The whole file: one "KEYWORD:VALUE" line per included row, in row order, each
// ending in CR LF whatever the platform.
QByteArray fileContents(const Options::OptionStates &states);

} // namespace ConfigWriter

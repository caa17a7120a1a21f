#pragma once

#include "options/optioncatalogue.h"

#include <QByteArray>
#include <QString>

class QIODevice;

namespace ConfigWriter {

// Text of one row's value as the player expects it ("001", "05", "FOLDER007", "19200").
QString valueText(Options::ValueKind kind, int value);

// The whole file: one "KEYWORD:VALUE" line per included row, in row order, each
// ending in CR LF whatever the platform.
QByteArray fileContents(const Options::OptionStates &states);

bool writeConfigFile(QIODevice &device, const Options::OptionStates &states);

// Writes the file at `path`; an existing file is replaced only when every byte of
// the new one has been written.
bool saveConfigFile(const QString &path, const Options::OptionStates &states);

} // namespace ConfigWriter

#pragma once

#include <QString>

#include <functional>

class QIODevice;

// Replaces the file at `path` with what `write` puts into the device, or leaves it
// untouched: the content goes to a temporary file that is renamed over the old one
// only once every byte has been written. Where the folder does not allow a
// temporary file, the file is written in place. Returns false on any failure,
// including `write` returning false.
bool saveAtomically(const QString &path, const std::function<bool(QIODevice &)> &write);

// Writes all of `bytes`; false when the device takes less.
bool writeAll(QIODevice &device, const QByteArray &bytes);
